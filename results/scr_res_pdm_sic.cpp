// The handlers of the dilution industry-code page: the chemical and its release numbers, a new
// release activity, the category choice, the analysis, the inputs and their checks, clearing the
// page and taking its inputs into the record.
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dilution/industry_categories.h"
#include "dilution/pdm_categories.h"
#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "results/pdm_page_inputs.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

// Runs visit for the key of every release row of the chemical, in table order.
void ForEachReleaseRow(const std::string& chemicalId,
                       const std::function<void(const std::string& key)>& visit) {
    tables::Table& table = Tables().PmnTable;
    const std::string prefix = chemicalId + ",";
    table.FindNearest(prefix);
    while (!table.Eof()) {
        const std::string key = PmnFieldAsString("PMN_ID");
        if (key.compare(0, prefix.size(), prefix) != 0)
            break;
        visit(key);
        table.Next();
    }
}

// The highest release number of the chemical in the scenario table (0 when it has none).
int HighestReleaseNumber(const std::string& chemicalId) {
    int highest = 0;
    ForEachReleaseRow(chemicalId, [&](const std::string& key) {
        highest = std::max(highest, std::atoi(key.c_str() + chemicalId.size() + 1));
    });
    return highest;
}

// The releases of the chemical that have an industry category.
std::vector<std::string> CategoryReleaseKeys(const std::string& chemicalId) {
    std::vector<std::string> keys;
    ForEachReleaseRow(chemicalId, [&](const std::string& key) {
        if (PmnFieldAsInteger("SIC_CODE") > 0)
            keys.push_back(key);
    });
    return keys;
}

// The dose kinds ticked on the main page.
void TakeMainPageSettings() {
    HealthFlags = "111";
    if (!MainChoices.cancer)
        HealthFlags[0] = '0';
    if (!MainChoices.chronic)
        HealthFlags[1] = '0';
    if (!MainChoices.acute)
        HealthFlags[2] = '0';
}

void TakeMainPagePopulation(pmn_record& r) {
    const int popNum = MainChoices.exposedPopNum;
    if (popNum < 0 || popNum > 6)
        return;
    r.POP_NUM = popNum;
    r.PopulationLabel = PopulationLabelFor(popNum);
}

// Blanks the seven columns of rows 1..lastRow of the results grid.
void BlankResultRows(forms::TStringGrid& grid, int lastRow) {
    for (int row = 1; row <= lastRow && row < grid.RowCount(); ++row) {
        for (int col = 0; col < 7; ++col)
            grid.SetCells(col, row, "");
    }
}

}  // namespace

void TScrResForm::ConnectPdmSicPage() {
    // The captions the page's commands are known by.
    SubmitNewSic->setText("Submit");
    SubmitReallyNewSic->setText("Submit.");
    SubmitAndSaveSic->setText("Save.");
    SubmitPdmSic->setText("Submit old");
    NextReleaseActivityPdmSic->setText("New Release Number");
    // The older table run has no visible button.
    SubmitPdmSic->hide();
    // A release number is chosen from the list: a typed key would save the page under a
    // release the chemical does not have.
    RelNumPDMSic->setEditable(false);
    // High-end is the analysis a new page starts with; set before the click action is wired,
    // so that building the form changes no record.
    HiEndPdmSic->setChecked(true);
    HiEndPdmSic->OnClick = [this] { HiEndPdmSicClick(); };
    AvePdmSic->OnClick = [this] { AvePdmSicClick(); };
    SubmitNewSic->OnClick = [this] { SubmitNewSicClick(); };
    SubmitReallyNewSic->OnClick = [this] { SubmitReallyNewSicClick(); };
    SubmitAndSaveSic->OnClick = [this] { SubmitAndSaveSicClick(); };
    SubmitPdmSic->OnClick = [this] { SubmitPdmSicClick(); };
    CalcWwtPdmSic->OnClick = [this] { CalcWwtPdmSicClick(); };
    ClearPdmSicResults->OnClick = [this] { ClearPdmSicResultsClick(); };
    QObject::connect(ChemListSoloPdmSic, &QComboBox::activated, this,
                     [this](int) { ChemListSoloPdmSicChange(); });
    for (const char* name : {"IndTypePdmSic", "RelDaysPdmSic", "CocPdmSic", "PreTreatPdmSic"})
        Field(name)->setReadOnly(false);
    struct Input {
        const char* name;
        void (TScrResForm::*exit)();
    };
    const Input inputs[] = {{"WwtPdmSic", &TScrResForm::WwtPdmSicExit},
                            {"RelDaysPdmSic", &TScrResForm::RelDaysPdmSicExit},
                            {"CocPdmSic", &TScrResForm::CocPdmSicExit},
                            {"PreTreatPdmSic", &TScrResForm::PreTreatPdmSicExit}};
    for (const Input& input : inputs)
        ConnectPdmInput(*Field(input.name), true, [this, exit = input.exit] { (this->*exit)(); });
}

void TScrResForm::ChemListSoloPdmSicChange() {
    {
        // The list's entry ChemIdIndex is the current chemical.
        const QSignalBlocker quiet(ChemListSoloPdmSic);
        if (ChemIdIndex >= 0 && ChemIdIndex < ChemListSoloPdmSic->count())
            ChemListSoloPdmSic->setCurrentIndex(ChemIdIndex);
    }
    {
        const QSignalBlocker quiet(RelNumPDMSic);
        RelNumPDMSic->clear();
        const std::string chemicalId = ChemListSoloPdmSic->currentText().toStdString();
        if (!chemicalId.empty()) {
            for (const std::string& key : CategoryReleaseKeys(chemicalId))
                RelNumPDMSic->addItem(QString::fromStdString(key));
            // Without a category release the record is still the chemical's first release.
            if (RelNumPDMSic->count() == 0)
                LoadScenarioRecord(chemicalId + ",1");
        }
        RelNumPDMSic->setCurrentIndex(RelNumPDMSic->count() > 0 ? 0 : -1);
    }
    if (RelNumPDMSic->count() == 0) {
        // No release, no category: the first choice of one makes the release.
        const QSignalBlocker quiet(SicDescPdmSic);
        SicDescPdmSic->setCurrentIndex(-1);
        SetField("SicCodesPdmSic", "");
    }
    RelNumPDMSicChange();
}

void TScrResForm::NextReleaseActivityPdmSicClick() {
    // The release's set-up runs the page's handlers, which must not start another release.
    if (sicChainBusy_)
        return;
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(sicChainBusy_);
    pmn_record& r = CurrentPmn;
    const std::string chemicalId = ChemListSoloPdmSic->currentText().toStdString();
    if (chemicalId.empty()) {
        forms::Ui().MessageBox("Choose a chemical ID before adding a release activity.", "Note",
                               forms::Buttons::Ok, forms::Icon::Information);
        return;
    }
    const std::string key = chemicalId + "," + std::to_string(HighestReleaseNumber(chemicalId) + 1);
    LoadScenarioRecord(key);
    RestoreExposureFactors();
    SplitReleaseKey(key);
    TakeMainPageSettings();
    SaveScenarioRecord();
    // Listed and chosen before the page is taken in: the collection names the release chosen,
    // and the one chosen before must keep its row.
    RelNumPDMSic->addItem(QString::fromStdString(key));
    RelNumPDMSic->setCurrentIndex(RelNumPDMSic->count() - 1);
    CollectPdmSicInputs();
    SaveScenarioRecord();
    LoadScenarioRecord(key);
    RestoreExposureFactors();
    ClearPdmSicScreenClick();
    RestoreAllExposureFactors();
    SetField("IndTypePdmSic", r.RELEASE);
    TakeMainPagePopulation(r);
    RestoreExposureFactors();
    SaveScenarioRecord();
    RelNumPDMSicChange();
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
    BlankResultRows(*PdmSicResultsList, PdmSicResultRows);
    PdmSicResultRows = 1;
}

void TScrResForm::SicDescPdmSicChange() {
    const int chosen = SicDescPdmSic->currentIndex();
    bool created = false;
    // Only the stand-alone pages make releases: in a full run the page shows the releases of
    // the run, and its chemical list is empty.
    if (RelNumPDMSic->currentText().isEmpty() && PdmPagesActive == 1 && !sicChainBusy_) {
        NextReleaseActivityPdmSicClick();
        created = !RelNumPDMSic->currentText().isEmpty();
        // Setting up the new release empties the page; the category chosen stays chosen.
        const QSignalBlocker quiet(SicDescPdmSic);
        SicDescPdmSic->setCurrentIndex(chosen);
    }
    pmn_record& r = CurrentPmn;
    r.WWT_LOW = r.WWT_HI = SavedFactors.WWT_LOW;
    SetValue("WwtPdmSic", r.WWT_LOW);
    BlankResultRows(*PdmSicResultsList, PdmSicResultRows);
    r.SIC_CODE = SicDescPdmSic->currentIndex() + 1;
    if (r.SIC_CODE < 1) {
        SetField("SicCodesPdmSic", "");
    } else {
        SelectPdmCategory();
        SetField("SicCodesPdmSic", SicCodeList);
    }
    {
        const QSignalBlocker quiet(SicDescPdmSic);
        SicDescPdmSic->setCurrentIndex(r.SIC_CODE - 1);
    }
    PdmSicResultRows = 1;
    // The release made for this choice is stored with its category, so that it is listed
    // among the chemical's category releases from now on.
    if (created)
        SaveScenarioRecord();
}

void TScrResForm::OfferPdmSicChoices(bool offered) {
    for (QWidget* choice : std::initializer_list<QWidget*>{SicDescPdmSic, HiEndPdmSic, AvePdmSic})
        choice->setEnabled(offered);
}

void TScrResForm::HiEndPdmSicClick() {
    PdmHighEnd = 1;
    CurrentPmn.WHICHANAL = 1;
    PdmScenarioText = "High";
}

void TScrResForm::AvePdmSicClick() {
    PdmHighEnd = 0;
    CurrentPmn.WHICHANAL = 0;
    PdmScenarioText = "Avg ";
}

void TScrResForm::WwtPdmSicExit() {
    TakeRemovalInput(*Field("WwtPdmSic"));
    ShowPostTreatmentRelease(2);
}

void TScrResForm::RelDaysPdmSicExit() {
    TakeReleaseDaysInput(*Field("RelDaysPdmSic"));
    CurrentPmn.DAYSSLUDGE = CurrentPmn.H2ODAYHI;
}

void TScrResForm::CocPdmSicExit() {
    TakeCocInput(*Field("CocPdmSic"));
}

void TScrResForm::PreTreatPdmSicExit() {
    TakePreTreatmentInput(*Field("PreTreatPdmSic"));
    ShowPostTreatmentRelease(2);
    CurrentPmn.DAYSSLUDGE = CurrentPmn.H2ODAYHI;
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
    BlankResultRows(*PdmSicResultsList, PdmSicResultRows - 1);
    PdmSicResultRows = 1;
    if (!CurrentPmn.CaseNum.empty())
        CollectPdmSicInputs();
    SavePdmSic->hide();
    SubmitAndSaveSic->hide();
}

void TScrResForm::ClearPdmSicResultsClick() {
    if (!KeepPdmResults) {
        BlankResultRows(*PdmSicResultsList, std::max(PdmSicResultRows, 1));
        PdmSicResultRows = 1;
    }
    SavePdmSic->hide();
    SubmitAndSaveSic->hide();
}

void TScrResForm::CollectPdmSicInputs() {
    pmn_record& r = CurrentPmn;
    // Without a release named on the page the record keeps its own key.
    const std::string key = RelNumPDMSic->currentText().toStdString();
    if (!key.empty())
        SplitReleaseKey(key);
    r.SIC_CODE = SicDescPdmSic->currentIndex() + 1;
    r.NPDES.clear();
    if (r.RELEASES.size() < 4)
        r.RELEASES = "0000";
    r.COC0 = TypedNumber(FieldText("CocPdmSic"));
    r.H2ODAYHI = r.H2ODAYLO = TypedNumber(FieldText("RelDaysPdmSic"));
    r.H2O_HI = r.H2O_LO = TypedNumber(FieldText("PreTreatPdmSic"));
    // The removal is the record's own: set by the category and by the removal's exit check.
    r.WWT_HI = r.WWT_LOW;
    r.RELEASE = FieldText("IndTypePdmSic");
    if (AvePdmSic->isChecked())
        AvePdmSicClick();
    else
        HiEndPdmSicClick();
    r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
    r.DAYSSLUDGE = r.H2ODAYHI;
    const char mark = !r.NPDES.empty() || r.SIC_CODE >= 1 ? 'X' : '0';
    r.RELEASES[0] = r.RELEASES[1] = mark;  // surface water and landfill
    ShowPostTreatmentRelease(2);
}
