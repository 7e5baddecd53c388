// Reads of a browsed row on the way of a walk: numbers and text read as the general way and
// strtod read them, malformed fields fail with the general way's message, and rows of every
// length come out of the walk byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/tables/create.h"
#include "platform/tables/error.h"
#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::FieldDef;
using tables::FieldType;
using tables::Table;
using tables::TableError;
using tables_test::ScratchFolder;

// A table whose rows hold the given bytes in its fields, exactly as given (each cell is as wide
// as its field).
void MakeRawTable(const std::string& path, std::vector<FieldDef> fields,
                  const std::vector<std::vector<std::string>>& cells) {
    tables::LayOutFields(fields);
    std::vector<tables::NewRow> rows;
    for (const auto& row : cells) {
        std::string bytes = tables::BlankRecord(fields);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            EXPECT_EQ(row[f].size(), std::size_t(fields[f].width)) << row[f];
            bytes.replace(std::size_t(fields[f].offset), row[f].size(), row[f]);
        }
        rows.push_back({bytes, {}});
    }
    tables::WriteNewTable(path, fields, tables::DbfVersion::DBase3, rows);
}

// The text strtod is given: the field without the blanks and zero bytes around it.
std::string Trimmed(const std::string& field) {
    const std::string blanks(" \0", 2);
    std::size_t begin = field.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return "";
    return field.substr(begin, field.find_last_not_of(blanks) - begin + 1);
}

struct NumberCase {
    std::string field;  // the bytes as stored
    bool valid;         // a number (blank and asterisks read as 0); else the read fails
};

// Each layout's cases sit in one number field after a text field, one row each. A valid field
// reads as strtod reads its text (blank and asterisks as 0), to the sign of zero, both while the
// row is browsed and from the edit buffer; a malformed one fails naming its text.
TEST(ScanReads, NumbersReadAsStrtodReadsThemAndMalformedOnesFail) {
    const std::string zeros(4, '\0');
    struct Layout {
        int width;
        int decimals;
        std::vector<NumberCase> cases;
    } layouts[] = {
        {12,
         3,
         {{"       0.000", true},
          {"      -0.000", true},
          {"   -1234.500", true},
          {"99999999.999", true},  // eight digits before the point and three after
          {"-9999999.999", true},
          {"    4986.500", true},
          {zeros + "   1.250", true},  // zero bytes before the number read as blanks
          {"       0.001", true},
          {"  12.5      ", true},  // not at the field's point: read the general way
          {"     +12.500", true},
          {"     1.5E+03", true},
          {"       -.500", true},
          {"            ", true},
          {"************", true},
          {"     1 2.500", false},
          {"   --12.500 ", false},
          {"    12.5-00 ", false},
          {"    1\xA0"
           "23.500",
           false}}},
        {16,
         7,
         {{"       0.1234567", true},
          {"-1234567.0000001", true},
          {"12345678.1234567", true},  // fifteen digits
          {"      -0.0000000", true},
          {"       1.5      ", true},
          {"      1.2.345678", false}}},
        {8,
         0,
         {{"       0", true},
          {"      -0", true},
          {"12345678", true},
          {"-1234567", true},
          {"    42  ", true},
          {"   4 2  ", false}}},
        {6, 1, {{"  -0.0", true}, {" 123.4", true}, {"  1.25", true}, {" 1-2.3", false}}},
    };
    ScratchFolder folder;
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(testing::Message() << "N " << layout.width << " " << layout.decimals);
        std::string path = folder.Path("numbers.dbf");
        std::vector<std::vector<std::string>> cells;
        for (const NumberCase& c : layout.cases)
            cells.push_back({"abc", c.field});
        MakeRawTable(path,
                     {{"PAD", FieldType::Character, 3, 0, 0},
                      {"AMOUNT", FieldType::Numeric, layout.width, layout.decimals, 0}},
                     cells);
        Table table;
        table.Open(path);
        for (const NumberCase& c : layout.cases) {
            SCOPED_TRACE("[" + c.field + "]");
            ASSERT_FALSE(table.Eof());
            std::string text = Trimmed(c.field);
            if (!c.valid) {
                try {
                    table.AsFloat("AMOUNT");
                    ADD_FAILURE() << "read as a number";
                } catch (const TableError& error) {
                    EXPECT_EQ(error.Field(), "AMOUNT");
                    EXPECT_NE(std::string(error.what()).find("is not a valid number"),
                              std::string::npos)
                        << error.what();
                }
                table.Next();
                continue;
            }
            bool zero = text.empty() || text.find_first_not_of('*') == std::string::npos;
            double expected = zero ? 0 : std::strtod(text.c_str(), nullptr);
            double browsed = table.AsFloat("AMOUNT");
            EXPECT_EQ(browsed, expected);
            EXPECT_EQ(std::signbit(browsed), std::signbit(expected));
            table.Edit();  // the same field from the edit buffer, the general way
            double edited = table.AsFloat("AMOUNT");
            table.Cancel();
            EXPECT_EQ(edited, expected);
            EXPECT_EQ(std::signbit(edited), std::signbit(expected));
            table.Next();
        }
        EXPECT_TRUE(table.Eof());
    }
}

// The text padded with `fill` to the width.
std::string Padded(const std::string& text, std::size_t width, char fill = ' ') {
    return text + std::string(width - text.size(), fill);
}

// Short plain text is copied out of the row in one piece; text of 16 bytes and more, Windows-1252
// letters and a field too near the record's end for that go the general way. Both give the field
// without its trailing blanks and zero bytes, in UTF-8.
TEST(ScanReads, TextReadsTheSameWhicheverWayItTakes) {
    const std::string nul(1, '\0');
    struct TextCase {
        std::string key, city, tail;  // as stored, before padding to 10, 20 and 12 bytes
        std::string keyText, cityText, tailText;  // as read
        char fill = ' ';
    } cases[] = {
        {"ABC", "exactly 15 char", "tail", "ABC", "exactly 15 char", "tail"},
        {"", "", "", "", "", ""},
        {"0123456789", "sixteen chars ok", "twelve chars", "0123456789", "sixteen chars ok",
         "twelve chars"},
        {"Caf\xE9", "M\xFCnchen", "\xC0 la", "Caf\xC3\xA9", "M\xC3\xBCnchen", "\xC3\x80 la"},
        {"a" + nul + "b", "  lead", "x", "a" + nul + "b", "  lead", "x"},
        {"", "zeros after", "z", "", "zeros after", "z", '\0'},
    };
    ScratchFolder folder;
    std::string path = folder.Path("text.dbf");
    std::vector<std::vector<std::string>> cells;
    for (const TextCase& c : cases)
        cells.push_back(
            {Padded(c.key, 10, c.fill), Padded(c.city, 20, c.fill), Padded(c.tail, 12, c.fill)});
    MakeRawTable(path,
                 {{"KEY", FieldType::Character, 10, 0, 0},
                  {"CITY", FieldType::Character, 20, 0, 0},
                  {"TAIL", FieldType::Character, 12, 0, 0}},
                 cells);
    Table table;
    table.Open(path);
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.keyText + "|" + c.cityText + "|" + c.tailText);
        ASSERT_FALSE(table.Eof());
        EXPECT_EQ(table.AsString("KEY"), c.keyText);
        EXPECT_EQ(table.AsString("CITY"), c.cityText);
        EXPECT_EQ(table.AsString("TAIL"), c.tailText);
        table.Edit();
        EXPECT_EQ(table.AsString("KEY"), c.keyText);
        EXPECT_EQ(table.AsString("CITY"), c.cityText);
        EXPECT_EQ(table.AsString("TAIL"), c.tailText);
        table.Cancel();
        table.Next();
    }
    EXPECT_TRUE(table.Eof());
}

// Records of many lengths, around the widths the copy moves at a time and beyond a page: walked
// forwards and backwards, every row reads back byte for byte.
TEST(ScanReads, RowsOfEveryLengthComeOutOfAWalkByteForByte) {
    std::vector<int> lengths;
    for (int length = 2; length <= 70; ++length)
        lengths.push_back(length);
    for (int length : {95, 96, 97, 127, 128, 129, 317, 511, 512, 513, 4095, 4096, 4097, 5000})
        lengths.push_back(length);
    ScratchFolder folder;
    for (int length : lengths) {
        SCOPED_TRACE(length);
        std::vector<FieldDef> fields;
        for (int left = length - 1, n = 0; left > 0; left -= 250, ++n)
            fields.push_back(
                {"F" + std::to_string(n), FieldType::Character, std::min(left, 250), 0, 0});
        std::vector<std::vector<std::string>> cells;
        std::vector<std::string> records;
        for (int row = 0; row < 3; ++row) {
            std::string record = " ";
            std::vector<std::string> rowCells;
            for (const FieldDef& field : fields) {
                std::string cell;
                for (int i = 0; i < field.width; ++i)
                    cell += char('A' + (int(record.size()) + i) * 7 % 26 + row);
                record += cell;
                rowCells.push_back(cell);
            }
            cells.push_back(rowCells);
            records.push_back(record);
        }
        std::string path = folder.Path("rows.dbf");
        MakeRawTable(path, fields, cells);
        Table table;
        table.Open(path);
        for (int row = 0; row < 3; ++row, table.Next())
            ASSERT_EQ(table.RecordBytes(), records[std::size_t(row)]) << row;
        EXPECT_TRUE(table.Eof());
        table.Last();
        for (int row = 2; row >= 0; --row, table.Prior())
            ASSERT_EQ(table.RecordBytes(), records[std::size_t(row)]) << row;
        EXPECT_TRUE(table.Bof());
    }
}

}  // namespace
