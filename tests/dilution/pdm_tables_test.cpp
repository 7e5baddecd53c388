// Start-up tables of the dilution model.
#include "dilution/pdm_tables.h"

#include <gtest/gtest.h>

#include "dilution/pdm_quadrature.h"
#include "dilution/pdm_results.h"

namespace {

TEST(InitPdmTables, FillsQuadratureAndMarksSiteFlowsNotApplicable) {
    PdmSiteMeanFlow = 12;
    PdmSiteLowFlow = 3;
    InitPdmTables();
    EXPECT_EQ(PdmSiteMeanFlow, -9.0);
    EXPECT_EQ(PdmSiteLowFlow, -9.0);
    EXPECT_EQ(PdmSitePlantFlow, -9.0);
    EXPECT_EQ(PdmStationKey, "0");
    EXPECT_NEAR(PdmQuadratureNodes[1], 0.0052995325, 1e-10);
    EXPECT_NEAR(PdmQuadratureWeights[32], 0.1030758575, 1e-10);
    for (int i = 1; i <= 32; ++i) {
        EXPECT_EQ(PdmQuadratureNodes[i], PdmQuadratureTable().points[i]);
        EXPECT_EQ(PdmQuadratureWeights[i], PdmQuadratureTable().weights[i]);
    }
}

}  // namespace
