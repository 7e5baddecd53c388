// Calling the report-part writers of the chosen format from the results run.
#include "results/report_parts.h"

#include "documents/wpd_assembly.h"
#include "documents/wpd_dilution.h"
#include "documents/wpd_release_parts.h"
#include "documents/wpd_special_evaluation.h"
#include "documents/wpd_surface_water.h"
#include "exposure/special_evaluation.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "results/scr_res_form.h"

WordReportWriters& WordWriters() {
    static WordReportWriters writers;
    return writers;
}

namespace {

bool WriteWpdPart(TScrResForm& form, ReportPart part) {
    const bool special = form.Inputs.ExposureBased || form.Inputs.Persistent;
    switch (part) {
        case ReportPart::EnvRelease:
            return WriteEnvReleaseWpd(form.Report, special);
        case ReportPart::SicCode:
            return WriteSicCodeWpd(form.Report);
        case ReportPart::PdmSic:
            return WritePdmSicWpd(form.Report, form.SicDescPdmSic->currentText().toStdString());
        case ReportPart::Lake:
            return WriteLakeWpd(form.Report, SpeciesRowsOf(*form.EndSpecLake));
        case ReportPart::RiverSite:
            return WriteRiverSiteWpd(form.Report, SpeciesRowsOf(*form.EndSpecSite));
        case ReportPart::PdmSite:
            return WritePdmSiteWpd(form.Report);
        case ReportPart::Landfill:
            return WriteLandfillWpd(form.Report);
        case ReportPart::Inhalation:
            return WriteInhalationWpd(form.Report);
    }
    return false;
}

// Says once per run that the Word-format writers are not there.
bool WordWritersMissing() {
    static const TScrResForm* toldForm = nullptr;
    if (toldForm != ScrResForm) {
        toldForm = ScrResForm;
        forms::Ui().MessageBox(
            "Word-format reports cannot be written in this version; choose the WordPerfect "
            "format on the main page for a report.",
            "Note", forms::Buttons::Ok, forms::Icon::Information);
    }
    return false;
}

}  // namespace

bool WriteReportPart(TScrResForm& form, ReportPart part) {
    if (WordPerfectReports())
        return WriteWpdPart(form, part);
    if (!WordWriters().WritePart)
        return WordWritersMissing();
    WordWriters().WritePart(form, part);
    return true;
}

bool WriteSpecialEvaluationPart(TScrResForm& form) {
    SpecialEvaluationGrid grid;
    const SpecialEvaluationCells cells =
        SpecialEvaluationGridCells(form, form.Inputs.ExposureBased, form.Inputs.Persistent);
    for (size_t row = 1; row <= 6; ++row) {
        grid.expBased[row] = cells[row][1];
        grid.persistent[row] = cells[row][2];
        grid.exceedance[row] = SpecialEvaluationTotal(form, static_cast<int>(row));
    }
    return WriteSpecialEvaluationWpd(form.Report, grid);
}

std::optional<std::string> AssembleReport(TScrResForm& form) {
    if (WordPerfectReports())
        return AssembleWpdReport(form.Report);
    if (!WordWriters().Assemble) {
        WordWritersMissing();
        return std::nullopt;
    }
    std::optional<std::string> name = WordWriters().Assemble(form);
    if (!name || form.Report.FilesList.empty())
        return std::nullopt;
    // The first part becomes the report, which the Word macro then finishes.
    if (!sys::CopyBytes(form.Report.FilesList.front().path, *name))
        return std::nullopt;
    form.in_file_name = *name;
    if (WordWriters().FinishDocument)
        WordWriters().FinishDocument(form);
    return name;
}
