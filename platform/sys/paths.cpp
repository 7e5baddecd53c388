// Turning the system's paths (backslashes, drive letters, any letter case) into native ones.
#include "platform/sys/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

namespace sys {
namespace {

std::mutex rootMutex;
std::string rootOverride;

std::string ExecutableFolder() {
    std::string buffer(4096, '\0');
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return ".";
        if (static_cast<size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<size_t>(n));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return FolderPart(buffer);
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Finds an entry of folder whose name equals name without regard to case.
std::string MatchInFolder(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return {};
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

// Usually only the last name is missing (a file about to be written): when its folder exists as
// written, that name alone is matched, without walking the folders above it.
std::optional<std::string> LastNameFallback(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0)
        return std::nullopt;
    const std::string name = path.substr(slash + 1);
    const std::string folder = path.substr(0, slash);
    if (name.empty() || name == "." || name == ".." || !Exists(folder))
        return std::nullopt;
    std::string match = MatchInFolder(folder, name);
    return match.empty() ? path : JoinPath(folder, match);
}

// Rebuilds the path component by component, taking the case-insensitive match of each one
// that does not exist as written.
std::string CaseFallback(const std::string& path) {
    if (std::optional<std::string> quick = LastNameFallback(path))
        return *quick;
    bool absolute = !path.empty() && path[0] == '/';
    std::string result = absolute ? "/" : "";
    bool matching = true;
    for (const std::string& part : SplitComponents(path)) {
        std::string candidate = JoinPath(result, part);
        if (matching && !Exists(candidate) && part != "." && part != "..") {
            std::string match = MatchInFolder(result, part);
            if (!match.empty()) {
                candidate = JoinPath(result, match);
            } else {
                matching = false;  // nothing below a missing folder can match
            }
        }
        result = candidate;
    }
    return result;
}

}  // namespace

std::string ProgramRoot() {
    {
        std::lock_guard<std::mutex> lock(rootMutex);
        if (!rootOverride.empty())
            return rootOverride;
    }
    if (const char* env = std::getenv("OMBRIX_PROGRAM_DIR"); env && *env)
        return env;
    return ExecutableFolder();
}

void SetProgramRoot(const std::string& folder) {
    std::lock_guard<std::mutex> lock(rootMutex);
    rootOverride = folder;
}

std::string DriveFolder(char letter) {
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (lower == 'c') {
        if (const char* env = std::getenv("OMBRIX_DRIVE_C"); env && *env)
            return env;
    }
    return JoinPath(ProgramRoot(), std::string("drive_") + lower);
}

std::string NativePath(const std::string& path) {
    std::string text = path;
    for (char& c : text) {
        if (c == '\\')
            c = '/';
    }
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
        std::string rest = text.substr(2);
        text = DriveFolder(text[0]) + "/" + rest;
    }
    if (text.empty())
        return text;
    bool trailing = text.back() == '/';
    // Collapse doubled separators that joining folder and name can leave.
    std::string collapsed;
    for (char c : text) {
        if (c == '/' && !collapsed.empty() && collapsed.back() == '/')
            continue;
        collapsed += c;
    }
    if (Exists(collapsed))
        return collapsed;
    std::string matched = CaseFallback(collapsed);
    if (trailing && (matched.empty() || matched.back() != '/'))
        matched += '/';
    return matched;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (name.empty())
        return folder;
    bool folderEnds = folder.back() == '/' || folder.back() == '\\';
    bool nameStarts = name.front() == '/' || name.front() == '\\';
    if (folderEnds && nameStarts)
        return folder + name.substr(1);
    if (folderEnds || nameStarts)
        return folder + name;
    return folder + "/" + name;
}

std::string FileNamePart(const std::string& path) {
    size_t pos = path.find_last_of("/\\");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string FolderPart(const std::string& path) {
    size_t pos = path.find_last_of("/\\");
    if (pos == std::string::npos)
        return "";
    if (pos == 0)
        return path.substr(0, 1);
    return path.substr(0, pos);
}

}  // namespace sys
