// The grid of endangered species listed for the facility's county, on small tables and on the
// demonstration region.
#include "form_helpers/species_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_layer_fixture.h"
#include "scenario/lookups_endangered.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"

namespace {

using fixture::DataLayerTest;
using fixture::DemoRegionTest;

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

TEST_F(DemoRegionTest, SpeciesOfTheRiverFacilitysCounty) {
    LoadFacility("NY0020371", "NPDES");
    CurrentPmn.CRITTERS = true;
    forms::TStringGrid grid;
    FillSpeciesGrid(grid);
    ASSERT_EQ(grid.RowCount(), 4);
    const std::vector<std::vector<std::string>> expected = {
        {"Hallow springsnail", "Fenwick", "NY", "Snails", "Listing", "True"},
        {"Linden snake", "Fenwick", "NY", "Reptiles", "Proposal", "True"},
        {"Saltmarsh pocketbook", "Fenwick", "NY", "Clams", "Delisting", "True"},
    };
    for (int row = 1; row < 4; ++row) {
        for (int col = 0; col < 6; ++col) {
            EXPECT_EQ(grid.Cells(col, row), expected[std::size_t(row - 1)][std::size_t(col)])
                << row << "," << col;
        }
    }
    // The county whose rows end the table.
    DirectRec.CNTY = "53005";
    FillSpeciesGrid(grid);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 3), "Calder shrew");
}

}  // namespace
