// Moving one release row between the scenario table and CurrentPmn.
#pragma once

#include <string>
#include <vector>

// The comment memos of the release loaded last.
extern std::string SurfaceWaterComments;
extern std::string FugitiveComments;
extern std::string StackComments;
extern std::string LandfillComments;

// Fills CurrentPmn, HealthFlags and the comments from the row of the key ("<chemical id>,<release
// number>"). A key that is not in the table resets CurrentPmn and gives it the requested key; an
// empty key reads the row the scenario table stands on. The table stays on the row found.
void LoadScenarioRecord(const std::string& key);

// Writes CurrentPmn and HealthFlags into the row of CurrentPmn's key, appending the row when it
// is missing, and posts it. The table stays on that row.
void SaveScenarioRecord();

// Moves the scenario table to its next row in index order; false when it reached the end.
bool MoveToNextScenarioRow();

// Every release key of the scenario table in index order, read without touching CurrentPmn.
std::vector<std::string> AllReleaseKeys();

// The chemical id of a release key: the text before its last comma ("" when it has none).
std::string ChemicalIdOf(const std::string& key);
