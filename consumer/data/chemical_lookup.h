// The chemical of a chemical-id start, from the chemical table in the data folder.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// Fills the chemical from the row of pmnmgr02 (in the folder) whose id equals the key exactly.
// When there is no such row the chemical is left as it was, a message says so, and the
// result is false.
bool LookupChemical(const std::string& folder, const std::string& key, ChemicalInfo& chemical);

}  // namespace consumer
