// Flow percentiles of every industry category over the facilities a category run lists, and
// the developer command that stores them as the categories' flow statistics and lists them
// (sic_vals.txt).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The value at a fraction (0..1) of the sorted values, by linear interpolation between the
// two neighbouring values; 0 for no values.
double InterpolatedPercentile(std::vector<double> values, double fraction);

// The 10th and 50th percentiles of six flow lists of a category: mean, 7Q10, harmonic mean,
// 30Q5, 1Q10 (MLD) and the stream dilution factor at low flow, (7Q10 + plant flow) / plant
// flow.
struct SicFlowPercentiles {
    int category = 0;
    std::size_t facilities = 0;
    std::array<double, 6> tenth{};
    std::array<double, 6> median{};
};

std::vector<SicFlowPercentiles> ComputeSicFlowValues();

// Writes the percentiles, two lines per category, to the file; false when it cannot be written.
bool WriteSicFlowValues(const std::vector<SicFlowPercentiles>& values, const std::string& path);

// The developer command "Get SDFP's": computes the percentiles of the 36 categories, stores
// each category's harmonic-mean, 30Q5, 7Q10 and 1Q10 percentiles with its description as the
// category's flow statistics (row n of the statistics table for category n), then writes the
// listing. CurrentPmn is left as it was. False when the listing cannot be written.
bool GetSicFlowValues(const std::string& path);
