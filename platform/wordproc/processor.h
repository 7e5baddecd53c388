// The word processor the reports are written with: open documents, a selection, macros, save.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/wordproc/document.h"

namespace wordproc {

// Documents are named by a number that stays valid until they are closed; 0 names none.
using DocumentId = int;

class Processor {
  public:
    // The one processor of the program; connecting attaches to it and starts it when needed.
    static Processor& Shared();

    // Starts the processor, or checks the running one. It works in the fixed work folder, which
    // is created when missing; throws WordError when the processor cannot work.
    void Start();
    bool Running() const { return running_; }
    // Closes every document without saving and stops.
    void Quit();

    // Opens a document file, whatever its name ends with: the content must be RTF. The document
    // becomes the active one; a document already open under that path is made active again.
    // Throws WordError when the file is missing, unreadable, not RTF or damaged.
    DocumentId Open(const std::string& path);
    DocumentId ActiveDocument() const { return active_; }
    // Makes an open document the active one; throws WordError when it is not open.
    void Activate(DocumentId id);
    bool IsOpen(DocumentId id) const { return documents_.count(id) > 0; }
    std::size_t OpenCount() const { return documents_.size(); }
    // The open document; throws WordError when it is not open.
    const Document& Get(DocumentId id) const;
    std::string PathOf(DocumentId id) const;

    // Whether the document has a bookmark of that name (compared without regard to case).
    bool BookmarkExists(DocumentId id, std::string_view name) const;
    // Selects the bookmark of the active document; throws WordError when there is none.
    void GoToBookmark(std::string_view name);
    // Replaces the selected bookmark's content; the bookmark then surrounds the new text.
    void SetSelectionText(std::string_view text);
    // Runs a built-in macro on the active document; throws WordError for an unknown name or
    // when the macro fails.
    void RunMacro(std::string_view name);

    // Closes a document, saving it first when asked and changed: under the name it was opened
    // with, in RTF, through a temporary file, so a failed save leaves the file as it was. The
    // document is closed even when the save fails; the failure is then thrown as WordError.
    void Close(DocumentId id, bool saveChanges);
    void CloseAll(bool saveChanges);

  private:
    struct OpenDocument {
        std::string path;       // as given to Open
        std::string canonical;  // to recognise a second open of the same file
        Document document;
        bool changed = false;
    };

    OpenDocument& Entry(DocumentId id);
    const OpenDocument& Entry(DocumentId id) const;
    void RequireRunning() const;

    bool running_ = false;
    DocumentId nextId_ = 1;
    DocumentId active_ = 0;
    std::map<DocumentId, OpenDocument> documents_;
    DocumentId selectionDocument_ = 0;
    std::string selectionBookmark_;
};

}  // namespace wordproc
