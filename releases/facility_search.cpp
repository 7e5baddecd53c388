// The facility search: a prefix search along one index of the facility table, limited to a state
// or a region, with its hits staged in the search results table and read back in NPDES order.
#include "releases/facility_search.h"

#include "scenario/lookups_facility.h"
#include "scenario/lookups_search.h"
#include "scenario/table_set.h"

namespace {

constexpr int kRegionCount = 18;
constexpr const char* kStates[] = {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA",
                                   "HI", "ID", "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA",
                                   "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY",
                                   "NC", "ND", "OH", "OK", "OR", "PA", "PR", "RI", "SC", "SD", "TN",
                                   "TX", "UT", "VT", "VA", "WA", "WI", "WV", "WY"};

const std::string& ComparedField(SearchKind kind) {
    switch (kind) {
        case SearchKind::Name:
            return DirectRec.NAME;
        case SearchKind::Sic:
            return DirectRec.SIC;
        case SearchKind::Reach:
            return DirectRec.REACH;
        default:
            return DirectRec.NPDES;
    }
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<tmp_record> StagedResults() {
    std::vector<tmp_record> rows;
    tables::Table& results = Tables().TmpResTable;
    results.SetIndex("NPDES");
    for (results.First(); !results.Eof(); results.Next()) {
        LoadUserSite();
        rows.push_back(TmpRec);
    }
    return rows;
}

}  // namespace

std::string SearchIndexName(SearchKind kind) {
    switch (kind) {
        case SearchKind::Name:
            return "NAME";
        case SearchKind::Sic:
            return "SIC";
        case SearchKind::Reach:
            return "REACH";
        default:
            return "NPDES";
    }
}

std::vector<std::string> SearchAreaEntries(bool byRegion) {
    std::vector<std::string> entries;
    if (byRegion) {
        entries.push_back("All regions");
        for (int region = 1; region <= kRegionCount; ++region)
            entries.push_back((region < 10 ? "Region 0" : "Region ") + std::to_string(region));
    } else {
        entries.push_back("All states");
        for (const char* state : kStates)
            entries.push_back(state);
    }
    return entries;
}

bool PassesSearchArea(const std::string& npdes, const std::string& reach,
                      const std::string& areaEntry, bool firstEntry, bool byState, bool byRegion) {
    if (firstEntry)
        return true;
    if (byState)
        return npdes.substr(0, 2) == areaEntry.substr(0, 2);
    if (byRegion)
        return areaEntry.size() >= 9 && reach.substr(0, 2) == areaEntry.substr(7, 2);
    return false;
}

std::vector<tmp_record> SearchFacilities(const FacilitySearchRequest& request) {
    FacilityIndexName = SearchIndexName(request.kind);
    tables::Table& results = Tables().TmpResTable;
    results.SetIndex("");
    results.EmptyTable();
    tables::Table& facilities = Tables().SidsTable;
    if (facilities.IsEmpty())
        return {};
    LoadFacility(request.text, FacilityIndexName);
    while (!facilities.Eof() && StartsWith(ComparedField(request.kind), request.text)) {
        if (PassesSearchArea(DirectRec.NPDES, DirectRec.REACH, request.areaEntry,
                             request.firstEntry, request.byState, request.byRegion)) {
            AppendUserSite(1, DirectRec.CITY + " " + DirectRec.ST + " " + DirectRec.ZIP);
        }
        facilities.Next();
        if (facilities.Eof())
            break;
        LoadFacility("", FacilityIndexName);
    }
    return StagedResults();
}
