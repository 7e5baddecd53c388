// The keyword file (xfer.cmi) that hands one model pass of a case to the transfer-file reader.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// Pass 1 is the central tendency, pass 2 the high end.
std::string KeywordFileText(const ExposureInputs& inputs, int pass);

// Saturation concentration (g/m3) from vapour pressure (torr) and molecular weight (g/mole).
double SaturationConcentration(const ExposureInputs& inputs);

// Writes the keyword file; false when it cannot be written.
bool WriteKeywordFile(const std::string& path, const ExposureInputs& inputs, int pass);

}  // namespace consumer
