// WordPerfect-format parts of a surface-water release: river site, lake and the endangered
// species of the facility's county.
#pragma once

#include "documents/report_values.h"
#include "documents/wpd_report_state.h"

// Each writes its part unless it is listed already, then, when CurrentPmn.CRITTERS is set, the
// endangered-species parts of the grid (species from row 1). False when a template or part
// failed (the user was told).
bool WriteRiverSiteWpd(WpdReportState& form, const SpeciesRows& endSpecSite);
bool WriteLakeWpd(WpdReportState& form, const SpeciesRows& endSpecLake);

// Endangered-species part k (0..6): rows 23k+1 .. 23k+23 of the grid, in a part named with the
// extension "en" followed by k.
bool WriteEndangeredSpeciesWpd(WpdReportState& form, int k, const SpeciesRows& grid);
