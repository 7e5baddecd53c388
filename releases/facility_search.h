// The facility search: a prefix search along one index of the facility table, limited to a state
// or a region, with its hits staged in the search results table and read back in NPDES order.
#pragma once

#include <string>
#include <vector>

#include "scenario/scenario_record.h"

// The search fields in the order of the search page's list: their index and compared field.
enum class SearchKind { Npdes = 0, Name = 1, Sic = 2, Reach = 3 };
std::string SearchIndexName(SearchKind kind);

// The entries of the area list: "All regions", "Region 01" .. "Region 18", or "All states"
// and the 53 state codes.
std::vector<std::string> SearchAreaEntries(bool byRegion);

// Whether a facility passes the area choice: the first entry ("All ...") passes everything; a
// state passes the facilities whose NPDES starts with its code; a region ("Region 07") those
// whose reach starts with its number.
bool PassesSearchArea(const std::string& npdes, const std::string& reach,
                      const std::string& areaEntry, bool firstEntry, bool byState, bool byRegion);

struct FacilitySearchRequest {
    SearchKind kind = SearchKind::Npdes;
    std::string text;  // upper-cased by the caller
    std::string areaEntry;
    bool firstEntry = true;
    bool byState = true;
    bool byRegion = false;
};

// Empties the search results table, walks the facility table from the first key not below the
// text while the compared field starts with it, stages every facility that passes the area
// choice, and returns the staged rows in NPDES order. Sets FacilityIndexName to the search's
// index.
std::vector<tmp_record> SearchFacilities(const FacilitySearchRequest& request);
