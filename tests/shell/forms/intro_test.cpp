// The introductory screen: start-up once, the way to the main page, help, about and quit.
#include "shell/intro.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/scr_main.h"
#include "tests/shell/forms/program_folder.h"

namespace {

class IntroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        intro.FormActivate();
        ASSERT_TRUE(intro.StartupDone());
        ASSERT_TRUE(sys::WriteWholeFile(program / "wordup", "NOWORD\n"));
        ui.ClearShown();
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TIntro intro;
    TScrMain page;
};

TEST_F(IntroTest, CaptionAndStartUpOnlyOnTheFirstActivation) {
    EXPECT_EQ(intro.Caption(), "Ombrix (2014) Introductory Screen");
    CurrentPmn.CaseNum = "kept";
    HealthFlags = "010";
    intro.FormActivate();
    EXPECT_EQ(CurrentPmn.CaseNum, "kept");
    EXPECT_EQ(HealthFlags, "010");
}

TEST_F(IntroTest, MainPageNeedsAChemicalFirst) {
    intro.SmokeStack->Click();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You must select a Chemical ID first.\nPress 'OK' to select a Chemical ID.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    bool propertiesScreenShown = false;
    for (const forms::ShownItem& item : ui.Shown()) {
        propertiesScreenShown |= item.kind == "modal" && item.caption == "PChem/Fate";
    }
    EXPECT_TRUE(propertiesScreenShown) << "the note leads to the properties screen";
    EXPECT_EQ(DirectRec.NPDES, "NY0020371") << "the properties screen starts from this facility";

    // As the properties screen leaves it: the chemical chosen and its first release saved.
    CurrentPmn.CaseNum = "P-14-0001";
    CurrentPmn.ScenNum = "1";
    SaveScenarioRecord();
    SelectedChemId = "P-14-0001";
    ui.ClearShown();
    intro.SmokeStack->Click();
    intro.Panel152->Click();
    std::vector<forms::ShownItem> modals;
    for (const forms::ShownItem& item : ui.Shown()) {
        if (item.kind == "modal")
            modals.push_back(item);
    }
    ASSERT_EQ(modals.size(), 2u);
    EXPECT_EQ(modals[0].caption, "Screening Level Main Page");
}

TEST_F(IntroTest, HelpAboutAndDataDrive) {
    intro.BitBtn4Click();
    intro.Topics1Click();
    intro.AboutButtonClick();
    const auto& shown = ui.Shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, "Introduction");
    EXPECT_EQ(shown[1].caption, "Contents");
    EXPECT_EQ(shown[2].kind, "modal");
    EXPECT_EQ(shown[2].caption, "About");
}

TEST_F(IntroTest, QuitClosesTheLookupTables) {
    ASSERT_TRUE(Tables().SidsTable.IsOpen());
    intro.Quit1Click();
    intro.FormClose();
    EXPECT_FALSE(Tables().SidsTable.IsOpen());
    EXPECT_FALSE(Tables().CoefTable.IsOpen());
    EXPECT_TRUE(Tables().PmnTable.IsOpen()) << "the scenario table stays open";
}

// The start-up work follows the first showing even when the window system never activates the
// window (a desktop that does not give new windows the focus).
TEST(IntroStartTest, FirstShowingRunsTheStartUpWithoutActivation) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TIntro intro;
    intro.FormShow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(intro.StartupDone());
    EXPECT_TRUE(sys::FileExists(program / "ftime."));
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
}

// Every help topic the shell's forms open has its page in the built program folder.
TEST(HelpPagesTest, EveryTopicHasAPage) {
    for (const char* topic : {"Introduction", "Contents", "Screening_Level_Main_Page"}) {
        std::filesystem::path page =
            std::filesystem::path(OMBRIX_PROGRAM_DIR) / "help" / (std::string(topic) + ".html");
        EXPECT_TRUE(std::filesystem::exists(page)) << topic;
    }
}

}  // namespace
