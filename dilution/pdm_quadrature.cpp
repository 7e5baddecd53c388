// The 32 fixed points and weights over (0, 1) on which the dilution model integrates.
#include "dilution/pdm_quadrature.h"

#include <cmath>

#include "dilution/pdm_engine.h"

const std::array<double, 8> LegendreNodes = {
    0.9894009349916499, 0.9445750230732326,  0.8656312023878318, 0.755404408355003,
    0.6178762444026438, 0.45801677765722737, 0.2816035507792589, 0.09501250983763745};
const std::array<double, 8> LegendreWeights = {
    0.027152459411754037, 0.062253523938647706, 0.09515851168249259, 0.12462897125553403,
    0.14959598881657676,  0.16915651939500262,  0.1826034150449236,  0.18945061045506859};
const std::array<double, 16> LaguerreNodes = {
    51.70116033954332,  41.94045264768833,  34.58339870228662,  28.57872974288214,
    23.515905693991908, 19.180156856753136, 15.441527368781617, 12.21422336886616,
    9.438314336391938,  7.070338535048234,  5.078018614549768,  3.4370866338932067,
    2.1292836450983805, 1.1410577748312265, 0.4626963289150804, 0.08764941047892776};
const std::array<double, 16> LaguerreWeights = {
    4.161462370372851e-22, 5.050473700035608e-18,  6.29796700251788e-15,  2.1270790332241214e-12,
    2.862350242973897e-10, 1.8810248410797222e-08, 6.828319330871331e-07, 1.4844586873981502e-05,
    0.0002042719153082809, 0.0018490709435263271,  0.011299900080339598,  0.04732892869412563,
    0.13629693429637874,   0.2657957776442144,     0.3310578549508783,    0.2061517149578049};

namespace {

PdmQuadrature BuildQuadrature() {
    PdmQuadrature table;
    for (int k = 0; k < 8; ++k) {
        table.points[1 + k] = (1.0 - LegendreNodes[k]) / 2.0;
        table.weights[1 + k] = LegendreWeights[k] / 4.0;
        table.points[9 + k] = (1.0 + LegendreNodes[k]) / 2.0;
        table.weights[9 + k] = LegendreWeights[k] / 4.0;
    }
    for (int k = 0; k < 16; ++k) {
        table.points[17 + k] = std::exp(-LaguerreNodes[k]);
        table.weights[17 + k] = LaguerreWeights[k] / 2.0;
    }
    for (int i = 1; i <= 32; ++i) {
        table.deviates[i] = CPDM::InverseNormal(table.points[i]);
    }
    return table;
}

}  // namespace

const PdmQuadrature& PdmQuadratureTable() {
    static const PdmQuadrature table = BuildQuadrature();
    return table;
}
