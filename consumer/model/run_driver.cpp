// The inhalation half of a model run: one or two passes, then averaging times and echoes.
#include "consumer/model/run_driver.h"

#include <optional>

#include "consumer/model/case_state.h"
#include "consumer/model/comtransfer.h"
#include "consumer/model/keyword_file.h"
#include "consumer/model/zonaromain.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

bool RunPass(const ExposureInputs& inputs, int pass, ExposureResults& results,
             const std::string& workingFolder) {
    const std::string cmiPath = workingFolder + "xfer.cmi";
    std::optional<std::string> trnPath;
    if (WriteKeywordFile(cmiPath, inputs, pass)) {
        comtransfer transfer;
        int code = 0;
        trnPath = transfer.Read(cmiPath, code);
    }
    if (!trnPath) {
        forms::ShowMessage("Zonaro file did not transfer", "Warning", forms::Icon::Warning);
        return false;
    }
    zonaromain model;
    if (model.Parse(*trnPath) != 1) {
        forms::ShowMessage(
            "An error has occurred in the file transfer for Zonaro\n" + model.ParseError(),
            "Warning", forms::Icon::Warning);
        return false;
    }
    model.Run();
    if (pass == 1) {
        results[kMassInhaledPerEvent] = model.MassInhaled();
        results[kInhalationLadd] = model.LifetimeAverageDailyDose();
        results[kInhalationLadc] = model.LifetimeAverageDailyConcentration();
        results[kInhalationAdd] = model.AverageDailyDose();
        results[kInhalationAdc] = model.AverageDailyConcentration();
    } else {
        results[kPeakConcentration] = model.PeakConcentration();
        results[kInhalationAcuteDose] = model.HighestDailyDose();
    }
    return true;
}

void FinishResults(const ExposureInputs& inputs, ExposureResults& results) {
    if (!HasChronicResults(inputs)) {
        for (int i : {0, 1, 2, 3, 6, 7, 8, 9})
            results[i] = kNotApplicable;
    } else {
        results[6] = results[7] = inputs.YEARSLIFETIME * 365;
        results[8] = results[9] = inputs.AveragingTimeAdd * 365;
    }
    results[10] = results[11] = inputs.AveragingTimeAcute;
    results[12] = inputs.BODYWEIGHT;
    results[13] = inputs.EVENTSPERYEAR;
    results[14] = inputs.YEARSOFUSE;
    results[15] = inputs.INHALRATEDURINGUSE;
}

}  // namespace

bool RunExposureModel(const ExposureInputs& inputs, ExposureResults& results,
                      const std::string& workingFolder) {
    forms::Hourglass hourglass;
    ExposureResults work = results;
    // Children get only the high-end pass, unless the scenario is the user's own.
    for (int pass = HasChronicResults(inputs) ? 1 : 2; pass <= 2; ++pass) {
        if (!RunPass(inputs, pass, work, workingFolder))
            return false;
    }
    FinishResults(inputs, work);
    results = work;
    return true;
}

void MarkInhalationNotAssessed(ExposureResults& results) {
    for (int i = kInhalationLadd; i <= 11; ++i)
        results[i] = kNotApplicable;
    results[kMassInhaledPerEvent] = kNotApplicable;
}

bool RunExposureModel() {
    return RunExposureModel(*CaseInputs, *CaseResults, WorkingFolder);
}

}  // namespace consumer
