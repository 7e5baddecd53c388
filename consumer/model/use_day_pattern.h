// Rewriting the use-day location pattern after the high-end duration of use changed.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

// The location digit of each hour slot that a shortened use gives back.
inline constexpr const char* kDefaultUseDayDigits = "1111111231543467422744411";

// The whole hours a use of this duration covers (the ceiling), as far as the pattern's 24 hour
// slots go: 0 for no duration, 25 for any duration of 25 hours or more.
int UseHoursOf(double duration);

// previousHighEnd is the high-end duration (hours) before the change.
void AdjustUseDayPattern(ExposureInputs& inputs, double previousHighEnd);

}  // namespace consumer
