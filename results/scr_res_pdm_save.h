// The saves of the dilution pages: what they share beyond the form.
#pragma once

#include <string>

// True when a new file can be made in the folder ("" is the working folder). Tried with a file
// of a name of its own, made only when no file has it and removed at once: nothing of the
// folder's own files is opened, truncated or left behind.
bool FolderIsWritable(const std::string& folder);
