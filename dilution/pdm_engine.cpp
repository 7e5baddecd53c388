// The dilution statistics engine: fraction of time a stream concentration exceeds a level.
#include "dilution/pdm_engine.h"

#include <cmath>

#include "dilution/pdm_quadrature.h"
#include "dilution/pdm_regional_coefficients.h"

CPDM PdmEngine;

namespace {

constexpr double LowerBound = 1e-15;
constexpr double UpperBound = 1e15;

// The smaller and larger of two values; the second whenever the comparison fails.
double MinOfValues(double a, double b) {
    return a < b ? a : b;
}
double MaxOfValues(double a, double b) {
    return a > b ? a : b;
}

int ClampIndex(int value, int low, int high) {
    return static_cast<int>(MaxOfValues(MinOfValues(value, high), low));
}

}  // namespace

CPDM::CPDM() {
    FillRegionalCoefficients();
}

void CPDM::FillRegionalCoefficients() {
    for (const RegionalCoefficientSpan& span : RegionalCoefficientSpans()) {
        for (int sub = span.firstSubregion; sub <= span.lastSubregion; ++sub) {
            CoefA[span.region][sub] = span.a;
            CoefB[span.region][sub] = span.b;
        }
    }
}

double CPDM::ClampInput(double value) {
    if (std::isnan(value)) {
        return LowerBound;
    }
    return MaxOfValues(MinOfValues(value, UpperBound), LowerBound);
}

double CPDM::ComputeExceedance(int region, int subregion, double meanFlow, double lowFlow,
                               double plantFlow, double plantFlowCv, double concCv, double load,
                               double coc) {
    const PdmDischarge discharge =
        PrepareDischarge(region, subregion, meanFlow, lowFlow, plantFlow, plantFlowCv, concCv);
    Load = ClampInput(load);
    Coc = ClampInput(coc);
    CocScaled = ScaledLevel(discharge, Load, Coc);
    Exceedance = IntegrateExceedance(discharge, CocScaled);
    return Exceedance;
}

PdmDischarge CPDM::PrepareDischarge(int region, int subregion, double meanFlow, double lowFlow,
                                    double plantFlow, double plantFlowCv, double concCv) {
    Region = ClampIndex(region, 1, 18);
    Subregion = ClampIndex(subregion, 1, 30);
    MeanFlow = ClampInput(meanFlow);
    LowFlow = ClampInput(lowFlow);
    PlantFlow = ClampInput(plantFlow);
    PlantFlowCv = ClampInput(plantFlowCv);
    ConcCv = ClampInput(concCv);
    ComputeLognormalParameters();
    return DischargeTerms();
}

double CPDM::DischargeExceedance(const PdmDischarge& discharge, double load, double coc) {
    return IntegrateExceedance(discharge,
                               ScaledLevel(discharge, ClampInput(load), ClampInput(coc)));
}

double CPDM::ExceedanceFromFlowPercentiles(double load, double coc, const double* flows) {
    Exceedance = 0;
    Load = ClampInput(load);
    Coc = ClampInput(coc);
    int count = 0;
    for (int i = 1; i <= 100; ++i) {
        GageFlows[i] = ClampInput(flows[i]);
        if (Load * 1000 / GageFlows[i] > Coc) {
            ++count;
        }
    }
    Exceedance = count * 0.01;
    return Exceedance;
}

void CPDM::ComputeLognormalParameters() {
    if (MeanFlow < PlantFlow) {
        MeanFlow = PlantFlow;
    }
    if (PlantFlow > LowFlow) {
        LowFlow = PlantFlow;
    }
    StreamFlowVariation();
    const double q = LowFlow;
    double b;
    if (std::fabs(MeanFlow - PlantFlow) < 1e-15) {
        b = q / MeanFlow;
    } else {
        b = q / (MeanFlow - PlantFlow);
    }
    const double c = q / PlantFlow;
    ConcLogMean = std::log((1 + c) / std::sqrt(1 + ConcCv * ConcCv));
    ConcLogVariance = std::log(1 + ConcCv * ConcCv);
    RatioLogMean = std::log(c / b) + std::log(std::sqrt(1 + PlantFlowCv * PlantFlowCv)) -
                   std::log(std::sqrt(1 + StreamFlowCv * StreamFlowCv));
    RatioLogVariance =
        std::log(1 + StreamFlowCv * StreamFlowCv) + std::log(1 + PlantFlowCv * PlantFlowCv);
}

void CPDM::StreamFlowVariation() {
    const double a = CoefA[Region][Subregion];
    const double b = CoefB[Region][Subregion];
    if (a == 0 && b == 0) {
        StreamFlowCv = 0.4457 * std::exp(-0.3953 * std::log(LowFlow / MeanFlow));
    } else {
        StreamFlowCv = std::exp(a - b * LowFlow / MeanFlow);
    }
}

PdmDischarge CPDM::DischargeTerms() const {
    PdmDischarge discharge;
    discharge.LowFlow = LowFlow;
    discharge.ConcLogMean = ConcLogMean;
    discharge.ConcLogSd = std::sqrt(ConcLogVariance);
    const PdmQuadrature& table = PdmQuadratureTable();
    for (int i = 1; i <= 32; ++i) {
        const double r = std::exp(table.deviates[i] * std::sqrt(RatioLogVariance) + RatioLogMean);
        discharge.LogOnePlusRatio[i] = std::log(1 + r);
    }
    return discharge;
}

double CPDM::ScaledLevel(const PdmDischarge& discharge, double load, double coc) {
    return coc * discharge.LowFlow / (load * 1000);
}

// The weighted sum over the fixed points of the chance that the concentration ratio exceeds
// the scaled level.
double CPDM::IntegrateExceedance(const PdmDischarge& discharge, double scaledLevel) {
    const PdmQuadrature& table = PdmQuadratureTable();
    const double logLevel = std::log(scaledLevel);
    double sum = 0;
    for (int i = 1; i <= 32; ++i) {
        const double y =
            (logLevel + discharge.LogOnePlusRatio[i] - discharge.ConcLogMean) / discharge.ConcLogSd;
        sum += table.weights[i] * (1 - NormalProbability(y));
    }
    return sum;
}

double CPDM::InverseNormal(double p) {
    constexpr double a1 = -39.69683028665376, a2 = 220.9460984245205, a3 = -275.9285104469687,
                     a4 = 138.357751867269, a5 = -30.66479806614716, a6 = 2.506628277459239;
    constexpr double b1 = -54.47609879822406, b2 = 161.5858368580409, b3 = -155.6989798598866,
                     b4 = 66.80131188771972, b5 = -13.28068155288572;
    constexpr double c1 = -0.007784894002430293, c2 = -0.3223964580411365, c3 = -2.400758277161838,
                     c4 = -2.549732539343734, c5 = 4.374664141464968, c6 = 2.938163982698783;
    constexpr double d1 = 0.007784695709041462, d2 = 0.3224671290700398, d3 = 2.445134137142996,
                     d4 = 3.754408661907416;
    constexpr double pLow = 0.02425;
    constexpr double pHigh = 1 - pLow;
    if (!(p > 0 && p < 1)) {
        return std::nan("");
    }
    if (p < pLow) {
        const double q = std::sqrt(-2 * std::log(p));
        return (((((c1 * q + c2) * q + c3) * q + c4) * q + c5) * q + c6) /
               ((((d1 * q + d2) * q + d3) * q + d4) * q + 1);
    }
    if (p <= pHigh) {
        const double q = p - 0.5;
        const double r = q * q;
        return (((((a1 * r + a2) * r + a3) * r + a4) * r + a5) * r + a6) * q /
               (((((b1 * r + b2) * r + b3) * r + b4) * r + b5) * r + 1);
    }
    const double q = std::sqrt(-2 * std::log(1 - p));
    return -(((((c1 * q + c2) * q + c3) * q + c4) * q + c5) * q + c6) /
           ((((d1 * q + d2) * q + d3) * q + d4) * q + 1);
}

double CPDM::NormalProbability(double x) {
    if (std::isnan(x)) {
        return 0.0;
    }
    if (x > 6) {
        return 1.0;
    }
    if (x < -6) {
        return 0.0;
    }
    const double k = 1 / (1 + 0.2316419 * std::fabs(x));
    const double phi = 0.3989423 * std::exp(-x * x / 2);
    const double p =
        1 - phi *
                ((((1.330274429 * k - 1.821255978) * k + 1.781477937) * k - 0.356563782) * k +
                 0.31938153) *
                k;
    return x < 0 ? 1 - p : p;
}
