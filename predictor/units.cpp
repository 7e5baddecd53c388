// Unit conversion to SI, the unit and option lists, and the display of result numbers.
#include "predictor/units.h"

#include <map>

#include "platform/sys/text.h"

const char* const kMetFull = "Full";
const char* const kMetClassOnly = "Stability Class Only";
const char* const kMetClassAndWind = "Stability and Wind Speed";

double ConvertToSI(double value, const std::string& unit) {
    if (unit == "C")
        return value + 273;
    if (unit == "F")
        return (value + 459.67) * 5 / 9;
    if (unit == "R")
        return value * 5 / 9;
    if (unit == "kg/yr")
        return value * 1000 / 365 / 24 / 3600;
    if (unit == "yds")
        return value * 0.9144;
    if (unit == "in")
        return value * 0.0254;
    if (unit == "ft")
        return value * 0.3048;
    if (unit == "cm")
        return value * 0.01;
    if (unit == "ft/sec")
        return value * 0.3048;
    if (unit == "ft/min")
        return value * 0.3048 / 60;
    if (unit == "ft/hr")
        return value * 0.3048 / 3600;
    if (unit == "m/min")
        return value / 60;
    if (unit == "m/hr")
        return value / 3600;
    return value;
}

const std::vector<std::string>& UnitChoices(char kind) {
    static const std::map<char, std::vector<std::string>> lists = {
        {'0', {"K", "C", "F"}},
        {'1', {"ft", "yds", "in", "m", "cm"}},
        {'2', {"ft/sec", "ft/min", "ft/hr", "m/sec", "m/min", "m/hr"}},
        {'3', {"Urban", "Rural"}},
        {'4', {kMetFull, kMetClassOnly, kMetClassAndWind}},
        {'5', {"A", "B", "C", "D", "E", "F"}},
    };
    static const std::vector<std::string> none;
    auto found = lists.find(kind);
    return found == lists.end() ? none : found->second;
}

std::string ShowNumberText(double value) {
    if (value < 0)
        return "N/A";
    if (value == 0 || (value >= 0.1 && value < 10000))
        return sys::Format("%.2f", value);
    return sys::Format("%.2E", value);
}

std::string StabilityLetter(int index) {
    const std::vector<std::string>& letters = UnitChoices('5');
    if (index < 0 || index >= int(letters.size()))
        return "A";
    return letters[size_t(index)];
}
