// Running the stand-in model on a deck and writing its output listing.
#pragma once

#include <string>

#include "outside/plumo3/deck.h"

namespace plumo {

// The weather that gives the highest concentration at a distance, and that concentration.
PointResult HighestPointConcentration(const Deck& deck, double distance);
AreaResult HighestAreaConcentration(const Deck& deck, double distance);

// The listing: a header echoing the inputs, the column titles, a line of dashes, then one
// result line per distance, the distance (m, with a decimal point) first and the concentration
// (micrograms per cubic metre) second.
std::string ModelReport(const Deck& deck);

// The listing of a deck the model refused: the header and the reason, no result lines.
std::string ErrorReport(const std::string& reason);

}  // namespace plumo
