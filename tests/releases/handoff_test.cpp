// The hand-off to the results: the report probe leaves an existing report as it is, a report that
// cannot be written stops it with a note, and the results form is opened through its hook.
#include <gtest/gtest.h>

#include "dilution/pdm_results.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "releases/results_handoff.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "tests/releases/release_form_fixture.h"

namespace {

class HandoffTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        SetResultsFormOpener([this] { ++opened; });
        Open();
        Click(form->GenRelInfoContinue);
        ASSERT_EQ(form->ScreenPages->currentWidget(), form->ExpFactorsPage);
        ui.ClearShown();
        report = DataFolder + kChem + ".wpd";
    }
    void TearDown() override {
        SetResultsFormOpener(nullptr);
        ReleaseFormTest::TearDown();
    }
    int opened = 0;
    std::string report;
};

TEST_F(HandoffTest, OpensTheResultsAfterCollectingTheFactors) {
    PdmPagesActive = 1;
    Type(form->BwExp, "64");
    Click(form->ExpFactorContinue);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(PdmPagesActive, 0);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_FALSE(sys::FileExists(report)) << "the probe leaves no file behind";
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_EQ(CurrentPmn.BW, 64);
    // Leaving the page afterwards does not collect again.
    EXPECT_EQ(SkipFactorCollectOnExit, 1);
}

TEST_F(HandoffTest, AnExistingReportIsLeftAsItIs) {
    ASSERT_TRUE(sys::WriteWholeFile(report, "the final report of an earlier run"));
    Click(form->ExpFactorContinue);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(FileText(report), "the final report of an earlier run");
}

// A report that cannot be opened for writing (here a folder holds its name, which no user,
// the superuser included, can open as a file).
TEST_F(HandoffTest, AReportThatCannotBeWrittenStopsTheHandoff) {
    ASSERT_TRUE(sys::MakeFolder(report));
    Click(form->ExpFactorContinue);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_EQ(ui.Boxes()[0].text, sys::NativePath(report) +
                                      " is currently in use.  Please close this file and try "
                                      "running Ombrix again.");
    EXPECT_TRUE(sys::FolderExists(report));
}

TEST_F(HandoffTest, AMissingDataFolderStopsTheHandoff) {
    DataFolder = program.path() + "\\missing\\";
    Click(form->ExpFactorContinue);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
}

TEST_F(HandoffTest, TheReportNameFollowsTheReportFormat) {
    EXPECT_EQ(FinalReportName(), report) << "WordPerfect without a main page";
    TScrMain page;
    page.NoWord->hide();
    EXPECT_EQ(FinalReportName(), DataFolder + kChem + ".doc");
    page.NoWord->show();
    EXPECT_EQ(FinalReportName(), report);
}

TEST(HandoffWithoutResultsTest, SaysTheResultsAreNotAvailable) {
    forms::ScriptedUi ui;
    OpenResultsForm();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The results form is not available in this version.");
}

}  // namespace
