// The dilution model's view of the industry categories: code lists, site counts, table
// names and the SIC ranges its facility walk covers.
#include "dilution/pdm_categories.h"

#include <array>
#include <vector>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "scenario/scenario_record.h"

double PdmCategorySiteCount = 0;
std::string PdmTableFileName;

namespace {

struct PdmCategory {
    int category;
    const char* codeList;
    double siteCount;
    const char* tableCode;  // a file-name part, not always the first code of the list
};

constexpr std::array<PdmCategory, 37> PdmCategories = {{
    {1, "2891", 46, "2891"},
    {2, "7211,7213-7219,7542", 767, "7211"},
    {3, "3411", 51, "3411"},
    {4, "2865", 89, "2866"},
    {5, "3674,3679", 273, "3674"},
    {6, "3471", 2050, "3471"},
    {7, "3320-3329,3360-3369", 323, "3320"},
    {8, "2893", 22, "2893"},
    {9, "2810-2819", 405, "2810"},
    {10, "3631-3633,3639,3431,3469", 181, "3631"},
    {11, "3111", 115, "3111"},
    {12, "2911,2992", 183, "2911"},
    {13,
     "3411-3462,3465-3471,3482-3599,3613-3623,3629,3634-3636,3643-3651,3661-3671,3673,3676-3678,"
     "3693-3694,3699,3711-3841,3851,3873-3999",
     2001, "3462"},
    {14, "3711,3713", 83, "3711"},
    {15, "2865,2869", 263, "2865"},
    {16, "1010-1099", 219, "1010"},
    {17, "2851", 92, "2851"},
    {18, "2621,2631,2661", 427, "2621"},
    {19, "2621", 257, "2622"},
    {20, "2631", 131, "2631"},
    {21, "2819,2869,2879", 488, "2819"},
    {22, "2911", 156, "2912"},
    {23, "2821,2823,2824", 278, "2821"},
    {24, "4952 from 1011-1999,2211-5199,5511-5599,7211-8099", 1305, "4953"},
    {25, "4952", 12646, "4952"},
    {26, "3315-3317,3351-3357,3463,3497", 351, "3315"},
    {27, "2710-2779", 381, "2710"},
    {28, "2611", 71, "2611"},
    {29, "3011,3021,3031,3041", 117, "3011"},
    {30, "2841-2844", 189, "2841"},
    {31, "4911", 539, "4911"},
    {32, "2251-2259,2292", 263, "2250"},
    {33, "2231", 559, "2231"},
    {34, "2261,2262,2269", 215, "2261"},
    {35, "2231,2250-2259,2260,2269,2292", 81, "2232"},
    {36, "2281-2284", 151, "2281"},
    {41, "4952", 8873, "4954"},
}};

struct CategoryRanges {
    int category;
    std::vector<SicRange> ranges;
};

const std::vector<CategoryRanges>& WalkRanges() {
    static const std::vector<CategoryRanges> ranges = {
        {1, {{2891, 2891}}},
        {2, {{7211, 7211}, {7213, 7219}, {7542, 7542}}},
        {3, {{3411, 3411}}},
        {4, {{2865, 2865}}},
        {5, {{3674, 3674}, {3679, 3679}}},
        {6, {{3471, 3471}}},
        {7, {{3320, 3329}, {3360, 3369}}},
        {8, {{2893, 2893}}},
        {9, {{2810, 2819}}},
        {10, {{3631, 3633}, {3639, 3639}, {3431, 3431}, {3469, 3469}}},
        {11, {{3111, 3111}}},
        {12, {{2911, 2911}, {2992, 2992}}},
        {13,
         {{3411, 3462},
          {3465, 3471},
          {3482, 3599},
          {3613, 3623},
          {3629, 3629},
          {3634, 3636},
          {3643, 3651},
          {3661, 3671},
          {3673, 3673},
          {3676, 3678},
          {3693, 3694},
          {3699, 3699},
          {3711, 3841},
          {3851, 3851},
          {3873, 3999}}},
        {14, {{3711, 3711}, {3713, 3713}}},
        {15, {{2865, 2865}, {2869, 2869}}},
        {16, {{1010, 1099}}},
        {17, {{2851, 2851}}},
        {18, {{2621, 2621}, {2631, 2631}, {2661, 2661}}},
        {19, {{2621, 2621}}},
        {20, {{2631, 2631}}},
        {21, {{2819, 2819}, {2869, 2869}, {2879, 2879}}},
        {22, {{2911, 2911}}},
        {23, {{2821, 2821}, {2823, 2824}}},
        {25, {{4952, 4952}}},
        {26, {{3315, 3317}, {3351, 3357}, {3463, 3463}, {3497, 3497}}},
        {27, {{2710, 2779}}},
        {28, {{2611, 2611}}},
        {29, {{3011, 3011}, {3021, 3021}, {3031, 3031}, {3041, 3041}}},
        {30, {{2841, 2844}}},
        {31, {{4911, 4911}}},
        {32, {{2250, 2292}}},
        {33, {{2231, 2231}}},
        {34, {{2261, 2262}, {2269, 2269}}},
        {35, {{2231, 2231}, {2250, 2260}, {2269, 2269}, {2292, 2292}}},
        {36, {{2281, 2284}}},
    };
    return ranges;
}

}  // namespace

void SelectPdmCategory(int category, int highEnd) {
    PdmTableFileName = highEnd == 1 ? "pdm\\pdm" : "pdm\\pdma";
    for (const PdmCategory& entry : PdmCategories) {
        if (entry.category == category) {
            SicCodeList = entry.codeList;
            PdmCategorySiteCount = entry.siteCount;
            PdmTableFileName += entry.tableCode;
            break;
        }
    }
    PdmTableFileName += ".dbf";
}

std::vector<PdmCategoryTable> PdmCategoryTableList() {
    std::vector<PdmCategoryTable> tables;
    for (const PdmCategory& entry : PdmCategories) {
        tables.push_back({entry.category, entry.tableCode, entry.siteCount});
    }
    return tables;
}

void SelectPdmCategory() {
    SelectPdmCategory(CurrentPmn.SIC_CODE, PdmHighEnd);
}

bool PdmCategoryKnown(int category) {
    for (const PdmCategory& entry : PdmCategories) {
        if (entry.category == category) {
            return true;
        }
    }
    return false;
}

std::span<const SicRange> PdmCategoryRanges(int category) {
    for (const CategoryRanges& entry : WalkRanges()) {
        if (entry.category == category) {
            return entry.ranges;
        }
    }
    return {};
}
