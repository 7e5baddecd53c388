// Joining the Word-format parts of a run into one report, and finishing the final report.
#pragma once

#include <optional>
#include <string>

#include "documents/word_report_state.h"

// Appends every further listed part, then blank.doc of the program folder, to the first part:
// each is copied over the assembly document and appended by the macro "appfile" (the closing
// document by "appfileend"), with the first part opened, and saved, once per document; the
// progress steps once per document. Returns DataFolder + CaseNum + ".doc", the name the joined
// first part is to be copied to; nothing is written under that name here. Nothing, after one
// message, when a document cannot be copied or the first part cannot be opened, and nothing
// without a message when no part is listed. A failing macro closes the first part unsaved and
// reaches the caller.
std::optional<std::string> AssembleWordReport(WordReportForm& form);

// Opens the final report in_file_name without a message and, when it opens, runs the macro
// "ridbar" on it and saves it. False when it could not be opened.
bool FinishWordReport(WordFileCarrier& form);
