// Default values of a case by product scenario and age group, from the model's tables.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

// The row-name suffix of an age group 1..7 in the exposure-factor table; empty otherwise.
std::string AgeGroupSuffix(int ageGroup);

// The product scenario index 0..7 of a scenario name; -1 for any other name.
int ScenarioIndexOfName(const std::string& name);

// Age group 1, the input error flag cleared, the scenario class from the keyword.
void ClassifyScenarioKeyword(ExposureInputs& inputs);
// Scenario name, keyword and class from the chemical's scenario index, then the defaults.
void SelectScenarioByIndex(ExposureInputs& inputs, int scenarioIndex);
// Product and exposure-factor defaults for the current scenario and age group.
void ApplyScenarioDefaults(ExposureInputs& inputs);

// The product defaults of the scenario (first matching row of cnsmrdef), then the fixed rules
// by age group, room and product.
void LoadProductDefaults(ExposureInputs& inputs);
// Exposure factors of the age group (every matching row of efmodule; a later row wins).
void LoadExposureFactors(ExposureInputs& inputs);
void LoadAgeGroupFactors(ExposureInputs& inputs);
void LoadHouseVolume(ExposureInputs& inputs);

}  // namespace consumer
