// The release's row of the scenario table: finding it, reading it into the predictor's record,
// and writing back the edited inputs and the air concentrations.
#pragma once

#include <string>
#include <vector>

#include "platform/tables/table.h"
#include "predictor/release.h"

// The table of a data folder (the folder text ends with its separator).
std::string ScenarioTablePath(const std::string& dataFolder);

// The keys of the rows with a stack or fugitive release: "X" as the 3rd or 4th character of
// RELEASES, in table order.
std::vector<std::string> ListedReleases(tables::Table& table);

// Walks from the first row to the row with this key; false (on no row) when there is none.
bool GoToRelease(tables::Table& table, const std::string& key);

// The current row as the predictor's record (blank numbers read as 0, blank texts as "").
ReleaseInputs ReadRelease(tables::Table& table);
AirConcentrations ReadConcentrations(tables::Table& table);

// Stores the edited inputs into the row with the record's key and posts it. A number is
// written only when it differs from the row's, so values nobody changed keep every digit.
// Read-only fields are never written. Throws TableError when the row is gone or a value does
// not fit.
void WriteEditedInputs(tables::Table& table, const ReleaseInputs& r);

// Stores the four air concentrations (mg/m3) into the row with this key and posts it.
void WriteConcentrations(tables::Table& table, const std::string& key, const AirConcentrations& c);
