// Starts the real main program offscreen in a fresh copy of the program folder, waits for the
// introductory screen and lets the program close it (OMBRIX_CLOSE_AFTER_START).
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class FreshProgramFolder {
  public:
    FreshProgramFolder() {
        std::string pattern = (fs::temp_directory_path() / "ombrix-smoke-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        fs::copy(OMBRIX_PROGRAM_DIR, path_,
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        // A fresh folder: nothing of an earlier run.
        for (const char* left : {"ftime.", "data.drv", "kiv.drv", "chimra.drv", "wordup"}) {
            fs::remove(fs::path(path_) / left);
        }
        fs::remove_all(fs::path(path_) / "orig");
        fs::remove_all(fs::path(path_) / "results");
    }
    ~FreshProgramFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string Text(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ProgramSmokeTest, ShowsTheIntroductoryScreenAndExitsCleanlyWhenClosed) {
    FreshProgramFolder folder;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("OMBRIX_PROGRAM_DIR", QString::fromStdString(folder.path()));
    environment.insert("OMBRIX_CLOSE_AFTER_START", "200");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory("/");
    program.start(QString::fromStdString(folder.path() + "/ombrix2014"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    bool ended = program.waitForFinished(120000);
    if (!ended)
        program.kill();
    std::string output = program.readAllStandardOutput().toStdString();
    std::string errors = program.readAllStandardError().toStdString();
    ASSERT_TRUE(ended) << "still running after two minutes\n" << output << errors;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(program.exitCode(), 0) << errors;
    EXPECT_NE(output.find("window shown: Ombrix (2014) Introductory Screen"), std::string::npos)
        << output << errors;
    // The start-up work ran in the program's own folder.
    EXPECT_EQ(Text(fs::path(folder.path()) / "ftime."), "ftime\n");
    EXPECT_EQ(Text(fs::path(folder.path()) / "data.drv"), folder.path() + "/results/\n");
    EXPECT_TRUE(fs::exists(fs::path(folder.path()) / "results" / "nyr01.dbf"));
    EXPECT_TRUE(fs::exists(fs::path(folder.path()) / "orig" / "nyr01.dbf"));
}

}  // namespace
