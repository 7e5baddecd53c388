// The 36 industry categories: their descriptions and the SIC code list text of each.
#include "dilution/industry_categories.h"

#include <array>

#include "scenario/scenario_record.h"

std::string SicCodeList;

namespace {

struct IndustryCategory {
    const char* description;
    const char* codes;  // report text, printed as it stands
};

constexpr std::array<IndustryCategory, IndustryCategoryCount> Categories = {{
    {"Adhesives and Sealants Manufacture", "2891"},
    {"Laundries, Dry Cleaners and Car Washes", "7211,7213-7219,7542"},
    {"Can (metal) Manufacture", "3411"},
    {"Dyes & Pigments Manufacture", "2865"},
    {"Electronic Components Manufacture", "3674,3679"},
    {"Electroplating", "3471"},
    {"Foundries", "332,336"},
    {"Ink Formulation", "2893"},
    {"Inorganic Chemicals Manufacture", "281"},
    {"Large Household Appliances and Parts Manufacture", "3631-3633,3639,3431,3469"},
    {"Leather Tanning, Finishing", "3111"},
    {"Lubricant Manufacture", "2911,2992"},
    {"Metal Finishing", "34xx - 39xx"},
    {"Motor Vehicle Manufacture", "3711,3713"},
    {"Organic Chemicals Manufacture", "2865,2869"},
    {"Ore Mining & Dressing", "101-109"},
    {"Paint Formulation", "2851"},
    {"Paper & Paperboard Mills", "2621,2631,2661"},
    {"Paper Mills, except Building Paper Mills", "2621"},
    {"Paperboard Mills", "2631"},
    {"Pesticides Manufacture", "2819,2869,2879"},
    {"Petroleum Refining", "2911"},
    {"Plastic Resins & Synthetic Fiber Manufacture", "2821,2823,2824"},
    {"POTW (Indust., includes POTWs which receive ind. disch.)", "subset of 4952"},
    {"POTW's (All facilities)", "4952"},
    {"Primary Metal Forming Manuf. (major users of metal working fluids)",
     "3315-3317,3351-3357,3463,3497"},
    {"Printing", "271-277"},
    {"Pulp Mills", "2611"},
    {"Rubber Products Manufacture", "3011,3021,3031,3041"},
    {"Soaps, Detergent, etc. Manufacture", "2841-2844"},
    {"Steam Electric Power Plants", "4911"},
    {"Textile Dyeing and Finishing ( Knit Goods )", "225,2292"},
    {"Textile Dyeing and Finishing ( Wool Goods )", "2231"},
    {"Textile Dyeing and Finishing ( Woven Goods )", "2261,2262,2269"},
    {"Textile Dyeing and Finishing ( Knit, Wool, & Woven Goods )", "2231,225,226,2292"},
    {"Yarn & Thread Mills", "2281-2284"},
}};

bool IsCategory(int category) {
    return category >= 1 && category <= IndustryCategoryCount;
}

}  // namespace

std::string IndustryCategoryDescription(int category) {
    return IsCategory(category) ? Categories[category - 1].description : "";
}

std::string IndustryCategoryCodes(int category) {
    return IsCategory(category) ? Categories[category - 1].codes : "";
}

void SetSicCodesForCategory(int category) {
    if (IsCategory(category)) {
        SicCodeList = Categories[category - 1].codes;
    }
}

void SetSicCodesForCategory() {
    SetSicCodesForCategory(CurrentPmn.SIC_CODE);
}
