// The precomputed category tables of the older category run, made from the model itself.
#include "dilution/pdm_category_tables.h"

#include <cmath>

#include "dilution/pdm_older_path.h"

std::vector<double> PdmConcAxisValues() {
    std::vector<double> axis(PdmTableRows);
    const double first = -5;
    const double last = 9;
    for (int i = 0; i < PdmTableRows; ++i) {
        axis[i] = std::pow(10.0, first + (last - first) * i / (PdmTableRows - 1));
    }
    return axis;
}

PdmCategoryTableValues ComputePdmCategoryTables(const std::vector<PdmSicFacility>& facilities,
                                                const std::vector<double>& axis, double siteCount) {
    PdmCategoryTableValues tables;
    const double topSites = std::floor(0.1 * siteCount);
    const std::vector<PdmSicDischarge> discharges = PrepareSicDischarges(facilities);
    for (double x : axis) {
        double average = 0;
        double highEnd = 0;
        CondenseFractions(PdmSicFractions(discharges, 1.0, x, 1), &average, &highEnd);
        tables.average.push_back(siteCount * average);
        tables.highEnd.push_back(topSites * highEnd);
    }
    return tables;
}
