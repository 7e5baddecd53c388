// Text in the bytes of a WordPerfect 5.1 document body, and the file prefix of such a document.
#pragma once

#include <string>
#include <string_view>

// Length of the file prefix; the document body starts right after it.
constexpr int WpdPrefixLength = 16;

// Hard return and hard page codes of a document body.
constexpr char WpdHardReturn = 0x0A;
constexpr char WpdHardPage = 0x0C;

// UTF-8 text as body bytes: printable 7-bit characters stay as they are; a line break ("\n",
// "\r\n" or "\r") becomes a hard return; a tab and a no-break space become a blank; letters and
// signs of the format's character sets become its extended-character codes; any other character
// becomes "?", and other control characters are left out.
std::string EncodeWpdText(std::string_view utf8);

// The 16-byte prefix of a WordPerfect 5.1 document whose body follows it directly.
std::string WpdFilePrefix();
