// The special evaluation grid: which run totals meet the exposure-based and persistence criteria.
#include "exposure/special_evaluation.h"

#include <cmath>

#include "scenario/number_text.h"

namespace {

struct Criterion {
    const char* label;
    double exposureBased;
    double persistent;
};

constexpr std::array<Criterion, 6> kCriteria = {{
    {"Drinking (Surface) Water Dose (mg/kg/day)", 0.003, 0.003},
    {"Fish Ingestion Dose (mg/kg/day)", 0.003, 0.003},
    {"Inhalation Dose (mg/kg/day)", 0.003, 0.003},
    {"Groundwater Dose (mg/kg/day)", 0.003, 0.003},
    {"Surface Water releases after treatment (kg/yr)", 1000, 200},
    {"Total Releases after treatment (kg/yr)", 10000, 2000},
}};

const char* YesNo(bool yes) {
    return yes ? "Yes" : "No";
}

}  // namespace

bool ReachesThreshold(double value, double threshold) {
    return value >= threshold - 1e-9 * std::fabs(threshold);
}

double SpecialEvaluationTotal(const RunTotals& totals, int row) {
    switch (row) {
        case 1:
            return totals.RunMaxDwAdr;
        case 2:
            return totals.RunMaxFishAdr;
        case 3:
            return totals.RunMaxInhAdr;
        case 4:
            return totals.RunMaxGwLadd;
        case 5:
            return totals.RunWaterReleaseTotal;
        case 6:
            return totals.RunAllMediaReleaseTotal;
        default:
            return 0;
    }
}

SpecialEvaluationCells SpecialEvaluationGridCells(const RunTotals& totals, bool exposureBased,
                                                  bool persistent) {
    SpecialEvaluationCells cells;  // every string starts empty; "cells{}" crashes clang 14
    cells[0] = {"Parameter", "Exp Based", "Persistent", "Exceedance value"};
    for (int row = 1; row <= 6; ++row) {
        const Criterion& criterion = kCriteria[static_cast<size_t>(row - 1)];
        const double total = SpecialEvaluationTotal(totals, row);
        auto& line = cells[static_cast<size_t>(row)];
        line[0] = criterion.label;
        line[3] = FormatValue(total);
        line[1] = exposureBased ? YesNo(ReachesThreshold(total, criterion.exposureBased)) : "N/A";
        line[2] = persistent ? YesNo(ReachesThreshold(total, criterion.persistent)) : "N/A";
        if (line[1] != "Yes" && line[2] != "Yes")
            line[3].clear();
    }
    return cells;
}
