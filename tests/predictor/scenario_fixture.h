// A scenario table for one test: the program folder's empty nyr01.dbf copied into a folder and
// filled with release rows.
#pragma once

#include <map>
#include <string>
#include <vector>

using RowValues = std::map<std::string, std::string>;  // field -> value as text

// Writes folder/nyr01.dbf (and .dbt) with the rows; numeric fields take their text as a number.
void MakeScenarioTable(const std::string& folder, const std::vector<RowValues>& rows);

// A release row with stack and fugitive releases: key, RELEASES "  XX", the given extras.
RowValues ReleaseRow(const std::string& key, RowValues extra = {});

// One field of the row with this key, as text (numbers with "%.15g").
std::string FieldOf(const std::string& folder, const std::string& key, const std::string& field);

// The exact number a field of the row with this key holds (0 when blank or missing).
double NumberOf(const std::string& folder, const std::string& key, const std::string& field);

// True when chimra.out's four concentration lines read back as exactly the four results the
// row with this key holds.
bool AnswerMatchesRow(const std::string& folder, const std::string& key);
