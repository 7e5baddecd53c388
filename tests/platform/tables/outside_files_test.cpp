// Files other programs left behind: memo headers with a wrong next free block, field widths a
// type cannot have, and blank dates written as zeros.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables::TableError;
using tables_test::MakeTable;
using tables_test::ReadBytes;
using tables_test::ScratchFolder;
using tables_test::WriteBytes;

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

struct MemoHeader {
    const char* name;
    std::string next;  // the four header bytes another program left
};

class WrongNextFreeBlock : public ::testing::TestWithParam<MemoHeader> {};

// The memo goes at the end of the file, whatever the header says: never into the sparse far end
// of the file, never over the header or another row's memo.
TEST_P(WrongNextFreeBlock, TheNextMemoGoesAtTheEndOfTheFile) {
    ScratchFolder folder;
    std::string dbf = folder.Path("notes.dbf");
    std::string dbt = folder.Path("notes.dbt");
    MakeTable(dbf, "NAME C 10\nNOTE M 10\n", {{"one", "first note"}, {"two", "second note"}});
    std::string memo = ReadBytes(dbt);
    ASSERT_EQ(memo.size(), 3u * 512);
    WriteBytes(dbt, GetParam().next + memo.substr(4));

    Table table;
    table.Open(dbf);
    table.Append();
    table.SetString("NAME", "three");
    table.SetString("NOTE", "third note");
    table.Post();
    table.Close();

    std::string after = ReadBytes(dbt);
    EXPECT_EQ(after.size(), 4u * 512);
    EXPECT_EQ(U32At(after, 0), 4u);  // the header points past the new memo
    table.Open(dbf);
    for (const char* note : {"first note", "second note", "third note"}) {
        EXPECT_EQ(table.AsString("NOTE"), note);
        table.Next();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, WrongNextFreeBlock,
    ::testing::Values(MemoHeader{"Blanks", "    "},
                      MemoHeader{"AllOnes", std::string("\xFF\xFF\xFF\xFF", 4)},
                      MemoHeader{"TheFirstMemo", std::string("\x01\x00\x00\x00", 4)},
                      MemoHeader{"PastTheEnd", std::string("\x09\x00\x00\x00", 4)}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

struct WrongWidth {
    const char* name;
    const char* schema;  // the table as made
    std::size_t field;   // the descriptor to change (0-based)
    unsigned width;      // the width another program declared
    unsigned decimals;
    const char* fieldName;  // the field the error names
};

// Declared widths that a field's type cannot have are refused when the table opens: a date
// declared 6 wide once let the date encoder write 8 bytes over its neighbour.
const WrongWidth kWrongWidths[] = {
    {"DateSixWide", "WHEN D 8\nKEEP C 10\n", 0, 6, 0, "WHEN"},
    {"LogicalTwoWide", "OK L 1\n", 0, 2, 0, "OK"},
    {"MemoFourWide", "NOTE M 10\nNAME C 4\n", 0, 4, 0, "NOTE"},
    {"NumberTooWide", "VALUE N 10 2\n", 0, 30, 2, "VALUE"},
    {"DecimalsPastTheWidth", "VALUE N 10 2\n", 0, 4, 5, "VALUE"},
    {"TextNoWide", "NAME C 10\n", 0, 0, 0, "NAME"},
};

class FieldWidthFromAFile : public ::testing::TestWithParam<WrongWidth> {};

TEST_P(FieldWidthFromAFile, IsRefusedNamingTheFileAndField) {
    const WrongWidth& c = GetParam();
    ScratchFolder folder;
    std::string dbf = folder.Path("widths.dbf");
    MakeTable(dbf, c.schema, {});
    std::string bytes = ReadBytes(dbf);
    std::size_t descriptor = 32 + 32 * c.field;
    unsigned before = static_cast<unsigned char>(bytes[descriptor + 16]);
    bytes[descriptor + 16] = char(c.width);
    bytes[descriptor + 17] = char(c.decimals);
    unsigned length = static_cast<unsigned char>(bytes[10]) + before;  // keep lengths agreeing
    length = length - before + c.width;
    bytes[10] = char(length & 0xFF);
    bytes[11] = char(length >> 8);
    WriteBytes(dbf, bytes);

    Table table;
    try {
        table.Open(dbf);
        FAIL() << "opened";
    } catch (const TableError& error) {
        EXPECT_EQ(error.Field(), c.fieldName) << error.what();
        EXPECT_NE(std::string(error.what()).find("widths.dbf"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(table.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldWidthFromAFile, ::testing::ValuesIn(kWrongWidths),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(DatesFromOtherPrograms, ZerosReadAsABlankDate) {
    ScratchFolder folder;
    std::string dbf = folder.Path("dates.dbf");
    MakeTable(dbf, "WHEN D 8\nNAME C 4\n", {{"20240229", "leap"}, {"", "none"}});
    std::string bytes = ReadBytes(dbf);
    std::size_t second = 32 + 2 * 32 + 1 + 13;  // header, then one record of 1 + 8 + 4
    ASSERT_EQ(bytes.substr(second + 1, 8), "        ");
    bytes.replace(second + 1, 8, "00000000");
    WriteBytes(dbf, bytes);

    Table table;
    table.Open(dbf);
    EXPECT_FALSE(table.IsNull("WHEN"));
    EXPECT_EQ(table.AsString("WHEN"), "20240229");
    table.Next();
    EXPECT_TRUE(table.IsNull("WHEN"));
    EXPECT_EQ(table.AsString("WHEN"), "");
    EXPECT_EQ(table.AsFloat("WHEN"), 0);
}

}  // namespace
