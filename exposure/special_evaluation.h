// The special evaluation of a chemical: the run totals against the exposure-based and
// persistence criteria.
#pragma once

#include <array>
#include <string>

#include "exposure/run_totals.h"

// True when the value reaches the threshold, allowing a relative rounding error of 1e-9 (a
// release of 1000 kg/yr summed to 999.9999999999998 reaches 1000).
bool ReachesThreshold(double value, double threshold);

// The grid's texts: 7 rows by 4 columns, cells[row][col], row 0 and column 0 headings.
using SpecialEvaluationCells = std::array<std::array<std::string, 4>, 7>;

// The run total of grid row 1..6.
double SpecialEvaluationTotal(const RunTotals& totals, int row);

// The grid for the run totals, with the columns of the evaluations not asked reading "N/A" and
// the value of a row emptied when no asked criterion is met.
SpecialEvaluationCells SpecialEvaluationGridCells(const RunTotals& totals, bool exposureBased,
                                                  bool persistent);
