// The dilution engine against published values, hand-worked cases and an independent model.
#include "dilution/pdm_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "dilution/pdm_quadrature.h"
#include "tests/dilution/reference_script.h"

namespace {

TEST(PdmQuadrature, MatchesPublishedSampleValues) {
    const PdmQuadrature& q = PdmQuadratureTable();
    struct Sample {
        int index;
        double point;
        double weight;
    };
    const Sample samples[] = {
        {1, 0.0052995325, 0.0067881149}, {8, 0.4524937451, 0.0473626526},
        {9, 0.9947004675, 0.0067881149}, {16, 0.5475062549, 0.0473626526},
        {17, 3.519e-23, 2.081e-22},      {32, 0.9160819892, 0.1030758575},
    };
    for (const Sample& s : samples) {
        EXPECT_NEAR(q.points[s.index], s.point, s.point * 2e-4) << s.index;
        EXPECT_NEAR(q.weights[s.index], s.weight, s.weight * 2e-4) << s.index;
    }
    double sum = 0;
    for (int i = 1; i <= 32; ++i) {
        sum += q.weights[i];
    }
    EXPECT_NEAR(sum, 1.0, 1e-14);
}

TEST(PdmQuadrature, MatchesNumpyRules) {
    const std::vector<std::string> lines = RunReferenceScript("quadrature");
    ASSERT_EQ(lines.size(), 32u);
    const PdmQuadrature& q = PdmQuadratureTable();
    for (int i = 1; i <= 32; ++i) {
        std::istringstream in(lines[i - 1]);
        double p = 0, w = 0;
        in >> p >> w;
        EXPECT_NEAR(q.points[i], p, p * 1e-13) << i;
        EXPECT_NEAR(q.weights[i], w, w * 1e-13) << i;
    }
}

TEST(PdmNormal, DistributionFunctionAgainstKnownValues) {
    struct Case {
        double x;
        double phi;
    };
    const Case cases[] = {
        {0.0, 0.5},
        {1.0, 0.8413447460685429},
        {-1.0, 0.15865525393145707},
        {1.959963984540054, 0.975},
        {-2.5, 0.006209665325776132},
        {3.0, 0.9986501019683699},
        {6.0, 0.9999999990134123},
        {-6.0, 9.865876450376946e-10},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CPDM::NormalProbability(c.x), c.phi, 1.5e-7) << c.x;
    }
    EXPECT_EQ(CPDM::NormalProbability(6.0001), 1.0);
    EXPECT_EQ(CPDM::NormalProbability(-6.0001), 0.0);
    EXPECT_EQ(CPDM::NormalProbability(std::nan("")), 0.0);
}

TEST(PdmNormal, InverseAgainstKnownQuantiles) {
    struct Case {
        double p;
        double z;
    };
    // One case in each of the three branches and on both branch boundaries.
    const Case cases[] = {
        {0.5, 0.0},
        {0.975, 1.959963984540054},
        {0.01, -2.3263478740408408},
        {0.99, 2.3263478740408408},
        {0.02425, -1.972961051311885},
        {0.97575, 1.972961051311885},
        {1e-10, -6.361340902404056},
        {3.519e-23, -9.847342879147476},
        {0.3, -0.5244005127080407},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CPDM::InverseNormal(c.p), c.z, std::fabs(c.z) * 1.2e-9 + 1e-12) << c.p;
    }
    EXPECT_TRUE(std::isnan(CPDM::InverseNormal(0.0)));
    EXPECT_TRUE(std::isnan(CPDM::InverseNormal(1.0)));
    EXPECT_TRUE(std::isnan(CPDM::InverseNormal(-0.5)));
}

TEST(PdmNormal, ApproximationsToTheLastDigits) {
    // The polynomial and rational approximations evaluated separately (Python, same
    // coefficients and order): a slip in a constant moves these by far more than rounding,
    // yet stays inside the approximations' own error against the exact functions.
    const struct {
        double x, value;
    } distribution[] = {
        {1.0, 0.8413447326427189},  {-1.0, 0.15865526735728108}, {-2.5, 0.00620968015855361},
        {0.25, 0.5987062546401117}, {6.0, 0.9999999990098781},   {-6.0, 9.901218733787687e-10},
    };
    for (const auto& c : distribution) {
        EXPECT_NEAR(CPDM::NormalProbability(c.x), c.value, 1e-16 + 4e-16 * c.value) << c.x;
    }
    const struct {
        double p, z;
    } quantile[] = {
        {0.01, -2.326347874388028}, {0.3, -0.5244005132792953}, {0.975, 1.959963986120195},
        {0.99, 2.326347874388028},  {1e-10, -6.36134089949508},
    };
    for (const auto& c : quantile) {
        EXPECT_NEAR(CPDM::InverseNormal(c.p), c.z, 4e-16 * std::fabs(c.z)) << c.p;
    }
}

TEST(PdmEngine, ClampsInputsIncludingNotANumber) {
    EXPECT_EQ(CPDM::ClampInput(std::nan("")), 1e-15);
    EXPECT_EQ(CPDM::ClampInput(std::numeric_limits<double>::infinity()), 1e15);
    EXPECT_EQ(CPDM::ClampInput(-std::numeric_limits<double>::infinity()), 1e-15);
    EXPECT_EQ(CPDM::ClampInput(0.0), 1e-15);
    EXPECT_EQ(CPDM::ClampInput(2e15), 1e15);
    EXPECT_EQ(CPDM::ClampInput(42.5), 42.5);
}

TEST(PdmEngine, RegionAndSubregionFallOnTheTableEdge) {
    struct Case {
        int region, subregion, expectedRegion, expectedSubregion;
    };
    const Case cases[] = {{0, 0, 1, 1}, {-3, 31, 1, 30}, {19, 5, 18, 5}, {18, 30, 18, 30}};
    for (const Case& c : cases) {
        CPDM engine;
        engine.ComputeExceedance(c.region, c.subregion, 100, 10, 1, 0.24, 0.85, 1, 10);
        EXPECT_EQ(engine.Region, c.expectedRegion);
        EXPECT_EQ(engine.Subregion, c.expectedSubregion);
    }
}

TEST(PdmEngine, StreamFlowVariationFromTheRegionalTable) {
    struct Case {
        int region, subregion;
        double a, b;
    };
    // Listed subregions, ranges, the region's shared pair, and pairs with B = 0.
    const Case cases[] = {
        {1, 1, 0.582, 3.474},   {1, 10, 0.486, 3.228}, {1, 30, 0.458, 2.385},
        {4, 2, 0.141, 0},       {4, 3, 0.141, 0},      {10, 28, 1.312, 67.065},
        {17, 12, 0.467, 2.742}, {18, 9, 0.96, 4.673},  {7, 11, 1.278, 0},
    };
    for (const Case& c : cases) {
        CPDM engine;
        engine.ComputeExceedance(c.region, c.subregion, 100, 10, 1, 0.24, 0.85, 1, 10);
        EXPECT_DOUBLE_EQ(engine.StreamFlowCv, std::exp(c.a - c.b * 10.0 / 100.0))
            << c.region << "/" << c.subregion;
    }
}

TEST(PdmEngine, PowerLawWhenBothCoefficientsAreZero) {
    CPDM engine;
    engine.CoefA[3][3] = 0;
    engine.CoefB[3][3] = 0;
    engine.ComputeExceedance(3, 3, 100, 10, 1, 0.24, 0.85, 1, 10);
    EXPECT_DOUBLE_EQ(engine.StreamFlowCv, 0.4457 * std::pow(0.1, -0.3953));
}

TEST(PdmEngine, MeanFlowBelowPlantFlowIsRaised) {
    CPDM engine;
    engine.ComputeExceedance(4, 2, 2, 1, 5, 0.24, 0.85, 1, 10);
    EXPECT_EQ(engine.MeanFlow, 5);
    EXPECT_EQ(engine.LowFlow, 5);
    const double cv = std::exp(0.141);
    EXPECT_DOUBLE_EQ(engine.StreamFlowCv, cv);
    EXPECT_NEAR(engine.RatioLogMean,
                std::log(std::sqrt(1 + 0.24 * 0.24)) - std::log(std::sqrt(1 + cv * cv)), 1e-15);
    EXPECT_DOUBLE_EQ(engine.CocScaled, 10 * 5 / 1000.0);
}

struct AnalyticCase {
    int region, subregion;
    double a, b, mean, low, plant, load, coc;
};

TEST(PdmEngine, AnalyticalFractionMatchesAnIndependentModel) {
    const AnalyticCase cases[] = {
        {2, 3, 0.4, 3.053, 500, 40, 2, 1, 10},          {5, 9, 0.96, 9.284, 80, 3, 0.5, 0.2, 1},
        {10, 28, 1.312, 67.065, 12000, 900, 30, 25, 5}, {4, 2, 0.141, 0, 3, 1, 3, 0.01, 0.5},
        {16, 7, 0.351, 0.092, 60, 5, 1, 2, 300},
    };
    for (const AnalyticCase& c : cases) {
        CPDM engine;
        const double fraction = engine.ComputeExceedance(c.region, c.subregion, c.mean, c.low,
                                                         c.plant, 0.24, 0.85, c.load, c.coc);
        const std::vector<std::string> lines =
            RunReferenceScript("exceedance" + ReferenceCaseWords(c));
        ASSERT_EQ(lines.size(), 1u);
        const double expected = std::stod(lines[0]);
        EXPECT_NEAR(fraction, expected, 2e-7) << c.region << "/" << c.subregion;
        EXPECT_EQ(engine.LastExceedance(), fraction);
        EXPECT_GE(fraction, 0.0);
        EXPECT_LE(fraction, 1.0);
    }
}

TEST(PdmEngine, AnalyticalFractionFollowsTheModelsOwnApproximations) {
    // The same integral evaluated independently with the model's approximations of the normal
    // functions: the engine must agree to rounding, which the exact-function check above
    // cannot show.
    const AnalyticCase cases[] = {
        {2, 3, 0.4, 3.053, 500, 40, 2, 1, 10},
        {5, 9, 0.96, 9.284, 80, 3, 0.5, 0.2, 1},
        {10, 28, 1.312, 67.065, 12000, 900, 30, 25, 5},
        {4, 2, 0.141, 0, 3, 1, 3, 0.01, 0.5},
    };
    std::string arguments = "exceedance-approx";
    for (const AnalyticCase& c : cases) {
        arguments += ReferenceCaseWords(c);
    }
    const std::vector<std::string> lines = RunReferenceScript(arguments);
    ASSERT_EQ(lines.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const AnalyticCase& c = cases[i];
        CPDM engine;
        const double fraction = engine.ComputeExceedance(c.region, c.subregion, c.mean, c.low,
                                                         c.plant, 0.24, 0.85, c.load, c.coc);
        EXPECT_NEAR(fraction, std::stod(lines[i]), 1e-14) << c.region << "/" << c.subregion;
    }
}

TEST(PdmEngine, ExtremeConcentrationsOfConcernAndLoads) {
    CPDM engine;
    EXPECT_LT(engine.ComputeExceedance(3, 5, 100, 10, 1, 0.24, 0.85, 1, 1e12), 1e-9);
    EXPECT_GT(engine.ComputeExceedance(3, 5, 100, 10, 1, 0.24, 0.85, 1, 1e-12), 1 - 1e-9);
    EXPECT_LT(engine.ComputeExceedance(3, 5, 100, 10, 1, 0.24, 0.85, 0, 10), 1e-9);
    EXPECT_EQ(engine.Load, 1e-15);
    engine.ComputeExceedance(3, 5, 100, 10, 1, 0.24, 0.85, 1, 0);
    EXPECT_EQ(engine.Coc, 1e-15);
    // Equal inputs give equal results: nothing carries over from the call before.
    const double first = engine.ComputeExceedance(9, 2, 40, 4, 1, 0.24, 0.85, 1, 10);
    engine.ComputeExceedance(1, 1, 4000, 40, 10, 0.24, 0.85, 5, 1);
    EXPECT_EQ(engine.ComputeExceedance(9, 2, 40, 4, 1, 0.24, 0.85, 1, 10), first);
}

TEST(PdmEngine, EmpiricalCountsFlowsGivingConcentrationsAboveTheLevel) {
    struct Case {
        const char* name;
        double load, coc;
        int below;  // flows 1..below get lowFlow, the rest highFlow
        double lowFlow, highFlow;
        double expected;
    };
    // Load 1 kg/day and a level of 10 ug/L: flows under 100 MLD give more than 10 ug/L.
    const Case cases[] = {
        {"25 small flows", 1, 10, 25, 50, 500, 0.25},
        {"37 small flows", 1, 10, 37, 99.99, 1e4, 0.37},
        {"flow at the threshold does not count", 1, 10, 100, 100, 100, 0.0},
        {"all flows zero", 1, 10, 100, 0, 0, 1.0},
        {"level of zero", 1, 0, 0, 0, 1e6, 1.0},
        {"load of zero", 0, 10, 100, 1, 1, 0.0},
    };
    for (const Case& c : cases) {
        double flows[101] = {};
        for (int i = 1; i <= 100; ++i) {
            flows[i] = i <= c.below ? c.lowFlow : c.highFlow;
        }
        CPDM engine;
        EXPECT_DOUBLE_EQ(engine.ExceedanceFromFlowPercentiles(c.load, c.coc, flows), c.expected)
            << c.name;
    }
}

}  // namespace
