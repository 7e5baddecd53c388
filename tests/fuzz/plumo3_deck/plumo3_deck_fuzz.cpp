// Fuzz target: the stand-in dispersion model's input deck, read and, when accepted, computed
// and listed (decks with many distances are only read, to keep each input quick).
#include <cstdint>
#include <string>

#include "outside/plumo3/deck.h"
#include "outside/plumo3/report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    try {
        plumo::Deck deck = plumo::ReadDeck(text);
        if (deck.distances.size() <= 4)
            plumo::ModelReport(deck);
    } catch (const plumo::DeckError&) {
    }
    return 0;
}
