// Rewriting the use-day location pattern after the high-end duration of use changed.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

// The location digit of each hour slot that a shortened use gives back.
inline constexpr const char* kDefaultUseDayDigits = "1111111231543467422744411";

// previousHighEnd is the high-end duration (hours) before the change.
void AdjustUseDayPattern(ExposureInputs& inputs, double previousHighEnd);

}  // namespace consumer
