// Tidy-ups that finish a filled document: unfilled template rows and bookmark markers go.
#include "platform/wordproc/tidy.h"

#include <vector>

#include "platform/sys/text.h"
#include "platform/wordproc/rtf_text.h"

namespace wordproc {
namespace {

struct Span {
    std::size_t first = 0;
    std::size_t last = 0;  // inclusive
};

// True when the tokens of the span open and close their own groups only.
bool Balanced(const Tokens& tokens, const Span& span) {
    long depth = 0;
    for (std::size_t i = span.first; i <= span.last; ++i) {
        if (tokens[i].kind == TokenKind::GroupOpen)
            ++depth;
        if (tokens[i].kind == TokenKind::GroupClose && --depth < 0)
            return false;
    }
    return depth == 0;
}

// Table rows: each from its first \trowd or \pard after what came before (a paragraph
// outside a table, or the previous row) to its \row, together with the group that closes
// right after \row when the row's properties were written in a group of their own.
class RowFinder {
  public:
    explicit RowFinder(const Tokens& tokens) : tokens_(tokens), match_(MatchGroups(tokens)) {}

    std::vector<Span> Run() {
        std::vector<bool> stack;
        bool inTable = false;
        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            const Token& token = tokens_[i];
            if (token.kind == TokenKind::GroupOpen) {
                if (IsIgnorableGroup(tokens_, i) && !IsBookmarkGroup(i)) {
                    i = match_[i] < tokens_.size() ? match_[i] : i;
                    continue;
                }
                stack.push_back(inTable);
            } else if (token.kind == TokenKind::GroupClose) {
                if (!stack.empty()) {
                    inTable = stack.back();
                    stack.pop_back();
                }
            } else if (token.IsWord("pard") || token.IsWord("trowd")) {
                if (token.IsWord("pard"))
                    inTable = false;
                if (start_ == kNone)
                    start_ = i;
            } else if (token.IsWord("intbl")) {
                inTable = !token.hasParam || token.param != 0;
            } else if ((token.IsWord("par") && !inTable) || token.IsWord("sect")) {
                start_ = kNone;
            } else if (token.IsWord("row")) {
                EndRow(i);
            }
        }
        return rows_;
    }

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    bool IsBookmarkGroup(std::size_t open) const {
        std::string destination = GroupDestination(tokens_, open);
        return destination == "bkmkstart" || destination == "bkmkend";
    }

    void EndRow(std::size_t i) {
        std::size_t last = i;
        std::size_t next = i + 1;
        while (next < tokens_.size() && tokens_[next].kind == TokenKind::Text &&
               sys::Trim(tokens_[next].raw).empty()) {
            ++next;
        }
        if (start_ != kNone && next < tokens_.size() &&
            tokens_[next].kind == TokenKind::GroupClose && match_[next] > start_ &&
            match_[next] < tokens_.size()) {
            last = next;
        }
        if (start_ != kNone)
            rows_.push_back({start_, last});
        start_ = kNone;
    }

    const Tokens& tokens_;
    std::vector<std::size_t> match_;
    std::vector<Span> rows_;
    std::size_t start_ = kNone;
};

bool Unfilled(const Tokens& tokens, const std::vector<TextPiece>& text,
              const std::vector<std::size_t>& bookmarkStarts, const Span& row) {
    if (!sys::Trim(TextBetween(text, row.first, row.last + 1)).empty())
        return false;
    for (std::size_t start : bookmarkStarts) {
        if (start >= row.first && start <= row.last)
            return true;
    }
    return false;
}

Tokens WithoutSpans(const Tokens& tokens, const std::vector<Span>& spans) {
    std::vector<bool> removed(tokens.size(), false);
    for (const Span& span : spans) {
        for (std::size_t i = span.first; i <= span.last; ++i)
            removed[i] = true;
    }
    Tokens result;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!removed[i])
            result.push_back(tokens[i]);
    }
    return result;
}

}  // namespace

std::size_t RemoveUnfilledRows(Document& document) {
    const Tokens& tokens = document.tokens();
    std::vector<TextPiece> text = ExtractText(tokens);
    std::vector<std::size_t> starts;
    for (const Bookmark& mark : document.Bookmarks())
        starts.push_back(mark.startOpen);
    std::vector<Span> unfilled;
    for (const Span& row : RowFinder(tokens).Run()) {
        if (Balanced(tokens, row) && Unfilled(tokens, text, starts, row))
            unfilled.push_back(row);
    }
    if (!unfilled.empty())
        document.SetTokens(WithoutSpans(tokens, unfilled));
    return unfilled.size();
}

std::size_t RemoveBookmarks(Document& document) {
    std::vector<Span> markers;
    for (const Bookmark& mark : document.Bookmarks()) {
        markers.push_back({mark.startOpen, mark.startClose});
        if (mark.endOpen != Bookmark::kNone)
            markers.push_back({mark.endOpen, mark.endClose});
    }
    // End markers without a start marker of their name go too.
    const Tokens& tokens = document.tokens();
    std::vector<std::size_t> match = MatchGroups(tokens);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::GroupOpen || !IsIgnorableGroup(tokens, i))
            continue;
        if (GroupDestination(tokens, i) != "bkmkend")
            continue;
        bool known = false;
        for (const Span& span : markers)
            known = known || span.first == i;
        if (!known)
            markers.push_back({i, match[i]});
    }
    if (!markers.empty())
        document.SetTokens(WithoutSpans(tokens, markers));
    return markers.size();
}

}  // namespace wordproc
