// What the numeric inputs of the two dilution pages share: the wiring of an input, the exit
// check that refuses text which is no number, and the numbers taken from the page for a run.
#pragma once

#include <functional>
#include <string>

#include "platform/forms/components.h"

struct pmn_record;

// Wires a numeric input: characters other than those of a number are dropped as typed; on entry
// the input is emptied, on the stand-alone dilution pages when clearedStandAlone is set and in a
// full run otherwise; on exit the check runs.
void ConnectPdmInput(forms::TEdit& edit, bool clearedStandAlone, std::function<void()> exit);

// Runs an input's check; a text that is no number is refused with a message naming the input,
// and the edit shows the stored value again, which stays as it was.
void CheckNumberEdit(forms::TEdit& edit, double stored, const std::string& label,
                     const std::function<void()>& check);

// The number typed, or 0 when the text is no number (the input then counts as missing).
double TypedNumber(const std::string& text);

// The exit checks of the inputs both dilution pages have, each storing into CurrentPmn: the
// removal (at most 100 %, WWT_HI follows), the release days (at most 365, H2ODAYHI follows, and
// the sludge release with it), the concentration of concern, and the release before treatment
// (H2O_LO and the sludge release follow). Bad input is refused with a message and the stored
// value stays.
void TakeRemovalInput(forms::TEdit& edit);
void TakeReleaseDaysInput(forms::TEdit& edit);
void TakeCocInput(forms::TEdit& edit);
void TakePreTreatmentInput(forms::TEdit& edit);

// The labels of the inputs a run of either dilution page needs above 0 and that are not, in the
// order "COC", "Release days", "Pretreatment release", divided by ", ".
std::string MissingPdmRunInputs(const pmn_record& r);
// Why a run of either dilution page cannot go with the record as collected from the page: an
// input not above 0, or more release days than the year has. Empty when the run may go.
std::string PdmRunInputsRefusal(const pmn_record& r);
