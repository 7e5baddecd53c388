// The frame of the Word-format part writers.
#include "documents/word_report_state.h"

#include "platform/sys/files.h"
#include "scenario/text_helpers.h"

std::string WordPartPath(const std::string& fileName) {
    return WordWorkFolder() + fileName;
}

namespace {

void FillBookmarks(WordCarrier& form, const BookmarkValues& values) {
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
    return WriteWordPart(WordPartTarget{form, form.Report, form.in_file_name, form.PartFileName},
                         request, values);
}

bool WriteWordPart(const WordPartTarget& target, const WordPartRequest& request,
                   const std::function<BookmarkValues()>& values) {
    if (target.report.IsListed(request.partPath))
        return false;
    target.report.Record({request.partPath, -1, -1});
    target.PartFileName = request.partPath;
    target.in_file_name = request.templateName;
    // An earlier file of the part's name must not pass for a copy of the template.
    sys::DeleteFile(target.PartFileName);
    CopyFileBytes(TemplatePath(request.templateName), target.PartFileName);
    target.in_file_name = target.PartFileName;
    if (!OpenWordDocument(target.words, request.showFailure))
        return false;
    FillBookmarks(target.words, values());
    CloseWordDocument(target.words);
    return true;
}
