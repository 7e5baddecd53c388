// The hand-off from the input form to the results run: the report-file probe and the hook through
// which the results form is opened.
#include "releases/results_handoff.h"

#include <cstdio>

#include "documents/merge/report_numbers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

namespace {

std::function<void()>& Opener() {
    static std::function<void()> opener;
    return opener;
}

// Opens the file for writing without changing it; false when that is refused.
bool CanWrite(const std::string& name) {
    const bool existed = sys::FileExists(name);
    std::FILE* file = sys::OpenFile(name, existed ? "r+b" : "wb");
    if (!file)
        return false;
    std::fclose(file);
    if (!existed)
        sys::DeleteFile(name);
    return true;
}

}  // namespace

void SetResultsFormOpener(std::function<void()> opener) {
    Opener() = std::move(opener);
}

void OpenResultsForm() {
    if (Opener()) {
        Opener()();
        return;
    }
    forms::ShowMessage("The results form is not available in this version.", "Note");
}

std::string FinalReportName() {
    bool wordPerfect = WordPerfectReports();
    return DataFolder + FinalReportFileName(CurrentPmn.CaseNum, wordPerfect ? ".wpd" : ".doc");
}

bool BuildReportFileNames() {
    const std::string name = FinalReportName();
    if (!sys::FolderExists(sys::FolderPart(sys::NativePath(name))) || !CanWrite(name)) {
        forms::Ui().MessageBox(sys::NativePath(name) +
                                   " is currently in use.  Please close this file and try "
                                   "running Ombrix again.",
                               "Note", forms::Buttons::Ok, forms::Icon::Information);
        return false;
    }
    return true;
}
