// Flow percentiles of every industry category over the facilities a category run lists, and
// the developer's listing of them (sic_vals.txt).
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

// Writes the percentiles of the 36 categories, two lines each, to the file; false when it
// cannot be written.
bool WriteSicFlowValues(const std::string& path);
