// A fresh scratch folder per test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace consumer_test {

class TestFolder {
  public:
    // Unique per test, since ctest runs the tests of one program side by side.
    explicit TestFolder(const std::string& name) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string unique = name;
        if (test)
            unique += std::string("-") + test->test_suite_name() + "-" + test->name();
        path_ = std::filesystem::path(OMBRIX_BUILD_DIR) / "test-scratch" / unique;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() { std::filesystem::remove_all(path_); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder with a trailing separator, as the model's working folder is given.
    std::string Folder() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream out(File(name), std::ios::binary);
        out << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }

  private:
    std::filesystem::path path_;
};

// Splits text at "\n"; a final line end gives no extra empty element.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

// What a shell command writes to its standard output.
inline std::string CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        text.append(buffer, n);
    return text;
}

// The text of a WordPerfect document as the independent reader sees it.
inline std::string Wpd2Text(const std::string& path) {
    return CommandOutput("wpd2text '" + path + "' 2>/dev/null");
}

}  // namespace consumer_test
