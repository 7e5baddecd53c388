// Numbers in the edits of the chemistry forms.
#include "chemistry/field_values.h"

#include <cmath>

#include "platform/sys/text.h"
#include "scenario/number_text.h"

bool ParseFieldText(const std::string& text, double& value) {
    if (sys::Trim(text) == "N/A") {
        value = NotApplicable;
        return true;
    }
    std::string copy;
    for (char c : text) {
        if (c != ',') {
            copy += c;
        }
    }
    while (!copy.empty() && (copy.back() == '\n' || copy.back() == '\r')) {
        copy.pop_back();
    }
    if (sys::Trim(copy).empty()) {
        value = 0.0;
        return true;
    }
    double parsed = 0.0;
    if (!sys::ParseDouble(copy, parsed) || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

std::string NotANumberMessage(const std::string& field, const std::string& text) {
    return field + " is not a number: \"" + text + "\".\nPlease enter a number.";
}

std::string SignedDisplayValue(double value) {
    if (value < 0.0 && value != NotApplicable) {
        return "-" + DisplayValue(-value);
    }
    return DisplayValue(value);
}

void ShownTexts::Show(forms::TEdit& edit, const std::string& text) {
    edit.SetText(text);
    shown_[&edit] = {edit.Text(), std::nullopt};
}

void ShownTexts::ShowNumber(forms::TEdit& edit, double value, const std::string& text) {
    edit.SetText(text);
    shown_[&edit] = {edit.Text(), value};
}

std::optional<double> ShownTexts::UnchangedValue(const forms::TEdit& edit) const {
    const auto found = shown_.find(&edit);
    if (found == shown_.end() || found->second.text != edit.Text()) {
        return std::nullopt;
    }
    return found->second.value;
}

void ShownTexts::Accept(const forms::TEdit& edit) {
    shown_[&edit] = {edit.Text(), std::nullopt};
}

bool ShownTexts::Changed(const forms::TEdit& edit) const {
    const auto found = shown_.find(&edit);
    return found == shown_.end() || found->second.text != edit.Text();
}
