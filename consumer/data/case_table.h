// Cases stored in case tables (one record per case, keyed by the chemical id) and text case files.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// Loads the case whose id equals idText exactly, or, with an empty id, the record of that
// number. A table that cannot be opened shows "Unable to open file!"; a case that is not there
// loads nothing. The stored age group goes into StoredAgeGroup.
void LoadCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, ExposureInputs& inputs, ExposureResults& results);

// Stores the case over the record of the same id (or the record of that number when the id is
// empty), or appends it. Texts longer than their field are cut to it, and numbers too large for
// theirs are not stored; a note names such fields after the save. False when the table could
// not be opened or the record not written.
bool SaveCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, const ExposureInputs& inputs,
              const ExposureResults& results);

// Reads a text case file (one value per line in field order) and marks the scenario chosen.
// "Unable to open file." when it cannot be opened.
bool OpenCaseFile(const std::string& path, ExposureInputs& inputs, ExposureResults& results);

}  // namespace consumer
