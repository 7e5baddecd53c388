// Edit helpers: numeric edits, their range checks and showing a value in an edit.
#pragma once

#include <string>

#include "platform/forms/components.h"
#include "scenario/number_text.h"

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

// Shows the value in the control by the display rule (DisplayValue).
void ShowValue(double value, forms::TextControl& control);
