// Industry-category flow statistics, gaging-station flows and the dilution coefficients.
#include "scenario/lookups_flows.h"

#include <cstdint>
#include <stdexcept>

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

// The eight flow statistics of a category: field of the statistics table and member of the
// record.
struct SicFlowField {
    const char* name;
    double pmn_record::*member;
};

const SicFlowField kSicFlowFields[] = {
    {"HMF_50", &pmn_record::HMF_50},   {"HMF_10", &pmn_record::HMF_10},
    {"_0Q5_50", &pmn_record::_0Q5_50}, {"_0Q5_10", &pmn_record::_0Q5_10},
    {"LOW_50", &pmn_record::LOW_50},   {"LOW_10", &pmn_record::LOW_10},
    {"_Q10_50", &pmn_record::_Q10_50}, {"_Q10_10", &pmn_record::_Q10_10},
};

}  // namespace

void LoadSicFlowStats() {
    tables::Table& sic = Tables().SicFlowTable;
    OpenLookupTable(sic);
    MoveToRow(sic, CurrentPmn.SIC_CODE);
    for (const SicFlowField& field : kSicFlowFields) {
        CurrentPmn.*field.member = sic.AsFloat(field.name);
    }
    sic.Close();
}

void SaveSicFlowStats() {
    tables::Table& sic = Tables().SicFlowTable;
    OpenLookupTable(sic);
    const int category = CurrentPmn.SIC_CODE;
    if (category < 1 || static_cast<std::uint32_t>(category) > sic.RecordCount()) {
        sic.Close();
        throw std::out_of_range(
            sys::Format("Industry category %d has no row in the flow statistics table.", category));
    }
    MoveToRow(sic, category);
    sic.Edit();
    try {
        sic.SetString("SIC", CurrentPmn.SIC);
        for (const SicFlowField& field : kSicFlowFields) {
            sic.SetFloat(field.name, CurrentPmn.*field.member);
        }
        sic.Post();
    } catch (...) {
        // A value the row cannot hold leaves the row as it was.
        sic.Cancel();
        sic.Close();
        throw;
    }
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
