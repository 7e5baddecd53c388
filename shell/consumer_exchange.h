// The exchange with the consumer model: nyrinput.txt out, the model run, nyrout.txt back.
#pragma once

#include <optional>
#include <string>

// What goes out to the consumer model, one value per line of nyrinput.txt.
struct ConsumerCaseInput {
    std::string caseNum;
    std::string chemName;
    double wtFracMed = 0;
    double wtFrac90 = 0;
    double mw = 0;
    double vp = 0;
    double bw = 0;
    double inhale = 0;
    double cancerAt = 0;
    int popNum = 0;
    int kivScen = 0;
    bool wordPerfect = true;
    double saBody = 0;
    double saHand = 0;
    double edKiv = 0;
    std::string prodName;
};

// The case inputs the consumer model hands back in the first ten lines of nyrout.txt.
struct ConsumerCaseReturn {
    int kivScen = 0;
    std::string prodName;
    double wtFracMed = 0;
    double wtFrac90 = 0;
    double bw = 0;
    double inhale = 0;
    double cancerAt = 0;
    double saBody = 0;
    double saHand = 0;
    double edKiv = 0;
};

// The 16 lines of nyrinput.txt.
std::string FormatNyrInput(const ConsumerCaseInput& input);

// Reads the first ten lines of nyrout.txt line by line; every line must hold its value whole.
// On failure the error names the line and the result is empty.
std::optional<ConsumerCaseReturn> ParseNyrOutput(const std::string& text, std::string& error);

// How one exchange ended.
struct ConsumerRunOutcome {
    bool returned = false;      // the ten values were read
    ConsumerCaseReturn values;  // valid when returned
    std::string error;          // for the user when not returned
    std::string errorCaption;   // "Error" or "File execution error."
};

// Writes nyrinput.txt in the program's folder, removes an old nyrout.txt, starts the program
// there with the argument "nyr", waits for it and reads nyrout.txt back.
ConsumerRunOutcome ExchangeWithConsumerModel(const std::string& program,
                                             const ConsumerCaseInput& input);

// The launcher of the consumer model in the program folder: ProgramFolder + "\kiv\kiv32.bat".
std::string ConsumerLauncherPath();

// Asks for the consumer model program when KivProgramPath names no program; records the one
// located in kiv.drv. The program to start (the located one, or the launcher), or nullopt after
// the message that it could not be found.
std::optional<std::string> LocateConsumerModel();

// The current case out, the model run, the returned values into the record and the release
// row; on any failure a message and nothing changed.
void RunConsumerModel(const std::string& program);
