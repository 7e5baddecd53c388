// The scenario record's reset (defaults and carried members) and the release key split.
#include <gtest/gtest.h>

#include "dilution/pdm_results.h"
#include "shell/scenario_record.h"

namespace {

// The reset without the exposure-factor table: the record defaults stay.
class ResetTest : public ::testing::Test {
  protected:
    void SetUp() override { SuppressFactorLoad = 1; }
    void TearDown() override {
        SuppressFactorLoad = 0;
        CurrentPmn = pmn_record{};
    }
};

TEST_F(ResetTest, SetsDefaultsAndKeepsCarriedMembers) {
    pmn_record& r = CurrentPmn;
    // A record full of a previous case.
    r.SITE_LO = 7;
    r.SITE_HI = 7;
    r.MODGUYS = "101010101";
    r.RELEASES = "X0X0";
    r.SPECEVAL = "11";
    r.STKHTU = "ft";
    r.FWIDTHU = "ft";
    r.METCLASS = "Urban";
    r.CHEMNAME = "Old";
    r.NPDES = "XX0000001";
    r.POP_NUM = 3;
    r.PopulationLabel = "Small Child (age 3-5)";
    r.HMF_50 = 4;
    r._Q10_10 = 5;
    r.PdmSitePercent = {1, 2, 3};
    r.DispPercent = {4, 5, 6};
    r.PdmSicPercent = {7, 8, 9};
    r.IREL_DOWN = 0.5;
    r.IREL_DOWNF = 0.25;
    r.ACUTECONCF = 0.75;
    r.PostTreat = 12;
    // Members that carry over.
    r.COC0 = 1.5;
    r.COC1 = 2.5;
    r.COC2 = 3.5;
    r.WHICHANAL = 1;
    r.MEANFLOW = 42;
    r.SIC = "2891";
    r.DTYPE = 'D';
    r.DwLaddSite = 0.125;
    r.ResAdcStk = 0.0625;
    r.TotWaterRel = 99;
    r.AcuteConc = 8;
    r.PdmSiteDays = {10, 11, 12};
    HealthFlags = "010";
    PdmHighEnd = 0;
    DisposalHighEnd = 0;

    ResetScenarioRecord();

    EXPECT_EQ(r.SITE_LO, 1.0);
    EXPECT_EQ(r.SITE_HI, 1.0);
    EXPECT_EQ(r.MODGUYS, "000000000");
    EXPECT_EQ(r.RELEASES, "0000");
    EXPECT_EQ(r.SPECEVAL, "00");
    EXPECT_EQ(HealthFlags, "111");
    EXPECT_EQ(PdmHighEnd, 1);
    EXPECT_EQ(DisposalHighEnd, 1);
    EXPECT_EQ(r.STKHTU, "m");
    EXPECT_EQ(r.STKVELU, "m/sec");
    EXPECT_EQ(r.STKTMPU, "K");
    EXPECT_EQ(r.FWIDTHU, "m");
    EXPECT_EQ(r.WNDSPDU, "ft/sec");
    EXPECT_EQ(r.METCLASS, "Full");
    EXPECT_EQ(r.LAND_USE, "Rural");
    EXPECT_EQ(r.CHEMNAME, "");
    EXPECT_EQ(r.NPDES, "");
    EXPECT_EQ(r.POP_NUM, 0);
    EXPECT_EQ(r.PopulationLabel, "Adult");
    EXPECT_EQ(r.DRINK, 1.4);
    EXPECT_EQ(r.FISH, 1.9);
    EXPECT_EQ(r.CANCERAT, 78.0);
    EXPECT_EQ(r.YEARS_USE, 57.0);
    EXPECT_EQ(r.DO_PDM, 1.0);
    EXPECT_EQ(r.HMF_50, 0);
    EXPECT_EQ(r._Q10_10, 0);
    EXPECT_EQ(r.PdmSitePercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.DispPercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.PdmSicPercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.IREL_DOWN, 0);
    EXPECT_EQ(r.PostTreat, 0);
    EXPECT_EQ(r.ReportMarks, "      ");
    EXPECT_EQ(r.ScenarioTypeText, std::string(13, ' '));
    // A new release never inherits another case's fugitive air concentrations.
    EXPECT_EQ(r.IREL_DOWNF, 0);
    EXPECT_EQ(r.ACUTECONCF, 0);

    EXPECT_EQ(r.COC0, 1.5);
    EXPECT_EQ(r.COC1, 2.5);
    EXPECT_EQ(r.COC2, 3.5);
    EXPECT_EQ(r.WHICHANAL, 1);
    EXPECT_EQ(r.MEANFLOW, 42);
    EXPECT_EQ(r.SIC, "2891");
    EXPECT_EQ(r.DTYPE, 'D');
    EXPECT_EQ(r.DwLaddSite, 0.125);
    EXPECT_EQ(r.ResAdcStk, 0.0625);
    EXPECT_EQ(r.TotWaterRel, 99);
    EXPECT_EQ(r.AcuteConc, 8);
    EXPECT_EQ(r.PdmSiteDays, (std::array<double, 3>{10, 11, 12}));
}

TEST(SplitReleaseKey, SplitsAtTheLastComma) {
    struct Case {
        const char* key;
        const char* caseNum;
        const char* scenNum;
    };
    const Case cases[] = {
        {"P-12-0345,1", "P-12-0345", "1"},
        {"A,B,12", "A,B", "12"},
        {"P-99,", "P-99", ""},
        {",3", "", "3"},
        {"NOCOMMA", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CurrentPmn.CaseNum = "stale";
        CurrentPmn.ScenNum = "stale";
        SplitReleaseKey(c.key);
        EXPECT_EQ(CurrentPmn.CaseNum, c.caseNum) << c.key;
        EXPECT_EQ(CurrentPmn.ScenNum, c.scenNum) << c.key;
    }
}

}  // namespace
