// Reading the model's keyword files: lines, keywords and the numbers after them.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace consumer {

// Reads the next line of any length without its line end ("\r\n" or "\n"). A last line without
// a line end is read too. False at the end of the file.
bool ReadKeywordLine(std::FILE* file, std::string& line);

// A cursor over the text after a keyword.
class ValueReader {
  public:
    explicit ValueReader(std::string_view text) : text_(text) {}

    // Skips blanks, tabs and other white space.
    void SkipSpace();
    bool AtEnd();
    // The rest of the text after white space.
    std::string_view Rest();
    // A number that must begin with a digit or "."; no sign.
    bool UnsignedNumber(double& value);
    // A number as a standard decimal conversion reads it (a sign is allowed).
    bool Number(double& value);
    // A whole number that must begin with a digit.
    bool Digits(int& value);
    // A whole number with an optional sign.
    bool Integer(long& value);
    // The next word (letters, digits and underscores).
    std::string Word();
    // True and past the word when the text starts with it (case ignored, word's own length).
    bool StartsWith(std::string_view word);

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The position of the first character after leading blanks and tabs.
size_t SkipBlanks(std::string_view line);

// True when the text at pos starts with the keyword, compared over the keyword's own length
// without regard to case.
bool MatchesKeyword(std::string_view line, size_t pos, std::string_view keyword);

// printf "%g" in the C locale: the six significant digits the model files carry.
std::string G6(double value);

}  // namespace consumer
