// The import of an exported run (a command never shown): the staging record and its helpers.
#pragma once

#include <string>

#include "scenario/scenario_record.h"

// The staging record of one export row.
extern pmn_record ImportPmn;

// Copies ImportPmn into CurrentPmn, every member onto the same member.
void CopyChemicalRecord();

// An export key whose last character is a medium letter 'a' to 'd' and that holds a comma loses
// that letter (and the blanks around the rest); any other key stays as it is.
std::string NormaliseImportKey(const std::string& key);
