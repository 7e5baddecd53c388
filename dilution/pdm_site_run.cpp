// The dilution run for one discharging facility and one concentration of concern.
#include "dilution/pdm_site_run.h"

#include <cmath>
#include <cstdlib>

#include "dilution/pdm_engine.h"
#include "dilution/pdm_results.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"

namespace {

constexpr double OneOverDaysPerYear = 1.0 / 365;

int TwoDigitNumber(const std::string& text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// A station position as the integer offset of the station lookup; 0 for a value that is not
// a usable number.
int StationOffset(double position) {
    if (!std::isfinite(position) || position < 0 || position > 1e6) {
        return 0;
    }
    return static_cast<int>(position);
}

bool AllFinite(std::initializer_list<double> values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// The fraction from the station's percentile flows, computed when compute is set; false when a
// flow is not a number.
bool StationFraction(bool compute, double load, double coc, double* fraction) {
    double flows[101] = {};
    for (int i = 1; i <= 100; ++i) {
        flows[i] = ActFlowRec.FlowValues[i];
        if (!std::isfinite(flows[i])) {
            return false;
        }
    }
    PdmSiteMeanFlow = flows[50];
    PdmSiteLowFlow = flows[10];
    if (compute) {
        *fraction = PdmEngine.ExceedanceFromFlowPercentiles(load, coc, flows);
    }
    return true;
}

// The analytical fraction from the reach flows, computed when compute is set; false when the
// reach has no flows. A reach code too short to name its region has no flows to show either,
// as for a facility that is not in the table.
bool ReachFraction(bool compute, double load, double coc, double* fraction) {
    int region = 0;
    int subregion = 0;
    if (!RegionOfReach(DirectRec.REACH, &region, &subregion)) {
        PdmSiteMeanFlow = NotApplicable;
        PdmSiteLowFlow = NotApplicable;
        return false;
    }
    PdmSiteMeanFlow = ReachRec.MEAN_FLOW;
    PdmSiteLowFlow = ReachRec.LOW_FLOW;
    if (PdmSiteMeanFlow > 0) {
        EstimatedFlowsFound = 1;
    }
    const bool hasFlows = ReachRec.MEAN_FLOW > 0 || ReachRec.LOW_FLOW > 0;
    if (!hasFlows || !AllFinite({ReachRec.MEAN_FLOW, ReachRec.LOW_FLOW, DirectRec.PLANTFLOW})) {
        return false;
    }
    if (!compute) {
        return true;
    }
    *fraction =
        PdmEngine.ComputeExceedance(region, subregion, ReachRec.MEAN_FLOW, ReachRec.LOW_FLOW,
                                    DirectRec.PLANTFLOW, 0.24, 0.85, load, coc);
    return true;
}

}  // namespace

bool RegionOfReach(const std::string& reach, int* region, int* subregion) {
    if (reach.size() < 4) {
        return false;
    }
    *region = TwoDigitNumber(reach.substr(0, 2));
    *subregion = TwoDigitNumber(reach.substr(2, 2));
    return true;
}

double CocOfCurrentRelease(int coc) {
    switch (coc) {
        case 0:
            return CurrentPmn.COC0;
        case 1:
            return CurrentPmn.COC1;
        default:
            return CurrentPmn.COC2;
    }
}

double PercentOfYear(double fraction, double releaseDays) {
    return fraction * 100 * releaseDays * OneOverDaysPerYear;
}

double DaysOfPercent(double percent) {
    return 0.01 * percent * 365;
}

int RunPdmSite(int coc) {
    if (coc < 0 || coc > 2) {
        return 0;
    }
    ScenarioCode = 8;
    const bool facilityFound = LoadFacility(CurrentPmn.NPDES, "NPDES") == 'D';
    PdmReleaseDays = CurrentPmn.H2ODAYLO;
    GageFlowsFound =
        facilityFound ? LoadGageFlows(DirectRec.REACH, StationOffset(CurrentPmn.GAGE_POS)) : 0;
    const double cocValue = CocOfCurrentRelease(coc);
    const double load = CurrentPmn.PostTreat;
    // A level of 0 or less would be clamped to almost 0 and read as exceeded all year.
    const bool usable = cocValue > 0 && std::isfinite(cocValue) && std::isfinite(load);
    double fraction = 0;
    bool applies = false;
    if (GageFlowsFound == 1) {
        applies = StationFraction(usable, load, cocValue, &fraction) && usable;
    } else if (facilityFound) {
        applies = ReachFraction(usable, load, cocValue, &fraction) && usable;
    } else {
        PdmSiteMeanFlow = NotApplicable;
        PdmSiteLowFlow = NotApplicable;
    }
    if (applies) {
        PdmPercentExceeded[coc] = PercentOfYear(fraction, CurrentPmn.H2ODAYHI);
        PdmDaysExceeded[coc] = DaysOfPercent(PdmPercentExceeded[coc]);
    } else {
        PdmPercentExceeded[coc] = NotApplicable;
        PdmDaysExceeded[coc] = NotApplicable;
    }
    PdmCoc[coc] = cocValue;
    PdmPreTreatRelease = CurrentPmn.H2O_HI;
    PdmWwtRemoval = CurrentPmn.WWT_LOW;
    PdmReleaseDays = CurrentPmn.H2ODAYLO;
    return 1;
}
