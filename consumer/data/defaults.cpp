// Default values of a case by product scenario and age group, from the model's tables.
#include "consumer/data/defaults.h"

#include <vector>

#include "consumer/data/table_connection.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/model/use_day_pattern.h"

namespace consumer {
namespace {

using tables::dbi::OpenMode;

struct ScenarioRow {
    const char* name;
    const char* keyword;
    int scenarioClass;  // -1: from the keyword, which also makes the case an adult one
};

const ScenarioRow kScenarios[8] = {
    {"General Purpose Cleaner", "appliedsurfacecleaner", -1},
    {"Latex Paint", "appliedsurfacepaint", -1},
    {"Fabric Protector", "sprayedsurface", 1},
    {"Aerosol Paint", "sprayedsurface", 1},
    {"Laundry Detergent", "addedwater", -1},
    {"Solid Air Freshener", "placedenvironment", 1},
    {"Bar Soap", "contactskin", 0},
    {"Used Motor Oil", "contactskin", -1},
};

const char* const kAllUserDefinedPattern = "6666666666666666666666666";

bool IsBarSoap(const ExposureInputs& in) {
    return in.ScenarioName == "Bar Soap";
}

// Sets the member from the row's value when the row name matches and the condition holds.
struct FactorRule {
    std::string rowName;
    double ExposureInputs::*member;
    bool applies;
};

void ApplyFactorRules(ExposureInputs& in, const std::vector<FactorRule>& rules) {
    TableConnection table(ModelTableFolder(), "efmodule", OpenMode::ReadOnly);
    table.ScanRows([&] {
        const std::string name = table.Text(1);
        for (const FactorRule& rule : rules) {
            if (rule.applies && name == rule.rowName)
                table.Read(2, in.*rule.member);
        }
        return true;
    });
}

void ApplyAgeGroupRules(ExposureInputs& in) {
    struct Rule {
        int group;
        double years;
        double userDefinedYears;
        double averagingTime;
    };
    static const Rule kRules[] = {{2, 5, 0, 16}, {3, 5, 0, 9}, {4, 3, 0, 4},
                                  {5, 2, 0, 2},  {6, 1, 1, 2}, {7, 5, 0, 16}};
    for (const Rule& rule : kRules) {
        if (in.AgeGroup != rule.group)
            continue;
        in.YEARSOFUSE = in.ScenarioName == kUserDefined ? rule.userDefinedYears : rule.years;
        in.AveragingTimeAdd = rule.averagingTime;
        return;
    }
    in.AveragingTimeAdd = in.YEARSOFUSE;
}

double RoomVolume(int room) {
    switch (room) {
        case 1:
        case 2:
        case 5:
            return 36.0;
        case 4:
            return 48.0;
        case 3:
            return 18.0;
        default:
            return 2.4;
    }
}

}  // namespace

std::string AgeGroupSuffix(int ageGroup) {
    static const char* const kSuffixes[] = {"Adult",
                                            "Youth(age 16-20)",
                                            "Child(age 6-10)",
                                            "Toddlers(age 3-5)",
                                            "Infants(age 1-2)",
                                            "Infants(age <1)",
                                            "Youth(age 11-15)"};
    if (ageGroup < 1 || ageGroup > 7)
        return "";
    return kSuffixes[ageGroup - 1];
}

int ScenarioIndexOfName(const std::string& name) {
    for (int i = 0; i < 8; ++i) {
        if (name == kScenarios[i].name)
            return i;
    }
    return -1;
}

void ClassifyScenarioKeyword(ExposureInputs& in) {
    in.AgeGroup = 1;
    InputErrorFlag = false;
    if (in.ScenarioKeyword == "contactskin") {
        in.ScenarioClass = 0;
    } else if (in.ScenarioKeyword == "placedenvironment" ||
               in.ScenarioKeyword == "sprayedsurface") {
        in.ScenarioClass = 1;
    } else {
        in.ScenarioClass = 2;
    }
}

void SelectScenarioByIndex(ExposureInputs& in, int scenarioIndex) {
    if (scenarioIndex >= 0 && scenarioIndex < 8) {
        const ScenarioRow& row = kScenarios[scenarioIndex];
        in.ScenarioName = row.name;
        in.ScenarioKeyword = row.keyword;
        if (row.scenarioClass < 0) {
            ClassifyScenarioKeyword(in);
        } else {
            in.ScenarioClass = row.scenarioClass;
        }
    }
    in.PermeabilityCoefficient = 0;
    in.KowValue = 0;
    in.DoseType = "Potential";
    ApplyScenarioDefaults(in);
}

void ApplyScenarioDefaults(ExposureInputs& in) {
    in.ScenarioApplyCount += 1;
    PreviousScenarioName = in.ScenarioName;
    PreviousAgeGroup = in.AgeGroup;
    LoadProductDefaults(in);
    LoadExposureFactors(in);
    ScenarioChosen = 1;
    AdjustUseDayPattern(in, in.DurationHighEnd);
}

void LoadProductDefaults(ExposureInputs& in) {
    {
        TableConnection table(ModelTableFolder(), "cnsmrdef", OpenMode::ReadOnly);
        table.ScanRows([&] {
            if (table.Text(1) != in.ScenarioName)
                return true;
            double* const leading[] = {
                &in.EVENTSPERYEAR,   &in.MassUsedCentral, &in.MassUsedHighEnd, &in.DurationCentral,
                &in.DurationHighEnd, &in.AIREXRATE,       &in.AmountOnSkin,    &in.YEARSOFUSE};
            for (unsigned i = 0; i < 8; ++i)
                table.Read(2 + i, *leading[i]);
            // The scenario number is set by the scenario page only; a chemical-id start knows
            // the product by its name.
            if (in.ScenarioNumber == 7 || IsBarSoap(in)) {
                // Bar soap takes its surface areas from the exposure factors of the age group.
                LoadAgeGroupFactors(in);
            } else {
                table.Read(10, in.SurfaceAreaBody);
                table.Read(11, in.SurfaceAreaHands);
            }
            table.Read(12, in.DermalEventDuration);
            table.Read(13, in.ROOMOFUSE);
            table.Read(14, in.STARTTIME);
            return false;
        });
    }
    in.YEARSLIFETIME = 78.0;
    ApplyAgeGroupRules(in);
    in.ZONE1VOL = RoomVolume(in.ROOMOFUSE);
    in.FrequencyBody = in.ScenarioName == "Laundry Detergent" ? 52.0 : in.EVENTSPERYEAR;
    if (IsBarSoap(in))
        in.FrequencyHands = 730.0;
    in.ActivityPattern = in.AgeGroup == 1 ? kAdultUseDayPattern : kNonAdultUseDayPattern;
    if (in.ScenarioName == kUserDefined) {
        in.ActivityPattern = kAllUserDefinedPattern;
        in.NonUseDayPattern = kAllUserDefinedPattern;
        in.ROOMOFUSE = 6;
        in.ZONE1VOL = 2.4;
    }
}

void LoadExposureFactors(ExposureInputs& in) {
    const int g = in.AgeGroup;
    const std::string suffix = AgeGroupSuffix(g);
    const bool linked = RunMode == kRunLinked;
    const bool child = g >= 2 && g <= 7;
    ApplyFactorRules(
        in, {
                {"Body Weight-" + suffix, &ExposureInputs::BODYWEIGHT, !linked},
                {"Inhalation Rate-" + suffix, &ExposureInputs::INHALRATEDURINGUSE, true},
                {"Inhalation Rate After Use", &ExposureInputs::INHALRATEAFTERUSE,
                 g == 1 || (child && !linked)},
                {"Inhalation Rate-" + suffix + " After", &ExposureInputs::INHALRATEAFTERUSE, child},
                {"Averaging Time Cancer", &ExposureInputs::YEARSLIFETIME, !linked},
                {"SA/BW-Adult", &ExposureInputs::SurfaceAreaBody, IsBarSoap(in) && g == 1},
                {"SA/BW-Body-" + suffix, &ExposureInputs::SurfaceAreaBody, IsBarSoap(in) && child},
                {"SA/BW-Hand-" + suffix, &ExposureInputs::SurfaceAreaHands, IsBarSoap(in) && child},
                {"House Volume", &ExposureInputs::HOUSEVOL, true},
            });
}

void LoadAgeGroupFactors(ExposureInputs& in) {
    const int g = in.AgeGroup;
    const std::string suffix = AgeGroupSuffix(g);
    const bool child = g >= 2 && g <= 7;
    ApplyFactorRules(
        in, {
                {"Body Weight-" + suffix, &ExposureInputs::BODYWEIGHT, true},
                {"Inhalation Rate-" + suffix, &ExposureInputs::INHALRATEDURINGUSE, true},
                {"Inhalation Rate After Use", &ExposureInputs::INHALRATEAFTERUSE, true},
                {"Inhalation Rate-" + suffix + " After", &ExposureInputs::INHALRATEAFTERUSE, child},
                {"SA/BW-Body-" + suffix, &ExposureInputs::SurfaceAreaBody, IsBarSoap(in)},
                {"SA/BW-Hand-" + suffix, &ExposureInputs::SurfaceAreaHands, IsBarSoap(in)},
                {"SA/BW-Adult", &ExposureInputs::SurfaceAreaBody, IsBarSoap(in) && g == 1},
            });
}

void LoadHouseVolume(ExposureInputs& in) {
    ApplyFactorRules(in, {{"House Volume", &ExposureInputs::HOUSEVOL, true}});
}

}  // namespace consumer
