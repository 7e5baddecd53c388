// A scratch folder for one test, with drive c: mapped into it, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "wordproc-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::setenv("OMBRIX_DRIVE_C", (std::filesystem::path(path_) / "drive_c").c_str(), 1);
    }
    ~ScratchFolder() {
        ::unsetenv("OMBRIX_DRIVE_C");
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& name = "") const {
        return name.empty() ? path_ : (std::filesystem::path(path_) / name).string();
    }
    // The native path of the fixed work folder inside the mapped drive.
    std::string WorkFolder(const std::string& name = "") const {
        auto folder = std::filesystem::path(path_) / "drive_c/Users/Public/Ombrix2014";
        return name.empty() ? folder.string() : (folder / name).string();
    }

    static void Write(const std::string& path, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The file's bytes; "" when it is not a readable file.
    static std::string Read(const std::string& path) {
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(path, ignored))
            return {};
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::string path_;
};
