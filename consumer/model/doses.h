// The dermal dose arithmetic that finishes a model run.
#pragma once

#include "consumer/model/case_records.h"

namespace consumer {

// Dermal doses into results 17-27; for an absorbed dose the amount on skin is first derived
// from the permeability inputs. The input checks keep zero divisors out.
void ComputeDoses(ExposureInputs& inputs, ExposureResults& results);

// The same on the program's case records.
void ComputeDoses();

}  // namespace consumer
