// The older dilution path: its own site model over the same 32 points, and the category run
// that reads precomputed category tables instead of walking facilities.
#include "dilution/pdm_older_path.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "dilution/pdm_categories.h"
#include "dilution/pdm_quadrature.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "dilution/pdm_tables.h"
#include "platform/tables/table.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"

double PdmCoefA = 0;
double PdmCoefB = 0;
double PdmStationConcentrations[101] = {};
std::vector<double> PdmConcAxis;
std::vector<double> PdmSicTableValues;

namespace {

constexpr double OneOverDaysPerYear = 1.0 / 365;

// Subregion count and the row before the region's first row in the coefficient table.
struct CoefficientRows {
    int count;
    int firstRow;
};
constexpr std::array<CoefficientRows, 18> RegionRows = {{{11, 0},
                                                         {8, 12},
                                                         {18, 21},
                                                         {15, 40},
                                                         {14, 56},
                                                         {4, 71},
                                                         {14, 76},
                                                         {9, 91},
                                                         {3, 101},
                                                         {30, 105},
                                                         {14, 136},
                                                         {11, 151},
                                                         {7, 163},
                                                         {8, 171},
                                                         {8, 180},
                                                         {6, 189},
                                                         {12, 196},
                                                         {10, 208}}};

// The lognormal model of the last tabulation.
struct DilutionTerms {
    std::array<double, 33> terms{};
    double concSpread = 1;
    bool underflow = false;
};
DilutionTerms Tabulated;

bool StationFound() {
    return GageFlowsFound == 1;
}
bool EstimateFound() {
    return EstimatedFlowsFound == 1;
}

double LoadAfterTreatment() {
    return (1 - 0.01 * PdmWwtRemoval) * PdmPreTreatRelease;
}

// Upper tail of the standard normal distribution by a polynomial; false when it underflows.
bool TailProbability(double argument, double* tail) {
    const double u = std::fabs(argument);
    const double poly =
        1 +
        u * (0.049867347 +
             u * (0.0211410061 +
                  u * (0.0032776263 + u * (0.0000380036 + u * (0.0000488906 + u * 0.000005383)))));
    const double exponent = -16 * std::log(poly);
    if (exponent < -85) {
        *tail = argument < 0 ? 1.0 : 0.0;
        return false;
    }
    const double upper = 0.5 * std::exp(exponent);
    *tail = argument < 0 ? 1 - upper : upper;
    return true;
}

void SetDaysAndPercent(int coc, double days) {
    double percent = days * OneOverDaysPerYear * 100;
    if (days < 0.01) {
        days = 0;
    }
    if (percent < 0.01) {
        percent = 0;
    }
    PdmDaysExceeded[coc] = days;
    PdmPercentExceeded[coc] = percent;
}

void SetNotApplicable(int coc) {
    PdmDaysExceeded[coc] = NotApplicable;
    PdmPercentExceeded[coc] = NotApplicable;
}

std::vector<double> ReadConcColumn(const std::string& path) {
    tables::Table table;
    table.Open(path);
    std::vector<double> values;
    for (table.First(); !table.Eof(); table.Next()) {
        values.push_back(table.AsFloat("CONC"));
    }
    table.Close();
    return values;
}

}  // namespace

int LoadRegionCoefficients(int region, int subregion) {
    PdmCoefA = 0;
    PdmCoefB = 0;
    if (region == 0) {
        return 1;
    }
    if (region < 1 || region > 18) {
        return 0;
    }
    const CoefficientRows rows = RegionRows[region - 1];
    if (subregion > rows.count || subregion < 0) {
        return 0;
    }
    if ((region == 18 && (subregion == 9 || subregion == 10)) ||
        (region == 17 && subregion == 12)) {
        subregion = 0;
    }
    const int row = rows.firstRow + subregion + 1;
    LoadPdmCoefficients(row);
    PdmCoefA = PdmCoefficients.A;
    PdmCoefB = PdmCoefficients.B;
    return row;
}

void LookUpSiteFlows() {
    GageFlowsFound = LoadGageFlows(PdmStationKey, 0);
    EstimatedFlowsFound = LoadEstimatedFlows(PdmStationKey);
    int region = 0;
    int subregion = 0;
    RegionOfReach(PdmStationKey, &region, &subregion);
    LoadRegionCoefficients(region, subregion);
    if (!StationFound() && !EstimateFound()) {
        PdmSiteLowFlow = NotApplicable;
        PdmSiteMeanFlow = NotApplicable;
        return;
    }
    if (EstimateFound()) {
        PdmSiteLowFlow = EstFlowRec.LowFlow;
        PdmSiteMeanFlow = EstFlowRec.MeanFlow;
    }
    if (StationFound()) {
        PdmSiteLowFlow = ActFlowRec.FlowValues[10];
        PdmSiteMeanFlow = ActFlowRec.FlowValues[50];
        ComputeStationConcentrations(LoadAfterTreatment());
    }
}

void ComputeStationConcentrations(double load) {
    for (int i = 1; i <= 100; ++i) {
        if (ActFlowRec.FlowValues[i] == 0) {
            ActFlowRec.FlowValues[i] = 1e-11;
        }
        PdmStationConcentrations[i] = load * 1000 / ActFlowRec.FlowValues[i];
    }
}

int CountStationConcentrationsAbove(double coc) {
    int count = 0;
    while (count < 100 && PdmStationConcentrations[count + 1] >= coc) {
        ++count;
    }
    return count;
}

double OlderStreamFlowVariation(double mean, double low) {
    if (PdmCoefA == 0 && PdmCoefB == 0) {
        return 0.4457 * std::pow(low / mean, -0.3953);
    }
    return std::exp(PdmCoefA - PdmCoefB * low / mean);
}

double InverseNormalApprox(double t) {
    return t - (2.515517 + 0.802853 * t + 0.010328 * t * t) /
                   (1 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
}

double QuadratureNormalDeviate(int point) {
    double p = PdmQuadratureTable().points[point];
    if (p < 1e-18) {
        p = 1e-18;
    }
    if (p <= 0.5) {
        return InverseNormalApprox(std::sqrt(-2 * std::log(p)));
    }
    return -InverseNormalApprox(std::sqrt(-2 * std::log(1 - p)));
}

void TabulateDilutionTerms() {
    const double plant = PdmSitePlantFlow;
    const double mean = PdmSiteMeanFlow < plant ? plant : PdmSiteMeanFlow;
    const double low = PdmSiteLowFlow < plant ? plant : PdmSiteLowFlow;
    const double streamCv = OlderStreamFlowVariation(mean, low);
    const double plantCv = 0.24;
    const double concCv = 0.85;
    const double ratio = mean == plant ? mean / plant : (mean - plant) / plant;
    const double ratioMean = std::log(ratio) + std::log(std::sqrt(1 + plantCv * plantCv)) -
                             std::log(std::sqrt(1 + streamCv * streamCv));
    const double ratioSpread =
        std::sqrt(std::log(1 + streamCv * streamCv) + std::log(1 + plantCv * plantCv));
    const double concLogMean = std::log((1 + low / plant) / std::sqrt(1 + concCv * concCv));
    Tabulated.concSpread = std::sqrt(std::log(1 + concCv * concCv));
    for (int i = 1; i <= 32; ++i) {
        const double deviate = QuadratureNormalDeviate(i);
        Tabulated.terms[i] =
            std::log(1 + std::exp(ratioMean - deviate * ratioSpread)) - concLogMean;
    }
}

double IntegrateTailProbability(double x) {
    if (x == 0) {
        x = 1e-9;
    }
    Tabulated.underflow = false;
    const PdmQuadrature& table = PdmQuadratureTable();
    double sum = 0;
    for (int i = 1; i <= 32; ++i) {
        double tail = 0;
        if (!TailProbability((std::log(x) + Tabulated.terms[i]) / Tabulated.concSpread, &tail)) {
            Tabulated.underflow = true;
            continue;
        }
        sum += table.weights[i] * tail;
    }
    return sum;
}

bool PdmTailUnderflow() {
    return Tabulated.underflow;
}

void RunPdmExceedance(int coc) {
    const double cocValue = CocOfCurrentRelease(coc);
    const bool noFlows = PdmSiteMeanFlow == NotApplicable && PdmSiteLowFlow == NotApplicable;
    const double load = LoadAfterTreatment();
    if (!(cocValue > 0) || noFlows || !(load > 0)) {
        SetNotApplicable(coc);
        return;
    }
    if (StationFound()) {
        SetDaysAndPercent(coc, 0.01 * CountStationConcentrationsAbove(cocValue) * PdmReleaseDays);
        return;
    }
    if (PdmSiteMeanFlow < PdmSitePlantFlow) {
        PdmSiteMeanFlow = PdmSitePlantFlow;
    }
    TabulateDilutionTerms();
    const double x = cocValue * PdmSiteLowFlow / (load * 1000);
    SetDaysAndPercent(coc, IntegrateTailProbability(x) * PdmReleaseDays);
}

void RunPdmBySite(int coc) {
    if (coc < 0 || coc > 2) {
        return;
    }
    ScenarioCode = 8;
    PdmReleaseDays = CurrentPmn.H2ODAYHI;
    PdmPreTreatRelease = CurrentPmn.H2O_HI;
    PdmWwtRemoval = CurrentPmn.WWT_LOW;
    PdmCoc[coc] = CocOfCurrentRelease(coc);
    if (LoadFacility(CurrentPmn.NPDES, "NPDES") != 'D') {
        PdmSiteMeanFlow = NotApplicable;
        PdmSiteLowFlow = NotApplicable;
        SetNotApplicable(coc);
        return;
    }
    PdmSitePlantFlow = DirectRec.PLANTFLOW;
    PdmStationKey = DirectRec.REACH;
    LookUpSiteFlows();
    RunPdmExceedance(coc);
}

int SearchPdmConcTable(double x, bool* hit) {
    *hit = false;
    const int rows = static_cast<int>(PdmConcAxis.size());
    if (rows == 0 || std::isnan(x)) {
        return -1;
    }
    auto axis = [](int row) { return PdmConcAxis[row - 1]; };
    if (std::fabs(x - axis(1)) <= 1e-9) {
        *hit = true;
        return 1;
    }
    if (x < axis(1)) {
        return -1;
    }
    if (std::fabs(x - axis(rows)) <= 1e-9) {
        *hit = true;
        return rows;
    }
    if (x > axis(rows)) {
        return -2;
    }
    int low = 1;
    int high = rows;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        if (axis(middle) <= x) {
            low = middle;
        } else {
            high = middle;
        }
    }
    if (std::fabs(x - axis(low)) <= 1e-9) {
        *hit = true;
    } else if (std::fabs(x - axis(high)) <= 1e-9) {
        *hit = true;
        return high;
    }
    return low;
}

double TableDaysExceeded(int coc) {
    const double x = CocOfCurrentRelease(coc) / ((1 - PdmWwtRemoval * 0.01) * PdmPreTreatRelease);
    bool hit = false;
    const int row = SearchPdmConcTable(x, &hit);
    const int rows = static_cast<int>(PdmSicTableValues.size());
    if (row == -1) {
        return -1;
    }
    if (row == -2 || row > rows || (!hit && row + 1 > rows)) {
        return 0;
    }
    const double v0 = PdmSicTableValues[row - 1];
    if (hit) {
        return v0;
    }
    const double v1 = PdmSicTableValues[row];
    const double a0 = PdmConcAxis[row - 1];
    const double a1 = PdmConcAxis[row];
    if (v0 <= 0 || v1 <= 0) {
        // The logarithm of an empty share is not defined: straight line instead.
        return v0 + (v1 - v0) / (a1 - a0) * (x - a0);
    }
    const double slope = (std::log(v1) - std::log(v0)) / (a1 - a0);
    return std::exp(std::log(v0) + slope * (x - a0));
}

void LoadPdmCategoryTables() {
    PdmConcAxis = ReadConcColumn("pdm\\pdmconc.dbf");
    PdmSicTableValues = ReadConcColumn(PdmTableFileName);
}

void RunPdmBySic(int coc) {
    if (coc < 0 || coc > 2) {
        return;
    }
    ScenarioCode = 9;
    PdmHighEnd = CurrentPmn.WHICHANAL;
    PdmScenarioText = PdmHighEnd == 1 ? "High" : "Ave ";
    PdmReleaseDays = CurrentPmn.H2ODAYHI;
    PdmPreTreatRelease = CurrentPmn.H2O_HI;
    PdmCoc[coc] = CocOfCurrentRelease(coc);
    PdmWwtRemoval = CurrentPmn.WWT_LOW;
    CurrentPmn.PostTreat = CurrentPmn.H2O_HI - CurrentPmn.H2O_HI * CurrentPmn.WWT_LOW * 0.01;
    SelectPdmCategory(CurrentPmn.SIC_CODE, PdmHighEnd);
    const double sites =
        PdmHighEnd == 1 ? std::floor(0.1 * PdmCategorySiteCount) : PdmCategorySiteCount;
    if (!PdmCategoryKnown(CurrentPmn.SIC_CODE) || !(PdmCoc[coc] > 0) || !(sites > 0)) {
        SetNotApplicable(coc);
        return;
    }
    LoadPdmCategoryTables();
    const double v = TableDaysExceeded(coc);
    if (v == -1) {
        SetNotApplicable(coc);
        return;
    }
    const double days = v * PdmReleaseDays / sites;
    PdmDaysExceeded[coc] = days;
    PdmPercentExceeded[coc] = days * OneOverDaysPerYear * 100;
}
