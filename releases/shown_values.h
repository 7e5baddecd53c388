// The values the release pages show in their edits, remembered with the text shown, so that a
// text the person did not change reads back as the exact value behind it (not "N/A" or rounded).
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/forms/components.h"

class ShownValues {
  public:
    // Shows the value by the common display rule (ShowValue) and remembers it.
    void Number(forms::TextControl& control, double value);
    // Shows a count of days or sites in general format with 4 significant digits.
    void Count(forms::TextControl& control, double value);
    // Shows a text of the caller's choice standing for the value ("NA" for 0, "0" for none).
    void Text(forms::TextControl& control, const std::string& text, double value);
    // The remembered value when the control still shows the text it was given; nullopt when
    // the person changed it (or nothing was shown through here).
    std::optional<double> Unchanged(const forms::TextControl& control) const;
    // The value behind the control: the remembered one while its text is unchanged, else the
    // typed number (ReadTypedNumber) or, for days, the typed whole number; nullopt when the
    // typed text is none.
    std::optional<double> Read(const forms::TextControl& control) const;
    std::optional<double> ReadDays(const forms::TextControl& control) const;

  private:
    struct Entry {
        std::string text;
        double value = 0;
    };
    std::unordered_map<const forms::TextControl*, Entry> shown_;
};

// The text of a count in general format with 4 significant digits ("365", "1.235e+05").
std::string CountText(double value);

// Reads an edit into its member as the shared positive-edit rule does, without raising: empty
// text shows the member again, a text that is no number is refused with a message naming the
// field, a negative other than -9 with "Value must be greater than 0.0" (the member then stays
// and is shown again). False when the entry was refused.
bool ReadReleaseEdit(ShownValues& shown, forms::TextControl& edit, double& member,
                     const std::string& label);
