// The files exchanged with the downwind predictor: the request chimra.in, the answer chimra.out,
// and starting the predictor in its folder.
#include "releases/predictor_exchange.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"

namespace {

constexpr size_t kMetClassLength = 200;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string FirstToken(const std::string& line) {
    std::istringstream in(line);
    std::string token;
    in >> token;
    return token;
}

std::optional<double> NumberLine(const std::string& line) {
    double value = 0;
    std::string token = FirstToken(line);
    if (token.empty() || !sys::ParseDouble(token, value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> StabilityLine(const std::string& line) {
    std::string token = FirstToken(line);
    if (token.size() != 1 || token[0] < 'A' || token[0] > 'F')
        return std::nullopt;
    return token[0] - 'A';
}

}  // namespace

std::string PredictorFolder(const std::string& programPath) {
    std::string::size_type slash = programPath.find_last_of("\\/");
    if (slash == std::string::npos)
        return "";
    return sys::Trim(programPath.substr(0, slash));
}

std::string PredictorRequestPath(const std::string& folder) {
    return folder + "\\chimra.in";
}

std::string PredictorAnswerPath(const std::string& folder) {
    return folder + "\\chimra.out";
}

bool WritePredictorRequest(const std::string& folder, const std::string& releaseKey) {
    return sys::WriteWholeFile(PredictorRequestPath(folder), releaseKey + "\n");
}

bool ResetPredictorAnswer(const std::string& folder) {
    return sys::WriteWholeFile(PredictorAnswerPath(folder), "0.00\n0.00\n");
}

std::optional<PredictorAnswer> ParsePredictorAnswer(const std::string& text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 7)
        return std::nullopt;
    std::optional<double> values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = NumberLine(lines[size_t(i)]);
        if (!values[i])
            return std::nullopt;
    }
    std::string metClass = lines[5].substr(0, kMetClassLength);
    std::optional<int> stability = StabilityLine(lines[6]);
    if (sys::Trim(metClass).empty() || !stability)
        return std::nullopt;
    PredictorAnswer answer;
    answer.StackAnnual = *values[0];
    answer.StackMax24Hour = *values[1];
    answer.FugitiveAnnual = *values[2];
    answer.FugitiveMax24Hour = *values[3];
    answer.Downwash = FirstToken(lines[4]) == "true";
    answer.MetClass = metClass;
    answer.StabilityClass = *stability;
    return answer;
}

std::optional<PredictorAnswer> ReadPredictorAnswer(const std::string& folder) {
    std::optional<std::string> text = sys::ReadWholeFile(PredictorAnswerPath(folder));
    if (!text)
        return std::nullopt;
    return ParsePredictorAnswer(*text);
}

std::string RunPredictorProgram(const std::string& programPath, const std::string& folder) {
    sys::ProcessRequest request;
    request.program = programPath;
    request.workingFolder = folder;
    sys::ProcessResult result = sys::RunProgram(request);
    if (result.outcome == sys::ProcessResult::Outcome::StartFailed)
        return result.message.empty() ? "it could not be started" : result.message;
    return "";
}
