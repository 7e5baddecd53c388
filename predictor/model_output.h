// Reading the dispersion model's listing plumo.out: the concentration on the line after the
// first line of dashes.
#pragma once

#include <optional>
#include <string>

struct ModelOutput {
    std::string resultLine;    // the line after the first line that holds "-----"
    double concentration = 0;  // mg/m3 (the listing gives micrograms per cubic metre)
};

// The concentration is the number after the first blank that follows the first "." of the
// result line (".5" reads as 0.5). Nothing when there is no line of dashes, no line after it,
// or no finite number of zero or more in the place described; why is put in `why`.
std::optional<ModelOutput> ParseModelOutput(const std::string& listing, std::string* why = nullptr);

// What the model says went wrong: the lines of its listing that report an error ("ERROR" in
// any case), trimmed and joined by "\n"; empty when there is none.
std::string ModelComplaint(const std::string& listing);
