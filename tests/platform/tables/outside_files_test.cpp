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

}  // namespace
