// RTF source split into tokens that keep their exact bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wordproc {

enum class TokenKind {
    GroupOpen,      // {
    GroupClose,     // }
    ControlWord,    // \word or \wordN, with its delimiting blank when there was one
    ControlSymbol,  // \x for a non-letter x; \'hh carries the byte in param
    Text,           // a run of plain characters
    Binary,         // the raw bytes that follow \binN
};

struct Token {
    TokenKind kind = TokenKind::Text;
    std::string raw;   // the bytes as they stand in the file
    std::string word;  // control word name, or the symbol character
    bool hasParam = false;
    long param = 0;

    bool IsWord(std::string_view name) const {
        return kind == TokenKind::ControlWord && word == name;
    }
    bool IsSymbol(char symbol) const {
        return kind == TokenKind::ControlSymbol && word.size() == 1 && word[0] == symbol;
    }
};

using Tokens = std::vector<Token>;

// Splits RTF text into tokens. Throws WordError on a malformed escape or a \bin that runs
// past the end. Group balance is not checked here.
Tokens Tokenize(std::string_view source);

// Checks that the tokens form one balanced top-level group with nothing but blanks after it;
// throws WordError naming the fault otherwise.
void CheckGroups(const Tokens& tokens);

// For each GroupOpen the index of its GroupClose and the other way round; other tokens map to
// themselves. Unmatched braces map to tokens.size().
std::vector<std::size_t> MatchGroups(const Tokens& tokens);

// Joins the tokens back into text. A control word that lost its delimiting blank to an edit
// gets one back where the following token would otherwise run into it.
std::string JoinTokens(const Tokens& tokens);

// True when the group opened at index open starts with the control word (after a "\*").
bool GroupStartsWith(const Tokens& tokens, std::size_t open, std::string_view word);
// The first control word of the group opened at index open, skipping a leading "\*" ("" if none).
std::string GroupDestination(const Tokens& tokens, std::size_t open);
// True when the group opened at index open starts with "\*".
bool IsIgnorableGroup(const Tokens& tokens, std::size_t open);

}  // namespace wordproc
