// The 36 industry categories: their descriptions and the SIC code list text of each.
#pragma once

#include <string>

constexpr int IndustryCategoryCount = 36;
// Title of the category grid's header row.
inline constexpr const char* IndustryCategoryHeader = "SIC Description";

// Category numbers are 1..36; any other number gives an empty text.
std::string IndustryCategoryDescription(int category);
std::string IndustryCategoryCodes(int category);

// The code list text of the current industry category, printed by the reports.
extern std::string SicCodeList;

// SicCodeList := the code list of the category; a number outside 1..36 (0 none, -1 facility
// analysis) keeps the previous text.
void SetSicCodesForCategory(int category);
// The same for the category of CurrentPmn (SIC_CODE).
void SetSicCodesForCategory();
