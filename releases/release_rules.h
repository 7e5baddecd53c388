// The rules of one release as plain functions over the scenario record: unit conversion, the
// order of the concentrations of concern, the sludge release, the release marks and the checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scenario/scenario_record.h"

// Items of the air release unit choosers.
enum ReleaseUnit { KgPerSiteDay = 0, LbsPerSiteDay = 1, KgPerSiteYear = 2, LbsPerSiteYear = 3 };
constexpr double kPoundsPerKilogram = 2.2046;

// Converts an amount given in the unit item into kg/site/day. A per-year amount with no days
// (0 or less) and an unknown item (no selection) leave the amount unchanged.
double ConvertReleaseToKgPerSiteDay(double amount, int unitItem, double days);

// Moves zeros among COC0..COC2 to the end: (0, 0, 5) -> (5, 0, 0); (5, 0, 7) -> (5, 7, 0).
void CompactConcernLevels(pmn_record& record);

// Release to sludge from the chemical's sludge adsorption: SLUDGEAB % of the water release.
double SludgeFromAdsorption(const pmn_record& record);
// Release to sludge from the treatment loss: LOSS2SLUDG % of the water release, kg/site/day
// like every other release of the record.
double SludgeFromTreatmentLoss(const pmn_record& record);

// Which release kinds and site choice the pages show for the release being stored.
struct ReleaseChoices {
    bool SurfaceWater = false;    // "Surface water" ticked
    bool Landfill = false;        // "Landfill" ticked
    bool LandfillModule = false;  // character 2 of MODGUYS is '1'
    bool Incineration = false;    // the stack release mark follows "Ambient air"
    bool Fugitive = false;        // "Ambient air" ticked
    bool FacilityChosen = false;  // "Facility" radio
    bool SicChosen = false;       // "SIC Code" radio
    bool DoPdm = false;           // "Include PDM run"
    bool StoringForStackRun = false;
};

struct ReleaseMessage {
    std::string text;
    std::string caption;
};

// Sets RELEASES from "0000" by the choices and returns the message of every failed check in the
// order they are made (an empty list: the release passed).
std::vector<ReleaseMessage> CheckRelease(pmn_record& record, const ReleaseChoices& choices);

// The check made after the release is stored: surface water without a facility and without an
// industry category fails. nullopt when it passes; a failure without message when neither radio
// is on (the first checks already said so).
struct SiteCheck {
    bool failed = false;
    std::optional<ReleaseMessage> message;
};
SiteCheck CheckSiteChosen(const pmn_record& record, const ReleaseChoices& choices);
