// The readable text of RTF tokens, and plain text made safe to put into a document.
#include "platform/wordproc/rtf_text.h"

#include <set>

#include "platform/sys/text.h"

namespace wordproc {
namespace {

std::string Utf8Of(char32_t c) {
    std::string out;
    sys::AppendUtf8(out, c);
    return out;
}

// Destinations whose content is not body text.
const std::set<std::string>& SkippedDestinations() {
    static const std::set<std::string> names = {"fonttbl",
                                                "colortbl",
                                                "stylesheet",
                                                "info",
                                                "pict",
                                                "listtable",
                                                "listoverridetable",
                                                "revtbl",
                                                "rsidtbl",
                                                "generator",
                                                "filetbl",
                                                "xmlnstbl",
                                                "themedata",
                                                "colorschememapping",
                                                "datastore",
                                                "latentstyles",
                                                "objdata",
                                                "fldinst",
                                                "header",
                                                "headerl",
                                                "headerr",
                                                "headerf",
                                                "footer",
                                                "footerl",
                                                "footerr",
                                                "footerf",
                                                "footnote",
                                                "annotation",
                                                "atnid",
                                                "atnauthor",
                                                "xe",
                                                "tc",
                                                "nonshppict",
                                                "shpinst",
                                                "template",
                                                "userprops"};
    return names;
}

std::string WordText(const Token& token) {
    static const struct {
        const char* word;
        const char* text;
    } kWords[] = {
        {"par", "\n"},         {"sect", "\n"},          {"page", "\n"},
        {"line", "\n"},        {"row", "\n"},           {"cell", "\t"},
        {"nestcell", "\t"},    {"tab", "\t"},           {"lquote", "\u2018"},
        {"rquote", "\u2019"},  {"ldblquote", "\u201C"}, {"rdblquote", "\u201D"},
        {"bullet", "\u2022"},  {"endash", "\u2013"},    {"emdash", "\u2014"},
        {"enspace", "\u2002"}, {"emspace", "\u2003"},
    };
    for (const auto& entry : kWords) {
        if (token.word == entry.word)
            return entry.text;
    }
    return {};
}

std::string SymbolText(const Token& token) {
    switch (token.word[0]) {
        case '\\':
        case '{':
        case '}':
            return token.word;
        case '~':
            return "\u00A0";
        case '_':
            return "\u2011";
        default:
            return {};
    }
}

struct GroupState {
    long uc = 1;
};

class TextWalker {
  public:
    explicit TextWalker(const Tokens& tokens) : tokens_(tokens), match_(MatchGroups(tokens)) {}

    std::vector<TextPiece> Run() {
        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            i = Step(i);
        }
        return std::move(pieces_);
    }

  private:
    // Handles the token at i and returns the index of the last token it consumed.
    std::size_t Step(std::size_t i) {
        const Token& token = tokens_[i];
        switch (token.kind) {
            case TokenKind::GroupOpen:
                skip_ = 0;
                if (Skipped(i) && match_[i] < tokens_.size())
                    return match_[i];
                stack_.push_back(state_);
                break;
            case TokenKind::GroupClose:
                skip_ = 0;
                if (!stack_.empty()) {
                    state_ = stack_.back();
                    stack_.pop_back();
                }
                break;
            case TokenKind::Text:
                PlainText(i, token.raw);
                break;
            case TokenKind::ControlSymbol:
                if (Consumed())
                    break;
                if (token.word == "'") {
                    Emit(i, sys::Cp1252ToUtf8(std::string(1, static_cast<char>(token.param))));
                } else {
                    Emit(i, SymbolText(token));
                }
                break;
            case TokenKind::ControlWord:
                Word(i, token);
                break;
            case TokenKind::Binary:
                break;
        }
        return i;
    }

    bool Skipped(std::size_t open) const {
        if (IsIgnorableGroup(tokens_, open))
            return true;
        return SkippedDestinations().count(GroupDestination(tokens_, open)) > 0;
    }

    // Counts a token against the fallback characters that follow a Unicode escape.
    bool Consumed() {
        if (skip_ <= 0)
            return false;
        --skip_;
        return true;
    }

    void PlainText(std::size_t i, const std::string& raw) {
        std::string bytes;
        for (char c : raw) {
            if (c == '\r' || c == '\n' || c == '\0')
                continue;
            if (skip_ > 0) {
                --skip_;
                continue;
            }
            bytes += c;
        }
        if (!bytes.empty())
            Emit(i, sys::Cp1252ToUtf8(bytes));
    }

    void Word(std::size_t i, const Token& token) {
        if (token.word == "uc") {
            state_.uc = token.hasParam && token.param >= 0 ? token.param : 1;
            return;
        }
        if (Consumed())
            return;
        if (token.word == "u" && token.hasParam) {
            Unicode(i, token.param);
            skip_ = state_.uc;
            return;
        }
        Emit(i, WordText(token));
    }

    void Unicode(std::size_t i, long param) {
        char32_t c = static_cast<char32_t>(param < 0 ? param + 65536 : param) & 0xFFFF;
        if (c >= 0xD800 && c < 0xDC00) {
            highSurrogate_ = c;
            return;
        }
        if (c >= 0xDC00 && c < 0xE000 && highSurrogate_) {
            c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
        }
        highSurrogate_ = 0;
        Emit(i, Utf8Of(c));
    }

    void Emit(std::size_t i, std::string text) {
        if (text.empty())
            return;
        pieces_.push_back({i, std::move(text)});
    }

    const Tokens& tokens_;
    std::vector<std::size_t> match_;
    std::vector<TextPiece> pieces_;
    std::vector<GroupState> stack_;
    GroupState state_;
    long skip_ = 0;
    char32_t highSurrogate_ = 0;
};

// Decodes valid UTF-8 at i into c; returns the bytes used, or 0 when it is not valid UTF-8.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& c) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
        c = b;
        return 1;
    }
    std::size_t length = b >= 0xF0 && b < 0xF5   ? 4
                         : b >= 0xE0 && b < 0xF0 ? 3
                         : b >= 0xC2 && b < 0xE0 ? 2
                                                 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    char32_t value = b & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || (value >= 0xD800 && value < 0xE000) || value > 0x10FFFF)
        return 0;
    c = value;
    return length;
}

// One character of the input: UTF-8 where it is valid, else one Windows-1252 byte.
std::size_t DecodeChar(std::string_view text, std::size_t i, char32_t& c) {
    if (std::size_t used = DecodeUtf8(text, i, c))
        return used;
    std::string utf8 = sys::Cp1252ToUtf8(text.substr(i, 1));
    if (DecodeUtf8(utf8, 0, c) == 0)
        c = 0xFFFD;
    return 1;
}

void AppendUnicodeEscape(std::string& out, char32_t c) {
    auto one = [&out](unsigned unit) {
        long signedUnit = unit > 0x7FFF ? static_cast<long>(unit) - 65536 : static_cast<long>(unit);
        out += sys::Format("\\u%ld?", signedUnit);
    };
    out += "{\\uc1 ";
    if (c > 0xFFFF) {
        c -= 0x10000;
        one(0xD800 + static_cast<unsigned>(c >> 10));
        one(0xDC00 + static_cast<unsigned>(c & 0x3FF));
    } else {
        one(static_cast<unsigned>(c));
    }
    out += "}";
}

void AppendEscapedChar(std::string& out, char32_t c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (c == '\v') {
        out += "\\line ";
    } else if (c < 0x20) {
        // Other control characters have no place in a document's text.
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        std::string ansi = sys::Utf8ToCp1252(Utf8Of(c));
        if (ansi.size() == 1 && ansi[0] != '?') {
            out += sys::Format("\\'%02x", static_cast<unsigned char>(ansi[0]));
        } else {
            AppendUnicodeEscape(out, c);
        }
    }
}

}  // namespace

std::vector<TextPiece> ExtractText(const Tokens& tokens) {
    return TextWalker(tokens).Run();
}

std::string TextBetween(const std::vector<TextPiece>& pieces, std::size_t first, std::size_t last) {
    std::string out;
    for (const TextPiece& piece : pieces) {
        if (piece.token >= first && piece.token < last)
            out += piece.text;
    }
    return out;
}

std::string EscapeText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            bool pair = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            i += pair ? 2 : 1;
            out += "\\par ";
            continue;
        }
        char32_t c = 0;
        i += DecodeChar(text, i, c);
        AppendEscapedChar(out, c);
    }
    return out;
}

}  // namespace wordproc
