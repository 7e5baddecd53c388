// Exposure factors read from the exposure-factor table, and writing them into every release.
#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "scenario/exposure_factor_entries.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

class ExposureFactorTableTest : public fixture::DataLayerTest {
  protected:
    void AddFactor(const std::string& name, const std::string& value) {
        Add("kiv\\dbfiles\\efmodule.dbf", {{"FIELD", name}, {"EFHVALUE", value}});
    }
};

TEST_F(ExposureFactorTableTest, ResetLoadsTheAdultFactorsFromTheTable) {
    AddFactor("Body Weight-Adult", "70");
    AddFactor("Body Weight-Child(age 6-10)", "29");
    AddFactor("Drinking Water-Adult", "2");
    AddFactor("Drinking Water-Adult chronic", "1.4");
    AddFactor("Averaging Time Cancer", "70");
    AddFactor("Body Weight-Adult", "71.8");  // a later row wins
    AddFactor("", "5");
    OpenTables();
    SuppressFactorLoad = 0;
    int pageUpdates = 0;
    UpdateExposureFactorPage = [&] { ++pageUpdates; };
    CurrentPmn.POP_NUM = 2;
    CurrentPmn.FISH = 9;
    CurrentPmn.FISHCHRON = 4;
    CurrentPmn.SA_BODY = 250;
    CurrentPmn.HMF_50 = 3;
    ResetScenarioRecord();
    UpdateExposureFactorPage = nullptr;
    EXPECT_EQ(pageUpdates, 1);
    EXPECT_EQ(CurrentPmn.BW, 71.8);
    EXPECT_EQ(CurrentPmn.DRINK, 2);
    EXPECT_EQ(CurrentPmn.DRINKCHRON, 1.4);
    EXPECT_EQ(CurrentPmn.CANCERAT, 70);
    EXPECT_EQ(CurrentPmn.NCANCERAT, 33);  // no row: the default stays
    EXPECT_EQ(CurrentPmn.FISH, 0);        // no row: 0
    EXPECT_EQ(CurrentPmn.INHALE, 0);
    // Factors only the table sets keep their values when it has no row for them.
    EXPECT_EQ(CurrentPmn.FISHCHRON, 4);
    EXPECT_EQ(CurrentPmn.SA_BODY, 250);
    EXPECT_EQ(CurrentPmn.HMF_50, 0);
    EXPECT_FALSE(Tables().ExpFactTable.IsOpen());
}

TEST_F(ExposureFactorTableTest, AMissingTableFailsAfterTheDefaultsAreSet) {
    OpenTables();
    ProgramFolder = folder_.Path().string() + "/nowhere";
    SuppressFactorLoad = 0;
    CurrentPmn.MODGUYS = "111111111";
    CurrentPmn.HMF_50 = 3;
    EXPECT_THROW(ResetScenarioRecord(), std::exception);
    EXPECT_EQ(CurrentPmn.MODGUYS, "000000000");
    EXPECT_EQ(HealthFlags, "111");
    EXPECT_EQ(CurrentPmn.HMF_50, 3);
}

TEST_F(ExposureFactorTableTest, CollectedFactorsGoIntoEveryReleaseOfTheChemical) {
    for (const char* key : {"AB,1", "AB,2", "AB,3", "AC,1"}) {
        Add("nyr01.dbf", {{"PMN_ID", key}, {"BW", "60"}, {"INHALE", "0.5"}});
    }
    OpenTables();
    ExposureFactorEntries page;
    page.ChemId = "AB";
    page.BwExp = "80";
    page.EdCExp = "30";
    page.EdNCExp = "9";
    page.AtCExp = "75";
    page.AtNCExp = "9";
    page.DwCExp = "1,400";
    page.DwAExp = "2";
    page.FishCExp = "NA";
    page.FishAExp = "6";
    page.InhaleExp = "NA";
    page.Persistent = true;
    CollectExposureFactors(page);
    EXPECT_EQ(CurrentPmn.ScenNum, "1");  // release 1 is the record afterwards
    for (const char* key : {"AB,1", "AB,2", "AB,3"}) {
        LoadScenarioRecord(key);
        EXPECT_EQ(CurrentPmn.BW, 80) << key;
        EXPECT_EQ(CurrentPmn.DRINKCHRON, 1400) << key;
        EXPECT_EQ(CurrentPmn.FISHCHRON, 0) << key;
        EXPECT_EQ(CurrentPmn.INHALE, 0) << key;
        EXPECT_EQ(CurrentPmn.EXPDURNCAN, 9) << key;
        EXPECT_EQ(CurrentPmn.SPECEVAL, "01") << key;
    }
    LoadScenarioRecord("AC,1");
    EXPECT_EQ(CurrentPmn.BW, 60);
    EXPECT_EQ(CurrentPmn.INHALE, 0.5);

    // A bad entry writes nothing.
    page.BwExp = "heavy";
    EXPECT_THROW(CollectExposureFactors(page), std::invalid_argument);
    LoadScenarioRecord("AB,2");
    EXPECT_EQ(CurrentPmn.BW, 80);
}

}  // namespace
