// Joining the Word-format parts of a run into one report, and finishing the final report.
#include "documents/word_assembly.h"

#include "documents/merge/report_numbers.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/text_helpers.h"

namespace {

// Runs the macro on the open first part and saves it; a failing macro leaves the part as it was
// saved last.
void RunAndSave(WordFileCarrier& form, const std::string& macro) {
    try {
        RunWordMacro(form, macro);
    } catch (...) {
        form.WordDocument1.Close(false);
        form.WordDocument1.Disconnect();
        throw;
    }
    CloseWordDocument(form);
}

// Copies the document to append over the assembly document; a document that cannot be read
// stops the assembly, since the macro would append an older assembly document.
bool StageForAppend(const std::string& document) {
    sys::DeleteFile(ZodirezozPath());
    if (CopyFileBytes(document, ZodirezozPath()))
        return true;
    ShowReportError("The report document " + sys::NativePath(document) +
                    " cannot be read; the final report was not assembled.");
    return false;
}

}  // namespace

std::optional<std::string> AssembleWordReport(WordReportForm& form) {
    const std::vector<WpdPart>& parts = form.Report.FilesList;
    // A report given up when a part failed is not assembled without it; the user was told.
    if (parts.empty() || form.Report.ReportFailed)
        return std::nullopt;
    form.in_file_name = parts.front().path;
    const size_t count = parts.size();
    for (size_t i = 1; i <= count; ++i) {
        const bool last = i == count;
        if (!StageForAppend(last ? TemplatePath("blank.doc") : parts[i].path))
            return std::nullopt;
        // One failure to open the report is told once, and the assembly stops: the report
        // would lack every later part.
        if (!OpenWordDocument(form, true))
            return std::nullopt;
        RunAndSave(form, last ? "appfileend" : "appfile");
        form.Report.Step();
    }
    return DataFolder + FinalReportFileName(CurrentPmn.CaseNum, ".doc");
}

bool FinishWordReport(WordFileCarrier& form) {
    if (!OpenWordDocument(form, false))
        return false;
    RunAndSave(form, "ridbar");
    return true;
}
