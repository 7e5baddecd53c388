// The exposure calculations of a results run, one per scenario kind. Each works in place on
// CurrentPmn, records its kind in ScenarioCode, and adds to the run totals of the form while
// they are open. A result that needs a divisor of 0 or less holds NotApplicable and the input is
// noted in the form.
#pragma once

#include "exposure/run_totals.h"

// Release totals per medium, kg/yr (kind 0).
void CalcEnvironmentalReleases(RunTotals& form);
// Stack inhalation doses of an incineration release (kind 5).
void CalcIncinerationExposure(RunTotals& form);

// Stream concentration (ug/L) of CurrentPmn.PostTreat at a flow (MLD); NotApplicable for a flow
// of 0 or less or one that is not a number.
double ConcentrationAtFlow(double flow);
// Drinking-water and fish doses at a river site (kind 1), at a lake (kind 2, fish only) and at
// the 50th and 10th percentile sites of an industry category (kind 3).
void CalcRiverSiteExposure(RunTotals& form);
void CalcLakeExposure(RunTotals& form);
void CalcSicCodeExposure(RunTotals& form);

// Groundwater doses from landfill (kind 6).
void CalcLandfillExposure(RunTotals& form);
// Fugitive and stack inhalation doses and their release totals (kind 4).
void CalcInhalationExposure(RunTotals& form);
