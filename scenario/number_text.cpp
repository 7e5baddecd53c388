// Numbers as text: parsing typed numbers and the number formats of every form and report.
#include "scenario/number_text.h"

#include <stdexcept>

#include "platform/sys/text.h"

namespace {

// Exponent form with 3 significant digits, or 2 decimals, by the display rule's ranges.
bool UsesExponent(double value) {
    return value >= 10000.0 || (value > 0.0 && value < 0.1);
}

std::string GroupThousands(const std::string& fixed) {
    size_t point = fixed.find('.');
    std::string whole = fixed.substr(0, point);
    std::string rest = point == std::string::npos ? "" : fixed.substr(point);
    std::string grouped;
    int count = 0;
    for (size_t i = whole.size(); i > 0; --i) {
        grouped.insert(grouped.begin(), whole[i - 1]);
        if (++count % 3 == 0 && i > 1)
            grouped.insert(grouped.begin(), ',');
    }
    return grouped + rest;
}

// Fixed with the decimals, right-aligned in the width; halves go away from zero.
std::string FixedOrNa(double value, int decimals, size_t width, const char* notApplicable) {
    if (value == NotApplicable)
        return notApplicable;
    std::string text = sys::FixedHalfAway(value, decimals);
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// The value rule: exponent form with 3 significant digits or fixed with 2 decimals.
std::string ValueForm(double value) {
    return UsesExponent(value) ? sys::ExponentHalfAway(value, 2) : sys::FixedHalfAway(value, 2);
}

}  // namespace

double ParseNumber(const std::string& text) {
    std::string copy;
    for (char c : text) {
        if (c != ',')
            copy += c;
    }
    if (copy.size() >= 2 && copy.compare(copy.size() - 2, 2, "\r\n") == 0) {
        copy = sys::Trim(copy.substr(0, copy.size() - 2));
    }
    if (copy.empty())
        copy = "0.00";
    double value = 0.0;
    if (!sys::ParseDouble(copy, value)) {
        throw std::invalid_argument("'" + copy + "' is not a valid floating point value");
    }
    return value;
}

std::string DisplayValue(double value) {
    if (value < 0.0)
        return "N/A";
    return UsesExponent(value) ? ValueForm(value) : GroupThousands(ValueForm(value));
}

std::string FormatValue(double value) {
    if (value < 0.0)
        return "N/A";
    return ValueForm(value);
}

std::string FormatFixed0Width10(double value) {
    return FixedOrNa(value, 0, 10, "     N/A");
}

std::string FormatFixed0Width6(double value) {
    return FixedOrNa(value, 0, 6, " N/A");
}

std::string FormatFixed2Width10(double value) {
    return FixedOrNa(value, 2, 10, "     N/A");
}

std::string FormatFixed2Width6(double value) {
    return FixedOrNa(value, 2, 6, "     N/A");
}

std::string PadLeft10(const std::string& text) {
    if (text.size() >= 10)
        return text;
    return std::string(10 - text.size(), ' ') + text;
}

std::string ZeroPad(const std::string& text, int width) {
    std::string trimmed = sys::Trim(text);
    if (static_cast<int>(trimmed.size()) >= width)
        return trimmed;
    return std::string(static_cast<size_t>(width) - trimmed.size(), '0') + trimmed;
}

std::string PopulationLabelFor(int popNum) {
    switch (popNum) {
        case 0:
            return "Adult";
        case 1:
            return "Youth (age 16-20)";
        case 2:
            return "Child (age 6-10)";
        case 3:
            return "Small Child (age 3-5)";
        case 4:
            return "Infant (age 1-2)";
        case 5:
            return "Infant (age <1)";
        case 6:
            return "Youth (age 11-15)";
        default:
            return "";
    }
}
