// Reading the stand-in dispersion model's input deck (line meanings in main.cpp).
#include "outside/plumo3/deck.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace plumo {
namespace {

class DeckLines {
  public:
    explicit DeckLines(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines_.push_back(line);
        }
    }

    std::string Next(const char* what) {
        if (next_ >= lines_.size())
            throw DeckError(int(next_) + 1, std::string("the deck ends before ") + what);
        return Trimmed(lines_[next_++]);
    }

    double Number(const char* what) {
        std::string text = Next(what);
        const char* start = text.c_str();
        char* end = nullptr;
        double value = std::strtod(start, &end);
        if (text.empty() || *end != '\0' || !std::isfinite(value))
            throw DeckError(Current(), std::string("expected a number for ") + what);
        return value;
    }

    double AtLeast(double low, const char* what) {
        double value = Number(what);
        if (value < low)
            throw DeckError(Current(), std::string(what) + " is below " + Text(low));
        return value;
    }

    double Above(double low, const char* what) {
        double value = Number(what);
        if (value <= low)
            throw DeckError(Current(), std::string(what) + " must be above " + Text(low));
        return value;
    }

    bool YesNo(const char* what) {
        std::string text = Next(what);
        if (text == "y" || text == "Y")
            return true;
        if (text == "n" || text == "N")
            return false;
        throw DeckError(Current(), std::string("expected y or n for ") + what);
    }

    // The line after the current one, without taking it; "" at the end.
    std::string Peek() const { return next_ < lines_.size() ? Trimmed(lines_[next_]) : ""; }
    int Current() const { return int(next_); }

  private:
    static std::string Trimmed(const std::string& s) {
        size_t a = 0;
        size_t b = s.size();
        while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
            ++a;
        while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
            --b;
        return s.substr(a, b - a);
    }
    static std::string Text(double v) {
        std::ostringstream out;
        out << v;
        return out.str();
    }

    std::vector<std::string> lines_;
    size_t next_ = 0;
};

LandUse ReadLandUse(DeckLines& in) {
    std::string text = in.Next("the land use");
    if (text == "U" || text == "u")
        return LandUse::Urban;
    if (text == "R" || text == "r")
        return LandUse::Rural;
    throw DeckError(in.Current(), "expected U (urban) or R (rural) for the land use");
}

void ReadStack(DeckLines& in, Deck& deck) {
    StackSource& s = deck.stack;
    s.emission = in.AtLeast(0, "the emission rate");
    s.height = in.AtLeast(0, "the stack height");
    s.diameter = in.AtLeast(0, "the stack diameter");
    s.exitVelocity = in.AtLeast(0, "the exit velocity");
    s.exitTemperature = in.Above(0, "the stack gas temperature");
    s.ambientTemperature = in.Above(0, "the ambient temperature");
    deck.receptorHeight = in.AtLeast(0, "the receptor height");
    deck.landUse = ReadLandUse(in);
    s.downwash = in.YesNo("building downwash");
    if (s.downwash) {
        s.buildingHeight = in.AtLeast(0, "the building height");
        s.buildingLength = in.AtLeast(0, "the building length");
        s.buildingWidth = in.AtLeast(0, "the building width");
    }
    in.YesNo("complex terrain");
    in.YesNo("simple terrain");
}

void ReadArea(DeckLines& in, Deck& deck) {
    AreaSource& a = deck.area;
    a.emission = in.AtLeast(0, "the emission rate per area");
    a.releaseHeight = in.AtLeast(0, "the release height");
    a.length = in.Above(0, "the length of the area");
    a.width = in.Above(0, "the width of the area");
    deck.receptorHeight = in.AtLeast(0, "the receptor height");
    deck.landUse = ReadLandUse(in);
    in.YesNo("a rectangular area");
}

void ReadMeteorology(DeckLines& in, Deck& deck) {
    double option = in.Number("the meteorology option");
    if (option == 1) {
        deck.metOption = 1;
        return;
    }
    if (option != 2)
        throw DeckError(in.Current(), "the meteorology option must be 1 or 2");
    deck.metOption = 2;
    double c = in.Number("the stability class");
    if (c != std::floor(c) || c < kClassA || c > kClassF)
        throw DeckError(in.Current(), "the stability class must be 1 to 6");
    deck.stabilityClass = int(c);
    std::string next = in.Peek();
    if (next != "y" && next != "Y" && next != "n" && next != "N") {
        deck.windGiven = true;
        deck.wind10 = in.Above(0, "the wind speed");
    }
}

void ReadDistances(DeckLines& in, Deck& deck) {
    for (;;) {
        double d = in.AtLeast(0, "a distance");
        if (d == 0)
            break;
        deck.distances.push_back(d);
    }
    if (deck.distances.empty())
        throw DeckError(in.Current(), "no distance is given");
}

}  // namespace

DeckError::DeckError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

Deck ReadDeck(const std::string& text) {
    DeckLines in(text);
    Deck deck;
    deck.title = in.Next("the title");
    std::string kind = in.Next("the source type");
    if (kind == "P" || kind == "p") {
        ReadStack(in, deck);
    } else if (kind == "A" || kind == "a") {
        deck.areaSource = true;
        ReadArea(in, deck);
    } else {
        throw DeckError(in.Current(), "the source type must be P (point) or A (area)");
    }
    ReadMeteorology(in, deck);
    in.YesNo("an automatic distance array");
    in.YesNo("discrete distances");
    if (!deck.areaSource)
        deck.terrain = in.AtLeast(0, "the terrain height");
    ReadDistances(in, deck);
    return deck;
}

}  // namespace plumo
