// Endangered species listed for a county, joined with their species and taxonomic group rows.
#pragma once

#include <string>
#include <vector>

#include "scenario/scenario_record.h"

// Loads the group row nearest to the id into CritterRec (GROUPID_FK, GROUP); the id is not
// compared.
void LoadSpeciesGroup(double groupId);
// Loads the species row nearest to the id into CritterRec, then its group; not compared.
void LoadSpecies(double speciesId);
// Loads the county row of the key (an empty key: the current row) with its species and group
// into CritterRec; true when the row belongs to the key's county (always for an empty key).
bool LoadCountySpecies(const std::string& countyKey);

// The species of the facility's county in the order the county table keeps them, or none when
// the case does not ask about endangered species. CritterRec is left on the first row after the
// county's rows.
std::vector<critter_record> ListedSpeciesOfFacility();
