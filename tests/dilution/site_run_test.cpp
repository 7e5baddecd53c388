// The dilution run for a site on a small facility, reach and station fixture.
#include "dilution/pdm_site_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dilution/pdm_results.h"
#include "form_helpers/edit_helpers.h"
#include "platform/sys/text.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "tests/dilution/reference_script.h"
#include "tests/scenario/data_layer_fixture.h"

namespace {

class SiteRunTest : public fixture::DataLayerTest {
  protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        AddFacility("AA0000001", "03050101001", "2");  // region 3, subregion 5, no station
        AddFacility("BB0000002", "18300000002", "1");  // a station on the reach
        AddFacility("CC0000003", "123", "1");          // reach code too short for a region
        AddFacility("DD0000004", "05090000004", "1");  // reach without flows
        AddFacility("EE0000005", "19010000005", "1");  // region 19 falls on region 18
        Add("rscan\\reach.dbf",
            {{"REACH", "03050101001"}, {"MEAN_FLOW", "500"}, {"LOW_FLOW", "40"}});
        Add("rscan\\reach.dbf", {{"REACH", "05090000004"}, {"MEAN_FLOW", "0"}, {"LOW_FLOW", "0"}});
        Add("rscan\\reach.dbf",
            {{"REACH", "18300000002"}, {"MEAN_FLOW", "900"}, {"LOW_FLOW", "60"}});
        Add("rscan\\reach.dbf",
            {{"REACH", "19010000005"}, {"MEAN_FLOW", "100"}, {"LOW_FLOW", "10"}});
        // Percentile flows: 25 of them 50 MLD, the rest 500 MLD.
        fixture::Row station = {{"REACH", "18300000002"}, {"STA_ID", "S1"}, {"NUMFLWVALS", "3650"}};
        for (int i = 1; i <= 100; ++i) {
            station.push_back({sys::Format("F%d", i), i <= 25 ? "50" : "500"});
        }
        Add("pdm\\actflow.dbf", station);
        OpenTables();
        CurrentPmn.COC0 = 10;
        CurrentPmn.COC1 = 100;
        CurrentPmn.PostTreat = 1;
        CurrentPmn.H2O_HI = 2;
        CurrentPmn.WWT_LOW = 50;
        CurrentPmn.H2ODAYLO = 250;
        CurrentPmn.H2ODAYHI = 250;
        CurrentPmn.GAGE_POS = 0;
    }

    void AddFacility(const std::string& npdes, const std::string& reach,
                     const std::string& plantFlow) {
        Add("duriviz\\sids2004.dbf", {{"NPDES", npdes},
                                      {"SIC", "2891"},
                                      {"REACH", reach},
                                      {"IPOTW", "0"},
                                      {"PLANTFLOW", plantFlow},
                                      {"WB_TYPE", "R"},
                                      {"IACC", "A"}});
    }
};

TEST_F(SiteRunTest, AnalyticalRunFromTheReachFlows) {
    CurrentPmn.NPDES = "AA0000001";
    EXPECT_EQ(RunPdmSite(0), 1);
    CurrentPmn.NPDES = "EE0000005";
    RunPdmSite(1);
    const std::vector<double> expected = ReferenceFractions({
        {0.881, 3.338, 500, 40, 2, 1, 10},   // region 3, subregion 5
        {0.583, 2.473, 100, 10, 1, 1, 100},  // region 18, subregion 1
    });
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_NEAR(PdmPercentExceeded[0], expected[0] * 100 * 250 / 365, 2e-5);
    EXPECT_NEAR(PdmDaysExceeded[0], expected[0] * 250, 2e-5);
    EXPECT_NEAR(PdmPercentExceeded[1], expected[1] * 100 * 250 / 365, 2e-5);
    EXPECT_EQ(ScenarioCode, 8);
    EXPECT_EQ(GageFlowsFound, 0);
    EXPECT_EQ(EstimatedFlowsFound, 1);
    EXPECT_EQ(PdmSiteMeanFlow, 100);
    EXPECT_EQ(PdmSiteLowFlow, 10);
    EXPECT_EQ(PdmCoc[0], 10);
    EXPECT_EQ(PdmCoc[1], 100);
    EXPECT_EQ(PdmPreTreatRelease, 2);
    EXPECT_EQ(PdmWwtRemoval, 50);
    EXPECT_EQ(PdmReleaseDays, 250);
}

TEST_F(SiteRunTest, EmpiricalRunFromTheStationPercentiles) {
    // 1 kg/day in flows under 100 MLD gives more than 10 ug/L: 25 of the 100 flows.
    // The share of the year comes from H2ODAYHI; H2ODAYLO is only reported as the release
    // days (the loader keeps the two equal, here they differ to tell them apart).
    CurrentPmn.NPDES = "BB0000002";
    CurrentPmn.H2ODAYLO = 100;
    CurrentPmn.H2ODAYHI = 365;
    RunPdmSite(0);
    EXPECT_EQ(GageFlowsFound, 1);
    EXPECT_NEAR(PdmPercentExceeded[0], 25, 1e-12);
    EXPECT_NEAR(PdmDaysExceeded[0], 91.25, 1e-12);
    EXPECT_EQ(PdmReleaseDays, 100);
    EXPECT_EQ(PdmSiteMeanFlow, 500);
    EXPECT_EQ(PdmSiteLowFlow, 50);
}

TEST_F(SiteRunTest, NotApplicableWithoutFlowsOrLevel) {
    struct Case {
        const char* name;
        const char* npdes;
        double coc;
        double load;
    };
    const Case cases[] = {
        {"facility not in the table", "ZZ9999999", 10, 1},
        {"reach without flows", "DD0000004", 10, 1},
        {"reach code too short", "CC0000003", 10, 1},
        {"level of zero", "AA0000001", 0, 1},
        {"negative level", "BB0000002", -5, 1},
        {"load not a number", "AA0000001", 10, std::nan("")},
    };
    for (const Case& c : cases) {
        PdmPercentExceeded[2] = 7;
        PdmDaysExceeded[2] = 7;
        PdmPercentExceeded[0] = 3;
        CurrentPmn.NPDES = c.npdes;
        CurrentPmn.COC2 = c.coc;
        CurrentPmn.PostTreat = c.load;
        RunPdmSite(2);
        EXPECT_EQ(PdmPercentExceeded[2], NotApplicable) << c.name;
        EXPECT_EQ(PdmDaysExceeded[2], NotApplicable) << c.name;
        EXPECT_EQ(PdmCoc[2], c.coc) << c.name;
        EXPECT_EQ(PdmPercentExceeded[0], 3) << c.name;  // other slots keep their values
    }
}

// A reach code too short to name a region: no results, and no flows of the previous site
// beside them, as for a facility that is not in the table.
TEST_F(SiteRunTest, ShortReachCodeShowsNotApplicableFlows) {
    CurrentPmn.NPDES = "AA0000001";
    RunPdmSite(0);
    ASSERT_EQ(PdmSiteMeanFlow, 500);
    CurrentPmn.NPDES = "CC0000003";
    RunPdmSite(0);
    EXPECT_EQ(PdmSiteMeanFlow, NotApplicable);
    EXPECT_EQ(PdmSiteLowFlow, NotApplicable);
    EXPECT_EQ(PdmPercentExceeded[0], NotApplicable);
    EXPECT_EQ(PdmDaysExceeded[0], NotApplicable);
    CurrentPmn.NPDES = "ZZ9999999";
    RunPdmSite(0);
    EXPECT_EQ(PdmSiteMeanFlow, NotApplicable);
    EXPECT_EQ(PdmSiteLowFlow, NotApplicable);
}

TEST_F(SiteRunTest, ConcentrationOfConcernOutsideTheSlotsChangesNothing) {
    ScenarioCode = 0;
    EXPECT_EQ(RunPdmSite(3), 0);
    EXPECT_EQ(RunPdmSite(-1), 0);
    EXPECT_EQ(ScenarioCode, 0);
}

}  // namespace
