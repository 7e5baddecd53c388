// The word processor the reports are written with: open documents, a selection, macros, save.
#include "platform/wordproc/processor.h"

#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/errors.h"
#include "platform/wordproc/macros.h"

namespace wordproc {
namespace {

bool InWorkFolder(const std::string& canonicalPath) {
    const std::string folder = sys::CanonicalPath(kWorkFolder) + "/";
    return canonicalPath.compare(0, folder.size(), folder) == 0;
}

}  // namespace

Processor& Processor::Shared() {
    static Processor processor;
    return processor;
}

void Processor::Start() {
    // The work folder is made again should it have gone while the processor ran.
    PrepareWorkFolder();
    running_ = true;
}

void Processor::Quit() {
    documents_.clear();
    active_ = 0;
    selectionDocument_ = 0;
    selectionBookmark_.clear();
    running_ = false;
}

void Processor::RequireRunning() const {
    if (!running_)
        throw WordError("The word processor is not running.");
}

DocumentId Processor::Open(const std::string& path) {
    RequireRunning();
    std::string native = sys::NativePath(path);
    if (path.empty() || !sys::FileExists(path)) {
        throw WordError("The document " + native + " does not exist.");
    }
    std::string canonical = sys::CanonicalPath(path);
    for (const auto& [id, entry] : documents_) {
        if (entry.canonical == canonical)
            return active_ = id;
    }
    std::optional<std::string> bytes =
        sys::FolderExists(path) ? std::nullopt : sys::ReadWholeFile(path);
    if (!bytes)
        throw WordError("The document " + native + " cannot be read.");
    OpenDocument entry;
    try {
        entry.document = Document::Parse(*bytes);
    } catch (const WordError& error) {
        throw WordError("The document " + native + " cannot be opened: " + error.what() + ".");
    }
    entry.path = path;
    entry.canonical = canonical;
    DocumentId id = nextId_++;
    documents_.emplace(id, std::move(entry));
    return active_ = id;
}

Processor::OpenDocument& Processor::Entry(DocumentId id) {
    auto found = documents_.find(id);
    if (found == documents_.end())
        throw WordError("The document is not open.");
    return found->second;
}

const Processor::OpenDocument& Processor::Entry(DocumentId id) const {
    auto found = documents_.find(id);
    if (found == documents_.end())
        throw WordError("The document is not open.");
    return found->second;
}

void Processor::Activate(DocumentId id) {
    Entry(id);
    active_ = id;
}

const Document& Processor::Get(DocumentId id) const {
    return Entry(id).document;
}

std::string Processor::PathOf(DocumentId id) const {
    return Entry(id).path;
}

bool Processor::BookmarkExists(DocumentId id, std::string_view name) const {
    return Entry(id).document.HasBookmark(name);
}

void Processor::GoToBookmark(std::string_view name) {
    RequireRunning();
    const OpenDocument& entry = Entry(active_);
    if (!entry.document.HasBookmark(name)) {
        throw WordError("The document has no bookmark named \"" + std::string(name) + "\".");
    }
    selectionDocument_ = active_;
    selectionBookmark_ = std::string(name);
}

void Processor::SetSelectionText(std::string_view text) {
    RequireRunning();
    if (selectionDocument_ == 0 || !IsOpen(selectionDocument_)) {
        throw WordError("Nothing is selected.");
    }
    OpenDocument& entry = Entry(selectionDocument_);
    if (!entry.document.SetBookmarkText(selectionBookmark_, text)) {
        throw WordError("The selected bookmark \"" + selectionBookmark_ + "\" is gone.");
    }
    entry.changed = true;
}

void Processor::RunMacro(std::string_view name) {
    RequireRunning();
    if (!IsBuiltInMacro(name)) {
        throw WordError("There is no macro named \"" + std::string(name) + "\".");
    }
    OpenDocument& entry = Entry(active_);
    Document edited = entry.document;  // a failing macro leaves the document as it was
    RunBuiltInMacro(name, edited);
    entry.document = std::move(edited);
    entry.changed = true;
}

void Processor::Close(DocumentId id, bool saveChanges) {
    OpenDocument entry = std::move(Entry(id));
    documents_.erase(id);
    if (selectionDocument_ == id)
        selectionDocument_ = 0;
    if (active_ == id)
        active_ = documents_.empty() ? 0 : documents_.rbegin()->first;
    if (!saveChanges || !entry.changed)
        return;
    // The work folder holds the parts and the assembly document of a report being made: they
    // are not flushed to the disk, the finished report in its own folder is.
    const bool saved = InWorkFolder(entry.canonical)
                           ? sys::WriteScratchFile(entry.path, entry.document.Serialize())
                           : sys::WriteWholeFile(entry.path, entry.document.Serialize());
    if (!saved) {
        throw WordError("The document " + sys::NativePath(entry.path) + " cannot be saved.");
    }
}

void Processor::CloseAll(bool saveChanges) {
    std::vector<DocumentId> ids;
    for (const auto& [id, entry] : documents_)
        ids.push_back(id);
    std::string failure;
    for (DocumentId id : ids) {
        try {
            Close(id, saveChanges);
        } catch (const WordError& error) {
            if (failure.empty())
                failure = error.what();
        }
    }
    if (!failure.empty())
        throw WordError(failure);
}

}  // namespace wordproc
