// Exposure factors by population group and the snapshot of the chemical block.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "scenario/exposure_factors.h"

namespace {

struct Row {
    std::string name;
    double value;
};

// Every row name of the exposure-factor table for every group, each with its own value.
std::vector<Row> AllGroupRows() {
    const char* const suffixes[] = {"Youth(age 16-20)",  "Youth(age 11-15)", "Child(age 6-10)",
                                    "Toddlers(age 3-5)", "Infants(age 1-2)", "Infants(age <1)"};
    std::vector<Row> rows = {
        {"Body Weight-Adult", 70},
        {"Fish Ingestion-Adult", 6},
        {"Fish Ingestion-Adult chronic", 8},
        {"Drinking Water-Adult", 2},
        {"Drinking Water-Adult chronic", 1.5},
        {"SA/BW-Body-Adult", 0.03},
        {"SA/BW-Hand-Adult", 0.001},
        {"Inhalation Rate After Use", 0.6},
        {"Averaging Time Cancer", 75},
        {"Chronic Averaging Time - ambient", 30},
    };
    double value = 100;
    for (const char* suffix : suffixes) {
        const std::string s = suffix;
        rows.push_back({"Body Weight-" + s, value + 1});
        rows.push_back({"Fish Ingestion Rate-" + s, value + 2});
        rows.push_back({"Drinking Water-" + s, value + 3});
        rows.push_back({"SA/BW-Body-" + s, value + 4});
        rows.push_back({"SA/BW-Hand-" + s, value + 5});
        rows.push_back({"Inhalation Rate-" + s + " After", value + 6});
        value += 100;
    }
    rows.push_back({"Something Else", 555});
    return rows;
}

TEST(ExposureFactorRows, EachGroupTakesItsOwnRows) {
    struct Expected {
        int popNum;
        double bw, fish, drink, saBody, saHand, inhale;
    };
    // Groups in POP_NUM order: 1 youth 16-20 is the first suffix, 6 youth 11-15 the second.
    const Expected cases[] = {
        {0, 70, 6, 2, 0.03, 0.001, 0.6},   {1, 101, 102, 103, 104, 105, 106},
        {6, 201, 202, 203, 204, 205, 206}, {2, 301, 302, 303, 304, 305, 306},
        {3, 401, 402, 403, 404, 405, 406}, {4, 501, 502, 503, 504, 505, 506},
        {5, 601, 602, 603, 604, 605, 606},
    };
    for (const Expected& c : cases) {
        pmn_record r;
        r.POP_NUM = c.popNum;
        r.FISHCHRON = -1;
        r.DRINKCHRON = -1;
        for (const Row& row : AllGroupRows()) {
            ApplyExposureFactorRow(r, row.name, row.value);
        }
        EXPECT_EQ(r.BW, c.bw) << c.popNum;
        EXPECT_EQ(r.FISH, c.fish) << c.popNum;
        EXPECT_EQ(r.DRINK, c.drink) << c.popNum;
        EXPECT_EQ(r.SA_BODY, c.saBody) << c.popNum;
        EXPECT_EQ(r.SA_HAND, c.saHand) << c.popNum;
        EXPECT_EQ(r.INHALE, c.inhale) << c.popNum;
        EXPECT_EQ(r.CANCERAT, 75) << c.popNum;
        EXPECT_EQ(r.NCANCERAT, 30) << c.popNum;
        // Only the adult group has chronic intake rows; the others keep what they had.
        EXPECT_EQ(r.FISHCHRON, c.popNum == 0 ? 8 : -1) << c.popNum;
        EXPECT_EQ(r.DRINKCHRON, c.popNum == 0 ? 1.5 : -1) << c.popNum;
    }
}

TEST(ExposureFactorRows, ComparisonIsExactAndALaterRowWins) {
    pmn_record r;
    EXPECT_FALSE(ApplyExposureFactorRow(r, "body weight-adult", 1));
    EXPECT_FALSE(ApplyExposureFactorRow(r, "Body Weight-Adult ", 1));
    EXPECT_EQ(r.BW, 0);
    EXPECT_TRUE(ApplyExposureFactorRow(r, "Body Weight-Adult", 70));
    EXPECT_TRUE(ApplyExposureFactorRow(r, "Body Weight-Adult", 71.8));
    EXPECT_EQ(r.BW, 71.8);
}

class SnapshotTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CurrentPmn = pmn_record{};
        SavedFactors = save_record{};
    }
};

TEST_F(SnapshotTest, RestoreAllBringsBackTheWholeChemicalBlock) {
    pmn_record& r = CurrentPmn;
    r.BW = 70;
    r.EXPDURCAN = 30;
    r.INHALE = 0.6;
    r.ED_KIV = 12;
    r.MODGUYS = "110000001";
    r.CHEMNAME = "Chem";
    r.WWT_LOW = 80;
    r.MIGRATE = 2;
    r.MigrateText = "Moderate";
    r.SLUDGEAB = 5;
    r.INCIN_HI = 90;
    r.INCIN_LO = 95;
    SaveAllExposureFactors();
    EXPECT_EQ(SavedFactors.MIGRATE, 2.0);

    r = pmn_record{};
    r.SLUDGEAB = 1;
    r.INCIN_HI = 2;
    r.INCIN_LO = 3;
    r.WWT_HI = 10;
    RestoreAllExposureFactors();
    EXPECT_EQ(r.BW, 70);
    EXPECT_EQ(r.EXPDURCAN, 30);
    EXPECT_EQ(r.INHALE, 0.6);
    EXPECT_EQ(r.ED_KIV, 12);
    EXPECT_EQ(r.MODGUYS, "110000001");
    EXPECT_EQ(r.CHEMNAME, "Chem");
    EXPECT_EQ(r.WWT_LOW, 80);
    EXPECT_EQ(r.WWT_HI, 80);
    EXPECT_EQ(r.MIGRATE, 2);
    EXPECT_EQ(r.MigrateText, "Moderate");
    // The treatment removals are the chemical's: every release is assessed with them.
    EXPECT_EQ(r.SLUDGEAB, 5);
    EXPECT_EQ(r.INCIN_HI, 90);
    EXPECT_EQ(r.INCIN_LO, 95);
}

TEST_F(SnapshotTest, CoreFactorsOnlyTouchTheTenFactors) {
    CurrentPmn.BW = 15;
    CurrentPmn.DRINKCHRON = 0.8;
    CurrentPmn.ED_KIV = 4;
    SaveExposureFactors();
    EXPECT_EQ(SavedFactors.ED_KIV, 0);
    CurrentPmn.BW = 1;
    CurrentPmn.DRINKCHRON = 1;
    CurrentPmn.ED_KIV = 9;
    RestoreExposureFactors();
    EXPECT_EQ(CurrentPmn.BW, 15);
    EXPECT_EQ(CurrentPmn.DRINKCHRON, 0.8);
    EXPECT_EQ(CurrentPmn.ED_KIV, 9);
}

TEST(RestoreAll, MigrateIsCutTowardZero) {
    SavedFactors.MIGRATE = 2.9;
    RestoreAllExposureFactors();
    EXPECT_EQ(CurrentPmn.MIGRATE, 2);
    SavedFactors.MIGRATE = -1.9;
    RestoreAllExposureFactors();
    EXPECT_EQ(CurrentPmn.MIGRATE, -1);
    CurrentPmn = pmn_record{};
    SavedFactors = save_record{};
}

}  // namespace
