// Facility and reach lookups over a small facility table.
#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

using fixture::Row;

class FacilityTest : public fixture::DataLayerTest {
  protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        Add("rscan\\reach.dbf", {{"REACH", "01000000001"}, {"MEAN_FLOW", "50"}, {"LOW_FLOW", "2"}});
        Add("rscan\\reach.dbf", {{"REACH", "01000000002"}});  // no flows
        Add("rscan\\reach.dbf",
            {{"REACH", "01000000003"}, {"MEAN_FLOW", "100"}, {"LOW_FLOW", "10"}});
        // A river discharger whose plant flow exceeds the reach's low flow.
        AddFacility({{"NPDES", "RV0000001"},
                     {"NAME", "River Plant"},
                     {"REACH", "01000000001"},
                     {"REACHNM", "Big River"},
                     {"WB_TYPE", "R"},
                     {"STTE", "12"},
                     {"CNTY", "003"},
                     {"PLANTFLOW", "5"},
                     {"IACC", "A"},
                     {"HIT", "Yes"},
                     {"DTYPE", "Direct"}});
        // A lake discharger with its dilution factors.
        AddFacility({{"NPDES", "LK0000001"},
                     {"NAME", "Lake Plant"},
                     {"REACH", "01000000003"},
                     {"WB_TYPE", "L"},
                     {"ACUTE", "10:1"},
                     {"IACC", "I"},
                     {"IPOTW", "1"}});
        // A facility on a reach without flows that routes to one with flows.
        AddFacility({{"NPDES", "RT0000001"},
                     {"REACH", "01000000002"},
                     {"ROUTLINK", "01000000003"},
                     {"REACHNM", "Creek"},
                     {"CHRONIC", "3:1"},
                     {"PLANTFLOW", "0"},
                     {"IACC", "Q"}});
        // A facility with a short reach key and no flows anywhere.
        AddFacility({{"NPDES", "SH0000001"}, {"REACH", "0100"}, {"IACC", "A"}});
        // A facility on a reach without flows and without a routing link.
        AddFacility({{"NPDES", "NF0000001"}, {"REACH", "01000000002"}});
    }
    void AddFacility(const Row& row) { Add("duriviz\\sids2004.dbf", row); }
};

TEST_F(FacilityTest, RiverFacilityRaisesItsStreamFlowsToThePlantFlow) {
    OpenTables();
    EXPECT_EQ(LoadFacility("RV0000001", "NPDES"), 'D');
    EXPECT_EQ(DirectRec.NAME, "River Plant");
    EXPECT_EQ(DirectRec.CNTY, "12003");
    EXPECT_EQ(DirectRec.FacilityType, "F");
    EXPECT_TRUE(DirectRec.Found);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.PLANTFLO, 5);
    EXPECT_EQ(r.FLOW7Q10, 5);  // the 7Q10 of 2 is below the plant flow
    EXPECT_EQ(r.MEANFLOW, 50);
    // Derived again from 50 and 5, worked by hand.
    EXPECT_NEAR(r.HARFLOW, 18.060994648283337, 1e-12);
    EXPECT_NEAR(r.FLOW30Q5, 8.695891881747436, 1e-12);
    EXPECT_EQ(r.FLOW1Q10, 5);  // 4.1939 raised to the plant flow
    EXPECT_EQ(r.REACH, "01000000001");
    EXPECT_EQ(r.REACHNAME, "Big River");
    EXPECT_EQ(r.IACC, "This is an active site");
    EXPECT_EQ(r.HIT, 'Y');
    EXPECT_EQ(r.DTYPE, 'D');
    EXPECT_EQ(r.AcuteDilFactor, 1.0);
    EXPECT_EQ(r.ChronicDilFactor, 1.0);
}

TEST_F(FacilityTest, LakeFacilityHasNoUsableFlowsAndCarriesItsDilutionFactors) {
    OpenTables();
    EXPECT_EQ(LoadFacility("LK0000001", "NPDES"), 'D');
    EXPECT_FALSE(DirectRec.Found);
    EXPECT_EQ(DirectRec.FacilityType, "T");
    EXPECT_EQ(CurrentPmn.AcuteDilFactor, 10);
    EXPECT_EQ(CurrentPmn.ChronicDilFactor, 10);
    EXPECT_EQ(CurrentPmn.IACC, "This is an inactive site");
    EXPECT_EQ(CurrentPmn.PLANTFLO, 0.01);
    EXPECT_EQ(CurrentPmn.MEANFLOW, 100);
}

TEST_F(FacilityTest, AReachWithoutFlowsFallsBackOnItsRoutingLink) {
    OpenTables();
    EXPECT_EQ(LoadFacility("RT0000001", "NPDES"), 'D');
    EXPECT_EQ(CurrentPmn.REACH, "01000000003");
    EXPECT_EQ(CurrentPmn.REACHNAME, "Creek");
    EXPECT_NEAR(CurrentPmn.HARFLOW, 36.7533905476072, 1e-12);
    EXPECT_NEAR(CurrentPmn.FLOW30Q5, 16.98670353567223, 1e-12);
    EXPECT_NEAR(CurrentPmn.FLOW1Q10, 8.347290183113346, 1e-12);
    EXPECT_EQ(CurrentPmn.AcuteDilFactor, 1.0);
    EXPECT_EQ(CurrentPmn.ChronicDilFactor, 3.0);
    EXPECT_EQ(CurrentPmn.IACC, "Q");
    EXPECT_TRUE(DirectRec.Found);
}

// A miss after a hit: nothing of the previous release's facility, nor of the nearest facility,
// stays in the record; every field the lookup sets holds the value of a fresh record.
TEST_F(FacilityTest, APermitIdNotInTheTableLeavesNothingOfAnotherFacilityInTheRecord) {
    OpenTables();
    ASSERT_EQ(LoadFacility("LK0000001", "NPDES"), 'D');
    ASSERT_EQ(CurrentPmn.AcuteDilFactor, 10.0);
    CurrentPmn.HIT = 'Y';
    EXPECT_EQ(LoadFacility("MM0000000", "NPDES"), ' ');
    EXPECT_EQ(DirectRec.NPDES, "NF0000001") << "the nearest facility is still looked up";
    EXPECT_EQ(CurrentPmn.AcuteDilFactor, 0);
    EXPECT_EQ(CurrentPmn.ChronicDilFactor, 0);
    EXPECT_EQ(CurrentPmn.HIT, ' ');
    EXPECT_EQ(CurrentPmn.IACC, "");
    EXPECT_EQ(CurrentPmn.REACH, "");
    EXPECT_EQ(CurrentPmn.REACHNAME, "");
    for (double flow : {CurrentPmn.PLANTFLO, CurrentPmn.MEANFLOW, CurrentPmn.FLOW7Q10,
                        CurrentPmn.HARFLOW, CurrentPmn.FLOW30Q5, CurrentPmn.FLOW1Q10}) {
        EXPECT_EQ(flow, 0);
    }
    // On another index the nearest facility is the answer.
    EXPECT_EQ(LoadFacility("Lake", "NAME"), 'D');
    EXPECT_EQ(DirectRec.NPDES, "LK0000001");
}

// Flows the user set for the release are the release's own, on a miss as on a hit.
TEST_F(FacilityTest, AMissKeepsFlaggedFlows) {
    OpenTables();
    ASSERT_EQ(LoadFacility("RV0000001", "NPDES"), 'D');
    CurrentPmn.MEANFLG = "*";
    CurrentPmn.MEANFLOW = 44;
    EXPECT_EQ(LoadFacility("MM0000000", "NPDES"), ' ');
    EXPECT_EQ(CurrentPmn.MEANFLOW, 44);
    EXPECT_EQ(CurrentPmn.AcuteDilFactor, 0);
    EXPECT_EQ(CurrentPmn.IACC, "");
}

TEST_F(FacilityTest, FlaggedFlowsAreNotReplaced) {
    OpenTables();
    CurrentPmn.FL30Q5FLG = "*";
    CurrentPmn.PLANTFLO = 2;
    CurrentPmn.FLOW7Q10 = 3;
    LoadFacility("RV0000001", "NPDES");
    EXPECT_EQ(CurrentPmn.PLANTFLO, 2);
    EXPECT_EQ(CurrentPmn.FLOW7Q10, 3);
    EXPECT_EQ(CurrentPmn.REACH, "01000000001");
}

TEST_F(FacilityTest, ScenarioLoadSeeksThePermitOnItsOwnIndexAndKeepsTheRowsFlows) {
    Add("nyr01.dbf",
        {{"PMN_ID", "X,1"}, {"NPDES", "RV0000001"}, {"PLANTFLO", "7"}, {"MEANFLOW", "60"}});
    Add("nyr01.dbf", {{"PMN_ID", "X,2"},
                      {"NPDES", "NO0000000"},
                      {"REACH", "stored"},
                      {"REACHNAME", "Stored name"}});
    OpenTables();
    FacilityIndexName = "NAME";  // left by a search
    LoadScenarioRecord("X,1");
    EXPECT_EQ(CurrentPmn.DTYPE, 'D');
    EXPECT_EQ(CurrentPmn.REACH, "01000000001");
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7);
    EXPECT_EQ(CurrentPmn.MEANFLOW, 60);
    EXPECT_EQ(CurrentPmn.FLOW7Q10, 0);  // the row's own flow replaces the lookup's
    LoadScenarioRecord("X,2");
    EXPECT_EQ(CurrentPmn.DTYPE, ' ');
    // Neither the nearest facility's reach nor the previous release's: the row's own.
    EXPECT_EQ(CurrentPmn.REACH, "stored");
    EXPECT_EQ(CurrentPmn.REACHNAME, "Stored name");
}

TEST_F(FacilityTest, EstimatedFlowsNeedAReachKeyOfFullLength) {
    OpenTables();
    CurrentPmn.NPDES = "RV0000001";
    FacilityIndexName = "NAME";
    EXPECT_EQ(LoadEstimatedFlows("01000000001"), 1);
    EXPECT_EQ(FacilityIndexName, "NPDES");
    EXPECT_EQ(EstFlowRec.Key, "01000000001");
    EXPECT_EQ(EstFlowRec.LowFlow, 5);
    EXPECT_EQ(EstFlowRec.MeanFlow, 50);
    EXPECT_EQ(LoadEstimatedFlows("0100"), 0);
    CurrentPmn.NPDES = "NF0000001";
    EstFlowRec = estflow_record{};
    EXPECT_EQ(LoadEstimatedFlows("01000000002"), 0);
    EXPECT_EQ(EstFlowRec.Key, "");
}

TEST_F(FacilityTest, CategoryRunLookupSkipsShortReachesAndFloorsFlows) {
    OpenTables();
    DirectRec = direct_record{};
    EXPECT_EQ(LoadFacilityForSic("SH0000001", "NPDES"), 'D');
    EXPECT_EQ(DirectRec.FacilityType, " ");
    EXPECT_EQ(DirectRec.PLANTFLOW, 0);  // not read for a short reach key
    EXPECT_EQ(LoadFacilityForSic("RT0000001", "NPDES"), 'D');
    EXPECT_EQ(DirectRec.PLANTFLOW, 0.01);
    EXPECT_EQ(CurrentPmn.PLANTFLO, 0.01);
    EXPECT_EQ(ReachRec.REACH, "01000000003");
    EXPECT_TRUE(DirectRec.Found);
    PdmSicRunActive = 1;
    LoadFacilityForSic("RT0000001", "NPDES");
    EXPECT_EQ(DirectRec.PLANTFLOW, 0);
    EXPECT_FALSE(DirectRec.Found);  // a category run needs a plant flow
}

TEST_F(FacilityTest, FacilityFlowRules) {
    struct Case {
        double mean, low, plant, pop;
        const char* wbType;
        unsigned char sicRun, disposal;
        bool found;
    };
    const Case cases[] = {
        {10, 1, 1, 5, "R", 0, 0, true},  {0, 0, 1, 5, "R", 0, 0, false},
        {0, 1, 1, 5, "R", 0, 0, true},   {10, 1, 0, 5, "R", 1, 0, false},
        {10, 1, 1, 0, "R", 0, 1, false}, {10, 1, 1, 0, "R", 0, 0, true},
        {10, 1, 1, 5, "C", 0, 0, false}, {10, 1, 1, 5, "G", 0, 0, false},
        {10, 1, 1, 5, "I", 0, 0, false}, {10, 1, 1, 5, "N", 0, 0, false},
        {10, 1, 1, 5, "E", 0, 0, true},
    };
    for (const Case& c : cases) {
        ReachRec.MEAN_FLOW = c.mean;
        ReachRec.LOW_FLOW = c.low;
        DirectRec.PLANTFLOW = c.plant;
        DirectRec.POP = c.pop;
        DirectRec.WB_TYPE = c.wbType;
        PdmSicRunActive = c.sicRun;
        DisposalActive = c.disposal;
        EXPECT_EQ(FacilityHasFlows(), c.found) << c.wbType << c.mean << c.low;
    }
}

}  // namespace
