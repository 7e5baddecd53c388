// The exposure-factor, fish-ingestion and species field groups and the facility texts.
#include "documents/wpd_field_groups.h"

#include "documents/merge/report_numbers.h"

namespace {

// What one place of a field group shows.
// clang-format off
enum class Field {
    None, Dose1, Dose2, Dose3, Dose4, Dose5, Scenario, DurationCancer, DurationOther, One,
    AveragingCancer, AveragingOther, BodyWeight, NaText, ChronicRate, AcuteRate,
    FishChronic, FishAcute
};

using enum Field;

// The exposure-factor group, by offset from its base.
constexpr Field kExposureGroup[48] = {
    Dose1, None, Dose2, Dose3, None, Dose4, Dose5, None,                             // 0-7
    Scenario, Scenario, Scenario, Scenario, Scenario, Scenario, Scenario, Scenario,  // 8-15
    DurationCancer, DurationCancer, DurationCancer,                                  // 16-18
    DurationOther, DurationOther, DurationOther, One, One,                           // 19-23
    AveragingCancer, AveragingCancer, AveragingCancer,                               // 24-26
    AveragingOther, AveragingOther, AveragingOther, One, One,                        // 27-31
    BodyWeight, BodyWeight, NaText, BodyWeight, BodyWeight, NaText,    // 32-37
    BodyWeight, BodyWeight, ChronicRate, None, NaText, ChronicRate,           // 38-43
    ChronicRate, NaText, AcuteRate, AcuteRate};                               // 44-47

// The fish-ingestion group, by offset from its base.
constexpr Field kFishGroup[36] = {
    Dose1, Dose2, Dose3, Dose4, Dose5, None,                                         // 0-5
    Scenario, Scenario, Scenario, Scenario, Scenario, Scenario,                      // 6-11
    DurationCancer, DurationCancer, DurationOther, DurationOther, One, One,          // 12-17
    AveragingCancer, AveragingCancer, AveragingOther, AveragingOther, One, One,      // 18-23
    BodyWeight, BodyWeight, BodyWeight, BodyWeight, BodyWeight, BodyWeight,          // 24-29
    FishChronic, FishChronic, FishChronic, FishChronic, FishAcute, FishAcute};       // 30-35
// clang-format on

std::optional<std::string> FieldText(Field field, const pmn_record& r, const FiveDoses& d,
                                     bool inhalation) {
    switch (field) {
        case Dose1:
        case Dose2:
        case Dose3:
        case Dose4:
        case Dose5:
            return ValueToText(d[static_cast<size_t>(field) - static_cast<size_t>(Dose1)]);
        case Scenario:
            return r.ScenarioTypeText;
        case DurationCancer:
            return ValueToText(r.EXPDURCAN);
        case DurationOther:
            return ValueToText(r.EXPDURNCAN);
        case One:
            return ValueToText(1.0);
        case AveragingCancer:
            return ValueToText(r.CANCERAT);
        case AveragingOther:
            return ValueToText(r.NCANCERAT);
        case BodyWeight:
            return ValueToText(r.BW);
        case NaText:
            return NotApplicableField;
        case ChronicRate:
            return ValueToText(inhalation ? r.INHALE : r.DRINKCHRON);
        case AcuteRate:
            return ValueToText(inhalation ? r.INHALE : r.DRINK);
        case FishChronic:
            return ValueToText(r.FISHCHRON);
        case FishAcute:
            return ValueToText(r.FISH);
        case None:
            break;
    }
    return std::nullopt;
}

template <size_t Size>
std::optional<std::string> GroupField(const Field (&group)[Size], const pmn_record& r, int n,
                                      int base, const FiveDoses& d, bool inhalation) {
    int offset = n - base;
    if (offset < 0 || offset >= static_cast<int>(Size))
        return std::nullopt;
    return FieldText(group[offset], r, d, inhalation);
}

}  // namespace

std::optional<std::string> ExposureFactorField(const pmn_record& r, int n, int base,
                                               const FiveDoses& d, bool inhalation) {
    return GroupField(kExposureGroup, r, n, base, d, inhalation);
}

std::optional<std::string> FishFactorField(const pmn_record& r, int n, int base,
                                           const FiveDoses& d) {
    return GroupField(kFishGroup, r, n, base, d, false);
}

std::optional<std::string> SpeciesRowField(int n, int base, int row, const SpeciesRows& rows) {
    int col = n - base;
    if (col < 0 || col > 5)
        return std::nullopt;
    return SpeciesCell(rows, row, col);
}

std::optional<std::string> ReleaseHeadField(const pmn_record& r, int n) {
    switch (n) {
        case 1:
            return r.CaseNum;
        case 2:
            return r.ScenNum;
        case 3:
            return r.RELEASE;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> FacilityField(const pmn_record& r, int n) {
    const std::string texts[] = {r.FAC_NAME, r.FAC_LOC,      r.REACHNAME,
                                 r.REACH,    HitText(r.HIT), DischargeText(r.DTYPE),
                                 r.NPDES,    "DurIviz"};
    if (n >= 4 && n <= 11)
        return texts[n - 4];
    return ReleaseHeadField(r, n);
}
