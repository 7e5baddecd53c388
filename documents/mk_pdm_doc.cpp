// The dilution pages' document form and the finishing of their saved documents.
#include "documents/mk_pdm_doc.h"

#include <algorithm>

#include "documents/word_dilution.h"
#include "documents/word_report_state.h"
#include "results/scr_res_form.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

TMkPdmDoc* MkPdmDoc = nullptr;

TMkPdmDoc& MkPdmDocForm() {
    static TMkPdmDoc form;
    MkPdmDoc = &form;
    return form;
}

// Binds the document form to a results form for one operation.
class ServingForm {
  public:
    ServingForm(TMkPdmDoc& doc, TScrResForm& form) : doc_(doc) { doc_.form_ = &form; }
    ~ServingForm() { doc_.form_ = nullptr; }
    ServingForm(const ServingForm&) = delete;
    ServingForm& operator=(const ServingForm&) = delete;

  private:
    TMkPdmDoc& doc_;
};

namespace {

WordPartTarget TargetOn(TMkPdmDoc& doc, TScrResForm& form) {
    return WordPartTarget{doc, form.Report, form.in_file_name, form.Report.PartFileName};
}

// Takes the current release's part of a kind out of the list, so that it is written anew.
void ForgetPart(TScrResForm& form, int kind) {
    const std::string path = WordPartPath(ReportFileName(kind));
    auto& list = form.Report.FilesList;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const WpdPart& part) { return part.path == path; }),
               list.end());
}

}  // namespace

std::string TMkPdmDoc::DocumentToOpen() const {
    return form_ ? form_->in_file_name : std::string();
}

bool TMkPdmDoc::WritePdmSiteDoc(TScrResForm& form) {
    ServingForm serving(*this, form);
    ForgetPart(form, DilutionSitePart);
    return ::WritePdmSiteDoc(TargetOn(*this, form));
}

bool TMkPdmDoc::WritePdmSicDoc(TScrResForm& form) {
    ServingForm serving(*this, form);
    ForgetPart(form, DilutionIndustryCodePart);
    return ::WritePdmSicDoc(TargetOn(*this, form),
                            form.SicDescPdmSic->currentText().toStdString());
}

void TMkPdmDoc::FinishFirstPart(TScrResForm& form) {
    if (form.Report.FilesList.empty())
        return;
    ServingForm serving(*this, form);
    form.in_file_name = form.Report.FilesList.front().path;
    if (!OpenWordDocument(*this, true))
        return;
    try {
        RunWordMacro(*this, "x_xyz");
    } catch (...) {
        WordDocument1.Close(false);
        WordDocument1.Disconnect();
        throw;
    }
    CloseWordDocument(*this);
}

std::string SavePdmDocument(TMkPdmDoc& doc, TScrResForm& form) {
    doc.FinishFirstPart(form);
    return DataFolder + CurrentPmn.CaseNum + ".doc";
}
