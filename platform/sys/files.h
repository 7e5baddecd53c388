// File and folder services and the working folder; every path goes through NativePath.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace sys {

struct FileDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

bool FileExists(const std::string& path);    // a file or a folder
bool FolderExists(const std::string& path);  // a folder only
// Length in bytes, or -1 when the file cannot be examined.
std::int64_t FileLength(const std::string& path);
// True when the file is gone afterwards (also when it never existed).
bool DeleteFile(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeFolder(const std::string& path);
// Modification date in local time.
std::optional<FileDate> ModificationDate(const std::string& path);
// Renames a file, replacing the target; true on success.
bool RenameFile(const std::string& from, const std::string& to);
// Names of the entries of a folder (no "." or ".."), sorted.
std::vector<std::string> ListFolder(const std::string& path);

// Copies a file byte for byte. When the source is missing or unreadable, the target is left
// untouched and the result is false. The copy is written beside the target and renamed over
// it only when complete, so a failed copy never leaves a half-written target.
bool CopyBytes(const std::string& source, const std::string& target);

// Reads a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes a whole file through a temporary beside it and a rename; false on any failure,
// in which case the target is unchanged.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The same for a scratch file that a run rebuilds and removes again (a report part, a hand-over
// file between two steps): replaced whole through a rename as above, but not flushed to the disk
// before the result is given, since a crash loses the run that would read it anyway.
bool WriteScratchFile(const std::string& path, const std::string& bytes);

// fopen through NativePath.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Canonical absolute form of an existing path (symbolic links and ".." resolved), or the
// native path when it does not exist.
std::string CanonicalPath(const std::string& path);

// The working folder.
std::string WorkingFolder();
bool SetWorkingFolder(const std::string& path);

// Returns to a folder (by default the program folder) when it goes out of scope, on every path out.
class WorkingFolderGuard {
  public:
    WorkingFolderGuard();
    explicit WorkingFolderGuard(std::string returnTo);
    ~WorkingFolderGuard();
    WorkingFolderGuard(const WorkingFolderGuard&) = delete;
    WorkingFolderGuard& operator=(const WorkingFolderGuard&) = delete;

  private:
    std::string returnTo_;
};

}  // namespace sys
