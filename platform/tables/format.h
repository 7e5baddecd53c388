// The .dbf file layout: field definitions, the header, and reading and writing it as bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tables {

enum class FieldType : char {
    Character = 'C',
    Numeric = 'N',
    Float = 'F',
    Logical = 'L',
    Date = 'D',
    Memo = 'M',
};

struct FieldDef {
    std::string name;  // upper case, at most 10 characters
    FieldType type = FieldType::Character;
    int width = 1;
    int decimals = 0;
    int offset = 0;  // position in the record, after the deletion flag
};

enum class DbfVersion { DBase3, DBase4 };

struct DbfHeader {
    std::uint8_t versionByte = 0x03;
    std::uint32_t recordCount = 0;
    std::uint32_t headerLength = 0;
    std::uint32_t recordLength = 0;
    std::vector<FieldDef> fields;

    bool HasMemo() const;
    // dBASE IV memo blocks (with a block header) rather than dBASE III ones.
    bool Dbase4Memo() const { return versionByte == 0x8B; }
};

constexpr std::size_t kHeaderPrefix = 32;
constexpr std::size_t kFieldDescriptor = 32;
constexpr char kEndOfFile = 0x1A;

// Checks one field definition (name, type, width and decimals for its type); returns the
// reason it is not valid, or "" when it is.
std::string FieldDefProblem(const FieldDef& field);

// Builds the header bytes of a new table: version, today's date, counts, descriptors, terminator.
// Offsets of the fields are filled in.
std::string BuildHeader(std::vector<FieldDef>& fields, DbfVersion version, std::uint32_t count);

// Parses the fixed 32-byte prefix and the descriptors. Returns the reason when the bytes are
// not a dBASE table header ("" on success); a field whose type or width cannot be is named in
// *badField. fileLength is used to check that the header fits.
std::string ParseHeader(std::string_view bytes, std::uint64_t fileLength, DbfHeader& header,
                        std::string* badField = nullptr);

// Today's date as the three header bytes (years since 1900, month, day).
void StampDate(unsigned char out[3]);

inline std::uint32_t ReadU32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t ReadU16(const unsigned char* p);
void WriteU32(unsigned char* p, std::uint32_t value);
void WriteU16(unsigned char* p, std::uint16_t value);

}  // namespace tables
