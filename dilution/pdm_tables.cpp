// Start-up tables of the dilution model and the values of its older site path.
#include "dilution/pdm_tables.h"

#include "dilution/pdm_quadrature.h"
#include "dilution/pdm_results.h"

double PdmQuadratureNodes[33] = {};
double PdmQuadratureWeights[33] = {};
double PdmSitePlantFlow = 0;
std::string PdmStationKey;

void InitPdmTables() {
    const PdmQuadrature& table = PdmQuadratureTable();
    for (int i = 1; i <= 32; ++i) {
        PdmQuadratureNodes[i] = table.points[i];
        PdmQuadratureWeights[i] = table.weights[i];
    }
    PdmSiteMeanFlow = -9.0;
    PdmSiteLowFlow = -9.0;
    PdmSitePlantFlow = -9.0;
    PdmStationKey = "0";
}
