// Starting another program and waiting for it, with an optional time limit.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sys {

struct ProcessRequest {
    std::string program;                 // system path; a .bat runs as a shell script
    std::vector<std::string> arguments;  // passed as they are
    std::string workingFolder;           // empty: the current working folder
    int timeoutMs = -1;                  // below 0: wait without limit
};

struct ProcessResult {
    enum class Outcome { Finished, TimedOut, StartFailed };
    Outcome outcome = Outcome::StartFailed;
    int exitCode = -1;    // exit status when Finished; -1 when ended by a signal
    std::string message;  // why it could not start, or how it ended
    bool Finished() const { return outcome == Outcome::Finished; }
};

// The file that would run for a program path: the path itself when it exists, else, for a
// name ending in ".exe", the same name without the extension. Empty when neither exists.
std::string ResolveProgram(const std::string& program);

// Called repeatedly while waiting; the user interface installs one that keeps windows painted
// without taking input.
void SetWaitTick(std::function<void()> tick);

// Starts the program in its own process group and waits for it. When the time limit passes,
// the whole process group is ended and the result says TimedOut.
ProcessResult RunProgram(const ProcessRequest& request);

}  // namespace sys
