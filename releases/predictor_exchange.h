// The files exchanged with the downwind predictor: the request chimra.in, the answer chimra.out,
// and starting the predictor in its folder.
#pragma once

#include <optional>
#include <string>

// The predictor's folder: its program path up to, without, the last backslash (or slash),
// trimmed. "C:\x\chimramn.exe" gives "C:\x".
std::string PredictorFolder(const std::string& programPath);

// The two exchange files in the predictor's folder, as system paths.
std::string PredictorRequestPath(const std::string& folder);
std::string PredictorAnswerPath(const std::string& folder);

// Writes chimra.in: the release key on one line. False when it cannot be written.
bool WritePredictorRequest(const std::string& folder, const std::string& releaseKey);
// Writes chimra.out as the two lines "0.00" that are no complete answer, so that an answer read
// after the run can only be one the predictor wrote during it. False when it cannot be written.
bool ResetPredictorAnswer(const std::string& folder);

// One complete answer of the predictor.
struct PredictorAnswer {
    double StackAnnual = 0;        // mg/m3, IREL_DOWN
    double StackMax24Hour = 0;     // mg/m3, ACUTE_CONC
    double FugitiveAnnual = 0;     // mg/m3, IREL_DOWNF
    double FugitiveMax24Hour = 0;  // mg/m3, ACUTECONCF
    bool Downwash = false;         // line 5 is exactly "true"
    std::string MetClass;          // line 6, whole (at most 200 characters)
    int StabilityClass = 0;        // 0 to 5 for the letters A to F
};

// Reads the text of chimra.out. A complete answer has seven lines: four numbers, the downwash
// word, a non-empty met class text and a stability class that is one letter A to F; the first
// token of a line is what counts, except for the met class. Anything less gives nullopt.
std::optional<PredictorAnswer> ParsePredictorAnswer(const std::string& text);
// Reads chimra.out of the folder; nullopt when it is missing or not a complete answer.
std::optional<PredictorAnswer> ReadPredictorAnswer(const std::string& folder);

// Starts the predictor with no arguments in its folder and waits for it without a time limit.
// Empty when it ran; otherwise why it could not be started.
std::string RunPredictorProgram(const std::string& programPath, const std::string& folder);
