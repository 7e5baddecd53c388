// What the result pages and documents should show for a case: each labelled number as the
// records hold it, compared with the text shown at the precision of its format.
#pragma once

#include <map>
#include <string>

#include "consumer/model/case_records.h"

namespace consumer_test {

// A number as the records hold it, or a result that does not apply ("N/A").
struct ShownValue {
    double number = 0;
    bool notApplicable = false;
};

// The value of a result: "N/A" for the marker of a result that does not apply.
ShownValue ResultValue(double value);
// A chronic inhalation result: "N/A" for the populations that get no chronic results.
ShownValue ChronicValue(const consumer::ExposureInputs& inputs, double value);

// Empty when the text shows the value (a number within the three significant digits the pages
// round to, or "N/A" where expected); else what is wrong.
std::string CompareShown(const std::string& shown, const ShownValue& expected);

// True when the whole text (blanks around it aside) reads as one number.
bool ReadsAsNumber(const std::string& text, double* number = nullptr);

// Runs of blanks made one, the ends trimmed.
std::string Squeezed(const std::string& text);

}  // namespace consumer_test
