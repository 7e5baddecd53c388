// Word document access for the report writers, and the test whether Word documents can be made.
#include "documents/word_access.h"

#include <stdexcept>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/wordproc/document.h"
#include "platform/wordproc/macros.h"

std::string WordWorkFolder() {
    sys::MakeFolder(wordproc::kWorkFolder);
    return wordproc::kWorkFolder;
}

std::string ZodirezozPath() {
    return WordWorkFolder() + wordproc::kAssemblyDocument;
}

bool OpenWordDocument(WordCarrier& form, bool show) {
    std::string path = form.DocumentToOpen();
    if (path.empty())
        throw std::logic_error(form.DocumentToOpenCheck());
    form.OpenFileName = path;
    try {
        form.WordApplication1.Connect();
        form.WordApplication1.OpenDocument(form.OpenFileName);
        form.WordDocument1.ConnectTo(form.WordApplication1, form.WordApplication1.ActiveDocument());
        return true;
    } catch (const std::exception&) {
        if (show) {
            forms::Ui().MessageBox("Unable to access Word file.", "Error", forms::Buttons::Ok,
                                   forms::Icon::Error);
        }
        return false;
    }
}

void SetBookmarkText(WordCarrier& form, const std::string& text, const std::string& bookmark) {
    if (bookmark.size() > wordproc::kMaxBookmarkName)
        return;
    if (!form.WordDocument1.BookmarkExists(bookmark))
        return;
    form.WordDocument1.Activate();
    form.WordApplication1.GoToBookmark(bookmark);
    form.WordApplication1.SetSelectionText(text);
}

void RunWordMacro(WordCarrier& form, const std::string& name) {
    if (form.WordDocument1.Connected())
        form.WordDocument1.Activate();
    form.WordApplication1.RunMacro(name);
}

void CloseWordDocument(WordCarrier& form) {
    if (!form.WordDocument1.Connected())
        return;
    struct Unbind {
        TWordDocument& document;
        ~Unbind() { document.Disconnect(); }
    } unbind{form.WordDocument1};
    form.WordDocument1.Close(true);
}

int TestWordAvailable(WordFileCarrier& form) {
    form.PartFileName = sys::WorkingFolder() + "\\tstombrix.doc";
    form.in_file_name = form.PartFileName;
    if (!OpenWordDocument(form, false))
        return 2;
    int answer = 1;
    try {
        SetBookmarkText(form, "it worked", "Test");
    } catch (const std::exception&) {
        answer = 2;
    }
    try {
        CloseWordDocument(form);
    } catch (const std::exception&) {
        answer = 2;  // a test document that cannot be saved means documents cannot be made
    }
    return answer;
}
