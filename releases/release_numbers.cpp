// Reading the numbers typed into the release pages: never raising, a comma only where it groups
// thousands, whole days only.
#include "releases/release_numbers.h"

#include <cctype>
#include <cmath>

#include "platform/sys/text.h"

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The text with a trailing CR/LF and outer blanks removed.
std::string Cleaned(const std::string& text) {
    std::string copy = text;
    while (!copy.empty() && (copy.back() == '\n' || copy.back() == '\r'))
        copy.pop_back();
    return sys::Trim(copy);
}

// The length of the whole-number part at the start of the text (after an optional sign).
size_t WholePartEnd(const std::string& text, size_t from) {
    size_t at = from;
    while (at < text.size() && (IsDigit(text[at]) || text[at] == ','))
        ++at;
    return at;
}

// Digits grouped by commas in threes: "1,234,567"; a part without commas passes as it is.
bool CommasGroupThousands(const std::string& whole) {
    if (whole.find(',') == std::string::npos)
        return true;
    size_t first = whole.find(',');
    if (first == 0 || first > 3)
        return false;
    for (size_t at = first; at < whole.size(); at += 4) {
        if (whole[at] != ',' || at + 4 > whole.size())
            return false;
        for (size_t k = at + 1; k <= at + 3; ++k) {
            if (!IsDigit(whole[k]))
                return false;
        }
    }
    return true;
}

// The text without its thousands commas, or nullopt when a comma stands anywhere else.
std::optional<std::string> WithoutThousandsCommas(const std::string& text) {
    size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    size_t end = WholePartEnd(text, start);
    std::string whole = text.substr(start, end - start);
    if (!CommasGroupThousands(whole) || text.find(',', end) != std::string::npos)
        return std::nullopt;
    std::string plain;
    for (char c : text) {
        if (c != ',')
            plain += c;
    }
    return plain;
}

}  // namespace

std::optional<double> ReadTypedNumber(const std::string& text) {
    std::string cleaned = Cleaned(text);
    if (cleaned.empty())
        return 0.0;
    std::optional<std::string> plain = WithoutThousandsCommas(cleaned);
    double value = 0.0;
    if (!plain || !sys::ParseDouble(*plain, value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ReadTypedDays(const std::string& text) {
    std::string cleaned = Cleaned(text);
    size_t point = cleaned.find('.');
    if (point != std::string::npos) {
        for (size_t at = point + 1; at < cleaned.size(); ++at) {
            if (cleaned[at] != '0')
                return std::nullopt;
        }
        cleaned.resize(point);
        if (cleaned.empty())
            return std::nullopt;
    }
    for (char c : cleaned) {
        if (!IsDigit(c) && c != ',')
            return std::nullopt;
    }
    return ReadTypedNumber(cleaned);
}

std::string NotANumberMessage(const std::string& field, const std::string& text) {
    return field + ": \"" + text + "\" is not a number. Please correct it.";
}

std::string NotWholeDaysMessage(const std::string& field, const std::string& text) {
    return field + ": \"" + text + "\" is not a whole number of days. Please correct it.";
}
