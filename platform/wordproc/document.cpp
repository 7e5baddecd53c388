// An RTF document in memory: its tokens, its bookmarks and its text.
#include "platform/wordproc/document.h"

#include <strings.h>

#include <set>

#include "platform/sys/text.h"
#include "platform/wordproc/errors.h"
#include "platform/wordproc/rtf_text.h"

namespace wordproc {
namespace {

// The name written inside a bookmark marker group.
std::string MarkerName(const Tokens& tokens, std::size_t open, std::size_t close) {
    std::string name;
    for (std::size_t i = open + 1; i < close; ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::Text)
            name += token.raw;
        if (token.IsSymbol('\''))
            name += static_cast<char>(token.param);
    }
    return sys::Trim(name);
}

// Control words that stand for text or a break inside a paragraph's content.
bool IsContentWord(const Token& token) {
    static const std::set<std::string> words = {
        "par",     "line",    "tab",    "u",       "lquote",  "rquote",  "ldblquote", "rdblquote",
        "bullet",  "endash",  "emdash", "enspace", "emspace", "qmspace", "zwj",       "zwnj",
        "ltrmark", "rtlmark", "page",   "column",  "sect",    "chdate",  "chtime",    "chpgn"};
    return token.kind == TokenKind::ControlWord && words.count(token.word) > 0;
}

bool IsContentSymbol(const Token& token) {
    if (token.kind != TokenKind::ControlSymbol)
        return false;
    return std::string_view("'~_-{}\\").find(token.word[0]) != std::string_view::npos;
}

// Groups that are content as a whole: removing part of one would break it.
bool IsContentGroup(const Tokens& tokens, std::size_t open) {
    static const std::set<std::string> destinations = {
        "field", "pict", "object", "shp", "shppict", "nonshppict", "footnote", "chatn"};
    return destinations.count(GroupDestination(tokens, open)) > 0;
}

// Marks the content between first and last (exclusive) for removal and returns the index of
// the first content token, or last when there is none.
std::size_t MarkContent(const Tokens& tokens, const std::vector<std::size_t>& match,
                        std::size_t first, std::size_t last, std::vector<bool>& removed) {
    std::size_t firstContent = last;
    auto note = [&firstContent](std::size_t i) {
        if (i < firstContent)
            firstContent = i;
    };
    for (std::size_t i = first; i < last; ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::GroupOpen) {
            std::size_t close = match[i];
            if (close >= last)
                continue;  // reaches past the bookmark: look inside
            if (IsIgnorableGroup(tokens, i)) {
                i = close;
            } else if (IsContentGroup(tokens, i)) {
                for (std::size_t k = i; k <= close; ++k)
                    removed[k] = true;
                note(i);
                i = close;
            }
        } else if (token.kind == TokenKind::Text || IsContentWord(token) ||
                   IsContentSymbol(token)) {
            removed[i] = true;
            note(i);
        }
    }
    return firstContent;
}

}  // namespace

bool SameBookmarkName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    return ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

Document Document::Parse(std::string_view bytes) {
    Document document;
    document.SetTokens(Tokenize(bytes));
    return document;
}

void Document::SetTokens(Tokens tokens) {
    CheckGroups(tokens);
    std::size_t first = 0;
    while (first < tokens.size() && tokens[first].kind != TokenKind::GroupOpen)
        ++first;
    if (first + 1 >= tokens.size() || !tokens[first + 1].IsWord("rtf")) {
        throw WordError("it is not an RTF document");
    }
    tokens_ = std::move(tokens);
}

std::string Document::Serialize() const {
    return JoinTokens(tokens_);
}

std::vector<Bookmark> Document::Bookmarks() const {
    std::vector<std::size_t> match = MatchGroups(tokens_);
    std::vector<Bookmark> marks;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        if (tokens_[i].kind != TokenKind::GroupOpen || !IsIgnorableGroup(tokens_, i))
            continue;
        std::string kind = GroupDestination(tokens_, i);
        if (kind != "bkmkstart" && kind != "bkmkend")
            continue;
        std::size_t close = match[i];
        std::string name = MarkerName(tokens_, i + 2, close);
        if (kind == "bkmkstart") {
            marks.push_back({name, i, close, Bookmark::kNone, Bookmark::kNone});
            continue;
        }
        for (Bookmark& mark : marks) {
            if (mark.endOpen == Bookmark::kNone && SameBookmarkName(mark.name, name)) {
                mark.endOpen = i;
                mark.endClose = close;
                break;
            }
        }
    }
    return marks;
}

std::optional<Bookmark> Document::FindBookmark(std::string_view name) const {
    if (name.empty() || name.size() > kMaxBookmarkName)
        return std::nullopt;
    for (Bookmark& mark : Bookmarks()) {
        if (SameBookmarkName(mark.name, name))
            return mark;
    }
    return std::nullopt;
}

bool Document::SetBookmarkText(std::string_view name, std::string_view text) {
    std::optional<Bookmark> mark = FindBookmark(name);
    if (!mark)
        return false;
    std::size_t first = mark->startClose + 1;
    std::size_t last =
        mark->endOpen == Bookmark::kNone || mark->endOpen < first ? first : mark->endOpen;
    std::vector<bool> removed(tokens_.size(), false);
    std::size_t insertAt = MarkContent(tokens_, MatchGroups(tokens_), first, last, removed);
    if (insertAt == last)
        insertAt = first;
    Tokens inserted = Tokenize(EscapeText(text));
    Tokens result;
    result.reserve(tokens_.size() + inserted.size());
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        if (i == insertAt)
            result.insert(result.end(), inserted.begin(), inserted.end());
        if (!removed[i])
            result.push_back(tokens_[i]);
    }
    SetTokens(std::move(result));
    return true;
}

std::optional<std::string> Document::BookmarkText(std::string_view name) const {
    std::optional<Bookmark> mark = FindBookmark(name);
    if (!mark)
        return std::nullopt;
    if (mark->endOpen == Bookmark::kNone || mark->endOpen < mark->startClose)
        return std::string();
    return TextBetween(ExtractText(tokens_), mark->startClose + 1, mark->endOpen);
}

std::string Document::PlainText() const {
    return TextBetween(ExtractText(tokens_), 0, tokens_.size());
}

}  // namespace wordproc
