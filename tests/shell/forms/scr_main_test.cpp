// The main page: report format on first activation, the stored age group, age-group clicks,
// the chemical's position and the module gates.
#include "shell/scr_main.h"

#include <gtest/gtest.h>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "releases/scr_level_form.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"
#include "tests/support/radio_groups.h"

namespace {

// One showing of the page: its show and activation events.
void Show(TScrMain& page) {
    page.FormShow();
    page.FormActivate();
}

TEST(ChemicalPositionTest, RunsOfEqualIdsAreCountedUpToTheChemical) {
    std::vector<std::string> keys = {"A,1", "A,2", "B,1", "X,Y,1", "X,Y,2", "C,1"};
    EXPECT_EQ(ChemicalPosition(keys, "A"), 0);
    EXPECT_EQ(ChemicalPosition(keys, "B"), 1);
    EXPECT_EQ(ChemicalPosition(keys, "X,Y"), 2);
    EXPECT_EQ(ChemicalPosition(keys, "C"), 3);
    EXPECT_EQ(ChemicalPosition(keys, "D"), 3) << "absent: the last position";
    EXPECT_EQ(ChemicalPosition({}, "A"), -1);
}

class ScrMainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RunStartupWork());
        ResetScenarioRecord();
        CurrentPmn.CaseNum = "P-14-0007";
        CurrentPmn.ScenNum = "1";
        SaveScenarioRecord();
        SelectedChemId = "P-14-0007";
        ui.ClearShown();
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TScrMain page;
};

TEST_F(ScrMainTest, CachedAnswerChoosesTheFormatWithoutAQuestion) {
    struct Case {
        const char* wordup;
        bool word;
    } cases[] = {{"WORD\n", true}, {"NOWORD\n", false}, {"word\n", false}, {"", false}};
    for (const Case& c : cases) {
        TScrMain fresh;
        WordCheckResult = 0;
        ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", c.wordup));
        Show(fresh);
        EXPECT_EQ(fresh.WordPerfectFormat(), !c.word) << c.wordup;
        EXPECT_EQ(forms::Visible(fresh.NoWp), c.word) << c.wordup;
        EXPECT_TRUE(ui.Boxes().empty()) << c.wordup;
    }
}

TEST_F(ScrMainTest, AnswerNoKeepsWordPerfectAndAsksAgainLater) {
    ui.AnswerNextBox(forms::mrNo);
    Show(page);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_TRUE(page.WordPerfectFormat());
    EXPECT_FALSE(sys::FileExists(program / "wordup"));
    EXPECT_EQ(WordCheckResult, 0);

    Show(page);
    EXPECT_EQ(ui.Boxes().size(), 1u) << "a later showing does not ask";
    ui.AnswerNextBox(forms::mrNo);
    page.NoWordClick();
    EXPECT_EQ(ui.Boxes().size(), 2u) << "the Word panel asks again";
    EXPECT_TRUE(page.WordPerfectFormat());
}

// With no word processor here the probe answers "not located" and caches it.
TEST_F(ScrMainTest, AnswerYesProbesAndCachesTheAnswer) {
    ui.AnswerNextBox(forms::mrYes);
    Show(page);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[1].text,
              "Microsoft® Word has not been located.  All documents can still be written in "
              "WordPerfect® format");
    EXPECT_EQ(FileText(program / "wordup"), "NOWORD\n");
    EXPECT_EQ(page.WordStatus, 2);
    EXPECT_EQ(ui.HourglassDepth(), 0);

    page.NoWordClick();
    EXPECT_EQ(ui.Boxes().size(), 2u) << "the answer is known: no question, no note";
    EXPECT_TRUE(page.WordPerfectFormat());
    page.NoWpClick();
    EXPECT_TRUE(page.WordPerfectFormat());
}

// The re-check updates this run's answer: a word processor found now can be chosen at once, one
// that is gone stops being the format.
TEST_F(ScrMainTest, RecheckUpdatesTheChoice) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "WORD\n"));
    Show(page);
    EXPECT_FALSE(page.WordPerfectFormat());
    page.Label3Click();  // no word processor here
    EXPECT_EQ(FileText(program / "wordup"), "NOWORD\n");
    EXPECT_EQ(page.WordStatus, 2);
    EXPECT_TRUE(page.WordPerfectFormat());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Microsoft® Word has not been located.  All documents can still be written in "
              "WordPerfect® format.");
}

// With the test document of the word processor present, the re-check finds it and the Word
// panel can be chosen in the same run.
TEST_F(ScrMainTest, RecheckThatFindsTheWordProcessorLetsWordBeChosen) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
    Show(page);
    page.NoWordClick();
    EXPECT_TRUE(page.WordPerfectFormat()) << "not available yet";
    ASSERT_TRUE(sys::CopyBytes(std::string(OMBRIX_PROGRAM_DIR) + "/tstombrix.doc",
                               program / "tstombrix.doc"));
    page.Label3Click();
    EXPECT_EQ(FileText(program / "wordup"), "WORD\n");
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Microsoft® Word has been located.");
    EXPECT_EQ(page.WordStatus, 1);
    EXPECT_TRUE(page.WordPerfectFormat()) << "the re-check itself does not switch";
    page.NoWordClick();
    EXPECT_FALSE(page.WordPerfectFormat());
    EXPECT_TRUE(forms::Visible(page.NoWp));
}

// The stored group is checked with the factor load held back: the factors stored in the row
// stay, the durations of the group are set, and the row is saved.
TEST_F(ScrMainTest, StoredAgeGroupIsCheckedOnActivation) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
    CurrentPmn.POP_NUM = 3;
    CurrentPmn.BW = 12.25;
    CurrentPmn.EXPDURCAN = 33.0;
    SaveScenarioRecord();
    ResetScenarioRecord();
    Show(page);
    EXPECT_TRUE(page.Toddler->Checked());
    EXPECT_EQ(page.ChemId1->Text(), "P-14-0007");
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 3.0);
    EXPECT_EQ(CurrentPmn.ED_KIV, 3.0);
    EXPECT_EQ(CurrentPmn.BW, 12.25);
    EXPECT_EQ(CurrentPmn.PopulationLabel, "Small Child (age 3-5)");
    EXPECT_FALSE(forms::Visible(page.Cancer));
    LoadScenarioRecord("P-14-0007,1");
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 3.0);
    EXPECT_EQ(CurrentPmn.ED_KIV, 3.0);
    EXPECT_EQ(CurrentPmn.BW, 12.25);
    EXPECT_EQ(CurrentPmn.POP_NUM, 3);
}

// A user's click on the group already checked is no change of group: the factors stored with
// the row are not reloaded over. A click on another group loads that group's factors.
TEST_F(ScrMainTest, ClickOnTheCheckedGroupKeepsTheStoredFactors) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
    CurrentPmn.POP_NUM = 3;
    CurrentPmn.BW = 12.25;
    SaveScenarioRecord();
    ResetScenarioRecord();
    Show(page);
    page.Toddler->click();
    EXPECT_EQ(CurrentPmn.BW, 12.25);
    LoadScenarioRecord("P-14-0007,1");
    EXPECT_EQ(CurrentPmn.BW, 12.25);

    page.Child->click();
    EXPECT_EQ(CurrentPmn.POP_NUM, 2);
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 5.0);
    EXPECT_NE(CurrentPmn.BW, 12.25) << "the child's factors were loaded";
}

TEST_F(ScrMainTest, AgeGroupClickStoresTheGroupInReleaseOne) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
    Show(page);
    page.YouthNew->SetChecked(true);
    EXPECT_EQ(CurrentPmn.POP_NUM, 6);
    EXPECT_EQ(CurrentPmn.PopulationLabel, "Youth (age 11-15)");
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 5.0);
    EXPECT_FALSE(page.Chronic->Checked());
    page.Adult->SetChecked(true);
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 33.0);
    EXPECT_EQ(CurrentPmn.ED_KIV, 57.0);
    EXPECT_TRUE(page.Chronic->Checked());
    EXPECT_TRUE(forms::Visible(page.Cancer));
    page.Infant1->SetChecked(true);
    LoadScenarioRecord("P-14-0007,1");
    EXPECT_EQ(CurrentPmn.POP_NUM, 5);
    EXPECT_EQ(CurrentPmn.EXPDURCAN, 1.0);
}

TEST_F(ScrMainTest, HealthFlagsShowInTheCheckBoxes) {
    ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
    HealthFlags = "101";
    SaveScenarioRecord();
    Show(page);
    EXPECT_TRUE(page.Cancer->Checked());
    EXPECT_FALSE(page.Chronic->Checked());
    EXPECT_TRUE(page.Acute->Checked());
    EXPECT_TRUE(page.NoAdd->Checked());
    EXPECT_FALSE(forms::Visible(page.HealthPanel));
}

TEST_F(ScrMainTest, ModulesOpenOnlyWhenSelected) {
    page.SeasImageClick();
    page.FlushImageClick();
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You did not select Surface water, landfill or ambient air in the Pchem/Fate page.");
    EXPECT_EQ(ui.Boxes()[1].text, "Down the Drain was not selected in the Pchem/Fate Page.");
    ui.ClearShown();
    LandfillSelected = 1;
    FlushSelected = 1;
    TScrLevelForm releaseForm;
    page.SeasImageClick();
    page.FlushImageClick();
    ASSERT_GE(ui.Shown().size(), 2u);
    EXPECT_EQ(ui.Shown()[0].kind, "modal");
    EXPECT_EQ(ui.Shown()[0].caption, "Screening Level Inputs");
    EXPECT_EQ(ui.Shown()[1].kind, "modal");
    EXPECT_EQ(ui.Shown()[1].caption, "Disposal Model");
}

// The age group and the ADD/ADC answer are two choices: a press in one leaves the other alone.
TEST_F(ScrMainTest, EachChoiceIsOneGroupOfRadios) {
    page.show();
    Show(page);
    std::vector<QRadioButton*> fromCode =
        ExpectExclusiveRadioGroups(&page, {{{page.Adult, page.Youth, page.YouthNew, page.Child,
                                             page.Toddler, page.Infant1_2, page.Infant1}},
                                           {{page.YesAdd, page.NoAdd}}});
    EXPECT_EQ(fromCode, (std::vector<QRadioButton*>{page.YesAdd, page.NoAdd}))
        << "only the panel that is never shown is set from code";
}

TEST_F(ScrMainTest, HelpAndReturn) {
    page.FateHelpClick();
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].kind, "help");
    EXPECT_EQ(ui.Shown()[0].caption, "Screening_Level_Main_Page");
    EXPECT_TRUE(sys::FileExists(ui.Shown()[0].text));
}

}  // namespace
