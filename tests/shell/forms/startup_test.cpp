// Start-up work: path files, first run, backup refresh, restore of the scenario table and the
// choice between another data folder and the end of the program.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "shell/data_drive.h"
#include "shell/intro.h"
#include "tests/shell/forms/program_folder.h"

namespace {

const char* kMissingPrefix =
    "The path for your data files is not functioning.\nPlease check your disk drive and see if "
    "the directory exists:";

TEST(StartupTest, FirstRunWritesPathFilesAndBackupAndOpensTheTables) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());

    EXPECT_EQ(ProgramFolder, program.path());
    EXPECT_EQ(FileText(program / "data.drv"), program.path() + "/results/\n");
    EXPECT_EQ(FileText(program / "kiv.drv"), program.path() + "/kiv/kiv32.exe\n");
    EXPECT_EQ(FileText(program / "chimra.drv"), program.path() + "/chimramn.exe\n");
    EXPECT_EQ(FileText(program / "ftime."), "ftime\n");
    EXPECT_EQ(DataFolder, program.path() + "/results/");
    EXPECT_TRUE(sys::FolderExists(program / "results"));
    for (const char* name : {"nyr01.dbf", "nyr01.dbt"}) {
        std::string pristine = FileText(program / name);
        EXPECT_EQ(FileText(program / (std::string("orig/") + name)), pristine) << name;
        EXPECT_EQ(FileText(program / (std::string("results/") + name)), pristine) << name;
    }
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    EXPECT_EQ(Tables().PmnTable.IndexName(), "PMN_ID");
    EXPECT_TRUE(Tables().SidsTable.IsOpen());
    EXPECT_TRUE(Tables().CritterGrpTable.IsOpen());
    EXPECT_EQ(CurrentPmn.CaseNum, "");
    EXPECT_EQ(HealthFlags, "111");
    EXPECT_TRUE(ui.Boxes().empty());
}

// A second run finds ftime. dated after the program file: orig\ is left as it is.
TEST(StartupTest, SecondRunKeepsTheBackupAndReadsThePathFiles) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    ASSERT_TRUE(sys::WriteWholeFile(program / "orig/nyr01.dbt", "marked"));
    ASSERT_TRUE(sys::WriteWholeFile(program / "data.drv", program.path() + "/results\n"));

    ASSERT_TRUE(RunStartupWork());
    EXPECT_EQ(FileText(program / "orig/nyr01.dbt"), "marked");
    // A folder read without its separator still takes file names after one.
    EXPECT_EQ(DataFolder, program.path() + "/results/");
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
}

// Each path file is read on its own: a missing chimra.drv is written with its default, a
// missing kiv.drv gives the default program path.
TEST(StartupTest, PathFilesAreReadEachWithItsDefault) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    sys::DeleteFile(program / "chimra.drv");
    sys::DeleteFile(program / "kiv.drv");
    ASSERT_TRUE(sys::WriteWholeFile(program / "data.drv", "/elsewhere/data/\n"));
    ProgramFolder = program.path();
    ReadPathFiles();
    EXPECT_EQ(DataFolder, "/elsewhere/data/");
    EXPECT_EQ(KivProgramPath, program.path() + "/kiv/kiv32.exe");
    EXPECT_EQ(ChimraProgramPath, program.path() + "/chimramn.exe");
    EXPECT_EQ(FileText(program / "chimra.drv"), program.path() + "/chimramn.exe\n");
    EXPECT_FALSE(sys::FileExists(program / "kiv.drv"));

    sys::DeleteFile(program / "data.drv");
    ASSERT_TRUE(sys::WriteWholeFile(program / "kiv.drv", "/opt/kiv/kiv32"));
    ReadPathFiles();
    EXPECT_EQ(DataFolder, "");
    EXPECT_EQ(KivProgramPath, "/opt/kiv/kiv32");
}

TEST(StartupTest, DayNumbersMatchHandWorkedValues) {
    // (34 - 1) x 365 + 4 x 30 + 12 = 12177
    EXPECT_EQ(BackupDayNumber({2014, 5, 12}), 12177);
    // 31 January and 1 February of one year share a day number: 31.
    EXPECT_EQ(BackupDayNumber({1981, 1, 31}), 31);
    EXPECT_EQ(BackupDayNumber({1981, 2, 1}), 31);
    // 22 x 366 + 17 = 8069: 17 January 2002 is the first current table date.
    EXPECT_EQ(TableDayNumber({2002, 1, 17}), 8069);
    EXPECT_EQ(TableDayNumber({2002, 1, 16}), 8068);
}

struct RefreshCase {
    const char* name;
    int programYear, programMonth, programDay;
    int markerYear, markerMonth, markerDay;
    bool master;
    bool due;
};

TEST(StartupTest, BackupRefreshFollowsTheDayNumbersAndTheMasterMarker) {
    const RefreshCase cases[] = {
        {"same day", 2014, 5, 12, 2014, 5, 12, false, false},
        {"31 January and 1 February", 2014, 2, 1, 2014, 1, 31, false, false},
        {"program a day newer", 2014, 5, 13, 2014, 5, 12, false, true},
        {"program newer but master.", 2014, 5, 13, 2014, 5, 12, true, false},
        {"program older", 2013, 5, 13, 2014, 5, 12, false, false},
    };
    for (const RefreshCase& c : cases) {
        ProgramFolderCopy program(false);
        ProgramFolder = program.path();
        ASSERT_TRUE(sys::WriteWholeFile(program / "ftime.", "ftime\n"));
        SetFileDate(program / "ftime.", c.markerYear, c.markerMonth, c.markerDay);
        SetFileDate(program.ProgramFile(), c.programYear, c.programMonth, c.programDay);
        if (c.master) {
            ASSERT_TRUE(sys::WriteWholeFile(program / "master.", ""));
        }
        EXPECT_EQ(BackupRefreshDue(), c.due) << c.name;
    }
    ProgramFolderCopy program(false);
    ProgramFolder = program.path();
    EXPECT_TRUE(BackupRefreshDue()) << "no ftime.: first run";
    ASSERT_TRUE(sys::WriteWholeFile(program / "ftime.", "ftime\n"));
    SetRunningProgramFile(program / "missing");
    EXPECT_FALSE(BackupRefreshDue()) << "program file missing";
}

TEST(StartupTest, NewerProgramRefreshesTheBackupUnlessMasterExists) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    SetFileDate(program / "ftime.", 2014, 5, 12);
    SetFileDate(program.ProgramFile(), 2014, 6, 1);
    ASSERT_TRUE(sys::WriteWholeFile(program / "master.", ""));
    ASSERT_TRUE(sys::WriteWholeFile(program / "orig/nyr01.dbt", "marked"));
    ASSERT_TRUE(RunStartupWork());
    EXPECT_EQ(FileText(program / "orig/nyr01.dbt"), "marked");

    ResetShellState();
    sys::DeleteFile(program / "master.");
    ASSERT_TRUE(RunStartupWork());
    EXPECT_EQ(FileText(program / "orig/nyr01.dbt"), FileText(program / "nyr01.dbt"));
    auto marker = sys::ModificationDate(program / "ftime.");
    ASSERT_TRUE(marker);
    EXPECT_GT(marker->year, 2014);
}

TEST(StartupTest, MissingScenarioTableIsRestoredWithoutAQuestion) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    for (const char* name : {"nyr01.dbf", "nyr01.dbt"}) {
        sys::DeleteFile(program / (std::string("results/") + name));
    }
    ASSERT_TRUE(RunStartupWork());
    EXPECT_EQ(FileText(program / "results/nyr01.dbf"), FileText(program / "orig/nyr01.dbf"));
    EXPECT_EQ(FileText(program / "results/nyr01.dbt"), FileText(program / "orig/nyr01.dbt"));
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
}

// A restore needs the memo file as much as the table: without it nothing is left half-copied,
// and Cancel on the error box ends the start-up.
TEST(StartupTest, IncompleteBackupGivesTheErrorAndCancelEndsTheProgram) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    sys::DeleteFile(program / "results/nyr01.dbf");
    sys::DeleteFile(program / "results/nyr01.dbt");
    sys::DeleteFile(program / "orig/nyr01.dbt");
    ui.AnswerNextBox(forms::mrCancel);
    TIntro intro;
    intro.FormActivate();
    EXPECT_TRUE(intro.StartupAbandoned());
    EXPECT_FALSE(intro.StartupDone());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(ui.Boxes()[0].text, kMissingPrefix + program.path() + "/results/nyr01.dbf");
    EXPECT_FALSE(sys::FileExists(program / "results/nyr01.dbf"));
    EXPECT_FALSE(Tables().PmnTable.IsOpen());
    EXPECT_FALSE(Tables().SidsTable.IsOpen()) << "closing the main form closes the lookups";
}

// OK on the error box opens the data-folder form; a folder chosen there that takes the table
// ends the loop.
TEST(StartupTest, OkOnTheErrorBoxOffersTheDataFolderForm) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    sys::DeleteFile(program / "results/nyr01.dbf");
    sys::DeleteFile(program / "results/nyr01.dbt");
    sys::DeleteFile(program / "orig/nyr01.dbt");
    ASSERT_TRUE(sys::MakeFolder(program / "other"));
    ASSERT_TRUE(sys::WriteWholeFile(program / "other/nyr01.dbf", FileText(program / "nyr01.dbf")));
    ASSERT_TRUE(sys::WriteWholeFile(program / "other/nyr01.dbt", FileText(program / "nyr01.dbt")));

    TDataDriveForm form;
    ui.AnswerNextBox(forms::mrOk);
    ui.AnswerNextDialog(program / "other/nyr01.dbf");
    ui.OnNextModal([](forms::Form& shown) {
        auto& drive = static_cast<TDataDriveForm&>(shown);
        drive.ChangeFolderClick();
        drive.SaveChangesClick();
        return drive.ModalResult();
    });
    ASSERT_TRUE(RunStartupWork());
    EXPECT_EQ(DataFolder, program.path() + "/other/");
    EXPECT_EQ(FileText(program / "data.drv"), program.path() + "/other/\n");
    EXPECT_EQ(form.DriveMode, "DATA");
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    EXPECT_EQ(Tables().PmnTable.NativeFileName(), program.path() + "/other/nyr01.dbf");
}

// A table that is there but does not open is never overwritten by the backup.
TEST(StartupTest, TableThatWillNotOpenIsReportedAndKept) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    ASSERT_TRUE(sys::WriteWholeFile(program / "results/nyr01.dbf", "not a table"));
    ui.AnswerNextBox(forms::mrCancel);
    EXPECT_FALSE(RunStartupWork());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("could not be opened"), std::string::npos);
    EXPECT_EQ(FileText(program / "results/nyr01.dbf"), "not a table");
}

}  // namespace
