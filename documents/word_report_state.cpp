// The frame of the Word-format part writers.
#include "documents/word_report_state.h"

#include "platform/sys/files.h"
#include "scenario/text_helpers.h"

std::string WordPartPath(const std::string& fileName) {
    return WordWorkFolder() + fileName;
}

namespace {

void FillBookmarks(WordReportForm& form, const BookmarkValues& values) {
    try {
        for (const auto& [bookmark, text] : values)
            SetBookmarkText(form, text, bookmark);
    } catch (...) {
        // A half-filled part is not saved: the part stays the copy of its template.
        if (form.WordDocument1.Connected()) {
            form.WordDocument1.Close(false);
            form.WordDocument1.Disconnect();
        }
        throw;
    }
}

}  // namespace

bool WriteWordPart(WordReportForm& form, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values) {
    if (form.Report.IsListed(request.partPath))
        return false;
    form.Report.Record({request.partPath, -1, -1});
    form.PartFileName = request.partPath;
    form.in_file_name = request.templateName;
    // An earlier file of the part's name must not pass for a copy of the template.
    sys::DeleteFile(form.PartFileName);
    CopyFileBytes(TemplatePath(request.templateName), form.PartFileName);
    form.in_file_name = form.PartFileName;
    if (!OpenWordDocument(form, request.showFailure))
        return false;
    FillBookmarks(form, values());
    CloseWordDocument(form);
    return true;
}
