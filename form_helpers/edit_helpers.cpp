// Edit helpers: numeric edits, their range checks and showing a value in an edit.
#include "form_helpers/edit_helpers.h"

#include "platform/forms/ui_service.h"

namespace {

bool IsNumericChar(char c) {
    return (c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == '.' || c == ',' || c == '+' ||
           c == '-';
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
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

void ShowValue(double value, forms::TextControl& control) {
    control.SetText(DisplayValue(value));
}
