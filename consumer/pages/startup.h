// The start of the consumer model: run mode from the command line, the linked exchange with the
// main program (nyrinput.txt in, nyrout.txt out) and the chemical-id start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "consumer/model/case_records.h"

namespace consumer {

// The run mode of the arguments after the program name: none 0, "nyr" 2, anything else 1.
int RunModeOfArguments(const std::vector<std::string>& args);

// Reads the 16 lines of a request into the inputs; on the second reading lines 7, 13 and 14
// (body weight and surface-area ratios) are read and discarded. False, with the line named in
// the error and the inputs unchanged, when a number line holds no number or lines are missing.
bool ReadNyrRequest(const std::string& text, bool secondReading, ExposureInputs& inputs,
                    std::string& error);

// The scenario name from the scenario number after a request was read; an older person than an
// adult cannot have "Used Motor Oil", which becomes no scenario and no house volume.
void ApplyRequestedScenario(ExposureInputs& inputs);

// The 16 lines of the answer file.
std::string NyrOutputText(const ExposureInputs& inputs, const ExposureResults& results);
// A result as the answer file writes it: exponent form above 100000 or below 0.001.
std::string NyrResultText(double value);

// The first line of ..\data.drv, a native folder ending in a separator; empty when missing.
std::string ReadCaseDataFolder();

// The whole start after the mode is known; runWindow shows the windows until the main window
// closes. Returns the exit status.
int StartStandAlone(const std::function<void()>& runWindow);
int StartLinked(const std::vector<std::string>& args, const std::function<void()>& runWindow);
int StartChemicalId(const std::string& chemicalId, const std::function<void()>& runWindow);
int StartProgram(const std::vector<std::string>& args, const std::function<void()>& runWindow);

}  // namespace consumer
