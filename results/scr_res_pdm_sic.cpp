// The handlers of the dilution industry-code page: a new release activity, another release
// number, the category choice, clearing the page and taking its inputs into the record.
#include <QSignalBlocker>

#include "dilution/industry_categories.h"
#include "dilution/pdm_categories.h"
#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "results/scr_res_form.h"
#include "scenario/exposure_factors.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/scr_main.h"

namespace {

// The highest release number of the chemical in the scenario table (0 when it has none).
int HighestReleaseNumber(const std::string& chemicalId) {
    tables::Table& table = Tables().PmnTable;
    const std::string prefix = chemicalId + ",";
    int highest = 0;
    table.FindNearest(prefix);
    while (!table.Eof()) {
        const std::string key = PmnFieldAsString("PMN_ID");
        if (key.compare(0, prefix.size(), prefix) != 0)
            break;
        highest = std::max(highest, std::atoi(key.c_str() + prefix.size()));
        table.Next();
    }
    return highest;
}

// The dose kinds and the population group ticked on the main page.
void TakeMainPageSettings(pmn_record& r) {
    HealthFlags = "111";
    if (!ScrMain)
        return;
    if (!ScrMain->Cancer->Checked())
        HealthFlags[0] = '0';
    if (!ScrMain->Chronic->Checked())
        HealthFlags[1] = '0';
    if (!ScrMain->Acute->Checked())
        HealthFlags[2] = '0';
    (void)r;
}

void TakeMainPagePopulation(pmn_record& r) {
    if (!ScrMain)
        return;
    for (int popNum = 0; popNum <= 6; ++popNum) {
        if (forms::TRadioButton* radio = ScrMain->AgeRadio(popNum); radio && radio->Checked()) {
            r.POP_NUM = popNum;
            r.PopulationLabel = PopulationLabelFor(popNum);
        }
    }
}

}  // namespace

void TScrResForm::NextReleaseActivityPdmSicClick() {
    if (sicChainBusy_)
        return;
    sicChainBusy_ = true;
    pmn_record& r = CurrentPmn;
    const std::string chemicalId = ChemListSoloPdmSic->currentText().toStdString();
    if (chemicalId.empty()) {
        forms::Ui().MessageBox("Choose a chemical ID before adding a release activity.", "Note",
                               forms::Buttons::Ok, forms::Icon::Information);
        sicChainBusy_ = false;
        return;
    }
    const std::string key = chemicalId + "," + std::to_string(HighestReleaseNumber(chemicalId) + 1);
    LoadScenarioRecord(key);
    RestoreExposureFactors();
    SplitReleaseKey(key);
    TakeMainPageSettings(r);
    SaveScenarioRecord();
    if (CollectPdmSicInputs() == 1) {
        SaveScenarioRecord();
        RelNumPDMSic->addItem(QString::fromStdString(key));
        RelNumPDMSic->setCurrentIndex(RelNumPDMSic->count() - 1);
        LoadScenarioRecord(key);
        RestoreExposureFactors();
        ClearPdmSicScreenClick();
        RestoreAllExposureFactors();
        SetField("IndTypePdmSic", r.RELEASE);
        TakeMainPagePopulation(r);
        RestoreExposureFactors();
        SaveScenarioRecord();
    }
    RelNumPDMSicChange();
    sicChainBusy_ = false;
}

void TScrResForm::RelNumPDMSicChange() {
    SavePdmSic->hide();
    SubmitAndSaveSic->hide();
    const std::string key = RelNumPDMSic->currentText().toStdString();
    if (key.empty())
        return;
    LoadScenarioRecord(key);
    pmn_record& r = CurrentPmn;
    {
        const QSignalBlocker quiet(SicDescPdmSic);
        SicDescPdmSic->setCurrentIndex(
            r.SIC_CODE >= 1 && r.SIC_CODE <= IndustryCategoryCount ? r.SIC_CODE - 1 : -1);
    }
    SicDescPdmSicChange();
    ShowPdmSicInputs();
    if (r.SIC_CODE > 0) {
        RunPdmSicForCocs();
        ShowPdmSicResults();
    }
    for (int row = 1; row <= PdmSicResultRows && row < PdmSicResultsList->RowCount(); ++row) {
        for (int col = 0; col < 7; ++col)
            PdmSicResultsList->SetCells(col, row, "");
    }
    PdmSicResultRows = 1;
}

void TScrResForm::SicDescPdmSicChange() {
    const int position = SicDescPdmSic->currentIndex();
    if (position < 0)
        return;
    CurrentPmn.SIC_CODE = position + 1;
    SelectPdmCategory();
    SetField("SicCodesPdmSic", SicCodeList);
    // A category chosen while no release is named starts a new release activity, once.
    if (RelNumPDMSic->currentText().isEmpty() && !sicChainBusy_)
        NextReleaseActivityPdmSicClick();
}

void TScrResForm::ClearPdmSicScreenClick() {
    for (const char* name :
         {"IndTypePdmSic", "RelDaysPdmSic", "CocPdmSic", "PreTreatPdmSic", "PostTreatPdmSic"})
        SetField(name, "");
    {
        const QSignalBlocker quiet(SicDescPdmSic);
        SicDescPdmSic->setCurrentIndex(-1);
    }
    SetField("SicCodesPdmSic", "");
    for (int row = 1; row < PdmSicResultRows && row < PdmSicResultsList->RowCount(); ++row) {
        for (int col = 0; col < 7; ++col)
            PdmSicResultsList->SetCells(col, row, "");
    }
    PdmSicResultRows = 1;
    if (!CurrentPmn.CaseNum.empty())
        CollectPdmSicInputs();
    SavePdmSic->hide();
    SubmitAndSaveSic->hide();
}

void TScrResForm::PreTreatPdmSicExit() {
    try {
        const double value = ParseNumber(FieldText("PreTreatPdmSic"));
        if (value >= 0)
            CurrentPmn.H2O_HI = value;
    } catch (const std::invalid_argument&) {
        // The shown text is not a number: the record keeps its release.
    }
}

int TScrResForm::CollectPdmSicInputs() {
    pmn_record& r = CurrentPmn;
    double wwt = 0, days = 0, coc = 0, release = 0;
    try {
        wwt = ParseNumber(FieldText("WwtPdmSic"));
        days = ParseNumber(FieldText("RelDaysPdmSic"));
        coc = ParseNumber(FieldText("CocPdmSic"));
        release = ParseNumber(FieldText("PreTreatPdmSic"));
    } catch (const std::invalid_argument&) {
        return 0;
    }
    r.WWT_LOW = wwt;
    r.H2ODAYLO = r.H2ODAYHI = days;
    r.COC0 = coc;
    r.H2O_HI = release;
    const int position = SicDescPdmSic->currentIndex();
    if (position >= 0)
        r.SIC_CODE = position + 1;
    return r.SIC_CODE > 0 && days > 0 && coc > 0 && release > 0 ? 1 : 0;
}
