// A fresh folder for one test, removed afterwards; `folder / "name"` gives a path in it.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <string>

class TempFolder {
  public:
    TempFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("predictor_" + std::to_string(::getpid()) + "_" + test->test_suite_name() + "_" +
                 test->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
