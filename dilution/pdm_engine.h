// The dilution statistics engine: fraction of time a stream concentration exceeds a level.
#pragma once

#include <array>

// What the analytical method needs of one discharge and its stream, whatever the load and the
// level: worked out once, it serves every load and level of the discharge.
struct PdmDischarge {
    double LowFlow = 0;      // the stream's low flow, raised to the plant flow
    double ConcLogMean = 0;  // of the concentration ratio's lognormal
    double ConcLogSd = 0;    // square root of its log variance
    // log(1 + r) at each fixed point, r the flow ratio there; index 0 is not used.
    std::array<double, 33> LogOnePlusRatio{};
};

// Flows in million litres per day, loads in kg/day, concentrations in ug/L; a load L in a
// flow Q gives L x 1000 / Q ug/L. The analytical method integrates lognormal stream-flow,
// effluent-flow and effluent-concentration distributions over 32 fixed points; the empirical
// method counts the percentile flows of a gaging station that are too small.
class CPDM {
  public:
    CPDM();

    double ComputeExceedance(int region, int subregion, double meanFlow, double lowFlow,
                             double plantFlow, double plantFlowCv, double concCv, double load,
                             double coc);
    // The two halves of ComputeExceedance, for many loads or levels of one discharge: the
    // first sets the members the second does not need, the second reads no member and gives
    // the same fraction to the last digit.
    PdmDischarge PrepareDischarge(int region, int subregion, double meanFlow, double lowFlow,
                                  double plantFlow, double plantFlowCv, double concCv);
    static double DischargeExceedance(const PdmDischarge& discharge, double load, double coc);
    // flows[1..100]: percentile flows of a gaging station; flows[0] is not read.
    double ExceedanceFromFlowPercentiles(double load, double coc, const double* flows);
    double LastExceedance() const { return Exceedance; }

    // Every input is held within [1e-15, 1e15]; a value that is not a number is held at the
    // lower bound.
    static double ClampInput(double value);
    // Standard normal quantile by a rational approximation; not a number outside (0, 1).
    static double InverseNormal(double p);
    // Standard normal distribution function by a polynomial approximation.
    static double NormalProbability(double x);

    void ComputeLognormalParameters();
    void StreamFlowVariation();

    int Region = 1;
    int Subregion = 1;
    double MeanFlow = 0;
    double LowFlow = 0;
    double StreamFlowCv = 0;
    double PlantFlow = 0;
    double PlantFlowCv = 0.24;
    double ConcLogMean = 0;
    double ConcCv = 0.85;
    double ConcLogVariance = 0;
    double RatioLogMean = 0;
    double RatioLogVariance = 0;
    double Coc = 0;
    double CocScaled = 0;
    double Load = 0;
    double Exceedance = 0;
    double GageFlows[101] = {};
    double CoefA[19][31] = {};
    double CoefB[19][31] = {};

  private:
    void FillRegionalCoefficients();
    PdmDischarge DischargeTerms() const;
    static double ScaledLevel(const PdmDischarge& discharge, double load, double coc);
    static double IntegrateExceedance(const PdmDischarge& discharge, double scaledLevel);
};

// The program's one engine.
extern CPDM PdmEngine;
