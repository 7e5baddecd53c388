// The printed inhalation and groundwater reports.
#include "form_helpers/print_frame_parts.h"
#include "results/print_reports.h"
#include "results/scr_res_form.h"
#include "scenario/number_text.h"

namespace {

// The padded value of a field followed by a blank and the text of its unit field.
std::string WithUnit(const TScrResForm& f, const std::string& field, const std::string& unit) {
    return PadLeft10(f.FieldText(field)) + " " + f.FieldText(unit);
}

std::string Padded(const TScrResForm& f, const std::string& field, const std::string& suffix) {
    return PadLeft10(f.FieldText(field)) + suffix;
}

void InhalationDoses(ReportPage& page, const TScrResForm& f) {
    const std::vector<double> columns = {0.17, 0.29, 0.41, 0.53, 0.65, 0.77};
    PrintReportRow(page, page.X(0.3), 11, "Inhalation Exposure Estimates",
                   "000000000000000000000000000000");
    PrintReportRow(page, 10, 14, "Exposure Types", kRowLabelWidth);
    Cells(page, 14, columns,
          {"Fug Results", "Stk Results", "ED (yrs)", "AT (yrs)", "BW (kg)", "IR (m³/hr)"}, 0);
    page.Text(page.X(0.25), 16, "Cancer");
    ValueRow(page, f, 17, "LADDpot (mg/kg/day)", columns,
             {"ResLaddFug", "ResLaddStk", "EdLaddFug", "AtLaddFug", "BwLaddFug", "IrLaddFug"});
    ValueRow(page, f, 19, "LADCpot (mg/m³)", columns,
             {"ResLadcFug", "ResLadcStk", "EdLadcFug", "AtLadcFug", "BwLadcFug", "IrLadcFug"});
    page.Text(page.X(0.25), 21, "Acute");
    PrintReportRow(page, 10, 22, "ADRpot (mg/kg/day)", kRowLabelWidth);
    Cells(page, 22, columns,
          {f.FieldText("ResAdrFug"), f.FieldText("ResAdrStk"), "NA", "1 day",
           f.FieldText("BwAdrFug"), f.FieldText("IrAdrFug")},
          1);
}

void InhalationSources(ReportPage& page, const TScrResForm& f) {
    PrintReportRow(page, page.X(0.4), 26, "Release Information", "");
    const HeaderColumns at{0.3, 0.5, 0.75, 0.05};
    auto line = [&](int n, const std::string& label, const std::string& value,
                    const std::string& rightLabel = "", const std::string& rightValue = "") {
        HeaderLine(page, at, n, label, value, rightLabel, rightValue);
    };
    line(28, "Stack Height", WithUnit(f, "StkHt", "StkHtUnits"),
         "Release Height:", WithUnit(f, "FugRelHt", "FugRelHtUnits"));
    line(29, "Inside Stack Diameter:", WithUnit(f, "StkDiam", "StkDiamUnits"),
         "Length of Release Opening:", WithUnit(f, "FieldLen", "FieldLenUnits"));
    line(30, "Stack Gas Exit Velocity", WithUnit(f, "StkExitVel", "StkExitVelUnits"),
         "Width of Release Opening:", WithUnit(f, "FieldWidth", "FieldWidthUnits"));
    line(31, "Stack Gas Temperature:", WithUnit(f, "StkExitTemp", "StkExitTempUnits"),
         "% Fugitive Removal:", Padded(f, "PercentRemovalFug", " %"));
    line(32, "% Stack Removal:", Padded(f, "PercentRemovalStk", " %"));
    PrintReportRow(page, page.X(0.26), 34, " Meteorological/Terrain and Downwash Information ", "");
    const HeaderColumns met{0.35, 0.6, 0.75, 0.05};
    HeaderLine(page, met, 36, "Surrounding Land Use:", f.FieldText("LandUse"));
    HeaderLine(page, met, 37, "Terrain Height:", WithUnit(f, "TerrainHt", "TerrainHtUnits"),
               "Facility Length:", WithUnit(f, "FacLen", "FacLenUnits"));
    HeaderLine(page, met, 38,
               "Distance to Residence of Interest:", WithUnit(f, "Distance", "DistanceUnits"),
               "Facility Width:", WithUnit(f, "FacWid", "FacWidthUnits"));
    HeaderLine(page, met, 39, "Meteorology Class:", f.FieldText("MetClass"),
               "Facility Height:", WithUnit(f, "FacHt", "FacHtUnits"));
    HeaderLine(page, met, 40, "Stability Class:", f.FieldText("StabClass"));
    HeaderLine(page, met, 41, "Wind Speed:", WithUnit(f, "WindSpeed", "WindSpeedUnits"));
}

void DispersionResults(ReportPage& page, const TScrResForm& f) {
    PrintReportRow(page, page.X(0.26), 43, " Plumo3 Model Results ", "");
    page.Text(page.X(0.35), 45, "Stack");
    page.Text(page.X(0.6), 45, "Fugitive");
    page.Text(page.X(0.05), 46, "Max Annual Ave Air Concentration:");
    page.Text(page.X(0.35), 46, f.FieldText("ChronAirConc") + " ug/m3");
    page.Text(page.X(0.6), 46, f.FieldText("ChronAirConcFug") + " ug/m3");
    page.Text(page.X(0.05), 47, "Max 24 Hr. Ave Air Concentration:");
    page.Text(page.X(0.35), 47, f.FieldText("AcuteAirConc") + " ug/m3");
    page.Text(page.X(0.6), 47, f.FieldText("AcuteAirConcFug") + " ug/m3");
}

}  // namespace

void PrintInhalationReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    const HeaderColumns at{0.22, 0.45, 0.75};
    HeaderLine(page, at, 1, "Inhalation Exposure Estimates", "");
    page.Text(page.X(0.7), 1, SelectedKey(*f.ChemListFugitive));
    HeaderLine(page, at, 3, "Release Activity", f.FieldText("IndTypeFug"),
               "Per Site Fugitive Release", Padded(f, "PerSiteReleaseFug", " kg/site/day"));
    HeaderLine(page, at, 4, "Exposed Population", f.FieldText("ExpPopFug"),
               "Release Days (Fugitive)", Padded(f, "RelDaysFug", " days"));
    HeaderLine(page, at, 5, "Number of Sites:", f.FieldText("NumSitesFug"),
               "Per Site Stack Release:", Padded(f, "PreTreatIncin", " kg/site/day"));
    HeaderLine(page, at, 6, "", "", "Release Days (Stack)", Padded(f, "RelDaysStack", " days"));
    InhalationDoses(page, f);
    InhalationSources(page, f);
    DispersionResults(page, f);
    page.Text(10, 48, "Inhalation comments:");
    const std::vector<std::string> lines = MemoShownLines(*f.FugMemo1);
    for (size_t j = 0; j <= 10; ++j)
        page.Text(page.X(0.17), 52 + static_cast<int>(j), j < lines.size() ? lines[j] : "");
}

void PrintGroundwaterReport(TScrResForm& f, print::PrintJob& printer) {
    ReportPage page(printer, f.EndSpecSite->font());
    const HeaderColumns at{0.25, 0.45, 0.75};
    HeaderLine(page, at, 1, "Exposure Estimates From Groundwater Ingestion", "");
    page.Text(page.X(0.7), 1, SelectedKey(*f.ChemListLandfill));
    HeaderLine(page, at, 3, "Release Activity", f.FieldText("IndTypeLand"),
               "Number of Sites:", f.FieldText("NumSitesLand"));
    HeaderLine(page, at, 4, "Exposed Population", f.FieldText("ExpPopLand"),
               "Non-Sludge Landfill Release:", f.FieldText("LandfillLand") + " kg/site/day");
    HeaderLine(page, at, 5, "Migration Descriptor:", f.FieldText("MigrationFactorLand"),
               "Landfilled Sludge", f.FieldText("SludgeLand") + " kg/site/day");
    HeaderLine(page, at, 6, "Adsorption to WWT Sludge:", f.FieldText("AdsorpLand") + " %",
               "Drinking Water Treatment:", f.FieldText("DwtLand") + " %");
    HeaderLine(page, at, 7, "# Days of Release to Sludge:", f.FieldText("DaysSludgeLand") + " days",
               "# Days of Release to Non-Sludge:", f.FieldText("DaysNonSludgeLand") + " days");
    PrintReportRow(page, page.X(0.3), 8, "Landfill Exposure Estimates", "");
    const std::vector<double> columns = {0.2, 0.35, 0.5, 0.65, 0.8};
    PrintReportRow(page, 10, 10, "Exposure Types", kRowLabelWidth);
    Cells(page, 10, columns, {"Results", "ED (yrs)", "AT (yrs)", "BW (kg)", "IR (L/day)"}, 0);
    page.Text(page.X(0.25), 12, "Cancer");
    ValueRow(page, f, 14, "LADDpot (mg/kg/day)", columns,
             {"ResLaddLand", "EdLaddLand", "AtLaddLand", "BwLaddLand", "IrLaddLand"});
    ValueRow(page, f, 16, "LADCpot (mg/L)", columns,
             {"ResLadcLand", "EdLadcLand", "AtLadcLand", "BwLadcLand", "IrLadcLand"});
    page.Text(10, 19, "Landfill comments:");
    CommentLines(page, 22, LinesBeforeBlank(*f.LandfillMemo1));
}
