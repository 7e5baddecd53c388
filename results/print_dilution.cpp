// The printed dilution-model reports: site and industry code.
#include <QComboBox>

#include "form_helpers/print_frame_parts.h"
#include "platform/forms/components.h"
#include "results/print_reports.h"
#include "results/scr_res_form.h"
#include "scenario/number_text.h"

namespace {

std::string Padded(const TScrResForm& f, const std::string& field, const std::string& suffix) {
    return PadLeft10(f.FieldText(field)) + suffix;
}

// The release key: the selected row of the release list when it shows, else the release box.
std::string PdmKey(const forms::TStringGrid& list, const QComboBox& box) {
    return forms::Visible(&list) ? SelectedKey(list) : box.currentText().toStdString();
}

// The three runs: COC, days and percent exceeded, each on its line when its COC shows.
struct RunNames {
    std::string coc, days, percent;
};

void ThreeRuns(ReportPage& page, const TScrResForm& f, const QWidget* onPage, int heading,
               double cocColumn, const std::string& daysHeading,
               const std::array<RunNames, 3>& runs) {
    page.Text(10, heading, "Concentration of Concern (ug/L):");
    page.Text(page.X(0.4), heading, daysHeading);
    page.Text(page.X(0.8), heading, "Percent Exceeded (%):");
    for (int r = 0; r < 3; ++r) {
        const RunNames& run = runs[static_cast<size_t>(r)];
        if (r > 0 && !ShownOnPage(f.Field(run.coc), onPage))
            continue;
        const int line = heading + 1 + r;
        page.Text(page.X(cocColumn), line, PadLeft10(f.FieldText(run.coc)));
        page.Text(page.X(0.4), line, Padded(f, run.days, " days"));
        page.Text(page.X(0.8), line, Padded(f, run.percent, " %"));
    }
}

// The results table: headings, the units row, then the runs down to the first empty one.
void ResultsTable(ReportPage& page, const forms::TStringGrid& grid, int firstLine, double left,
                  double step, int columns) {
    auto x = [&](int c) { return page.X(left + step * c); };
    page.Text(x(1), firstLine, "Percent of Year");
    page.Text(x(2), firstLine, "Number of days");
    const char* const headings[6] = {"  COC",        "COC Exceeded",  "  COC Exceeded",
                                     "Release Days", "Pretreat Load", "WWT"};
    for (int c = 0; c < 6; ++c)
        page.Text(x(c), firstLine + 1, headings[c]);
    for (int c = 0; c < columns; ++c)
        page.Text(x(c), firstLine + 2, grid.Cells(c, 0));
    for (int r = 1; r < grid.RowCount() && !grid.Cells(0, r).empty(); ++r) {
        for (int c = 0; c < columns; ++c)
            page.Text(x(c), firstLine + 2 + r, grid.Cells(c, r));
    }
}

void GageBlock(ReportPage& page, const TScrResForm& f) {
    const bool gage = ShownOnPage(f.GagePdmSite, f.PdmSitePage);
    const HeaderColumns at;
    if (gage)
        page.Text(10, 9, "Gaging Station Information:");
    const std::array<std::array<std::string, 4>, 3> rows = {{
        {"  Station ID:", f.GagePdmSite->currentText().toStdString(),
         "Mean Stream Flow:", Padded(f, "HarMeanFlowPdmSite", " MLD")},
        {"  Period of Record:", f.FieldText("PeriodPdmSite"),
         "Low Stream Flow:", Padded(f, "Flow7q10PdmSite", " MLD")},
        {"  # of Observations:", f.FieldText("NumObsPdmSite"),
         "Effluent Flow:", Padded(f, "EffFlowPdmSite", " MLD")},
    }};
    for (int i = 0; i < 3; ++i) {
        const auto& row = rows[static_cast<size_t>(i)];
        if (gage) {
            page.Text(10, 10 + i, row[0]);
            page.Text(page.X(at.leftValue), 10 + i, row[1]);
        }
        page.Text(page.X(at.rightLabel), 10 + i, row[2]);
        page.Text(page.X(at.rightValue), 10 + i, row[3]);
    }
    if (gage) {
        page.Text(10, 13, "  # of Stations on Reach:");
        page.Text(page.X(0.25), 13, std::to_string(f.GagePdmSite->count()));
    }
}

}  // namespace

void PrintPdmSiteReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    const HeaderColumns at;
    page.Text(10, 1, "PDM Site Specific Page");
    page.Text(page.X(0.7), 1, PdmKey(*f.ChemListPdmSite, *f.RelNumPDMSite));
    HeaderLine(page, at, 2, "Release Activity:", f.FieldText("IndTypePdmSite"));
    HeaderLine(page, at, 3, "Facility Name:", f.FieldText("FacNamePdmSite"),
               "Discharge Type:", f.FieldText("DischargeTypePdmSite"));
    HeaderLine(page, at, 4, "Facility Location", f.FieldText("FacLocPdmSite"), "WWT Removal",
               Padded(f, "WwtPdmSite", "%"));
    HeaderLine(page, at, 5, "NPDES#", f.FieldText("NpdesPdmSite"),
               "Release Days:", Padded(f, "RelDaysPdmSite", " days"));
    HeaderLine(page, at, 6, "Reach Number", f.FieldText("ReachNumPdmSite"), "Pre-treatment release",
               Padded(f, "PreTreatPdmSite", " kg/site/day"));
    HeaderLine(page, at, 7, "Reach Name", f.FieldText("ReachNamePdmSite"),
               "Post-treatment Release:", Padded(f, "PostTreatPdmSite", " kg/site/day"));
    HeaderLine(page, at, 8, "Facility on Reach?", OnReachText(*f.YesPdmSite, *f.NoPdmSite));
    GageBlock(page, f);
    if (ShownOnPage(f.PdmSiteResultsList, f.PdmSitePage))
        ResultsTable(page, *f.PdmSiteResultsList, 18, 0.1, 0.15, 6);
    else
        ThreeRuns(page, f, f.PdmSitePage, 15, 0.2, "Days Exceeded (Days):",
                  {{{"Coc0PdmSite", "Days0Exceeded", "Percent0Exceeded"},
                    {"Coc1PdmSite", "Days1Exceeded", "Percent1Exceeded"},
                    {"Coc2PdmSite", "Days2Exceeded", "Percent2Exceeded"}}});
}

void PrintPdmSicReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    const HeaderColumns at{0.23, 0.5, 0.75};
    const bool table = ShownOnPage(f.PdmSicResultsList, f.PdmSicPage);
    page.Text(10, 1, "PDM SIC Code Page");
    page.Text(page.X(0.7), 1, PdmKey(*f.ChemListPdmSic, *f.RelNumPDMSic));
    HeaderLine(page, at, 2, "Release Activity:", f.FieldText("IndTypePdmSic"));
    HeaderLine(page, at, 3, "SIC Code Description:", f.SicDescPdmSic->currentText().toStdString());
    HeaderLine(page, at, 4, "SIC Codes", f.FieldText("SicCodesPdmSic"));
    HeaderLine(page, at, 5, "WWT Removal", Padded(f, "WwtPdmSic", " %"),
               "Pretreatment Release:", Padded(f, "PreTreatPdmSic", " kg/day"));
    HeaderLine(page, at, 6, "Release Days:", Padded(f, "RelDaysPdmSic", " days"),
               "Post-treatment Release:", Padded(f, "PostTreatPdmSic", " kg/day"));
    if (table)
        HeaderLine(page, at, 7, "Concentration of Concern:", Padded(f, "CocPdmSic", " ug/L"));
    page.Text(10, 8, f.HiEndPdmSic->Checked() ? "High End Scenario" : "Average Case Scenario");
    if (table)
        ResultsTable(page, *f.PdmSicResultsList, 16, 0.02, 0.14, 7);
    else
        ThreeRuns(page, f, f.PdmSicPage, 13, 0.15, "Days Exceeded (days):",
                  {{{"Coc0PdmSic", "Days0ExceededPdmSic", "Percent0ExceededPdmSic"},
                    {"Coc1PdmSic", "Days1ExceededPdmSic", "Percent1ExceededPdmSic"},
                    {"Coc2PdmSic", "Days2ExceededPdmSic", "Percent2ExceededPdmSic"}}});
}
