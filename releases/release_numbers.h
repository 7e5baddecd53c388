// Reading the numbers typed into the release pages: never raising, a comma only where it groups
// thousands, whole days only.
#pragma once

#include <optional>
#include <string>

// The number in a typed text. Blanks and a trailing line end are dropped and an empty text is 0.
// A comma is accepted only as a thousands separator in its place ("1,234.5"); "12,5" is no
// number. No number (nothing, a lone sign, "1e", "1-2", an infinite value) gives nullopt.
std::optional<double> ReadTypedNumber(const std::string& text);

// A whole number of days: digits with optional thousands commas, nothing after a point but
// zeros ("3.0" is 3, "3.5" is none). Empty text is 0. Nullopt for anything else.
std::optional<double> ReadTypedDays(const std::string& text);

// The message shown when a field's text is no number: names the field and repeats the text.
std::string NotANumberMessage(const std::string& field, const std::string& text);
// The message shown when a field's days are not a whole number.
std::string NotWholeDaysMessage(const std::string& field, const std::string& text);
