// The dilution pages used alone: their set-up, the form's activation for them, the hidden entry
// of the main page, full result grids and a report of several runs.
#include <gtest/gtest.h>
#include <QTest>

#include "pdm_page_fixture.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_solo.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "tests/documents/wpd/wpd_read.h"

namespace {

constexpr const char* kFullText =
    "The results table is full. Clear the results before the next run.";

class PdmSoloTest : public PdmPageTest {
  protected:
    void SetUp() override {
        PdmPageTest::SetUp();
        PdmPagesActive = 0;
        SelectedChemId = kChem;
        // Releases of other chemicals before and after this one, and an industry-code release.
        Store("A-1,1", 0);
        Store("Z-9,1", 0);
        Store(Key(2), 5);
    }
    void TearDown() override {
        SelectedChemId.clear();
        ChemIdIndex = 0;
        PdmOnlyRun = IndividualModelsEntered = 0;
        PdmPageTest::TearDown();
    }

    static void Store(const std::string& key, int category) {
        ResetScenarioRecord();
        SplitReleaseKey(key);
        CurrentPmn.RELEASE = "Release " + key;
        CurrentPmn.SIC_CODE = category;
        SaveScenarioRecord();
    }

    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        return items;
    }

    // The form set up for the dilution pages alone and activated, as the main page shows it.
    void OpenAlone() {
        SetUpPdmPages(*form);
        form->show();
        form->FormActivate();
    }

    std::vector<QWidget*> ShownPages() const {
        std::vector<QWidget*> shown;
        for (int i = 0; i < form->ScrResults->count(); ++i) {
            if (form->ScrResults->isTabVisible(i))
                shown.push_back(form->ScrResults->widget(i));
        }
        return shown;
    }

    // Types the inputs of a run on the release's facility.
    void EnterRunInputs(const std::string& coc) {
        form->Field("CocPdmSite")->SetText(coc);
        form->Field("RelDaysPdmSite")->SetText("250");
        form->Field("PreTreatPdmSite")->SetText("2.5");
        form->Field("RelDaysPdmSite")->OnExit();
        form->Field("PreTreatPdmSite")->OnExit();
    }

    static void FillRows(forms::TStringGrid* grid, int rows) {
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col < grid->ColCount(); ++col)
                grid->SetCells(col, row, "r" + std::to_string(row));
        }
    }
};

TEST_F(PdmSoloTest, SetUpListsTheChemicalsUpToTheCurrentOneAndSelectsIt) {
    ChemIdIndex = 7;
    form->CalcAsTreatPdmSite->show();
    SetUpPdmPages(*form);
    EXPECT_EQ(Items(form->ChemListSoloPdmSic), (std::vector<std::string>{"A-1", kChem}));
    EXPECT_EQ(ChemIdIndex, 1);
    EXPECT_EQ(form->ChemListSoloPdmSic->currentIndex(), 1);
    EXPECT_TRUE(form->CalcAsTreatPdmSite->isHidden());
    EXPECT_EQ(PdmPagesActive, 1);

    // A chemical with no release stored yet is still the current, last entry.
    SelectedChemId = "Q-5";
    SetUpPdmPages(*form);
    EXPECT_EQ(Items(form->ChemListSoloPdmSic),
              (std::vector<std::string>{"A-1", kChem, "Z-9", "Q-5"}));
    EXPECT_EQ(form->ChemListSoloPdmSic->currentText().toStdString(), "Q-5");
    EXPECT_EQ(ChemIdIndex, 3);
}

TEST(PdmSoloIds, ChemicalIdsAreTakenOncePerRunOfKeys) {
    EXPECT_EQ(ChemicalIdsInOrder({"A,1", "A,2", "B,1", "A,3", "C,10,1"}),
              (std::vector<std::string>{"A", "B", "A", "C,10"}));
    EXPECT_TRUE(ChemicalIdsInOrder({}).empty());
}

TEST_F(PdmSoloTest, TheActivationShowsOnlyTheDilutionPagesAndRunsNothing) {
    form->Inputs.ReleaseKeys = {"A-1,1", Key(1), Key(2)};
    OpenAlone();
    EXPECT_EQ(ShownPages(), (std::vector<QWidget*>{form->PdmSitePage, form->PdmSicPage}));
    EXPECT_EQ(form->ScrResults->currentWidget(), form->PdmSitePage);
    // No run: no release listed, no part, no final report, no message.
    EXPECT_EQ(form->ChemListEnvRel->Cells(0, 1), "");
    EXPECT_TRUE(form->Report.FilesList.empty());
    EXPECT_TRUE(form->FinalReport.empty());
    EXPECT_FALSE(sys::FileExists(sys::NativePath(DataFolder + kChem + ".wpd")));
    EXPECT_EQ(ResultsRunBusy, 0);

    // The pages are laid out for runs of their own.
    EXPECT_TRUE(form->ChemListPdmSite->isHidden());
    EXPECT_TRUE(form->ChemListPdmSic->isHidden());
    EXPECT_TRUE(forms::Visible(form->PdmSiteResultsList));
    EXPECT_TRUE(forms::Visible(form->PdmSicResultsList));
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 0), "  (ug/L)");
    EXPECT_EQ(form->PdmSicResultsList->Cells(6, 0), "Analysis");
    EXPECT_TRUE(form->CalcAsTreatPdmSite->isHidden());
    EXPECT_TRUE(form->Field("CasNumPdmSite")->isHidden());

    // The site page lists the chemical's releases without a category and shows the first.
    EXPECT_EQ(Items(form->RelNumPDMSite), (std::vector<std::string>{Key(1)}));
    EXPECT_EQ(CurrentPmn.ScenNum, "1");
    EXPECT_EQ(form->FieldText("NpdesPdmSite"), "NY0020371");
    EXPECT_EQ(form->FieldText("ReachNumPdmSite"), "04011939805");
    EXPECT_EQ(form->FieldText("IndTypePdmSite"), "Rinsing");
    EXPECT_EQ(form->FieldText("CocPdmSite"), "10.00");
    EXPECT_TRUE(forms::Visible(form->SubmitNewSite));
    EXPECT_FALSE(form->UseRecordNpdes);
}

TEST_F(PdmSoloTest, ChoosingAnotherReleaseLoadsItsFacility) {
    Store(Key(3), 0);  // no facility yet
    OpenAlone();
    ASSERT_EQ(Items(form->RelNumPDMSite), (std::vector<std::string>{Key(1), Key(3)}));
    ui.ClearShown();
    form->RelNumPDMSite->setCurrentIndex(1);
    form->RelNumPDMSiteChange();
    EXPECT_EQ(CurrentPmn.ScenNum, "3");
    EXPECT_EQ(form->FieldText("IndTypePdmSite"), "Release " + Key(3));
    EXPECT_EQ(form->FieldText("NpdesPdmSite"), "");
    EXPECT_EQ(form->FieldText("FacNamePdmSite"), "");
    EXPECT_TRUE(form->SubmitNewSite->isHidden());
    EXPECT_TRUE(ui.Boxes().empty());

    form->RelNumPDMSite->setCurrentIndex(0);
    form->RelNumPDMSiteChange();
    EXPECT_EQ(CurrentPmn.ScenNum, "1");
    EXPECT_EQ(form->FieldText("NpdesPdmSite"), "NY0020371");
    EXPECT_FALSE(form->FieldText("FacNamePdmSite").empty());
    EXPECT_TRUE(forms::Visible(form->SubmitNewSite));
}

TEST_F(PdmSoloTest, TheHiddenEntryOpensThePagesAloneAndClearsTheFlagsAfterwards) {
    TScrMain mainPage;
    mainPage.NoWord->setVisible(true);
    EXPECT_FALSE(forms::Visible(mainPage.IndividualModelsPanel));
    bool seen = false;
    ui.OnNextModal([&](forms::Form& shown) {
        auto* results = dynamic_cast<TScrResForm*>(&shown);
        EXPECT_NE(results, nullptr);
        seen = results != nullptr;
        EXPECT_EQ(PdmOnlyRun, 1);
        EXPECT_EQ(IndividualModelsEntered, 1);
        EXPECT_EQ(PdmPagesActive, 1);
        if (results) {
            EXPECT_FALSE(results->ScrResults->isTabVisible(
                results->ScrResults->indexOf(results->EnvRelResPage)));
            EXPECT_EQ(results->ChemListSoloPdmSic->currentText().toStdString(), kChem);
        }
        return int(forms::mrOk);
    });
    QTest::mouseClick(mainPage.IndividualModels, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(PdmOnlyRun, 0);
    EXPECT_EQ(PdmPagesActive, 0);
    EXPECT_EQ(IndividualModelsEntered, 1);

    // A visit ended by an error clears them too.
    ui.OnNextModal([](forms::Form&) -> int { throw std::runtime_error("table damaged"); });
    EXPECT_THROW(mainPage.IndividualModelsClick(), std::runtime_error);
    EXPECT_EQ(PdmOnlyRun, 0);
    EXPECT_EQ(PdmPagesActive, 0);
}

TEST_F(PdmSoloTest, AFullSiteGridTakesNoFurtherRunAndKeepsItsRows) {
    EXPECT_EQ(form->PdmSiteResultsList->RowCount(), 8);
    EXPECT_EQ(form->PdmSicResultsList->RowCount(), 8);
    OpenAlone();
    EnterRunInputs("10");
    FillRows(form->PdmSiteResultsList, 7);
    PdmSiteResultRows = 8;
    ScenarioCode = 0;
    ui.ClearShown();
    QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, kFullText);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_EQ(ScenarioCode, 0);  // nothing ran
    EXPECT_EQ(PdmSiteResultRows, 8);
    EXPECT_EQ(form->PdmSiteResultsList->RowCount(), 8);
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 7), "r7");

    // "Save." runs again onto the last row, which the grid has.
    ui.ClearShown();
    form->SubmitAndSaveSiteClick();
    EXPECT_EQ(ScenarioCode, 8);
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 7), "     10.00");
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 6), "r6");
    EXPECT_EQ(PdmSiteResultRows, 8);

    // Cleared, the grid takes runs again from its first row.
    form->ClearPdmSiteResultsClick();
    ui.ClearShown();
    form->SubmitNewSiteClick();
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().front().text;
    EXPECT_EQ(form->PdmSiteResultsList->Cells(0, 1), "     10.00");
    EXPECT_EQ(PdmSiteResultRows, 2);
}

TEST_F(PdmSoloTest, ASiteRunWithoutAReleaseIsRefused) {
    OpenAlone();
    form->RelNumPDMSite->clear();
    EnterRunInputs("10");
    ScenarioCode = 0;
    ui.ClearShown();
    form->SubmitNewSiteClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You have not selected a release number.");
    EXPECT_EQ(ScenarioCode, 0);
}

TEST_F(PdmSoloTest, AFullIndustryCodeGridListsNoResultPastItsLastRow) {
    OpenAlone();
    FillRows(form->PdmSicResultsList, 6);
    PdmSicResultRows = 7;
    PdmCoc[0] = 5;
    PdmCoc[1] = 50;
    PdmCoc[2] = 0;
    PdmPercentExceeded[0] = PdmPercentExceeded[1] = 10;
    PdmDaysExceeded[0] = PdmDaysExceeded[1] = 36;
    ui.ClearShown();
    form->ShowPdmSicResults();
    EXPECT_EQ(form->PdmSicResultsList->RowCount(), 8);
    EXPECT_EQ(form->PdmSicResultsList->Cells(0, 6), "r6");
    EXPECT_EQ(form->PdmSicResultsList->Cells(0, 7), FormatFixed2Width10(5));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, kFullText);
    EXPECT_EQ(PdmSicResultRows, 8);

    // The page's submit refuses the run at once.
    ui.ClearShown();
    QTest::mouseClick(form->SubmitNewSic, Qt::LeftButton);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, kFullText);
    EXPECT_EQ(PdmSicResultRows, 8);

    // Further results while it is full change nothing but say so.
    ui.ClearShown();
    form->ShowPdmSicResults();
    EXPECT_EQ(form->PdmSicResultsList->Cells(0, 7), FormatFixed2Width10(5));
    EXPECT_EQ(ui.Boxes().size(), 1u);
}

// Five runs of the site page, each saved at once in WordPerfect format: the report holds the
// five rows in the order run, and no sixth.
TEST_F(PdmSoloTest, FiveRunsSavedInWordPerfectFormatGiveAReportOfFiveRows) {
    OpenAlone();
    const char* const cocs[] = {"1", "2", "4", "8", "16"};
    for (const char* coc : cocs) {
        EnterRunInputs(coc);
        QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
    }
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().front().text;
    EXPECT_EQ(PdmSiteResultRows, 6);

    // Under the page's own name: the chemical's full report is not the page's.
    EXPECT_FALSE(sys::FileExists(sys::NativePath(DataFolder + kChem + ".wpd")));
    const std::string report = sys::NativePath(DataFolder + kChem + ".pdmsite.wpd");
    const std::string text = WpdToText(report);
    const std::string heading = "treatment removal (%)\n";
    const size_t start = text.find(heading);
    ASSERT_NE(start, std::string::npos) << text;
    std::vector<std::string> rows;
    size_t at = start + heading.size();
    for (size_t end; (end = text.find('\n', at)) != std::string::npos && end > at; at = end + 1)
        rows.push_back(text.substr(at, end - at));
    ASSERT_EQ(rows.size(), 5u) << text;
    const char* const shown[] = {"1.00; ", "2.00; ", "4.00; ", "8.00; ", "16.00; "};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].rfind(shown[i], 0), 0u) << rows[i];
        EXPECT_NE(rows[i].find("; 250; 2.50; 50.00"), std::string::npos) << rows[i];
    }
}

}  // namespace
