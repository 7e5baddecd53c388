// Numbers in the edits of the chemistry forms: parsing without raising, "N/A" as the
// not-applicable mark, and remembering what the program itself showed in each edit, so that a
// value rounded or marked for display is kept unless the person changed the text.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/forms/components.h"

// The text of an edit as a number, read as the release pages read typed numbers (empty text is
// 0, a comma only where it groups thousands), with "N/A" as the not-applicable mark -9. False when
// the text is no number (such as "-", "1e" or "1-2") or not finite.
bool ParseFieldText(const std::string& text, double& value);

// The message for an edit whose text is no number, naming the field (shared with the release
// pages).
#include "releases/release_numbers.h"

// A value shown in an edit, with a sign where the quantity may be negative: -9 stays "N/A".
std::string SignedDisplayValue(double value);

// What the program last showed in each edit.
class ShownTexts {
  public:
    // Sets the edit's text and remembers it as it stands afterwards (after its change filter).
    void Show(forms::TEdit& edit, const std::string& text);
    // The same, remembering the value the text stands for.
    void ShowNumber(forms::TEdit& edit, double value, const std::string& text);
    // The value behind the text when the person has not changed the text since it was shown.
    std::optional<double> UnchangedValue(const forms::TEdit& edit) const;
    // Remembers the edit's present text as matching the value held for it.
    void Accept(const forms::TEdit& edit);
    // True when the person changed the text since the program showed it (or it was never shown).
    bool Changed(const forms::TEdit& edit) const;

  private:
    struct Entry {
        std::string text;
        std::optional<double> value;
    };
    std::map<const forms::TEdit*, Entry> shown_;
};
