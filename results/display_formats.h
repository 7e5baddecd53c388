// The number texts of the result pages besides the value format: plain, sites and whole.
#pragma once

#include <string>

// The shortest general text, up to 15 significant digits; negatives as negative numbers.
std::string PlainText(double value);
// At most 4 significant digits, exponent form for 10000 and above (20000 shows 2E4).
std::string SitesText(double value);
// Fixed with no decimals, halves away from zero (2.5 gives 3); negatives as negative numbers.
std::string WholeText(double value);
