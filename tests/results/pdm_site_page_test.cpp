// The dilution site page: finding and choosing the facility, the gaging station, the inputs and
// their checks, the collection of the page, and its submit commands.
#include <gtest/gtest.h>
#include <QTest>

#include "pdm_page_fixture.h"

#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "releases/treatment_handoff.h"
#include "results/scr_res_form.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

class PdmSitePageTest : public PdmPageTest {
  protected:
    void SetUp() override {
        PdmPageTest::SetUp();
        form->RelNumPDMSite->addItem(QString::fromStdString(Key(1)));
        form->show();
        form->ScrResults->setCurrentWidget(form->PdmSitePage);
    }

    std::string Text(const char* name) const { return form->FieldText(name); }
    void Type(const char* name, const std::string& text) { form->Field(name)->SetText(text); }

    // Types a (partial) NPDES and presses "<--Find Entered NPDES".
    void Find(const std::string& typed) {
        Type("NpdesPdmSite", typed);
        QTest::mouseClick(form->FindNpdesPdmSite, Qt::LeftButton);
    }

    std::vector<std::string> Listed(const QComboBox* list) const {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        return items;
    }

    // Inputs of a run on the facility of two stations.
    void EnterRunInputs() {
        Find("NY0020371");
        Type("CocPdmSite", "10");
        Type("RelDaysPdmSite", "250");
        Type("PreTreatPdmSite", "2.5");
        form->Field("RelDaysPdmSite")->OnExit();
        form->Field("PreTreatPdmSite")->OnExit();
        ui.ClearShown();
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int col = 0; col < 6; ++col)
            cells.push_back(form->PdmSiteResultsList->Cells(col, row));
        return cells;
    }
};

TEST_F(PdmSitePageTest, APartialLowerCaseNpdesListsEveryMatchAndLoadsTheFirst) {
    Find("ny0");
    EXPECT_EQ(Listed(form->NpdesListPdmSite),
              (std::vector<std::string>{"NY0020371", "NY0462967", "NY0956944"}));
    EXPECT_EQ(form->NpdesListPdmSite->currentIndex(), 0);
    EXPECT_TRUE(ui.Boxes().empty());

    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(Text("NpdesPdmSite"), "NY0020371");
    EXPECT_EQ(r.NPDES, "NY0020371");
    EXPECT_EQ(r.REACH, "04011939805");
    EXPECT_EQ(Text("ReachNumPdmSite"), "04011939805");
    EXPECT_EQ(Text("DischargeTypePdmSite"), "Direct");
    EXPECT_TRUE(form->YesPdmSite->isChecked());
    EXPECT_FALSE(Text("FacNamePdmSite").empty());
    EXPECT_EQ(r.FAC_NAME, Text("FacNamePdmSite"));
    EXPECT_DOUBLE_EQ(r.PLANTFLO, 41.64);
    // The first of the reach's two stations, with its 50th and 10th percentile flows.
    EXPECT_EQ(Listed(form->GagePdmSite), (std::vector<std::string>{"01000185", "01000222"}));
    EXPECT_FALSE(form->GagePdmSite->isHidden());
    EXPECT_FALSE(form->Field("PeriodPdmSite")->isHidden());
    EXPECT_EQ(Text("PeriodPdmSite"), "1977-10-01 - 2007-09-30");
    EXPECT_EQ(Text("NumObsPdmSite"), "10957");
    EXPECT_DOUBLE_EQ(PdmSiteMeanFlow, 1638.7192);
    EXPECT_DOUBLE_EQ(PdmSiteLowFlow, 382.9898);
    EXPECT_EQ(Text("HarMeanFlowPdmSite"), DisplayValue(1638.7192));
    // The search starts the page's inputs afresh.
    for (const char* name : {"RelDaysPdmSite", "CocPdmSite", "PreTreatPdmSite", "PostTreatPdmSite"})
        EXPECT_EQ(Text(name), "0") << name;
    EXPECT_DOUBLE_EQ(r.COC0, 0);
    EXPECT_FALSE(form->SubmitNewSite->isHidden());

    form->GagePdmSite->setCurrentIndex(1);
    form->GagePdmSiteChange();
    EXPECT_DOUBLE_EQ(PdmSiteMeanFlow, 1540.7877);
    EXPECT_DOUBLE_EQ(PdmSiteLowFlow, 336.0881);
    EXPECT_EQ(Text("NumObsPdmSite"), "22646");
    EXPECT_EQ(Text("PeriodPdmSite"), "1942-10-01 - 2004-09-30");
}

TEST_F(PdmSitePageTest, AReachWithoutStationsShowsItsEstimatedFlows) {
    Find("NY0956944");
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(form->GagePdmSite->isHidden());
    EXPECT_TRUE(form->Field("PeriodPdmSite")->isHidden());
    EXPECT_FALSE(form->Field("CocPdmSite")->isHidden());  // the other fields stay
    EXPECT_EQ(Text("HarMeanFlowPdmSite"), DisplayValue(100));
    EXPECT_EQ(Text("Flow7q10PdmSite"), DisplayValue(10));
    EXPECT_EQ(Text("NumObsPdmSite"), "");
    EXPECT_FALSE(form->SubmitNewSite->isHidden());
}

TEST_F(PdmSitePageTest, AReachWithoutFlowsSaysSoAndHidesTheRunButtons) {
    Find("OH1413046");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "No available flows for this reach.  PDM cannot be performed for this facility.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    for (const forms::TButton* button :
         {form->SubmitPdmSite, form->SubmitNewSite, form->SubmitReallyNewSite})
        EXPECT_TRUE(button->isHidden());
    EXPECT_EQ(Text("HarMeanFlowPdmSite"), "");
    EXPECT_EQ(Text("Flow7q10PdmSite"), "");

    // Another facility brings the run buttons back.
    Find("NY0020371");
    EXPECT_FALSE(form->SubmitNewSite->isHidden());
    EXPECT_FALSE(form->SubmitReallyNewSite->isHidden());
}

TEST_F(PdmSitePageTest, ASearchWithoutTextOrWithoutMatchesChangesNoFacility) {
    Find("NY0020371");
    ui.ClearShown();
    Find("");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You must input at least a partial NPDES number in the edit box to the left of\n"
              "the \"FIND NPDES\" button in order to perform a search.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_EQ(CurrentPmn.NPDES, "NY0020371");

    ui.ClearShown();
    Find("zz9");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "No facility has an NPDES number beginning with \"ZZ9\".");
    EXPECT_EQ(CurrentPmn.NPDES, "NY0020371");
    EXPECT_EQ(CurrentPmn.REACH, "04011939805");
}

// Each input's exit check: the message shown, the value the record keeps and the text after.
TEST_F(PdmSitePageTest, InputChecksRefuseBadValuesAndKeepTheStoredOne) {
    Find("NY0020371");
    pmn_record& r = CurrentPmn;
    r.H2ODAYLO = r.H2ODAYHI = 200;
    r.WWT_LOW = 50;
    r.COC0 = 3;
    r.H2O_HI = 2;
    ExpectInputChecks({
        {"RelDaysPdmSite", "400", "Release days must be less than or equal to 365 days.",
         &r.H2ODAYLO, 200},
        {"WwtPdmSite", "150",
         "Low end wastewater treatment removal must be less than or equal "
         "to 100%",
         &r.WWT_LOW, 50},
        {"CocPdmSite", "-5", "Value must be greater than 0.0", &r.COC0, 3},
        {"CocPdmSite", "1-2", "Concentration of concern: \"1-2\" is not a number.", &r.COC0, 3},
        {"PreTreatPdmSite", "--", "Pretreatment release: \"--\" is not a number.", &r.H2O_HI, 2},
        {"RelDaysPdmSite", "300", nullptr, &r.H2ODAYLO, 300},
        {"CocPdmSite", "-9", nullptr, &r.COC0, NotApplicable},
    });
    EXPECT_DOUBLE_EQ(r.H2ODAYHI, 300);
    EXPECT_DOUBLE_EQ(r.WWT_HI, 50);

    // The release before treatment gives the release after it: 4 x (1 - 0.5) = 2.
    r.SLUDGEAB = 20;
    Type("PreTreatPdmSite", "4");
    form->Field("PreTreatPdmSite")->OnExit();
    EXPECT_DOUBLE_EQ(r.H2O_HI, 4);
    EXPECT_DOUBLE_EQ(r.H2O_LO, 4);
    EXPECT_DOUBLE_EQ(r.PostTreat, 2);
    EXPECT_EQ(Text("PostTreatPdmSite"), DisplayValue(2));
    EXPECT_DOUBLE_EQ(r.SORPTION, 20 * 0.01 * 4);
}

TEST_F(PdmSitePageTest, EnteringAnInputEmptiesItByTheMode) {
    for (int active : {1, 0}) {
        PdmPagesActive = static_cast<unsigned char>(active);
        for (const char* name : {"WwtPdmSite", "RelDaysPdmSite", "CocPdmSite", "PreTreatPdmSite"})
            Type(name, "7");
        for (const char* name : {"WwtPdmSite", "RelDaysPdmSite", "CocPdmSite", "PreTreatPdmSite"})
            form->Field(name)->OnEnter();
        const char* kept = active ? "7" : "";
        const char* cleared = active ? "" : "7";
        EXPECT_EQ(Text("WwtPdmSite"), cleared) << active;
        EXPECT_EQ(Text("RelDaysPdmSite"), cleared) << active;
        EXPECT_EQ(Text("CocPdmSite"), cleared) << active;
        EXPECT_EQ(Text("PreTreatPdmSite"), kept) << active;
    }
    Type("CocPdmSite", "1a2b.5");
    EXPECT_EQ(Text("CocPdmSite"), "12.5");
}

TEST_F(PdmSitePageTest, CollectingNamesEveryMissingInputInOrder) {
    Find("NY0020371");
    EXPECT_EQ(form->CollectPdmSiteInputs(), 0);
    EXPECT_EQ(form->MissingInputsText, "COC, Release days, Pretreatment release");

    Type("CocPdmSite", "10");
    Type("PreTreatPdmSite", "2");
    EXPECT_EQ(form->CollectPdmSiteInputs(), 0);
    EXPECT_EQ(form->MissingInputsText, "Release days");

    Type("RelDaysPdmSite", "250");
    form->GagePdmSite->setCurrentIndex(1);
    EXPECT_EQ(form->CollectPdmSiteInputs(), 1);
    EXPECT_EQ(form->MissingInputsText, "");
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.CaseNum, kChem);
    EXPECT_EQ(r.ScenNum, "1");
    EXPECT_EQ(r.SIC_CODE, -1);
    EXPECT_DOUBLE_EQ(r.COC0, 10);
    EXPECT_DOUBLE_EQ(r.H2ODAYLO, 250);
    EXPECT_DOUBLE_EQ(r.H2ODAYHI, 250);
    EXPECT_DOUBLE_EQ(r.H2O_LO, 2);
    EXPECT_DOUBLE_EQ(r.DAYSSLUDGE, 250);
    EXPECT_DOUBLE_EQ(r.GAGE_POS, 1);
    EXPECT_DOUBLE_EQ(r.NUM_GAGES, 2);
    EXPECT_EQ(r.RELEASES.substr(0, 2), "XX");
    EXPECT_DOUBLE_EQ(r.PostTreat, 2 * (1 - 0.01 * r.WWT_LOW));
}

TEST_F(PdmSitePageTest, ASubmitWithoutAConcentrationOfConcernRunsNothing) {
    EnterRunInputs();
    Type("CocPdmSite", "0");
    QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "COC must be greater than 0 before running PDM");
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(Row(1), std::vector<std::string>(6, ""));
    EXPECT_EQ(PdmSiteResultRows, 1);
    EXPECT_FALSE(form->SavePdmSite->isHidden());
}

// A submit takes the inputs as they stand, left or not, and refuses what the industry-code page
// refuses: nothing is run and nothing is stored with the release.
TEST_F(PdmSitePageTest, ASubmitRefusesInputsNoRunCanUse) {
    const struct {
        const char* field;
        const char* typed;
        const char* message;
    } cases[] = {
        {"RelDaysPdmSite", "-9", "Release days must be greater than 0 before running PDM"},
        {"PreTreatPdmSite", "-9", "Pretreatment release must be greater than 0 before running PDM"},
        {"CocPdmSite", "-9", "COC must be greater than 0 before running PDM"},
        {"RelDaysPdmSite", "400", "Release days must be less than or equal to 365 days."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        EnterRunInputs();
        LoadScenarioRecord(Key(1));
        const pmn_record before = CurrentPmn;
        Type(c.field, c.typed);
        QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, c.message);
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_EQ(Row(1), std::vector<std::string>(6, ""));
        EXPECT_EQ(PdmSiteResultRows, 1);
        LoadScenarioRecord(Key(1));
        EXPECT_EQ(CurrentPmn.H2ODAYHI, before.H2ODAYHI);
        EXPECT_EQ(CurrentPmn.H2O_HI, before.H2O_HI);
        EXPECT_EQ(CurrentPmn.COC0, before.COC0);
    }
}

TEST_F(PdmSitePageTest, TwoSubmitsOnTheStandAlonePagesFillTwoRows) {
    EnterRunInputs();
    QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().front().text;
    Type("CocPdmSite", "100");
    form->SubmitReallyNewSiteClick();
    EXPECT_EQ(PdmSiteResultRows, 3);
    const std::vector<std::string> first = Row(1);
    const std::vector<std::string> second = Row(2);
    EXPECT_EQ(first[0], "     10.00");
    EXPECT_EQ(second[0], "    100.00");
    for (const auto& row : {first, second}) {
        EXPECT_EQ(row[3], "   250");
        EXPECT_EQ(row[4], "      2.50");
        EXPECT_EQ(row[5], " 50.00");
    }
    // Ten times the concentration is exceeded on no more days.
    EXPECT_GE(std::stod(first[2]), std::stod(second[2]));
    EXPECT_EQ(Row(3), std::vector<std::string>(6, ""));
    // The run is stored with the release, and its report part was saved at once.
    LoadScenarioRecord(Key(1));
    EXPECT_DOUBLE_EQ(CurrentPmn.COC0, 100);
    EXPECT_EQ(CurrentPmn.NPDES, "NY0020371");
    EXPECT_EQ(ScenarioCode, 8);
    EXPECT_EQ(form->Report.FileCount(), 1);
}

TEST_F(PdmSitePageTest, InAFullRunEverySubmitRewritesTheFirstRow) {
    PdmPagesActive = 0;
    EnterRunInputs();
    form->SubmitNewSiteClick();
    Type("CocPdmSite", "100");
    form->SubmitNewSiteClick();
    EXPECT_EQ(PdmSiteResultRows, 1);
    EXPECT_EQ(Row(1)[0], "    100.00");
    EXPECT_EQ(Row(2), std::vector<std::string>(6, ""));
}

// "Save." runs again onto the row of the last submit; with no submit before, onto row 1, never
// onto the units row.
TEST_F(PdmSitePageTest, SaveDotRerunsOntoTheLastRowAndNeverTheUnitsRow) {
    EnterRunInputs();
    form->PdmSiteResultsList->SetCells(0, 0, "  (ug/L)");
    form->SubmitAndSaveSiteClick();
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 0), "  (ug/L)");
    EXPECT_EQ(Row(1)[0], "     10.00");
    EXPECT_EQ(PdmSiteResultRows, 2);

    Type("CocPdmSite", "100");
    form->SubmitAndSaveSiteClick();
    EXPECT_EQ(Row(1)[0], "    100.00");
    EXPECT_EQ(Row(2), std::vector<std::string>(6, ""));
    EXPECT_EQ(PdmSiteResultRows, 2);

    PdmPagesActive = 0;
    PdmSiteResultRows = 1;
    form->SubmitAndSaveSiteClick();
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 0), "  (ug/L)");
    EXPECT_EQ(PdmSiteResultRows, 1);
}

// The commands of the buttons that are not shown.
TEST_F(PdmSitePageTest, HiddenCommandsCheckTheirInputsFirst) {
    Find("NY0020371");
    ui.ClearShown();
    Type("WwtPdmSite", "50.00");
    Type("PreTreatPdmSite", "2-");
    form->CalcAsTreatPdmSiteClick();
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].text, "Pretreatment release: \"2-\" is not a number.");

    ui.ClearShown();
    Type("PreTreatPdmSite", "3");
    form->CalcAsTreatPdmSiteClick();
    EXPECT_DOUBLE_EQ(AsTreatLoading, 3);
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].kind, "modal");
    EXPECT_EQ(Text("WwtPdmSite"), "50.00");  // no run: the removal stays

    ui.ClearShown();
    form->SavePdmSite->hide();
    Type("CocPdmSite", "0");
    form->SubmitPdmSiteClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "COC, Release days must be greater than 0 before running PDM");
    EXPECT_FALSE(form->SavePdmSite->isHidden());
    EXPECT_EQ(Row(1), std::vector<std::string>(6, ""));
}

// Without an NPDES number no facility is looked up: the facility table's current row is not
// taken for the release's.
TEST_F(PdmSitePageTest, AnEmptyNpdesTakesNoFacilityIntoTheRecord) {
    Find("NY0020371");
    Find("NY0956944");  // the table now stands on another facility
    pmn_record& r = CurrentPmn;
    r.REACH = "04011939805";
    r.PLANTFLO = 41.64;
    Type("NpdesPdmSite", "");
    form->CollectPdmSiteInputs();
    EXPECT_EQ(r.NPDES, "");
    EXPECT_EQ(r.REACH, "04011939805");
    EXPECT_DOUBLE_EQ(r.PLANTFLO, 41.64);
    EXPECT_EQ(r.RELEASES.substr(0, 2), "00");

    ui.ClearShown();
    r.NPDES = "";
    form->UseRecordNpdes = true;
    form->NpdesListPdmSiteChange();
    form->UseRecordNpdes = false;
    EXPECT_EQ(Text("FacNamePdmSite"), "");
    EXPECT_EQ(Text("ReachNumPdmSite"), "");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "No available flows for this reach.  PDM cannot be performed for this facility.");
}

}  // namespace
