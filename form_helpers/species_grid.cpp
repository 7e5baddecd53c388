// The grid of endangered species listed for the facility's county.
#include "form_helpers/species_grid.h"

#include "scenario/lookups_endangered.h"

namespace {

void WriteSpeciesRow(forms::TStringGrid& grid, int row, const critter_record& species) {
    grid.SetCells(0, row, species.INVNAME);
    grid.SetCells(1, row, species.COUNTY);
    grid.SetCells(2, row, species.STATE);
    grid.SetCells(3, row, species.GROUP);
    grid.SetCells(4, row, species.ACTION);
    grid.SetCells(5, row, species.KNOWN);
}

}  // namespace

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
    for (const critter_record& species : ListedSpeciesOfFacility()) {
        if (grid.RowCount() <= row) {
            grid.SetRowCount(row + 1);
        }
        WriteSpeciesRow(grid, row, species);
        ++row;
    }
    grid.SetRowCount(row);
}
