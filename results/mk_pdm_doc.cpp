// The dilution pages' document form and the finishing of their saved documents.
#include "results/mk_pdm_doc.h"

#include <algorithm>

#include "documents/merge/report_numbers.h"
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
void ForgetPart(TScrResForm& form, const std::string& path) {
    auto& list = form.Report.FilesList;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const WpdPart& part) { return part.path == path; }),
               list.end());
}

// Moves a written part to the head of the list: the page's save hands the first listed part
// to the user, whatever the results run or the other page listed before.
void PutFirst(TScrResForm& form, const std::string& path) {
    auto& list = form.Report.FilesList;
    auto found = std::find_if(list.begin(), list.end(),
                              [&](const WpdPart& part) { return part.path == path; });
    if (found != list.end())
        std::rotate(list.begin(), found, found + 1);
}

// Writes a page's part anew and lists it first.
template <class Write>
bool WritePagePart(TScrResForm& form, int kind, Write write) {
    const std::string path = WordPartPath(ReportFileName(kind));
    ForgetPart(form, path);
    if (!write())
        return false;
    PutFirst(form, path);
    return true;
}

}  // namespace

std::string TMkPdmDoc::DocumentToOpen() const {
    return form_ ? form_->in_file_name : std::string();
}

bool TMkPdmDoc::WritePdmSiteDoc(TScrResForm& form) {
    ServingForm serving(*this, form);
    return WritePagePart(form, DilutionSitePart,
                         [&] { return ::WritePdmSiteDoc(TargetOn(*this, form)); });
}

bool TMkPdmDoc::WritePdmSicDoc(TScrResForm& form) {
    ServingForm serving(*this, form);
    const std::string sicDescPdmSic = form.SicDescPdmSic->currentText().toStdString();
    return WritePagePart(form, DilutionIndustryCodePart,
                         [&] { return ::WritePdmSicDoc(TargetOn(*this, form), sicDescPdmSic); });
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
    return DataFolder + FinalReportFileName(CurrentPmn.CaseNum, ".doc");
}
