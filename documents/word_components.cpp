// The Word components a form carries: the application and the document bound to it.
#include "documents/word_components.h"

#include "platform/wordproc/errors.h"

void TWordApplication::Connect() {
    wordproc::Processor& shared = wordproc::Processor::Shared();
    shared.Start();
    processor_ = &shared;
}

wordproc::Processor& TWordApplication::Processor() const {
    if (!processor_)
        throw wordproc::WordError("The word processor is not connected.");
    return *processor_;
}

wordproc::DocumentId TWordApplication::OpenDocument(const std::string& fileName) {
    return Processor().Open(fileName);
}

wordproc::DocumentId TWordApplication::ActiveDocument() const {
    return Processor().ActiveDocument();
}

void TWordApplication::CloseAllDocuments() {
    Processor().CloseAll(true);
}

void TWordApplication::GoToBookmark(const std::string& name) {
    Processor().GoToBookmark(name);
}

void TWordApplication::SetSelectionText(const std::string& text) {
    Processor().SetSelectionText(text);
}

void TWordApplication::RunMacro(const std::string& name) {
    Processor().RunMacro(name);
}

void TWordDocument::ConnectTo(TWordApplication& application, wordproc::DocumentId id) {
    wordproc::Processor& processor = application.Processor();
    processor.Get(id);  // throws when there is no such document
    processor_ = &processor;
    id_ = id;
}

void TWordDocument::Disconnect() {
    processor_ = nullptr;
    id_ = 0;
}

const wordproc::Processor& TWordDocument::Bound() const {
    if (!Connected())
        throw wordproc::WordError("No document is bound.");
    return *processor_;
}

bool TWordDocument::BookmarkExists(const std::string& name) const {
    return Bound().BookmarkExists(id_, name);
}

void TWordDocument::Activate() {
    Bound();
    processor_->Activate(id_);
}

void TWordDocument::Close(bool saveChanges) {
    Bound();
    processor_->Close(id_, saveChanges);
}
