// The fixed defaults of a new case: identity and chemical, and exposure inputs.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

inline constexpr const char* kAdultUseDayPattern = "1111111231542467422744411";
inline constexpr const char* kNonAdultUseDayPattern = "1111111132442477422744411";
inline constexpr const char* kDaysAfterUsePattern = "1111111132442477422744411";

// Identity, scenario and chemical defaults; also clears ScenarioChosen.
void ResetCaseIdentity(ExposureInputs& inputs);
// Exposure defaults; clears the model and dose results (entries 0-11 and 17-22).
void ResetExposureInputs(ExposureInputs& inputs, ExposureResults& results);

}  // namespace consumer
