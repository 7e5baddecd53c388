// Writing a new table (and its memo file) in one go.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/tables/format.h"

namespace tables {

// One row of a new table: its record bytes (deletion flag first, memo fields left blank) and
// the Windows-1252 text of its memo fields by field position.
struct NewRow {
    std::string bytes;
    std::map<int, std::string> memos;
};

// A blank record for the fields (offsets must be set, as BuildHeader does).
std::string BlankRecord(const std::vector<FieldDef>& fields);

// Writes the table (and a memo file beside it when a field is a memo), replacing files of that
// name only once the new ones are complete. Field definitions are checked first. Throws
// TableError naming the file and the cause.
void WriteNewTable(const std::string& path, std::vector<FieldDef> fields, DbfVersion version,
                   const std::vector<NewRow>& rows = {});

// Field offsets for a field list, as they will be laid out in the record.
void LayOutFields(std::vector<FieldDef>& fields);

}  // namespace tables
