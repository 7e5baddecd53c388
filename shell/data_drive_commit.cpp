// Moving the data folder: keeping an outdated table aside, seeding from orig\, and committing
// the change only once the new table opens.
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "shell/data_drive.h"
#include "shell/startup.h"

namespace {

const char* kExtensions[] = {"dbf", "mdx", "dbt"};

std::string TablePath(const std::string& folder, const std::string& base, const char* extension) {
    return sys::NativePath(folder + base + "." + extension);
}

bool IsOutdated(const std::string& table) {
    auto date = sys::ModificationDate(table);
    return date && TableDayNumber(*date) < kOldestCurrentTableDay;
}

// Renames the files of the table in `folder` from one base name to another; on a failure the
// files already renamed are put back. True when every existing file was renamed.
bool RenameTable(const std::string& folder, const std::string& from, const std::string& to) {
    std::vector<const char*> done;
    for (const char* extension : kExtensions) {
        std::string source = TablePath(folder, from, extension);
        if (!sys::FileExists(source))
            continue;
        if (!sys::RenameFile(source, TablePath(folder, to, extension))) {
            for (const char* back : done) {
                sys::RenameFile(TablePath(folder, to, back), TablePath(folder, from, back));
            }
            return false;
        }
        done.push_back(extension);
    }
    return true;
}

const char* kUnchanged = "\nThe data folder was not changed.";

}  // namespace

std::string OldTableBaseName(const std::string& folder) {
    std::string base = "nyr01_old";
    for (int n = 2; sys::FileExists(TablePath(folder, base, "dbf")); ++n) {
        base = "nyr01_old" + std::to_string(n);
    }
    return base;
}

DataFolderChange CommitDataFolder(const std::string& folder) {
    DataFolderChange change;
    std::string table = sys::NativePath(folder + kScenarioTable);
    std::string keptAs;
    if (sys::FileExists(table) && IsOutdated(table)) {
        keptAs = OldTableBaseName(folder);
        if (!RenameTable(folder, "nyr01", keptAs)) {
            change.error =
                "The outdated scenario table in the new folder could not be kept "
                "aside under another name." +
                std::string(kUnchanged);
            return change;
        }
    }
    auto undoKeep = [&] {
        if (!keptAs.empty())
            RenameTable(folder, keptAs, "nyr01");
    };
    bool seeded = false;
    if (!sys::FileExists(table)) {
        seeded = CopyScenarioTable(BackupFolderPath(), folder);
        if (!seeded) {
            undoKeep();
            change.error =
                "Error copying data files to new location.\nPlease replace your disk in the 'a' "
                "drive with a disk that is not full." +
                std::string(kUnchanged);
            return change;
        }
    }
    // A failure from here on puts the folder back as it was found.
    auto undoSeed = [&] {
        if (seeded) {
            for (const char* extension : kExtensions) {
                sys::DeleteFile(TablePath(folder, "nyr01", extension));
            }
        }
        undoKeep();
    };
    std::string opened = OpenScenarioTable(table);
    if (!opened.empty()) {
        undoSeed();
        OpenScenarioTable(sys::NativePath(DataFolder + kScenarioTable));
        change.error = "The scenario table in the new folder could not be opened:\n" + opened +
                       std::string(kUnchanged);
        return change;
    }
    if (!sys::WriteWholeFile(ProgramPath(kDataDriveFile), folder + "\n")) {
        OpenScenarioTable(sys::NativePath(DataFolder + kScenarioTable));
        undoSeed();
        change.error =
            "The data folder could not be recorded in data.drv." + std::string(kUnchanged);
        return change;
    }
    DataFolder = folder;
    change.committed = true;
    if (!keptAs.empty()) {
        change.note = "The scenario table in " + folder +
                      " was older than this program's tables.\nIt was kept as " + keptAs +
                      ".dbf and the pristine table was copied in its place.";
    }
    if (std::string readOnly = CasesCannotBeSavedNote(); !readOnly.empty())
        change.note += (change.note.empty() ? "" : "\n\n") + readOnly;
    return change;
}
