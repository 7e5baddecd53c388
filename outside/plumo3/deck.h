// Reading the stand-in dispersion model's input deck: one answer per line, in asking order.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "outside/plumo3/plume.h"

namespace plumo {

struct Deck {
    std::string title;
    bool areaSource = false;
    StackSource stack;
    AreaSource area;
    double receptorHeight = 0;  // m above ground
    LandUse landUse = LandUse::Urban;
    int metOption = 1;       // 1 full meteorology, 2 a chosen class
    int stabilityClass = 0;  // 1 to 6 with option 2; 0 with option 1
    bool windGiven = false;
    double wind10 = 0;              // m/s, with windGiven
    double terrain = 0;             // m, point sources only
    std::vector<double> distances;  // m
};

// A deck the model cannot take: the 1-based line and what was wrong there.
class DeckError : public std::runtime_error {
  public:
    DeckError(int line, const std::string& what);
    int Line() const { return line_; }

  private:
    int line_;
};

// Reads the deck; lines may end in "\r\n". Throws DeckError.
Deck ReadDeck(const std::string& text);

}  // namespace plumo
