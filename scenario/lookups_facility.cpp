// Facility and reach lookups: the facility row, its reach flows, the derived flows and their
// floors.
#include "scenario/lookups_facility.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "scenario/table_set.h"

std::string FacilityIndexName = "NPDES";
unsigned char PdmSicRunActive = 0;
unsigned char PdmSicSubmitting = 0;
unsigned char DisposalActive = 0;

namespace {

// 1/0.409 at extended precision; the products are formed in extended precision and stored as
// doubles, which reproduces the published flows to the last digit.
constexpr long double kInverseOfUnitFactor = 2.444987775061125L;

// A plant flow of 0 counts as the smallest flow the calculations accept.
double PlantFlowFloor(double plantFlow) {
    return plantFlow == 0 ? 0.01 : plantFlow;
}

// Seeks the facility table on the given index; an empty key reads the current row.
void SeekFacility(const std::string& key, const std::string& indexName) {
    if (key.empty()) {
        return;
    }
    tables::Table& sids = Tables().SidsTable;
    sids.SetIndex(indexName);
    sids.FindNearest(key);
}

// "F" for a discharger, "T" for a treatment works; a blank when the reach key is too short to be
// a real reach.
std::string FacilityTypeFor(int ipotw, const std::string& reach) {
    if (reach.size() < 11) {
        return " ";
    }
    return ipotw == 0 ? "F" : "T";
}

// Loads the reach flows; a reach without flows falls back on the routing link when there is one.
void LoadReachFlowsWithRouting(const std::string& reach, const std::string& routLink) {
    LoadReachFlows(reach);
    if (ReachRec.MEAN_FLOW == 0 && ReachRec.LOW_FLOW == 0 && !routLink.empty()) {
        LoadReachFlows(routLink);
    }
}

// Raises the reach flows to the plant flow when it is greater (only for a reach with flows);
// true when either was raised, in which case the derived flows are computed again.
bool RaiseReachFlowsToPlantFlow(double plantFlow) {
    if (!(ReachRec.LOW_FLOW > 0 || ReachRec.MEAN_FLOW > 0)) {
        return false;
    }
    bool raised = false;
    if (plantFlow > ReachRec.LOW_FLOW) {
        ReachRec.LOW_FLOW = plantFlow;
        raised = true;
    }
    if (plantFlow > ReachRec.MEAN_FLOW) {
        ReachRec.MEAN_FLOW = plantFlow;
        raised = true;
    }
    if (raised) {
        DeriveReachFlows(ReachRec);
    }
    return raised;
}

void RaiseDerivedFlowsTo(double floor) {
    if (ReachRec.HarmonicFlow < floor) {
        ReachRec.HarmonicFlow = floor;
    }
    if (ReachRec.Flow30Q5 < floor) {
        ReachRec.Flow30Q5 = floor;
    }
    if (ReachRec.Flow1Q10 < floor) {
        ReachRec.Flow1Q10 = floor;
    }
}

void ReadFacilityRow() {
    DirectRec.IACC = SidsFieldAsString("IACC");
    DirectRec.NPDES = SidsFieldAsString("NPDES");
    DirectRec.NAME = SidsFieldAsString("NAME");
    DirectRec.PARENT = SidsFieldAsString("PARENT");
    DirectRec.CITY = SidsFieldAsString("CITY");
    DirectRec.ST = SidsFieldAsString("ST");
    DirectRec.ZIP = SidsFieldAsString("ZIP");
    DirectRec.SIC = SidsFieldAsString("SIC");
    DirectRec.REACH = SidsFieldAsString("REACH");
    DirectRec.WB_TYPE = SidsFieldAsString("WB_TYPE");
    DirectRec.ROUTLINK = SidsFieldAsString("ROUTLINK");
    DirectRec.REACHNM = SidsFieldAsString("REACHNM");
    const std::string state = SidsFieldAsString("STTE");
    const std::string county = SidsFieldAsString("CNTY");
    DirectRec.FacilityType = FacilityTypeFor(SidsFieldAsInteger("IPOTW"), DirectRec.REACH);
    DirectRec.CNTY = state + county;
    DirectRec.PLANTFLOW = SidsFieldAsFloat("PLANTFLOW");
    DirectRec.MILES = SidsFieldAsFloat("MILES");
    DirectRec.ACUTE = SidsFieldAsString("ACUTE");
    DirectRec.CHRONIC = SidsFieldAsString("CHRONIC");
}

// The dilution factors of a lake or bay facility from its texts such as "10:1"; a missing factor
// is 1, and a chronic factor of 1 follows an acute factor above 1.
void SetDilutionFactors(pmn_record& record) {
    record.AcuteDilFactor = TextToFloat(DirectRec.ACUTE);
    record.ChronicDilFactor = TextToFloat(DirectRec.CHRONIC);
    if (record.ChronicDilFactor == 0) {
        record.ChronicDilFactor = 1.0;
    }
    if (record.AcuteDilFactor == 0) {
        record.AcuteDilFactor = 1.0;
    }
    if (record.AcuteDilFactor > 1.0 && record.ChronicDilFactor == 1.0) {
        record.ChronicDilFactor = record.AcuteDilFactor;
    }
}

std::string ActivityText(const std::string& code) {
    if (code == "A") {
        return "This is an active site";
    }
    if (code == "I") {
        return "This is an inactive site";
    }
    return code;
}

// Copies the facility, its status and its flows into the scenario record.
void CopyFacilityIntoRecord(pmn_record& record, const std::string& hit, const std::string& dtype) {
    SetDilutionFactors(record);
    if (!hit.empty()) {
        record.HIT = hit[0];
    }
    if (!dtype.empty()) {
        record.DTYPE = dtype[0];
    }
    record.IACC = ActivityText(DirectRec.IACC);
    if (!AnyFlowFlagged()) {
        record.PLANTFLO = DirectRec.PLANTFLOW;
        CopyReachFlows(record);
    }
    record.REACH = ReachRec.REACH;
    record.REACHNAME = DirectRec.REACHNM;
}

// The fields the lookup sets, as a fresh record holds them: the facility asked for is not in
// the table, so nothing of another release's facility or of the nearest one may stay. Flows the
// user set for the release are its own and stay, as on a hit.
void ClearFacilityFromRecord(pmn_record& record) {
    const pmn_record fresh;
    record.AcuteDilFactor = fresh.AcuteDilFactor;
    record.ChronicDilFactor = fresh.ChronicDilFactor;
    record.HIT = fresh.HIT;
    record.IACC = fresh.IACC;
    if (!AnyFlowFlagged()) {
        record.PLANTFLO = fresh.PLANTFLO;
        record.MEANFLOW = fresh.MEANFLOW;
        record.FLOW7Q10 = fresh.FLOW7Q10;
        record.HARFLOW = fresh.HARFLOW;
        record.FLOW30Q5 = fresh.FLOW30Q5;
        record.FLOW1Q10 = fresh.FLOW1Q10;
    }
    record.REACH = fresh.REACH;
    record.REACHNAME = fresh.REACHNAME;
}

}  // namespace

void CopyReachFlows(pmn_record& record) {
    record.MEANFLOW = ReachRec.MEAN_FLOW;
    record.FLOW7Q10 = ReachRec.LOW_FLOW;
    record.HARFLOW = ReachRec.HarmonicFlow;
    record.FLOW30Q5 = ReachRec.Flow30Q5;
    record.FLOW1Q10 = ReachRec.Flow1Q10;
}

double HarmonicMeanFlow(double meanFlow, double lowFlow) {
    const long double product = 1.194L * std::pow(0.409 * meanFlow, 0.473) *
                                std::pow(0.409 * lowFlow, 0.552) * kInverseOfUnitFactor;
    return static_cast<double>(product);
}

double Flow30Q5From(double lowFlow) {
    const long double product = 1.782L * std::pow(0.409 * lowFlow, 0.966) * kInverseOfUnitFactor;
    return static_cast<double>(product);
}

double Flow1Q10From(double lowFlow) {
    const long double product = 0.843L * std::pow(0.409 * lowFlow, 0.993) * kInverseOfUnitFactor;
    return static_cast<double>(product);
}

void DeriveReachFlows(reach_record& reach) {
    reach.HarmonicFlow = HarmonicMeanFlow(reach.MEAN_FLOW, reach.LOW_FLOW);
    reach.Flow30Q5 = Flow30Q5From(reach.LOW_FLOW);
    reach.Flow1Q10 = Flow1Q10From(reach.LOW_FLOW);
}

double TextToFloat(const std::string& text) {
    // The C library's atof rules, but always with the point as decimal separator, whatever
    // the user's locale.
    const char* begin = text.data();
    const char* const end = begin + text.size();
    while (begin != end && std::isspace(static_cast<unsigned char>(*begin))) {
        ++begin;
    }
    bool negative = false;
    if (begin != end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    if (begin == end || *begin == '+' || *begin == '-') {
        return 0;
    }
    double value = 0;
    if (std::from_chars(begin, end, value).ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

bool AnyFlowFlagged() {
    const pmn_record& r = CurrentPmn;
    for (const std::string* flag :
         {&r.EFFFLG, &r.FL1Q10FLG, &r.FL30Q5FLG, &r.FL7Q10FLG, &r.MEANFLG, &r.HARMNFLG}) {
        if (*flag == "*") {
            return true;
        }
    }
    return false;
}

bool FacilityHasFlows() {
    if (ReachRec.MEAN_FLOW == 0 && ReachRec.LOW_FLOW == 0) {
        return false;
    }
    if (PdmSicRunActive && DirectRec.PLANTFLOW == 0) {
        return false;
    }
    if (DisposalActive && DirectRec.POP == 0) {
        return false;
    }
    const std::string& type = DirectRec.WB_TYPE;
    return !(type == "C" || type == "G" || type == "I" || type == "L" || type == "N");
}

void LoadReachFlows(const std::string& reachKey) {
    tables::Table& reach = Tables().ReachTable;
    if (!reachKey.empty()) {
        reach.FindNearest(reachKey);
    }
    ReachRec.REACH = ReachFieldAsString("REACH");
    ReachRec.MEAN_FLOW = ReachFieldAsFloat("MEAN_FLOW");
    ReachRec.LOW_FLOW = ReachFieldAsFloat("LOW_FLOW");
    DeriveReachFlows(ReachRec);
    if (ReachRec.MEAN_FLOW > 0 && ReachRec.LOW_FLOW > 0 && !PdmSicRunActive) {
        RaiseDerivedFlowsTo(0.01);
    }
}

char LoadFacility(const std::string& key, const std::string& indexName) {
    SeekFacility(key, indexName);
    ReadFacilityRow();
    LoadReachFlowsWithRouting(DirectRec.REACH, DirectRec.ROUTLINK);
    const std::string hit = SidsFieldAsString("HIT");
    const std::string dtype = SidsFieldAsString("DTYPE");
    DirectRec.PLANTFLOW = PlantFlowFloor(SidsFieldAsFloat("PLANTFLOW"));
    DirectRec.DOM_FLOW = SidsFieldAsFloat("DOM_FLOW");
    DirectRec.POP = SidsFieldAsFloat("POP");
    if (ReachRec.LOW_FLOW > 0 || ReachRec.MEAN_FLOW > 0) {
        RaiseReachFlowsToPlantFlow(DirectRec.PLANTFLOW);
        RaiseDerivedFlowsTo(DirectRec.PLANTFLOW);
    }
    const bool missed = !key.empty() && indexName == "NPDES" && DirectRec.NPDES != key;
    DirectRec.Found = FacilityHasFlows();
    if (missed) {
        // The nearest facility is not the one asked for: nothing of it goes into the record.
        ClearFacilityFromRecord(CurrentPmn);
        return ' ';
    }
    CopyFacilityIntoRecord(CurrentPmn, hit, dtype);
    return 'D';
}

char LoadFacilityForSic(const std::string& key, const std::string& indexName) {
    SeekFacility(key, indexName);
    DirectRec.NPDES = SidsFieldAsString("NPDES");
    DirectRec.SIC = SidsFieldAsString("SIC");
    DirectRec.REACH = SidsFieldAsString("REACH");
    DirectRec.WB_TYPE = SidsFieldAsString("WB_TYPE");
    DirectRec.FacilityType = FacilityTypeFor(SidsFieldAsInteger("IPOTW"), DirectRec.REACH);
    if (DirectRec.FacilityType != "F" && DirectRec.FacilityType != "T") {
        return 'D';
    }
    const auto plantFlow = [] {
        const double flow = SidsFieldAsFloat("PLANTFLOW");
        return PdmSicRunActive ? flow : PlantFlowFloor(flow);
    };
    DirectRec.ROUTLINK = SidsFieldAsString("ROUTLINK");
    DirectRec.POP = SidsFieldAsFloat("POP");
    DirectRec.DOM_FLOW = SidsFieldAsFloat("DOM_FLOW");
    DirectRec.PLANTFLOW = plantFlow();
    LoadReachFlowsWithRouting(DirectRec.REACH, DirectRec.ROUTLINK);
    if (!PdmSicRunActive) {
        if (ReachRec.MEAN_FLOW == 0) {
            ReachRec.MEAN_FLOW = 0.01;
        }
        if (ReachRec.LOW_FLOW == 0) {
            ReachRec.LOW_FLOW = 0.01;
        }
    }
    DirectRec.PLANTFLOW = plantFlow();
    CurrentPmn.PLANTFLO = DirectRec.PLANTFLOW;
    if (!PdmSicRunActive) {
        RaiseReachFlowsToPlantFlow(DirectRec.PLANTFLOW);
        DirectRec.WB_TYPE = SidsFieldAsString("WB_TYPE");
    }
    DirectRec.Found = FacilityHasFlows();
    if (!PdmSicRunActive) {
        RaiseDerivedFlowsTo(DirectRec.PLANTFLOW);
    }
    return 'D';
}

int LoadEstimatedFlows(const std::string& reachKey) {
    FacilityIndexName = "NPDES";
    LoadFacility(CurrentPmn.NPDES, FacilityIndexName);
    int result = 0;
    if (ReachRec.MEAN_FLOW > 0 && ReachRec.LOW_FLOW > 0) {
        EstFlowRec.Key = DirectRec.REACH;
        EstFlowRec.MeanFlow = ReachRec.MEAN_FLOW;
        EstFlowRec.LowFlow = ReachRec.LOW_FLOW;
        result = 1;
    }
    if (reachKey.size() < 11) {
        result = 0;
    }
    return result;
}
