// The dilution run over every usable facility of an industry category: average and high-end.
#include "dilution/pdm_category_run.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <sys/stat.h>

#include "dilution/pdm_categories.h"
#include "dilution/pdm_engine.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "platform/sys/text.h"
#include "scenario/lookups_facility.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

namespace {

// Marks the run for the facility lookups and leaves the flag, the facility index and the
// release's plant flow as they were before on every way out, also when a table error ends the
// run: the lookup of each facility of the category writes its plant flow into the record, but
// those facilities are not the release's, and the results run saves the record afterwards.
class SicRunScope {
  public:
    SicRunScope() : indexName_(FacilityIndexName), plantFlow_(CurrentPmn.PLANTFLO) {
        PdmSicRunActive = 1;
    }
    ~SicRunScope() {
        PdmSicRunActive = 0;
        FacilityIndexName = indexName_;
        CurrentPmn.PLANTFLO = plantFlow_;
    }
    SicRunScope(const SicRunScope&) = delete;
    SicRunScope& operator=(const SicRunScope&) = delete;

  private:
    std::string indexName_;
    double plantFlow_;
};

int SicNumber(const std::string& sic) {
    return static_cast<int>(std::strtol(sic.c_str(), nullptr, 10));
}

void AppendCurrentFacility(std::vector<PdmSicFacility>& facilities) {
    PdmSicFacility f;
    f.NPDES = DirectRec.NPDES;
    f.REACH = ReachRec.REACH;
    f.MEAN_FLOW = ReachRec.MEAN_FLOW;
    f.HarmonicFlow = ReachRec.HarmonicFlow;
    f.LOW_FLOW = ReachRec.LOW_FLOW;
    f.Flow30Q5 = ReachRec.Flow30Q5;
    f.Flow1Q10 = ReachRec.Flow1Q10;
    f.PLANTFLOW = DirectRec.PLANTFLOW;
    f.POP = DirectRec.POP;
    f.FacilityReach = DirectRec.REACH;
    facilities.push_back(std::move(f));
}

void LoadNextFacility(tables::Table& sids) {
    sids.Next();
    LoadFacilityForSic("", "SIC");
}

// Treatment works of SIC 4952 only (type "T"); the walk ends with the code or the table.
void WalkTreatmentWorks(std::vector<PdmSicFacility>& facilities) {
    tables::Table& sids = Tables().SidsTable;
    sids.First();
    LoadFacilityForSic("4952", "SIC");
    while (sys::Trim(DirectRec.SIC) == "4952" && !sids.Eof()) {
        if (DirectRec.FacilityType == "T" && DirectRec.Found) {
            AppendCurrentFacility(facilities);
        }
        LoadNextFacility(sids);
    }
}

// Direct dischargers and treatment works whose SIC lies in the range. The seek lands on the
// last row when no code at or after the range's low code exists, so the low end is checked too.
void WalkRange(const SicRange& range, std::vector<PdmSicFacility>& facilities) {
    tables::Table& sids = Tables().SidsTable;
    LoadFacilityForSic(std::to_string(range.low), "SIC");
    while (!sids.Eof()) {
        const int sic = SicNumber(DirectRec.SIC);
        if (sic > range.high) {
            break;
        }
        const bool modelled = DirectRec.FacilityType == "T" || DirectRec.FacilityType == "F";
        if (sic >= range.low && modelled && DirectRec.Found) {
            AppendCurrentFacility(facilities);
        }
        LoadNextFacility(sids);
    }
}

void WalkRanges(int category, std::vector<PdmSicFacility>& facilities) {
    if (category == IndustrialTreatmentWorksCategory) {
        WalkTreatmentWorks(facilities);
        return;
    }
    for (const SicRange& range : PdmCategoryRanges(category)) {
        WalkRange(range, facilities);
    }
}

// Room for every row of the table is taken first, so that the list of a large category is
// never moved as it grows; a short list gives back what it did not use. The walk takes the
// facility and reach indexes as they stand at its first seek on each: one check of each file
// for a change by another program, instead of one at every row and lookup.
void WalkCategory(int category, std::vector<PdmSicFacility>& facilities) {
    const tables::Table::IndexHold facilityOrder(Tables().SidsTable);
    const tables::Table::IndexHold reachOrder(Tables().ReachTable);
    facilities.reserve(Tables().SidsTable.RecordCount());
    WalkRanges(category, facilities);
    if (facilities.size() < facilities.capacity() / 2) {
        facilities.shrink_to_fit();
    }
}

}  // namespace

std::vector<PdmSicDischarge> PrepareSicDischarges(const std::vector<PdmSicFacility>& facilities) {
    std::vector<PdmSicDischarge> discharges(facilities.size());
    for (std::size_t i = 0; i < facilities.size(); ++i) {
        const PdmSicFacility& f = facilities[i];
        PdmSicDischarge& d = discharges[i];
        int region = 0;
        int subregion = 0;
        d.POP = f.POP;
        d.usable = std::isfinite(f.MEAN_FLOW) && std::isfinite(f.LOW_FLOW) &&
                   std::isfinite(f.PLANTFLOW) &&
                   RegionOfReach(f.FacilityReach, &region, &subregion);
        if (d.usable) {
            d.discharge = PdmEngine.PrepareDischarge(region, subregion, f.MEAN_FLOW, f.LOW_FLOW,
                                                     f.PLANTFLOW, 0.24, 0.85);
        }
    }
    return discharges;
}

std::vector<double> PdmSicFractions(const std::vector<PdmSicDischarge>& discharges, double load,
                                    double cocValue, unsigned char target) {
    std::vector<double> fractions;
    fractions.reserve(discharges.size());
    for (const PdmSicDischarge& d : discharges) {
        const double facilityLoad = target == 1 ? load : 0.001 * load * d.POP;
        if (d.usable && std::isfinite(facilityLoad)) {
            fractions.push_back(CPDM::DischargeExceedance(d.discharge, facilityLoad, cocValue));
        }
    }
    return fractions;
}

std::vector<double> PdmSicFractions(const std::vector<PdmSicFacility>& facilities, double load,
                                    double cocValue, unsigned char target) {
    return PdmSicFractions(PrepareSicDischarges(facilities), load, cocValue, target);
}

namespace {

void RunCoc(PdmSicRunTarget& form, int coc, double load, unsigned char target) {
    const double cocValue = CocOfCurrentRelease(coc);
    form.AverageFractions[coc] = 0;
    form.HighEndFractions[coc] = 0;
    form.CocApplies[coc] = cocValue > 0 && std::isfinite(cocValue) && std::isfinite(load);
    if (form.CocApplies[coc]) {
        CondenseFractions(PdmSicFractions(form.Discharges, load, cocValue, target),
                          &form.AverageFractions[coc], &form.HighEndFractions[coc]);
    }
    form.PdmSicAverageFraction = form.AverageFractions[coc];
    form.PdmSicHighEndFraction = form.HighEndFractions[coc];
}

// Size and modification time of a table's file; empty when it cannot be examined.
std::string FileState(const tables::Table& table) {
    struct stat info {};
    if (!table.IsOpen() || ::stat(table.NativeFileName().c_str(), &info) != 0) {
        return {};
    }
    return sys::Format("%s %lld %lld.%09ld;", table.NativeFileName().c_str(),
                       static_cast<long long>(info.st_size),
                       static_cast<long long>(info.st_mtim.tv_sec), info.st_mtim.tv_nsec);
}

PdmSicWalkKey WalkKeyNow(int category) {
    PdmSicWalkKey key;
    const std::string facilities = FileState(Tables().SidsTable);
    const std::string reaches = FileState(Tables().ReachTable);
    if (facilities.empty() || reaches.empty()) {
        return key;  // never matches a walk: category -1
    }
    key.category = category;
    key.disposalActive = DisposalActive;
    key.files = facilities + reaches;
    return key;
}

// Starts a run: clears the results, sets the release after treatment and lists the category's
// facilities, walking the table unless the form's list came from the same walk. Returns the
// load of the run.
double StartRun(PdmSicRunTarget& form, int category, unsigned char target) {
    form.PdmSicAverageFraction = 0;
    form.PdmSicHighEndFraction = 0;
    ScenarioCode = 9;
    const double release = target == 1 ? CurrentPmn.H2O_HI : CurrentPmn.DispPreTreat;
    CurrentPmn.PostTreat = (1 - 0.01 * CurrentPmn.WWT_LOW) * release;
    const PdmSicWalkKey key = WalkKeyNow(category);
    if (key.category < 0 || !(key == form.Walked)) {
        form.Walked = PdmSicWalkKey{};
        form.Facilities.clear();
        form.Discharges.clear();
        WalkCategory(category, form.Facilities);
        form.Discharges = PrepareSicDischarges(form.Facilities);
        form.Walked = key;
    }
    return CurrentPmn.PostTreat;
}

}  // namespace

std::string PdmSicListLine(const PdmSicFacility& facility, PdmSicList list) {
    switch (list) {
        case PdmSicList::PdmSicList:
            return facility.NPDES;
        case PdmSicList::ReachList:
            return facility.REACH;
        case PdmSicList::MeanFlowList:
            return sys::Format("%.15g", facility.MEAN_FLOW);
        case PdmSicList::HarMeanFlowList:
            return sys::Format("%.2f", facility.HarmonicFlow);
        case PdmSicList::Flow1q10List:
            return sys::Format("%.2f", facility.Flow1Q10);
        case PdmSicList::Flow30q5List:
            return sys::Format("%.2f", facility.Flow30Q5);
        case PdmSicList::Flow7q10List:
            return sys::Format("%.15g", facility.LOW_FLOW);
        case PdmSicList::PlantFlowList:
            return sys::Format("%.15g", facility.PLANTFLOW);
    }
    return "";
}

int CompareDoubles(double a, double b) {
    if (a < b) {
        return -1;
    }
    if (a > b) {
        return 1;
    }
    return 0;
}

void CondenseFractions(const std::vector<double>& fractions, double* average, double* highEnd) {
    *average = 0;
    *highEnd = 0;
    const int n = static_cast<int>(fractions.size());
    if (n < 1) {
        return;
    }
    // x[1..N] hold the fractions smallest first; x[0] is a 0 that sorts before them.
    std::vector<double> x(fractions);
    x.push_back(x[0]);
    x[0] = 0;
    std::sort(x.begin(), x.end(), [](double a, double b) { return CompareDoubles(a, b) < 0; });
    double sum = 0;
    for (int i = 1; i <= n; ++i) {
        sum += x[i];
    }
    *average = sum / n;
    double top = x[n];
    int count = 1;
    for (int d = 2; d <= n; ++d) {
        if (static_cast<double>(d) / n <= 0.1) {
            count = count + 1;
            top = top + x[n - d + 1];
        }
    }
    *highEnd = top / count;
}

std::vector<PdmSicFacility> ListPdmCategoryFacilities(int category) {
    SicRunScope scope;
    std::vector<PdmSicFacility> facilities;
    WalkCategory(category, facilities);
    return facilities;
}

void RunPdmSic(PdmSicRunTarget& form, int coc, int category, unsigned char target) {
    if (coc < 0 || coc > 2) {
        return;
    }
    SicRunScope scope;
    const double load = StartRun(form, category, target);
    RunCoc(form, coc, load, target);
}

void RunPdmSicForAllCocs(PdmSicRunTarget& form, int category, unsigned char target) {
    SicRunScope scope;
    const double load = StartRun(form, category, target);
    for (int coc = 2; coc >= 0; --coc) {
        RunCoc(form, coc, load, target);
    }
}

void StorePdmSicDaysExceeded(PdmSicRunTarget& form, int coc, unsigned char target) {
    if (coc < 0 || coc > 2) {
        return;
    }
    const bool highEnd = target == 1 ? CurrentPmn.WHICHANAL == 1 : form.HighEnd;
    const double fraction = highEnd ? form.HighEndFractions[coc] : form.AverageFractions[coc];
    double percent = NotApplicable;
    double days = NotApplicable;
    if (form.CocApplies[coc]) {
        percent = PercentOfYear(fraction, CurrentPmn.H2ODAYLO);
        days = DaysOfPercent(percent);
    }
    if (target == 1) {
        PdmPercentExceeded[coc] = percent;
        PdmDaysExceeded[coc] = days;
    } else {
        form.PercentExceeded[coc] = percent;
        form.DaysExceeded[coc] = days;
    }
    PdmCoc[coc] = CocOfCurrentRelease(coc);
    PdmPreTreatRelease = CurrentPmn.H2O_HI;
    PdmWwtRemoval = CurrentPmn.WWT_LOW;
    PdmReleaseDays = CurrentPmn.H2ODAYLO;
}
