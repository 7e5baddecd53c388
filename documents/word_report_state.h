// What the Word-format part writers share: the carrier of a run with its part list, the
// bookmark values of a part, and the frame every part writer runs.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "documents/word_access.h"
#include "documents/wpd_report_state.h"

// The Word components of a results run, with the run's list of parts and its progress step
// (the part list is the one the WordPerfect-format writers fill in that format).
class WordReportForm : public WordFileCarrier {
  public:
    explicit WordReportForm(WpdReportState& report) : Report(report) {}
    WpdReportState& Report;
};

// Bookmark names and their texts, in the order they are set; a name may come twice, and the
// later text then stands.
using BookmarkValues = std::vector<std::pair<std::string, std::string>>;

// WordWorkFolder() + the part's file name.
std::string WordPartPath(const std::string& fileName);

// The frame every Word part writer runs. A part already listed is left as it is (false).
// Otherwise the part is listed, the template is copied into it from the program folder and the
// part is opened; when it cannot be (the template is missing or the word processor does not
// work) the user is told when showFailure is set, and the result is false. Else the values are
// made (only now: making them may change the record) and set into their bookmarks, and the
// part is saved and closed; true. A word processor error while filling closes the part unsaved
// and reaches the caller.
struct WordPartRequest {
    std::string templateName;
    std::string partPath;
    bool showFailure = true;
};
bool WriteWordPart(WordReportForm& form, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values);

// What the frame works on when the Word components are not the results run's own: the
// components that write the part, the part list it goes in, and the names of the document to
// open and of the part being written, which the components' owner keeps.
struct WordPartTarget {
    WordCarrier& words;
    WpdReportState& report;
    std::string& in_file_name;
    std::string& PartFileName;
};
bool WriteWordPart(const WordPartTarget& target, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values);
