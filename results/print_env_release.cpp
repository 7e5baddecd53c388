// The printed environmental release report.
#include <array>

#include "platform/print/print_frame.h"
#include "results/print_reports.h"
#include "results/scr_res_form.h"

namespace {

constexpr std::array<double, 4> kColumns = {0.2, 0.35, 0.5, 0.65};

// Four cells of one row, from the page's fields named in column order.
void CellRow(ReportPage& page, const TScrResForm& form, int line,
             const std::array<const char*, 4>& fields) {
    for (size_t c = 0; c < kColumns.size(); ++c)
        PrintReportLine(page, page.X(kColumns[c]), line, form.FieldText(fields[c]), 1);
}

void TextRow(ReportPage& page, int line, const std::array<const char*, 4>& texts) {
    for (size_t c = 0; c < kColumns.size(); ++c)
        page.Text(page.X(kColumns[c]), line, texts[c]);
}

}  // namespace

void PrintEnvReleaseReport(TScrResForm& form, print::PrintJob& printer) {
    ReportPage page(printer, form.EndSpecSite->font());
    page.Text(10, 1, "Environmental Release Results");
    const forms::TStringGrid& list = *form.ChemListEnvRel;
    page.Text(page.X(0.7), 1, list.Cells(0, list.Row()));
    page.Text(10, 2, "Remarks:");
    page.Text(page.X(0.7), 2, "Number of Sites: " + form.FieldText("NumSitesEnvRel"));
    const std::vector<std::string> remarks = LinesBeforeBlank(*form.RemarksEnvRel);
    const int n = static_cast<int>(remarks.size());
    for (int i = 0; i < n; ++i)
        page.Text(page.X(0.17), 3 + i, remarks[static_cast<size_t>(i)]);
    page.Text(10, n + 4, "Release Activity:");
    page.Text(page.X(0.2), n + 4, form.FieldText("IndTypeEnvRel"));
    TextRow(page, n + 5, {"Surface Water", "Landfill/Sludge", "Stack", "Fugitive"});
    page.Text(10, n + 6, "Total Releases");
    CellRow(
        page, form, n + 6,
        {"TotWaterRelEnvRel", "TotLandfillRelEnvRel", "TotIncinRelEnvRel", "TotFugitiveRelEnvRel"});
    page.Text(10, n + 7, "(before treatment)");
    TextRow(page, n + 8, {"   (kg/yr)", "   (kg/yr)", "   (kg/yr)", "   (kg/yr)"});
    page.Text(10, n + 10, "Release days/yr");
    CellRow(page, form, n + 10,
            {"DaysWaterRelEnvRel", "DaysLandfillEnvRel", "DaysStackRelEnvRel",
             "DaysFugitiveRelEnvRel"});
    page.Text(10, n + 11, "(before treatment)");
    page.Text(10, n + 13, "Per site Releases");
    CellRow(page, form, n + 13,
            {"PerSiteWaterRelEnvRel", "PerSiteLandfillRelEnvRel", "PerSiteIncinRelEnvRel",
             "PerSiteFugitiveRelEnvRel"});
    TextRow(page, n + 15, {"(kg/site/day)", "(kg/site/day)", "(kg/site/day)", "(kg/site/day)"});
}
