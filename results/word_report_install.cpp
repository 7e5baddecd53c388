// Installs the Word-format writers, the Word assembly and the finishing of the Word report into
// the results run.
#include "results/word_report_install.h"

#include "documents/word_assembly.h"
#include "documents/word_dilution.h"
#include "documents/word_release_parts.h"
#include "documents/word_surface_water.h"
#include "results/mk_pdm_doc.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"

namespace {

void WritePart(TScrResForm& form, ReportPart part) {
    WordReportForm word(form.Report);
    switch (part) {
        case ReportPart::EnvRelease:
            WriteEnvReleaseDoc(word, form.Inputs.ExposureBased || form.Inputs.Persistent);
            break;
        case ReportPart::SicCode:
            WriteSicCodeDoc(word);
            break;
        case ReportPart::Lake:
            WriteLakeDoc(word, SpeciesRowsOf(*form.EndSpecLake));
            break;
        case ReportPart::RiverSite:
            WriteRiverSiteDoc(word, SpeciesRowsOf(*form.EndSpecSite));
            break;
        case ReportPart::Landfill:
            WriteLandfillDoc(word);
            break;
        case ReportPart::Inhalation:
            WriteInhalationDoc(word);
            break;
        case ReportPart::PdmSite:
            WritePdmSiteDoc(word);
            break;
        case ReportPart::PdmSic:
            WritePdmSicDoc(word, form.SicDescPdmSic->currentText().toStdString());
            break;
    }
}

// The dilution pages' saves write through the one document form of the program.
bool WritePdmPageDoc(TScrResForm& form, ReportPart part) {
    switch (part) {
        case ReportPart::PdmSite:
            return MkPdmDocForm().WritePdmSiteDoc(form);
        case ReportPart::PdmSic:
            return MkPdmDocForm().WritePdmSicDoc(form);
        default:
            return false;
    }
}

std::string SaveDilutionDocument(TScrResForm& form) {
    return SavePdmDocument(MkPdmDocForm(), form);
}

std::optional<std::string> Assemble(TScrResForm& form) {
    WordReportForm word(form.Report);
    return AssembleWordReport(word);
}

bool FinishDocument(TScrResForm& form) {
    WordFileCarrier word;
    word.in_file_name = form.in_file_name;
    return FinishWordReport(word);
}

}  // namespace

void InstallWordReportWriters() {
    WordReportWriters& writers = WordWriters();
    writers.WritePart = WritePart;
    writers.Assemble = Assemble;
    writers.FinishDocument = FinishDocument;
    MkPdmDocForm();  // made with the other forms, before the first save needs it
    writers.WritePdmPageDoc = WritePdmPageDoc;
    writers.SavePdmDocument = SaveDilutionDocument;
}
