// The printed down-the-drain report: the disposal results page drawn on one printed page.
#include "disposal/disposal_print.h"

#include <algorithm>

#include "disposal/disposal_form.h"
#include "form_helpers/print_frame_parts.h"
#include "scenario/number_text.h"

namespace {

const std::vector<double> kFlowColumns = {0.2, 0.35, 0.5, 0.65};
const std::vector<double> kDoseColumns = {0.2, 0.32, 0.44, 0.56, 0.68, 0.8};

std::vector<std::string> Texts(const TDisposalForm& form, const std::vector<std::string>& names) {
    std::vector<std::string> texts;
    for (const std::string& name : names)
        texts.push_back(form.FieldText(name));
    return texts;
}

std::string Padded(const TDisposalForm& form, const std::string& name) {
    return PadLeft10(form.FieldText(name));
}

void Header(ReportPage& page, const TDisposalForm& f) {
    page.Text(10, 1, "Disposal Results");
    page.Text(page.X(0.25), 1, f.ChemIdDispInp->Text());
    page.Text(page.X(0.5), 2, "Exposed Population");
    page.Text(page.X(0.75), 2, f.FieldText("ExpPopDisp"));
    const HeaderColumns at;
    HeaderLine(page, at, 3, "Production Volume:", f.FieldText("ProdVolDisp") + " kg/yr",
               "Pre-treatment release:", Padded(f, "PreTreatDisp") + " g/person/day");
    HeaderLine(page, at, 4, "WWT Removal:", Padded(f, "WwtDisp") + " %",
               "Post-treatment release:", Padded(f, "PostTreatDisp") + " g/person/day");
    HeaderLine(page, at, 5, "Release Days:", Padded(f, "RelDaysDisp") + " days");
    HeaderLine(page, at, 6, "BCF", Padded(f, "BcfDisp") + " L/kg");
}

void TableTitle(ReportPage& page, int line, const std::string& title) {
    PrintReportRow(page, page.X(0.3), line, title, "");
}

// One percentile group of the surface-water table: its dilution factors and concentrations.
struct PercentileRows {
    int firstLine;
    const char* label;
    std::vector<std::string> factors, concentrations;
};

void SurfaceWaterTable(ReportPage& page, const TDisposalForm& f) {
    TableTitle(page, 10, "Aquatic Exposure Estimates - Surface Water");
    PrintReportRow(page, 10, 13, "Descriptor", kRowLabelWidth);
    Cells(page, 13, kFlowColumns, {"Harmonic Mean", "30Q5", "7Q10", "1Q10"}, 0);
    const PercentileRows groups[2] = {
        {15,
         "50 %ile",
         {"Memo10", "Memo9", "Memo8", "Memo7"},
         {"HarMeanConc50Disp", "Conc30q5_50disp", "Conc7q10_50Disp", "Conc1q10_50Disp"}},
        {21,
         "10 %ile",
         {"Memo15", "Memo18", "Memo19", "Memo22"},
         {"HarMeanConc10Disp", "Conc30q5_10Disp", "Conc7q10_10Disp", "Conc1q10_10Disp"}},
    };
    for (const PercentileRows& group : groups) {
        page.Text(page.X(0.25), group.firstLine, group.label);
        LabelledRow(page, group.firstLine + 1, "Stream Dil. Factor", kFlowColumns,
                    Texts(f, group.factors));
        LabelledRow(page, group.firstLine + 3, "Concentration (ug/L)", kFlowColumns,
                    Texts(f, group.concentrations));
    }
}

// One exposure table: the medium's result fields ("Dw", "Fish"), the suffix of its factor
// fields ("", "F") and the lines of its parts.
struct DoseTable {
    std::string title, medium, suffix, intake, ladcLabel;
    int titleLine, acuteLine;
};

// The result row of one dose kind: the two percentile results, then ED, AT, BW and IR.
std::vector<std::string> DoseFields(const DoseTable& t, const std::string& kind) {
    std::vector<std::string> names = {t.medium + kind + "50Disp", t.medium + kind + "10Disp"};
    for (const char* factor : {"Ed", "At", "Bw", "Ir"})
        names.push_back(factor + kind + t.suffix + "Disp");
    return names;
}

void ExposureTable(ReportPage& page, const TDisposalForm& f, const DoseTable& t) {
    const int top = t.titleLine;
    TableTitle(page, top, t.title);
    PrintReportRow(page, 10, top + 2, "Exposure Types", kRowLabelWidth);
    Cells(page, top + 2, kDoseColumns,
          {"50%ile Res", "10%ile Res", "ED (yrs)", "AT (yrs)", "BW (kg)", t.intake}, 0);
    page.Text(page.X(0.25), top + 4, "Cancer");
    LabelledRow(page, top + 5, "LADDpot (mg/kg/day)", kDoseColumns,
                Texts(f, DoseFields(t, "Ladd")));
    LabelledRow(page, top + 7, t.ladcLabel, kDoseColumns, Texts(f, DoseFields(t, "Ladc")));
    page.Text(page.X(0.25), t.acuteLine, "Acute");
    LabelledRow(page, t.acuteLine + 1, "ADRpot (mg/kg/day)", kDoseColumns,
                Texts(f, DoseFields(t, "Adr")));
}

// The dilution-model block: one column per concentration of concern shown on the page. The unit
// follows the last column printed, so a single concentration keeps its unit too.
void DilutionBlock(ReportPage& page, const TDisposalForm& f) {
    page.Text(page.X(0.3), 52,
              f.HighEnd->Checked() ? "High-end scenario" : "Average case scenario");
    std::vector<std::pair<double, std::string>> columns = {{0.5, "0"}};
    if (forms::Visible(f.Field("Coc1Disp")))
        columns.push_back({0.65, "1"});
    if (forms::Visible(f.Field("Coc2Disp")))
        columns.push_back({0.8, "2"});
    struct Row {
        int line;
        const char* label;
        const char* prefix;
        const char* unit;
    };
    for (const Row& row : {Row{53, "Concentration of Concern:", "Coc", " ug/L"},
                           Row{54, "# Days COC exceeded:", "CocDays", " days"},
                           Row{55, "% Yr COC exceeded:", "CocPer", " %"}}) {
        page.Text(page.X(0.3), row.line, row.label);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string text = Padded(f, row.prefix + columns[c].second + "Disp");
            if (c + 1 == columns.size())
                text += row.unit;
            page.Text(page.X(columns[c].first), row.line, text);
        }
    }
}

}  // namespace

void PrintDisposalResults(TDisposalForm& form, print::PrintJob& printer) {
    ReportPage page(printer, form.Label1->font());
    Header(page, form);
    SurfaceWaterTable(page, form);
    ExposureTable(
        page, form,
        {"Drinking Water Exposure Estimates", "Dw", "", "IR (L/day)", "LADCpot (mg/L)", 28, 36});
    ExposureTable(page, form,
                  {"Fish Ingestion Exposure Estimates", "Fish", "F", "IR (g/day)",
                   "LADCpot (mg/kg)", 40, 49});
    if (form.PdmSelectionIndex() == 0)
        DilutionBlock(page, form);
}
