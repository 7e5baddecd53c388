// The lists the input dialogs offer from the model's tables: weight fractions by scenario and
// skin permeability coefficients.
#pragma once

#include <string>
#include <vector>

namespace consumer {

// The display lines of wtfract for the scenario, in record order.
std::vector<std::string> WeightFractionLines(const std::string& scenarioName);
// The median and 90th-percentile weight fractions of a display line: its last two numbers.
// False (values unchanged) for a line with fewer than two numbers.
bool ParseWeightFractionLine(const std::string& line, double& median, double& high);

// The lines of kpval, in record order.
std::vector<std::string> PermeabilityLines();
// The coefficient of a line: its first number. False (value unchanged) for a line without one.
bool ParsePermeabilityLine(const std::string& line, double& coefficient);

}  // namespace consumer
