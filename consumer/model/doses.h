// The dermal dose arithmetic that finishes a model run.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

// Dermal doses into results 17-27; for an absorbed dose the amount on skin is first derived
// from the permeability inputs. The input checks keep zero divisors out.
void ComputeDoses(ExposureInputs& inputs, ExposureResults& results);

// The same on the program's case records.
void ComputeDoses();

// A run without the dermal pathway: its doses and their averaging times are marked not assessed,
// so that an earlier run's values do not pass for this run's.
void MarkDermalNotAssessed(ExposureResults& results);

}  // namespace consumer
