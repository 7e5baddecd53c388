// The behaviour of the down-the-drain form: activation, inputs, the run and the results page.
#include "disposal/disposal_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "dilution/disposal_older_run.h"
#include "dilution/disposal_report.h"
#include "dilution/pdm_site_run.h"
#include "disposal/disposal_page.h"
#include "disposal/disposal_print.h"
#include "form_helpers/edit_helpers.h"
#include "form_helpers/print_one_page.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

TDisposalForm* DisposalForm = nullptr;

namespace {

double ReadNumber(const forms::TEdit& edit) {
    try {
        return ParseNumber(edit.Text());
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

TDisposalForm::~TDisposalForm() {
    // Hiding the window on the way out moves the focus and the pages; this form is no longer
    // there to take the edit left or show a page.
    QObject::disconnect(DispPages, nullptr, this, nullptr);
    for (forms::TEdit* edit : findChildren<forms::TEdit*>()) {
        edit->OnEnter = nullptr;
        edit->OnExit = nullptr;
    }
    if (DisposalForm == this)
        DisposalForm = nullptr;
}

forms::TEdit* TDisposalForm::Field(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : it->second;
}

std::string TDisposalForm::FieldText(const std::string& name) const {
    forms::TEdit* field = Field(name);
    return field ? field->Text() : std::string();
}

void TDisposalForm::SetPdmSelection(int index) {
    (index == 1 ? PdmNoRunItem : PdmRunItem)->SetChecked(true);
}

void TDisposalForm::NumericEdit(forms::TEdit* edit, double* target) {
    edit->OnChange = [edit] { FilterNumericEdit(*edit); };
    edit->OnExit = [edit, target] { ReadPositiveEdit(*edit, target); };
}

void TDisposalForm::ListChemicals() {
    ChemicalIds.clear();
    std::string previous;
    bool met = false;
    ChemIdIndex = -1;
    const std::string entry = CurrentPmn.CaseNum;
    tables::Table& table = Tables().PmnTable;
    for (table.First(); !table.Eof(); table.Next()) {
        const std::string key = PmnFieldAsString("PMN_ID");
        const std::string id = key.substr(0, key.rfind(','));
        if (key.find(',') == std::string::npos || id.empty() || id == previous)
            continue;
        previous = id;
        ChemicalIds.push_back(id);
        if (!met)
            ++ChemIdIndex;
        if (id == entry)
            met = true;
    }
    ChemIdDispInp->SetItems(ChemicalIds);
}

void TDisposalForm::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    DisposalForm = this;
    EnteredInputs = {};
    Tables().PmnTable.SetIndex("PMN_ID");
    Results = {};
    DisposalHighEnd = 1;
    DispPages->setTabVisible(1, false);
    ChemIdDispInp1->SetText("");
    ListChemicals();
    if (ChemicalIds.empty()) {
        // Loading the key ",1" would later append a row without a chemical.
        noChemicals_ = true;
        forms::ShowMessage(
            "The scenario table holds no chemical yet. Choose or enter a chemical on the "
            "properties screen before running the disposal model.",
            "Error", forms::Icon::Error);
        Close();
        return;
    }
    noChemicals_ = false;
    ChemIdDispInp->SetItemIndex(ChemIdIndex);
    ChemIdDispInp1->SetText(SelectedChemId.empty() ? ChemIdDispInp->Text() : SelectedChemId);
    LastChemIdIndex = ChemIdIndex;
    NumericEdit(ProdVolDispInp, &CurrentPmn.PRODVOL);
    NumericEdit(YrsUseDispInp, &CurrentPmn.YEARS_USE);
    NumericEdit(Coc0DispInp, &CurrentPmn.COC0);
    NumericEdit(Coc1DispInp, &CurrentPmn.COC1);
    NumericEdit(Coc2DispInp, &CurrentPmn.COC2);
    const std::string chemical = RunChemical();
    if (chemical.empty())
        return;
    LoadScenarioRecord(chemical + ",1");
    ShowCurrentChemical();
    AdoptMainPagePopulation();
    ShowAgeGroupFields();
    ShowPdmControls();
    SaveScenarioRecord();
    shownChemical_ = chemical;
    DisposalActive = 1;
    if (DispPages->currentWidget() == DispInputsPage)
        DispInputsPageShow();
}

void TDisposalForm::DispInputsPageShow() {
    ChemIdDispInp1->setFocus();
}

// The health switches and the exposure duration follow the age group of the chemical in the
// record: only adults are assessed for long-term doses and asked for years of use. The switches
// go with the record when it is saved.
void TDisposalForm::ShowAgeGroupFields() {
    const bool adult = CurrentPmn.POP_NUM <= 0;
    HealthFlags = adult ? "111" : "001";
    YrsUseDispInp->setVisible(adult);
    Label162->setVisible(adult);
    Label163->setVisible(adult);
}

void TDisposalForm::ShowCurrentChemical() {
    ShowValue(CurrentPmn.PRODVOL, *ProdVolDispInp);
    ShowValue(CurrentPmn.COC0, *Coc0DispInp);
    ShowValue(CurrentPmn.COC1, *Coc1DispInp);
    ShowValue(CurrentPmn.COC2, *Coc2DispInp);
    ShowValue(CurrentPmn.YEARS_USE, *YrsUseDispInp);
    ShowValue(CurrentPmn.DWT, *Field("DwtDisp"));
}

void TDisposalForm::AdoptMainPagePopulation() {
    if (MainChoices.exposedPopNum >= 0)
        CurrentPmn.POP_NUM = MainChoices.exposedPopNum;
    if (CurrentPmn.POP_NUM <= 0)
        CurrentPmn.POP_NUM = 0;
}

void TDisposalForm::FormClose() {
    DisposalActive = 0;
    Shape1->hide();
    EnteredInputs = {};
}

std::string TDisposalForm::RunChemical() const {
    const std::string named = sys::Trim(ChemIdDispInp1->Text());
    for (const std::string& id : ChemicalIds)
        if (id == named)
            return id;
    return {};
}

// Another chemical named: its values and its age group are shown. Leaving the field with the
// chemical shown keeps what was typed for it.
void TDisposalForm::ChemIdDispInpExit() {
    const std::string chemical = RunChemical();
    if (chemical.empty() || chemical == shownChemical_)
        return;
    LoadScenarioRecord(chemical + ",1");
    ShowCurrentChemical();
    ShowAgeGroupFields();
    shownChemical_ = chemical;
}

void TDisposalForm::ShowPdmControls() {
    const bool shown = PdmSelectionIndex() != 1;
    for (QWidget* w : std::initializer_list<QWidget*>{CocLabel, Coc0DispInp, Coc1DispInp,
                                                      Coc2DispInp, CocUnitLabel, Label2, Label3,
                                                      Label4, Label5, Label6, HighEnd, AveEnd})
        w->setVisible(shown);
    ResultTabs->setTabVisible(ResultTabs->indexOf(PdmDispPage), shown);
}

void TDisposalForm::PdmSelectionClick() {
    ShowPdmControls();
    HideResultsTab();
}

void TDisposalForm::HideResultsTab() {
    DispPages->setTabVisible(1, false);
}

// Moves later concentrations of concern up over ones that are 0: (0, 0, 5) becomes (5, 0, 0).
void TDisposalForm::CompactCocs(double& c0, double& c1, double& c2) {
    if (c1 == 0) {
        c1 = c2;
        c2 = 0;
        ShowValue(c1, *Coc1DispInp);
        ShowValue(c2, *Coc2DispInp);
    }
    if (c0 == 0) {
        c0 = c1;
        c1 = c2;
        c2 = 0;
        ShowValue(c0, *Coc0DispInp);
        ShowValue(c1, *Coc1DispInp);
        ShowValue(c2, *Coc2DispInp);
    }
}

void TDisposalForm::ShowCocRows(const std::array<double, 3>& cocs) {
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        for (const char* prefix : {"Coc", "CocDays", "CocPer"})
            Field(prefix + n + "Disp")->setVisible(cocs[size_t(i)] != 0);
    }
}

void TDisposalForm::ReadDisposalInputs() {
    EnteredInputs.ProdVol = ReadNumber(*ProdVolDispInp);
    EnteredInputs.Coc = {ReadNumber(*Coc0DispInp), ReadNumber(*Coc1DispInp),
                         ReadNumber(*Coc2DispInp)};
    EnteredInputs.YearsUse = ReadNumber(*YrsUseDispInp);
    auto& c = EnteredInputs.Coc;
    CompactCocs(c[0], c[1], c[2]);
    ShowCocRows(c);
}

bool TDisposalForm::LookUpDisposalChemical() {
    const std::string chemical = RunChemical();
    if (chemical.empty()) {
        forms::ShowMessage("The chemical ID \"" + sys::Trim(ChemIdDispInp1->Text()) +
                               "\" is not in the scenario table. Enter a listed chemical ID.",
                           "Error", forms::Icon::Error);
        return false;
    }
    Tables().PmnTable.SetIndex("PMN_ID");
    LoadScenarioRecord(chemical + ",1");
    // The run is of this chemical, with its own age group, also when its id was typed and the
    // field not yet left; the health switches are stored with it for the run's reload.
    ShowAgeGroupFields();
    shownChemical_ = chemical;
    DisposalHighEnd = HighEnd->Checked() ? 1 : 2;
    LoadScreeningExposureFactors();
    pmn_record& r = CurrentPmn;
    r.PRODVOL = ReadNumber(*ProdVolDispInp);
    r.COC0 = ReadNumber(*Coc0DispInp);
    r.COC1 = ReadNumber(*Coc1DispInp);
    r.COC2 = ReadNumber(*Coc2DispInp);
    CompactCocs(r.COC0, r.COC1, r.COC2);
    ShowCocRows({r.COC0, r.COC1, r.COC2});
    r.YEARS_USE = ReadNumber(*YrsUseDispInp);
    r.WWT_HI = r.WWT_LOW;
    Results.PreTreatRelease = DisposalPreTreatRelease(r.PRODVOL);
    Results.PostTreatRelease = DisposalPostTreatRelease(Results.PreTreatRelease, r.WWT_LOW);
    r.PostTreat = Results.PostTreatRelease;
    // The release before treatment is the release itself, also at 100 % removal.
    r.DispPreTreat = Results.PreTreatRelease;
    SaveScenarioRecord();
    return true;
}

bool TDisposalForm::CheckRunInputs() {
    bool pass = true;
    auto fail = [&pass](const std::string& text) {
        forms::ShowMessage(text, "Error", forms::Icon::Error);
        pass = false;
    };
    const pmn_record& r = CurrentPmn;
    if (!(r.PRODVOL > 0))
        fail("Production volume must be greater than 0 before running this module.");
    if (r.POP_NUM == 0 && !(r.YEARS_USE > 0))
        fail("Years of use must be greater than 0 before running this module.");
    if (PdmSelectionIndex() == 0) {
        if (r.COC0 < 0 || r.COC1 < 0 || r.COC2 < 0)
            fail("Concentrations of concern must be greater than 0 (0 for none).");
        else if (r.COC0 == 0 && r.COC1 == 0 && r.COC2 == 0)
            fail("You must input at least one COC before running this module.");
    }
    return pass;
}

// The dilution run for the treatment-plant category, per concentration of concern, with the
// whole year as release days.
void TDisposalForm::RunCategoryDilution() {
    PdmRun.HighEnd = HighEnd->Checked();
    const double cocs[3] = {CurrentPmn.COC0, CurrentPmn.COC1, CurrentPmn.COC2};
    for (int i = 0; i < 3; ++i) {
        if (!(cocs[i] > 0) || PdmSelectionIndex() != 0)
            continue;
        RunPdmSic(PdmRun, i, DisposalPdmCategory, 0);
        const size_t k = static_cast<size_t>(i);
        const double fraction =
            PdmRun.HighEnd ? PdmRun.HighEndFractions[k] : PdmRun.AverageFractions[k];
        if (PdmRun.CocApplies[k]) {
            Results.PercentExceeded[k] = PercentOfYear(fraction, DisposalReleaseDays);
            Results.DaysExceeded[k] = DaysOfPercent(Results.PercentExceeded[k]);
        } else {
            Results.PercentExceeded[k] = Results.DaysExceeded[k] = NotApplicable;
        }
    }
}

void TDisposalForm::WriteReport() {
    DisposalReport report{CurrentPmn, Results, PdmSelectionIndex() != 1, HighEnd->Checked()};
    const bool wordPerfect = WordPerfectReports();
    DisposalReportOutcome outcome =
        wordPerfect ? SaveDisposalReport(report) : WriteDisposalDoc(report);
    ReportPath = outcome.path;
    if (!outcome.ok) {
        if (!outcome.error.empty())
            forms::ShowMessage(outcome.error, "Error", forms::Icon::Error);
    } else if (CurrentPmn.PRODVOL > 0)
        forms::ShowMessage(
            (wordPerfect ? "Disposal output saved as " : "File has been saved as ") + outcome.path,
            "Note");
}

void TDisposalForm::BitBtn2Click() {
    if (noChemicals_)
        return;
    bool pass = true;
    DispPages->setTabVisible(1, true);
    forms::Hourglass hourglass;
    // Results of concentrations of concern this run does not compute must not linger.
    Results.DaysExceeded = {};
    Results.PercentExceeded = {};
    ReadDisposalInputs();
    pass = LookUpDisposalChemical();
    for (const char* name :
         {"Memo10", "Memo9", "Memo8", "Memo7", "Memo15", "Memo18", "Memo19", "Memo22"})
        Field(name)->SetText(sys::Trim(Field(name)->Text()));
    if (pass)
        pass = CheckRunInputs();
    if (pass) {
        Tables().PmnTable.SetIndex("PMN_ID");
        DispPages->setTabVisible(1, true);
        LoadScenarioRecord(RunChemical() + ",1");
        LoadScreeningExposureFactors();
        if (!(CurrentPmn.PRODVOL > 0)) {
            LookUpDisposalChemical();
            if (FILE* debug = std::fopen("zero.txt", "wt")) {
                std::fputs("zeroed out\n", debug);
                std::fclose(debug);
            }
        }
        ComputeDisposalExposures(CurrentPmn, Results);
        CurrentPmn.PostTreat = Results.PostTreatRelease;
        CurrentPmn.DispPreTreat = Results.PreTreatRelease;
        for (const std::string& note : Results.Notes)
            forms::ShowMessage(note, "Note");
        RunCategoryDilution();
        FinishRun();
    }
    if (!RunChemical().empty())
        SaveScenarioRecord();
    RunSucceeded = pass;
}

void TDisposalForm::FinishRun() {
    // The hidden chemical list names the chemical of the results shown, which the printed page
    // takes as its heading.
    const auto listed = std::find(ChemicalIds.begin(), ChemicalIds.end(), RunChemical());
    if (listed != ChemicalIds.end())
        ChemIdDispInp->SetItemIndex(static_cast<int>(listed - ChemicalIds.begin()));
    WriteReport();
    ShowDisposalResults();
    DispPages->setCurrentWidget(DisposalResPage);
}

void TDisposalForm::RunTableDays() {
    const std::string folder = ProgramFolder + "\\pdm\\";
    const bool highEnd = DisposalHighEnd == 1;
    const std::string daysName = highEnd ? "pdm4954.dat" : "pdma4954.dat";
    std::optional<std::vector<float>> axis = ReadPdmDatTable(folder + "pdmconc.dat");
    std::optional<std::vector<float>> days = ReadPdmDatTable(folder + daysName);
    if (!axis || !days) {
        forms::ShowMessage("The dilution tables pdm\\pdmconc.dat and pdm\\" + daysName +
                               " could not be read, so no days exceeded were computed.",
                           "Error", forms::Icon::Error);
        return;
    }
    const double cocs[3] = {CurrentPmn.COC0, CurrentPmn.COC1, CurrentPmn.COC2};
    for (size_t i = 0; i < 3; ++i) {
        std::optional<double> d =
            DisposalTableDays(*axis, *days, cocs[i], Results.PostTreatRelease, highEnd);
        if (d) {
            WriteFlushResults(FlushFileName, *d);
            ReadFlushResults(i);
        }
    }
}

// Takes the days and percent of level i from the hand-over file; a level whose file is missing
// or unreadable has no result rather than one of another level.
void TDisposalForm::ReadFlushResults(size_t i) {
    const FlushRead read = ::ReadFlushResults(FlushFileName);
    if (read.state == FlushReadState::Read) {
        Results.DaysExceeded[i] = read.results.days;
        Results.PercentExceeded[i] = read.results.percent;
        return;
    }
    Results.DaysExceeded[i] = Results.PercentExceeded[i] = NotApplicable;
    forms::ShowMessage(read.state == FlushReadState::Missing
                           ? std::string("File not found")
                           : std::string("The file ") + FlushFileName + " could not be read.",
                       "Error", forms::Icon::Error);
}

void TDisposalForm::DispContinueClick() {
    if (noChemicals_)
        return;
    DispPages->setTabVisible(1, true);
    forms::Hourglass hourglass;
    Results.DaysExceeded = {};
    Results.PercentExceeded = {};
    bool pass = LookUpDisposalChemical();
    if (pass) {
        const pmn_record& r = CurrentPmn;
        auto fail = [&pass](const std::string& text) {
            forms::ShowMessage(text, "Error", forms::Icon::Error);
            pass = false;
        };
        if (!(r.PRODVOL > 0))
            fail("Production volume must be greater than 0 before running this module.");
        if (r.POP_NUM == 0 && !(r.YEARS_USE > 0))
            fail("Years of use must be greater than 0 before running this module.");
    }
    if (pass) {
        LoadScenarioRecord(RunChemical() + ",1");
        LoadScreeningExposureFactors();
        ComputeDisposalExposures(CurrentPmn, Results);
        CurrentPmn.PostTreat = Results.PostTreatRelease;
        CurrentPmn.DispPreTreat = Results.PreTreatRelease;
        for (const std::string& note : Results.Notes)
            forms::ShowMessage(note, "Note");
        RunTableDays();
        FinishRun();
    }
    if (!RunChemical().empty())
        SaveScenarioRecord();
    RunSucceeded = pass;
}

void TDisposalForm::RunDispClick() {
    BitBtn2Click();
    if (RunSucceeded) {
        const double shown = ReadNumber(*Field("ProdVolDisp"));
        if (CurrentPmn.PRODVOL == 0 || shown == 0) {
            if (EnteredInputs.ProdVol > 0) {
                const DisposalEnteredInputs entered = EnteredInputs;
                ShowValue(entered.ProdVol, *ProdVolDispInp);
                ShowValue(entered.Coc[0], *Coc0DispInp);
                ShowValue(entered.Coc[1], *Coc1DispInp);
                ShowValue(entered.Coc[2], *Coc2DispInp);
                ShowValue(entered.YearsUse, *YrsUseDispInp);
                Shape1->show();
            }
            BitBtn2Click();
        }
    }
    AfterModuleRun(5);
}

void TDisposalForm::ShowDisposalResults() {
    HiEnd->SetChecked(HighEnd->Checked());
    AveCase->SetChecked(AveEnd->Checked());
    HiEnd->setVisible(forms::Visible(HighEnd));
    AveCase->setVisible(forms::Visible(AveEnd));
    if (PdmSelectionIndex() == 0)
        ResultTabs->setCurrentWidget(PdmDispPage);
    for (const auto& [name, text] : DisposalPageTexts(CurrentPmn, Results))
        if (forms::TEdit* field = Field(name))
            field->SetText(text);
}

void TDisposalForm::DispHelpClick() {
    forms::Ui().ShowHelp("Consumer_Disposal_Inputs");
}

void TDisposalForm::DispResHelpClick() {
    forms::Ui().ShowHelp("Consumer_Disposal_Results");
}

void TDisposalForm::Button2Click() {
    PrintOnePage(Caption(), [this](print::PrintJob& job) { PrintDisposalResults(*this, job); });
}

void OpenDisposalForm() {
    TDisposalForm form;
    DisposalForm = &form;
    form.ShowModal();
    DisposalForm = nullptr;
}
