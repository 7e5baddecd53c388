// File and folder services and the working folder; every path goes through NativePath.
#include "platform/sys/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

#include "platform/sys/paths.h"

namespace sys {
namespace {

bool StatPath(const std::string& path, struct stat& st) {
    return ::stat(NativePath(path).c_str(), &st) == 0;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string TemporaryBeside(const std::string& native) {
    return native + ".part" + std::to_string(::getpid());
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st;
    return StatPath(path, st);
}

bool FolderExists(const std::string& path) {
    struct stat st;
    return StatPath(path, st) && S_ISDIR(st.st_mode);
}

std::int64_t FileLength(const std::string& path) {
    struct stat st;
    if (!StatPath(path, st) || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<std::int64_t>(st.st_size);
}

bool DeleteFile(const std::string& path) {
    std::string native = NativePath(path);
    if (::unlink(native.c_str()) == 0)
        return true;
    return errno == ENOENT;
}

bool MakeFolder(const std::string& path) {
    std::string native = NativePath(path);
    if (native.empty())
        return false;
    std::string partial;
    size_t start = 0;
    while (start <= native.size()) {
        size_t slash = native.find('/', start);
        if (slash == std::string::npos)
            slash = native.size();
        partial = native.substr(0, slash);
        if (!partial.empty())
            ::mkdir(partial.c_str(), 0777);
        start = slash + 1;
    }
    struct stat st;
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<FileDate> ModificationDate(const std::string& path) {
    struct stat st;
    if (!StatPath(path, st))
        return std::nullopt;
    std::tm local{};
    time_t seconds = st.st_mtime;
    if (!::localtime_r(&seconds, &local))
        return std::nullopt;
    return FileDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool RenameFile(const std::string& from, const std::string& to) {
    return ::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(NativePath(path).c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

namespace {

bool WriteThroughTemporary(const std::string& path, const std::string& bytes, bool flush) {
    std::string native = NativePath(path);
    std::string temporary = TemporaryBeside(native);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes.data(), bytes.size()) && (!flush || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temporary.c_str(), native.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    return WriteThroughTemporary(path, bytes, true);
}

bool WriteScratchFile(const std::string& path, const std::string& bytes) {
    return WriteThroughTemporary(path, bytes, false);
}

bool CopyBytes(const std::string& source, const std::string& target) {
    std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes)
        return false;
    return WriteWholeFile(target, *bytes);
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(NativePath(path).c_str(), mode);
}

std::string CanonicalPath(const std::string& path) {
    std::string native = NativePath(path);
    char* resolved = ::realpath(native.c_str(), nullptr);
    if (!resolved)
        return native;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

std::string WorkingFolder() {
    char* cwd = ::getcwd(nullptr, 0);
    if (!cwd)
        return {};
    std::string result = cwd;
    std::free(cwd);
    return result;
}

bool SetWorkingFolder(const std::string& path) {
    return ::chdir(NativePath(path).c_str()) == 0;
}

WorkingFolderGuard::WorkingFolderGuard() : returnTo_(ProgramRoot()) {}

WorkingFolderGuard::WorkingFolderGuard(std::string returnTo) : returnTo_(std::move(returnTo)) {}

WorkingFolderGuard::~WorkingFolderGuard() {
    SetWorkingFolder(returnTo_);
}

}  // namespace sys
