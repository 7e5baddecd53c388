// The three records of one consumer-exposure case: inputs, results and the chemical found at start.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace consumer {

// Marks a result that does not apply to the case; shown as "N/A".
inline constexpr double kNotApplicable = -99.0;

inline constexpr const char* kUserDefined = "User Defined";

// Texts are held without a length limit; they are cut to a field's width only when a table is
// written (see the case table).
struct ExposureInputs {
    std::string IdNumber;
    std::string ProductName;
    std::string ScenarioName;
    std::string ScenarioKeyword;
    std::string DoseType;
    std::string ActivityPattern;   // 25 characters; 1..24 give the room for the hours ending 1..24
    std::string NonUseDayPattern;  // same layout, for the days after use
    std::string ChemicalName;
    std::string Comments;
    double MassUsedCentral = 0;
    double MassUsedHighEnd = 0;
    double DurationCentral = 0;
    double DurationHighEnd = 0;
    double AIREXRATE = 0;
    double INHALRATEAFTERUSE = 0;
    double INHALRATEDURINGUSE = 0;
    double ZONE1VOL = 0;
    double HOUSEVOL = 0;
    double FRACTAEROSOL = 0;
    double AmountOnSkin = 0;
    double DermalEventDuration = 0;
    double FormulationDensity = 0;
    double Dilution = 0;
    double EVENTSPERYEAR = 0;
    double YEARSOFUSE = 0;
    double FrequencyBody = 0;
    double SurfaceAreaBody = 0;
    double SurfaceAreaHands = 0;
    double FrequencyHands = 0;
    double BODYWEIGHT = 0;
    double MOLECWEIGHT = 0;
    double VAPORPRESS = 0;
    double WeightFractionMedian = 0;
    double WeightFraction90 = 0;
    double HENRYSLAW = 0;
    double PermeabilityCoefficient = 0;
    double KowValue = 0;
    double YEARSLIFETIME = 0;
    double AveragingTimeAdd = 0;
    double AveragingTimeAcute = 0;
    std::int32_t ROOMOFUSE = 0;
    std::int32_t ScenarioApplyCount = 0;
    std::int32_t PermeabilitySource = 0;
    std::int32_t STARTTIME = 0;
    std::int32_t AgeGroup = 0;
    std::int32_t StoredAgeGroup = 0;
    std::int32_t ScenarioClass = 0;
    std::int32_t ScenarioNumber = 0;
    std::string DocumentFormat;
};

// Indexes of the results; the remaining entries are averaging times and echoes of inputs.
enum ResultIndex : int {
    kInhalationLadd = 0,
    kInhalationLadc = 1,
    kInhalationAdd = 2,
    kInhalationAdc = 3,
    kInhalationAcuteDose = 4,
    kPeakConcentration = 5,
    kMassInhaledPerEvent = 16,
    kDermalLadd = 17,
    kDermalAdd = 18,
    kDermalAcuteDose = 19,
};

inline constexpr int kResultCount = 28;

struct ExposureResults {
    std::array<double, kResultCount> values{};
    double& operator[](int index) { return values.at(static_cast<size_t>(index)); }
    double operator[](int index) const { return values.at(static_cast<size_t>(index)); }
};

struct ChemicalInfo {
    std::string IdNumber;
    std::string SecondText;
    double VaporPressure = 0;
    std::string ProductName;
    std::string ChemicalName;
    std::string ScenarioName;
    double MolecularWeight = 0;
    double WeightFractionMedian = 0;
    double WeightFraction90 = 0;
    std::int32_t ScenarioIndex = 0;
    double HenrysLaw = 0;
};

// True for every age group but the adult one (1).
inline bool IsNonAdult(const ExposureInputs& inputs) {
    return inputs.AgeGroup > 1;
}

// The adult case and every "User Defined" case get chronic results.
inline bool HasChronicResults(const ExposureInputs& inputs) {
    return inputs.AgeGroup == 1 || inputs.ScenarioName == kUserDefined;
}

// Only the Bar Soap scenario has hands inputs; hands values left in the case by another
// scenario, a stored case or the main program take no part in the doses.
inline bool UsesHands(const ExposureInputs& inputs) {
    return inputs.ScenarioName == "Bar Soap";
}

// The product scenario name of a scenario number 1..9; empty for any other number.
std::string ScenarioNameOfNumber(int number);

}  // namespace consumer
