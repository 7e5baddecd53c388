// The dilution pages of the results form used alone, without the run over the releases.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/components.h"

class TScrResForm;

// Prepares a results form for the dilution pages alone: the chemical list of the industry-code
// page holds the chemical ids of the scenario table in table order up to the current chemical
// (SelectedChemId), which is its last entry and entry ChemIdIndex and is selected; the treatment
// model command of the site page is hidden; PdmPagesActive is set.
void SetUpPdmPages(TScrResForm& form);

// Creates a results form, sets it up for the dilution pages alone, shows it modally and deletes
// it. PdmPagesActive is clear again afterwards, however the visit ends.
void OpenDilutionPagesAlone();

// Sets a run flag back to 0 when the scope ends, however it ends.
class FlagClearedOnExit {
  public:
    explicit FlagClearedOnExit(unsigned char& flag) : flag_(flag) {}
    ~FlagClearedOnExit() { flag_ = 0; }
    FlagClearedOnExit(const FlagClearedOnExit&) = delete;
    FlagClearedOnExit& operator=(const FlagClearedOnExit&) = delete;

  private:
    unsigned char& flag_;
};

// The chemical ids of the release keys, one for each run of equal ids, in the keys' order.
std::vector<std::string> ChemicalIdsInOrder(const std::vector<std::string>& keys);

// True when the next free row of a result grid lies past its last row; the user is then told
// to clear the results, and nothing is to be written into the grid.
bool ResultGridFull(const forms::TStringGrid& grid, int nextRow);
