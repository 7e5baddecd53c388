// The table tool: CSV reading, schema reading, and the errors that must fail a build.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"
#include "tools/dbfmake/csv_reader.h"
#include "tools/dbfmake/schema_file.h"

namespace {

using dbfmake::ParseCsv;
using tables_test::RunCommand;
using tables_test::ScratchFolder;
using tables_test::WriteBytes;

std::vector<std::vector<std::string>> Cells(const std::string& text) {
    std::vector<std::vector<std::string>> out;
    for (const auto& row : ParseCsv(text))
        out.push_back(row.cells);
    return out;
}

TEST(CsvReader, QuotedCellsLineEndsAndBlankLines) {
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Cells("a,b\n1,2\n"), (Rows{{"a", "b"}, {"1", "2"}}));
    EXPECT_EQ(Cells("\xEF\xBB\xBF"
                    "a,b\r\n1,\r\n\r\n,2"),
              (Rows{{"a", "b"}, {"1", ""}, {"", "2"}}));
    EXPECT_EQ(Cells("a\n\"x, \"\"y\"\"\nz\"\n"), (Rows{{"a"}, {"x, \"y\"\nz"}}));
    EXPECT_EQ(Cells("a,b\n\"\",\"\"\n"), (Rows{{"a", "b"}, {"", ""}}));
    auto rows = ParseCsv("h\n\"two\nlines\"\nnext\n");
    EXPECT_EQ(rows[2].line, 4);  // lines inside quotes are counted
    EXPECT_THROW(ParseCsv("a\n\"never closed\n"), std::runtime_error);
    EXPECT_THROW(ParseCsv("\"a\"b\n"), std::runtime_error);
}

TEST(SchemaReader, FieldsCommentsAndFaults) {
    auto fields = dbfmake::ParseSchema("# facilities\n\nnpdes C 9 0\nFLOW N 12 4\nOK L 1\n");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].name, "NPDES");
    EXPECT_EQ(fields[1].decimals, 4);
    EXPECT_EQ(fields[2].type, tables::FieldType::Logical);
    for (const char* bad :
         {"A X 1 0", "A C", "A C wide 0", "A N 5 4", "A D 6 0", "TOOLONGNAME1 C 1 0",
          "_0Q5_50_ABC N 5 0", "A-B C 1 0", "A.B C 1 0", "A C 255 0"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(dbfmake::ParseSchema(bad), std::runtime_error);
    }
}

TEST(SchemaReader, NamesMayStartWithAnUnderscoreOrADigit) {
    auto fields = dbfmake::ParseSchema("_0q5_50 N 14 4\n_ C 1\n1A C 1\n0123456789 L 1\n");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0].name, "_0Q5_50");
    EXPECT_EQ(fields[1].name, "_");
    EXPECT_EQ(fields[2].name, "1A");
    EXPECT_EQ(fields[3].name, "0123456789");
}

class DbfmakeTool : public ::testing::Test {
  protected:
    std::string Run(const std::string& schema, const std::string& csv, int& status) {
        WriteBytes(folder_.Path("s.txt"), schema);
        WriteBytes(folder_.Path("c.csv"), csv);
        return RunCommand(std::string(OMBRIX_BUILD_DIR) + "/tools/dbfmake/dbfmake --schema " +
                              folder_.Path("s.txt") + " --csv " + folder_.Path("c.csv") +
                              " --out " + folder_.Path("out.dbf") + " 2>&1",
                          &status);
    }
    ScratchFolder folder_;
};

TEST_F(DbfmakeTool, BuildsTheTableWithColumnsInAnyOrder) {
    int status = -1;
    std::string out = Run("NAME C 8\nFLOW N 9 3\nOK L 1\nNOTE M 10\nDAY D 8\n",
                          "ok,FLOW,NAME,NOTE\nT,1.5,\"a, b\",\"memo\ntext\"\n,,,\n", status);
    ASSERT_EQ(status, 0) << out;
    tables::Table table;
    table.Open(folder_.Path("out.dbf"));
    EXPECT_EQ(table.AsString("NAME"), "a, b");
    EXPECT_EQ(table.AsFloat("FLOW"), 1.5);
    EXPECT_TRUE(table.AsBoolean("OK"));
    EXPECT_EQ(table.AsString("NOTE"), "memo\ntext");
    EXPECT_TRUE(table.IsNull("DAY"));  // not in the CSV
    table.Next();
    EXPECT_TRUE(table.IsNull("FLOW"));
    EXPECT_TRUE(table.IsNull("OK"));
}

// Underscore names (as the industry-category statistics have them) are made as written and
// read back under those names by us and by dbfread.
TEST_F(DbfmakeTool, UnderscoreNamesReachTheFileAsWritten) {
    int status = -1;
    std::string out = Run("SIC C 8\n_0Q5_50 N 14 4\n_Q10_10 N 14 4\nNOTE M 10\n",
                          "SIC,_0Q5_50,_q10_10,NOTE\nPaper,696.5684,99.9033,x\n", status);
    ASSERT_EQ(status, 0) << out;
    EXPECT_TRUE(std::filesystem::exists(folder_.Path("out.dbt")));
    tables::Table table;
    table.Open(folder_.Path("out.dbf"));
    EXPECT_EQ(table.Fields()[1].name, "_0Q5_50");
    EXPECT_EQ(table.AsFloat("_0Q5_50"), 696.5684);
    EXPECT_EQ(table.AsFloat("_Q10_10"), 99.9033);
    table.Close();
    std::string read = RunCommand("/usr/bin/python3 " OMBRIX_SOURCE_DIR
                                  "/tests/platform/tables/read_with_dbfread.py " +
                                      folder_.Path("out.dbf") + " 2>&1",
                                  &status);
    EXPECT_EQ(status, 0) << read;
    EXPECT_EQ(read, R"({"NOTE": "x", "SIC": "Paper", "_0Q5_50": 696.5684, "_Q10_10": 99.9033})"
                    "\n");
}

TEST_F(DbfmakeTool, FaultsFailWithFileLineAndField) {
    struct Fault {
        const char* csv;
        const char* message;
    } faults[] = {
        {"NAME,FLOW\nok,1\ntoo long!,2\n", "line 3, field NAME"},
        {"NAME,FLOW\nok,12345.5\n", "line 2, field FLOW"},  // 7 wide, field holds 6
        {"NAME,FLOW\nok,1.2345\n", "more decimals"},        // would lose digits
        {"NAME,FLOW\nok,abc\n", "not a number"},
        {"NAME,FLOW,OK\nok,1,maybe\n", "field OK"},
        {"NAME,WHAT\nok,1\n", "'WHAT' is not a field"},
        {"NAME,FLOW\nok\n", "line 2: the row has 1 cells"},
        {"NAME\n\"\xE2\x82\xAC\xE2\x98\x83\"\n", "Windows-1252"},  // the snowman has no place there
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.csv);
        int status = 0;
        std::string out = Run("NAME C 8\nFLOW N 6 2\nOK L 1\n", fault.csv, status);
        EXPECT_NE(status, 0);
        EXPECT_NE(out.find("c.csv"), std::string::npos) << out;
        EXPECT_NE(out.find(fault.message), std::string::npos) << out;
        EXPECT_FALSE(std::filesystem::exists(folder_.Path("out.dbf")));
    }
    int status = 0;
    std::string out = Run("NAME C 8\nFLOW Q 6 2\n", "NAME\n", status);
    EXPECT_NE(status, 0);
    EXPECT_NE(out.find("s.txt: line 2"), std::string::npos) << out;
}

}  // namespace
