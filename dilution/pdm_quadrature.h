// The 32 fixed points and weights over (0, 1) on which the dilution model integrates.
#pragma once

#include <array>

// Points 1-16: the 16-point Gauss-Legendre rule mapped to [0, 1]; points 17-32: the 16-point
// Gauss-Laguerre rule mapped by p = exp(-t), which reaches far into the low-flow tail. Each
// rule carries half the weight, so the 32 weights add up to 1. Index 0 is not used.
struct PdmQuadrature {
    std::array<double, 33> points{};
    std::array<double, 33> weights{};
    // The standard normal deviate of each point (InverseNormal of the point), which every
    // evaluation of the integrand needs and which does not depend on the discharge.
    std::array<double, 33> deviates{};
};

const PdmQuadrature& PdmQuadratureTable();

// The published nodes and weights of the two 16-point rules: the positive Gauss-Legendre
// nodes on [-1, 1] in descending order and the Gauss-Laguerre nodes in descending order.
extern const std::array<double, 8> LegendreNodes;
extern const std::array<double, 8> LegendreWeights;
extern const std::array<double, 16> LaguerreNodes;
extern const std::array<double, 16> LaguerreWeights;
