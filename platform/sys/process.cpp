// Starting another program and waiting for it, with an optional time limit.
#include "platform/sys/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace sys {
namespace {

std::mutex tickMutex;
std::function<void()> waitTick;

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size())
        return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        char a = text[text.size() - suffix.size() + i];
        if (std::tolower(static_cast<unsigned char>(a)) != suffix[i])
            return false;
    }
    return true;
}

std::vector<std::string> CommandLine(const std::string& file, const ProcessRequest& request) {
    std::vector<std::string> argv;
    if (EndsWithNoCase(file, ".bat"))
        argv.push_back("/bin/sh");
    argv.push_back(file);
    argv.insert(argv.end(), request.arguments.begin(), request.arguments.end());
    return argv;
}

// In the child: enter its own group, change folder, exec. Failures go back through the pipe.
[[noreturn]] void ExecChild(const std::vector<std::string>& argv, const std::string& folder,
                            int errorPipe) {
    ::setpgid(0, 0);
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) {
        int code = errno;
        (void)!::write(errorPipe, &code, sizeof code);
        ::_exit(127);
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    int code = errno;
    (void)!::write(errorPipe, &code, sizeof code);
    ::_exit(127);
}

void Tick() {
    std::function<void()> tick;
    {
        std::lock_guard<std::mutex> lock(tickMutex);
        tick = waitTick;
    }
    if (tick)
        tick();
}

ProcessResult WaitForChild(pid_t pid, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    ProcessResult result;
    for (;;) {
        int status = 0;
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            result.outcome = ProcessResult::Outcome::Finished;
            result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            result.message = WIFEXITED(status) ? "finished" : "ended by a signal";
            ::kill(-pid, SIGKILL);  // children left behind by a script end with it
            return result;
        }
        if (done < 0 && errno != EINTR) {
            result.outcome = ProcessResult::Outcome::Finished;
            result.message = std::strerror(errno);
            return result;
        }
        if (timeoutMs >= 0 && Clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            result.outcome = ProcessResult::Outcome::TimedOut;
            result.message = "ended after the time limit of " + std::to_string(timeoutMs) + " ms";
            return result;
        }
        Tick();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

std::string ResolveProgram(const std::string& program) {
    std::string native = NativePath(program);
    if (FileExists(native) && !FolderExists(native))
        return native;
    if (EndsWithNoCase(native, ".exe")) {
        std::string bare = NativePath(program.substr(0, program.size() - 4));
        if (FileExists(bare) && !FolderExists(bare))
            return bare;
    }
    return {};
}

void SetWaitTick(std::function<void()> tick) {
    std::lock_guard<std::mutex> lock(tickMutex);
    waitTick = std::move(tick);
}

ProcessResult RunProgram(const ProcessRequest& request) {
    ProcessResult result;
    std::string file = ResolveProgram(request.program);
    if (file.empty()) {
        result.message = "program not found: " + NativePath(request.program);
        return result;
    }
    std::string folder = request.workingFolder.empty() ? "" : NativePath(request.workingFolder);
    std::vector<std::string> argv = CommandLine(file, request);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        result.message = std::string("cannot start: ") + std::strerror(errno);
        return result;
    }
    pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        result.message = std::string("cannot start: ") + std::strerror(errno);
        return result;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        ExecChild(argv, folder, pipeFds[1]);
    }
    ::setpgid(pid, pid);  // also from the parent, so the group exists before any kill
    ::close(pipeFds[1]);
    int childError = 0;
    ssize_t n;
    do {
        n = ::read(pipeFds[0], &childError, sizeof childError);
    } while (n < 0 && errno == EINTR);
    ::close(pipeFds[0]);
    if (n == static_cast<ssize_t>(sizeof childError)) {
        ::waitpid(pid, nullptr, 0);
        result.message = "cannot start " + file + ": " + std::strerror(childError);
        return result;
    }
    return WaitForChild(pid, request.timeoutMs);
}

}  // namespace sys
