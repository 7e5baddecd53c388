// The table component: field access and its null rules, navigation, editing and its errors.
#include "platform/tables/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/tables/memo_file.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables::TableError;
using tables_test::MakeTable;
using tables_test::ScratchFolder;

const char* kMixedSchema =
    "NAME C 10 0\n"
    "QTY N 8 2\n"
    "RATE F 12 4\n"
    "OK L 1 0\n"
    "DAY D 8 0\n"
    "NOTE M 10 0\n";

class MixedTable : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = folder_.Path("mixed.dbf");
        MakeTable(path_, kMixedSchema,
                  {{"Café", "2.70", "-2.7", "T", "20040105", "first memo"},
                   {"", "", "", "", "", ""},
                   {"letters", "-2.70", "0.125", "F", "", "x"}});
        table_.Open(path_);
    }
    ScratchFolder folder_;
    std::string path_;
    Table table_;
};

TEST_F(MixedTable, ReadsEveryTypeAndTheNullRules) {
    EXPECT_EQ(table_.AsString("NAME"), "Café");  // Windows-1252 in the file, UTF-8 here
    EXPECT_DOUBLE_EQ(table_.AsFloat("QTY"), 2.7);
    EXPECT_EQ(table_.AsInteger("QTY"), 2);
    EXPECT_EQ(table_.AsInteger("RATE"), -2);  // cut toward zero
    EXPECT_TRUE(table_.AsBoolean("OK"));
    EXPECT_EQ(table_.AsString("DAY"), "20040105");
    EXPECT_EQ(table_.AsString("NOTE"), "first memo");
    EXPECT_EQ(table_.AsString("qty"), "2.7");  // names match without regard to case

    table_.Next();
    for (const char* name : {"NAME", "QTY", "RATE", "OK", "DAY", "NOTE"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(table_.IsNull(name));
        EXPECT_EQ(table_.AsString(name), "");
    }
    EXPECT_EQ(table_.AsFloat("QTY"), 0);
    EXPECT_EQ(table_.AsInteger("QTY"), 0);
    EXPECT_FALSE(table_.AsBoolean("OK"));

    table_.Next();
    EXPECT_EQ(table_.AsInteger("QTY"), -2);
    EXPECT_FALSE(table_.AsBoolean("OK"));
    EXPECT_FALSE(table_.IsNull("OK"));
}

TEST_F(MixedTable, ConversionAndNameErrorsNameTheFileAndField) {
    table_.Last();
    try {
        table_.AsFloat("NAME");  // "letters"
        FAIL() << "no error";
    } catch (const TableError& error) {
        EXPECT_EQ(error.Field(), "NAME");
        EXPECT_NE(std::string(error.what()).find("mixed.dbf"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("letters"), std::string::npos);
    }
    try {
        table_.AsString("NOSUCH");
        FAIL() << "no error";
    } catch (const TableError& error) {
        EXPECT_EQ(error.Field(), "NOSUCH");
        EXPECT_NE(std::string(error.what()).find("mixed.dbf"), std::string::npos);
    }
    EXPECT_THROW(table_.SetString("NAME", "x"), TableError);  // not in edit state
}

TEST_F(MixedTable, TooWideValuesAreRefusedAndLeaveTheFieldAsItWas) {
    table_.Edit();
    EXPECT_THROW(table_.SetString("NAME", "eleven char"), TableError);
    EXPECT_THROW(table_.SetInteger("QTY", 123456789), TableError);  // 9 digits, 8 wide
    EXPECT_THROW(table_.SetFloat("QTY", std::nan("")), TableError);
    EXPECT_THROW(table_.SetString("QTY", "abc"), TableError);
    EXPECT_THROW(table_.SetString("DAY", "2004-01-05"), TableError);
    EXPECT_EQ(table_.AsString("NAME"), "Café");
    EXPECT_DOUBLE_EQ(table_.AsFloat("QTY"), 2.7);
    table_.SetString("NAME", "ten chars!");
    table_.SetFloat("QTY", 12345.678);  // rounds to the field's two decimals
    table_.Post();
    Table again;
    again.Open(path_);
    EXPECT_EQ(again.AsString("NAME"), "ten chars!");
    EXPECT_EQ(again.AsString("QTY"), "12345.68");
}

TEST_F(MixedTable, TextWindows1252CannotHoldIsRefusedNamingTheField) {
    table_.Edit();
    for (const char* name : {"NAME", "NOTE"}) {
        try {
            table_.SetString(name, "\xCE\xA9mega");  // "Ωmega"
            FAIL() << name << " took it";
        } catch (const TableError& error) {
            EXPECT_EQ(error.Field(), name);
            EXPECT_NE(std::string(error.what()).find("\xCE\xA9"), std::string::npos)
                << error.what();
        }
    }
    EXPECT_THROW(table_.SetString("NAME", "bad\xFF"), TableError);  // not UTF-8 at all
    table_.Post();
    Table again;
    again.Open(path_);
    EXPECT_EQ(again.AsString("NAME"), "Café");  // what Windows-1252 holds is stored as ever
    EXPECT_EQ(again.AsString("NOTE"), "first memo");
}

TEST_F(MixedTable, EditPostCancelAndAppend) {
    table_.Edit();
    EXPECT_EQ(table_.State(), tables::TableState::Edit);
    table_.SetString("NAME", "changed");
    table_.Cancel();
    EXPECT_EQ(table_.AsString("NAME"), "Café");

    table_.Edit();
    table_.SetString("NOTE", "short");  // replaces a longer memo completely
    table_.SetBoolean("OK", false);
    table_.Next();  // moving posts a changed row
    EXPECT_EQ(table_.State(), tables::TableState::Browse);

    table_.Append();
    table_.SetString("NAME", "new");
    table_.SetInteger("QTY", 7);
    table_.SetString("NOTE", std::string(1500, 'm'));  // spans three memo blocks
    table_.Post();
    EXPECT_EQ(table_.RecNo(), 4u);
    EXPECT_EQ(table_.RecordCount(), 4u);

    Table again;
    again.Open(path_);
    EXPECT_EQ(again.AsString("NOTE"), "short");
    EXPECT_FALSE(again.AsBoolean("OK"));
    again.Last();
    EXPECT_EQ(again.AsString("NAME"), "new");
    EXPECT_EQ(again.AsString("QTY"), "7");
    EXPECT_EQ(again.AsString("NOTE"), std::string(1500, 'm'));
}

TEST_F(MixedTable, EmptyTableNeedsNoExclusiveOpenAndLeavesNoRows) {
    table_.EmptyTable();
    EXPECT_TRUE(table_.Eof());
    EXPECT_TRUE(table_.Bof());
    EXPECT_EQ(table_.RecordCount(), 0u);
    table_.Append();
    table_.SetString("NAME", "after");
    table_.Post();
    table_.First();
    EXPECT_EQ(table_.AsString("NAME"), "after");
    EXPECT_EQ(table_.RecordCount(), 1u);
}

class NumberedTable : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::vector<std::string>> rows;
        for (int i = 1; i <= 36; ++i)
            rows.push_back({std::to_string(i)});
        MakeTable(folder_.Path("rows.dbf"), "N N 4 0\n", rows);
        table_.Open(folder_.Path("rows.dbf"));
    }
    ScratchFolder folder_;
    Table table_;
};

TEST_F(NumberedTable, WalkingAndMoveByStopAtTheEnds) {
    int seen = 0;
    for (table_.First(); !table_.Eof(); table_.Next())
        ++seen;
    EXPECT_EQ(seen, 36);
    EXPECT_EQ(table_.AsInteger("N"), 36);  // Next past the end stays on the last row

    table_.First();
    EXPECT_TRUE(table_.Bof());
    EXPECT_EQ(table_.MoveBy(39), 35);  // row 40 of 36 is row 36
    EXPECT_EQ(table_.AsInteger("N"), 36);
    EXPECT_TRUE(table_.Eof());
    EXPECT_EQ(table_.MoveBy(-5), -5);
    EXPECT_EQ(table_.AsInteger("N"), 31);
    EXPECT_FALSE(table_.Eof());
    table_.MoveBy(-100);
    EXPECT_EQ(table_.AsInteger("N"), 1);
    EXPECT_TRUE(table_.Bof());
    EXPECT_TRUE(table_.GoToRecord(12));
    EXPECT_EQ(table_.AsInteger("N"), 12);
    EXPECT_FALSE(table_.GoToRecord(37));
    EXPECT_EQ(table_.RecNo(), 12u);
}

TEST(EmptyTable, HasNeitherRowsNorCurrentRecord) {
    ScratchFolder folder;
    MakeTable(folder.Path("empty.dbf"), "K C 4 0\n", {});
    Table table;
    table.Open(folder.Path("empty.dbf"));
    EXPECT_TRUE(table.Eof());
    EXPECT_TRUE(table.Bof());
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecNo(), 0u);
    EXPECT_THROW(table.AsString("K"), TableError);
    table.SetIndex("K");
    table.FindNearest("A");
    EXPECT_TRUE(table.Eof());
    table.Edit();  // an empty table starts a new row
    EXPECT_EQ(table.State(), tables::TableState::Insert);
}

TEST(OpenModes, ExclusiveAndSharedOpenersExcludeEachOther) {
    ScratchFolder folder;
    std::string path = folder.Path("t.dbf");
    MakeTable(path, "K C 4 0\n", {{"a"}});
    Table shared;
    shared.Open(path);
    Table other;
    EXPECT_THROW(other.Open(path, true), TableError);
    other.Open(path);  // a second shared opener is fine
    shared.Close();
    other.Close();
    Table exclusive;
    exclusive.Open(path, true);
    EXPECT_THROW(shared.Open(path), TableError);
    EXPECT_THROW(shared.Open(folder.Path("missing.dbf")), TableError);
    // Only an exclusive opener may cut the file short: no one else has it mapped.
    exclusive.EmptyTable();
    EXPECT_EQ(std::filesystem::file_size(path), 32u + 32u + 1u + 1u);  // header and end mark
    exclusive.Close();
    EXPECT_EQ(tables_test::RunCommand("/usr/bin/python3 -c \"import dbfread,sys; "
                                      "print(len(list(dbfread.DBF(sys.argv[1]))))\" " +
                                      path),
              "0\n");
}

TEST(OpenModes, ARowBeingEditedCannotBeEditedByAnotherOpener) {
    ScratchFolder folder;
    std::string path = folder.Path("t.dbf");
    MakeTable(path, "K C 4 0\n", {{"a"}, {"b"}});
    Table first;
    Table second;
    first.Open(path);
    second.Open(path);
    first.Edit();
    EXPECT_THROW(second.Edit(), TableError);
    second.Next();
    second.Edit();  // another row is free
    second.Cancel();
    first.Cancel();
    second.First();
    second.Edit();
}

}  // namespace

namespace {

TEST(DeletedRows, AreSkippedByWalksSeeksAndPositioning) {
    ScratchFolder folder;
    std::string path = folder.Path("del.dbf");
    MakeTable(path, "K C 4 0\n", {{"a"}, {"b"}, {"c"}});
    // Another dBASE program marked record 2 deleted: the flag is the record's first byte.
    std::string bytes = tables_test::ReadBytes(path);
    std::size_t header = 32 + 32 + 1;
    bytes[header + 5] = '*';
    tables_test::WriteBytes(path, bytes);

    Table table;
    table.Open(path);
    std::string seen;
    for (table.First(); !table.Eof(); table.Next())
        seen += table.AsString("K");
    EXPECT_EQ(seen, "ac");
    EXPECT_EQ(table.RecordCount(), 3u);  // the file still holds three records
    EXPECT_FALSE(table.GoToRecord(2));
    table.SetIndex("K");
    table.FindNearest(std::string("b"));
    EXPECT_EQ(table.AsString("K"), "c");
    table.Prior();
    EXPECT_EQ(table.AsString("K"), "a");
}

// The memo file takes the table's name: only an extension of the file name itself is replaced.
TEST(MemoPath, ReplacesOnlyTheTablesOwnExtension) {
    EXPECT_EQ(tables::MemoPathOf("/no/such/nyr01.dbf"), "/no/such/nyr01.dbt");
    EXPECT_EQ(tables::MemoPathOf("/no/such.dir/nyr01"), "/no/such.dir/nyr01.dbt");
    EXPECT_EQ(tables::MemoPathOf("/no/such.dir/run.2.dbf"), "/no/such.dir/run.2.dbt");
}

}  // namespace
