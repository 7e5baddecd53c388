// Text I/O in the C locale with the system's C formats; lines of any length.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace sys {

// printf-style formatting in the C locale (numbers never take a decimal comma).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%.*f" and "%.*E" with the given decimals, where an exact half goes away from zero (printf
// sends it to the even digit): 2.5 gives "3", 0.125 with 2 decimals "0.13", 12250 in exponent
// form "1.23E+04". A text that shows zero has no minus sign.
std::string FixedHalfAway(double value, int decimals);
std::string ExponentHalfAway(double value, int decimals);

// Reads one line of any length; the line feed and a carriage return before it are dropped.
// False at end of file when nothing was read.
bool ReadTextLine(std::FILE* file, std::string& line);

// Reads every line of a text file; false when it cannot be opened.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// Writes text lines, each ended with "\n", through a temporary and a rename.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// strtod in the C locale over the whole text (leading and trailing blanks allowed).
bool ParseDouble(std::string_view text, double& value);
// strtol over the whole text (leading and trailing blanks allowed).
bool ParseLong(std::string_view text, long& value);

// Sets LC_NUMERIC to "C" for the process.
void UseCNumericLocale();

// Blanks and control characters removed from both ends.
std::string Trim(std::string_view text);

// The text with its letters in upper case, byte by byte (std::toupper).
std::string UpperCase(std::string text);

// The UTF-8 bytes of one code point, appended to out.
void AppendUtf8(std::string& out, char32_t c);

// The number of bytes of the UTF-8 sequence at i (1 when it is malformed), and whether all of a
// text is well-formed UTF-8.
size_t Utf8SequenceLength(std::string_view text, size_t i);
bool IsUtf8(std::string_view text);

// Windows-1252 to UTF-8 and back; characters with no place in Windows-1252 become '?'.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

}  // namespace sys
