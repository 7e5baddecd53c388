// Fuzz target: RTF bytes as a report document: parsed, its bookmarks listed, read and set, its
// text taken and the document written back.
#include <cstdint>
#include <string>

#include "platform/wordproc/document.h"
#include "platform/wordproc/errors.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        wordproc::Document document = wordproc::Document::Parse(fuzz::AsText(data, size));
        document.PlainText();
        for (const auto& bookmark : document.Bookmarks()) {
            document.BookmarkText(bookmark.name);
            document.SetBookmarkText(bookmark.name, "value \xC2\xB5g/m\xC2\xB3");
        }
        wordproc::Document::Parse(document.Serialize());
    } catch (const wordproc::WordError&) {
    }
    return 0;
}
