// The dilution run for one discharging facility and one concentration of concern.
#pragma once

#include <string>

// Region (characters 1-2) and subregion (characters 3-4) of a reach code, each read as a
// two-digit decimal number. False when the code is shorter than four characters.
bool RegionOfReach(const std::string& reach, int* region, int* subregion);

// The concentration of concern numbered coc (0..2) of CurrentPmn, ug/L.
double CocOfCurrentRelease(int coc);

// Days and percent of the year that the stream below the facility CurrentPmn.NPDES exceeds
// concentration of concern coc (0..2), with the load CurrentPmn.PostTreat: from the 100
// percentile flows of the chosen gaging station when the reach has one, else analytically
// from the reach's mean and low flows and the plant flow. The result goes to slot coc of
// PdmPercentExceeded and PdmDaysExceeded: NotApplicable when the concentration of concern is
// not above 0, the facility is not in the table, or neither station nor reach flows exist.
// Returns 1; 0 for a coc outside 0..2, which changes nothing.
int RunPdmSite(int coc);

// The share of a year: fraction of the release days x 100 x release days / 365.
double PercentOfYear(double fraction, double releaseDays);
double DaysOfPercent(double percent);
