// RTF source split into tokens that keep their exact bytes.
#include "platform/wordproc/rtf_tokens.h"

#include <cctype>
#include <cstdlib>

#include "platform/wordproc/errors.h"

namespace wordproc {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Control word names and parameters are limited so that a damaged file cannot make one huge
// token or overflow the parameter.
constexpr std::size_t kMaxWordLength = 32;
constexpr std::size_t kMaxParamDigits = 10;

class Tokenizer {
  public:
    explicit Tokenizer(std::string_view source) : src_(source) {}

    Tokens Run() {
        while (pos_ < src_.size()) {
            char c = src_[pos_];
            if (c == '{') {
                Push(TokenKind::GroupOpen, 1);
            } else if (c == '}') {
                Push(TokenKind::GroupClose, 1);
            } else if (c == '\\') {
                Escape();
            } else {
                PlainText();
            }
        }
        return std::move(tokens_);
    }

  private:
    void Push(TokenKind kind, std::size_t length) {
        Token token;
        token.kind = kind;
        token.raw = std::string(src_.substr(pos_, length));
        tokens_.push_back(std::move(token));
        pos_ += length;
    }

    void PlainText() {
        std::size_t end = pos_;
        while (end < src_.size() && src_[end] != '{' && src_[end] != '}' && src_[end] != '\\') {
            ++end;
        }
        Push(TokenKind::Text, end - pos_);
    }

    void Escape() {
        if (pos_ + 1 >= src_.size())
            throw WordError("a backslash ends the document");
        char next = src_[pos_ + 1];
        if (IsLetter(next)) {
            Word();
        } else if (next == '\'') {
            Hex();
        } else {
            Token token;
            token.kind = TokenKind::ControlSymbol;
            token.raw = std::string(src_.substr(pos_, 2));
            token.word = std::string(1, next);
            tokens_.push_back(std::move(token));
            pos_ += 2;
        }
    }

    void Hex() {
        if (pos_ + 4 > src_.size()) {
            throw WordError("a \\' escape is cut off at the end of the document");
        }
        int high = HexValue(src_[pos_ + 2]);
        int low = HexValue(src_[pos_ + 3]);
        if (high < 0 || low < 0) {
            throw WordError("a \\' escape is not followed by two hexadecimal digits");
        }
        Token token;
        token.kind = TokenKind::ControlSymbol;
        token.raw = std::string(src_.substr(pos_, 4));
        token.word = "'";
        token.hasParam = true;
        token.param = high * 16 + low;
        tokens_.push_back(std::move(token));
        pos_ += 4;
    }

    void Word() {
        std::size_t start = pos_;
        std::size_t end = pos_ + 1;
        while (end < src_.size() && IsLetter(src_[end]))
            ++end;
        if (end - start - 1 > kMaxWordLength)
            throw WordError("a control word is too long");
        Token token;
        token.kind = TokenKind::ControlWord;
        token.word = std::string(src_.substr(start + 1, end - start - 1));
        std::size_t digits = end;
        if (digits < src_.size() && src_[digits] == '-' && digits + 1 < src_.size() &&
            IsDigit(src_[digits + 1])) {
            ++digits;
        }
        std::size_t paramEnd = digits;
        while (paramEnd < src_.size() && IsDigit(src_[paramEnd]))
            ++paramEnd;
        if (paramEnd > digits) {
            if (paramEnd - digits > kMaxParamDigits)
                throw WordError("a control word's number is too long");
            token.hasParam = true;
            token.param =
                std::strtol(std::string(src_.substr(end, paramEnd - end)).c_str(), nullptr, 10);
            end = paramEnd;
        }
        if (end < src_.size() && src_[end] == ' ')
            ++end;
        token.raw = std::string(src_.substr(start, end - start));
        pos_ = end;
        bool binary = token.word == "bin" && token.hasParam;
        long length = token.param;
        tokens_.push_back(std::move(token));
        if (binary)
            Binary(length);
    }

    void Binary(long length) {
        if (length < 0 || static_cast<std::size_t>(length) > src_.size() - pos_) {
            throw WordError("binary data runs past the end of the document");
        }
        Push(TokenKind::Binary, static_cast<std::size_t>(length));
    }

    std::string_view src_;
    std::size_t pos_ = 0;
    Tokens tokens_;
};

bool IsBlankText(const Token& token) {
    if (token.kind != TokenKind::Text)
        return false;
    for (char c : token.raw) {
        if (c != ' ' && c != '\r' && c != '\n' && c != '\t' && c != '\0')
            return false;
    }
    return true;
}

// Whether the next token's text would run into a control word written without its blank:
// letters and a signed number lengthen a word without a number; digits lengthen a number;
// a blank would be taken for the delimiter.
bool RunsInto(const Token& word, const std::string& next) {
    if (next.empty())
        return false;
    char c = next[0];
    if (IsDigit(c) || c == ' ')
        return true;
    if (word.hasParam)
        return false;
    return IsLetter(c) || (c == '-' && next.size() > 1 && IsDigit(next[1]));
}

}  // namespace

Tokens Tokenize(std::string_view source) {
    return Tokenizer(source).Run();
}

void CheckGroups(const Tokens& tokens) {
    std::size_t i = 0;
    while (i < tokens.size() && IsBlankText(tokens[i]))
        ++i;
    if (i >= tokens.size() || tokens[i].kind != TokenKind::GroupOpen) {
        throw WordError("it is not an RTF document");
    }
    long depth = 0;
    for (; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.kind == TokenKind::GroupOpen)
            ++depth;
        if (token.kind == TokenKind::GroupClose && --depth == 0)
            break;
    }
    if (depth > 0)
        throw WordError("its groups are unbalanced: a group is never closed");
    for (++i; i < tokens.size(); ++i) {
        if (!IsBlankText(tokens[i])) {
            throw WordError("its groups are unbalanced: there is more after the document's end");
        }
    }
}

std::vector<std::size_t> MatchGroups(const Tokens& tokens) {
    std::vector<std::size_t> match(tokens.size());
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        match[i] = i;
        if (tokens[i].kind == TokenKind::GroupOpen) {
            open.push_back(i);
            match[i] = tokens.size();
        } else if (tokens[i].kind == TokenKind::GroupClose) {
            match[i] = tokens.size();
            if (!open.empty()) {
                match[i] = open.back();
                match[open.back()] = i;
                open.pop_back();
            }
        }
    }
    return match;
}

std::string JoinTokens(const Tokens& tokens) {
    std::string out;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        out += token.raw;
        bool open = token.kind == TokenKind::ControlWord && !token.raw.empty() &&
                    token.raw.back() != ' ' && token.word != "bin";
        if (open && i + 1 < tokens.size() && RunsInto(token, tokens[i + 1].raw))
            out += ' ';
    }
    return out;
}

bool IsIgnorableGroup(const Tokens& tokens, std::size_t open) {
    return open + 1 < tokens.size() && tokens[open + 1].IsSymbol('*');
}

std::string GroupDestination(const Tokens& tokens, std::size_t open) {
    std::size_t i = open + 1;
    if (IsIgnorableGroup(tokens, open))
        ++i;
    while (i < tokens.size() && IsBlankText(tokens[i]))
        ++i;
    if (i < tokens.size() && tokens[i].kind == TokenKind::ControlWord)
        return tokens[i].word;
    return {};
}

bool GroupStartsWith(const Tokens& tokens, std::size_t open, std::string_view word) {
    return GroupDestination(tokens, open) == word;
}

}  // namespace wordproc
