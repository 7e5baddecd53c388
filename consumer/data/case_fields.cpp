// The 61 values of a stored case in field order.
#include "consumer/data/case_fields.h"

namespace consumer {
namespace {

using Kind = CaseField::Kind;
using E = ExposureInputs;

CaseField Text(std::string E::*member, int width) {
    return {Kind::Text, member, nullptr, nullptr, 0, width};
}
CaseField Whole(std::int32_t E::*member) {
    return {Kind::Whole, nullptr, member, nullptr, 0, 0};
}
CaseField Number(double E::*member) {
    return {Kind::Number, nullptr, nullptr, member, 0, 0};
}
CaseField Result(int index) {
    return {Kind::Result, nullptr, nullptr, nullptr, index, 0};
}

}  // namespace

const std::array<CaseField, kCaseFieldCount>& CaseFields() {
    static const std::array<CaseField, kCaseFieldCount> fields = {
        Text(&E::IdNumber, 30),
        Text(&E::ProductName, 30),
        Text(&E::ScenarioName, 35),
        Text(&E::ScenarioKeyword, 25),
        Whole(&E::AgeGroup),
        Whole(&E::ScenarioClass),
        Text(&E::DoseType, 10),
        Number(&E::EVENTSPERYEAR),
        Number(&E::MassUsedCentral),
        Number(&E::MassUsedHighEnd),
        Number(&E::DurationCentral),
        Number(&E::DurationHighEnd),
        Number(&E::YEARSOFUSE),
        Number(&E::AIREXRATE),
        Number(&E::INHALRATEDURINGUSE),
        Number(&E::INHALRATEAFTERUSE),
        Number(&E::ZONE1VOL),
        Number(&E::HOUSEVOL),
        Number(&E::FRACTAEROSOL),
        Number(&E::BODYWEIGHT),
        Number(&E::YEARSLIFETIME),
        Number(&E::AveragingTimeAdd),
        Number(&E::AveragingTimeAcute),
        Number(&E::AmountOnSkin),
        Number(&E::DermalEventDuration),
        Number(&E::FormulationDensity),
        Number(&E::Dilution),
        Number(&E::SurfaceAreaBody),
        Number(&E::FrequencyBody),
        Number(&E::FrequencyHands),
        Number(&E::SurfaceAreaHands),
        Text(&E::ChemicalName, 28),
        Number(&E::MOLECWEIGHT),
        Number(&E::VAPORPRESS),
        Number(&E::WeightFractionMedian),
        Number(&E::WeightFraction90),
        Number(&E::HENRYSLAW),
        Number(&E::KowValue),
        Number(&E::PermeabilityCoefficient),
        Text(&E::ActivityPattern, 25),
        Text(&E::NonUseDayPattern, 25),
        Whole(&E::ROOMOFUSE),
        Whole(&E::STARTTIME),
        Result(0),
        Result(1),
        Result(2),
        Result(3),
        Result(4),
        Result(5),
        Result(6),
        Result(7),
        Result(8),
        Result(9),
        Result(10),
        Result(11),
        Result(17),
        Result(18),
        Result(19),
        Result(20),
        Result(21),
        Result(22),
    };
    return fields;
}

}  // namespace consumer
