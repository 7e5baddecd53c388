// Flow percentiles of every industry category over the facilities a category run lists, and
// the developer command that stores them as the categories' flow statistics and lists them
// (sic_vals.txt).
#include "dilution/pdm_sic_flow_values.h"

#include <algorithm>
#include <cmath>

#include "dilution/industry_categories.h"
#include "dilution/pdm_category_run.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "scenario/lookups_flows.h"
#include "scenario/scenario_record.h"

namespace {

constexpr const char* Header =
    "  Item                   mean              7q10          har_mean          30q5            "
    "1q10           sdf_10         mean   7q10   har_mean  30q5  1q10,sdf_10\n";

std::array<std::vector<double>, 6> FlowLists(const std::vector<PdmSicFacility>& facilities) {
    std::array<std::vector<double>, 6> lists;
    for (const PdmSicFacility& f : facilities) {
        lists[0].push_back(f.MEAN_FLOW);
        lists[1].push_back(f.LOW_FLOW);
        lists[2].push_back(f.HarmonicFlow);
        lists[3].push_back(f.Flow30Q5);
        lists[4].push_back(f.Flow1Q10);
        lists[5].push_back((f.LOW_FLOW + f.PLANTFLOW) / f.PLANTFLOW);
    }
    return lists;
}

// The members of CurrentPmn that storing the statistics borrows, put back on every way out.
class CategoryStatsScope {
  public:
    CategoryStatsScope() : saved_(CurrentPmn) {}
    ~CategoryStatsScope() {
        CurrentPmn.SIC_CODE = saved_.SIC_CODE;
        CurrentPmn.SIC = saved_.SIC;
        CurrentPmn.HMF_50 = saved_.HMF_50;
        CurrentPmn.HMF_10 = saved_.HMF_10;
        CurrentPmn._0Q5_50 = saved_._0Q5_50;
        CurrentPmn._0Q5_10 = saved_._0Q5_10;
        CurrentPmn.LOW_50 = saved_.LOW_50;
        CurrentPmn.LOW_10 = saved_.LOW_10;
        CurrentPmn._Q10_50 = saved_._Q10_50;
        CurrentPmn._Q10_10 = saved_._Q10_10;
    }
    CategoryStatsScope(const CategoryStatsScope&) = delete;
    CategoryStatsScope& operator=(const CategoryStatsScope&) = delete;

  private:
    const pmn_record saved_;
};

// The lists are mean, 7Q10, harmonic mean, 30Q5, 1Q10 and the dilution factor.
void StoreSicFlowValues(const std::vector<SicFlowPercentiles>& values) {
    CategoryStatsScope scope;
    for (const SicFlowPercentiles& row : values) {
        CurrentPmn.SIC_CODE = row.category;
        CurrentPmn.SIC = IndustryCategoryDescription(row.category);
        CurrentPmn.HMF_50 = row.median[2];
        CurrentPmn.HMF_10 = row.tenth[2];
        CurrentPmn._0Q5_50 = row.median[3];
        CurrentPmn._0Q5_10 = row.tenth[3];
        CurrentPmn.LOW_50 = row.median[1];
        CurrentPmn.LOW_10 = row.tenth[1];
        CurrentPmn._Q10_50 = row.median[4];
        CurrentPmn._Q10_10 = row.tenth[4];
        SaveSicFlowStats();
    }
}

}  // namespace

double InterpolatedPercentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const double position = fraction * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] +
           (values[above] - values[below]) * (position - static_cast<double>(below));
}

std::vector<SicFlowPercentiles> ComputeSicFlowValues() {
    std::vector<SicFlowPercentiles> all;
    for (int category = 1; category <= IndustryCategoryCount; ++category) {
        const std::vector<PdmSicFacility> facilities = ListPdmCategoryFacilities(category);
        const std::array<std::vector<double>, 6> lists = FlowLists(facilities);
        SicFlowPercentiles row;
        row.category = category;
        row.facilities = facilities.size();
        for (std::size_t k = 0; k < lists.size(); ++k) {
            row.tenth[k] = InterpolatedPercentile(lists[k], 0.1);
            row.median[k] = InterpolatedPercentile(lists[k], 0.5);
        }
        all.push_back(row);
    }
    return all;
}

bool WriteSicFlowValues(const std::vector<SicFlowPercentiles>& values, const std::string& path) {
    std::string text = Header;
    for (const SicFlowPercentiles& row : values) {
        const auto& t = row.tenth;
        const auto& m = row.median;
        text += sys::Format("%5d  10ile   %15.2f %15.2f %15.2f %15.2f %15.2f %15.2f %5d\n ",
                            row.category, t[0], t[1], t[2], t[3], t[4], t[5],
                            static_cast<int>(row.facilities));
        text += sys::Format("      50ile   %15.2f %15.2f %15.2f %15.2f %15.2f %15.2f %s\n\n", m[0],
                            m[1], m[2], m[3], m[4], m[5],
                            IndustryCategoryDescription(row.category).c_str());
    }
    return sys::WriteWholeFile(path, text);
}

bool GetSicFlowValues(const std::string& path) {
    const std::vector<SicFlowPercentiles> values = ComputeSicFlowValues();
    StoreSicFlowValues(values);
    return WriteSicFlowValues(values, path);
}
