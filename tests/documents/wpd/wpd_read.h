// Test helpers: reading WordPerfect documents back with the independent reader wpd2text, and
// scratch folders.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// The text wpd2text reads from a document; "<error>" followed by its status when it fails.
inline std::string WpdToText(const std::string& path) {
    std::string command = "wpd2text '" + path + "' 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return "<error>";
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    int status = ::pclose(pipe);
    if (status != 0)
        return "<error>" + std::to_string(status) + text;
    return text;
}

// A fresh empty folder under the system's temporary folder, removed with the object.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) {
        path_ = std::filesystem::temp_directory_path() /
                ("ombrix_" + name + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
