// Reading and writing single field values inside a record's bytes.
#pragma once

#include <cstdint>
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

// An empty dBASE field: all blanks (or zeros), a logical of '?' or blank, a memo with no block.
bool FieldIsBlank(std::string_view raw, const FieldDef& field);

// Text of a text field: trailing blanks dropped, Windows-1252 turned into UTF-8.
std::string DecodeText(std::string_view raw);
// A number written as text (blanks around it allowed); false when it is not a number.
bool DecodeNumber(std::string_view raw, double& value);
// T/t/Y/y true, F/f/N/n false, anything else none.
std::optional<bool> DecodeLogical(std::string_view raw);
// The memo block number a memo field points at; 0 when none. False when it is not a number.
bool DecodeMemoBlock(std::string_view raw, std::uint32_t& block);

// Encoders fill `out` with exactly field.width bytes. They return the reason the value does not
// fit ("" on success); `out` is then unspecified.
std::string EncodeText(const FieldDef& field, std::string_view utf8, std::string& out);
std::string EncodeNumber(const FieldDef& field, double value, std::string& out);
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

}  // namespace tables
