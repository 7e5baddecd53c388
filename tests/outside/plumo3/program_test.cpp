// The stand-in model program as the predictor starts it: plumos.bat in plumo3/, the deck in the
// folder above, the listing left in plumo3/plumo.out.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/sys/files.h"
#include "platform/sys/process.h"

namespace {

namespace fs = std::filesystem;

class PlumoProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("plumo3_program_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "plumo3");
        for (const char* name : {"plumo3", "plumos.bat"})
            fs::copy_file(fs::path(OMBRIX_PROGRAM_DIR) / "plumo3" / name, folder / "plumo3" / name);
    }
    void TearDown() override { fs::remove_all(folder); }

    sys::ProcessResult Run(const std::string& deck) {
        EXPECT_TRUE(sys::WriteWholeFile(folder / "plumo3.dat", deck));
        sys::ProcessRequest request;
        request.program = (folder / "plumo3" / "plumos.bat").string();
        request.workingFolder = (folder / "plumo3").string();
        request.timeoutMs = 3000;
        return sys::RunProgram(request);
    }
    std::string Listing() {
        return sys::ReadWholeFile(folder / "plumo3" / "plumo.out").value_or("");
    }

    fs::path folder;
};

TEST_F(PlumoProgramTest, ComputesTheDeckAndWritesTheListing) {
    sys::ProcessResult r =
        Run("modelrun\nP\n100\n30\n2\n15\n400\n293\n0\nR\nn\nn\ny\n2\n4\n5\nn\ny\n0\n1000\n0\n"
            "n\nn\nn\n");
    ASSERT_TRUE(r.Finished()) << r.message;
    EXPECT_EQ(r.exitCode, 0);
    std::string text = Listing();
    size_t dashes = text.find("-----");
    ASSERT_NE(dashes, std::string::npos) << text;
    EXPECT_EQ(text.substr(text.find('\n', dashes) + 1, 24), "    1000.0   6.21421E+01");
    Run(sys::ReadWholeFile(folder / "plumo3.dat").value());
    EXPECT_EQ(Listing(), text) << "the model is deterministic";
}

TEST_F(PlumoProgramTest, RefusedDeckLeavesAListingWithoutResults) {
    sys::ProcessResult r = Run("modelrun\nP\n-5\n");
    ASSERT_TRUE(r.Finished());
    EXPECT_EQ(r.exitCode, 1);
    std::string text = Listing();
    EXPECT_NE(text.find("ERROR IN INPUT: line 3"), std::string::npos) << text;
    EXPECT_EQ(text.find("-----"), std::string::npos);
}

TEST_F(PlumoProgramTest, MissingDeckIsReported) {
    sys::ProcessRequest request;
    request.program = (folder / "plumo3" / "plumos.bat").string();
    request.workingFolder = (folder / "plumo3").string();
    request.timeoutMs = 3000;
    sys::ProcessResult r = sys::RunProgram(request);
    ASSERT_TRUE(r.Finished());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(Listing().find("-----"), std::string::npos);
}

}  // namespace
