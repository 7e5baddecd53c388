// The dilution model's view of the industry categories: code lists, site counts, table
// names and the SIC ranges its facility walk covers.
#pragma once

#include <span>
#include <string>
#include <vector>

// Number of facilities of the category, and the file name of its precomputed dilution table
// ("pdm\pdm<code>.dbf" high-end, "pdm\pdma<code>.dbf" average).
extern double PdmCategorySiteCount;
extern std::string PdmTableFileName;

// Sets SicCodeList, PdmCategorySiteCount and PdmTableFileName for a category; highEnd is 1 for
// the high-end table. A category the model does not know keeps the list and the count, and
// gives the bare prefix followed by ".dbf".
void SelectPdmCategory(int category, int highEnd);
// The same for the category of CurrentPmn (SIC_CODE) and PdmHighEnd.
void SelectPdmCategory();

// A category's precomputed table: its table code and site count.
struct PdmCategoryTable {
    int category;
    std::string tableCode;
    double siteCount;
};
std::vector<PdmCategoryTable> PdmCategoryTableList();

// Whether the dilution model has a code list and a table for the category.
bool PdmCategoryKnown(int category);

struct SicRange {
    int low;
    int high;
};

// The SIC ranges walked for a category, in walk order. Empty for category 24 (a walk of its
// own over SIC 4952) and for any number without ranges.
std::span<const SicRange> PdmCategoryRanges(int category);

// The category whose facilities are the treatment works receiving industrial discharges:
// SIC 4952 facilities of type "T" only.
constexpr int IndustrialTreatmentWorksCategory = 24;
