// The facility search by permit number, name, SIC code and reach with its area choices, choosing
// a facility with its gaging stations, and rows that name no facility.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include <QStackedWidget>
#include <QTest>

#include "releases/facility_search.h"
#include "releases/flow_mods.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"

namespace {

// The shipped facility rows as the source data has them: NPDES, NAME, ST, SIC, REACH.
struct SourceFacility {
    std::string npdes, name, state, sic, reach;
};

std::vector<SourceFacility> SourceFacilities() {
    std::ifstream in(std::string(OMBRIX_SOURCE_DIR) + "/data/tables/sids2004.csv");
    std::vector<SourceFacility> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::stringstream fields(line);
        std::string cell;
        while (std::getline(fields, cell, ','))
            cells.push_back(cell);
        cells.resize(23);
        rows.push_back({cells[0], cells[1], cells[4], cells[8], cells[13]});
    }
    return rows;
}

// NPDES numbers of the source rows that pass, in NPDES order.
template <typename Predicate>
std::vector<std::string> Expected(Predicate pass) {
    std::vector<std::string> npdes;
    for (const SourceFacility& f : SourceFacilities()) {
        if (pass(f))
            npdes.push_back(f.npdes);
    }
    std::sort(npdes.begin(), npdes.end());
    return npdes;
}

bool Starts(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class FacilitySearchTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        Open();
        form->SurfWaterCheck->SetChecked(true);
        Click(form->FacilityRadio);
        ui.ClearShown();
    }
    std::vector<std::string> Search(int field, const std::string& text, bool byRegion = false,
                                    const std::string& area = "") {
        form->SearchField->setCurrentIndex(field);
        if (byRegion)
            form->ByRegion->SetChecked(true);
        if (!area.empty())
            form->SearchArea->setCurrentText(QString::fromStdString(area));
        form->SearchFor->SetText(text);
        Click(form->PerformSearch);
        std::vector<std::string> found;
        for (int row = 1; row < form->FacilityGrid->RowCount(); ++row)
            found.push_back(form->FacilityGrid->Cells(0, row));
        return found;
    }
};

TEST_F(FacilitySearchTest, ByPermitNumber) {
    std::vector<std::string> found = Search(0, "VA");
    EXPECT_EQ(found, Expected([](const SourceFacility& f) { return Starts(f.npdes, "VA"); }));
    EXPECT_EQ(found.size(), 9u);
    EXPECT_FALSE(form->SearchArea->isVisible()) << "no area choice for a permit number";
    EXPECT_EQ(form->FacilityGrid->Cells(1, 0), "FACILITY NAME");
    EXPECT_EQ(form->FacilityGrid->Cells(6, 1), "Direct");
    EXPECT_EQ(form->FacilityGrid->Cells(7, 1), "Active");
}

TEST_F(FacilitySearchTest, ByNameInEveryStateAndInOne) {
    std::vector<std::string> all = Search(1, "hawthorn");
    EXPECT_EQ(form->SearchFor->Text(), "HAWTHORN");
    EXPECT_EQ(all, Expected([](const SourceFacility& f) { return Starts(f.name, "HAWTHORN"); }));
    ASSERT_GE(all.size(), 3u);
    std::vector<std::string> inNy = Search(1, "HAWTHORN", false, "NY");
    EXPECT_EQ(inNy, Expected([](const SourceFacility& f) {
                  return Starts(f.name, "HAWTHORN") && f.state == "NY";
              }));
    EXPECT_LT(inNy.size(), all.size());
}

TEST_F(FacilitySearchTest, BySicCodeAndByRegion) {
    EXPECT_EQ(Search(2, "2865"),
              Expected([](const SourceFacility& f) { return Starts(f.sic, "2865"); }));
    std::vector<std::string> region = Search(2, "2865", true, "Region 08");
    EXPECT_EQ(region, Expected([](const SourceFacility& f) {
                  return Starts(f.sic, "2865") && Starts(f.reach, "08");
              }));
    EXPECT_FALSE(region.empty());
}

TEST_F(FacilitySearchTest, ByReach) {
    EXPECT_EQ(Search(3, "18071619825"),
              Expected([](const SourceFacility& f) { return f.reach == "18071619825"; }));
    EXPECT_EQ(form->SearchArea->currentText().toStdString(), "All regions");
}

TEST_F(FacilitySearchTest, AreaLists) {
    std::vector<std::string> regions = SearchAreaEntries(true);
    ASSERT_EQ(regions.size(), 19u);
    EXPECT_EQ(regions[1], "Region 01");
    EXPECT_EQ(regions[18], "Region 18");
    std::vector<std::string> states = SearchAreaEntries(false);
    EXPECT_EQ(states.front(), "All states");
    EXPECT_EQ(states[1], "AL");
    EXPECT_EQ(states.back(), "WY");
    EXPECT_TRUE(PassesSearchArea("VA1", "0311", "All states", true, true, false));
    EXPECT_FALSE(PassesSearchArea("VA1", "0311", "NY", false, true, false));
    EXPECT_TRUE(PassesSearchArea("VA1", "0311", "Region 03", false, false, true));
    EXPECT_FALSE(PassesSearchArea("VA1", "0311", "Region 04", false, false, true));
}

TEST_F(FacilitySearchTest, NothingFoundAndNothingToSearchFor) {
    Search(0, "ZZ");
    ASSERT_EQ(form->FacilityGrid->RowCount(), 2);
    EXPECT_EQ(form->FacilityGrid->Cells(1, 1), "No Facilities Found");
    CurrentPmn.NPDES = "NY0020371";
    CurrentPmn.SIC_CODE = 25;
    DoubleClickRow(form->FacilityGrid, 1);
    EXPECT_EQ(CurrentPmn.NPDES, "NY0020371") << "a row without permit number stores nothing";
    EXPECT_EQ(CurrentPmn.SIC_CODE, 25);

    Search(0, "");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Please enter something to search for.");
}

// A facility on a reach with three gaging stations: every flow mark cleared, the stations listed.
TEST_F(FacilitySearchTest, ChoosingAFacilityWithSeveralStations) {
    pmn_record& r = CurrentPmn;
    for (std::string* mark :
         {&r.EFFFLG, &r.FL1Q10FLG, &r.FL30Q5FLG, &r.FL7Q10FLG, &r.MEANFLG, &r.HARMNFLG})
        *mark = "*";
    Search(0, "CA3629654");
    DoubleClickRow(form->FacilityGrid, 1);
    EXPECT_EQ(r.NPDES, "CA3629654");
    EXPECT_EQ(r.FAC_NAME, "CALDER WPCP");
    EXPECT_EQ(r.REACH, "18071619825");
    EXPECT_EQ(r.SIC_CODE, -1);
    EXPECT_EQ(r.NUM_GAGES, 3);
    EXPECT_EQ(r.GAGE_POS, 0);
    EXPECT_EQ(r.IACC, "This is an active site");
    EXPECT_DOUBLE_EQ(r.MEANFLOW, 3450.439);
    EXPECT_DOUBLE_EQ(r.FLOW7Q10, 274.499);
    for (const std::string* mark :
         {&r.EFFFLG, &r.FL1Q10FLG, &r.FL30Q5FLG, &r.FL7Q10FLG, &r.MEANFLG, &r.HARMNFLG})
        EXPECT_EQ(*mark, "");
    EXPECT_EQ(form->GageList->count(), 3);
    EXPECT_TRUE(form->GageList->isVisible());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "This facility connects to a reach with multiple gaging stations.\nChoose a gaging "
              "station for use in the PDM component of this module.");
    EXPECT_EQ(form->NpdesGri->Text(), "CA3629654");

    form->GageList->setCurrentIndex(2);
    emit form->GageList->activated(2);
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_EQ(CurrentPmn.GAGE_POS, 2);
    EXPECT_EQ(CurrentPmn.NPDES, "CA3629654");
}

// "Modify Flows" is not shown; when it is pressed all the same, the flow dialog opens on the
// chosen facility and the flow typed there is stored with its mark.
TEST_F(FacilitySearchTest, ModifyFlowsOpensTheFlowDialogOnTheFacility) {
    Search(0, "CA3629654");
    DoubleClickRow(form->FacilityGrid, 1);
    EXPECT_FALSE(forms::Visible(form->ModifyFlows));
    ui.ClearShown();
    std::string shownNpdes;
    ui.OnNextModal([&](forms::Form& shown) {
        auto* flows = dynamic_cast<TFlowMods*>(&shown);
        if (!flows)
            return int(forms::mrCancel);
        shownNpdes = flows->Npdes->Text();
        flows->MeanFlow->OnEnter();
        flows->MeanFlow->SetText("4000");
        flows->MeanFlow->OnExit();
        flows->show();
        QTest::mouseClick(flows->BitBtn1, Qt::LeftButton);
        flows->hide();
        return int(forms::mrOk);
    });
    form->ModifyFlows->show();
    for (QWidget* w = form->ModifyFlows; w->parentWidget(); w = w->parentWidget())
        if (auto* pages = qobject_cast<QStackedWidget*>(w->parentWidget()))
            pages->setCurrentWidget(w);
    Click(form->ModifyFlows);
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].kind, "modal");
    EXPECT_EQ(shownNpdes, "CA3629654");
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_DOUBLE_EQ(CurrentPmn.MEANFLOW, 4000);
    EXPECT_EQ(CurrentPmn.MEANFLG, "*");
}

TEST_F(FacilitySearchTest, AFacilityWithoutAValidReachSaysSo) {
    Search(0, "AZ9596350");
    DoubleClickRow(form->FacilityGrid, 1);
    EXPECT_EQ(CurrentPmn.NPDES, "AZ9596350");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "This facility does not have a valid reach #.\nPlease choose another facility.");
}

TEST_F(FacilitySearchTest, AnNpdesTextThatIsNoPermitNumberStartsASearch) {
    Type(form->NpdesGri, "NY00");
    EXPECT_EQ(form->SearchFor->Text(), "NY00");
    EXPECT_EQ(form->ReleaseInfoPages->currentWidget(), form->SelectFacilityPage);
    EXPECT_EQ(form->FacilityGrid->Cells(0, 1), "NY0020371");
}

}  // namespace
