// The lookups over the shipped demonstration region.
#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "scenario/exposure_factors.h"
#include "scenario/lookups_endangered.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

using fixture::DemoRegionTest;

// Expected flows worked from the region's facility and reach rows with an independent script
// (the power laws, the routing link and the plant-flow floor, in double precision).
constexpr double kClose = 1e-9;

TEST_F(DemoRegionTest, RiverFacility) {
    EXPECT_EQ(LoadFacility("NY0020371", "NPDES"), 'D');
    EXPECT_EQ(DirectRec.NAME, "HARBOR VALLEY WPCP");
    EXPECT_EQ(DirectRec.FacilityType, "T");
    EXPECT_EQ(DirectRec.CNTY, "36001");
    EXPECT_TRUE(DirectRec.Found);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.PLANTFLO, 41.64);
    EXPECT_EQ(r.MEANFLOW, 3111.243);
    EXPECT_EQ(r.FLOW7Q10, 220.849);
    EXPECT_NEAR(r.HARFLOW, 1031.3257014739122, 1031 * kClose);
    EXPECT_NEAR(r.FLOW30Q5, 337.67996916441092, 337 * kClose);
    EXPECT_NEAR(r.FLOW1Q10, 180.39823350540149, 180 * kClose);
    EXPECT_EQ(r.REACH, "04011939805");
    EXPECT_EQ(r.REACHNAME, "SORREL RUN");
    EXPECT_EQ(r.IACC, "This is an active site");
    EXPECT_EQ(r.HIT, 'Y');
}

TEST_F(DemoRegionTest, LakeFacility) {
    EXPECT_EQ(LoadFacility("MN4589110", "NPDES"), 'D');
    EXPECT_FALSE(DirectRec.Found);
    EXPECT_EQ(CurrentPmn.AcuteDilFactor, 10);
    EXPECT_EQ(CurrentPmn.ChronicDilFactor, 10);
    EXPECT_EQ(CurrentPmn.PLANTFLO, 0.12);
    EXPECT_EQ(CurrentPmn.MEANFLOW, 0);
    EXPECT_EQ(CurrentPmn.REACHNAME, "HARBOR VALLEY LAKE");
}

TEST_F(DemoRegionTest, RoutedReach) {
    EXPECT_EQ(LoadFacility("PA1142449", "NPDES"), 'D');
    EXPECT_EQ(CurrentPmn.REACH, "02020615510");  // the routing link's reach
    EXPECT_EQ(CurrentPmn.MEANFLOW, 100);
    EXPECT_EQ(CurrentPmn.FLOW7Q10, 10);
    EXPECT_NEAR(CurrentPmn.HARFLOW, 36.7534, 5e-5);
    EXPECT_NEAR(CurrentPmn.FLOW30Q5, 16.9867, 5e-5);
    EXPECT_NEAR(CurrentPmn.FLOW1Q10, 8.3473, 5e-5);
    EXPECT_TRUE(DirectRec.Found);
}

TEST_F(DemoRegionTest, MissingPermitId) {
    CurrentPmn.REACH = "04011939805";
    CurrentPmn.MEANFLOW = 5;
    EXPECT_EQ(LoadFacility("NY0020370", "NPDES"), ' ');
    EXPECT_EQ(DirectRec.NPDES, "NY0020371");  // the nearest facility is what was read
    // Nothing of the nearest facility, nor of an earlier one, is taken into the record.
    EXPECT_EQ(CurrentPmn.REACH, "");
    EXPECT_EQ(CurrentPmn.MEANFLOW, 0);
    EXPECT_EQ(CurrentPmn.IACC, "");
}

TEST_F(DemoRegionTest, GageStationsOfAReachIncludingTheLastRowsOfTheTable) {
    struct Case {
        const char* reach;
        std::vector<std::string> stations;
    };
    const Case cases[] = {
        {"04011939805", {"01000185", "01000222"}},
        {"18071619825", {"01001147", "01001184", "01001221"}},  // the last rows of the table
        {"07061634896", {"01000518"}},  // its second station has no F99: the list ends there
        {"04011939806", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> listed;
        for (int offset = 0; LoadGageFlows(c.reach, offset) == 1; ++offset) {
            listed.push_back(ActFlowRec.STA_ID);
            ASSERT_LT(offset, 10) << c.reach;
        }
        EXPECT_EQ(listed, c.stations) << c.reach;
    }
    ASSERT_EQ(LoadGageFlows("04011939805", 1), 1);
    EXPECT_EQ(ActFlowRec.NUMFLWVALS, 22646);
    EXPECT_EQ(ActFlowRec.FIRSTDAY, "1942-10-01");
    EXPECT_EQ(ActFlowRec.FlowValues[1], 76.1853);
    EXPECT_EQ(ActFlowRec.FlowValues[2], 122.6238);
}

TEST_F(DemoRegionTest, ExposureFactorsOfEachAgeGroup) {
    SuppressFactorLoad = 0;
    struct Case {
        int popNum;
        double bw, fish, drink, saBody, saHand, inhale;
    };
    // The region's exposure-factor rows, group by group.
    const Case cases[] = {
        {0, 80.0, 22.0, 2.958, 241.3, 12.26, 0.6604},
        {1, 71.6, 19.69, 2.368, 257.0, 11.65, 0.6792},
        {6, 56.8, 15.62, 1.821, 279.9, 12.66, 0.6333},
        {2, 31.8, 8.745, 1.316, 339.6, 15.44, 0.5},
        {3, 18.6, 5.115, 0.959, 408.6, 19.68, 0.4208},
        {4, 12.6, 3.465, 0.877, 452.4, 22.78, 0.2979},
        {5, 7.8333, 2.154, 1.056, 509.6, 25.57, 0.192},
    };
    for (const Case& c : cases) {
        CurrentPmn = pmn_record{};
        CurrentPmn.POP_NUM = c.popNum;
        LoadScreeningExposureFactors();
        EXPECT_EQ(CurrentPmn.BW, c.bw) << c.popNum;
        EXPECT_EQ(CurrentPmn.FISH, c.fish) << c.popNum;
        EXPECT_EQ(CurrentPmn.DRINK, c.drink) << c.popNum;
        EXPECT_EQ(CurrentPmn.SA_BODY, c.saBody) << c.popNum;
        EXPECT_EQ(CurrentPmn.SA_HAND, c.saHand) << c.popNum;
        EXPECT_EQ(CurrentPmn.INHALE, c.inhale) << c.popNum;
        EXPECT_EQ(CurrentPmn.CANCERAT, 78.0) << c.popNum;
        EXPECT_EQ(CurrentPmn.NCANCERAT, 33.0) << c.popNum;
        EXPECT_EQ(CurrentPmn.FISHCHRON, c.popNum == 0 ? 22.0 : 0) << c.popNum;
        EXPECT_EQ(CurrentPmn.DRINKCHRON, c.popNum == 0 ? 1.043 : 0) << c.popNum;
    }
}

TEST_F(DemoRegionTest, CategoryStatisticsAndScenarioLoadOfACategory) {
    Add("nyr01.dbf", {{"PMN_ID", "CAT,1"},
                      {"SIC_CODE", "36"},
                      {"NPDES", "NY0020371"},
                      {"PLANTFLO", "2"},
                      {"HEALTH", "101"}});
    LoadScenarioRecord("CAT,1");
    EXPECT_EQ(CurrentPmn.HMF_50, 36.7534);
    EXPECT_EQ(CurrentPmn._0Q5_50, 16.9867);
    EXPECT_EQ(CurrentPmn._Q10_10, 1.9833);
    EXPECT_EQ(CurrentPmn.REACH, "04011939805");
    EXPECT_EQ(CurrentPmn.DTYPE, 'D');
    EXPECT_EQ(CurrentPmn.PLANTFLO, 2);  // the row's own plant flow
    EXPECT_EQ(HealthFlags, "101");
    CurrentPmn.SIC_CODE = 1;
    LoadSicFlowStats();
    EXPECT_EQ(CurrentPmn.HMF_50, 2327.628);
    EXPECT_EQ(CurrentPmn._Q10_50, 379.7344);
    LoadPdmCoefficients(2);
    EXPECT_EQ(PdmCoefficients.A, 0.582);
    EXPECT_EQ(PdmCoefficients.B, 3.474);
}

}  // namespace
