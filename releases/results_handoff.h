// The hand-off from the input form to the results run: the report-file probe and the hook through
// which the results form is opened.
#pragma once

#include <functional>
#include <string>

// Opens the results form for the full run: creates it, shows it modally and deletes it. The
// results subsystem installs it at start-up; nullptr removes it.
void SetResultsFormOpener(std::function<void()> opener);
// Runs the installed opener; while none is installed, says that the results are not available.
void OpenResultsForm();

// The final report of the current chemical: DataFolder + CaseNum + ".wpd" while WordPerfect is
// the report format, else ".doc".
std::string FinalReportName();

// True when the final report can be written. An existing report is opened for update and left
// as it is; a missing one is created and removed again. When it cannot be written, a note names
// the file and the result is false.
bool BuildReportFileNames();
