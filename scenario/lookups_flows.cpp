// Industry-category flow statistics, gaging-station flows and the dilution coefficients.
#include "scenario/lookups_flows.h"

#include "platform/sys/text.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

namespace {

// Reads the station row the table stands on into ActFlowRec; the reach is already read.
void ReadStationRow() {
    ActFlowRec.STA_ID = ActFlowFieldAsString("STA_ID");
    ActFlowRec.FIRSTDAY = ActFlowFieldAsString("FIRSTDAY");
    ActFlowRec.LASTDAY = ActFlowFieldAsString("LASTDAY");
    ActFlowRec.OFFSET = ActFlowFieldAsInteger("OFFSET");
    ActFlowRec.NUMFLWVALS = ActFlowFieldAsInteger("NUMFLWVALS");
    ActFlowRec.MORE = ActFlowFieldAsInteger("MORE");
    for (int i = 1; i <= 100; ++i) {
        ActFlowRec.FlowValues[static_cast<std::size_t>(i)] =
            ActFlowFieldAsFloat(sys::Format("F%d", i));
    }
}

}  // namespace

void LoadSicFlowStats() {
    tables::Table& sic = Tables().SicFlowTable;
    OpenLookupTable(sic);
    MoveToRow(sic, CurrentPmn.SIC_CODE);
    CurrentPmn.HMF_50 = sic.AsFloat("HMF_50");
    CurrentPmn.HMF_10 = sic.AsFloat("HMF_10");
    CurrentPmn._0Q5_50 = sic.AsFloat("_0Q5_50");
    CurrentPmn._0Q5_10 = sic.AsFloat("_0Q5_10");
    CurrentPmn.LOW_50 = sic.AsFloat("LOW_50");
    CurrentPmn.LOW_10 = sic.AsFloat("LOW_10");
    CurrentPmn._Q10_50 = sic.AsFloat("_Q10_50");
    CurrentPmn._Q10_10 = sic.AsFloat("_Q10_10");
    sic.Close();
}

int LoadGageFlows(const std::string& reachKey, int rowOffset) {
    tables::Table& flows = Tables().ActFlowTable;
    if (reachKey.empty()) {
        ActFlowRec.REACH = ActFlowFieldAsString("REACH");
        return 0;
    }
    flows.FindNearest(reachKey);
    for (int step = 0; step < rowOffset; ++step) {
        flows.Next();
        if (flows.Eof()) {
            // Past the last row of the table: no further station, whatever the last row holds.
            return 0;
        }
    }
    ActFlowRec.REACH = ActFlowFieldAsString("REACH");
    if (ActFlowRec.REACH != reachKey) {
        return 0;
    }
    ReadStationRow();
    return ActFlowRec.FlowValues[99] == 0 ? 0 : 1;
}

void LoadPdmCoefficients(int row) {
    tables::Table& coef = Tables().CoefTable;
    MoveToRow(coef, row);
    PdmCoefficients.A = CoefFieldAsFloat("A");
    PdmCoefficients.B = CoefFieldAsFloat("B");
}

double MaxOf(double a, double b) {
    return a > b ? a : b;
}

double MinOf(double a, double b) {
    return a < b ? a : b;
}
