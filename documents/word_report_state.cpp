// The frame of the Word-format part writers.
#include "documents/word_report_state.h"

#include "platform/sys/files.h"
#include "platform/sys/paths.h"

std::string WordPartPath(const std::string& fileName) {
    return WordWorkFolder() + fileName;
}

namespace {

// Sets the values into the open part and saves it. A half-filled part is not saved: it is
// closed as it is and the error reaches the caller.
void FillBookmarks(WordCarrier& form, const BookmarkValues& values) {
    try {
        for (const auto& [bookmark, text] : values)
            SetBookmarkText(form, text, bookmark);
    } catch (...) {
        if (form.WordDocument1.Connected()) {
            form.WordDocument1.Close(false);
            form.WordDocument1.Disconnect();
        }
        throw;
    }
    CloseWordDocument(form);
}

// The template copied into the part. A template that cannot be read is named once a run; a part
// that cannot be written is named, and left out of the report like a WordPerfect-format part.
bool CopyTemplate(WpdReportState& report, const std::string& templatePath,
                  const std::string& partPath) {
    const std::optional<std::string> bytes = sys::ReadWholeFile(templatePath);
    if (!bytes) {
        report.TellTemplateFault(templatePath, "The report template " +
                                                   sys::NativePath(templatePath) +
                                                   " could not be read, so no report part is "
                                                   "made from it.");
        return false;
    }
    if (!sys::WriteScratchFile(partPath, *bytes)) {
        ShowReportError("The report part " + sys::NativePath(partPath) + " could not be written.");
        return false;
    }
    return true;
}

// A part the word processor failed on: it leaves the list and the work folder, the user is
// told which part it was, and the run's report is given up (it would lack the part).
void GiveUpReport(const WordPartTarget& target, const std::string& part, const std::string& why) {
    target.report.Unlist(part);
    sys::DeleteFile(part);
    target.report.ReportFailed = true;
    ShowReportError("The report part " + sys::NativePath(part) + " could not be written (" + why +
                    "), so no final report is stored for this run.");
}

}  // namespace

bool WriteWordPart(WordReportForm& form, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values) {
    return WriteWordPart(WordPartTarget{form, form.Report, form.in_file_name, form.PartFileName},
                         request, values);
}

bool WriteWordPart(const WordPartTarget& target, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values) {
    if (target.report.ReportFailed || target.report.IsListed(request.partPath))
        return false;
    target.PartFileName = request.partPath;
    target.in_file_name = request.templateName;
    // An earlier file of the part's name must not pass for a copy of the template.
    sys::DeleteFile(target.PartFileName);
    if (!CopyTemplate(target.report, TemplatePath(request.templateName), request.partPath))
        return false;
    target.report.Record({request.partPath, -1, -1});
    target.in_file_name = target.PartFileName;
    if (!OpenWordDocument(target.words, request.showFailure))
        return false;
    try {
        FillBookmarks(target.words, values());
    } catch (const std::exception& error) {
        GiveUpReport(target, request.partPath, error.what());
        return false;
    }
    return true;
}
