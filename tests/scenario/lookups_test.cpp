// Gage-station walks, category flow statistics, species of a county and the search results table.
#include <gtest/gtest.h>

#include "data_layer_fixture.h"
#include "platform/sys/text.h"
#include "scenario/lookups_endangered.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/lookups_search.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "shell/species_grid.h"

namespace {

using fixture::DataLayerTest;
using fixture::Row;

Row Station(const std::string& reach, const std::string& id, double f99) {
    Row row = {{"REACH", reach}, {"STA_ID", id}, {"NUMFLWVALS", "100"}, {"OFFSET", "3"}};
    row.emplace_back("F1", "1.5");
    row.emplace_back("F99", sys::Format("%g", f99));
    row.emplace_back("F100", "250");
    return row;
}

class GageFlowTest : public DataLayerTest {};

TEST_F(GageFlowTest, ListsTheStationsOfAReachUpToTheEndOfTheTable) {
    // Added out of order: the walk follows the REACH index. The last reach ends the table.
    Add("pdm\\actflow.dbf", Station("02000000002", "S-21", 9));
    Add("pdm\\actflow.dbf", Station("01000000001", "S-11", 4));
    Add("pdm\\actflow.dbf", Station("02000000002", "S-22", 8));
    Add("pdm\\actflow.dbf", Station("01000000001", "S-12", 0));  // no full set of values
    Add("pdm\\actflow.dbf", Station("02000000002", "S-23", 7));
    OpenTables();

    struct Case {
        const char* reach;
        int offset;
        int result;
        const char* station;
    };
    const Case cases[] = {
        {"02000000002", 0, 1, "S-21"}, {"02000000002", 1, 1, "S-22"},
        {"02000000002", 2, 1, "S-23"}, {"02000000002", 3, 0, ""},
        {"02000000002", 9, 0, ""},     {"01000000001", 0, 1, "S-11"},
        {"01000000001", 1, 0, ""},     {"01000000001", 2, 0, ""},
        {"01500000000", 0, 0, ""},     {"", 0, 0, ""},
    };
    for (const Case& c : cases) {
        ActFlowRec = actflow_record{};
        EXPECT_EQ(LoadGageFlows(c.reach, c.offset), c.result) << c.reach << " " << c.offset;
        if (c.result == 1) {
            EXPECT_EQ(ActFlowRec.STA_ID, c.station);
            EXPECT_EQ(ActFlowRec.NUMFLWVALS, 100);
            EXPECT_EQ(ActFlowRec.OFFSET, 3);
            EXPECT_EQ(ActFlowRec.FlowValues[1], 1.5);
            EXPECT_EQ(ActFlowRec.FlowValues[2], 0);
            EXPECT_EQ(ActFlowRec.FlowValues[100], 250);
        }
    }
    // The callers' listing: offsets 0, 1, ... until 0 comes back.
    std::vector<std::string> listed;
    for (int offset = 0; LoadGageFlows("02000000002", offset) == 1; ++offset) {
        listed.push_back(ActFlowRec.STA_ID);
        ASSERT_LT(offset, 10);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"S-21", "S-22", "S-23"}));
}

TEST_F(DataLayerTest, CategoryStatisticsAreReadByRowPosition) {
    for (int n = 1; n <= 3; ++n) {
        Add("kiv\\dbfiles\\sic.dbf", {{"SIC", sys::Format("%d", 1000 + n)},
                                      {"HMF_50", sys::Format("%d", 100 * n)},
                                      {"HMF_10", sys::Format("%d", 10 * n)},
                                      {"_0Q5_50", "5"},
                                      {"_0Q5_10", "6"},
                                      {"LOW_50", "7"},
                                      {"LOW_10", "8"},
                                      {"_Q10_50", sys::Format("%d", 90 + n)},
                                      {"_Q10_10", "1"}});
    }
    OpenTables();
    const struct {
        int category;
        double hmf50;
    } cases[] = {{1, 100}, {2, 200}, {3, 300}, {40, 300}, {0, 100}, {-2, 100}};
    for (const auto& c : cases) {
        CurrentPmn.SIC_CODE = c.category;
        LoadSicFlowStats();
        EXPECT_EQ(CurrentPmn.HMF_50, c.hmf50) << c.category;
        EXPECT_FALSE(Tables().SicFlowTable.IsOpen());
    }
    CurrentPmn.SIC_CODE = 2;
    LoadSicFlowStats();
    EXPECT_EQ(CurrentPmn.HMF_10, 20);
    EXPECT_EQ(CurrentPmn._Q10_50, 92);
    EXPECT_EQ(CurrentPmn._Q10_10, 1);
    EXPECT_EQ(CurrentPmn.LOW_10, 8);
    // Closing the lookup tables with the category table already closed does no harm.
    CloseLookupTables();
    EXPECT_FALSE(Tables().SidsTable.IsOpen());
    EXPECT_TRUE(Tables().PmnTable.IsOpen());  // the predictor edits it while it stays open
    ReopenTables();
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    EXPECT_TRUE(Tables().SidsTable.IsOpen());
    EXPECT_TRUE(Tables().CoefTable.IsOpen());
}

class SpeciesTest : public DataLayerTest {
  protected:
    void AddSpecies() {
        Add("endanger\\tblgroup.dbf", {{"GROUPID", "1"}, {"GROUP", "Fishes"}});
        Add("endanger\\tblgroup.dbf", {{"GROUPID", "2"}, {"GROUP", "Clams"}});
        Add("endanger\\species.dbf",
            {{"SPECIESID", "10"}, {"GROUPID_FK", "1"}, {"ACTION_DAT", "1990-01-01"}});
        Add("endanger\\species.dbf",
            {{"SPECIESID", "20"}, {"GROUPID_FK", "2"}, {"ACTION_DAT", "1995-05-05"}});
        // The last county in index order is 99001, so its rows end the table.
        Add("endanger\\trelspec.dbf", {{"FIPS2", "99001"},
                                       {"STATE", "ZZ"},
                                       {"COUNTY", "Last"},
                                       {"INVNAME", "Pearly mussel"},
                                       {"ACTION", "L"},
                                       {"KNOWN", "T"},
                                       {"TBLSPECIES", "20"}});
        Add("endanger\\trelspec.dbf", {{"FIPS2", "12003"},
                                       {"STATE", "AA"},
                                       {"COUNTY", "Alpha"},
                                       {"INVNAME", "Darter"},
                                       {"ACTION", "P"},
                                       {"KNOWN", "F"},
                                       {"TBLSPECIES", "10"}});
        Add("endanger\\trelspec.dbf", {{"FIPS2", "12003"},
                                       {"STATE", "AA"},
                                       {"COUNTY", "Alpha"},
                                       {"INVNAME", "Shiner"},
                                       {"ACTION", "X"},
                                       {"TBLSPECIES", "10"}});
        Add("endanger\\trelspec.dbf", {{"FIPS2", "12003"},
                                       {"STATE", "AA"},
                                       {"COUNTY", "Alpha"},
                                       {"INVNAME", "Mucket"},
                                       {"ACTION", "D"},
                                       {"KNOWN", "T"},
                                       {"TBLSPECIES", "20"}});
        Add("endanger\\trelspec.dbf", {{"FIPS2", "99001"},
                                       {"STATE", "ZZ"},
                                       {"COUNTY", "Last"},
                                       {"INVNAME", "Chub"},
                                       {"ACTION", "L"},
                                       {"KNOWN", "F"},
                                       {"TBLSPECIES", "10"}});
        Add("endanger\\trelspec.dbf", {{"FIPS2", "50001"},
                                       {"STATE", "MM"},
                                       {"COUNTY", "Mid"},
                                       {"INVNAME", "Sturgeon"},
                                       {"ACTION", "L"},
                                       {"TBLSPECIES", "10"}});
    }
    std::vector<std::vector<std::string>> Grid(const std::string& county, bool critters) {
        DirectRec.CNTY = county;
        CurrentPmn.CRITTERS = critters;
        forms::TStringGrid grid;
        FillSpeciesGrid(grid);
        std::vector<std::vector<std::string>> cells;
        for (int row = 0; row < grid.RowCount(); ++row) {
            cells.emplace_back();
            for (int col = 0; col < 6; ++col) {
                cells.back().push_back(grid.Cells(col, row));
            }
        }
        return cells;
    }
};

TEST_F(SpeciesTest, ListsTheSpeciesOfTheFacilitysCounty) {
    AddSpecies();
    OpenTables();
    const auto cells = Grid("12003", true);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0],
              (std::vector<std::string>{"Common Name", "County", "State", "Taxonomic Group",
                                        "Action", "Known Occurrence?"}));
    EXPECT_EQ(cells[1],
              (std::vector<std::string>{"Darter", "Alpha", "AA", "Fishes", "Proposal", "False"}));
    // An unknown action code is shown as stored; an empty occurrence counts as known.
    EXPECT_EQ(cells[2], (std::vector<std::string>{"Shiner", "Alpha", "AA", "Fishes", "X", "True"}));
    EXPECT_EQ(cells[3],
              (std::vector<std::string>{"Mucket", "Alpha", "AA", "Clams", "Delisting", "True"}));
    EXPECT_EQ(CritterRec.SPECIESID, 10);  // read for the first row after the county ends
}

TEST_F(SpeciesTest, TheWalkEndsAtTheEndOfTheTableAndOnlyWhenAsked) {
    AddSpecies();
    OpenTables();
    const auto last = Grid("99001", true);
    ASSERT_EQ(last.size(), 3u);
    EXPECT_EQ(last[1][0], "Pearly mussel");
    EXPECT_EQ(last[1][4], "Listing");
    EXPECT_EQ(last[1][3], "Clams");
    EXPECT_EQ(last[2][0], "Chub");
    EXPECT_EQ(Grid("12003", false).size(), 1u);  // species not assessed for this release
    EXPECT_EQ(Grid("40000", true).size(), 1u);   // a county without listed species
    EXPECT_EQ(Grid("", true).size(), 1u);        // a facility without a county
    EXPECT_FALSE(LoadCountySpecies("40000"));
    EXPECT_EQ(CritterRec.FIPS2, "50001");
}

TEST_F(DataLayerTest, FieldGettersOfTheLookupTables) {
    Add("duriviz\\sids2004.dbf",
        {{"NPDES", "AA0000001"}, {"NAME", "Plant"}, {"ACUTE", "ten"}, {"MILES", "-2.7"}});
    Add("duriviz\\sids2004.dbf", {{"NPDES", "BB0000002"}, {"PLANTFLOW", "3000000000"}});
    Add("rscan\\reach.dbf", {{"REACH", "01000000001"}, {"MEAN_FLOW", "50"}, {"LOW_FLOW", "2"}});
    Add("rscan\\reach.dbf", {{"REACH", "09000000009"}, {"MEAN_FLOW", "80"}, {"LOW_FLOW", "4"}});
    Add("endanger\\trelspec.dbf", {{"FIPS2", "12003"}});
    OpenTables();

    // Blank fields read as "", 0 and true.
    EXPECT_EQ(SidsFieldAsString("CITY"), "");
    EXPECT_EQ(SidsFieldAsFloat("POP"), 0);
    EXPECT_EQ(SidsFieldAsInteger("IPOTW"), 0);
    EXPECT_TRUE(CritterTrelFieldAsBoolean("KNOWN"));
    EXPECT_EQ(CritterTrelFieldAsString("INVNAME"), "");
    // Integers are cut toward zero.
    EXPECT_EQ(SidsFieldAsInteger("MILES"), -2);
    // Only the scenario table forgives a field that holds no number.
    EXPECT_THROW(SidsFieldAsFloat("ACUTE"), std::exception);
    EXPECT_THROW(SidsFieldAsString("NOSUCHFIELD"), std::exception);
    // A number too large for a whole number is an error, not a wrapped value.
    Tables().SidsTable.Next();
    EXPECT_EQ(SidsFieldAsFloat("PLANTFLOW"), 3e9);
    EXPECT_THROW(SidsFieldAsInteger("PLANTFLOW"), std::exception);

    // A reach key after the last one reads the last reach; the key is not compared.
    LoadReachFlows("99999999999");
    EXPECT_EQ(ReachRec.REACH, "09000000009");
    EXPECT_EQ(ReachRec.MEAN_FLOW, 80);
    LoadReachFlows("01000000000");
    EXPECT_EQ(ReachRec.REACH, "01000000001");
}

TEST_F(DataLayerTest, SearchResultsAreReadBackInPermitOrder) {
    OpenTables();
    const struct {
        const char* npdes;
        const char* iacc;
    } sites[] = {{"ZZ0000003", "A"}, {"AA0000001", ""}, {"MM0000002", "I"}};
    for (const auto& site : sites) {
        DirectRec.NPDES = site.npdes;
        DirectRec.NAME = std::string("Plant ") + site.npdes;
        DirectRec.REACH = "01000000001";
        DirectRec.REACHNM = "Reach";
        DirectRec.SIC = "2891";
        DirectRec.IACC = site.iacc;
        AppendUserSite(1, site.npdes[0] == 'A' ? "" : "Town, ST");
    }
    tables::Table& results = Tables().TmpResTable;
    results.SetIndex("NPDES");
    std::vector<std::string> order;
    for (results.First(); !results.Eof(); results.Next()) {
        LoadUserSite();
        order.push_back(TmpRec.NPDES + "/" + TmpRec.ACTIVE + "/" + TmpRec.LOCATION);
        EXPECT_EQ(TmpRec.D_OR_I, "D");
        EXPECT_EQ(TmpRec.SIC, "2891");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"AA0000001//", "MM0000002/I/Town, ST",
                                               "ZZ0000003/A/Town, ST"}));
}

}  // namespace
