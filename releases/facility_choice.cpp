// TScrLevelForm: the facility search page, choosing a facility and its gaging station, and
// choosing an industry category.
#include <QSignalBlocker>

#include "dilution/industry_categories.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "releases/facility_search.h"
#include "releases/scr_level_form.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

constexpr int kReachKeyLength = 11;
const char* const kGridTitles[] = {"NPDES",      "FACILITY NAME", "LOCATION", "REACH",
                                   "REACH NAME", "SIC",           "D/I",      "Active/Inactive"};

std::string DirectText(const std::string& code) {
    return code == "D" ? "Direct" : "Indirect";
}

std::string ActiveText(const std::string& code) {
    if (code == "A")
        return "Active";
    if (code == "I")
        return "Inactive";
    return "Unknown";
}

void ShowNote(const std::string& text) {
    forms::Ui().MessageBox(text, "Note", forms::Buttons::Ok, forms::Icon::Information);
}

}  // namespace

void TScrLevelForm::SearchFieldChange() {
    const int item = SearchField->currentIndex();
    bool areaShown = item == 1 || item == 2;
    ByState->SetChecked(item != 3);
    ByRegion->SetChecked(item == 3);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ByState, ByRegion, SearchArea, AreaLabel})
        widget->setVisible(areaShown);
    FacilityIndexName = SearchIndexName(static_cast<SearchKind>(item < 0 ? 0 : item));
    FillRegionStateLists();
}

void TScrLevelForm::ByStateClick() {
    FillRegionStateLists();
}

void TScrLevelForm::FillRegionStateLists() {
    SearchArea->clear();
    for (const std::string& entry : SearchAreaEntries(ByRegion->Checked()))
        SearchArea->addItem(QString::fromStdString(entry));
    SearchArea->setCurrentIndex(0);
}

void TScrLevelForm::PerformSearchClick() {
    const int item = SearchField->currentIndex() < 0 ? 0 : SearchField->currentIndex();
    FacilityGrid->show();
    FacilityGrid->SetRowCount(1);
    for (int col = 0; col < 8; ++col)
        FacilityGrid->SetCells(col, 0, kGridTitles[col]);
    const std::string text = sys::UpperCase(SearchFor->Text());
    SearchFor->SetText(text);
    if (text.empty()) {
        ShowNote("Please enter something to search for.");
        return;
    }
    forms::Hourglass wait;
    FacilitySearchRequest request;
    request.kind = static_cast<SearchKind>(item);
    request.text = text;
    request.areaEntry = SearchArea->currentText().toStdString();
    request.firstEntry = SearchArea->currentIndex() <= 0;
    request.byState = ByState->Checked();
    request.byRegion = ByRegion->Checked();
    std::vector<tmp_record> hits = SearchFacilities(request);
    for (const tmp_record& hit : hits) {
        int row = FacilityGrid->RowCount();
        const std::string cells[] = {
            hit.NPDES,   hit.NAME, hit.LOCATION,           hit.REACH,
            hit.REACHNM, hit.SIC,  DirectText(hit.D_OR_I), ActiveText(hit.ACTIVE)};
        for (int col = 0; col < 8; ++col)
            FacilityGrid->SetCells(col, row, cells[col]);
    }
    if (hits.empty())
        FacilityGrid->SetCells(1, 1, "No Facilities Found");
}

void TScrLevelForm::FacilityGridDblClick() {
    const int row = FacilityGrid->Row();
    const std::string npdes = FacilityGrid->Cells(0, row);
    // The title row and the "No Facilities Found" row name no facility.
    if (row < 1 || sys::Trim(npdes).empty())
        return;
    pmn_record& r = CurrentPmn;
    // A new facility starts with its own flows: no mark of a flow changed for another remains.
    for (std::string* mark :
         {&r.EFFFLG, &r.FL1Q10FLG, &r.FL30Q5FLG, &r.FL7Q10FLG, &r.MEANFLG, &r.HARMNFLG})
        mark->clear();
    r.NPDES = npdes;
    r.FAC_NAME = FacilityGrid->Cells(1, row);
    r.FAC_LOC = FacilityGrid->Cells(2, row);
    r.REACH = FacilityGrid->Cells(3, row);
    r.REACHNAME = FacilityGrid->Cells(4, row);
    r.SIC_CODE = -1;
    r.GAGE_POS = 0;
    r.NUM_GAGES = 0;
    ListGagingStations();
    r.DTYPE = 'D';
    FacilityIndexName = "NPDES";
    const std::string reach = r.REACH;
    const std::string reachName = r.REACHNAME;
    LoadFacility(r.NPDES, FacilityIndexName);
    // The reach is the facility's own, as listed; a facility without one has no reach flows.
    r.REACH = reach;
    r.REACHNAME = reachName;
    r.IACC = DirectRec.IACC;
    if (r.IACC == "I")
        r.IACC = "This is an inactive site";
    else if (r.IACC == "A")
        r.IACC = "This is an active site";
    r.NPDES = DirectRec.NPDES;
    if (ReachRec.REACH == reach) {
        CopyReachFlows(r);
    } else {
        r.MEANFLOW = r.HARFLOW = r.FLOW7Q10 = r.FLOW30Q5 = r.FLOW1Q10 = 0;
    }
    r.PLANTFLO = DirectRec.PLANTFLOW;
    ShowStationChoice();
    NpdesGri->SetText(r.NPDES);
    FacName->SetText(r.FAC_NAME);
    ActInactGenRel->SetText(r.IACC);
    SicDescGri->SetText("");
    ChosenCategory = 0;
    SaveScenarioRecord();
}

void TScrLevelForm::ListGagingStations() {
    pmn_record& r = CurrentPmn;
    GageFound = LoadGageFlows(r.REACH, 0);
    if (GageFound != 1)
        return;
    GageList->clear();
    for (int n = 0; LoadGageFlows(r.REACH, n) == 1; ++n)
        GageList->addItem(QString::fromStdString(ActFlowRec.STA_ID));
    GageFound = LoadGageFlows(r.REACH, 0);
    GageList->setCurrentIndex(0);
    r.GAGE_POS = 0;
    r.NUM_GAGES = GageList->count();
}

void TScrLevelForm::ShowStationChoice() {
    for (QWidget* widget : std::initializer_list<QWidget*>{GageList, Label221, BitBtn4})
        widget->hide();
    const bool validReach = CurrentPmn.REACH.size() == kReachKeyLength;
    const char* invalidReach =
        "This facility does not have a valid reach #.\nPlease choose another facility.";
    if (GageFound == 1 && GageList->count() > 1) {
        if (!validReach) {
            ShowNote(invalidReach);
            return;
        }
        for (QWidget* widget : std::initializer_list<QWidget*>{GageList, Label221, BitBtn4})
            widget->show();
        ShowNote(
            "This facility connects to a reach with multiple gaging stations.\nChoose a gaging "
            "station for use in the PDM component of this module.");
    } else if (validReach) {
        ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
    } else {
        ShowNote(invalidReach);
    }
}

void TScrLevelForm::GageListChange() {
    CurrentPmn.GAGE_POS = GageList->currentIndex();
    SaveScenarioRecord();
}

void TScrLevelForm::BitBtn4Click() {
    ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
}

void TScrLevelForm::SICGridDblClick() {
    const int category = SICGrid->Row();
    if (category < 1 || category > IndustryCategoryCount)
        return;
    pmn_record& r = CurrentPmn;
    r.SIC_CODE = category;
    ChosenCategory = category;
    SicDescGri->SetText(SICGrid->Cells(0, category));
    SicDescription = SICGrid->Cells(0, category);
    r.NPDES.clear();
    r.IACC.clear();
    r.FAC_NAME.clear();
    r.FAC_LOC.clear();
    r.REACH.clear();
    r.REACHNAME.clear();
    NpdesGri->SetText("");
    r.MEANFLOW = 0;
    r.FLOW7Q10 = 0;
    r.HARFLOW = 0;
    r.FLOW30Q5 = 0;
    r.FLOW1Q10 = 0;
    LoadSicFlowStats();
    SetSicCodesForCategory(category);
    ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
}
