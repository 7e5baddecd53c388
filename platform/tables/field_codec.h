// Reading and writing single field values inside a record's bytes.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/tables/format.h"

namespace tables {

// The field's bytes within a record (the record includes its deletion flag).
inline std::string_view FieldBytes(std::string_view record, const FieldDef& field) {
    return record.substr(static_cast<std::size_t>(field.offset),
                         static_cast<std::size_t>(field.width));
}

// An empty dBASE field: all blanks (or zeros), a date of "00000000", a logical of '?' or blank, a
// memo with no block.
bool FieldIsBlank(std::string_view raw, const FieldDef& field);

// Text of a text field: trailing blanks dropped, Windows-1252 turned into UTF-8.
inline std::string DecodeText(std::string_view raw);
// A number written as text (blanks around it allowed); false when it is not a number. A blank
// field (or one of asterisks, as some writers leave it) reads as 0.
inline bool DecodeNumber(std::string_view raw, double& value);
// T/t/Y/y true, F/f/N/n false, anything else none.
std::optional<bool> DecodeLogical(std::string_view raw);
// The memo block number a memo field points at; 0 when none. False when it is not a number.
bool DecodeMemoBlock(std::string_view raw, std::uint32_t& block);

// Text in Windows-1252; the reason ("" when none) when a character has no place in it, so that
// nothing is stored as "?" without a word.
std::string ToCp1252(std::string_view utf8, std::string& out);

// Encoders fill `out` with exactly field.width bytes. They return the reason the value does not
// fit ("" on success); `out` is then unspecified.
std::string EncodeText(const FieldDef& field, std::string_view utf8, std::string& out);
// A number in the form that keeps it best within the field's width: fixed with the field's
// decimals when that gives the value back exactly; otherwise the most accurate of the fixed form
// with as many of the decimals as fit and an exponent form ("1.2345678901E-20"). Refused only
// when no form fits at all.
std::string EncodeNumber(const FieldDef& field, double value, std::string& out);
// A whole number is stored exactly or refused: a rounded code or count would be a wrong one.
std::string EncodeWholeNumber(const FieldDef& field, long long value, std::string& out);
// A number given as text, stored as written (right-aligned) once it is checked to be a number
// with no more decimals than the field holds.
std::string EncodeNumberText(const FieldDef& field, std::string_view text, std::string& out);
std::string EncodeLogical(const FieldDef& field, bool value, std::string& out);
// YYYYMMDD, or blank.
std::string EncodeDate(const FieldDef& field, std::string_view text, std::string& out);
std::string EncodeMemoBlock(const FieldDef& field, std::uint32_t block, std::string& out);
// Any field from its text form: numbers as text, logicals as T/F/Y/N (or True/False), dates as
// YYYYMMDD; empty text is a blank field. Memo fields are not handled here.
std::string EncodeFromText(const FieldDef& field, std::string_view utf8, std::string& out);

// Both decoders run for every field of a scan, so their common cases are written inline here.
// Blanks are found eight bytes at a time: a row's fields are mostly padding.
namespace detail {

static_assert(std::endian::native == std::endian::little, "bytes are read as little-endian words");

std::string Cp1252Text(std::string_view text);
bool OtherNumber(std::string_view text, double& value);

inline std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The high bit of every byte of the word that is zero, and of no other.
inline std::uint64_t ZeroBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((word & kLow7) + kLow7) | word | kLow7);
}

// The high bit of every byte of the word that is neither a blank nor a zero byte: those two are
// the bytes with no bit set but 0x20, and no sum of the other bits carries into the next byte.
inline std::uint64_t KeptBytes(std::uint64_t word) {
    return (((word & 0x5F5F5F5F5F5F5F5FULL) + 0x7F7F7F7F7F7F7F7FULL) | word) & kHighBits;
}

// The first `count` (below 8) bytes of a word.
inline std::uint64_t FirstBytes(std::uint64_t word, std::size_t count) {
    return word & ((std::uint64_t(1) << (8 * count)) - 1);
}

inline bool Blank(char c) {
    return c == ' ' || c == '\0';
}

// The length of the field without its trailing blanks and zero bytes.
[[gnu::always_inline]] inline std::size_t TrimmedEnd(std::string_view raw) {
    const char* p = raw.data();
    std::size_t end = raw.size();
    for (; end >= 8; end -= 8) {
        if (std::uint64_t kept = KeptBytes(Load8(p + end - 8)))
            return end - std::size_t(std::countl_zero(kept)) / 8;
    }
    if (end == 0 || raw.size() < 8) {
        while (end > 0 && Blank(p[end - 1]))
            --end;
        return end;
    }
    std::uint64_t kept = FirstBytes(KeptBytes(Load8(p)), end);
    return kept == 0 ? 0 : 8 - std::size_t(std::countl_zero(kept)) / 8;
}

// The position of the first byte before `end` that is no blank (there is one).
inline std::size_t TrimmedBegin(const char* p, std::size_t end) {
    std::size_t begin = 0;
    for (; begin + 8 <= end; begin += 8) {
        if (std::uint64_t kept = KeptBytes(Load8(p + begin)))
            return begin + std::size_t(std::countr_zero(kept)) / 8;
    }
    while (Blank(p[begin]))
        ++begin;
    return begin;
}

// Whether the field's bytes are plain ASCII. The whole field is looked at, blanks and all: its
// width, unlike its text's length, is the same in every row.
[[gnu::always_inline]] inline bool AllAscii(std::string_view raw) {
    const char* p = raw.data();
    std::size_t n = raw.size();
    std::uint64_t bits = 0;
    if (n < 8) {
        for (std::size_t at = 0; at < n; ++at)
            bits |= static_cast<unsigned char>(p[at]);
    } else {
        // Three words cover up to 24 bytes; only wider fields take the loop.
        bits = Load8(p) | Load8(p + n - 8) | Load8(p + (n > 16 ? 8 : 0));
        for (std::size_t at = 16; at + 8 < n; at += 8)
            bits |= Load8(p + at);
    }
    return (bits & kHighBits) == 0;
}

// digits / 10^places with the sign: exact digits (below 2^53) and an exact power of ten, so the
// one division gives the correctly rounded value, the same as any full conversion.
inline double Scaled(std::uint64_t digits, std::size_t places, bool negative) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    double result = static_cast<double>(digits);
    if (places > 0)
        result /= kPowers[places];
    return negative ? -result : result;
}

// Decimal text of up to 15 digits converts exactly: the digits make an exact whole number and
// the power of ten is exact, so one division gives the correctly rounded result, the same as any
// full conversion. False when the text is not of that simple form.
inline bool SimpleDecimal(std::string_view text, double& value) {
    const char* p = text.data();
    const char* end = p + text.size();
    bool negative = p < end && *p == '-';
    p += negative;
    if (end - p > 16)
        return false;  // more than 15 digits and the point
    std::uint64_t digits = 0;
    const char* start = p;
    for (; p < end && unsigned(*p - '0') < 10; ++p)
        digits = digits * 10 + std::uint64_t(*p - '0');
    std::ptrdiff_t decimals = 0;
    bool point = p < end && *p == '.';
    if (point) {
        const char* fraction = ++p;
        for (; p < end && unsigned(*p - '0') < 10; ++p)
            digits = digits * 10 + std::uint64_t(*p - '0');
        decimals = p - fraction;
        if (p - start == 1)
            return false;  // the point alone
    }
    if (p != end || p == start || (p - start) - point > 15)
        return false;
    value = Scaled(digits, std::size_t(decimals), negative);
    return true;
}

constexpr std::uint64_t kZeroDigits = 0x3030303030303030ULL;

// Whether every byte of the word is a digit character.
inline bool AllDigits(std::uint64_t word) {
    std::uint64_t carried = ((word + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) >> 4;
    return ((word & 0xF0F0F0F0F0F0F0F0ULL) | carried) == 0x3333333333333333ULL;
}

// The whole number eight digits (each byte a digit's value, 0 to 9) make, the first (lowest)
// byte the highest digit.
[[gnu::always_inline]] inline std::uint64_t DigitsValue(std::uint64_t word) {
    word = word * 10 + (word >> 8);  // pairs of digits
    constexpr std::uint64_t kMask = 0x000000FF000000FFULL;
    constexpr std::uint64_t kTimes1 = 100 + (1000000ULL << 32);
    constexpr std::uint64_t kTimes2 = 1 + (10000ULL << 32);
    return (((word & kMask) * kTimes1) + (((word >> 16) & kMask) * kTimes2)) >> 32;
}

// The first `count` bytes of the word replaced by zero digits (count below 8).
inline std::uint64_t ZeroDigitsBelow(std::uint64_t word, std::size_t count) {
    std::uint64_t low = (std::uint64_t(1) << (8 * count)) - 1;
    return (word & ~low) | (kZeroDigits & low);
}

// The whole number the digits raw[from, to) make: at most eight of them, in a field at least
// eight bytes wide (the word read never leaves the field). False when one of them is no digit.
inline bool EightDigits(const char* raw, std::size_t from, std::size_t to, std::uint64_t& number) {
    std::size_t count = to - from;
    if (count == 0) {
        number = 0;
        return true;
    }
    std::size_t start = to >= 8 ? to - 8 : 0;
    // The digits move to the top of the word; the bytes below them read as leading zeros.
    std::uint64_t word = Load8(raw + start) >> (8 * (from - start)) << (8 * (8 - count));
    word = ZeroDigitsBelow(word, 8 - count);
    if (!AllDigits(word))
        return false;
    number = DigitsValue(word - kZeroDigits);
    return true;
}

// The common number of a field 8 to 16 bytes wide, [blanks][-]digits[.digits][blanks] with
// at most eight digits on either side of the point, read a word at a time. The digits (15 at
// most in 16 bytes with the point) make an exact whole number and the power of ten is exact, so the
// one division gives the correctly rounded value. False when the field is not of that form.
inline bool WordDecimal(std::string_view raw, std::size_t begin, std::size_t end, double& value) {
    static constexpr std::uint64_t kScales[] = {1,      10,      100,      1000,     10000,
                                                100000, 1000000, 10000000, 100000000};
    const char* p = raw.data();
    std::size_t width = raw.size();
    if (width < 8 || width > 16)
        return false;
    bool negative = p[begin] == '-';
    begin += negative;
    constexpr std::uint64_t kPoints = 0x2E2E2E2E2E2E2E2EULL;
    std::size_t point = end;
    if (std::uint64_t last = ZeroBytes(Load8(p + width - 8) ^ kPoints))
        point = width - 8 + std::size_t(std::countr_zero(last)) / 8;
    else if (std::uint64_t first = ZeroBytes(Load8(p) ^ kPoints))
        point = std::size_t(std::countr_zero(first)) / 8;
    std::size_t fraction = point < end ? point + 1 : end;
    std::uint64_t whole = 0;
    std::uint64_t part = 0;
    if (point - begin > 8 || end - fraction > 8 || point - begin + end - fraction == 0 ||
        !EightDigits(p, begin, point, whole) || !EightDigits(p, fraction, end, part))
        return false;
    std::size_t decimals = end - fraction;
    value = Scaled(whole * kScales[decimals] + part, decimals, negative);
    return true;
}

// Where AlignedWords finds a number field's digits: fixed by the field's width and decimals, so
// worked out once per field. A field 8 to 16 bytes wide with at most seven decimals and its
// point (its end, when it has none) within its first eight bytes has them in two words: the
// part before the point in the first, the point and the decimals in the last.
struct NumberWords {
    bool usable = false;
    std::uint8_t shift = 0;      // moves the bytes before the point to the top of a word
    std::uint8_t last = 0;       // where the last word starts: the width less eight
    std::uint8_t places = 0;     // the number of decimals, in bits (eight a byte)
    std::uint64_t decimals = 0;  // the decimals' bytes in the last word
    std::uint64_t zeros = 0;     // a zero digit in each of them
    std::uint64_t highs = 0;     // the high bit of each of them
    std::uint64_t point = 0;     // the point's byte in the last word
    std::uint64_t dot = 0;       // and the point in it
    std::uint64_t first = 0;     // as many bytes at the start of a word as there are decimals
    std::uint64_t scale = 1;     // ten to the number of decimals
    double divisor = 1;          // the same, exactly
};

inline NumberWords NumberWordsOf(std::size_t width, int decimals) {
    NumberWords words;
    std::size_t places = std::size_t(decimals);
    std::size_t point = width - places - (places != 0);
    if (decimals < 0 || places > 7 || width < 8 || width > 16 || width < places + 2 || point > 8)
        return words;
    words.usable = true;
    words.shift = std::uint8_t(64 - 8 * point);
    words.last = std::uint8_t(width - 8);
    words.places = std::uint8_t(8 * places);
    words.decimals = ~(~std::uint64_t(0) >> words.places);
    words.zeros = kZeroDigits & words.decimals;
    words.highs = kHighBits & words.decimals;
    words.point = (words.decimals >> 8) & ~words.decimals;
    words.dot = 0x2E2E2E2E2E2E2E2EULL & words.point;
    words.first = ~(~std::uint64_t(0) << words.places);
    for (std::size_t i = 0; i < places; ++i)
        words.scale *= 10;
    words.divisor = double(words.scale);
    return words;
}

// AlignedDecimal for a field NumberWordsOf found usable. Every byte is read as if it were a digit
// ((byte | 0x80) - '0' borrows from no other byte), and the layout is checked beside that, off
// the value's way.
[[gnu::always_inline]] inline bool AlignedWords(const char* p, const NumberWords& words,
                                                double& value) {
    constexpr std::uint64_t kTens = 0x7676767676767676ULL;  // carries into the high bit from 10
    // The bytes before the point at the top of a word, with zero bytes (blanks) below them.
    std::uint64_t whole = Load8(p) << words.shift;
    std::uint64_t raised = (whole | kHighBits) - kZeroDigits;
    std::uint64_t digits = raised & kHighBits;                      // the bytes from '0' up
    std::uint64_t wholeDigits = raised & (digits - (digits >> 7));  // 0 for those below '0'
    // The decimals at the top of the last word, the point under them; the rest counts as zeros.
    std::uint64_t last = Load8(p + words.last);
    std::uint64_t fraction = last & words.decimals;
    std::uint64_t fractionRaised = (fraction | words.highs) - words.zeros;
    std::uint64_t fractionDigits = fractionRaised & ~kHighBits;
    // The layout: no byte past '9' or beyond ASCII; the digits a run up to the point, every
    // decimal a digit; below the run blanks and zero bytes, and a minus sign right under it.
    std::uint64_t under = (digits >> 8) & ~digits;
    std::uint64_t minus = ZeroBytes(whole ^ 0x2D2D2D2D2D2D2D2DULL) & under;
    bool laidOut =
        (((wholeDigits + kTens) | (fractionDigits + kTens) | whole | fraction) & kHighBits) == 0 &&
        (fractionRaised & kHighBits) == words.highs && (last & words.point) == words.dot &&
        digits != 0 && ((digits << 8) & ~digits) == 0 && KeptBytes(whole) == (digits | minus);
    if (!laidOut)
        return false;
    // At most 15 digits: an exact whole number, divided once by an exact power of ten. When the
    // part before the point has room for the decimals below it (its first bytes are zeros),
    // both make one word of eight digits.
    std::uint64_t number = 0;
    if ((wholeDigits & words.first) == 0)
        number = DigitsValue((wholeDigits >> words.places) | fractionDigits);
    else
        number = DigitsValue(wholeDigits) * words.scale + DigitsValue(fractionDigits);
    value = double(std::int64_t(number)) / words.divisor;
    if (minus != 0)
        value = -value;
    return true;
}

// A number as writers lay it out in a field with `decimals` decimals: right-aligned,
// [blanks][-]digits, then the point and exactly that many digits. The field's own layout tells
// where the point must be, so nothing is searched; the digits (15 at most) make an exact whole
// number and the power of ten is exact, so the one division gives the correctly rounded value.
// False when the field is not laid out so.
inline bool AlignedDecimal(std::string_view raw, int decimals, double& value) {
    const char* p = raw.data();
    std::size_t width = raw.size();
    std::size_t places = std::size_t(decimals);
    if (decimals < 0 || places > 14 || width < places + 2)
        return false;
    std::size_t point = places > 0 ? width - places - 1 : width;
    if (NumberWords words = NumberWordsOf(width, decimals); words.usable)
        return AlignedWords(p, words, value);
    if (places > 0 ? p[point] != '.' : unsigned(p[width - 1] - '0') > 9)
        return false;
    std::uint64_t digits = 0;
    std::size_t begin = TrimmedBegin(p, point);  // stops at the point or the last digit
    bool negative = p[begin] == '-';
    begin += negative;
    if (begin == point || point - begin > 15 - places)
        return false;
    // One test for every digit at the end: the loops keep no branch but their own.
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    unsigned notDigit = 0;
    for (std::size_t at = begin; at < point; ++at) {
        unsigned digit = bytes[at] - 48u;
        notDigit |= digit > 9;
        digits = digits * 10 + digit;
    }
    for (std::size_t at = point + 1; at < width; ++at) {
        unsigned digit = bytes[at] - 48u;
        notDigit |= digit > 9;
        digits = digits * 10 + digit;
    }
    if (notDigit)
        return false;
    value = Scaled(digits, places, negative);
    return true;
}

// Whether the text field of the given width holds plain ASCII text of at most 15 bytes once its
// trailing blanks are dropped, and its length. Such a text is the same in UTF-8.
[[gnu::always_inline]] inline bool ShortPlainText(const char* p, std::size_t width,
                                                  std::size_t& length) {
    std::string_view raw(p, width);
    length = TrimmedEnd(raw);
    return length <= 15 && AllAscii(raw);
}

// The string of the first `length` (at most 15) of the bytes at p, from where 15 bytes may be
// read: a copy of fixed length moves two words, and the string keeps them in place of a heap
// block.
[[gnu::always_inline]] inline std::string ShortText(const char* p, std::size_t length) {
    if (length > 15)
        __builtin_unreachable();  // lets the string's growing way go
    std::string text(15, '\0');
    std::memcpy(text.data(), p, 15);
    text.resize(length);
    return text;
}

}  // namespace detail

inline std::string DecodeText(std::string_view raw) {
    std::string_view text = raw.substr(0, detail::TrimmedEnd(raw));
    if (!detail::AllAscii(raw))
        return detail::Cp1252Text(text);
    return std::string(text);  // plain ASCII is the same in both
}

inline bool DecodeNumber(std::string_view raw, double& value) {
    std::size_t end = detail::TrimmedEnd(raw);
    if (end == 0) {
        value = 0;
        return true;
    }
    std::size_t begin = detail::TrimmedBegin(raw.data(), end);
    if (detail::WordDecimal(raw, begin, end, value))
        return true;
    std::string_view text = raw.substr(begin, end - begin);
    return detail::SimpleDecimal(text, value) || detail::OtherNumber(text, value);
}

}  // namespace tables
