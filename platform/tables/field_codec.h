// Reading and writing single field values inside a record's bytes.
#pragma once

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
namespace detail {

std::string Cp1252Text(std::string_view text);
bool OtherNumber(std::string_view text, double& value);

// Decimal text of up to 15 digits converts exactly: the digits make an exact whole number and
// the power of ten is exact, so one division gives the correctly rounded result, the same as any
// full conversion. False when the text is not of that simple form.
inline bool SimpleDecimal(std::string_view text, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
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
    double result = static_cast<double>(digits);
    if (decimals > 0)
        result /= kPowers[decimals];
    value = negative ? -result : result;
    return true;
}

}  // namespace detail

inline std::string DecodeText(std::string_view raw) {
    std::size_t end = raw.size();
    // Text fields are mostly padding: drop blanks eight at a time first.
    while (end >= 8 && std::memcmp(raw.data() + end - 8, "        ", 8) == 0)
        end -= 8;
    while (end > 0 && (raw[end - 1] == ' ' || raw[end - 1] == '\0'))
        --end;
    std::string_view text = raw.substr(0, end);
    unsigned char high = 0;
    for (char c : text)
        high |= static_cast<unsigned char>(c);
    if (high >= 0x80)
        return detail::Cp1252Text(text);
    return std::string(text);  // plain ASCII is the same in both
}

inline bool DecodeNumber(std::string_view raw, double& value) {
    std::size_t begin = 0;
    std::size_t end = raw.size();
    while (begin < end && (raw[begin] == ' ' || raw[begin] == '\0'))
        ++begin;
    while (end > begin && (raw[end - 1] == ' ' || raw[end - 1] == '\0'))
        --end;
    std::string_view text = raw.substr(begin, end - begin);
    if (text.empty()) {
        value = 0;
        return true;
    }
    return detail::SimpleDecimal(text, value) || detail::OtherNumber(text, value);
}

}  // namespace tables
