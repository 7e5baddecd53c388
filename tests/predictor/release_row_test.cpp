// The release row: which rows are listed, reading a row, and writing back only what changed.
#include "predictor/release_row.h"

#include <gtest/gtest.h>

#include "tests/predictor/scenario_fixture.h"
#include "tests/predictor/temp_folder.h"

namespace {

class ReleaseRowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MakeScenarioTable(
            folder.path(),
            {ReleaseRow("A,1", {{"RELEASES", "X"}}), ReleaseRow("A,2", {{"RELEASES", "XX"}}),
             ReleaseRow("A,3", {{"RELEASES", "  X"}}), ReleaseRow("A,4", {{"RELEASES", "   X"}}),
             ReleaseRow("B,1", {{"STK_HT", "12.345678901234"},
                                {"STKHTU", "ft"},
                                {"METCLASS", "Stability Class Only"},
                                {"STABCLASS", "3"},
                                {"DOWNWASH", "1"},
                                {"IREL_DOWN", "0.000123456789012"}})});
        table.Open(folder / "nyr01.dbf");
    }

    TempFolder folder;
    tables::Table table;
};

TEST_F(ReleaseRowTest, RowsWithAnXThirdOrFourthAreListed) {
    EXPECT_EQ(ListedReleases(table), (std::vector<std::string>{"A,3", "A,4", "B,1"}));
}

TEST_F(ReleaseRowTest, ReadsTheRowIntoTheRecord) {
    ASSERT_TRUE(GoToRelease(table, "B,1"));
    ReleaseInputs r = ReadRelease(table);
    EXPECT_EQ(r.key, "B,1");
    EXPECT_EQ(r.incinRel, 10);
    EXPECT_EQ(r.fugPerc, 50);
    EXPECT_EQ(r.stkHt, 12.345678901234);
    EXPECT_EQ(r.stkHtU, "ft");
    EXPECT_EQ(r.stkDiam, 0) << "blank reads as 0";
    EXPECT_EQ(r.metClass, "Stability Class Only");
    EXPECT_EQ(r.stabClass, 3);
    EXPECT_TRUE(r.downwash);
    EXPECT_EQ(ReadConcentrations(table).stackAnnual, 0.000123456789012);
    EXPECT_FALSE(GoToRelease(table, "nobody"));
}

TEST_F(ReleaseRowTest, WritesEditedInputsAndLeavesTheRestAlone) {
    ASSERT_TRUE(GoToRelease(table, "B,1"));
    ReleaseInputs r = ReadRelease(table);
    r.incinRel = 999;  // read only: never written
    r.stkDiam = 0.25;
    r.stkDmU = "m";
    r.stabClass = 5;
    r.downwash = false;
    WriteEditedInputs(table, r);
    table.Close();
    std::string f = folder.path();
    EXPECT_EQ(FieldOf(f, "B,1", "INCINREL"), "10");
    EXPECT_EQ(FieldOf(f, "B,1", "STK_DIAM"), "0.25");
    EXPECT_EQ(FieldOf(f, "B,1", "STKDMU"), "m");
    EXPECT_EQ(FieldOf(f, "B,1", "STK_HT"), "12.345678901234") << "unchanged keeps every digit";
    EXPECT_EQ(FieldOf(f, "B,1", "STK_VEL"), "") << "unchanged blank stays blank";
    EXPECT_EQ(FieldOf(f, "B,1", "STABCLASS"), "5");
    EXPECT_EQ(FieldOf(f, "B,1", "DOWNWASH"), "0");
    EXPECT_EQ(FieldOf(f, "A,4", "STKDMU"), "") << "other rows untouched";
}

TEST_F(ReleaseRowTest, ConcentrationsAtFullPrecision) {
    WriteConcentrations(table, "A,3", {1.2345678901234e-4, 2.5e-9, 0.1, 7});
    table.Close();
    EXPECT_EQ(FieldOf(folder.path(), "A,3", "IREL_DOWN"), "0.00012345678901234");
    EXPECT_EQ(FieldOf(folder.path(), "A,3", "ACUTE_CONC"), "2.5e-09");
    EXPECT_EQ(FieldOf(folder.path(), "A,3", "ACUTECONCF"), "7");
}

TEST_F(ReleaseRowTest, AValueThatDoesNotFitLeavesTheRowAsItWas) {
    ASSERT_TRUE(GoToRelease(table, "A,3"));
    ReleaseInputs r = ReadRelease(table);
    r.stkHt = 5;
    r.stkDiam = 2;
    r.stkDmU = "far too long for its field";
    EXPECT_THROW(WriteEditedInputs(table, r), tables::TableError);
    table.Close();
    EXPECT_EQ(FieldOf(folder.path(), "A,3", "STK_HT"), "");
}

}  // namespace
