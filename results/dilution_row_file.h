// Writing the dilution row file ("tmpfile"): from the dilution results in the full results run,
// from the result grid of a dilution page in its save.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "documents/dilution_rows.h"

// The lines the run writes for a release: one per concentration of concern up to the last one
// asked (COC1 above 0 asks two, COC2 above 0 three), then no-result lines up to 21 lines. A
// concentration of concern that is not above 0 gets the no-result line in its place. The
// industry-code kind adds the analysis text ("High" or "Avg") and "---".
std::string DilutionRowFileText(DilutionRowKind kind, const std::array<double, 3>& cocLevels,
                                const std::string& analysis);

// The no-result line of each kind, as the run writes it.
extern const char* const SiteNoResultLine;
extern const char* const IndustryCodeNoResultLine;

// Replaces the file at path with the text; false when it could not be written whole.
bool WriteDilutionRowFile(const std::string& path, const std::string& text);

// The no-result line of each kind, as the save commands of the dilution pages write it.
extern const char* const SitePageNoResultLine;
extern const char* const IndustryCodePageNoResultLine;

// The lines a dilution page's save writes: every filled result row as the grid shows it (the
// cells joined by single blanks; the industry-code kind takes seven cells and adds "---"), then
// no-result lines up to 21 lines. A row is filled when any of its cells holds more than blanks;
// the rows are taken from the first down to the last filled one. A blank cell of a filled row is
// written as "N/A", so the fields after it keep their places.
std::string PageDilutionRowText(DilutionRowKind kind,
                                const std::vector<std::vector<std::string>>& rows);
// How many of the rows PageDilutionRowText writes as result lines.
int FilledDilutionRows(const std::vector<std::vector<std::string>>& rows);
