// The result documents merged from the consumer model's WordPerfect-format templates.
#include "consumer/output/result_documents.h"

#include "consumer/model/case_state.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/template_merge.h"
#include "documents/merge/wpd_text.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace consumer {
namespace {

const char* const kBlank = " ";

bool IsBarSoap(const ExposureInputs& in) {
    return in.ScenarioName == "Bar Soap";
}
bool IsPotential(const ExposureInputs& in) {
    return in.DoseType == "Potential";
}
bool IsAbsorbed(const ExposureInputs& in) {
    return in.DoseType == "Absorbed";
}

std::string ScenarioWith(const ExposureInputs& in, const char* laundrySuffix) {
    return in.ScenarioName + (in.ScenarioName == "Laundry Detergent" ? laundrySuffix : "");
}

std::string If(bool condition, const std::string& text, const std::string& otherwise = kBlank) {
    return condition ? text : otherwise;
}

// Codes 1 to 26, shared by the all-results and the inhalation documents.
void InputCodes(const ExposureInputs& in, const DisplayTexts& t, DocumentValues& v) {
    bool sprayed = in.ScenarioKeyword == "sprayedsurface";
    v[1] = in.IdNumber;
    v[2] = in.ProductName;
    v[3] = in.ScenarioName;
    v[4] = t.MolecularWeight;
    v[5] = t.VapourPressure;
    v[6] = t.WeightFractionCentral;
    v[7] = in.ChemicalName;
    v[8] = t.WeightFractionHighEnd;
    v[9] = t.InhFrequency;
    v[10] = t.InhDuration;
    v[11] = t.MassCentral;
    v[12] = t.MassHighEnd;
    v[13] = t.InhRateDuring;
    v[14] = t.DurationCentral;
    v[15] = t.InhRateAfter;
    v[16] = t.Zone1Volume;
    v[17] = t.AirExchange;
    v[18] = t.HouseVolume;
    v[19] = t.InhBodyWeight;
    v[20] = If(sprayed, "Portion of Aerosol in Air (unitless):");
    v[21] = If(sprayed, t.AerosolFraction);
    v[22] = t.UseDayText;
    v[23] = t.StartTime;
    v[24] = t.NonUseDayText;
    v[25] = t.RoomName;
    v[26] = t.HourScale;
}

// The hands lines of bar soap and the permeability block of an absorbed dose (codes 29 to 43 of
// the all-results document), keyed by those codes.
DocumentValues DermalInputCodes(const ExposureInputs& in, const DisplayTexts& t) {
    bool soap = IsBarSoap(in);
    bool absorbed = IsAbsorbed(in);
    DocumentValues v;
    v[29] = If(soap, "Frequency of Use - Hands (chronic) (events/yr):");
    v[30] = If(soap, t.FrequencyHands);
    v[31] = If(soap, "SA/BW - Hands (cm2/kg):");
    v[32] = If(soap, t.SaBwHands);
    v[33] = If(IsPotential(in), t.AmountOnSkin);
    v[34] = If(absorbed, "Permeability coefficient (cm/hr):");
    v[35] = If(absorbed, t.Permeability);
    v[36] = If(absorbed, "Kow:");
    v[37] = If(absorbed, t.Kow == "0" ? "NA" : t.Kow);
    v[38] = If(absorbed, "Exposure Duration (hr/event):");
    v[39] = If(absorbed, t.EventDuration);
    v[40] = If(absorbed, "Density of Formulation (g/cm3):");
    v[41] = If(absorbed, t.Density);
    v[42] = If(absorbed, "Dilution (unitless):");
    v[43] = If(absorbed, t.Dilution);
    return v;
}

std::string HandsArea(const ExposureInputs& in, const DisplayTexts& t) {
    return If(IsBarSoap(in), "SA/BW Hands (cm2/kg): " + t.SaBwHands);
}

std::string HandsFrequency(const ExposureInputs& in, const DisplayTexts& t) {
    return If(IsBarSoap(in), "Frequency of Use Hands (chronic) (events/year): " + t.FrequencyHands);
}

std::string DoseMark(const ExposureInputs& in) {
    return IsPotential(in) ? "pot" : "abs";
}

std::string DoseNote(const ExposureInputs& in) {
    return IsPotential(in) ? "pot - potential dose" : "abs - absorbed dose";
}

bool WriteDocument(const std::string& templateName, int maxCode,
                   DocumentValues (*valuesOf)(const ExposureInputs&, const DisplayTexts&),
                   const std::string& fileName) {
    RefreshDisplayTexts();
    std::string templatePath = sys::NativePath(WorkingFolder + templateName);
    std::optional<std::string> templateBytes = sys::ReadWholeFile(templatePath);
    if (!templateBytes) {
        forms::ShowMessage("The document template " + templatePath +
                               " could not be read.\nNo document was written.",
                           "Error", forms::Icon::Error);
        return false;
    }
    std::string bytes = MergeResultDocument(*templateBytes, maxCode, valuesOf(*CaseInputs, Display),
                                            CaseInputs->Comments);
    if (!sys::WriteWholeFile(fileName, bytes)) {
        forms::ShowMessage(
            "Unable to create results document!\nThe document was possibly opened during the "
            "attempt to rewrite it.",
            "Error", forms::Icon::Error);
        return false;
    }
    forms::ShowMessage(fileName + " has been saved", "Complete", forms::Icon::Information);
    return true;
}

}  // namespace

DocumentValues AllResultsValues(const ExposureInputs& in, const DisplayTexts& t) {
    DocumentValues v = DermalInputCodes(in, t);
    InputCodes(in, t, v);
    bool soap = IsBarSoap(in);
    v[27] = t.FrequencyBody;
    v[28] = t.SaBwBody;
    v[44] = t.DermLaddAt;
    v[45] = soap ? "2" : "1";
    v[46] = t.DermAdrAt;
    v[47] = in.IdNumber;
    v[49] = ScenarioWith(in, " (Machine Washing)");
    v[50] = t.InhRate;
    v[51] = t.InhDuration;
    v[52] = t.InhBodyWeight;
    v[53] = t.InhFrequency;
    v[54] = t.InhLadd;
    v[55] = t.InhLaddAt;
    v[58] = t.InhLadc;
    v[59] = t.InhLadcAt;
    v[60] = t.InhAdd;
    v[61] = t.InhAddAt;
    v[62] = v[63] = "";
    v[64] = t.InhAdc;
    v[65] = t.InhAdcAt;
    v[66] = t.InhAdr;
    v[67] = t.InhAdrAt;
    v[68] = v[69] = "";
    v[70] = t.InhCp;
    v[71] = t.InhCpAt;
    v[72] = in.IdNumber;
    v[74] = ScenarioWith(in, " (Hand Washing)");
    v[75] = t.DermDuration;
    v[76] = t.SaBwBody;
    v[77] = HandsArea(in, t);
    v[78] = t.FrequencyBody;
    v[79] = HandsFrequency(in, t);
    v[80] = t.DermLadd;
    v[81] = t.DermLaddAt;
    v[82] = v[83] = "";
    v[84] = t.DermAdd;
    v[85] = t.DermAddAt;
    v[87] = "";
    v[88] = t.DermAdr;
    v[89] = t.DermAdrAt;
    v[90] = v[91] = "";
    v[92] = If(IsPotential(in), "Amount Retained / Absorbed to Skin (g/cm2-event):");
    v[93] = v[94] = v[95] = t.Population;
    v[96] = t.DurationHighEnd;
    v[97] = v[98] = v[99] = DoseMark(in);
    v[100] = DoseNote(in);
    v[101] = t.InhDuration;
    return v;
}

DocumentValues InhalationValues(const ExposureInputs& in, const DisplayTexts& t) {
    DocumentValues v;
    InputCodes(in, t, v);
    v[27] = t.InhLaddAt;
    v[28] = t.InhAddAt;
    v[29] = t.InhAdrAt;
    v[30] = in.IdNumber;
    v[31] = in.ProductName;
    v[32] = ScenarioWith(in, " (Machine Washing)");
    v[33] = t.InhRate;
    v[34] = t.InhDuration;
    v[35] = t.InhBodyWeight;
    v[36] = t.InhFrequency;
    v[37] = t.InhLadd;
    v[38] = t.InhLaddAt;
    v[39] = v[40] = "";
    v[41] = t.InhLadc;
    v[42] = t.InhLadcAt;
    v[43] = t.InhAdd;
    v[44] = t.InhAddAt;
    v[45] = IsBarSoap(in) ? "2" : "1";
    v[46] = "";
    v[47] = t.InhAdc;
    v[48] = t.InhAdcAt;
    v[49] = t.InhAdr;
    v[50] = t.InhAdrAt;
    v[51] = v[52] = "";
    v[53] = t.InhCp;
    v[54] = t.InhCpAt;
    v[55] = v[56] = t.Population;
    v[57] = t.DurationHighEnd;
    return v;
}

DocumentValues DermalValues(const ExposureInputs& in, const DisplayTexts& t) {
    DocumentValues shared = DermalInputCodes(in, t);
    bool soap = IsBarSoap(in);
    DocumentValues v;
    v[1] = in.IdNumber;
    v[2] = in.ProductName;
    v[3] = in.ScenarioName;
    v[4] = t.MolecularWeight;
    v[5] = t.WeightFractionCentral;
    v[6] = t.WeightFractionHighEnd;
    v[7] = t.FrequencyBody;
    v[8] = t.SaBwBody;
    for (int code = 9; code <= 12; ++code)
        v[code] = shared[code + 20];
    v[13] = If(IsPotential(in), t.AmountOnSkin);
    for (int code = 14; code <= 23; ++code)
        v[code] = shared[code + 20];
    v[17] = If(IsAbsorbed(in), t.Kow);
    v[24] = t.DermLaddAt;
    v[25] = t.DermAddAt;
    v[26] = t.DermAdrAt;
    v[27] = in.IdNumber;
    v[28] = in.ChemicalName;
    v[29] = ScenarioWith(in, " (Hand Washing)");
    v[30] = t.DermDuration;
    v[31] = t.SaBwBody;
    v[32] = HandsArea(in, t);
    v[33] = t.FrequencyBody;
    v[34] = HandsFrequency(in, t);
    v[35] = t.DermLadd;
    v[36] = t.DermLaddAt;
    v[37] = DoseMark(in);
    v[38] = If(soap, "2");
    v[39] = If(soap, "Frequency of Use - Hands (acute) (events/day): ");
    v[40] = t.DermAddAt;
    v[41] = v[42] = "";
    // The dose of the ADD row, which the codes above leave out.
    v[58] = t.DermAdd;
    v[43] = t.DermAdr;
    v[44] = t.DermAdrAt;
    v[45] = soap ? "2" : "1";
    v[46] = "";
    v[47] = If(IsPotential(in), "Amount Retained/Absorbed to Skin (g/cm2-event):");
    v[48] = DoseMark(in);
    v[49] = t.Population;
    v[50] = v[51] = DoseMark(in);
    v[52] = DoseNote(in);
    v[53] = v[54] = v[55] = soap ? "body" : "";
    v[56] = t.Population;
    v[57] = G4(in.YEARSOFUSE);
    return v;
}

std::string MergeResultDocument(const std::string& templateBytes, int maxCode,
                                const DocumentValues& values, const std::string& comments) {
    MergedPart part =
        MergeTemplate(templateBytes, maxCode, [&](int n) -> std::optional<std::string> {
            auto it = values.find(n);
            if (it == values.end())
                return std::nullopt;
            return it->second;
        });
    std::string bytes = part.bytes;
    // The document shows no start marker.
    if (part.startMarkerOffset >= 0)
        bytes.erase(static_cast<size_t>(part.startMarkerOffset), 3);
    if (!comments.empty()) {
        bytes += WpdHardPage;
        bytes += "Comments:";
        bytes += '\x0D';
        bytes += EncodeWpdText(comments);
    }
    return bytes;
}

bool WriteAllResultsDocument(const std::string& fileName) {
    return WriteDocument("kiv.wpd", 105, AllResultsValues, fileName);
}

bool WriteInhalationDocument(const std::string& fileName) {
    return WriteDocument("kiv_ino.wpd", 100, InhalationValues, fileName);
}

bool WriteDermalDocument(const std::string& fileName) {
    return WriteDocument("kiv_dro.wpd", 100, DermalValues, fileName);
}

}  // namespace consumer
