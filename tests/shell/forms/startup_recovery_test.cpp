// Start-up in a hostile world: path files with bytes that name no path, starts stopped during the
// backup or a restore, leftover temporary files, a read-only data folder, a lookup table that
// will not open and a second copy of the program on the same folder.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/table_set.h"
#include "shell/data_drive.h"
#include "shell/intro.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A process id that belonged to a process that has ended.
pid_t EndedProcess() {
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

bool HasBoxWith(const forms::ScriptedUi& ui, const std::string& part) {
    for (const auto& box : ui.Boxes()) {
        if (box.text.find(part) != std::string::npos)
            return true;
    }
    return false;
}

struct BadPathFile {
    const char* name;
    std::string bytes;
};

// A path file of NUL, control or stray bytes counts as missing, with a note naming it; nothing
// is made from what it holds, and data.drv never leads to the program folder's own table.
TEST(StartupRecovery, PathFilesThatHoldNoUsablePathAreTreatedAsMissing) {
    const BadPathFile cases[] = {
        {"nul bytes", std::string("\0\0\0\0\n", 5)},
        {"a path cut by a nul", std::string("/tmp/x\0yz\n", 10)},
        {"control bytes", "ab\x01\x02\x7f\n"},
        {"stray high bytes", "\xff\xfe\x80garbage\n"},
    };
    for (const BadPathFile& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolderCopy program;
        forms::ScriptedUi ui;
        ASSERT_TRUE(RunStartupWork());
        ResetShellState();
        for (const char* file : {"data.drv", "kiv.drv", "chimra.drv"})
            ASSERT_TRUE(sys::WriteWholeFile(program / file, c.bytes));
        std::set<std::string> before = NamesIn(program.path());
        ui.ClearShown();

        ASSERT_TRUE(RunStartupWork());
        EXPECT_EQ(DataFolder, program.path() + "/results/");
        EXPECT_EQ(Tables().PmnTable.NativeFileName(), program.path() + "/results/nyr01.dbf");
        EXPECT_EQ(KivProgramPath, program.path() + "/kiv/kiv32.exe");
        EXPECT_EQ(ChimraProgramPath, program.path() + "/chimramn.exe");
        EXPECT_EQ(FileText(program / "chimra.drv"), program.path() + "/chimramn.exe\n");
        for (const char* file : {"data.drv", "kiv.drv", "chimra.drv"})
            EXPECT_TRUE(HasBoxWith(ui, program.path() + "/" + file)) << file;
        EXPECT_EQ(NamesIn(program.path()), before);
    }
}

// The backup marker is written only once orig\ holds the whole table: a backup that fails (or
// is stopped) is made again at the next start instead of leaving a marker before an empty orig\.
TEST(StartupRecovery, FtimeIsWrittenOnlyAfterACompleteBackup) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    std::string memo = FileText(program / "nyr01.dbt");
    ASSERT_TRUE(sys::DeleteFile(program / "nyr01.dbt"));
    ProgramFolder = program.path();
    ReadPathFiles();
    RefreshBackup();
    EXPECT_FALSE(sys::FileExists(program / "ftime."));
    EXPECT_FALSE(sys::FileExists(program / "orig/nyr01.dbf"));
    EXPECT_TRUE(NamesIn(program / "orig").empty());

    ASSERT_TRUE(sys::WriteWholeFile(program / "nyr01.dbt", memo));
    ASSERT_TRUE(RunStartupWork());  // the start after it makes the backup again
    EXPECT_TRUE(sys::FileExists(program / "ftime."));
    EXPECT_EQ(FileText(program / "orig/nyr01.dbt"), memo);
    EXPECT_EQ(FileText(program / "orig/nyr01.dbf"), FileText(program / "nyr01.dbf"));
}

// What a restore stopped at any point leaves: temporary copies of a process that has ended, the
// memo file renamed without its table, or (from an older version) the table without its memo
// file. The next start completes the pair and opens it without a word.
TEST(StartupRecovery, ARestoreStoppedHalfWayIsCompletedAtTheNextStart) {
    enum class Left { TemporaryCopies, MemoWithoutTable, TableWithoutMemo };
    for (Left left : {Left::TemporaryCopies, Left::MemoWithoutTable, Left::TableWithoutMemo}) {
        SCOPED_TRACE(int(left));
        ProgramFolderCopy program;
        forms::ScriptedUi ui;
        ASSERT_TRUE(RunStartupWork());
        ResetShellState();
        std::string dbf = program / "results/nyr01.dbf";
        std::string dbt = program / "results/nyr01.dbt";
        std::string part = ".part" + std::to_string(EndedProcess());
        sys::DeleteFile(dbf);
        sys::DeleteFile(dbt);
        if (left == Left::TemporaryCopies) {
            ASSERT_TRUE(sys::WriteWholeFile(dbt + part, FileText(program / "orig/nyr01.dbt")));
            ASSERT_TRUE(sys::WriteWholeFile(dbf + part, "half a tab"));
        }
        if (left == Left::MemoWithoutTable) {
            ASSERT_TRUE(sys::WriteWholeFile(dbt, FileText(program / "orig/nyr01.dbt")));
            ASSERT_TRUE(sys::WriteWholeFile(dbf + part, FileText(program / "orig/nyr01.dbf")));
        }
        if (left == Left::TableWithoutMemo) {
            ASSERT_TRUE(sys::WriteWholeFile(dbf, FileText(program / "orig/nyr01.dbf")));
        }

        ASSERT_TRUE(RunStartupWork());
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_TRUE(Tables().PmnTable.IsOpen());
        EXPECT_EQ(FileText(dbf), FileText(program / "orig/nyr01.dbf"));
        EXPECT_EQ(FileText(dbt), FileText(program / "orig/nyr01.dbt"));
        EXPECT_EQ(NamesIn(program / "results"), (std::set<std::string>{"nyr01.dbf", "nyr01.dbt"}));
    }
}

// Temporary files of copies that were stopped go; those of a program still running stay.
TEST(StartupRecovery, LeftoverTemporaryFilesOfEndedCopiesAreRemoved) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetShellState();
    std::string ended = ".part" + std::to_string(EndedProcess());
    std::string running = ".part" + std::to_string(::getppid());
    for (const std::string& name :
         {program / ("nyr01.dbf" + ended), program / ("data.drv" + ended),
          program / ("orig/nyr01.dbt" + ended), program / ("results/nyr01.dbf" + ended),
          program / ("results/nyr01.dbt" + running)})
        ASSERT_TRUE(sys::WriteWholeFile(name, std::string(4096, 'x')));

    ASSERT_TRUE(RunStartupWork());
    EXPECT_FALSE(sys::FileExists(program / ("nyr01.dbf" + ended)));
    EXPECT_FALSE(sys::FileExists(program / ("data.drv" + ended)));
    EXPECT_FALSE(sys::FileExists(program / ("orig/nyr01.dbt" + ended)));
    EXPECT_FALSE(sys::FileExists(program / ("results/nyr01.dbf" + ended)));
    EXPECT_TRUE(sys::FileExists(program / ("results/nyr01.dbt" + running)));
}

// A data folder where nothing can be written opens, with a note that cases cannot be saved.
TEST(StartupRecovery, AReadOnlyDataFolderIsNotedAtStart) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    EXPECT_FALSE(HasBoxWith(ui, "cannot be saved"));
    ResetShellState();
    std::string results = program / "results";
    bool root = ::geteuid() == 0;
    struct Guard {
        std::string path;
        bool root;
        ~Guard() {
            std::string command =
                root ? "chattr -i '" + path + "' 2>/dev/null" : "chmod u+w '" + path + "'";
            (void)std::system(command.c_str());
        }
    } guard{results, root};
    std::string command =
        root ? "chattr +i '" + results + "' 2>/dev/null" : "chmod a-w '" + results + "'";
    if (std::system(command.c_str()) != 0)
        GTEST_SKIP() << "cannot make a read-only folder here";
    ui.ClearShown();
    ASSERT_TRUE(RunStartupWork());
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    ASSERT_TRUE(HasBoxWith(ui, "Cases cannot be saved in the data folder " + results));

    // Changing to the read-only folder on the data-folder form says the same.
    ASSERT_TRUE(sys::MakeFolder(program / "other"));
    DataFolder = program.path() + "/other/";
    ASSERT_TRUE(OpenScenarioTable(program / "nyr01.dbf").empty());
    DataFolderChange change = CommitDataFolder(results);
    EXPECT_TRUE(change.committed) << change.error;
    EXPECT_NE(change.note.find("Cases cannot be saved in the data folder " + results),
              std::string::npos)
        << change.note;
}

// A lookup table the program needs that does not open: the message names it, and the program
// ends instead of going on half started.
TEST(StartupRecovery, ALookupTableThatWillNotOpenEndsTheProgramNamingIt) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(sys::WriteWholeFile(program / "rscan/reach.dbf", "not a table"));
    TIntro intro;
    intro.FormActivate();
    EXPECT_TRUE(intro.StartupAbandoned());
    EXPECT_FALSE(intro.StartupDone());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find(program / "rscan/reach.dbf"), std::string::npos);
    EXPECT_NE(ui.Boxes()[0].text.find("cannot work without it"), std::string::npos);
    EXPECT_FALSE(Tables().SidsTable.IsOpen());
}

// A second copy of the program on the same folder says so and ends.
TEST(StartupRecovery, ASecondCopyOnTheSameFolderSaysSoAndEnds) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    int held = ::open((program / "ombrix2014.lck").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);  // as the first copy holds it
    EXPECT_FALSE(RunStartupWork());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("Another copy of the program is using this folder"),
              std::string::npos);
    EXPECT_FALSE(Tables().SidsTable.IsOpen());
    ::close(held);
    ui.ClearShown();
    EXPECT_TRUE(RunStartupWork());  // once the first copy has ended
}

// The start-up's copies killed at random moments: the backup into orig\ and the restore of the
// scenario table. After each kill the next start works without a word, the person's saved case
// is still there, and orig\ and the data folder hold whole tables.
TEST(StartupRecovery, CopiesKilledAtRandomMomentsLeaveAStartThatWorks) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    tables::Table& cases = Tables().PmnTable;
    cases.Append();
    cases.SetString("PMN_ID", "SAVED-CASE");
    cases.Post();
    auto savedCaseIsThere = [&] {
        cases.FindNearest(std::string("SAVED-CASE"));
        return cases.AsString("PMN_ID") == "SAVED-CASE";
    };
    std::string results = program / "results/";
    std::srand(20261210);
    for (int kill = 0; kill < 24; ++kill) {
        SCOPED_TRACE(kill);
        bool restoring = kill >= 12;  // the backup first, with the saved case in the data folder
        pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                if (restoring) {
                    sys::DeleteFile(results + "nyr01.dbf");
                    sys::DeleteFile(results + "nyr01.dbt");
                    CopyScenarioTable(BackupFolderPath(), results);
                } else {
                    sys::DeleteFile(program / "ftime.");  // as a first run finds it
                    RefreshBackup();
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + std::rand() % 5000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        ResetShellState();
        ui.ClearShown();
        ASSERT_TRUE(RunStartupWork());
        EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].text;
        ASSERT_TRUE(Tables().PmnTable.IsOpen());
        EXPECT_EQ(FileText(program / "orig/nyr01.dbf"), FileText(program / "nyr01.dbf"));
        EXPECT_EQ(FileText(program / "orig/nyr01.dbt"), FileText(program / "nyr01.dbt"));
        EXPECT_TRUE(sys::FileExists(program / "ftime."));
        if (!restoring) {
            EXPECT_TRUE(savedCaseIsThere());
        }
        EXPECT_EQ(NamesIn(program / "results"), (std::set<std::string>{"nyr01.dbf", "nyr01.dbt"}));
    }
}

}  // namespace
