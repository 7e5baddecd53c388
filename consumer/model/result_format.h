// Text forms of numbers: result values for the result pages, numbers in edit fields.
#pragma once

#include <string>

namespace consumer {

// The nearest whole number, halves up (for values of 0 and above).
double NearestWhole(double x);

// Leading and trailing blanks removed.
std::string TrimBlanks(const std::string& text);

// The display text of a result: three decimals between 0.01 and 10000, four-digit mantissa with
// exponent outside that range, the empty text for -9 (a value not given). Negative values keep
// their sign and exponents of three digits keep all three.
std::string FormatResultValue(double value);

// A number as an edit field shows it: four significant digits, "%g" style.
std::string EditNumberText(double value);
// The number at the start of an edit field's text; 0 when it does not begin with one.
double EditNumberValue(const std::string& text);

}  // namespace consumer
