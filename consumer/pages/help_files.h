// Services the consumer model's windows share: help by context number, copying a table from
// its template, and removing the line breaks of a typed comment.
#pragma once

#include <string>

namespace consumer {

// The help topic of a context number (0 contents, 6 to 11 the input pages, 21 the start screen).
std::string HelpTopicOfContext(int context);
void OpenHelpTopic(int context);
// The help of the absorbed-dose dermal page, which has its own topic.
void OpenAbsorbedDoseHelp();

// Copies the file; false when the source cannot be read or the destination written.
bool CopyCompressedFile(const std::string& source, const std::string& destination);

// Removes every CR LF pair; a CR or LF on its own stays.
void RemoveLineBreaks(std::string& text);

}  // namespace consumer
