// Regional regression coefficients of stream-flow variability, by region and subregion.
#pragma once

#include <span>

// A pair (A, B) that holds for subregions firstSubregion..lastSubregion of a region; the
// spans of a region cover subregions 1..30 once each. The coefficient of variation of a
// stream's flow is exp(A - B x low flow / mean flow).
struct RegionalCoefficientSpan {
    int region;
    int firstSubregion;
    int lastSubregion;
    double a;
    double b;
};

std::span<const RegionalCoefficientSpan> RegionalCoefficientSpans();
