// The facility search results table: appending a found facility and reading a result row back.
#include "scenario/lookups_search.h"

#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

void AppendUserSite(int kind, const std::string& location) {
    tables::Table& results = Tables().TmpResTable;
    results.Append();
    if (kind == 1) {
        results.SetString("NPDES", DirectRec.NPDES);
        results.SetString("NAME", DirectRec.NAME);
        results.SetString("SIC", DirectRec.SIC);
        results.SetString("LOCATION", location);
        results.SetString("REACH", DirectRec.REACH);
        results.SetString("REACHNM", DirectRec.REACHNM);
        results.SetString("D_OR_I", "D");
        results.SetString("ACTIVE", DirectRec.IACC);
    }
    results.Post();
}

void LoadUserSite() {
    TmpRec.NPDES = TmpResFieldAsString("NPDES");
    TmpRec.NAME = TmpResFieldAsString("NAME");
    TmpRec.LOCATION = TmpResFieldAsString("LOCATION");
    TmpRec.REACH = TmpResFieldAsString("REACH");
    TmpRec.REACHNM = TmpResFieldAsString("REACHNM");
    TmpRec.SIC = TmpResFieldAsString("SIC");
    TmpRec.D_OR_I = TmpResFieldAsString("D_OR_I");
    TmpRec.ACTIVE = TmpResFieldAsString("ACTIVE");
}
