// Word-format parts of a surface-water release: river site, lake and the endangered species of
// the facility's county.
#pragma once

#include "documents/word_report_state.h"
#include "scenario/scenario_record.h"

// The facility, its reach and discharge, as the river site, the lake and the dilution site show
// them: FacilityName, FacilityLocation, RecWater, Reach, FacOnReach, DischargeType, NPDES.
BookmarkValues FacilityValues(const pmn_record& r);

// Each writes its part unless it is listed already, then, when CurrentPmn.CRITTERS is set, the
// endangered-species pages of the grid (species from row 1).
void WriteRiverSiteDoc(WordReportForm& form, const SpeciesRows& endSpecSite);
void WriteLakeDoc(WordReportForm& form, const SpeciesRows& endSpecLake);

// Endangered-species page (0..6): rows 23 x page + 1 .. 23 x page + 23 of the grid, in a part
// named with the extension "en" followed by the page. Cell c of the page's row r goes into the
// bookmark "End", c and r + 3 (table rows 4 to 26). Opened without a message on failure.
void WriteEndangeredSpeciesDoc(WordReportForm& form, int page, const SpeciesRows& grid);
