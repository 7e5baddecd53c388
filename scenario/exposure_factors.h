// Exposure factors by population group from the exposure-factor table, and the snapshot of the
// chemical block that is carried between the release rows of one chemical.
#pragma once

#include <functional>
#include <string>

#include "scenario/scenario_record.h"

// Applies one exposure-factor table row (row name, value) to the record for its population group
// POP_NUM: the member whose row name for that group matches exactly takes the value. A row that
// names no member of the group changes nothing; true when the row was used.
bool ApplyExposureFactorRow(pmn_record& record, const std::string& rowName, double value);

// Shows or hides the age-group controls of the exposure-factor page for CurrentPmn.POP_NUM; set
// by the form that carries that page, empty while there is none.
extern std::function<void()> UpdateExposureFactorPage;

// Updates the exposure-factor page, then (unless SuppressFactorLoad is set) walks the exposure
// factor table and copies the factors of the group CurrentPmn.POP_NUM into CurrentPmn. FISH,
// DRINK and INHALE start at 0, so a group without such a row ends with 0. The table is opened for
// the walk and closed after it; a table that cannot be opened throws.
void LoadScreeningExposureFactors();

// SavedFactors := the ten core exposure factors of CurrentPmn.
void SaveExposureFactors();
// SavedFactors := every member of the snapshot, taken from CurrentPmn.
void SaveAllExposureFactors();
// The ten core exposure factors of CurrentPmn := SavedFactors.
void RestoreExposureFactors();
// Every member of the snapshot back into CurrentPmn; WWT_HI follows the restored WWT_LOW and
// MIGRATE is the saved value cut toward zero.
void RestoreAllExposureFactors();
