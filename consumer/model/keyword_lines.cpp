// Reading the model's keyword files: lines, keywords and the numbers after them.
#include "consumer/model/keyword_lines.h"

#include <cctype>
#include <charconv>

#include "platform/sys/text.h"

namespace consumer {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool ReadKeywordLine(std::FILE* file, std::string& line) {
    return sys::ReadTextLine(file, line);
}

void ValueReader::SkipSpace() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
        ++pos_;
}

bool ValueReader::AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
}

std::string_view ValueReader::Rest() {
    SkipSpace();
    return text_.substr(pos_);
}

bool ValueReader::UnsignedNumber(double& value) {
    SkipSpace();
    if (pos_ >= text_.size() || !(IsDigit(text_[pos_]) || text_[pos_] == '.'))
        return false;
    return Number(value);
}

bool ValueReader::Number(double& value) {
    SkipSpace();
    const char* begin = text_.data() + pos_;
    const char* end = text_.data() + text_.size();
    // from_chars takes no "+"; a standard conversion does.
    const char* start = (begin < end && *begin == '+') ? begin + 1 : begin;
    if (start < end && !(IsDigit(*start) || *start == '.' || *start == '-'))
        return false;
    if (start < end && *start == '-' && begin != start)
        return false;
    auto [next, error] = std::from_chars(start, end, value, std::chars_format::general);
    if (error != std::errc())
        return false;
    pos_ = static_cast<size_t>(next - text_.data());
    return true;
}

bool ValueReader::Digits(int& value) {
    SkipSpace();
    if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
        return false;
    const char* begin = text_.data() + pos_;
    auto [next, error] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (error != std::errc())
        return false;
    pos_ = static_cast<size_t>(next - text_.data());
    return true;
}

bool ValueReader::Integer(long& value) {
    SkipSpace();
    const char* begin = text_.data() + pos_;
    const char* end = text_.data() + text_.size();
    const char* start = (begin < end && *begin == '+') ? begin + 1 : begin;
    auto [next, error] = std::from_chars(start, end, value);
    if (error != std::errc())
        return false;
    pos_ = static_cast<size_t>(next - text_.data());
    return true;
}

std::string ValueReader::Word() {
    SkipSpace();
    size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
        ++pos_;
    }
    return std::string(text_.substr(start, pos_ - start));
}

bool ValueReader::StartsWith(std::string_view word) {
    SkipSpace();
    if (!MatchesKeyword(text_, pos_, word))
        return false;
    pos_ += word.size();
    return true;
}

size_t SkipBlanks(std::string_view line) {
    size_t pos = 0;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    return pos;
}

bool MatchesKeyword(std::string_view line, size_t pos, std::string_view keyword) {
    if (line.size() < pos + keyword.size())
        return false;
    for (size_t i = 0; i < keyword.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[pos + i])) !=
            std::toupper(static_cast<unsigned char>(keyword[i]))) {
            return false;
        }
    }
    return true;
}

std::string G6(double value) {
    return sys::Format("%g", value);
}

}  // namespace consumer
