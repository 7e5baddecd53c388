// Printing the treatment model's notes on the default printer (or a PDF file for tests).
#pragma once

#include <QFont>
#include <string>
#include <vector>

// Prints the heading, the panel heading and the lines as one document in the given font; line
// height h = the font's height in printer pixels x 1.4, cut to a whole number; the heading at
// y = h, the panel heading at 3h, the lines from 4h on, all at x = 10. False (with a message) when
// no printer is set up.
bool PrintNotes(const std::string& heading, const std::string& panelHeading,
                const std::vector<std::string>& lines, const QFont& font);

// Tests: print to this PDF file instead of the default printer (empty: the printer again).
void SetNotesPrintFile(const std::string& pdfPath);
