// The values the release pages show in their edits, remembered with the text shown, so that a
// text the person did not change reads back as the exact value behind it (not "N/A" or rounded).
#include "releases/shown_values.h"

#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "releases/release_numbers.h"

void ShownValues::Number(forms::TextControl& control, double value) {
    Text(control, DisplayValue(value), value);
}

void ShownValues::Count(forms::TextControl& control, double value) {
    Text(control, CountText(value), value);
}

void ShownValues::Text(forms::TextControl& control, const std::string& text, double value) {
    control.SetText(text);
    shown_[&control] = Entry{control.Text(), value};
}

std::optional<double> ShownValues::Unchanged(const forms::TextControl& control) const {
    auto found = shown_.find(&control);
    if (found == shown_.end() || found->second.text != control.Text())
        return std::nullopt;
    return found->second.value;
}

std::optional<double> ShownValues::Read(const forms::TextControl& control) const {
    if (std::optional<double> kept = Unchanged(control))
        return kept;
    return ReadTypedNumber(control.Text());
}

std::optional<double> ShownValues::ReadDays(const forms::TextControl& control) const {
    if (std::optional<double> kept = Unchanged(control))
        return kept;
    return ReadTypedDays(control.Text());
}

std::string CountText(double value) {
    return sys::Format("%.4g", value);
}

namespace {

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

bool ReadReleaseEdit(ShownValues& shown, forms::TextControl& edit, double& member,
                     const std::string& label) {
    if (edit.Text().empty()) {
        shown.Number(edit, member);
        return true;
    }
    std::optional<double> value = shown.Read(edit);
    if (!value) {
        ShowError(NotANumberMessage(label, edit.Text()));
        shown.Number(edit, member);
        return false;
    }
    if (*value < 0 && *value != NotApplicable) {
        ShowError("Value must be greater than 0.0");
        shown.Number(edit, member);
        return false;
    }
    member = *value;
    return true;
}
