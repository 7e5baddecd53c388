// A latex paint case for an adult, shared by the model's tests and its benchmark.
#pragma once

#include "consumer/model/case_records.h"
#include "consumer/model/case_reset.h"

namespace consumer_test {

// The case's product, use and person; the chemical and the day pattern are left to the caller.
inline consumer::ExposureInputs LatexPaintCase() {
    consumer::ExposureInputs in;
    consumer::ExposureResults results;
    consumer::ResetCaseIdentity(in);
    consumer::ResetExposureInputs(in, results);
    in.ScenarioName = "Latex Paint";
    in.ScenarioKeyword = "appliedsurfacepaint";
    in.EVENTSPERYEAR = 2;
    in.MassUsedCentral = 1500;
    in.MassUsedHighEnd = 3000;
    in.DurationCentral = 2.5;
    in.DurationHighEnd = 4;
    in.AIREXRATE = 0.45;
    in.YEARSOFUSE = 10;
    in.YEARSLIFETIME = 78;
    in.AveragingTimeAdd = 10;
    in.BODYWEIGHT = 80;
    in.INHALRATEDURINGUSE = 0.74;
    in.INHALRATEAFTERUSE = 0.61;
    in.ZONE1VOL = 36;
    in.HOUSEVOL = 492;
    in.ROOMOFUSE = 1;
    in.WeightFractionMedian = 0.01;
    in.WeightFraction90 = 0.05;
    return in;
}

}  // namespace consumer_test
