// The inhalation half of a model run: one or two passes through the keyword file, the
// transfer-file reader and the multi-zone model.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// Runs the passes for the case, with xfer.cmi and xfer.trn in the working folder (which ends
// in a separator). A pass that fails shows its warning and fails the run: then nothing is
// stored and the results keep their earlier values. True when every pass ran.
bool RunExposureModel(const ExposureInputs& inputs, ExposureResults& results,
                      const std::string& workingFolder);

// The same on the program's case records and working folder.
bool RunExposureModel();

// A run without the inhalation pathway: the model's results and their averaging times are marked
// not assessed, so that an earlier run's values do not pass for this run's.
void MarkInhalationNotAssessed(ExposureResults& results);

}  // namespace consumer
