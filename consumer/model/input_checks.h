// The input checks before a model run; the first failure of a run is shown and stops it.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

// Each routine does nothing when the flag is already set; otherwise it stops at its first
// failing test, shows that test's message (caption "Error") and sets the flag.
void CheckInhalationInputs(const ExposureInputs& inputs, bool& errorFlag);
void CheckZoneVolumes(const ExposureInputs& inputs, bool& errorFlag);
void CheckPotentialDermalInputs(const ExposureInputs& inputs, bool& errorFlag);
void CheckAbsorbedDermalInputs(const ExposureInputs& inputs, bool& errorFlag);
void CheckChemicalInputs(const ExposureInputs& inputs, bool& errorFlag);

// Clears the flag and runs the routines that apply to the case, in order. True when the
// case may run.
bool CheckInputsBeforeRun(const ExposureInputs& inputs, bool& errorFlag);

// The same on the program's case and its InputErrorFlag.
bool CheckInputsBeforeRun();

}  // namespace consumer
