// Starting programs: arguments and folder, scripts, time limits that end the whole group, failures.
#include "platform/sys/process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

void WriteScript(const std::string& path, const std::string& body, bool executable) {
    ASSERT_TRUE(sys::WriteWholeFile(path, "#!/bin/sh\n" + body));
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

bool ProcessAlive(pid_t pid) {
    return ::kill(pid, 0) == 0;
}

TEST(RunProgramTest, BatchFileRunsAsShellScriptWithArgumentsInItsFolder) {
    TempFolder dir;
    WriteScript(dir / "kiv32.bat", "pwd > out.txt\necho \"$1\" >> out.txt\nexit 3\n", false);
    sys::ProcessResult result = sys::RunProgram({dir / "kiv32.bat", {"nyr"}, dir.path(), -1});
    ASSERT_TRUE(result.Finished()) << result.message;
    EXPECT_EQ(result.exitCode, 3);
    std::vector<std::string> lines;
    ASSERT_TRUE(sys::ReadTextLines(dir / "out.txt", lines));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], sys::CanonicalPath(dir.path()));
    EXPECT_EQ(lines[1], "nyr");
}

TEST(RunProgramTest, MissingExeIsLookedUpWithoutItsExtension) {
    TempFolder dir;
    WriteScript(dir / "chimramn", "exit 0\n", true);
    EXPECT_EQ(sys::ResolveProgram(dir / "chimramn.exe"), dir / "chimramn");
    sys::ProcessResult result = sys::RunProgram({dir / "chimramn.exe", {}, "", -1});
    EXPECT_TRUE(result.Finished()) << result.message;
    EXPECT_EQ(result.exitCode, 0);
}

TEST(RunProgramTest, StartFailuresAreReported) {
    TempFolder dir;
    sys::ProcessResult missing = sys::RunProgram({dir / "nothing.exe", {}, "", -1});
    EXPECT_EQ(missing.outcome, sys::ProcessResult::Outcome::StartFailed);
    EXPECT_NE(missing.message.find("not found"), std::string::npos);

    WriteScript(dir / "plain", "exit 0\n", false);  // not executable
    sys::ProcessResult refused = sys::RunProgram({dir / "plain", {}, "", -1});
    EXPECT_EQ(refused.outcome, sys::ProcessResult::Outcome::StartFailed);

    WriteScript(dir / "ok", "exit 0\n", true);
    sys::ProcessResult badFolder = sys::RunProgram({dir / "ok", {}, dir / "no-such-folder", -1});
    EXPECT_EQ(badFolder.outcome, sys::ProcessResult::Outcome::StartFailed);
}

TEST(RunProgramTest, TimeLimitEndsTheProgramAndItsChildren) {
    TempFolder dir;
    // The script starts a child that would outlive it, records both process ids, and hangs.
    WriteScript(dir / "hang.bat",
                "sleep 30 &\necho $! > child.pid\necho $$ > parent.pid\nsleep 30\n", false);
    auto start = std::chrono::steady_clock::now();
    sys::ProcessResult result = sys::RunProgram({dir / "hang.bat", {}, dir.path(), 300});
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.outcome, sys::ProcessResult::Outcome::TimedOut);
    EXPECT_LT(elapsed, std::chrono::seconds(10));

    std::vector<std::string> child, parent;
    ASSERT_TRUE(sys::ReadTextLines(dir / "child.pid", child));
    ASSERT_TRUE(sys::ReadTextLines(dir / "parent.pid", parent));
    pid_t childPid = std::stoi(child.at(0));
    pid_t parentPid = std::stoi(parent.at(0));
    // The killed child is reparented and reaped by init; give it a moment.
    for (int i = 0; i < 200 && ProcessAlive(childPid); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(ProcessAlive(childPid));
    EXPECT_FALSE(ProcessAlive(parentPid));
}

TEST(RunProgramTest, WaitTickRunsWhileWaiting) {
    TempFolder dir;
    WriteScript(dir / "slow.bat", "sleep 0.2\n", false);
    int ticks = 0;
    sys::SetWaitTick([&ticks] { ++ticks; });
    sys::ProcessResult result = sys::RunProgram({dir / "slow.bat", {}, "", -1});
    sys::SetWaitTick(nullptr);
    EXPECT_TRUE(result.Finished());
    EXPECT_GT(ticks, 5);
}

}  // namespace
