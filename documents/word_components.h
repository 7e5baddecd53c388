// The Word components a form carries: the application and the document bound to it.
#pragma once

#include <string>

#include "platform/wordproc/processor.h"

// The application component. Connecting attaches to the running word processor or starts it.
class TWordApplication {
  public:
    // Throws wordproc::WordError when the word processor cannot work.
    void Connect();
    void Disconnect() { processor_ = nullptr; }
    bool Connected() const { return processor_ != nullptr; }

    // The word processor; throws wordproc::WordError when not connected.
    wordproc::Processor& Processor() const;

    // The document collection's open; the opened document becomes the active one.
    wordproc::DocumentId OpenDocument(const std::string& fileName);
    wordproc::DocumentId ActiveDocument() const;
    // The document collection's close with every argument omitted: changed documents are saved.
    void CloseAllDocuments();

    // The selection: go to a bookmark of the active document, then set the selected text.
    void GoToBookmark(const std::string& name);
    void SetSelectionText(const std::string& text);

    // Runs a macro by name on the active document.
    void RunMacro(const std::string& name);

  private:
    wordproc::Processor* processor_ = nullptr;
};

// The document component, bound to one open document at a time.
class TWordDocument {
  public:
    void ConnectTo(TWordApplication& application, wordproc::DocumentId id);
    void Disconnect();
    bool Connected() const { return processor_ != nullptr && id_ != 0; }
    wordproc::DocumentId Id() const { return id_; }

    // The bookmark collection's exists; throws wordproc::WordError when not bound.
    bool BookmarkExists(const std::string& name) const;
    // Makes the bound document the active one.
    void Activate();
    // Closes the bound document, saving it first when asked.
    void Close(bool saveChanges);

  private:
    const wordproc::Processor& Bound() const;

    wordproc::Processor* processor_ = nullptr;
    wordproc::DocumentId id_ = 0;
};
