// The older dilution path: its approximations against the engine, the table search and the
// interpolation of a category table.
#include "dilution/pdm_older_path.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dilution/pdm_engine.h"
#include "dilution/pdm_quadrature.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_tables.h"
#include "form_helpers/edit_helpers.h"
#include "scenario/scenario_record.h"

namespace {

TEST(PdmOlderPath, QuadratureDeviatesFollowTheInverseNormal) {
    // The rational approximation is good to 4.5e-4; points below 1e-18 are raised to it.
    for (int i = 1; i <= 32; ++i) {
        const double p = PdmQuadratureTable().points[i];
        const double expected = -CPDM::InverseNormal(p < 1e-18 ? 1e-18 : p);
        EXPECT_NEAR(QuadratureNormalDeviate(i), expected, 4.5e-4) << i;
    }
}

TEST(PdmOlderPath, SiteIntegralAgreesWithTheEngine) {
    struct Case {
        double a, b, mean, low, plant, load, coc;
    };
    const Case cases[] = {
        {0.4, 3.053, 500, 40, 2, 1, 10},
        {0.96, 9.284, 80, 3, 0.5, 0.2, 1},
        {0.141, 0, 30, 8, 1, 0.05, 3},
    };
    for (const Case& c : cases) {
        PdmCoefA = c.a;
        PdmCoefB = c.b;
        PdmSiteMeanFlow = c.mean;
        PdmSiteLowFlow = c.low;
        PdmSitePlantFlow = c.plant;
        TabulateDilutionTerms();
        const double older = IntegrateTailProbability(c.coc * c.low / (c.load * 1000));
        CPDM engine;
        engine.CoefA[5][5] = c.a;
        engine.CoefB[5][5] = c.b;
        const double fraction =
            engine.ComputeExceedance(5, 5, c.mean, c.low, c.plant, 0.24, 0.85, c.load, c.coc);
        EXPECT_NEAR(older, fraction, 2e-3) << c.mean << " " << c.coc;
        EXPECT_GT(older, 0.0);
    }
}

TEST(PdmOlderPath, StationCountIncludesTheLevelAndStopsAtTheFirstBelow) {
    for (int i = 1; i <= 100; ++i) {
        ActFlowRec.FlowValues[i] = i * 10.0;  // 10 .. 1000 MLD
    }
    ActFlowRec.FlowValues[1] = 0;
    ComputeStationConcentrations(1.0);  // 1000 / flow ug/L
    EXPECT_EQ(ActFlowRec.FlowValues[1], 1e-11);
    EXPECT_EQ(CountStationConcentrationsAbove(10.0), 10);  // flows up to 100, 100 included
    EXPECT_EQ(CountStationConcentrationsAbove(1.0), 100);
    EXPECT_EQ(CountStationConcentrationsAbove(1e20), 0);
}

TEST(PdmOlderPath, SearchOfTheConcentrationAxis) {
    PdmConcAxis = {1, 2, 4, 8};
    struct Case {
        double x;
        int row;
        bool hit;
    };
    const Case cases[] = {
        {0.5, -1, false}, {9, -2, false},          {1, 1, true},    {2, 2, true}, {3, 2, false},
        {8, 4, true},     {7.9999999999, 4, true}, {1.5, 1, false},
    };
    for (const Case& c : cases) {
        bool hit = !c.hit;
        EXPECT_EQ(SearchPdmConcTable(c.x, &hit), c.row) << c.x;
        EXPECT_EQ(hit, c.hit) << c.x;
    }
}

TEST(PdmOlderPath, CategoryTableValueByLogLinearInterpolation) {
    PdmConcAxis = {1, 2, 4, 8};
    PdmWwtRemoval = 50;
    PdmPreTreatRelease = 2;  // 1 kg/day after treatment
    struct Case {
        std::vector<double> values;
        double coc, expected;
    };
    const Case cases[] = {
        {{8, 4, 2, 1}, 3, 4 / std::sqrt(2.0)},  // halfway in ln(value): 4 x 2^-0.5
        {{8, 4, 2, 1}, 4, 2},                   // on a row
        {{8, 4, 0, 0}, 3, 2},                   // an empty share: straight line
        {{8, 4, 2, 1}, 20, 0},                  // above the axis
        {{8, 4, 2, 1}, 0.5, -1},                // below the axis
    };
    for (const Case& c : cases) {
        PdmSicTableValues = c.values;
        CurrentPmn.COC0 = c.coc;
        EXPECT_NEAR(TableDaysExceeded(0), c.expected, 1e-12) << c.coc;
    }
}

}  // namespace
