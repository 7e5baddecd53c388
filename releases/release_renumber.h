// Deleting one release of a chemical from the scenario table and numbering the following
// releases down by one, by key in the table, independent of any list on screen.
#pragma once

#include <string>

// "<chemical id>,<number>".
std::string ReleaseKey(const std::string& chemId, int number);

// The number of rows of the scenario table that belong to the chemical.
int CountReleaseRows(const std::string& chemId);

// Deletes release `number` of the chemical and gives each release number+1 .. count the number
// one lower (release r's row, with its comments, becomes release r-1). A release number outside
// 1..count changes nothing and gives false. The rows are re-keyed in ascending order, so at
// every step each key names one row; a release that has no row is skipped.
bool DeleteReleaseAndRenumber(const std::string& chemId, int number, int count);

// The key a release has after release `deleted` was removed: releases after it move down by
// one; the deleted release itself gives "" (it no longer exists); other keys stay.
std::string KeyAfterDeletion(const std::string& key, const std::string& chemId, int deleted);
