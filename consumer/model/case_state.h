// Program-wide state of the consumer model: the case records and the settings every part reads.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// The case being worked on. Always valid: they are set up before any window exists.
extern ExposureInputs* CaseInputs;
extern ExposureResults* CaseResults;
extern ChemicalInfo* CaseChemical;

// 0 stand-alone, 1 chemical id given, 2 started by the main program.
extern int RunMode;
inline constexpr int kRunStandAlone = 0;
inline constexpr int kRunChemicalId = 1;
inline constexpr int kRunLinked = 2;

// The working folder at start, ending in a backslash; the model's files and dbfiles live there.
extern std::string WorkingFolder;
// The main program's data folder (first line of ..\data.drv), ending in a backslash.
extern std::string CaseDataFolder;

// Set by the first failing input check of a run; cleared before the checks.
extern bool InputErrorFlag;

// The last application of defaults.
extern int ScenarioChosen;
extern std::string PreviousScenarioName;
extern int PreviousAgeGroup;

}  // namespace consumer
