// The precomputed category tables of the older category run, made from the model itself.
#pragma once

#include <vector>

#include "dilution/pdm_category_run.h"

// The normalised-concentration axis: PdmTableRows values spaced evenly in their logarithm
// from 1e-5 to 1e9 ug/L per kg/day of load.
std::vector<double> PdmConcAxisValues();

// The table of a category at every axis value x: the category's site count times the mean
// fraction of its facilities above a level of x for a load of 1 kg/day (average table), or a
// tenth of the site count (cut to a whole number) times the mean of the largest tenth of the
// fractions (high-end table). Dividing by the same count gives back the mean fraction.
struct PdmCategoryTableValues {
    std::vector<double> average;
    std::vector<double> highEnd;
};
PdmCategoryTableValues ComputePdmCategoryTables(const std::vector<PdmSicFacility>& facilities,
                                                const std::vector<double>& axis, double siteCount);
