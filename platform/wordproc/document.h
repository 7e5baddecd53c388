// An RTF document in memory: its tokens, its bookmarks and its text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wordproc/rtf_tokens.h"

namespace wordproc {

// Bookmark names are at most this long; a longer name names no bookmark.
constexpr std::size_t kMaxBookmarkName = 39;

// Where a bookmark's markers {\*\bkmkstart name} and {\*\bkmkend name} stand.
struct Bookmark {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::string name;
    std::size_t startOpen = kNone;
    std::size_t startClose = kNone;
    std::size_t endOpen = kNone;  // kNone when the document has no end marker for it
    std::size_t endClose = kNone;
};

// True when two bookmark names are the same without regard to case.
bool SameBookmarkName(std::string_view a, std::string_view b);

class Document {
  public:
    // Reads RTF bytes; throws WordError when they are not RTF or their groups do not balance.
    static Document Parse(std::string_view bytes);

    // The document as RTF bytes; an untouched document gives back the bytes it was read from.
    std::string Serialize() const;

    const Tokens& tokens() const { return tokens_; }
    // Replaces the tokens after an edit; throws WordError when they no longer balance.
    void SetTokens(Tokens tokens);

    // Every bookmark in the order of its start marker.
    std::vector<Bookmark> Bookmarks() const;
    // The first bookmark of that name, compared without regard to case.
    std::optional<Bookmark> FindBookmark(std::string_view name) const;
    bool HasBookmark(std::string_view name) const { return FindBookmark(name).has_value(); }

    // Replaces the bookmark's content by the text, which the bookmark then surrounds. The new
    // text takes the formatting of the old text's first character. False, and nothing changed,
    // when there is no such bookmark.
    bool SetBookmarkText(std::string_view name, std::string_view text);

    // The readable text inside the bookmark, or nullopt when there is no such bookmark.
    std::optional<std::string> BookmarkText(std::string_view name) const;

    // The readable body text of the whole document (UTF-8).
    std::string PlainText() const;

  private:
    Tokens tokens_;
};

}  // namespace wordproc
