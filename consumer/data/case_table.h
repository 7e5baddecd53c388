// Cases stored in case tables (one record per case, keyed by the chemical id) and text case files.
#pragma once

#include <string>
#include <vector>

#include "consumer/model/case_records.h"

namespace consumer {

// Loads the case whose id equals idText exactly, or, with an empty id, the record of that
// number. A table that cannot be opened shows "Unable to open file!"; a case that is not there
// loads nothing. The stored age group goes into StoredAgeGroup.
void LoadCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, ExposureInputs& inputs, ExposureResults& results);

// A case a table holds: its record number and its id.
struct StoredCase {
    int recordNumber = 0;
    std::string id;
};

// The cases of a table, the one saved last first; empty when the table cannot be opened.
std::vector<StoredCase> ListCases(const std::string& tableName, const std::string& folder);

// Stores the case under its id: a case the table holds is replaced by this one at the end of the
// table (the end is where the case saved last is). With an empty id the record of that number
// is written over, or the case appended. Texts longer than their field are cut to it, and
// numbers too large for theirs are not stored; a note names such fields after the save. False when
// the table could not be opened or the record not written.
bool SaveCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, const ExposureInputs& inputs,
              const ExposureResults& results);

// Reads a text case file (one value per line in field order) and marks the scenario chosen.
// "Unable to open file." when it cannot be opened.
bool OpenCaseFile(const std::string& path, ExposureInputs& inputs, ExposureResults& results);

}  // namespace consumer
