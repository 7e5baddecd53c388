// Making a table from a schema file and a CSV file.
#pragma once

#include <string>

#include "platform/tables/format.h"

namespace dbfmake {

// Reads the schema and the CSV (first row: field names of the schema, in any order; schema
// fields the CSV lacks stay blank) and writes the table, with its memo file when it has memo
// fields. Throws std::runtime_error naming the file, the line and the field of the first fault;
// nothing is written then.
void MakeTable(const std::string& schemaPath, const std::string& csvPath,
               const std::string& outPath, tables::DbfVersion version);

}  // namespace dbfmake
