// Values shown alike by the WordPerfect-format and the Word-format part writers.
#include "documents/report_values.h"

#include "documents/merge/report_numbers.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_table.h"

double ConcentrationAtFlow(const pmn_record& r, double flow) {
    if (flow <= 0.0)
        return -9.0;
    return r.PostTreat * 1000.0 / flow;
}

std::string HitText(char hit) {
    if (hit == 'Y')
        return "Yes";
    if (hit == 'N')
        return "No ";
    return "Unk";
}

std::string DischargeText(char dtype) {
    return dtype == 'D' ? "Direct" : "Indirect";
}

void ShortenScenarioType(pmn_record& r) {
    if (r.ScenarioTypeText == "High end/bounding")
        r.ScenarioTypeText = "Hi-End/Bound";
}

void MarkMediaNotAssessed(pmn_record& r) {
    if (!SurfaceWaterSelected)
        r.TotWaterRel = r.H2ODAYLO = r.H2ODAYHI = r.H2O_HI = -1.0;
    if (!LandfillSelected)
        r.LANDREL = r.TotLandfillRel = -1.0;
    if (!AmbientAirSelected) {
        r.TotStackRel = r.FUGREL = r.INCINREL = r.INCINDAYS = -1.0;
        r.TotFugitiveRel = r.FUGDAYLO = r.FUGDAYHI = -1.0;
    }
    if (r.INCINREL == 0.0)
        r.INCINDAYS = 0.0;
    if (r.TotFugitiveRel == 0.0)
        r.FUGDAYLO = r.FUGDAYHI = 0.0;
}

void CutLongRemarks(pmn_record& r) {
    if (r.REMARKS.size() > LongestRemarks)
        r.REMARKS.resize(LongestRemarks - 1);
}

std::string EnvReleaseTemplate(const pmn_record& r, bool specialEvaluationAsked) {
    return r.ScenNum == "1" && specialEvaluationAsked ? "envrelmn" : "envrel";
}

std::string NumberOrNa(double value, double tested) {
    return tested <= 0.0 ? "NA" : ValueToText(value);
}

std::string StabilityClassText(const pmn_record& r) {
    if (r.METCLASS == "Full" || r.STABCLASS < 0 || r.STABCLASS > 5)
        return "NA";
    return std::string(1, static_cast<char>('A' + r.STABCLASS));
}

std::string BuildingText(const pmn_record& r, double dimension) {
    return r.DOWNWASH == 1 ? ValueToText(dimension) : "NA";
}

std::string WindSpeedText(const pmn_record& r) {
    return r.METCLASS == "Stability and Wind Speed" ? ValueToText(r.WNDSPD) : std::string("NA");
}

std::string CommentsWithSpeciesNote(const pmn_record& r, const SpeciesRows& grid) {
    if (r.CRITTERS && grid.size() <= 1)
        SurfaceWaterComments += NoEndangeredSpeciesSentence;
    return SurfaceWaterComments;
}

bool SpeciesPartUsed(const SpeciesRows& grid, int k) {
    return !SpeciesCell(grid, 1 + SpeciesPerPart * k, 0).empty();
}
