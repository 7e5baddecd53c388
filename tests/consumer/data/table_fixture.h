// Small tables made for a test through the table layer's own calls.
#pragma once

#include <string>
#include <vector>

#include "platform/tables/create.h"
#include "platform/tables/dbi.h"

namespace consumer_test {

inline tables::FieldDef Field(const std::string& name, char type, int width, int decimals = 0) {
    tables::FieldDef field;
    field.name = name;
    field.type = static_cast<tables::FieldType>(type);
    field.width = width;
    field.decimals = decimals;
    return field;
}

// Writes folder/name.dbf with the fields and rows (cells as text; fewer cells leave blanks).
inline void MakeTable(const std::string& folder, const std::string& name,
                      std::vector<tables::FieldDef> fields,
                      const std::vector<std::vector<std::string>>& rows) {
    using namespace tables::dbi;
    tables::WriteNewTable(folder + "/" + name + ".dbf", fields, tables::DbfVersion::DBase4);
    DbiInitFn();
    DatabaseHandle database = nullptr;
    DbiOpenDatabase("", "", OpenMode::ReadWrite, ShareMode::Shared, "", database);
    DbiSetDirectory(database, folder);
    CursorHandle cursor = nullptr;
    DbiOpenTable(database, name, "DBASE", "", "", 0, OpenMode::ReadWrite, ShareMode::Shared,
                 cursor);
    for (const auto& row : rows) {
        RecordBuffer record;
        DbiInitRecord(cursor, record);
        for (size_t i = 0; i < row.size(); ++i) {
            DbiPutField(cursor, static_cast<unsigned>(i + 1), record, row[i]);
        }
        DbiAppendRecord(cursor, record);
    }
    DbiCloseCursor(cursor);
    DbiCloseDatabase(database);
    DbiExit();
}

}  // namespace consumer_test
