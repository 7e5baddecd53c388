// The dilution statistics engine: fraction of time a stream concentration exceeds a level.
#pragma once

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
    void IntegrateExceedance();
    double ExceedanceIntegrand(int point) const;

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
};

// The program's one engine.
extern CPDM PdmEngine;
