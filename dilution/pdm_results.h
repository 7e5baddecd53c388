// Results of the last dilution run and the flags the dilution pages share.
#pragma once

#include <string>

// PdmHighEnd, the high-end or average choice of the dilution pages, is part of the case.
#include "scenario/scenario_record.h"

// Per concentration of concern (index 0..2; slot 3 is read only by the full results run):
// percent of the year and days per year the concentration is exceeded, NotApplicable (-9)
// when the model does not apply.
extern double PdmPercentExceeded[4];
extern double PdmDaysExceeded[4];
extern double PdmCoc[3];
// Release days per year, release before treatment (kg/day) and treatment removal (%) used.
extern double PdmReleaseDays;
extern double PdmPreTreatRelease;
extern double PdmWwtRemoval;
// The stream flows (MLD) shown for the site: station percentiles 50 and 10, or the reach's
// mean and low flow. NotApplicable after start-up.
extern double PdmSiteMeanFlow;
extern double PdmSiteLowFlow;
// 1 when the last station lookup found the station; EstimatedFlowsFound becomes 1 once a run
// without a station finds a reach mean flow above 0.
extern int GageFlowsFound;
extern int EstimatedFlowsFound;
// The same two flags under the names the results pages use.
inline int& PdmGageFound = GageFlowsFound;
inline int& PdmEstFlowFound = EstimatedFlowsFound;

// The analysis label of the dilution reports: "High" for the high-end analysis, "Ave " (with its
// blank) for the average one.
extern std::string PdmScenarioText;
// Which calculation ran last: 8 dilution per site, 9 dilution per industry category (the
// results run sets the other codes).
extern int ScenarioCode;
// The results form shows only the dilution pages (PdmPagesActive) or was opened for a
// dilution-only run (PdmOnlyRun).
extern unsigned char PdmOnlyRun;
extern unsigned char PdmPagesActive;
// The rows of each dilution page's result grid below its units row.
inline constexpr int PdmResultGridRows = 7;
// Next free rows of the two result grids; 1 when empty.
extern int PdmSiteResultRows;
extern int PdmSicResultRows;
