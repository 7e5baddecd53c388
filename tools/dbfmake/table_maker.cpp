// Making a table from a schema file and a CSV file.
#include "tools/dbfmake/table_maker.h"

#include <stdexcept>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "platform/tables/create.h"
#include "platform/tables/error.h"
#include "platform/tables/field_codec.h"
#include "tools/dbfmake/csv_reader.h"
#include "tools/dbfmake/schema_file.h"

namespace dbfmake {
namespace {

std::string ReadFile(const std::string& path) {
    auto text = sys::ReadWholeFile(path);
    if (!text)
        throw std::runtime_error(path + ": cannot be read");
    return *text;
}

// For each CSV column, the schema field it fills.
std::vector<int> MapColumns(const std::vector<tables::FieldDef>& fields, const CsvRow& header,
                            const std::string& csvPath) {
    std::vector<int> columns;
    for (const std::string& cell : header.cells) {
        std::string name = sys::UpperCase(sys::Trim(cell));
        int found = -1;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].name == name)
                found = int(i);
        }
        if (found < 0)
            throw std::runtime_error(csvPath + ": line 1: the column '" + cell +
                                     "' is not a field of the schema");
        for (int earlier : columns) {
            if (earlier == found)
                throw std::runtime_error(csvPath + ": line 1: the column '" + cell +
                                         "' appears twice");
        }
        columns.push_back(found);
    }
    return columns;
}

// Text the Windows-1252 code page cannot hold would be changed on the way in; refuse it.
std::string Cp1252Text(const std::string& utf8, const std::string& where) {
    std::string bytes = sys::Utf8ToCp1252(utf8);
    if (sys::Cp1252ToUtf8(bytes) != utf8)
        throw std::runtime_error(where +
                                 ": the text holds characters that Windows-1252 cannot hold");
    return bytes;
}

tables::NewRow MakeRow(const std::vector<tables::FieldDef>& fields, const std::vector<int>& columns,
                       const CsvRow& row, const std::string& csvPath) {
    std::string at = csvPath + ": line " + std::to_string(row.line);
    if (row.cells.size() != columns.size())
        throw std::runtime_error(at + ": the row has " + std::to_string(row.cells.size()) +
                                 " cells, the header " + std::to_string(columns.size()));
    tables::NewRow out;
    out.bytes = tables::BlankRecord(fields);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const tables::FieldDef& field = fields[std::size_t(columns[c])];
        std::string where = at + ", field " + field.name;
        std::string text = Cp1252Text(row.cells[c], where);
        if (field.type == tables::FieldType::Memo) {
            out.memos[columns[c]] = text;
            continue;
        }
        std::string bytes;
        std::string problem = tables::EncodeFromText(field, row.cells[c], bytes);
        if (!problem.empty())
            throw std::runtime_error(where + ": " + problem);
        out.bytes.replace(std::size_t(field.offset), bytes.size(), bytes);
    }
    return out;
}

}  // namespace

void MakeTable(const std::string& schemaPath, const std::string& csvPath,
               const std::string& outPath, tables::DbfVersion version) {
    std::vector<tables::FieldDef> fields;
    try {
        fields = ParseSchema(ReadFile(schemaPath));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(schemaPath + ": " + error.what());
    }
    tables::LayOutFields(fields);
    std::vector<CsvRow> rows;
    try {
        rows = ParseCsv(ReadFile(csvPath));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(csvPath + ": " + error.what());
    }
    if (rows.empty())
        throw std::runtime_error(csvPath + ": the file has no header row");
    std::vector<int> columns = MapColumns(fields, rows.front(), csvPath);
    std::vector<tables::NewRow> records;
    for (std::size_t r = 1; r < rows.size(); ++r)
        records.push_back(MakeRow(fields, columns, rows[r], csvPath));
    tables::WriteNewTable(outPath, fields, version, records);
}

}  // namespace dbfmake
