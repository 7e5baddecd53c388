// Reading and writing single field values inside a record's bytes.
#include "platform/tables/field_codec.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/sys/text.h"

namespace tables {
namespace {

bool AllBlank(std::string_view raw) {
    for (char c : raw) {
        if (c != ' ' && c != '\0')
            return false;
    }
    return true;
}

std::string RightAligned(const FieldDef& field, std::string_view text, std::string& out) {
    if (static_cast<int>(text.size()) > field.width)
        return sys::Format("the value '%.*s' is %zu characters wide, the field holds %d",
                           static_cast<int>(text.size()), text.data(), text.size(), field.width);
    out.assign(static_cast<std::size_t>(field.width) - text.size(), ' ');
    out.append(text);
    return "";
}

bool ValidDate(std::string_view t) {
    if (t.size() != 8)
        return false;
    for (char c : t) {
        if (c < '0' || c > '9')
            return false;
    }
    int month = (t[4] - '0') * 10 + (t[5] - '0');
    int day = (t[6] - '0') * 10 + (t[7] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int DecimalsWritten(std::string_view text) {
    auto point = text.find('.');
    if (point == std::string_view::npos)
        return 0;
    auto end = text.find_first_of("eE", point);
    if (end == std::string_view::npos)
        end = text.size();
    return static_cast<int>(end - point - 1);
}

bool Wider(const std::string& text, const FieldDef& field) {
    return static_cast<int>(text.size()) > field.width;
}

// The number as the C library reads the text back; not finite when it does not read as one.
double ReadBack(const std::string& text) {
    double value = 0;
    auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    bool read = error == std::errc() && ptr == text.data() + text.size();
    return read ? value : std::numeric_limits<double>::infinity();
}

// "12.50" for 12.5 with two decimals; a value that rounds to zero has no minus sign.
std::string FixedForm(double value, int decimals) {
    std::string text = sys::Format("%.*f", decimals, value);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

// The fixed form with the field's decimals, or with as many of them as fit; "" when even the
// whole number is too wide.
std::string FittingFixedForm(double value, const FieldDef& field) {
    for (int decimals = field.decimals; decimals >= 0; --decimals) {
        std::string text = FixedForm(value, decimals);
        if (!Wider(text, field))
            return text;
    }
    return "";
}

// The exponent form ("1.2345678901E-20") that keeps the value best within the width: the fewest
// significant digits that give the value back exactly, else as many as fit, up to 17. "" when
// none fits. Candidates that round beyond the largest double are passed over.
std::string ExponentForm(double value, int width) {
    std::string best;
    for (int digits = 1; digits <= 17; ++digits) {
        std::string text = sys::Format("%.*E", digits - 1, value);
        double back = ReadBack(text);
        if (static_cast<int>(text.size()) > width || !std::isfinite(back))
            continue;
        best = text;
        if (back == value)
            break;
    }
    return best;
}

// Some writers fill an empty or overflowing number field with asterisks.
bool AllStars(std::string_view raw) {
    return !raw.empty() && raw.find_first_not_of('*') == std::string_view::npos;
}

// Other programs write a blank date as zeros.
bool ZeroDate(std::string_view raw) {
    return raw == "00000000";
}

}  // namespace

std::string ToCp1252(std::string_view utf8, std::string& out) {
    out = sys::Utf8ToCp1252(utf8);
    if (sys::Cp1252ToUtf8(out) == utf8)
        return "";
    // Something did not survive the trip: name the first character that has no place.
    for (std::size_t at = 0; at < utf8.size();) {
        std::size_t length = sys::Utf8SequenceLength(utf8, at);
        std::string_view one = utf8.substr(at, length);
        if (sys::Cp1252ToUtf8(sys::Utf8ToCp1252(one)) != one) {
            bool valid = length > 1 || static_cast<unsigned char>(one[0]) < 0x80;
            return valid ? "the text holds '" + std::string(one) +
                               "', which Windows-1252 text cannot hold"
                         : "the text is not valid UTF-8";
        }
        at += length;
    }
    return "the text cannot be held in Windows-1252";
}

bool FieldIsBlank(std::string_view raw, const FieldDef& field) {
    if (field.type == FieldType::Logical)
        return raw.empty() || raw[0] == ' ' || raw[0] == '?';
    if (field.type == FieldType::Memo) {
        std::uint32_t block = 0;
        return !DecodeMemoBlock(raw, block) || block == 0;
    }
    if (field.type == FieldType::Numeric || field.type == FieldType::Float) {
        if (AllStars(raw))
            return true;
    }
    if (field.type == FieldType::Date && ZeroDate(raw))
        return true;
    return AllBlank(raw);
}

std::string detail::Cp1252Text(std::string_view text) {
    return sys::Cp1252ToUtf8(text);
}

// Numbers outside the simple decimal form: asterisks (blank), a leading plus, exponents, many
// digits. from_chars reads the C notation whatever the locale. Words such as "inf" or "nan" are
// no dBASE numbers.
bool detail::OtherNumber(std::string_view text, double& value) {
    if (AllStars(text)) {
        value = 0;
        return true;
    }
    if (text[0] == '+')
        text.remove_prefix(1);
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' || text[0] == '.'))
        return false;
    auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

std::optional<bool> DecodeLogical(std::string_view raw) {
    if (raw.empty())
        return std::nullopt;
    switch (raw[0]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return true;
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return false;
        default:
            return std::nullopt;
    }
}

bool DecodeMemoBlock(std::string_view raw, std::uint32_t& block) {
    block = 0;
    bool seenDigit = false;
    for (char c : raw) {
        if (c == ' ' || c == '\0') {
            if (seenDigit)
                break;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        seenDigit = true;
        block = block * 10 + static_cast<std::uint32_t>(c - '0');
        if (block > 0x7FFFFFFFu)
            return false;
    }
    return true;
}

std::string EncodeText(const FieldDef& field, std::string_view utf8, std::string& out) {
    std::string bytes;
    if (std::string problem = ToCp1252(utf8, bytes); !problem.empty())
        return problem;
    if (static_cast<int>(bytes.size()) > field.width)
        return sys::Format("the text is %zu characters long, the field holds %d", bytes.size(),
                           field.width);
    out = bytes;
    out.resize(static_cast<std::size_t>(field.width), ' ');
    return "";
}

std::string EncodeNumber(const FieldDef& field, double value, std::string& out) {
    if (!std::isfinite(value))
        return "the value is not a finite number";
    std::string fixed = FittingFixedForm(value, field);
    if (!fixed.empty() && ReadBack(fixed) == value)
        return RightAligned(field, fixed, out);
    std::string exponent = ExponentForm(value, field.width);
    if (fixed.empty() && exponent.empty())  // the clear error, naming the value as written
        return RightAligned(field, FixedForm(value, field.decimals), out);
    bool fixedBest = exponent.empty() ||
                     (!fixed.empty() &&
                      std::fabs(ReadBack(fixed) - value) <= std::fabs(ReadBack(exponent) - value));
    return RightAligned(field, fixedBest ? fixed : exponent, out);
}

std::string EncodeWholeNumber(const FieldDef& field, long long value, std::string& out) {
    std::string problem = EncodeNumber(field, static_cast<double>(value), out);
    double stored = 0;
    if (problem.empty() && (!DecodeNumber(out, stored) || stored != static_cast<double>(value)))
        return sys::Format("the whole number %lld does not fit the field (%d wide, %d decimals)",
                           value, field.width, field.decimals);
    return problem;
}

std::string EncodeNumberText(const FieldDef& field, std::string_view text, std::string& out) {
    std::string trimmed = sys::Trim(text);
    if (trimmed.empty()) {
        out.assign(static_cast<std::size_t>(field.width), ' ');
        return "";
    }
    double value = 0;
    if (!sys::ParseDouble(trimmed, value) || !std::isfinite(value))
        return "'" + trimmed + "' is not a number";
    if (DecimalsWritten(trimmed) > field.decimals)
        return sys::Format("'%s' has more decimals than the field holds (%d)", trimmed.c_str(),
                           field.decimals);
    return RightAligned(field, trimmed, out);
}

std::string EncodeLogical(const FieldDef& field, bool value, std::string& out) {
    out.assign(static_cast<std::size_t>(field.width), ' ');
    out[0] = value ? 'T' : 'F';
    return "";
}

std::string EncodeDate(const FieldDef& field, std::string_view text, std::string& out) {
    std::string trimmed = sys::Trim(text);
    if (trimmed.empty()) {
        out.assign(static_cast<std::size_t>(field.width), ' ');
        return "";
    }
    if (!ValidDate(trimmed))
        return "'" + trimmed + "' is not a date written as YYYYMMDD";
    if (field.width != 8)
        return sys::Format("a date is 8 characters, the field holds %d", field.width);
    out = trimmed;
    return "";
}

std::string EncodeMemoBlock(const FieldDef& field, std::uint32_t block, std::string& out) {
    if (block == 0) {
        out.assign(static_cast<std::size_t>(field.width), ' ');
        return "";
    }
    return RightAligned(field, std::to_string(block), out);
}

std::string EncodeFromText(const FieldDef& field, std::string_view utf8, std::string& out) {
    switch (field.type) {
        case FieldType::Character:
            return EncodeText(field, utf8, out);
        case FieldType::Numeric:
        case FieldType::Float:
            return EncodeNumberText(field, utf8, out);
        case FieldType::Date:
            return EncodeDate(field, utf8, out);
        case FieldType::Logical: {
            std::string t = sys::Trim(utf8);
            if (t.empty()) {
                out.assign(static_cast<std::size_t>(field.width), ' ');
                return "";
            }
            if (t == "True" || t == "TRUE" || t == "true")
                t = "T";
            if (t == "False" || t == "FALSE" || t == "false")
                t = "F";
            auto value = t.size() == 1 ? DecodeLogical(t) : std::nullopt;
            if (!value)
                return "'" + t + "' is not a logical value (T or F)";
            return EncodeLogical(field, *value, out);
        }
        case FieldType::Memo:
            return "a memo field takes its text through the memo file";
    }
    return "unknown field type";
}

}  // namespace tables
