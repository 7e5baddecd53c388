// WordPerfect-format parts of a surface-water release: river site, lake and the endangered
// species of the facility's county.
#pragma once

#include "documents/wpd_report_state.h"

// Sentence added to the surface-water comments when species are assessed and none is listed.
inline constexpr const char* NoEndangeredSpeciesSentence =
    "  There are no endangered species associated with this site.";

// Each writes its part unless it is listed already, then, when CurrentPmn.CRITTERS is set, the
// endangered-species parts of the grid (species from row 1). False when a template or part
// failed (the user was told).
bool WriteRiverSiteWpd(WpdReportState& form, const SpeciesRows& endSpecSite);
bool WriteLakeWpd(WpdReportState& form, const SpeciesRows& endSpecLake);

// Endangered-species part k (0..6): rows 23k+1 .. 23k+23 of the grid, in a part named with the
// extension "en" followed by k.
bool WriteEndangeredSpeciesWpd(WpdReportState& form, int k, const SpeciesRows& grid);
