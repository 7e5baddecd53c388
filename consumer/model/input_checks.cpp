// The input checks before a model run, with their messages.
#include "consumer/model/input_checks.h"

#include <string>

#include "consumer/model/case_state.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

constexpr double kHoursPerDay = 24;

// Runs tests in order and reports the first that fails.
class CheckRun {
  public:
    explicit CheckRun(bool& errorFlag) : flag_(errorFlag) {}
    bool Stopped() const { return flag_; }
    // Shows the message and sets the flag when the test fails; true while all passed.
    bool Require(bool passed, const char* message) {
        if (flag_)
            return false;
        if (!passed) {
            forms::ShowMessage(message, "Error", forms::Icon::Error);
            flag_ = true;
        }
        return !flag_;
    }

  private:
    bool& flag_;
};

bool Positive(double value) {
    return value > 0;
}

// The chronic-duration limit of the age group.
bool CheckDurationLimit(const ExposureInputs& in, CheckRun& run) {
    struct Limit {
        int group;
        double years;
        const char* message;
    };
    static const Limit kLimits[] = {
        {2, 7, "The Chronic Exposure Duration for a youth (16-20) cannot exceed 7 years"},
        {7, 7, "The Chronic Exposure Duration for a youth (11-15) cannot exceed 7 years"},
        {3, 7, "The Chronic Exposure Duration for a child cannot exceed 7 years"},
        {4, 3, "The Chronic Exposure Duration for a small child cannot exceed 3 years"},
        {5, 2, "The Chronic Exposure Duration for an infant (1-2 years) cannot exceed 2 years"},
        {6, 1, "The Chronic Exposure Duration for an infant (<1 year) cannot exceed 1 year"},
    };
    for (const Limit& limit : kLimits) {
        if (!run.Require(!(in.AgeGroup == limit.group && in.YEARSOFUSE > limit.years),
                         limit.message)) {
            return false;
        }
    }
    return true;
}

const char* const kFrequency = "The Frequency of Use must be greater than zero";
const char* const kDuration = "The Chronic Exposure Duration must be greater than zero";
const char* const kCancerTime = "The Averaging Time (Cancer) must be greater than zero";
const char* const kAddTime = "The Averaging Time (ADD) must be greater than zero";
const char* const kBodyArea =
    "The Surface Area to Body Weight Ratio for the Body\n must be greater than zero";
const char* const kHandArea =
    "The Surface Area to Body Weight Ratio for the Hands\n must be greater than zero";
const char* const kHandFrequency = "The Frequency of Use for the Hands must be greater than zero";

// The tests the two dermal routines share after their first ones.
void CheckDermalTail(const ExposureInputs& in, CheckRun& run) {
    if (!CheckDurationLimit(in, run))
        return;
    if (!run.Require(Positive(in.YEARSLIFETIME), kCancerTime))
        return;
    // The dermal average daily dose divides by this averaging time.
    if (HasChronicResults(in) && !run.Require(Positive(in.AveragingTimeAdd), kAddTime))
        return;
    if (!run.Require(Positive(in.SurfaceAreaBody), kBodyArea))
        return;
    if (in.ScenarioName == "Bar Soap") {
        if (!run.Require(Positive(in.SurfaceAreaHands), kHandArea))
            return;
        run.Require(Positive(in.FrequencyHands), kHandFrequency);
    }
}

const char* const kAerosolWarning =
    "The default value of 1% for the Portion of Aerosol\n"
    "in the Air is based on existing state of knowledge.\n"
    "Use of a value higher than 1% will result in a more\n"
    "conservative exposure estimate.  Use of a value lower\n"
    "than 1% is not recommended.";

}  // namespace

void CheckInhalationInputs(const ExposureInputs& in, bool& errorFlag) {
    CheckRun run(errorFlag);
    if (run.Stopped())
        return;
    bool ok =
        run.Require(Positive(in.EVENTSPERYEAR), kFrequency) &&
        run.Require(Positive(in.YEARSOFUSE), kDuration) && CheckDurationLimit(in, run) &&
        run.Require(Positive(in.MassUsedCentral),
                    "The Central Tendency Mass of Product Used must be greater than zero") &&
        run.Require(Positive(in.MassUsedHighEnd),
                    "The High-End Mass of Product Used must be greater than zero") &&
        run.Require(!(in.MassUsedHighEnd < in.MassUsedCentral),
                    "The High-End Mass of Product Used must be greater the Central "
                    "Tendency value") &&
        run.Require(Positive(in.DurationCentral),
                    "The Duration of Event - Central Tendency must be greater than zero") &&
        run.Require(Positive(in.DurationHighEnd),
                    "The Duration of Event - High-End must be greater than zero") &&
        run.Require(!(in.DurationHighEnd < in.DurationCentral),
                    "The Duration of Event - High-End must be greater than the Central "
                    "Tendency value") &&
        // The use takes place within the 24 hours of the day-of-use pattern.
        run.Require(in.DurationHighEnd <= kHoursPerDay,
                    "The Duration of Event - High-End cannot exceed 24 hours") &&
        run.Require(Positive(in.AIREXRATE), "The Air Exchange Rate must be greater than zero") &&
        run.Require(Positive(in.INHALRATEAFTERUSE),
                    "The Inhalation Rate After Use must be greater than zero") &&
        run.Require(Positive(in.INHALRATEDURINGUSE),
                    "The Inhalation Rate During Use must be greater than zero") &&
        run.Require(Positive(in.HOUSEVOL), "The Volume of the House must be greater than zero") &&
        run.Require(Positive(in.BODYWEIGHT), "The Body Weight must be greater than zero") &&
        run.Require(Positive(in.YEARSLIFETIME), kCancerTime);
    if (!ok)
        return;
    if (in.ScenarioName == kUserDefined &&
        !run.Require(in.AveragingTimeAcute >= 0 && in.AveragingTimeAcute <= 24,
                     "The Averaging Time (Acute) must be between 0 and 24 hours")) {
        return;
    }
    if (in.ScenarioKeyword == "sprayedsurface") {
        if (!run.Require(in.FRACTAEROSOL > 0 && in.FRACTAEROSOL <= 1,
                         "The Portion of Aerosol in the Air must be a number\n between 0 and 1")) {
            return;
        }
        if (in.FRACTAEROSOL != 0.01) {
            forms::ShowMessage(kAerosolWarning, "Warning", forms::Icon::Warning);
        }
    }
}

void CheckZoneVolumes(const ExposureInputs& in, bool& errorFlag) {
    CheckRun run(errorFlag);
    run.Require(Positive(in.ZONE1VOL), "The Volume of Zone 1 must be greater than zero") &&
        run.Require(in.ZONE1VOL < in.HOUSEVOL,
                    "The Volume of Zone 1 must be less than the House Volume");
}

void CheckPotentialDermalInputs(const ExposureInputs& in, bool& errorFlag) {
    CheckRun run(errorFlag);
    if (run.Require(Positive(in.AmountOnSkin),
                    "The Amount Retained / Absorbed on Skin must be greater than zero") &&
        run.Require(Positive(in.FrequencyBody), kFrequency) &&
        run.Require(Positive(in.YEARSOFUSE), kDuration)) {
        CheckDermalTail(in, run);
    }
}

void CheckAbsorbedDermalInputs(const ExposureInputs& in, bool& errorFlag) {
    CheckRun run(errorFlag);
    const char* const kDilution = "The Dilution must be between 0 and 1";
    // Without a permeability every absorbed dose would be 0.
    if (run.Require(Positive(in.PermeabilityCoefficient),
                    "The Permeability Coefficient must be greater than zero") &&
        run.Require(Positive(in.DermalEventDuration),
                    "The Exposure Duration must be greater than zero") &&
        run.Require(in.Dilution > 0, kDilution) && run.Require(in.Dilution <= 1, kDilution) &&
        run.Require(Positive(in.FormulationDensity), "The Density must be greater than zero") &&
        run.Require(Positive(in.EVENTSPERYEAR), kFrequency) &&
        run.Require(Positive(in.YEARSOFUSE), kDuration)) {
        CheckDermalTail(in, run);
    }
}

void CheckChemicalInputs(const ExposureInputs& in, bool& errorFlag) {
    CheckRun run(errorFlag);
    if (run.Stopped())
        return;
    if (!Positive(in.MOLECWEIGHT)) {
        const bool skinOnly =
            in.ScenarioKeyword == "contactskin" &&
            (in.DoseType == "Potential" || (in.DoseType == "Absorbed" && in.KowValue == 0));
        if (skinOnly)
            return;
        run.Require(false, "The Molecular Weight must be greater than zero");
        return;
    }
    if (in.ScenarioClass != 0 &&
        !run.Require(Positive(in.VAPORPRESS), "The Vapor Pressure must be greater than zero")) {
        return;
    }
    run.Require(in.WeightFractionMedian > 0 && in.WeightFractionMedian <= 1,
                "The Central Tendency Weight Fraction must be between 0 and 1") &&
        run.Require(in.WeightFraction90 > 0 && in.WeightFraction90 <= 1,
                    "The High-End Weight Fraction must be between 0 and 1") &&
        run.Require(!(in.WeightFraction90 < in.WeightFractionMedian),
                    "The High-End Weight Fraction must be greater than the Central Tendency");
}

bool CheckInputsBeforeRun(const ExposureInputs& in, bool& errorFlag) {
    errorFlag = false;
    if (in.ScenarioClass != 0) {
        CheckInhalationInputs(in, errorFlag);
        CheckZoneVolumes(in, errorFlag);
    }
    if (in.ScenarioClass != 1 && in.DoseType == "Potential") {
        CheckPotentialDermalInputs(in, errorFlag);
    }
    if (in.ScenarioClass != 1 && in.DoseType == "Absorbed") {
        CheckAbsorbedDermalInputs(in, errorFlag);
    }
    CheckChemicalInputs(in, errorFlag);
    return !errorFlag;
}

bool CheckInputsBeforeRun() {
    return CheckInputsBeforeRun(*CaseInputs, InputErrorFlag);
}

}  // namespace consumer
