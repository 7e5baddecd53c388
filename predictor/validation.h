// The checks a release must pass before the dispersion model is run.
#pragma once

#include <string>
#include <vector>

#include "predictor/release.h"

// The opening's aspect-ratio messages (both may apply), for a release with a fugitive release.
// A length or width of 0 is taken as the 10 the model runs with; a negative one is left to
// the sign checks.
std::vector<std::string> AspectRatioMessages(const ReleaseInputs& r);

// The range checks on the values in their own units: the removals and the ambient temperature
// are always checked, the rest stop at the first failure; stack checks only with a stack
// release, fugitive checks only with a fugitive release, facility checks only with downwash.
// The distance may not be 0, nor the wind speed 0 or less when the model is given one.
std::vector<std::string> ValidationMessages(const ReleaseInputs& r);

std::string NegativeMessage(const std::string& name);
std::string Above100Message(const std::string& name);
std::string PositiveMessage(const std::string& name);
