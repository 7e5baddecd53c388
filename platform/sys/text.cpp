// Text I/O in the C locale with the system's C formats; lines of any length.
#include "platform/sys/text.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <locale>

#include "platform/sys/files.h"

namespace sys {
namespace {

// Windows-1252 characters 0x80..0x9F; 0 marks the five unassigned positions.
const char32_t kHigh1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The number of bytes of a UTF-8 sequence and its code point; 1 and U+FFFD when malformed.
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& c) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
        c = 0xFFFD;
        return 1;
    }
    c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next >> 6) != 2) {
            c = 0xFFFD;
            return 1;
        }
        c = (c << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

std::string Format(const char* format, ...) {
    // Most texts are short: one pass into a buffer on the stack, a second only for a long one.
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    std::string result;
    if (size > 0 && static_cast<size_t>(size) < sizeof buffer) {
        result.assign(buffer, static_cast<size_t>(size));
    } else if (size > 0) {
        result.resize(static_cast<size_t>(size) + 1);
        std::vsnprintf(result.data(), result.size(), format, args);
        result.resize(static_cast<size_t>(size));
    }
    va_end(args);
    return result;
}

namespace {

// Enough decimals for the whole decimal expansion of any double (at most 1074 after the point,
// at most 767 significant digits), which glibc prints exactly.
constexpr int ExactDecimals = 1100;

// True when the digits after the shown decimals are a 5 and nothing else but zeros.
bool ExactHalf(const std::string& exact, int decimals) {
    const size_t next = exact.find('.') + 1 + static_cast<size_t>(decimals);
    if (next >= exact.size() || exact[next] != '5')
        return false;
    for (size_t i = next + 1; i < exact.size() && exact[i] >= '0' && exact[i] <= '9'; ++i) {
        if (exact[i] != '0')
            return false;
    }
    return true;
}

std::string Printed(bool exponent, int decimals, double value) {
    return exponent ? Format("%.*E", decimals, value) : Format("%.*f", decimals, value);
}

enum class Half { No, Yes, Unsure };

// Whether value lies exactly half-way between two shown numbers. Such a value times
// 2 x 10^shown decimals (counted from the units) is an odd whole number; as 5^n adds no factor
// 2, m = value x 2^(shown decimals + 1) is then whole too, and value x 10^shown decimals =
// m x 5^shown decimals / 2 ends in exactly one half when m is odd (5^n is odd). In the fixed form
// that settles it. In the exponent form the shown decimals are counted from the leading digit:
// one more than the most they can be is taken, which can only let more values through, and
// those are settled by printing the value exactly.
Half ExactHalfAt(bool exponent, double value, int decimals) {
    if (value == 0)
        return Half::No;
    long long fromUnits = decimals;
    if (exponent)
        fromUnits -= static_cast<long long>(std::floor(std::log10(std::fabs(value)))) - 1;
    if (fromUnits > 2000)
        return Half::Unsure;
    const double scaled = std::ldexp(value, static_cast<int>(fromUnits) + 1);
    if (!std::isfinite(scaled))
        return Half::Unsure;
    if (scaled != std::trunc(scaled))
        return Half::No;
    if (exponent)
        return Half::Unsure;
    return std::fmod(scaled, 2.0) != 0 ? Half::Yes : Half::No;
}

std::string HalfAway(bool exponent, double value, int decimals) {
    if (std::isfinite(value) && decimals >= 0) {
        Half half = ExactHalfAt(exponent, value, decimals);
        if (half == Half::Unsure)
            half = ExactHalf(Printed(exponent, ExactDecimals, value), decimals) ? Half::Yes
                                                                                : Half::No;
        if (half == Half::Yes)
            // Just past the half, printf rounds away from zero.
            value = std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
    }
    std::string text = Printed(exponent, decimals, value);
    const std::string_view digits = std::string_view(text).substr(0, text.find('E'));
    if (!text.empty() && text[0] == '-' && digits.find_first_of("123456789") == digits.npos)
        text.erase(0, 1);
    return text;
}

}  // namespace

std::string FixedHalfAway(double value, int decimals) {
    return HalfAway(false, value, decimals);
}

std::string ExponentHalfAway(double value, int decimals) {
    return HalfAway(true, value, decimals);
}

bool ReadTextLine(std::FILE* file, std::string& line) {
    line.clear();
    if (!file)
        return false;
    bool readAny = false;
    for (;;) {
        int c = std::fgetc(file);
        if (c == EOF)
            break;
        readAny = true;
        if (c == '\n')
            break;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return readAny;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::FILE* file = OpenFile(path, "rb");
    if (!file)
        return false;
    std::string line;
    while (ReadTextLine(file, line))
        lines.push_back(line);
    std::fclose(file);
    return true;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += '\n';
    }
    return WriteWholeFile(path, bytes);
}

namespace {

// Converts the whole text, blanks around it aside, with a strto* function; value is left as it
// was when any of it is not part of the number.
template <typename Number, typename Convert>
bool ParseWhole(std::string_view text, Number& value, Convert convert) {
    std::string copy = Trim(text);
    if (copy.empty())
        return false;
    char* end = nullptr;
    Number parsed = convert(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        return false;
    value = parsed;
    return true;
}

}  // namespace

bool ParseDouble(std::string_view text, double& value) {
    return ParseWhole(text, value, [](const char* s, char** end) { return std::strtod(s, end); });
}

bool ParseLong(std::string_view text, long& value) {
    return ParseWhole(text, value,
                      [](const char* s, char** end) { return std::strtol(s, end, 10); });
}

void UseCNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

std::string Trim(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        unsigned char b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = kHigh1252[b - 0x80] ? kHigh1252[b - 0x80] : 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

size_t Utf8SequenceLength(std::string_view text, size_t i) {
    char32_t ignored = 0;
    return DecodeUtf8(text, i, ignored);
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        size_t length = DecodeUtf8(text, i, c);
        if (c == 0xFFFD && length == 1)
            return false;
        i += length;
    }
    return true;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += DecodeUtf8(text, i, c);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHigh1252[k] == c && c != 0)
                mapped = static_cast<char>(0x80 + k);
        }
        out += mapped;
    }
    return out;
}

}  // namespace sys
