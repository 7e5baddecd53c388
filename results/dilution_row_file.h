// Writing the dilution row file ("tmpfile") of the full results run from the dilution results.
#pragma once

#include <array>
#include <string>

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
