// The dilution site and industry-category Word part writers.
#include "documents/word_dilution.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "documents/dilution_row_texts.h"
#include "documents/merge/report_numbers.h"
#include "documents/word_surface_water.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/scenario_record.h"
#include "scenario/text_helpers.h"

namespace {

void Add(BookmarkValues& values, const BookmarkValues& more) {
    values.insert(values.end(), more.begin(), more.end());
}

// The dilution row file of the working folder; nothing, after telling the user, when it is
// missing: the run or the page's save writes it just before the part.
std::optional<std::vector<DilutionRow>> RowsOfFile(DilutionRowKind kind) {
    const std::string path = sys::JoinPath(sys::WorkingFolder(), DilutionRowFileName);
    if (!sys::FileExists(path)) {
        forms::Ui().MessageBox("The dilution results file " + sys::NativePath(path) +
                                   " is missing, so the dilution part of the report is not "
                                   "written.",
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
        return std::nullopt;
    }
    return ReadDilutionRowFile(path, kind);
}

void TellRowsLeftOut(int count) {
    if (count <= LargestDilutionTable)
        return;
    forms::Ui().MessageBox("The document shows the first " + std::to_string(LargestDilutionTable) +
                               " of the " + std::to_string(count) + " result rows.",
                           "Note", forms::Buttons::Ok, forms::Icon::Information);
}

// The table's rows in file order. A row past the end of the file reads nothing: it shows as a
// no-result row and leaves the run's shared values as they are.
BookmarkValues TableValues(const std::vector<DilutionRow>& rows, int tableRows,
                           DilutionRowKind kind) {
    BookmarkValues values;
    for (int n = 1; n <= tableRows; ++n) {
        const DilutionRow row = DilutionRowAt(rows, n - 1);
        if (static_cast<size_t>(n) <= rows.size())
            TakeDilutionRunValues(row);
        Add(values, FillPdmResultTableDoc(row, n, kind));
    }
    return values;
}

BookmarkValues GageValues(const pmn_record& r) {
    const bool gage = GageFlowsFound == 1;
    return {{"StationID", gage ? ActFlowRec.STA_ID : "N/A"},
            {"Period", gage ? ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY : "N/A"},
            {"NumObs", gage ? ValueToText(ActFlowRec.NUMFLWVALS) : "N/A"},
            {"NumStations", gage ? ValueToTextWhole(r.NUM_GAGES) : "N/A"}};
}

// "WWT1" is both the facility's treatment removal and the removal of table row 1; the row's
// text, set later, is the one the document keeps.
BookmarkValues SiteValues(const pmn_record& r) {
    BookmarkValues values = {
        {"CaseNum", r.CaseNum}, {"ScenNum", r.ScenNum}, {"RelActivity", ReleaseName()}};
    Add(values, FacilityValues(r));
    values.push_back({"DataSource", "DurIviz"});
    values.push_back({"WWT1", ValueToText(r.WWT_LOW)});
    Add(values, GageValues(r));
    Add(values, {{"Middy", MiddleFlowName(r.NUM_GAGES)},
                 {"Lowy", LowFlowName(r.NUM_GAGES)},
                 {"FiftyFlow", ValueToText(PdmSiteMeanFlow)},
                 {"TenFlow", ValueToText(PdmSiteLowFlow)},
                 {"EffFlow", ValueToText(DirectRec.PLANTFLOW)}});
    return values;
}

BookmarkValues SicValues(const pmn_record& r, const std::string& sicDescPdmSic) {
    const std::string category = IndustryCategoryDescription(r.SIC_CODE);
    return {{"CaseNum", r.CaseNum},
            {"ScenNum", r.ScenNum},
            {"RelActivity", ReleaseName()},
            {"SicDesc", category.empty() ? sicDescPdmSic : category},
            {"SicCodes", SicCodeList}};
}

// Takes the part out of the list again and removes the file the frame copied: a part that
// could not be filled must not reach the report as an empty template.
void Unlist(const WordPartTarget& target, const std::string& partPath) {
    target.report.Unlist(partPath);
    sys::DeleteFile(partPath);
}

struct DilutionPart {
    const char* templateStem;
    int kind;  // the part kind of ReportFileName
    DilutionRowKind rows;
    int count;  // the result row count
};

// The frame of both dilution parts; values makes the bookmarks before the table rows.
bool WriteDilutionPart(const WordPartTarget& target, const DilutionPart& part,
                       const std::function<BookmarkValues()>& values) {
    const std::string partPath = WordPartPath(ReportFileName(part.kind));
    if (target.report.IsListed(partPath))
        return false;
    const std::optional<std::vector<DilutionRow>> rows = RowsOfFile(part.rows);
    if (!rows)
        return false;
    const int tableRows = DilutionTableRows(part.count);
    const WordPartRequest request{DilutionTemplateName(part.templateStem, tableRows, ".doc"),
                                  partPath};
    const bool written = WriteWordPart(target, request, [&] {
        BookmarkValues all = values();
        Add(all, TableValues(*rows, tableRows, part.rows));
        return all;
    });
    if (!written)
        Unlist(target, partPath);
    else
        TellRowsLeftOut(part.count);
    return written;
}

}  // namespace

int DilutionTableRows(int count) {
    return std::clamp(count, 1, LargestDilutionTable);
}

BookmarkValues FillPdmResultTableDoc(const DilutionRow& row, int n, DilutionRowKind kind) {
    const std::string k = std::to_string(n);
    const char* names[] = {"COC", "Percent", "NumDays", "RelDays", "Load", "WWT", "Anal"};
    const int cells = kind == DilutionRowKind::IndustryCode ? DilutionCells : DilutionCells - 1;
    BookmarkValues values;
    for (int cell = 0; cell < cells; ++cell)
        values.push_back({names[cell] + k, DilutionCellText(row, cell)});
    return values;
}

bool WritePdmSiteDoc(const WordPartTarget& target) {
    const pmn_record& r = CurrentPmn;
    if (!PdmPagesActive)
        PdmSiteResultRows = DilutionRowsForCocs(PdmSiteResultRows);
    const DilutionPart part{"pdmste", DilutionSitePart, DilutionRowKind::Site, PdmSiteResultRows};
    const bool written = WriteDilutionPart(target, part, [&] { return SiteValues(r); });
    // The site document ends with every document of the word processor closed.
    if (written && target.words.WordApplication1.Connected())
        target.words.WordApplication1.CloseAllDocuments();
    return written;
}

bool WritePdmSicDoc(const WordPartTarget& target, const std::string& sicDescPdmSic) {
    const pmn_record& r = CurrentPmn;
    if (!PdmPagesActive)
        PdmSicResultRows = DilutionRowsForCocs(PdmSicResultRows);
    const DilutionPart part{"pdmsic", DilutionIndustryCodePart, DilutionRowKind::IndustryCode,
                            PdmSicResultRows};
    return WriteDilutionPart(target, part, [&] { return SicValues(r, sicDescPdmSic); });
}

bool WritePdmSiteDoc(WordReportForm& form) {
    return WritePdmSiteDoc(WordPartTarget{form, form.Report, form.in_file_name, form.PartFileName});
}

bool WritePdmSicDoc(WordReportForm& form, const std::string& sicDescPdmSic) {
    return WritePdmSicDoc(WordPartTarget{form, form.Report, form.in_file_name, form.PartFileName},
                          sicDescPdmSic);
}
