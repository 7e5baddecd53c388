// The dilution run over every usable facility of an industry category: average and high-end.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "dilution/pdm_engine.h"

// One facility of a category run, as its lines on the target form's lists show it.
struct PdmSicFacility {
    std::string NPDES;
    std::string REACH;
    double MEAN_FLOW = 0;
    double HarmonicFlow = 0;
    double LOW_FLOW = 0;
    double Flow30Q5 = 0;
    double Flow1Q10 = 0;
    double PLANTFLOW = 0;
    double POP = 0;
    std::string FacilityReach;  // the facility's own reach code, which names its region
};

// A facility of a category run as the dilution model takes it: usable is false when its flows
// are not numbers or its reach code names no region; discharge holds its terms otherwise.
struct PdmSicDischarge {
    bool usable = false;
    double POP = 0;
    PdmDischarge discharge;
};

// What a walk of the facility table depended on: the category, whether the down-the-drain
// form was open, and the facility and reach files as they were.
struct PdmSicWalkKey {
    int category = -1;
    unsigned char disposalActive = 0;
    std::string files;  // path, size and modification time of both tables
    bool operator==(const PdmSicWalkKey&) const = default;
};

// The form a category run lists on and reports to: the results form (target 1) or the
// down-the-drain form (target 0). The forms show Facilities on their lists, one line per
// facility (PdmSicListLine), and keep the two fractions of the last run.
struct PdmSicRunTarget {
    std::vector<PdmSicFacility> Facilities;
    // The walk that made Facilities: a run with the same key and unchanged tables lists the
    // same facilities again without walking, so the runs for the three concentrations of
    // concern of a release walk the table once.
    PdmSicWalkKey Walked;
    // The dilution model's terms of each facility of the walk, in its order, which every
    // concentration of concern and load of a run shares.
    std::vector<PdmSicDischarge> Discharges;
    double PdmSicAverageFraction = 0;
    double PdmSicHighEndFraction = 0;
    // The two fractions per concentration of concern of the last run; a level that is not
    // above 0 is marked in CocApplies.
    std::array<double, 3> AverageFractions{};
    std::array<double, 3> HighEndFractions{};
    std::array<bool, 3> CocApplies{};
    // Down-the-drain form: its high-end choice and its results by concentration of concern.
    bool HighEnd = true;
    std::array<double, 3> PercentExceeded{};
    std::array<double, 3> DaysExceeded{};
};

enum class PdmSicList {
    PdmSicList,       // NPDES
    ReachList,        // reach whose flows were used
    MeanFlowList,     // general number text
    HarMeanFlowList,  // fixed, 2 decimals
    Flow1q10List,
    Flow30q5List,
    Flow7q10List,  // general number text
    PlantFlowList,
};

// The line a facility shows on one of the lists.
std::string PdmSicListLine(const PdmSicFacility& facility, PdmSicList list);

// Runs concentration of concern coc (0..2) of CurrentPmn over category's facilities; target 1
// lists on the results form and loads each facility with the release after treatment,
// target 0 on the down-the-drain form with the per-person release times the population
// served. Sets CurrentPmn.PostTreat and the target's two fractions.
void RunPdmSic(PdmSicRunTarget& form, int coc, int category, unsigned char target);
// The same for all three concentrations of concern with one walk of the facility table.
void RunPdmSicForAllCocs(PdmSicRunTarget& form, int category, unsigned char target);

// Percent of the year and days for concentration of concern coc from the last run's average
// or high-end fraction (CurrentPmn.WHICHANAL 1 on the results form, the form's HighEnd on the
// down-the-drain form); NotApplicable for a level that is not above 0.
void StorePdmSicDaysExceeded(PdmSicRunTarget& form, int coc, unsigned char target);

// The usable facilities of a category in walk order, as a category run lists them.
std::vector<PdmSicFacility> ListPdmCategoryFacilities(int category);

// Each facility's fraction of time above cocValue, with load (target 1) or the per-person
// load times the population served (target 0); facilities whose flows are not numbers or
// whose reach code names no region are left out.
std::vector<double> PdmSicFractions(const std::vector<PdmSicFacility>& facilities, double load,
                                    double cocValue, unsigned char target);
// The same over facilities prepared once by PrepareSicDischarges, for many loads or levels.
std::vector<PdmSicDischarge> PrepareSicDischarges(const std::vector<PdmSicFacility>& facilities);
std::vector<double> PdmSicFractions(const std::vector<PdmSicDischarge>& discharges, double load,
                                    double cocValue, unsigned char target);

// Average of the fractions, and mean of the largest max(1, N/10) of them; both 0 for none.
void CondenseFractions(const std::vector<double>& fractions, double* average, double* highEnd);

// Sort order of the fractions: -1, 1 or 0.
int CompareDoubles(double a, double b);
