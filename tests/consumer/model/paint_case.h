// Consumer cases for an adult (latex paint, a cleaner), shared by the model's tests and its
// benchmark.
#pragma once

#include "consumer/model/case_records.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/use_day_pattern.h"

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

// The benchmark's case: the paint for a chemical of 150 g/mole at 0.05 torr, used from 9 am.
inline consumer::ExposureInputs BenchmarkPaintCase() {
    consumer::ExposureInputs in = LatexPaintCase();
    in.STARTTIME = 9;
    in.MOLECWEIGHT = 150;
    in.VAPORPRESS = 0.05;
    consumer::AdjustUseDayPattern(in, 0);
    return in;
}

// The shipped cleaner defaults for an adult, with a chemical of 100 g/mole at 1 torr.
inline consumer::ExposureInputs CleanerCase() {
    consumer::ExposureInputs in;
    consumer::ExposureResults results;
    consumer::ResetCaseIdentity(in);
    consumer::ResetExposureInputs(in, results);
    in.EVENTSPERYEAR = 104;
    in.MassUsedCentral = 30;
    in.MassUsedHighEnd = 120;
    in.DurationCentral = 0.25;
    in.DurationHighEnd = 1;
    in.AIREXRATE = 0.45;
    in.YEARSOFUSE = 57;
    in.ROOMOFUSE = 2;
    in.STARTTIME = 9;
    in.ZONE1VOL = 36;
    in.HOUSEVOL = 492;
    in.INHALRATEDURINGUSE = 0.74;
    in.INHALRATEAFTERUSE = 0.61;
    in.BODYWEIGHT = 80;
    in.YEARSLIFETIME = 78;
    in.MOLECWEIGHT = 100;
    in.VAPORPRESS = 1;
    in.WeightFractionMedian = 0.1;
    in.WeightFraction90 = 0.2;
    consumer::AdjustUseDayPattern(in, 0);
    return in;
}

}  // namespace consumer_test
