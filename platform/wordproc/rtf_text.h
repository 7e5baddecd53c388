// The readable text of RTF tokens, and plain text made safe to put into a document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wordproc/rtf_tokens.h"

namespace wordproc {

// A piece of readable text (UTF-8) and the token it came from.
struct TextPiece {
    std::size_t token = 0;
    std::string text;
};

// The body text of the document in order: tables, headers, pictures and other destinations
// that hold no body text are left out. Paragraph, line, section and row ends read as "\n",
// tabs and cell ends as "\t".
std::vector<TextPiece> ExtractText(const Tokens& tokens);

// The text of the pieces whose token lies in [first, last).
std::string TextBetween(const std::vector<TextPiece>& pieces, std::size_t first, std::size_t last);

// Plain text as RTF: braces and backslashes escaped, line ends as paragraph ends, tabs as
// tabs, other characters in Windows-1252 or as Unicode escapes. The text is read as UTF-8;
// a byte that is not part of valid UTF-8 is taken as Windows-1252.
std::string EscapeText(std::string_view text);

}  // namespace wordproc
