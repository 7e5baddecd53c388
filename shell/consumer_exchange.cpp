// The exchange with the consumer model: nyrinput.txt out, the model run, nyrout.txt back.
#include "shell/consumer_exchange.h"

#include <sstream>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"

namespace {

const char* kNyrInput = "nyrinput.txt";
const char* kNyrOutput = "nyrout.txt";

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream stream(text);
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool ReadNumberLine(const std::vector<std::string>& lines, size_t index, double& value,
                    std::string& error) {
    if (sys::ParseDouble(lines[index], value))
        return true;
    error = "line " + std::to_string(index + 1) + " holds no number: \"" + lines[index] + "\"";
    return false;
}

std::string LeftTrimmed(const std::string& text) {
    std::string::size_type start = text.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : text.substr(start);
}

ConsumerRunOutcome Failed(const std::string& error, const std::string& caption = "Error") {
    ConsumerRunOutcome outcome;
    outcome.error = error;
    outcome.errorCaption = caption;
    return outcome;
}

}  // namespace

std::string FormatNyrInput(const ConsumerCaseInput& in) {
    std::string text;
    text += in.caseNum + "\n";
    text += in.chemName + "\n";
    text += sys::Format("%g\n", in.wtFracMed);
    text += sys::Format("%g\n", in.wtFrac90);
    text += sys::Format("%f\n", in.mw);
    text += sys::Format("%f\n", in.vp);
    text += sys::Format("%f\n", in.bw);
    text += sys::Format("%f\n", in.inhale);
    text += sys::Format("%f\n", in.cancerAt);
    text += sys::Format("%d\n", in.popNum + 1);
    text += sys::Format("%d\n", in.kivScen);
    text += in.wordPerfect ? "wp\n" : "word\n";
    text += sys::Format("%f\n", in.saBody);
    text += sys::Format("%f\n", in.saHand);
    text += sys::Format("%f\n", in.edKiv);
    text += in.prodName + "\n";
    return text;
}

std::optional<ConsumerCaseReturn> ParseNyrOutput(const std::string& text, std::string& error) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 10) {
        error = "it holds " + std::to_string(lines.size()) + " lines where 10 are needed";
        return std::nullopt;
    }
    ConsumerCaseReturn values;
    long scenario = 0;
    if (!sys::ParseLong(lines[0], scenario)) {
        error = "line 1 holds no scenario number: \"" + lines[0] + "\"";
        return std::nullopt;
    }
    values.kivScen = static_cast<int>(scenario);
    values.prodName = LeftTrimmed(lines[1]);
    double* numbers[] = {&values.wtFracMed, &values.wtFrac90, &values.bw,     &values.inhale,
                         &values.cancerAt,  &values.saBody,   &values.saHand, &values.edKiv};
    for (size_t i = 0; i < 8; ++i) {
        if (!ReadNumberLine(lines, i + 2, *numbers[i], error))
            return std::nullopt;
    }
    return values;
}

std::string ConsumerLauncherPath() {
    return sys::NativePath(ProgramFolder + "\\kiv\\kiv32.bat");
}

// The answer of an earlier run is removed first, so that a model that writes nothing can never
// hand back stale values.
ConsumerRunOutcome ExchangeWithConsumerModel(const std::string& program,
                                             const ConsumerCaseInput& input) {
    std::string folder = sys::FolderPart(sys::NativePath(program));
    std::string inputFile = sys::JoinPath(folder, kNyrInput);
    std::string outputFile = sys::JoinPath(folder, kNyrOutput);
    if (!sys::WriteWholeFile(inputFile, FormatNyrInput(input))) {
        return Failed("The case could not be written to " + inputFile + ".");
    }
    if (!sys::DeleteFile(outputFile)) {
        return Failed("The old results file " + outputFile + " could not be removed.");
    }
    sys::ProcessRequest request;
    request.program = program;
    request.arguments = {"nyr"};
    request.workingFolder = folder;
    sys::ProcessResult run = sys::RunProgram(request);
    sys::SetWorkingFolder(ProgramFolder);
    if (run.outcome == sys::ProcessResult::Outcome::StartFailed) {
        return Failed("The consumer model could not be started:\n" + run.message,
                      "File execution error.");
    }
    std::optional<std::string> text = sys::ReadWholeFile(outputFile);
    if (!text) {
        std::string how =
            run.exitCode == 0 ? "" : " It ended with code " + std::to_string(run.exitCode) + ".";
        return Failed("The consumer model ended without returning the case (" + outputFile +
                      " was not written)." + how + "\nNothing was saved.");
    }
    std::string error;
    std::optional<ConsumerCaseReturn> values = ParseNyrOutput(*text, error);
    if (!values) {
        return Failed("The consumer model's answer " + outputFile + " could not be read: " + error +
                      ".\nNothing was saved.");
    }
    ConsumerRunOutcome outcome;
    outcome.returned = true;
    outcome.values = *values;
    return outcome;
}
