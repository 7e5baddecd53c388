// The dermal dose arithmetic that finishes a model run.
#include "consumer/model/doses.h"

#include "consumer/model/case_state.h"

namespace consumer {

void ComputeDoses(ExposureInputs& in, ExposureResults& results) {
    if (in.DoseType == "Absorbed") {
        in.AmountOnSkin = in.PermeabilityCoefficient * in.DermalEventDuration *
                          in.FormulationDensity * in.Dilution;
    }
    const double handsFrequency = UsesHands(in) ? in.FrequencyHands : 0.0;
    const double handsArea = UsesHands(in) ? in.SurfaceAreaHands : 0.0;
    const double s = handsFrequency * handsArea + in.FrequencyBody * in.SurfaceAreaBody;
    if (HasChronicResults(in)) {
        results[17] = s * in.WeightFractionMedian * in.YEARSOFUSE * in.AmountOnSkin * 1000 /
                      (in.YEARSLIFETIME * 365);
        results[20] = in.YEARSLIFETIME * 365;
        results[18] = s * in.WeightFractionMedian * in.YEARSOFUSE * in.AmountOnSkin * 1000 /
                      (in.AveragingTimeAdd * 365);
        results[21] = in.AveragingTimeAdd * 365;
    } else {
        results[17] = results[18] = results[20] = results[21] = kNotApplicable;
    }
    results[19] =
        (2 * handsArea + in.SurfaceAreaBody) * in.WeightFraction90 * in.AmountOnSkin * 1000 * 1.0;
    results[22] = 1.0;
    results[23] = in.YEARSOFUSE;
    results[24] = in.SurfaceAreaBody;
    results[25] = handsArea;
    results[26] = in.FrequencyBody;
    results[27] = handsFrequency;
}

void MarkDermalNotAssessed(ExposureResults& results) {
    for (int i = kDermalLadd; i <= 22; ++i)
        results[i] = kNotApplicable;
}

void ComputeDoses() {
    ComputeDoses(*CaseInputs, *CaseResults);
}

}  // namespace consumer
