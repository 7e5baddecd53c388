// The submit commands of the dilution industry-code page: the checks before a run, the category
// run for the first concentration of concern, its result row and the save that follows at once.
#include <algorithm>
#include <string>

#include "chemistry/astreat_inputs.h"
#include "chemistry/astreat_run.h"
#include "chemistry/astreat_values.h"
#include "dilution/pdm_category_run.h"
#include "dilution/pdm_older_path.h"
#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "results/pdm_page_inputs.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_solo.h"
#include "scenario/lookups_facility.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

const char* const NoReleaseText =
    "You have not selected a release number.\nPress the \"New Release Number\" button before "
    "submitting.";
const char* const NoCategoryText = "You must select a SIC code before submitting a run.";

// Why the page cannot run as it stands (no text when it can).
struct Refusal {
    std::string text;
    std::string caption;
};

// Marks the industry-code run as submitted from the page while it lasts, whatever way it ends.
class Submitting {
  public:
    Submitting() { PdmSicSubmitting = 1; }
    ~Submitting() { PdmSicSubmitting = 0; }
    Submitting(const Submitting&) = delete;
    Submitting& operator=(const Submitting&) = delete;
};

// Takes the page into the record and checks it: a release number, a category, and inputs a run
// can use (a run on a concentration, release or days of 0 only yields empty results).
Refusal CheckPage(TScrResForm& form) {
    if (form.RelNumPDMSic->currentText().isEmpty())
        return {NoReleaseText, "Note"};
    form.CollectPdmSicInputs();
    const pmn_record& r = CurrentPmn;
    if (r.SIC_CODE <= 0)
        return {NoCategoryText, "Error"};
    std::string refusal = PdmRunInputsRefusal(r);
    if (!refusal.empty())
        return {refusal, "Error"};
    return {};
}

// Loads the release named on the page. The removal lives in the record only (the category and
// the removal's check set it), so a reload of the release the page holds keeps it.
void LoadPageRelease(const TScrResForm& form) {
    const std::string key = form.RelNumPDMSic->currentText().toStdString();
    if (key.empty())
        return;
    pmn_record& r = CurrentPmn;
    const bool samePage = r.CaseNum + "," + r.ScenNum == key;
    const double removal = r.WWT_LOW;
    LoadScenarioRecord(key);
    if (samePage)
        r.WWT_LOW = r.WWT_HI = removal;
}

// A submit runs the first concentration of concern only; the results of the others are from an
// earlier run and must not be shown beside it.
void ForgetOtherConcentrations() {
    for (int k = 1; k < 3; ++k) {
        PdmCoc[k] = 0;
        PdmDaysExceeded[k] = NotApplicable;
        PdmPercentExceeded[k] = NotApplicable;
    }
}

void ShowRefusal(const Refusal& refusal) {
    forms::Ui().MessageBox(
        refusal.text, refusal.caption, forms::Buttons::Ok,
        refusal.caption == "Note" ? forms::Icon::Information : forms::Icon::Error);
}

// The run of a checked page with the engine given, then the result on the page and the save.
void RunCheckedPage(TScrResForm& form, void (*run)(TScrResForm&)) {
    SaveScenarioRecord();
    form.SavePdmSic->hide();
    form.SubmitAndSaveSic->hide();
    PdmHighEnd = CurrentPmn.WHICHANAL;
    run(form);
    ForgetOtherConcentrations();
    form.ShowPdmSicResults();
    // On the stand-alone pages each submit keeps its row; in a full run the next submit
    // overwrites it.
    if (PdmPagesActive == 1)
        ++PdmSicResultRows;
    form.SavePdmSic->show();
    form.SaveWithoutAskingBy(&TScrResForm::SavePdmSicClick);
    form.SavePdmSic->show();
}

void RunCategory(TScrResForm& form) {
    RunPdmSic(form.PdmSicRun, 0, form.SicDescPdmSic->currentIndex() + 1, 1);
    StorePdmSicDaysExceeded(form.PdmSicRun, 0, 1);
}

void RunOnOlderTables(TScrResForm&) {
    RunPdmBySic(0);
}

}  // namespace

void TScrResForm::SubmitNewSicClick() {
    SubmitAndSaveSic->hide();
    // On the stand-alone pages each submit adds a row: a full grid takes no further run.
    if (PdmPagesActive == 1 && ResultGridFull(*PdmSicResultsList, std::max(PdmSicResultRows, 1)))
        return;
    LoadPageRelease(*this);
    Refusal refusal;
    {
        const forms::Hourglass busy;
        ForgetPartsBeforeSubmit(*PdmSicResultsList);
        const Submitting submitting;
        refusal = CheckPage(*this);
        if (refusal.text.empty())
            RunCheckedPage(*this, RunCategory);
    }
    // Told with the ordinary cursor back.
    if (!refusal.text.empty())
        ShowRefusal(refusal);
}

void TScrResForm::SubmitReallyNewSicClick() {
    // The Word documents of the dilution pages are written by one document form for the
    // program's life; nothing is to be made here before the run.
    SubmitNewSicClick();
}

void TScrResForm::SubmitAndSaveSicClick() {
    // The run goes again onto the row of the last submit, never onto the units row.
    PdmSicResultRows = std::max(PdmSicResultRows - 1, 1);
    SubmitReallyNewSicClick();
    SavePdmSicClick();
}

void TScrResForm::SubmitPdmSicClick() {
    const Refusal refusal = CheckPage(*this);
    if (!refusal.text.empty()) {
        ShowRefusal(refusal);
        return;
    }
    RunCheckedPage(*this, RunOnOlderTables);
}

// The treatment model run with the page's release: the model takes the year's load of one site
// (pre-treatment release times release days) and the page shows the removal it estimates.
void TScrResForm::CalcWwtPdmSicClick() {
    CollectPdmSicInputs();
    const pmn_record& r = CurrentPmn;
    AsTreatLoading = r.H2O_HI * r.H2ODAYLO;
    if (!(AsTreatLoading > 0)) {
        forms::Ui().MessageBox(
            "Pretreatment release and release days must be greater than 0 before running AsTreat",
            "Error", forms::Buttons::Ok, forms::Icon::Error);
        return;
    }
    const auto removal = RunAsTreatForLoad(AsTreatLoading, [] {
        TAstreatBox notes;
        notes.ShowModal();
    });
    if (removal)
        SetValue("WwtPdmSic", *removal);
}
