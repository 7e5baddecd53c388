// Unit conversion to SI, the unit and option lists, and the display of result numbers.
#pragma once

#include <string>
#include <vector>

// The value in kelvin, metres, metres per second or grams per second. Unit texts are compared
// exactly; an unknown text ("K", "m", "m/sec", "") leaves the value as it is.
double ConvertToSI(double value, const std::string& unit);

// Kinds of lists, as characters: '0' temperature, '1' length, '2' speed, '3' land use,
// '4' met class, '5' stability class.
const std::vector<std::string>& UnitChoices(char kind);

// Result display: "N/A" below 0; fixed with 2 decimals for 0 and from 0.1 to below 10000;
// otherwise 3 significant digits with a two-digit exponent (1.23E-04).
std::string ShowNumberText(double value);

// The stability class letter of a list index 0 to 5; "A" for anything else.
std::string StabilityLetter(int index);

// The texts of the meteorological class list.
extern const char* const kMetFull;
extern const char* const kMetClassOnly;
extern const char* const kMetClassAndWind;
