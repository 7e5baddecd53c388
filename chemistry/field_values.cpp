// Numbers in the edits of the chemistry forms.
#include "chemistry/field_values.h"

#include "platform/sys/text.h"
#include "scenario/number_text.h"

bool ParseFieldText(const std::string& text, double& value) {
    if (sys::Trim(text) == "N/A") {
        value = NotApplicable;
        return true;
    }
    const std::optional<double> read = ReadTypedNumber(text);
    if (!read) {
        return false;
    }
    value = *read;
    return true;
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
