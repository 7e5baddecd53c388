// Endangered species listed for a county, joined with their species and taxonomic group rows.
#include "shell/lookups_endangered.h"

#include "shell/scenario_record.h"
#include "shell/table_set.h"

namespace {

std::string ActionText(const std::string& code) {
    if (code == "L") {
        return "Listing";
    }
    if (code == "P") {
        return "Proposal";
    }
    if (code == "D") {
        return "Delisting";
    }
    return code;
}

void WriteSpeciesRow(forms::TStringGrid& grid, int row) {
    grid.SetCells(0, row, CritterRec.INVNAME);
    grid.SetCells(1, row, CritterRec.COUNTY);
    grid.SetCells(2, row, CritterRec.STATE);
    grid.SetCells(3, row, CritterRec.GROUP);
    grid.SetCells(4, row, CritterRec.ACTION);
    grid.SetCells(5, row, CritterRec.KNOWN);
}

}  // namespace

void LoadSpeciesGroup(double groupId) {
    tables::Table& groups = Tables().CritterGrpTable;
    groups.FindNearest(groupId);
    CritterRec.GROUPID_FK = CritterGrpFieldAsFloat("GROUPID");
    CritterRec.GROUP = CritterGrpFieldAsString("GROUP");
}

void LoadSpecies(double speciesId) {
    tables::Table& species = Tables().CritterTable;
    species.FindNearest(speciesId);
    CritterRec.SPECIESID = CritterFieldAsFloat("SPECIESID");
    CritterRec.GROUPID_FK = CritterFieldAsFloat("GROUPID_FK");
    CritterRec.ACTION_DAT = CritterFieldAsString("ACTION_DAT");
    LoadSpeciesGroup(CritterRec.GROUPID_FK);
}

bool LoadCountySpecies(const std::string& countyKey) {
    tables::Table& counties = Tables().CritterTrelTable;
    if (!countyKey.empty()) {
        counties.FindNearest(countyKey);
    }
    CritterRec.FIPS2 = CritterTrelFieldAsString("FIPS2");
    if (!countyKey.empty() && CritterRec.FIPS2 != countyKey) {
        return false;
    }
    CritterRec.INVNAME = CritterTrelFieldAsString("INVNAME");
    CritterRec.STATE = CritterTrelFieldAsString("STATE");
    CritterRec.COUNTY = CritterTrelFieldAsString("COUNTY");
    CritterRec.TBLSPECIES = CritterTrelFieldAsFloat("TBLSPECIES");
    CritterRec.KNOWN = CritterTrelFieldAsBoolean("KNOWN") ? "True" : "False";
    CritterRec.ACTION = ActionText(CritterTrelFieldAsString("ACTION"));
    CritterRec.WHYCHANGE = CritterTrelFieldAsString("WHYCHANGE");
    LoadSpecies(CritterRec.TBLSPECIES);
    return true;
}

void FillSpeciesGrid(forms::TStringGrid& grid) {
    static const char* const kHeaders[] = {"Common Name",     "County", "State",
                                           "Taxonomic Group", "Action", "Known Occurrence?"};
    if (grid.ColCount() < 6) {
        grid.SetColCount(6);
    }
    if (grid.RowCount() < 1) {
        grid.SetRowCount(1);
    }
    for (int col = 0; col < 6; ++col) {
        grid.SetCells(col, 0, kHeaders[col]);
    }
    int row = 1;
    const std::string county = DirectRec.CNTY;
    // A facility without a county key lists nothing rather than whatever row the table is on.
    if (!county.empty() && LoadCountySpecies(county) && CurrentPmn.CRITTERS) {
        tables::Table& counties = Tables().CritterTrelTable;
        while (true) {
            if (grid.RowCount() <= row) {
                grid.SetRowCount(row + 1);
            }
            WriteSpeciesRow(grid, row);
            ++row;
            counties.Next();
            if (counties.Eof() || !LoadCountySpecies("") || CritterRec.FIPS2 != county) {
                break;
            }
        }
    }
    grid.SetRowCount(row);
}
