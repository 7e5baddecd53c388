// Tables we write read correctly with an independent reader (dbfread), and tables written by
// shapelib's command-line tools read correctly with ours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "platform/tables/create.h"
#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables_test::MakeTable;
using tables_test::RunCommand;
using tables_test::ScratchFolder;

std::string DbfreadLines(const std::string& path) {
    int status = -1;
    std::string out = RunCommand("/usr/bin/python3 " OMBRIX_SOURCE_DIR
                                 "/tests/platform/tables/read_with_dbfread.py " +
                                     path + " 2>&1",
                                 &status);
    EXPECT_EQ(status, 0) << out;
    return out;
}

class WrittenByUs : public ::testing::TestWithParam<tables::DbfVersion> {};

TEST_P(WrittenByUs, EveryFieldTypeAndMemosReadBackWithDbfread) {
    ScratchFolder folder;
    std::string path = folder.Path("types.dbf");
    MakeTable(path, "NAME C 20\nQTY N 8 2\nCOUNT N 5 0\nRATE F 12 4\nOK L 1\nDAY D 8\nNOTE M 10\n",
              {}, GetParam());
    Table table;
    table.Open(path);
    table.Append();
    table.SetString("NAME", "Café – “quoted”");  // Windows-1252 has the dash and quotes
    table.SetFloat("QTY", 2.5);
    table.SetInteger("COUNT", -42);
    table.SetFloat("RATE", -0.125);
    table.SetBoolean("OK", true);
    table.SetString("DAY", "20040105");
    table.SetString("NOTE", "line one\r\nline two, with ½");
    table.Post();
    table.Append();  // a row left blank
    table.Post();
    table.Append();
    table.SetString("NAME", "long memo");
    table.SetBoolean("OK", false);
    table.SetString("NOTE", "½" + std::string(700, 'x'));
    table.Post();
    table.First();
    table.Edit();  // a memo rewritten with a shorter text
    table.SetString("NOTE", "short");
    table.Post();
    table.Close();

    std::string expected =
        R"({"COUNT": -42, "DAY": "2004-01-05", "NAME": "Café – “quoted”", "NOTE": "short", "OK": true, "QTY": 2.5, "RATE": -0.125})"
        "\n"
        R"({"COUNT": null, "DAY": null, "NAME": "", "NOTE": null, "OK": null, "QTY": null, "RATE": null})"
        "\n"
        R"({"COUNT": null, "DAY": null, "NAME": "long memo", "NOTE": "½)" +
        std::string(700, 'x') +
        R"(", "OK": false, "QTY": null, "RATE": null})"
        "\n";
    EXPECT_EQ(DbfreadLines(path), expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, WrittenByUs,
                         ::testing::Values(tables::DbfVersion::DBase3, tables::DbfVersion::DBase4));

// Numbers in fixed and exponent forms read back from our tables by dbfread as the same doubles
// we read, and within the precision the field's width allows.
TEST(WrittenByUsNumbers, ExponentFormsReadTheSameWithDbfread) {
    ScratchFolder folder;
    std::string path = folder.Path("numbers.dbf");
    MakeTable(path, "WIDE N 20 10\nMONEY N 8 2\n", {});
    const std::vector<std::pair<double, double>> values = {
        {1e-20, -0.001},
        {1.2345678901e-20, 123456.5},
        {1.0 / 3, 1e30},
        {-1.7976931348623157e308, 12345.678},
        {6.02214076e23, -2.5},
        {-4.5e-7, 0.004},
        {123456789012.5, 1234567.89},
    };
    Table table;
    table.Open(path);
    for (const auto& [wide, money] : values) {
        table.Append();
        table.SetFloat("WIDE", wide);
        table.SetFloat("MONEY", money);
        table.Post();
    }
    table.Close();

    int status = -1;
    std::string out = RunCommand(
        "/usr/bin/python3 -c \"import dbfread, sys\n"
        "for r in dbfread.DBF(sys.argv[1]): print(repr(float(r['WIDE'])), "
        "repr(float(r['MONEY'])))\" " +
            path + " 2>&1",
        &status);
    ASSERT_EQ(status, 0) << out;
    std::istringstream lines(out);
    table.Open(path);
    for (const auto& [wide, money] : values) {
        SCOPED_TRACE(testing::Message() << wide << " " << money);
        std::string wideText, moneyText;
        ASSERT_TRUE(lines >> wideText >> moneyText) << out;
        EXPECT_EQ(table.AsFloat("WIDE"), std::strtod(wideText.c_str(), nullptr));
        EXPECT_EQ(table.AsFloat("MONEY"), std::strtod(moneyText.c_str(), nullptr));
        EXPECT_LE(std::fabs(table.AsFloat("WIDE") - wide), 5e-12 * std::fabs(wide));
        table.Next();
    }
}

TEST(WrittenByShapelib, TablesFromDbfcreateAndDbfaddReadWithOurs) {
    ScratchFolder folder;
    std::string path = folder.Path("shp.dbf");
    int status = -1;
    RunCommand("dbfcreate " + path + " -s NAME 20 -n VAL 10 3 -n CNT 5 0 && " + "dbfadd " + path +
                   " \"$(printf 'Caf\\351')\" 1.5 42 && " + "dbfadd " + path + " '' '' '' && " +
                   "dbfadd " + path + " 'second' -12345.678 -7",
               &status);
    ASSERT_EQ(status, 0);
    Table table;
    table.Open(path);
    ASSERT_EQ(table.RecordCount(), 3u);
    EXPECT_EQ(table.AsString("NAME"), "Café");
    EXPECT_DOUBLE_EQ(table.AsFloat("VAL"), 1.5);
    EXPECT_EQ(table.AsInteger("CNT"), 42);
    table.Next();  // shapelib writes empty numbers as asterisks
    EXPECT_TRUE(table.IsNull("NAME"));
    EXPECT_TRUE(table.IsNull("VAL"));
    EXPECT_EQ(table.AsFloat("VAL"), 0);
    table.Next();
    EXPECT_EQ(table.AsString("NAME"), "second");
    EXPECT_DOUBLE_EQ(table.AsFloat("VAL"), -12345.678);
    EXPECT_EQ(table.AsInteger("CNT"), -7);

    // Rows we add to shapelib's table read back with shapelib's own dumper.
    table.SetIndex("NAME");
    table.Append();
    table.SetString("NAME", "ours");
    table.SetFloat("VAL", 0.25);
    table.Post();
    table.Close();
    std::string dump = RunCommand("dbfdump " + path + " | tail -1");
    EXPECT_NE(dump.find("ours"), std::string::npos) << dump;
    EXPECT_NE(dump.find("0.250"), std::string::npos) << dump;
}

}  // namespace
