// The pristine copy of the scenario table in orig\ and its refresh when the program is newer.
#include <unistd.h>

#include <climits>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"
#include "shell/startup.h"

namespace {

std::string programFileOverride;

std::string ExecutablePath() {
    std::vector<char> buffer(PATH_MAX + 1, '\0');
    ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return {};
    return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string TableFile(const std::string& folder, const char* extension) {
    return sys::NativePath(folder + "nyr01." + extension);
}

// The name a file is copied under before it is renamed into place; start-up removes such files
// when a copy was stopped half-way.
std::string TemporaryName(const std::string& target) {
    return target + ".part" + std::to_string(::getpid());
}

}  // namespace

std::string RunningProgramFile() {
    return programFileOverride.empty() ? ExecutablePath() : programFileOverride;
}

void SetRunningProgramFile(const std::string& path) {
    programFileOverride = path;
}

// On a first run always; otherwise when the program file is dated later than ftime. by the
// day number, unless master. holds the backup as it is.
bool BackupRefreshDue() {
    std::string marker = ProgramPath(kFirstRunMarker);
    if (!sys::FileExists(marker))
        return true;
    auto programDate = sys::ModificationDate(RunningProgramFile());
    auto markerDate = sys::ModificationDate(marker);
    if (!programDate || !markerDate)
        return false;
    if (BackupDayNumber(*programDate) <= BackupDayNumber(*markerDate))
        return false;
    return !sys::FileExists(ProgramPath(kMasterMarker));
}

// ftime. is written only once orig\ holds the whole table: a start killed during the copy finds
// no ftime. and makes the backup again.
void RefreshBackup() {
    std::string backup = BackupFolderPath();
    sys::MakeFolder(backup);
    // A failed copy shows later, when a restore from orig\ is needed and fails with a message.
    if (CopyScenarioTable(sys::NativePath(ProgramFolder + "/"), backup))
        sys::WriteWholeFile(ProgramPath(kFirstRunMarker), "ftime\n");
}

// Every file is first copied whole under a temporary name; only then are they renamed into
// place, the memo file and index before the table. A copy stopped at any moment leaves either the
// files as they were, temporary files that the next start removes, or the new memo file without
// its table, which counts as no table and is restored again.
bool CopyScenarioTable(const std::string& fromFolder, const std::string& toFolder) {
    struct Piece {
        std::string temporary;
        std::string target;
    };
    std::vector<Piece> pieces;
    auto discard = [&] {
        for (const Piece& piece : pieces)
            sys::DeleteFile(piece.temporary);
        return false;
    };
    for (const char* extension : {"dbt", "mdx", "dbf"}) {
        std::string source = TableFile(fromFolder, extension);
        bool required = std::string(extension) != "mdx";
        if (!required && !sys::FileExists(source))
            continue;
        std::string target = TableFile(toFolder, extension);
        Piece piece{TemporaryName(target), target};
        if (!CopyFileBytes(source, piece.temporary))
            return discard();
        pieces.push_back(piece);
    }
    for (const Piece& piece : pieces) {
        if (!sys::RenameFile(piece.temporary, piece.target))
            return discard();
    }
    return true;
}

bool CompleteHalfRestoredTable() {
    std::string table = sys::NativePath(DataPath(kScenarioTable));
    std::string memo = TableFile(DataFolder, "dbt");
    std::string backupTable = TableFile(BackupFolderPath(), "dbf");
    if (!sys::FileExists(table) || sys::FileExists(memo))
        return false;
    auto ours = sys::ReadWholeFile(table);
    auto pristine = sys::ReadWholeFile(backupTable);
    if (!ours || !pristine || *ours != *pristine)
        return false;
    std::string temporary = TemporaryName(memo);
    if (!CopyFileBytes(TableFile(BackupFolderPath(), "dbt"), temporary))
        return false;
    if (sys::RenameFile(temporary, memo))
        return true;
    sys::DeleteFile(temporary);
    return false;
}
