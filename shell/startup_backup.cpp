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

void RefreshBackup() {
    std::string backup = BackupFolderPath();
    sys::MakeFolder(backup);
    sys::WriteWholeFile(ProgramPath(kFirstRunMarker), "ftime\n");
    // A failed copy shows later, when a restore from orig\ is needed and fails with a message.
    CopyScenarioTable(sys::NativePath(ProgramFolder + "/"), backup);
}

bool CopyScenarioTable(const std::string& fromFolder, const std::string& toFolder) {
    std::vector<std::string> copied;
    auto copy = [&](const char* extension, bool required) {
        std::string source = TableFile(fromFolder, extension);
        if (!required && !sys::FileExists(source))
            return true;
        std::string target = TableFile(toFolder, extension);
        if (!CopyFileBytes(source, target))
            return false;
        copied.push_back(target);
        return true;
    };
    bool complete = copy("dbf", true) && copy("dbt", true) && copy("mdx", false);
    if (!complete) {
        for (const std::string& file : copied)
            sys::DeleteFile(file);
    }
    return complete;
}
