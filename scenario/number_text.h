// Numbers as text: parsing typed numbers and the number formats of every form and report.
#pragma once

#include <string>

// The program-wide mark of a value that does not apply.
constexpr double NotApplicable = -9.0;

// Text to number: commas dropped, empty text is 0. Throws std::invalid_argument for text that
// is not a number.
double ParseNumber(const std::string& text);

// The number formats below round an exact half away from zero (2.5 days show "3"), as the
// report texts do, and never show "-0".

// The display rule of edits and result pages (thousands grouped with ",").
std::string DisplayValue(double value);

std::string FormatValue(double value);
std::string FormatFixed0Width10(double value);
std::string FormatFixed0Width6(double value);
std::string FormatFixed2Width10(double value);
std::string FormatFixed2Width6(double value);
std::string PadLeft10(const std::string& text);
std::string ZeroPad(const std::string& text, int width);
// The label of a population group number; empty for an unknown number.
std::string PopulationLabelFor(int popNum);
