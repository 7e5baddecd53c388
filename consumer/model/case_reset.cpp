// The fixed defaults of a new case.
#include "consumer/model/case_reset.h"

#include "consumer/model/case_state.h"

namespace consumer {

void ResetCaseIdentity(ExposureInputs& inputs) {
    inputs.ScenarioKeyword = "appliedsurfacecleaner";
    // One blank each (assigned by count: GCC 12 misreports a one-character literal here).
    inputs.IdNumber.assign(1, ' ');
    inputs.ChemicalName.assign(1, ' ');
    inputs.ProductName.assign(1, ' ');
    inputs.ScenarioName = "General Purpose Cleaner";
    inputs.ScenarioClass = 2;
    inputs.AgeGroup = 1;
    inputs.DoseType = "Potential";
    inputs.Comments.clear();
    inputs.ScenarioApplyCount = 1;
    ScenarioChosen = 0;
    inputs.MOLECWEIGHT = 0;
    inputs.VAPORPRESS = 0;
    inputs.WeightFractionMedian = 0;
    inputs.WeightFraction90 = 1.0;
    inputs.HENRYSLAW = 1.0;
}

void ResetExposureInputs(ExposureInputs& inputs, ExposureResults& results) {
    for (double* value :
         {&inputs.MassUsedCentral, &inputs.MassUsedHighEnd, &inputs.DurationCentral,
          &inputs.DurationHighEnd, &inputs.AIREXRATE, &inputs.ZONE1VOL, &inputs.HOUSEVOL,
          &inputs.AmountOnSkin, &inputs.EVENTSPERYEAR, &inputs.FrequencyHands,
          &inputs.FrequencyBody, &inputs.YEARSOFUSE, &inputs.PermeabilityCoefficient,
          &inputs.KowValue, &inputs.DermalEventDuration, &inputs.FormulationDensity,
          &inputs.Dilution}) {
        *value = 0;
    }
    inputs.PermeabilitySource = 0;
    inputs.FRACTAEROSOL = 0.01;
    inputs.AveragingTimeAcute = 1.0;
    inputs.ROOMOFUSE = 3;
    inputs.STARTTIME = 12;
    inputs.NonUseDayPattern = kDaysAfterUsePattern;
    inputs.ActivityPattern = kAdultUseDayPattern;
    for (int i = 0; i <= 11; ++i)
        results[i] = 0;
    for (int i = 17; i <= 22; ++i)
        results[i] = 0;
}

}  // namespace consumer
