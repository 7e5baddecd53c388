// The data-folder form: choosing a folder, refusing the backup folder and unwritable folders,
// seeding a folder from orig\, keeping an outdated table aside, and the refuse paths.
#include "shell/data_drive.h"

#include <gtest/gtest.h>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/table_set.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

// A started program in a fresh folder with its data folder results/ and the form shown.
class DataDriveFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RunStartupWork());
        ui.ClearShown();
        form.DriveMode = "DATA";
        form.FormActivate();
    }

    std::string Results() const { return program.path() + "/results/"; }
    std::string Folder(const std::string& name) {
        std::string folder = program / name;
        sys::MakeFolder(folder);
        return folder + "/";
    }
    void Choose(const std::string& folder) {
        ui.AnswerNextDialog(folder + "nyr01.dbf");
        form.ChangeFolderClick();
    }
    void PutTable(const std::string& folder, const std::string& memo) {
        ASSERT_TRUE(sys::WriteWholeFile(folder + "nyr01.dbf", FileText(program / "nyr01.dbf")));
        ASSERT_TRUE(sys::WriteWholeFile(folder + "nyr01.dbt", memo));
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TDataDriveForm form;
};

TEST_F(DataDriveFormTest, ActivationShowsTheCurrentFolder) {
    EXPECT_EQ(form.Caption(), "Change the Data Drive");
    EXPECT_EQ(form.CurFolder->Text(), Results());
    EXPECT_EQ(form.FolderAtActivation(), Results());
}

TEST_F(DataDriveFormTest, EmptyFolderIsProbedAndSeededFromTheBackup) {
    std::string empty = Folder("empty");
    Choose(empty);
    EXPECT_EQ(form.CurFolder->Text(), empty);
    EXPECT_FALSE(sys::FileExists(empty + "tmpfile.tst")) << "the probe file is removed";
    EXPECT_EQ(DataFolder, Results()) << "nothing changes before Save";

    form.SaveChangesClick();
    EXPECT_EQ(DataFolder, empty);
    EXPECT_EQ(FileText(program / "data.drv"), empty + "\n");
    EXPECT_EQ(FileText(empty + "nyr01.dbf"), FileText(program / "orig/nyr01.dbf"));
    EXPECT_EQ(FileText(empty + "nyr01.dbt"), FileText(program / "orig/nyr01.dbt"));
    EXPECT_EQ(Tables().PmnTable.NativeFileName(), empty + "nyr01.dbf");
    EXPECT_EQ(form.ModalResult(), forms::mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(DataDriveFormTest, FolderWithACurrentTableIsUsedAsItIs) {
    std::string own = Folder("own");
    PutTable(own, FileText(program / "nyr01.dbt"));
    SetFileDate(own + "nyr01.dbf", 2002, 1, 17);
    std::string before = FileText(own + "nyr01.dbf");
    Choose(own);
    form.SaveChangesClick();
    EXPECT_EQ(DataFolder, own);
    EXPECT_EQ(FileText(own + "nyr01.dbf"), before);
    EXPECT_FALSE(sys::FileExists(own + "nyr01_old.dbf"));
    EXPECT_TRUE(ui.Boxes().empty());
}

// A table dated before 17 January 2002 is replaced, but kept under a backup name.
TEST_F(DataDriveFormTest, OutdatedTableIsKeptAsideAndReplaced) {
    std::string old = Folder("old");
    PutTable(old, "old memo");
    SetFileDate(old + "nyr01.dbf", 2002, 1, 16);
    ASSERT_TRUE(sys::WriteWholeFile(old + "nyr01_old.dbf", "an earlier backup"));
    Choose(old);
    form.SaveChangesClick();
    EXPECT_EQ(DataFolder, old);
    EXPECT_EQ(FileText(old + "nyr01.dbt"), FileText(program / "orig/nyr01.dbt"));
    EXPECT_EQ(FileText(old + "nyr01_old2.dbt"), "old memo");
    EXPECT_TRUE(sys::FileExists(old + "nyr01_old2.dbf"));
    EXPECT_EQ(FileText(old + "nyr01_old.dbf"), "an earlier backup");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_NE(ui.Boxes()[0].text.find("nyr01_old2.dbf"), std::string::npos);
}

TEST_F(DataDriveFormTest, BackupFolderIsRefusedInAnySpelling) {
    for (std::string spelling : {program / "orig/", program / "results/../orig/"}) {
        ui.ClearShown();
        Choose(spelling);
        EXPECT_EQ(form.CurFolder->Text(), Results()) << spelling;
        ASSERT_FALSE(ui.Boxes().empty()) << spelling;
        EXPECT_EQ(ui.Boxes()[0].text,
                  "This directory is reserved for base data and cannot be used.\nReverting back "
                  "to last directory.");
    }
}

TEST_F(DataDriveFormTest, UnwritableFolderAndCancelledDialogKeepTheFolder) {
    Choose(program / "no/such/folder/");
    EXPECT_EQ(form.CurFolder->Text(), Results());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(ui.Boxes()[0].text,
              "Selection of new location failed.\nSelect the \"Create New Folder\" button in "
              "order to create a new folder.");

    ui.ClearShown();
    form.ChangeFolderClick();  // the dialog is cancelled
    EXPECT_EQ(form.CurFolder->Text(), Results());
    EXPECT_TRUE(ui.Boxes().empty());
}

// When the backup cannot seed the folder nothing is committed, and a table kept aside is put
// back under its own name.
TEST_F(DataDriveFormTest, FailedCopyChangesNothing) {
    std::string old = Folder("old");
    PutTable(old, "old memo");
    SetFileDate(old + "nyr01.dbf", 2001, 6, 1);
    sys::DeleteFile(program / "orig/nyr01.dbt");
    std::string driveFile = FileText(program / "data.drv");
    Choose(old);
    form.SaveChangesClick();
    EXPECT_EQ(DataFolder, Results());
    EXPECT_EQ(FileText(program / "data.drv"), driveFile);
    EXPECT_EQ(FileText(old + "nyr01.dbt"), "old memo");
    EXPECT_FALSE(sys::FileExists(old + "nyr01_old.dbf"));
    EXPECT_EQ(Tables().PmnTable.NativeFileName(), Results() + "nyr01.dbf");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(ui.Boxes()[0].text.rfind("Error copying data files to new location.", 0), 0u);
}

TEST_F(DataDriveFormTest, TableThatWillNotOpenIsNotCommitted) {
    std::string bad = Folder("bad");
    ASSERT_TRUE(sys::WriteWholeFile(bad + "nyr01.dbf", "not a table"));
    std::string driveFile = FileText(program / "data.drv");
    Choose(bad);
    form.SaveChangesClick();
    EXPECT_EQ(DataFolder, Results());
    EXPECT_EQ(FileText(program / "data.drv"), driveFile);
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    EXPECT_EQ(Tables().PmnTable.NativeFileName(), Results() + "nyr01.dbf");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("could not be opened"), std::string::npos);
}

TEST_F(DataDriveFormTest, ExitWithoutSavingAfterAChangeKeepsEverything) {
    std::string driveFile = FileText(program / "data.drv");
    Choose(Folder("elsewhere"));
    form.ExitNoSaveClick();
    EXPECT_EQ(DataFolder, Results());
    EXPECT_EQ(FileText(program / "data.drv"), driveFile);
    EXPECT_FALSE(sys::FileExists(program / "elsewhere/nyr01.dbf"));
}

}  // namespace
