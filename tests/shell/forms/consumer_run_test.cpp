// Whole exchanges with the consumer model against a stand-in launcher, from the main page.
#include "shell/consumer_exchange.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/shell/forms/nyr_lines.h"
#include "tests/shell/forms/program_folder.h"

namespace {

// Whole runs: a started program with a chemical case in release 1, and a stand-in launcher in
// kiv/ that keeps the input it was given and answers as the test says.
class ConsumerRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RunStartupWork());
        ASSERT_TRUE(sys::MakeFolder(program / "kiv"));
        ResetScenarioRecord();
        CurrentPmn.CaseNum = "P-14-0042";
        CurrentPmn.ScenNum = "1";
        CurrentPmn.CHEMNAME = "Ethyl thing";
        CurrentPmn.WTFRAC_MED = 0.05;
        CurrentPmn.BW = 80;
        CurrentPmn.KIV_SCEN = 3;
        CurrentPmn.SA_HAND = 840;
        CurrentPmn.SA_BODY = 20000;
        CurrentPmn.PRODNAME = "";
        SaveScenarioRecord();
        KivSelected = 1;
        // As after a first exchange in this run: the launcher is the program path.
        KivProgramPath = program / "kiv/kiv32.bat";
        ui.ClearShown();
    }

    void Launcher(const std::string& answer) {
        std::string script =
            "#!/bin/sh\ncp nyrinput.txt seen_input.txt\necho \"$1\" > seen_argument.txt\n" + answer;
        ASSERT_TRUE(sys::WriteWholeFile(program / "kiv/kiv32.bat", script));
    }

    pmn_record Reloaded() {
        pmn_record kept = CurrentPmn;
        LoadScenarioRecord("P-14-0042,1");
        pmn_record row = CurrentPmn;
        CurrentPmn = kept;
        return row;
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TScrMain page;
};

TEST_F(ConsumerRunTest, GoodAnswerIsStoredInTheRecordAndTheRow) {
    Launcher(std::string("printf '") +
             "4\\n  Carpet cleaner\\n0.02\\n0.1\\n65.5\\n0.55\\n70\\n"
             "18000\\n900\\n12.5\\n' > nyrout.txt\n");
    page.RunKivClick();
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].text;
    std::vector<std::string> sent = Lines(FileText(program / "kiv/seen_input.txt"));
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[0], "P-14-0042");
    EXPECT_EQ(sent[2], "0.05");
    EXPECT_EQ(sent[6], "80.000000");
    EXPECT_EQ(sent[12], "840.000000") << "SA_BODY follows SA_HAND for scenario 3";
    EXPECT_EQ(sent[13], "840.000000");
    EXPECT_EQ(sent[15], "unknown");
    EXPECT_EQ(FileText(program / "kiv/seen_argument.txt"), "nyr\n");

    EXPECT_EQ(CurrentPmn.KIV_SCEN, 4);
    EXPECT_EQ(CurrentPmn.PRODNAME, "Carpet cleaner");
    EXPECT_EQ(CurrentPmn.SA_BODY, 18000);
    EXPECT_EQ(CurrentPmn.ED_KIV, 12.5);
    pmn_record row = Reloaded();
    EXPECT_EQ(row.KIV_SCEN, 4);
    EXPECT_EQ(row.PRODNAME, "Carpet cleaner");
    EXPECT_EQ(row.WTFRAC_MED, 0.02);
    EXPECT_EQ(row.BW, 65.5);
    EXPECT_EQ(row.SA_HAND, 900);
    EXPECT_EQ(row.ED_KIV, 12.5);
    EXPECT_EQ(KivProgramPath, program.path() + "/kiv/kiv32.bat");
    EXPECT_EQ(sys::WorkingFolder(), program.path());
}

TEST_F(ConsumerRunTest, ScenarioSevenKeepsTheBodySurfaceArea) {
    CurrentPmn.KIV_SCEN = 7;
    CurrentPmn.PRODNAME = "Glue";
    Launcher("");
    page.RunKivClick();
    std::vector<std::string> sent = Lines(FileText(program / "kiv/seen_input.txt"));
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(sent[12], "20000.000000");
    EXPECT_EQ(sent[15], "Glue");
}

// A model that writes nothing never hands back the answer of an earlier run.
TEST_F(ConsumerRunTest, MissingAnswerSavesNothingEvenWithAStaleFile) {
    ASSERT_TRUE(
        sys::WriteWholeFile(program / "kiv/nyrout.txt", "9\nStale\n1\n1\n1\n1\n1\n1\n1\n1\n"));
    Launcher("");
    pmn_record before = CurrentPmn;
    page.RunKivClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_NE(ui.Boxes()[0].text.find("nyrout.txt was not written"), std::string::npos);
    EXPECT_EQ(CurrentPmn.KIV_SCEN, before.KIV_SCEN);
    EXPECT_EQ(CurrentPmn.BW, 80);
    EXPECT_EQ(Reloaded().KIV_SCEN, 3);
    EXPECT_FALSE(sys::FileExists(program / "kiv/nyrout.txt"));
}

TEST_F(ConsumerRunTest, ShortAnswerSavesNothing) {
    Launcher("printf '4\\nWax\\n0.02\\n0.1\\n' > nyrout.txt\n");
    page.RunKivClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("4 lines where 10 are needed"), std::string::npos);
    EXPECT_EQ(CurrentPmn.KIV_SCEN, 3);
    EXPECT_EQ(CurrentPmn.WTFRAC_MED, 0.05);
    EXPECT_EQ(Reloaded().WTFRAC_MED, 0.05);
}

TEST_F(ConsumerRunTest, LauncherThatCannotStartIsReported) {
    KivProgramPath = program / "kiv/kiv32.exe";
    ASSERT_TRUE(sys::WriteWholeFile(program / "kiv/kiv32.exe", "located"));
    sys::DeleteFile(program / "kiv/kiv32.bat");
    page.RunKivClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "File execution error.");
    EXPECT_EQ(Reloaded().KIV_SCEN, 3);
}

TEST_F(ConsumerRunTest, NotSelectedOrNotLocatedStartsNothing) {
    KivSelected = 0;
    page.RunKivClick();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You did not select KIV in the Pchem/Fate page.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");

    KivSelected = 1;
    KivProgramPath = program / "nowhere/kiv32.exe";
    ui.ClearShown();
    page.RunKivClick();  // the locate dialog is cancelled
    ASSERT_EQ(ui.Shown().size(), 2u);
    EXPECT_EQ(ui.Shown()[0].kind, "open");
    EXPECT_EQ(ui.Shown()[0].caption, "Can't find the program.  Please locate the program.");
    EXPECT_EQ(ui.Shown()[1].text,
              "Could not connect to KIV.\nPlease make sure you have loaded the program and try "
              "again.");
    EXPECT_EQ(ui.Shown()[1].caption, "File execution error.");
    EXPECT_FALSE(sys::FileExists(program / "kiv/nyrinput.txt"));
}

// The program the user locates is the one started, then and on later clicks, and kiv.drv
// records it without a line end.
TEST_F(ConsumerRunTest, LocatedProgramIsRecordedAndStarted) {
    ASSERT_TRUE(sys::MakeFolder(program / "mine"));
    std::string located = program / "mine/consumer.sh";
    ASSERT_TRUE(sys::WriteWholeFile(
        located,
        "#!/bin/sh\necho run >> runs.txt\n"
        "printf '5\\nPaint\\n0.3\\n0.4\\n60\\n0.5\\n70\\n1\\n2\\n3\\n' > nyrout.txt\n"));
    ::chmod(located.c_str(), 0755);
    KivProgramPath = program / "nowhere/kiv32.exe";
    ui.AnswerNextDialog(located);
    page.RunKivClick();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(FileText(program / "kiv.drv"), located);
    EXPECT_EQ(KivProgramPath, located);
    EXPECT_TRUE(sys::FileExists(program / "mine/nyrinput.txt"));
    EXPECT_EQ(CurrentPmn.PRODNAME, "Paint");
    EXPECT_EQ(Reloaded().KIV_SCEN, 5);

    Launcher("echo launcher > launcher_ran.txt\n");
    page.RunKivClick();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(FileText(program / "mine/runs.txt"), "run\nrun\n");
    EXPECT_FALSE(sys::FileExists(program / "kiv/launcher_ran.txt"));
}

}  // namespace
