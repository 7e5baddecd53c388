// The facility search results table: appending a found facility and reading a result row back.
#pragma once

#include <string>

// Appends a row for the facility in DirectRec with the caller's location text and posts it.
// Kind 1 is a direct discharger, the only kind the searches append.
void AppendUserSite(int kind, const std::string& location);

// Reads the current search-result row into TmpRec.
void LoadUserSite();
