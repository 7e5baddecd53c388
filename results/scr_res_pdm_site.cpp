// The handlers of the dilution site page: choosing and finding the facility, the gaging station,
// the page's inputs and their checks, taking the page into the record, and its submit commands.
#include <QGridLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "chemistry/astreat_inputs.h"
#include "chemistry/astreat_values.h"
#include "dilution/pdm_older_path.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "releases/facility_search.h"
#include "releases/treatment_handoff.h"
#include "results/pdm_page_inputs.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_solo.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

// Stations of one reach are few; the bound only keeps a damaged table from looping.
constexpr int MostStationsOfAReach = 10000;

const char* const NoFlowsMessage =
    "No available flows for this reach.  PDM cannot be performed for this facility.";

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void ShowNote(const std::string& text) {
    forms::Ui().MessageBox(text, "Note", forms::Buttons::Ok, forms::Icon::Information);
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

// The facility of an NPDES number on the NPDES index: 'D' when found, ' ' when not. An empty
// number finds nothing: the lookup would read whatever facility the table stands on.
char LookUpFacility(const std::string& npdes) {
    FacilityIndexName = "NPDES";
    return npdes.empty() ? ' ' : LoadFacility(npdes, FacilityIndexName);
}

// On the dilution pages used alone each run adds a row, so a full grid takes no further run;
// and without a release named the run would store the page's inputs on whatever release the
// record holds.
bool StandAloneSiteRunAllowed(const forms::TStringGrid& grid, const std::string& key) {
    if (ResultGridFull(grid, std::max(PdmSiteResultRows, 1)))
        return false;
    if (!key.empty())
        return true;
    ShowNote("You have not selected a release number.");
    return false;
}

}  // namespace

void TScrResForm::ShowField(const std::string& name, bool shown) {
    forms::TEdit* edit = Field(name);
    if (!edit)
        return;
    edit->setVisible(shown);
    // The label stands left of the edit in the fields' grid.
    auto* grid =
        edit->parentWidget() ? qobject_cast<QGridLayout*>(edit->parentWidget()->layout()) : nullptr;
    if (!grid)
        return;
    int row = 0, col = 0, rowSpan = 0, colSpan = 0;
    grid->getItemPosition(grid->indexOf(edit), &row, &col, &rowSpan, &colSpan);
    if (QLayoutItem* label = col > 0 ? grid->itemAtPosition(row, col - 1) : nullptr;
        label && label->widget())
        label->widget()->setVisible(shown);
}

void TScrResForm::ConnectPdmSitePage() {
    FindNpdesPdmSite->setToolTip(
        "Enter a NPDES (partial or full) and click here to get a listing to the right");
    FindNpdesPdmSite->OnClick = [this] { FindNpdesPdmSiteClick(); };
    SubmitNewSite->OnClick = [this] { SubmitNewSiteClick(); };
    SubmitReallyNewSite->OnClick = [this] { SubmitReallyNewSiteClick(); };
    SubmitAndSaveSite->OnClick = [this] { SubmitAndSaveSiteClick(); };
    SubmitPdmSite->OnClick = [this] { SubmitPdmSiteClick(); };
    SavePdmSite->OnClick = [this] { SavePdmSiteClick(); };
    ClearPdmSiteResults->OnClick = [this] { ClearPdmSiteResultsClick(); };
    CalcAsTreatPdmSite->OnClick = [this] { CalcAsTreatPdmSiteClick(); };
    QObject::connect(RelNumPDMSite, &QComboBox::activated, this,
                     [this](int) { RelNumPDMSiteChange(); });
    QObject::connect(NpdesListPdmSite, &QComboBox::activated, this,
                     [this](int) { NpdesListPdmSiteChange(); });
    QObject::connect(GagePdmSite, &QComboBox::activated, this,
                     [this](int) { GagePdmSiteChange(); });
    for (const char* name :
         {"NpdesPdmSite", "IndTypePdmSite", "RelDaysPdmSite", "CocPdmSite", "PreTreatPdmSite"})
        Field(name)->setReadOnly(false);
    struct Input {
        const char* name;
        void (TScrResForm::*exit)();
        bool clearedStandAlone;  // cleared on entry on the stand-alone pages, else in a full run
    };
    const Input inputs[] = {{"WwtPdmSite", &TScrResForm::WwtPdmSiteExit, true},
                            {"RelDaysPdmSite", &TScrResForm::RelDaysPdmSiteExit, true},
                            {"CocPdmSite", &TScrResForm::CocPdmSiteExit, true},
                            {"PreTreatPdmSite", &TScrResForm::PreTreatPdmSiteExit, false}};
    for (const Input& input : inputs)
        ConnectPdmInput(*Field(input.name), input.clearedStandAlone,
                        [this, exit = input.exit] { (this->*exit)(); });
}

void TScrResForm::PdmSitePageShow() {}

void TScrResForm::PdmSitePageExit() {}

void TScrResForm::WwtPdmSiteExit() {
    TakeRemovalInput(*Field("WwtPdmSite"));
    ShowPostTreatmentRelease(1);
}

void TScrResForm::RelDaysPdmSiteExit() {
    TakeReleaseDaysInput(*Field("RelDaysPdmSite"));
}

void TScrResForm::CocPdmSiteExit() {
    TakeCocInput(*Field("CocPdmSite"));
}

void TScrResForm::PreTreatPdmSiteExit() {
    TakePreTreatmentInput(*Field("PreTreatPdmSite"));
    ShowPostTreatmentRelease(1);
}

void TScrResForm::FillGageList() {
    const pmn_record& r = CurrentPmn;
    const QSignalBlocker quiet(GagePdmSite);
    GagePdmSite->clear();
    for (int n = 0; n < MostStationsOfAReach && LoadGageFlows(r.REACH, n); ++n)
        GagePdmSite->addItem(QString::fromStdString(ActFlowRec.STA_ID));
    // A stored position outside the reach's stations means its first station.
    const double stored = std::trunc(r.GAGE_POS);
    const int position =
        stored >= 0 && stored < GagePdmSite->count() ? static_cast<int>(stored) : 0;
    GagePdmSite->setCurrentIndex(GagePdmSite->count() > 0 ? position : -1);
    GagePdmSiteChange();
}

void TScrResForm::ShowGageGroup(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(GageLabel), static_cast<QWidget*>(GagePdmSite)})
        w->setVisible(shown);
    for (const char* name : {"NumObsPdmSite", "PeriodPdmSite", "EffFlowPdmSite"})
        ShowField(name, shown);
}

void TScrResForm::NpdesListPdmSiteChange() {
    pmn_record& r = CurrentPmn;
    SubmitPdmSite->hide();
    SubmitNewSite->show();
    SubmitReallyNewSite->show();
    const std::string npdes =
        UseRecordNpdes ? r.NPDES : NpdesListPdmSite->currentText().toStdString();
    r.DTYPE = LookUpFacility(npdes);
    const bool found = r.DTYPE == 'D';
    SetField("DischargeTypePdmSite", r.DTYPE == 'D' ? "Direct" : r.DTYPE == ' ' ? "Indirect" : "");
    (r.HIT == 'Y' ? YesPdmSite : r.HIT == 'N' ? NoPdmSite : UnkPdmSite)->setChecked(true);
    // A facility that is not in the table shows nothing of the nearest one in its place.
    const direct_record facility = found ? DirectRec : direct_record{};
    SetField("FacNamePdmSite", facility.NAME);
    SetField("FacLocPdmSite", facility.CITY);
    SetField("NpdesPdmSite", found ? facility.NPDES : npdes);
    SetValue("WwtPdmSite", r.WWT_LOW);
    r.FAC_NAME = facility.NAME;
    r.FAC_LOC = facility.CITY + " " + facility.ST + " " + facility.ZIP;
    SetField("ReachNumPdmSite", facility.REACH);
    SetField("ReachNamePdmSite", facility.REACHNM);
    r.PLANTFLO = facility.PLANTFLOW;
    r.NPDES = found ? facility.NPDES : npdes;
    r.REACH = facility.REACH;
    GageFlowsFound = LoadGageFlows(r.REACH, 0);
    const bool station = GageFlowsFound == 1;
    if (station)
        FillGageList();
    ShowGageGroup(station);
    SetValue("EffFlowPdmSite", r.PLANTFLO);
    // The estimate looks the record's facility up again; without one there is nothing to find.
    EstimatedFlowsFound = found ? LoadEstimatedFlows(r.REACH) : 0;
    if (!station) {
        if (EstimatedFlowsFound != 1) {
            ShowNote(NoFlowsMessage);
            for (forms::TButton* button : {SubmitPdmSite, SubmitNewSite, SubmitReallyNewSite})
                button->hide();
            SetField("HarMeanFlowPdmSite", "");
            SetField("Flow7q10PdmSite", "");
        } else {
            SetValue("HarMeanFlowPdmSite", EstFlowRec.MeanFlow);
            SetValue("Flow7q10PdmSite", EstFlowRec.LowFlow);
            SetField("NumObsPdmSite", "");
            SetField("PeriodPdmSite", "");
        }
    }
    for (int k = 0; k < 3; ++k) {
        SetField("Days" + std::to_string(k) + "Exceeded", "");
        SetField("Percent" + std::to_string(k) + "Exceeded", "");
    }
    ClearPdmSiteResultsClick();
}

void TScrResForm::GagePdmSiteChange() {
    const int position = GagePdmSite->currentIndex();
    if (position < 0)
        return;
    GageFlowsFound = LoadGageFlows(DirectRec.REACH, position);
    // A station whose row is missing shows the flows the lookup left.
    const double mean = ActFlowRec.FlowValues[50];
    const double low = ActFlowRec.FlowValues[10];
    SetValue("HarMeanFlowPdmSite", mean);
    SetValue("Flow7q10PdmSite", low);
    SetField("NumObsPdmSite", std::to_string(ActFlowRec.NUMFLWVALS));
    SetField("PeriodPdmSite", ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY);
    PdmSiteMeanFlow = mean;
    PdmSiteLowFlow = low;
}

void TScrResForm::FindNpdesPdmSiteClick() {
    pmn_record& r = CurrentPmn;
    for (const char* name : {"RelDaysPdmSite", "CocPdmSite", "PreTreatPdmSite", "PostTreatPdmSite"})
        SetField(name, "0");
    r.H2ODAYLO = r.H2ODAYHI = r.COC0 = r.COC1 = r.COC2 = r.H2O_HI = r.PostTreat = 0;
    const std::string typed = UpperCase(FieldText("NpdesPdmSite"));
    if (typed.empty()) {
        ShowNote(
            "You must input at least a partial NPDES number in the edit box to the left of\nthe "
            "\"FIND NPDES\" button in order to perform a search.");
        return;
    }
    SetField("NpdesPdmSite", typed);
    NpdesListPdmSite->show();
    NpdesListPdmSite->clear();
    // The search's lookups pass through the record; a search that finds nothing leaves the
    // facility of the page as it was.
    const pmn_record recordBefore = r;
    const direct_record facilityBefore = DirectRec;
    const reach_record reachBefore = ReachRec;
    std::vector<tmp_record> found;
    {
        const forms::Hourglass busy;
        FacilitySearchRequest request;
        request.kind = SearchKind::Npdes;
        request.text = typed;
        found = SearchFacilities(request);
    }
    if (found.empty()) {
        r = recordBefore;
        DirectRec = facilityBefore;
        ReachRec = reachBefore;
        ShowNote("No facility has an NPDES number beginning with \"" + typed + "\".");
        return;
    }
    {
        const QSignalBlocker quiet(NpdesListPdmSite);
        for (const tmp_record& row : found)
            NpdesListPdmSite->addItem(QString::fromStdString(row.NPDES));
        NpdesListPdmSite->setCurrentIndex(0);
    }
    NpdesListPdmSiteChange();
}

int TScrResForm::CollectPdmSiteInputs() {
    pmn_record& r = CurrentPmn;
    // Without a release named on the page the record keeps its own key: taking an empty key
    // would save the page's inputs under no release at all.
    const std::string key = RelNumPDMSite->currentText().toStdString();
    if (!key.empty())
        SplitReleaseKey(key);
    MissingInputsText.clear();
    r.RELEASE = FieldText("IndTypePdmSite");
    r.NPDES = FieldText("NpdesPdmSite");
    r.SIC_CODE = -1;
    r.FAC_NAME = FieldText("FacNamePdmSite");
    r.FAC_LOC = FieldText("FacLocPdmSite");
    r.DTYPE = LookUpFacility(r.NPDES);
    r.COC0 = TypedNumber(FieldText("CocPdmSite"));
    const bool gage = forms::Visible(GagePdmSite);
    r.GAGE_POS = gage ? GagePdmSite->currentIndex() : 0;
    r.NUM_GAGES = gage ? GagePdmSite->count() : 0;
    r.H2ODAYHI = r.H2ODAYLO = TypedNumber(FieldText("RelDaysPdmSite"));
    r.H2O_HI = r.H2O_LO = TypedNumber(FieldText("PreTreatPdmSite"));
    MissingInputsText = MissingPdmRunInputs(r);
    r.WWT_HI = r.WWT_LOW;
    if (r.RELEASES.size() < 4)
        r.RELEASES.resize(4, '0');
    const char mark = !r.NPDES.empty() || r.SIC_CODE >= 1 ? 'X' : '0';
    r.RELEASES[0] = r.RELEASES[1] = mark;  // surface water and landfill
    r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
    r.DAYSSLUDGE = r.H2ODAYHI;
    ShowPostTreatmentRelease(1);
    return MissingInputsText.empty() ? 1 : 0;
}

void TScrResForm::ClearPdmSiteResultsClick() {
    if (!KeepPdmResults) {
        const int used = std::min(std::max(PdmSiteResultRows, 1), PdmSiteResultsList->RowCount());
        for (int row = 1; row < PdmSiteResultsList->RowCount() && row <= used; ++row) {
            for (int col = 0; col < PdmSiteResultsList->ColCount(); ++col)
                PdmSiteResultsList->SetCells(col, row, "");
        }
        PdmSiteResultRows = 1;
    }
    SavePdmSite->hide();
    SubmitAndSaveSite->hide();
}

void TScrResForm::ShowPdmSiteResultRow() {
    const pmn_record& r = CurrentPmn;
    // Row 0 holds the units; a result never goes there, nor past the grid's last row (the
    // submit refuses a run while the grid is full).
    const int row = std::max(PdmSiteResultRows, 1);
    if (row >= PdmSiteResultsList->RowCount())
        return;
    PdmSiteResultsList->SetCells(0, row, FormatFixed2Width10(PdmCoc[0]));
    PdmSiteResultsList->SetCells(1, row, FormatFixed0Width10(PdmPercentExceeded[0]));
    PdmSiteResultsList->SetCells(2, row, FormatFixed0Width10(PdmDaysExceeded[0]));
    PdmSiteResultsList->SetCells(3, row, FormatFixed0Width6(r.H2ODAYHI));
    PdmSiteResultsList->SetCells(4, row, FormatFixed2Width10(PdmPreTreatRelease));
    PdmSiteResultsList->SetCells(5, row, FormatFixed2Width6(PdmWwtRemoval));
    PdmSiteResultRows = row;
}

void TScrResForm::SaveWithoutAskingBy(void (TScrResForm::*save)()) {
    SaveWithoutAsking = true;
    (this->*save)();
    SaveWithoutAsking = false;
}

void TScrResForm::ForgetPartsBeforeSubmit(const forms::TStringGrid& resultsList) {
    if (!forms::Visible(&resultsList))
        return;
    FilesList->SetCells(0, 0, "");
    FilesList->SetCells(1, 0, "");
    Report.FilesList.clear();
}

void TScrResForm::SubmitNewSiteClick() {
    SubmitAndSaveSite->hide();
    const std::string key = RelNumPDMSite->currentText().toStdString();
    if (PdmPagesActive == 1 && !StandAloneSiteRunAllowed(*PdmSiteResultsList, key))
        return;
    LoadScenarioRecord(key.empty() ? CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum : key);
    CollectPdmSiteInputs();
    if (const std::string refusal = PdmRunInputsRefusal(CurrentPmn); !refusal.empty()) {
        ShowError(refusal);
        SavePdmSite->show();
        return;
    }
    ForgetPartsBeforeSubmit(*PdmSiteResultsList);
    ScenarioCode = 8;
    SaveScenarioRecord();
    RunPdmSite(0);
    SetField("Days0Exceeded", sys::Format("%.0f", PdmDaysExceeded[0]));
    SetValue("Percent0Exceeded", PdmPercentExceeded[0]);
    ShowPdmSiteResultRow();
    if (PdmPagesActive == 1)
        ++PdmSiteResultRows;
    ShowPdmSiteResults();
    SavePdmSite->show();
    SaveWithoutAskingBy(&TScrResForm::SavePdmSiteClick);
    SavePdmSite->show();
}

void TScrResForm::SubmitReallyNewSiteClick() {
    // The Word documents of the dilution pages are written by one document form for the
    // program's life; nothing is to be made here before the run.
    SubmitNewSiteClick();
}

void TScrResForm::SubmitAndSaveSiteClick() {
    // The run goes again onto the row of the last submit, never onto the units row.
    PdmSiteResultRows = std::max(PdmSiteResultRows - 1, 1);
    SubmitReallyNewSiteClick();
    SavePdmSiteClick();
}

void TScrResForm::CalcAsTreatPdmSiteClick() {
    forms::TEdit& edit = *Field("PreTreatPdmSite");
    try {
        AsTreatLoading = ParseNumber(edit.Text());
    } catch (const std::invalid_argument&) {
        ShowError("Pretreatment release: \"" + edit.Text() + "\" is not a number.");
        return;
    }
    TAsTreatInputs dialog;
    dialog.ShowModal();
    // A dialog closed without a run that succeeded leaves the removal shown as it was.
    if (dialog.RunSucceeded())
        SetValue("WwtPdmSite", AsTreatWwtRemoval);
}

void TScrResForm::SubmitPdmSiteClick() {
    CollectPdmSiteInputs();
    if (const std::string refusal = PdmRunInputsRefusal(CurrentPmn); !refusal.empty()) {
        ShowError(refusal);
    } else {
        SaveScenarioRecord();
        RunPdmBySite(0);
        ShowPdmSiteResults();
        SavePdmSite->show();
        SaveWithoutAskingBy(&TScrResForm::SavePdmSiteClick);
    }
    SavePdmSite->show();
}
