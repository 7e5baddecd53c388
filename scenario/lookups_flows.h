// Industry-category flow statistics, gaging-station flows and the dilution coefficients.
#pragma once

#include <string>

// Copies the eight flow statistics of category CurrentPmn.SIC_CODE (row n = category n; beyond
// the last row reads the last, 0 or less the first) into CurrentPmn. The category table is opened
// for the read and closed after it.
void LoadSicFlowStats();
// Writes CurrentPmn.SIC and the eight flow statistics back into the row of category
// CurrentPmn.SIC_CODE and posts it; the table is opened for the write and closed after it. A
// category without its row throws std::out_of_range and writes nothing.
void SaveSicFlowStats();

// Loads the station row at the given offset among the rows of the reach (0 = its first station)
// into ActFlowRec. 1 when a row of that reach was loaded and has a full set of values (F99 not 0);
// 0 for an empty key, a reach without stations, or an offset past the reach's last station,
// including one that runs past the end of the table.
int LoadGageFlows(const std::string& reachKey, int rowOffset);

// Fields A and B of row n of the coefficient table into PdmCoefficients.
void LoadPdmCoefficients(int row);

// a when a > b, else b; a when a < b, else b (so equal values and a NaN give b).
double MaxOf(double a, double b);
double MinOf(double a, double b);
