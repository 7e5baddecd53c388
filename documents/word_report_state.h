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

// The frame every Word part writer runs. A part already listed, or any part once the run's report
// has been given up, is left as it is (false). Otherwise the template is copied into the part
// from the program folder: a template that cannot be read is named to the user once a run and
// nothing is listed (false). The part is listed and opened; when the word processor cannot open
// it the user is told when showFailure is set (false). Else the values are made (only now:
// making them may change the record) and set into their bookmarks, and the part is saved and
// closed; true. A word processor error while filling or saving closes the part unsaved, takes it
// out of the list and the work folder, tells the user which part failed and gives up the run's
// report (false).
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
