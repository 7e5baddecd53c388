// The macros built into the word processor, run by name on the open document.
#include "platform/wordproc/macros.h"

#include <strings.h>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/append.h"
#include "platform/wordproc/errors.h"
#include "platform/wordproc/tidy.h"

namespace wordproc {
namespace {

bool Named(std::string_view name, const char* macro) {
    return name.size() == std::char_traits<char>::length(macro) &&
           ::strncasecmp(name.data(), macro, name.size()) == 0;
}

Document ReadAssemblyDocument() {
    std::string path = std::string(kWorkFolder) + kAssemblyDocument;
    std::string native = sys::NativePath(path);
    if (!sys::FileExists(path)) {
        throw WordError("The document to append, " + native + ", does not exist.");
    }
    std::optional<std::string> bytes = sys::ReadWholeFile(path);
    if (!bytes)
        throw WordError("The document to append, " + native + ", cannot be read.");
    try {
        return Document::Parse(*bytes);
    } catch (const WordError& error) {
        throw WordError("The document to append, " + native + ", cannot be used: " + error.what() +
                        ".");
    }
}

void Finish(Document& document) {
    RemoveUnfilledRows(document);
    RemoveBookmarks(document);
}

}  // namespace

std::string PrepareWorkFolder() {
    std::string native = sys::NativePath(kWorkFolder);
    if (!sys::MakeFolder(kWorkFolder) || !sys::FolderExists(kWorkFolder)) {
        throw WordError("The work folder " + native + " cannot be created.");
    }
    return native;
}

bool IsBuiltInMacro(std::string_view name) {
    return Named(name, "appfile") || Named(name, "appfileend") || Named(name, "ridbar") ||
           Named(name, "x_xyz");
}

void RunBuiltInMacro(std::string_view name, Document& document) {
    if (Named(name, "appfile")) {
        AppendDocument(document, ReadAssemblyDocument(), AppendBreak::NewPage);
    } else if (Named(name, "appfileend")) {
        AppendDocument(document, ReadAssemblyDocument(), AppendBreak::None);
    } else if (Named(name, "ridbar") || Named(name, "x_xyz")) {
        Finish(document);
    } else {
        throw WordError("There is no macro named \"" + std::string(name) + "\".");
    }
}

}  // namespace wordproc
