// Start-up guards of the program folder: one running copy per folder, no leftovers of copies
// stopped half-way, and a word when cases cannot be saved in the data folder.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/table_set.h"
#include "shell/startup.h"

namespace {

constexpr const char* kFolderLock = "ombrix2014.lck";

// The lock of the program folder this process holds (released when the process ends).
int heldLock = -1;
std::string heldFolder;

// The process id a temporary name ends in (".part<digits>"), or 0 when it is no such name.
pid_t WriterOf(const std::string& name) {
    auto at = name.rfind(".part");
    if (at == std::string::npos || at + 5 == name.size())
        return 0;
    std::string digits = name.substr(at + 5);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9)
        return 0;
    return static_cast<pid_t>(std::atol(digits.c_str()));
}

bool StillRunning(pid_t pid) {
    if (pid == ::getpid())
        return false;  // this process has made no temporary file yet
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (dirent* entry = ::readdir(dir))
        names.push_back(entry->d_name);
    ::closedir(dir);
    return names;
}

void RemoveLeftoversIn(const std::string& folder) {
    std::string native = sys::NativePath(folder.empty() ? ProgramFolder : folder);
    for (const std::string& name : FileNamesIn(native)) {
        pid_t writer = WriterOf(name);
        if (writer > 0 && !StillRunning(writer))
            sys::DeleteFile(sys::JoinPath(native, name));
    }
}

// Whether a file can be made in the folder: tried, since permissions alone do not tell (the
// superuser, immutable folders, read-only mounts).
bool FolderTakesFiles(const std::string& folder) {
    std::string probe = sys::JoinPath(sys::NativePath(folder.empty() ? ProgramFolder : folder),
                                      ".ombrix_write_probe" + std::to_string(::getpid()));
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

bool ClaimProgramFolder() {
    std::string folder = sys::NativePath(ProgramFolder);
    if (heldLock >= 0 && heldFolder == folder)
        return true;
    int fd = ::open(sys::JoinPath(folder, kFolderLock).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return true;  // a folder that takes no lock file cannot be shared for writing either
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if (heldLock >= 0)
        ::close(heldLock);
    heldLock = fd;
    heldFolder = folder;
    return true;
}

void RemoveLeftoverCopies() {
    RemoveLeftoversIn(ProgramFolder);
    RemoveLeftoversIn(BackupFolderPath());
    RemoveLeftoversIn(DataFolder);
}

std::string CasesCannotBeSavedNote() {
    std::string folder = sys::NativePath(DataFolder.empty() ? ProgramFolder : DataFolder);
    bool tableReadOnly = Tables().PmnTable.IsOpen() && Tables().PmnTable.ReadOnly();
    if (FolderTakesFiles(DataFolder) && !tableReadOnly)
        return "";
    return "Cases cannot be saved in the data folder " + folder + ": " +
           (tableReadOnly ? "its scenario table nyr01.dbf is read-only."
                          : "the folder is read-only.") +
           "\nCases can be looked at, but changes to them will not be kept.";
}
