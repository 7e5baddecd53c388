// The dilution site and industry-code part writers.
#include "documents/wpd_dilution.h"

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "documents/dilution_row_texts.h"
#include "documents/merge/report_numbers.h"
#include "documents/wpd_field_groups.h"
#include "scenario/scenario_record.h"

namespace {

constexpr int kSiteRowBase = 19;
constexpr int kSiteRows = 22;
constexpr int kSicRowBase = 6;
constexpr int kSicRows = 21;

// Cell `offset` of a table row. Taking the first cell of a row also hands its release days,
// release and removal to the dilution run's shared values.
std::string RowCell(const DilutionRow& row, int offset) {
    if (offset == 0)
        TakeDilutionRunValues(row);
    return DilutionCellText(row, offset);
}

// Placeholder n of a table of `count` rows of `width` cells from base.
std::optional<std::string> TableCell(int n, int base, int width, int count,
                                     const std::vector<DilutionRow>& rows) {
    if (n < base || n >= base + width * count)
        return std::nullopt;
    return RowCell(DilutionRowAt(rows, (n - base) / width), (n - base) % width);
}

std::optional<std::string> GageField(const pmn_record& r, int n) {
    bool gage = GageFlowsFound == 1;
    switch (n) {
        case 12:
            return gage ? ActFlowRec.STA_ID : "N/A";
        case 13:
            return gage ? ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY : "N/A";
        case 14:
            return gage ? ValueToText(ActFlowRec.NUMFLWVALS) : "N/A";
        case 15:
            return gage ? ValueToTextWhole(r.NUM_GAGES) : "N/A";
        default:
            return std::nullopt;
    }
}

std::optional<std::string> PdmSiteField(const pmn_record& r, int n,
                                        const std::vector<DilutionRow>& rows) {
    if (auto value = FacilityField(r, n))
        return value;
    switch (n) {
        case 16:
            return ValueToText(PdmSiteMeanFlow);
        case 17:
            return ValueToText(PdmSiteLowFlow);
        case 18:
            return ValueToText(DirectRec.PLANTFLOW);
        case 157:
            return MiddleFlowName(r.NUM_GAGES);
        case 158:
            return LowFlowName(r.NUM_GAGES);
        default:
            break;
    }
    if (auto value = GageField(r, n))
        return value;
    return TableCell(n, kSiteRowBase, 6, kSiteRows, rows);
}

std::optional<std::string> PdmSicField(const pmn_record& r, int n, const std::string& sicDesc,
                                       const std::vector<DilutionRow>& rows) {
    if (auto value = ReleaseHeadField(r, n))
        return value;
    switch (n) {
        case 4: {
            std::string name = IndustryCategoryDescription(r.SIC_CODE);
            return name.empty() ? sicDesc : name;
        }
        case 5:
            return SicCodeList;
        default:
            return TableCell(n, kSicRowBase, 7, kSicRows, rows);
    }
}

std::string DilutionTemplate(const char* stem, int rowCount) {
    return DilutionTemplateName(stem, rowCount, ".wpd");
}

}  // namespace

bool WritePdmSiteWpd(WpdReportState& form, const std::vector<DilutionRow>& rows) {
    const pmn_record& r = CurrentPmn;
    if (!PdmPagesActive)
        PdmSiteResultRows = DilutionRowsForCocs(PdmSiteResultRows);
    PartRequest request{DilutionTemplate("pdmste", PdmSiteResultRows), 166,
                        PartPath(ReportFileName(DilutionSitePart)), true, true};
    return WriteWpdPart(form, request, [&](int n) { return PdmSiteField(r, n, rows); });
}

bool WritePdmSicWpd(WpdReportState& form, const std::string& sicDescPdmSic,
                    const std::vector<DilutionRow>& rows) {
    const pmn_record& r = CurrentPmn;
    if (!PdmPagesActive)
        PdmSicResultRows = DilutionRowsForCocs(PdmSicResultRows);
    PartRequest request{DilutionTemplate("pdmsic", PdmSicResultRows), 152,
                        PartPath(ReportFileName(DilutionIndustryCodePart)), true, true};
    return WriteWpdPart(form, request,
                        [&](int n) { return PdmSicField(r, n, sicDescPdmSic, rows); });
}

bool WritePdmSiteWpd(WpdReportState& form) {
    return WritePdmSiteWpd(form, ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::Site));
}

bool WritePdmSicWpd(WpdReportState& form, const std::string& sicDescPdmSic) {
    return WritePdmSicWpd(form, sicDescPdmSic,
                          ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::IndustryCode));
}
