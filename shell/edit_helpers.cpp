// Edit and number helpers: numeric edits, range checks and the number formats of every form.
#include "shell/edit_helpers.h"

#include <stdexcept>

#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"

namespace {

bool IsNumericChar(char c) {
    return (c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == '.' || c == ',' || c == '+' ||
           c == '-';
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

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

std::string FixedOrNa(double value, const char* format, const char* notApplicable) {
    if (value == NotApplicable)
        return notApplicable;
    return sys::Format(format, value);
}

}  // namespace

void SelectAllOnEnter(forms::TextControl& edit) {
    if (!edit.IsReadOnly())
        edit.SelectAllText();
}

void FilterNumericEdit(forms::TextControl& edit) {
    std::string kept;
    for (char c : edit.Text()) {
        if (IsNumericChar(c))
            kept += c;
    }
    edit.SetText(kept);
}

void RemoveCommas(forms::TextControl& edit) {
    std::string kept;
    for (char c : edit.Text()) {
        if (c != ',')
            kept += c;
    }
    edit.SetText(kept);
}

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

bool ReadPositiveEdit(forms::TextControl& edit, double* value) {
    if (edit.Text().empty()) {
        ShowValue(*value, edit);
        return false;
    }
    double parsed = ParseNumber(edit.Text());
    if (parsed >= 0.0 || parsed == NotApplicable) {
        *value = parsed;
        return false;
    }
    forms::Ui().MessageBox("Value must be greater than 0.0", "", forms::Buttons::Ok,
                           forms::Icon::None);
    ShowValue(*value, edit);
    return true;
}

void CheckDays(forms::TextControl& edit, double* value, const std::string& label) {
    double before = *value;
    ReadPositiveEdit(edit, value);
    if (*value > 365.0) {
        ShowError(label + " must be less than or equal to 365 days.");
        *value = before;
        ShowValue(*value, edit);
    }
}

void CheckPercent(forms::TextControl& edit, double* value, const std::string& label) {
    double before = *value;
    ReadPositiveEdit(edit, value);
    bool treatment = label == "Wastewater treatment removal" ||
                     label == "Low end wastewater treatment removal" ||
                     label == "% Absorption to wastewater treatment sludge";
    if (treatment && *value > 100.000001) {
        ShowError(label + " must be less than or equal to 100%");
    } else if (!treatment && *value >= 100.0) {
        ShowError(label + " must be less than 100%");
    } else {
        return;
    }
    *value = before;
    ShowValue(*value, edit);
}

void CheckFraction(forms::TextControl& edit, double* value, const std::string& label) {
    double before = *value;
    ReadPositiveEdit(edit, value);
    if (*value > 1.0) {
        ShowError(label + " must be less than or = 1");
        *value = before > 1.0 ? 1.0 : before;
        ShowValue(*value, edit);
    }
}

std::string DisplayValue(double value) {
    if (value < 0.0)
        return "N/A";
    if (UsesExponent(value))
        return sys::Format("%.2E", value);
    return GroupThousands(sys::Format("%.2f", value));
}

void ShowValue(double value, forms::TextControl& control) {
    control.SetText(DisplayValue(value));
}

std::string FormatValue(double value) {
    if (value < 0.0)
        return "N/A";
    if (UsesExponent(value))
        return sys::Format("%.2E", value);
    return sys::Format("%.2f", value);
}

std::string FormatFixed0Width10(double value) {
    return FixedOrNa(value, "%10.0f", "     N/A");
}

std::string FormatFixed0Width6(double value) {
    return FixedOrNa(value, "%6.0f", " N/A");
}

std::string FormatFixed2Width10(double value) {
    return FixedOrNa(value, "%10.2f", "     N/A");
}

std::string FormatFixed2Width6(double value) {
    return FixedOrNa(value, "%6.2f", "     N/A");
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
