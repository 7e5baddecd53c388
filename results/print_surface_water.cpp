// The printed surface-water reports: river site, industry code and lake.
#include <QTabWidget>

#include "form_helpers/print_frame_parts.h"
#include "results/print_reports.h"
#include "results/scr_res_form.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"

namespace {

const std::vector<double> kFlowColumns = {0.2, 0.35, 0.5, 0.65};
const std::vector<double> kDoseColumns = {0.2, 0.35, 0.5, 0.65, 0.8};
const std::vector<double> kSicDoseColumns = {0.2, 0.32, 0.44, 0.56, 0.68, 0.8};
const std::vector<std::string> kFlowHeadings = {"Harmonic Mean", "30Q5", "7Q10", "1Q10"};

// The names of the page's cells: each stem followed by the suffix.
std::vector<std::string> Named(const std::vector<std::string>& stems, const std::string& suffix) {
    std::vector<std::string> names;
    for (const std::string& stem : stems)
        names.push_back(stem + suffix);
    return names;
}

// The result cell's name followed by the names of the exposure factors' cells.
std::vector<std::string> WithFactors(const std::string& result, std::vector<std::string> factors) {
    factors.insert(factors.begin(), result);
    return factors;
}

void FitBox(ReportPage& page, int line, const std::string& text) {
    PrintReportRow(page, page.X(0.3), line, text, "");
}

// Lines 3 to 7 of the site and lake headers: the facility, its discharge and its reach.
void FacilityLines(ReportPage& page, const TScrResForm& f, const std::string& p) {
    const HeaderColumns at;
    HeaderLine(page, at, 3, "Facility Name:", f.FieldText("FacName" + p),
               "Discharge Type:", f.FieldText("DischargeType" + p));
    HeaderLine(page, at, 4, "Facility Location", f.FieldText("FacLoc" + p), "WWT Removal",
               f.FieldText("Wwt" + p) + "%");
    HeaderLine(page, at, 5, "NPDES#", f.FieldText("Npdes" + p),
               "Release Days:", f.FieldText("RelDays" + p) + " days");
    HeaderLine(page, at, 6, "Reach Number", f.FieldText("ReachNum" + p), "Pre-treatment release",
               f.FieldText("PreTreat" + p) + " kg/site/day");
    HeaderLine(page, at, 7, "Reach Name", f.FieldText("ReachName" + p),
               "Post-treatment Release:", f.FieldText("PostTreat" + p) + " kg/site/day");
}

void SiteHeader(ReportPage& page, const TScrResForm& f) {
    const HeaderColumns at;
    HeaderLine(page, at, 2, "Release Activity:", f.FieldText("IndTypeSite"),
               "Exposed Population:", f.FieldText("ExpPopSite"));
    FacilityLines(page, f, "Site");
    HeaderLine(page, at, 8, "Drinking Water Treatment:", f.FieldText("DwtSite") + " %", "BCF",
               f.FieldText("BcfSite") + " L/kg");
    HeaderLine(page, at, 9, "Facility on Reach?", OnReachText(*f.YesSite, *f.NoSite));
}

// A dose table of the site or lake report: its heading row and the cancer and acute rows.
// The lines are those of the two cancer rows and the acute row.
struct DoseLines {
    int ladd, ladc, adr;
};

void DoseRows(ReportPage& page, const TScrResForm& f, const DoseLines& at,
              const std::vector<double>& columns, const std::array<std::string, 3>& results,
              const std::string& suffix, const std::string& concUnit) {
    page.Text(page.X(0.25), at.ladd - 1, "Cancer");
    ValueRow(page, f, at.ladd, "LADDpot (mg/kg/day)", columns,
             WithFactors(results[0], Named({"EdLadd", "AtLadd", "BwLadd", "IrLadd"}, suffix)));
    ValueRow(page, f, at.ladc, "LADCpot (" + concUnit + ")", columns,
             WithFactors(results[1], Named({"EdLadc", "AtLadc", "BwLadc", "IrLadc"}, suffix)));
    page.Text(page.X(0.25), at.adr - 1, "Acute");
    ValueRow(page, f, at.adr, "ADRpot (mg/kg/day)", columns,
             WithFactors(results[2], Named({"EdAdr", "AtAdr", "BwAdr", "IrAdr"}, suffix)));
}

}  // namespace

void PrintRiverSiteReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    page.Text(10, 1, "Site-Specific Human And Aquatic Exposures to Surface Water Releases");
    page.Text(page.X(0.7), 1, SelectedKey(*f.ChemListSite));
    SiteHeader(page, f);
    FitBox(page, 12, "Aquatic Exposure Estimates - Surface Water");
    PrintReportRow(page, 10, 15, "Flow Descriptor", kRowLabelWidth);
    Cells(page, 15, kFlowColumns, kFlowHeadings, 0);
    ValueRow(page, f, 17, "Flow (MLD)", kFlowColumns,
             {"HarMeanFlowSite", "Flow30q5Site", "Flow7q10Site", "Flow1q10Site"});
    ValueRow(page, f, 19, "Concentration (ug/L)", kFlowColumns,
             {"HarMeanConcSite", "Conc30q5Site", "Conc7q10Site", "Conc1q10Site"});
    FitBox(page, 22, "Drinking Water Exposure Estimates");
    PrintReportRow(page, 10, 25, "Exposure Types", "");
    Cells(page, 25, kDoseColumns, {"Results", "ED (yrs)", "AT (yrs)", "BW (kg)", "IR (L/day)"}, 0);
    DoseRows(page, f, {27, 29, 32}, kDoseColumns, {"DwLaddSite", "DwLadcSite", "DwAdrSite"}, "Site",
             "mg/L");
    FitBox(page, 34, "Fish Ingestion Exposure Estimates");
    PrintReportRow(page, 10, 37, "Exposure Types", kRowLabelWidth);
    Cells(page, 37, kDoseColumns, {"Results", "ED (yrs)", "AT (yrs)", "BW (kg)", "IR (g/day)"}, 0);
    DoseRows(page, f, {40, 42, 45}, kDoseColumns, {"FishLaddSite", "FishLadcSite", "FishAdrSite"},
             "FSite", "mg/kg");
    page.Text(10, 47, "Surface water comments:");
    const int n = CommentLines(page, 50, LinesBeforeBlank(*f.RiverMemo1));
    if (!TabShown(*f.RiverTabs, f.EndangeredSpecies))
        return;
    if (f.EndSpecSite->isHidden()) {
        page.Text(page.X(0.17), n + 52, "No Endangered Species Listed for This Site");
        return;
    }
    page.NewPage();
    page.SetFont(f.EndSpecSite->font());
    SpeciesPage(page, *f.EndSpecSite, 0.65);
}

void PrintSicCodeReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    page.Text(10, 1, "SIC Code Based Human And Aquatic Exposures to Surface Water Releases");
    page.Text(page.X(0.7), 1, SelectedKey(*f.ChemListSic));
    const HeaderColumns at;
    HeaderLine(page, at, 2, "Release Activity", f.FieldText("IndTypeSic"), "Exposed Population",
               f.FieldText("ExpPopSic"));
    // The number of sites is the record's, cut to its whole part.
    const long long sites = static_cast<long long>(CurrentPmn.SITE_HI);
    HeaderLine(page, at, 3, "SIC Description:",
               f.FieldText("SicDescSic") + "   Number of Sites:" + std::to_string(sites));
    HeaderLine(page, at, 4, "SIC Codes:", f.FieldText("SicCodesSic"));
    HeaderLine(page, at, 5, "WWT Removal", f.FieldText("WwtSic") + "%", "Pre-treatment release",
               PadLeft10(f.FieldText("PreTreatSic")) + " kg/site/day");
    HeaderLine(page, at, 6, "Release Days:", f.FieldText("RelDaysSic") + " days",
               "Post-treatment Release:", PadLeft10(f.FieldText("PostTreatSic")) + " kg/site/day");
    HeaderLine(page, at, 7, "BCF", f.FieldText("BcfSic") + " L/kg",
               "Drinking Water Treatment:", PadLeft10(f.FieldText("DwtSic")) + " %");
    FitBox(page, 10, "Aquatic Exposure Estimates - Surface Water");
    PrintReportRow(page, 10, 13, "Flow Descriptor", kRowLabelWidth);
    Cells(page, 13, kFlowColumns, kFlowHeadings, 0);
    for (const auto& [first, pct] :
         {std::pair{15, std::string("50")}, std::pair{21, std::string("10")}}) {
        page.Text(page.X(0.25), first, pct + " %ile");
        ValueRow(page, f, first + 1, "Flow (MLD)", kFlowColumns,
                 {"HarMeanFlow" + pct + "Sic", "Flow30q5_" + pct + "Sic", "Flow7q10_" + pct + "Sic",
                  "Flow1q10_" + pct + "Sic"});
        ValueRow(page, f, first + 3, "Concentration (ug/L)", kFlowColumns,
                 {"HarMeanConc" + pct + "Sic", "Conc30q5_" + pct + "Sic", "Conc7q10_" + pct + "Sic",
                  "Conc1q10_" + pct + "Sic"});
    }
    const std::vector<std::string> heads = {"50%ile Res", "10%ile Res", "ED (yrs)",
                                            "AT (yrs)",   "BW (kg)",    "IR (L/day)"};
    FitBox(page, 28, "Drinking Water Exposure Estimates");
    PrintReportRow(page, 10, 30, "Exposure Types", kRowLabelWidth);
    Cells(page, 30, kSicDoseColumns, heads, 0);
    page.Text(page.X(0.25), 32, "Cancer");
    ValueRow(page, f, 33, "LADDpot (mg/kg/day)", kSicDoseColumns,
             {"DwLadd50Sic", "DwLadd10Sic", "EdLaddSic", "AtLaddSic", "BwLaddSic", "IrLaddSic"});
    ValueRow(page, f, 35, "LADCpot (mg/L)", kSicDoseColumns,
             {"DwLadc50Sic", "DwLadc10Sic", "EdLadcSic", "AtLadcSic", "BwLadcSic", "IrLadcSic"});
    page.Text(page.X(0.25), 36, "Acute");
    ValueRow(page, f, 37, "ADRpot (mg/kg/day)", kSicDoseColumns,
             {"DwAdr50Sic", "DwAdr10Sic", "EdAdrSic", "AtAdrSic", "BwAdrSic", "IrAdrSic"});
    FitBox(page, 40, "Fish Ingestion Exposure Estimates");
    PrintReportRow(page, 10, 42, "Exposure Types", kRowLabelWidth);
    std::vector<std::string> fishHeads = heads;
    fishHeads.back() = "IR (g/day)";
    Cells(page, 42, kSicDoseColumns, fishHeads, 0);
    page.Text(page.X(0.25), 44, "Cancer");
    ValueRow(
        page, f, 45, "LADDpot (mg/kg/day)", kSicDoseColumns,
        {"FishLadd50Sic", "FishLadd10Sic", "EdLaddFSic", "AtLaddFSic", "BwLaddFSic", "IrLaddFSic"});
    ValueRow(page, f, 47, "LADCpot (mg/kg)", kSicDoseColumns,
             {"FishLadc50aSic", "FishLadc10Sic", "EdLadcFSic", "AtLadcFSic", "BwLadcFSic",
              "IrLadcFSic"});
    page.Text(page.X(0.25), 49, "Acute");
    ValueRow(page, f, 50, "ADRpot (mg/kg/day)", kSicDoseColumns,
             {"FishAdr50Sic", "FishAdr10Sic", "EdAdrFSic", "AtAdrFSic", "BwAdrFSic", "IrAdrFSic"});
    page.Text(10, 53, "SIC Code comments:");
    CommentLines(page, 56, LinesBeforeBlank(*f.SicMemo1));
}

void PrintLakeReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    page.Text(10, 1,
              "Site-Specific Human And Aquatic Exposures to Surface Water Releases: Lakes, Bays, "
              "Estuaries, and Oceans  " +
                  SelectedKey(*f.ChemListLakes));
    const HeaderColumns at;
    HeaderLine(page, at, 2, "Release Activity", f.FieldText("IndTypeLake"), "Exposed Population",
               f.FieldText("ExpPopLake"));
    FacilityLines(page, f, "Lake");
    HeaderLine(page, at, 8, "Facility on Reach?", OnReachText(*f.YesLake, *f.NoLake), "BCF",
               f.FieldText("BcfLake") + " L/kg");
    FitBox(page, 12, "Dilution Factors and Water Concentrations");
    PrintReportRow(page, page.X(0.15), 15, "Flow Descriptor", kRowLabelWidth);
    Cells(page, 15, {0.35, 0.5}, {"Dil. Factor", "Water Conc."}, 0);
    for (const auto& [line, scenario] :
         {std::pair{17, std::string("Acute")}, std::pair{19, std::string("Chronic")}}) {
        PrintReportRow(page, page.X(0.15), line, scenario + " Scenario", kRowLabelWidth);
        Cells(page, line, {0.35, 0.5},
              {f.FieldText(scenario + "DilFactor"), f.FieldText(scenario + "Conc")}, 1);
        page.Text(page.X(0.62), line, "ug/L");
    }
    FitBox(page, 24, "Fish Ingestion Exposure Estimates");
    PrintReportRow(page, 10, 27, "Exposure Types", kRowLabelWidth);
    Cells(page, 27, kDoseColumns, {"Results", "ED (yrs)", "AT (yrs)", "BW (kg)", "IR (g/day)"}, 0);
    DoseRows(page, f, {30, 32, 35}, kDoseColumns, {"FishLaddLake", "FishLadcLake", "FishAdrLake"},
             "Lake", "mg/kg");
    page.Text(10, 38, "Lake comments:");
    CommentLines(page, 41, LinesBeforeBlank(*f.LakeMemo1));
    if (!TabShown(*f.LakeTabs, f.EndSpeciesLake))
        return;
    page.NewPage();
    page.SetFont(f.EndSpecLake->font());
    SpeciesPage(page, *f.EndSpecLake, 0.6);
}
