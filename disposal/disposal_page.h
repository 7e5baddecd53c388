// The texts of the down-the-drain results page, control by control.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dilution/disposal_calc.h"

// Fixed notation with two decimals and no grouping; "N/A" below 0.
std::string ExceedanceText(double value);

// Every result control of the page (by component name) with its text, from the record and one
// run's results.
std::vector<std::pair<std::string, std::string>> DisposalPageTexts(const pmn_record& record,
                                                                   const DisposalResults& results);
