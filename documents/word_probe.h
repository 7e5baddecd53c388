// The start-up test whether Word-format reports can be made, cached in the file wordup.
#pragma once

// Runs TestWordAvailable on a carrier made for it, writes "WORD\n" (answer 1) or "NOWORD\n"
// into wordup in the program folder, and returns the answer.
int ProbeWord();
