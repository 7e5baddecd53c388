// The .dbf file layout: field definitions, the header, and reading and writing it as bytes.
#include "platform/tables/format.h"

#include <cctype>
#include <cstring>
#include <ctime>

#include "platform/sys/text.h"

namespace tables {
namespace {

constexpr unsigned char kHeaderEnd = 0x0D;
constexpr unsigned char kLanguageCp1252 = 0x57;

bool KnownVersion(unsigned char b) {
    return b == 0x03 || b == 0x04 || b == 0x83 || b == 0x8B || b == 0x8E;
}

bool KnownType(char t) {
    return t == 'C' || t == 'N' || t == 'F' || t == 'L' || t == 'D' || t == 'M';
}

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > 10)
        return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

std::string WidthProblem(const FieldDef& f) {
    switch (f.type) {
        case FieldType::Character:
            if (f.width < 1 || f.width > 254)
                return "a text field is 1 to 254 characters wide";
            return f.decimals == 0 ? "" : "a text field has no decimals";
        case FieldType::Numeric:
        case FieldType::Float:
            if (f.width < 1 || f.width > 20)
                return "a number field is 1 to 20 characters wide";
            if (f.decimals < 0 || f.decimals > 15)
                return "a number field has 0 to 15 decimals";
            if (f.decimals > 0 && f.decimals > f.width - 2)
                return "the decimals leave no room for the point and a digit";
            return "";
        case FieldType::Logical:
            return f.width == 1 && f.decimals == 0 ? "" : "a logical field is 1 character wide";
        case FieldType::Date:
            return f.width == 8 && f.decimals == 0 ? "" : "a date field is 8 characters wide";
        case FieldType::Memo:
            return f.width == 10 && f.decimals == 0 ? "" : "a memo field is 10 characters wide";
    }
    return "unknown field type";
}

// The widths a field read from a file may have: those of its type, except that text may be
// wider than dBASE's 254 (some writers keep wide text widths in both bytes).
std::string ReadWidthProblem(const FieldDef& f) {
    if (f.type == FieldType::Character)
        return f.width >= 1 ? "" : "a text field is at least 1 character wide";
    return WidthProblem(f);
}

std::string ParseDescriptor(const unsigned char* d, FieldDef& f) {
    char name[12] = {};
    std::memcpy(name, d, 11);
    f.name = name;  // stops at the first zero
    f.name = sys::Trim(f.name);
    char type = static_cast<char>(d[11]);
    if (!KnownType(type))
        return std::string("the field has the unsupported type '") + type + "'";
    f.type = static_cast<FieldType>(type);
    f.width = d[16];
    f.decimals = d[17];
    if (f.type == FieldType::Character) {
        f.width = d[16] | (d[17] << 8);  // some writers keep wide text widths in both bytes
        f.decimals = 0;
    }
    if (f.name.empty())
        return "a field has no name";
    std::string problem = ReadWidthProblem(f);
    if (!problem.empty())
        return sys::Format("the field is declared %d wide with %d decimals, but %s", f.width,
                           f.decimals, problem.c_str());
    return "";
}

}  // namespace

bool DbfHeader::HasMemo() const {
    for (const auto& f : fields) {
        if (f.type == FieldType::Memo)
            return true;
    }
    return false;
}

std::uint16_t ReadU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void WriteU32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void WriteU16(unsigned char* p, std::uint16_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

void StampDate(unsigned char out[3]) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    out[0] = static_cast<unsigned char>(local.tm_year % 256);
    out[1] = static_cast<unsigned char>(local.tm_mon + 1);
    out[2] = static_cast<unsigned char>(local.tm_mday);
}

std::string FieldDefProblem(const FieldDef& field) {
    if (!ValidName(field.name))
        return "the name '" + field.name + "' is not 1 to 10 letters, digits or underscores";
    if (!KnownType(static_cast<char>(field.type)))
        return "unknown field type";
    return WidthProblem(field);
}

std::string BuildHeader(std::vector<FieldDef>& fields, DbfVersion version, std::uint32_t count) {
    std::size_t headerLength = kHeaderPrefix + kFieldDescriptor * fields.size() + 1;
    std::string bytes(headerLength, '\0');
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    bool memo = false;
    int offset = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FieldDef& f = fields[i];
        f.offset = offset;
        offset += f.width;
        memo = memo || f.type == FieldType::Memo;
        unsigned char* d = p + kHeaderPrefix + kFieldDescriptor * i;
        std::memcpy(d, f.name.data(), f.name.size());
        d[11] = static_cast<unsigned char>(f.type);
        d[16] = static_cast<unsigned char>(f.width);
        d[17] = static_cast<unsigned char>(f.decimals);
    }
    p[0] = !memo ? 0x03 : (version == DbfVersion::DBase4 ? 0x8B : 0x83);
    StampDate(p + 1);
    WriteU32(p + 4, count);
    WriteU16(p + 8, static_cast<std::uint16_t>(headerLength));
    WriteU16(p + 10, static_cast<std::uint16_t>(offset));
    p[29] = kLanguageCp1252;
    p[headerLength - 1] = kHeaderEnd;
    return bytes;
}

std::string ParseHeader(std::string_view bytes, std::uint64_t fileLength, DbfHeader& header,
                        std::string* badField) {
    if (bytes.size() < kHeaderPrefix)
        return "the file is too short to be a dBASE table";
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!KnownVersion(p[0]))
        return sys::Format("not a dBASE III or IV table (version byte 0x%02X)", p[0]);
    header.versionByte = p[0];
    header.recordCount = ReadU32(p + 4);
    header.headerLength = ReadU16(p + 8);
    header.recordLength = ReadU16(p + 10);
    header.fields.clear();
    if (header.headerLength < kHeaderPrefix + 1 || header.headerLength > fileLength)
        return "the header length is wrong";
    if (bytes.size() < header.headerLength)
        return "the header is cut short";
    std::size_t pos = kHeaderPrefix;
    int offset = 1;
    while (pos < header.headerLength && p[pos] != kHeaderEnd) {
        if (pos + kFieldDescriptor > header.headerLength)
            return "the field list has no end marker before the header ends";
        FieldDef f;
        std::string problem = ParseDescriptor(p + pos, f);
        if (!problem.empty()) {
            if (badField != nullptr)
                *badField = f.name;
            return problem;
        }
        f.offset = offset;
        offset += f.width;
        header.fields.push_back(f);
        pos += kFieldDescriptor;
    }
    if (pos >= header.headerLength)
        return "the field list has no end marker";
    if (header.fields.empty())
        return "the table has no fields";
    if (static_cast<std::uint32_t>(offset) != header.recordLength)
        return sys::Format("the record length %u does not match the fields (%d)",
                           header.recordLength, offset);
    std::uint64_t needed =
        header.headerLength + std::uint64_t(header.recordCount) * header.recordLength;
    if (needed > fileLength)
        return sys::Format(
            "the file is truncated: the header counts %u records, the file holds %llu",
            header.recordCount,
            static_cast<unsigned long long>((fileLength - header.headerLength) /
                                            header.recordLength));
    return "";
}

}  // namespace tables
