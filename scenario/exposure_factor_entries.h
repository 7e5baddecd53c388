// The exposure-factor page's entries written into every release row of a chemical.
#pragma once

#include <string>

// The values of the exposure-factor page as typed, and its two evaluation check boxes.
struct ExposureFactorEntries {
    std::string ChemId;
    std::string BwExp, EdCExp, EdNCExp, AtCExp, AtNCExp;
    std::string DwCExp, DwAExp, FishCExp, FishAExp, InhaleExp;
    bool ExposureBased = false;
    bool Persistent = false;
};

// Writes the page's factors and evaluation flags into every release row of the chemical, then
// loads release 1 again. "NA" in an intake or inhalation entry counts as 0. A text that is no
// number throws std::invalid_argument before any row is written.
void CollectExposureFactors(ExposureFactorEntries entries);
