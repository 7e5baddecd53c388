// Edit and number helpers: numeric edits, range checks and the number formats of every form.
#pragma once

#include <string>

#include "platform/forms/components.h"

// The program-wide mark of a value that does not apply.
constexpr double NotApplicable = -9.0;

void SelectAllOnEnter(forms::TextControl& edit);
// Keeps only digits, "E", "e", ".", ",", "+" and "-", and sets the text back.
void FilterNumericEdit(forms::TextControl& edit);
// Keeps every character but ",".
void RemoveCommas(forms::TextControl& edit);
// Parses, validates and stores; true only when the entry was rejected.
bool ReadPositiveEdit(forms::TextControl& edit, double* value);
void CheckDays(forms::TextControl& edit, double* value, const std::string& label);
void CheckPercent(forms::TextControl& edit, double* value, const std::string& label);
void CheckFraction(forms::TextControl& edit, double* value, const std::string& label);

// Text to number: commas dropped, empty text is 0. Throws std::invalid_argument for text that
// is not a number.
double ParseNumber(const std::string& text);

// The display rule of edits and result pages (thousands grouped with ",").
std::string DisplayValue(double value);
void ShowValue(double value, forms::TextControl& control);

std::string FormatValue(double value);
std::string FormatFixed0Width10(double value);
std::string FormatFixed0Width6(double value);
std::string FormatFixed2Width10(double value);
std::string FormatFixed2Width6(double value);
std::string PadLeft10(const std::string& text);
std::string ZeroPad(const std::string& text, int width);
// The label of a population group number; empty for an unknown number.
std::string PopulationLabelFor(int popNum);
