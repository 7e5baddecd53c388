// The dilution run over an industry category on a small facility and reach fixture.
#include "dilution/pdm_category_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dilution/pdm_results.h"
#include "form_helpers/edit_helpers.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "tests/dilution/reference_script.h"
#include "tests/scenario/data_layer_fixture.h"

namespace {

const char* const ReachA = "03050101001";  // region 3, subregion 5
const char* const ReachB = "05090101002";  // region 5, subregion 9
const char* const ReachC = "10280000003";  // region 10, subregion 28

std::vector<std::string> Npdes(const PdmSicRunTarget& form) {
    std::vector<std::string> list;
    for (const PdmSicFacility& f : form.Facilities) {
        list.push_back(PdmSicListLine(f, PdmSicList::PdmSicList));
    }
    return list;
}

class CategoryRunTest : public fixture::DataLayerTest {
  protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        AddFacility("AA0000001", "2891", "0", ReachA, "2", "0");
        AddFacility("AB0000002", "2891", "1", ReachB, "0.5", "0");
        AddFacility("AC0000003", "2891", "0", ReachA, "1", "0", "L");  // a lake: no flows
        AddFacility("AD0000004", "2891", "0", "123", "1", "0");        // reach code too short
        AddFacility("AE0000005", "2890", "0", ReachA, "1", "0");
        AddFacility("AF0000006", "2892", "0", ReachA, "1", "0");
        // SIC 4952 is the last code of the table, so its walks end at the end of the table.
        AddFacility("TA0000001", "4952", "1", ReachC, "30", "10000");
        AddFacility("TB0000002", "4952", "1", ReachB, "0.5", "0");
        AddFacility("TC0000003", "4952", "0", ReachA, "2", "0");
        Add("rscan\\reach.dbf", {{"REACH", ReachA}, {"MEAN_FLOW", "500"}, {"LOW_FLOW", "40"}});
        Add("rscan\\reach.dbf", {{"REACH", ReachB}, {"MEAN_FLOW", "80"}, {"LOW_FLOW", "3"}});
        Add("rscan\\reach.dbf", {{"REACH", ReachC}, {"MEAN_FLOW", "12000"}, {"LOW_FLOW", "900"}});
        OpenTables();
        CurrentPmn.COC0 = 10;
        CurrentPmn.COC1 = 1;
        CurrentPmn.COC2 = 0;
        CurrentPmn.H2O_HI = 2;
        CurrentPmn.WWT_LOW = 50;  // 1 kg/day after treatment
        CurrentPmn.H2ODAYLO = 182.5;
        CurrentPmn.H2ODAYHI = 182.5;
    }

    void AddFacility(const std::string& npdes, const std::string& sic, const std::string& potw,
                     const std::string& reach, const std::string& plantFlow,
                     const std::string& population, const std::string& waterBody = "R") {
        Add("duriviz\\sids2004.dbf", {{"NPDES", npdes},
                                      {"SIC", sic},
                                      {"REACH", reach},
                                      {"IPOTW", potw},
                                      {"PLANTFLOW", plantFlow},
                                      {"POP", population},
                                      {"WB_TYPE", waterBody},
                                      {"IACC", "A"}});
    }

    PdmSicRunTarget form_;
};

TEST_F(CategoryRunTest, AverageAndHighEndOverTheCategorysFacilities) {
    RunPdmSic(form_, 0, 1, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"AA0000001", "AB0000002"}));
    const std::vector<double> f = ReferenceFractions({
        {0.881, 3.338, 500, 40, 2, 1, 10},
        {0.96, 9.284, 80, 3, 0.5, 1, 10},
    });
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(CurrentPmn.PostTreat, 1);
    EXPECT_EQ(ScenarioCode, 9);
    EXPECT_NEAR(form_.PdmSicAverageFraction, (f[0] + f[1]) / 2, 3e-7);
    EXPECT_NEAR(form_.PdmSicHighEndFraction, std::max(f[0], f[1]), 3e-7);

    // The share of the year comes from H2ODAYLO here (the site run takes H2ODAYHI).
    CurrentPmn.H2ODAYHI = 365;
    CurrentPmn.WHICHANAL = 1;
    StorePdmSicDaysExceeded(form_, 0, 1);
    EXPECT_NEAR(PdmPercentExceeded[0], std::max(f[0], f[1]) * 50, 3e-5);  // 182.5 of 365 days
    EXPECT_NEAR(PdmDaysExceeded[0], std::max(f[0], f[1]) * 182.5, 1e-4);
    CurrentPmn.WHICHANAL = 2;
    StorePdmSicDaysExceeded(form_, 0, 1);
    EXPECT_NEAR(PdmPercentExceeded[0], (f[0] + f[1]) / 2 * 50, 3e-5);
    EXPECT_EQ(PdmCoc[0], 10);
    EXPECT_EQ(PdmPreTreatRelease, 2);
    EXPECT_EQ(PdmWwtRemoval, 50);
    EXPECT_EQ(PdmReleaseDays, 182.5);
}

TEST_F(CategoryRunTest, ListLinesOfAFacility) {
    RunPdmSic(form_, 0, 1, 1);
    ASSERT_FALSE(form_.Facilities.empty());
    const PdmSicFacility& f = form_.Facilities[0];
    EXPECT_EQ(PdmSicListLine(f, PdmSicList::ReachList), ReachA);
    EXPECT_EQ(PdmSicListLine(f, PdmSicList::MeanFlowList), "500");
    EXPECT_EQ(PdmSicListLine(f, PdmSicList::Flow7q10List), "40");
    EXPECT_EQ(PdmSicListLine(f, PdmSicList::PlantFlowList), "2");
    // 1.194 (0.409 x 500)^0.473 (0.409 x 40)^0.552 / 0.409, worked separately: 169.14
    EXPECT_EQ(PdmSicListLine(f, PdmSicList::HarMeanFlowList), "169.14");
}

TEST_F(CategoryRunTest, TreatmentWorksCategoriesEndWithTheTable) {
    RunPdmSic(form_, 0, 24, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"TA0000001", "TB0000002"}));
    RunPdmSic(form_, 0, 25, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"TA0000001", "TB0000002", "TC0000003"}));
}

TEST_F(CategoryRunTest, RangesWithoutFacilitiesGiveNoneAndZero) {
    // 7211 and up lie past the table's last code: the seek lands on the last row, a 4952.
    for (int category : {2, 31, 0, 99}) {
        RunPdmSic(form_, 0, category, 1);
        EXPECT_TRUE(form_.Facilities.empty()) << category;
        EXPECT_EQ(form_.PdmSicAverageFraction, 0) << category;
        EXPECT_EQ(form_.PdmSicHighEndFraction, 0) << category;
        StorePdmSicDaysExceeded(form_, 0, 1);
        EXPECT_EQ(PdmDaysExceeded[0], 0) << category;
    }
}

TEST_F(CategoryRunTest, DownTheDrainLoadsByPopulationServed) {
    // 0.05 g per person per day after treatment for 10,000 people: 0.5 kg/day. Works that
    // serve nobody are left out while the down-the-drain form is open.
    DisposalActive = 1;
    CurrentPmn.WWT_LOW = 0;
    CurrentPmn.DispPreTreat = 0.05;
    form_.HighEnd = true;
    RunPdmSic(form_, 1, 25, 0);
    DisposalActive = 0;
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"TA0000001"}));
    EXPECT_EQ(CurrentPmn.PostTreat, 0.05);
    const std::vector<double> f = ReferenceFractions({{1.312, 67.065, 12000, 900, 30, 0.5, 1}});
    ASSERT_EQ(f.size(), 1u);
    EXPECT_NEAR(form_.PdmSicHighEndFraction, f[0], 3e-7);
    PdmPercentExceeded[1] = 42;
    StorePdmSicDaysExceeded(form_, 1, 0);
    EXPECT_NEAR(form_.PercentExceeded[1], f[0] * 50, 3e-5);
    EXPECT_NEAR(form_.DaysExceeded[1], f[0] * 182.5, 1e-4);
    EXPECT_EQ(PdmPercentExceeded[1], 42);  // the results form's globals are not touched
}

TEST_F(CategoryRunTest, OneWalkForAllConcentrationsOfConcern) {
    RunPdmSicForAllCocs(form_, 1, 1);
    PdmSicRunTarget single;
    for (int coc = 0; coc < 2; ++coc) {
        RunPdmSic(single, coc, 1, 1);
        EXPECT_EQ(form_.AverageFractions[coc], single.PdmSicAverageFraction) << coc;
        EXPECT_EQ(form_.HighEndFractions[coc], single.PdmSicHighEndFraction) << coc;
    }
    // The third level is 0: not applicable rather than exceeded all year.
    StorePdmSicDaysExceeded(form_, 2, 1);
    EXPECT_EQ(PdmPercentExceeded[2], NotApplicable);
    EXPECT_EQ(PdmDaysExceeded[2], NotApplicable);
    // A release with another load reuses the walk, and its fractions are its own.
    CurrentPmn.H2O_HI = 6;
    RunPdmSic(form_, 0, 1, 1);
    PdmSicRunTarget fresh;
    RunPdmSic(fresh, 0, 1, 1);
    EXPECT_EQ(form_.PdmSicAverageFraction, fresh.PdmSicAverageFraction);
    EXPECT_EQ(form_.PdmSicHighEndFraction, fresh.PdmSicHighEndFraction);
    EXPECT_GT(form_.PdmSicAverageFraction, single.AverageFractions[0]);
}

TEST_F(CategoryRunTest, ListIsWalkedAgainWhenTheTableOrTheFormChanged) {
    RunPdmSic(form_, 0, 1, 1);
    RunPdmSic(form_, 1, 1, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"AA0000001", "AB0000002"}));
    AddFacility("AG0000007", "2891", "0", ReachB, "1", "0");
    RunPdmSic(form_, 0, 1, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"AA0000001", "AB0000002", "AG0000007"}));
    // The fractions are those of the new list too.
    const std::vector<double> f = ReferenceFractions({
        {0.881, 3.338, 500, 40, 2, 1, 10},
        {0.96, 9.284, 80, 3, 0.5, 1, 10},
        {0.96, 9.284, 80, 3, 1, 1, 10},
    });
    ASSERT_EQ(f.size(), 3u);
    EXPECT_NEAR(form_.PdmSicAverageFraction, (f[0] + f[1] + f[2]) / 3, 3e-7);
    // With the down-the-drain form open, works that serve nobody have no usable flows.
    RunPdmSic(form_, 0, 24, 1);
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"TA0000001", "TB0000002"}));
    DisposalActive = 1;
    RunPdmSic(form_, 0, 24, 1);
    DisposalActive = 0;
    EXPECT_EQ(Npdes(form_), (std::vector<std::string>{"TA0000001"}));
}

// The walk checks the reach table for another program's change once, at its first lookup: a
// reach added between two runs gives its flows to the second run.
TEST_F(CategoryRunTest, AReachAddedBetweenTwoRunsIsSeenByTheSecond) {
    const char* const ReachD = "05090101001";  // sorts just before ReachB
    AddFacility("AH0000008", "2891", "0", ReachD, "1", "0");
    auto facility = [&] {
        for (const PdmSicFacility& f : form_.Facilities) {
            if (f.NPDES == "AH0000008") {
                return f;
            }
        }
        ADD_FAILURE() << "AH0000008 not listed";
        return PdmSicFacility{};
    };
    RunPdmSic(form_, 0, 1, 1);
    EXPECT_EQ(facility().REACH, ReachB);  // the nearest reach at or after its own
    EXPECT_EQ(facility().MEAN_FLOW, 80);
    Add("rscan\\reach.dbf", {{"REACH", ReachD}, {"MEAN_FLOW", "250"}, {"LOW_FLOW", "20"}});
    RunPdmSic(form_, 0, 1, 1);
    EXPECT_EQ(facility().REACH, ReachD);
    EXPECT_EQ(facility().MEAN_FLOW, 250);
    EXPECT_EQ(facility().LOW_FLOW, 20);
}

TEST_F(CategoryRunTest, RunFlagAndFacilityIndexRestoredOnEveryWayOut) {
    FacilityIndexName = "NAME";
    RunPdmSic(form_, 0, 1, 1);
    EXPECT_EQ(PdmSicRunActive, 0);
    EXPECT_EQ(FacilityIndexName, "NAME");
    Tables().SidsTable.Close();
    EXPECT_ANY_THROW(RunPdmSic(form_, 0, 24, 1));
    EXPECT_EQ(PdmSicRunActive, 0);
    EXPECT_EQ(FacilityIndexName, "NAME");
    FacilityIndexName = "NPDES";
}

// The category's facilities are not the release's facility: the plant flow of the release stays
// as it was, whether the run walks the table, reuses its walk, only lists or ends in an error.
TEST_F(CategoryRunTest, TheRunLeavesTheReleasesPlantFlowAsItFoundIt) {
    CurrentPmn.PLANTFLO = 7.5;
    RunPdmSic(form_, 0, 1, 1);  // the walk reads AF0000006, past the range, last
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7.5);
    RunPdmSic(form_, 1, 1, 1);  // the same walk again
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7.5);
    RunPdmSicForAllCocs(form_, 24, 1);
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7.5);
    ListPdmCategoryFacilities(1);
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7.5);
    Tables().ReachTable.Close();
    EXPECT_ANY_THROW(RunPdmSic(form_, 0, 1, 1));
    EXPECT_EQ(CurrentPmn.PLANTFLO, 7.5);
}

}  // namespace
