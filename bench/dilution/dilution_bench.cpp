// Speed of the dilution runs over a full-size region: one site run by each method, and a run
// over the largest industry category for all three concentrations of concern. The region's
// program folder is named by OMBRIX_PDM_REGION.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "dilution/pdm_category_run.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

namespace {

struct Region {
    std::string analyticNpdes;   // a facility with reach flows and no gaging station
    std::string empiricalNpdes;  // a facility with a gaging station
    int largestCategory = 0;
    std::size_t largestCount = 0;
};

void FindSiteFacilities(Region& region) {
    tables::Table& sids = Tables().SidsTable;
    sids.SetIndex("NPDES");
    for (sids.First(); !sids.Eof(); sids.Next()) {
        if (!region.analyticNpdes.empty() && !region.empiricalNpdes.empty()) {
            return;
        }
        const std::string npdes = SidsFieldAsString("NPDES");
        LoadFacility(npdes, "NPDES");
        if (!DirectRec.Found || DirectRec.REACH.size() < 11 || !DirectRec.ROUTLINK.empty()) {
            continue;
        }
        std::string& slot =
            LoadGageFlows(DirectRec.REACH, 0) == 1 ? region.empiricalNpdes : region.analyticNpdes;
        if (slot.empty()) {
            slot = npdes;
        }
    }
}

void FindLargestCategory(Region& region) {
    for (int category = 1; category <= 36; ++category) {
        const std::size_t count = ListPdmCategoryFacilities(category).size();
        if (count > region.largestCount) {
            region.largestCount = count;
            region.largestCategory = category;
        }
    }
}

const Region& TheRegion() {
    static const Region region = [] {
        Region r;
        const char* folder = std::getenv("OMBRIX_PDM_REGION");
        if (folder == nullptr || !sys::SetWorkingFolder(folder)) {
            std::fprintf(stderr, "OMBRIX_PDM_REGION must name the region's program folder\n");
            std::exit(2);
        }
        ProgramFolder = folder;
        Tables().OpenLookupTables();
        FindSiteFacilities(r);
        FindLargestCategory(r);
        return r;
    }();
    return region;
}

void PrepareRelease(const std::string& npdes) {
    CurrentPmn = pmn_record{};
    CurrentPmn.NPDES = npdes;
    CurrentPmn.COC0 = 10;
    CurrentPmn.COC1 = 100;
    CurrentPmn.COC2 = 1000;
    CurrentPmn.H2O_HI = 2;
    CurrentPmn.WWT_LOW = 50;
    CurrentPmn.PostTreat = 1;
    CurrentPmn.H2ODAYLO = 250;
    CurrentPmn.H2ODAYHI = 250;
}

void SiteRun(benchmark::State& state, const std::string& npdes, int expectedStation) {
    PrepareRelease(npdes);
    RunPdmSite(0);
    if (npdes.empty() || GageFlowsFound != expectedStation) {
        state.SkipWithError("no suitable facility in the region");
        return;
    }
    for (auto _ : state) {
        RunPdmSite(0);
        benchmark::DoNotOptimize(PdmDaysExceeded[0]);
    }
}

void BM_SiteRunAnalytic(benchmark::State& state) {
    SiteRun(state, TheRegion().analyticNpdes, 0);
}
void BM_SiteRunEmpirical(benchmark::State& state) {
    SiteRun(state, TheRegion().empiricalNpdes, 1);
}

void BM_CategoryRun(benchmark::State& state) {
    const Region& region = TheRegion();
    PrepareRelease("");
    std::size_t facilities = 0;
    for (auto _ : state) {
        // A fresh form each time, so that every run walks the facility table.
        PdmSicRunTarget form;
        RunPdmSicForAllCocs(form, region.largestCategory, 1);
        benchmark::DoNotOptimize(form.AverageFractions);
        facilities = form.Facilities.size();
    }
    state.counters["facilities"] = static_cast<double>(facilities);
    state.counters["category"] = region.largestCategory;
}

BENCHMARK(BM_SiteRunAnalytic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SiteRunEmpirical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CategoryRun)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
