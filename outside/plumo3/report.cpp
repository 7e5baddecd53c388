// Running the stand-in model on a deck and writing its output listing.
#include "outside/plumo3/report.h"

#include <cstdarg>
#include <cstdio>

namespace plumo {
namespace {

constexpr double kMicrograms = 1e6;  // g/m3 to ug/m3

std::string Line(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Line(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? size_t(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text + "\n";
}

char ClassLetter(int stabilityClass) {
    return char('A' + stabilityClass - 1);
}

const char* LandUseName(LandUse landUse) {
    return landUse == LandUse::Rural ? "RURAL" : "URBAN";
}

std::string Header() {
    return " PLUMO3 GAUSSIAN-PLUME SCREENING MODEL (STAND-IN)\n";
}

std::string MeteorologyText(const Deck& deck) {
    if (deck.metOption == 1)
        return Line(" METEOROLOGY: FULL (EVERY STABILITY CLASS AND WIND SPEED)");
    if (!deck.windGiven)
        return Line(" METEOROLOGY: STABILITY CLASS %c, EVERY WIND SPEED",
                    ClassLetter(deck.stabilityClass));
    return Line(" METEOROLOGY: STABILITY CLASS %c, 10 M WIND SPEED %.2f M/S",
                ClassLetter(deck.stabilityClass), deck.wind10);
}

std::string PointInputs(const Deck& deck) {
    const StackSource& s = deck.stack;
    std::string text = Line(" SOURCE TYPE = POINT");
    text += Line(" EMISSION RATE (G/S)      = %.6G", s.emission);
    text += Line(" STACK HEIGHT (M)         = %.4f", s.height);
    text += Line(" STACK INSIDE DIAM (M)    = %.4f", s.diameter);
    text += Line(" STACK EXIT VELOCITY (M/S)= %.4f", s.exitVelocity);
    text += Line(" STACK GAS EXIT TEMP (K)  = %.4f", s.exitTemperature);
    text += Line(" AMBIENT AIR TEMP (K)     = %.4f", s.ambientTemperature);
    text += Line(" TERRAIN HEIGHT (M)       = %.4f", deck.terrain);
    if (s.downwash)
        text += Line(" BUILDING HEIGHT, LENGTH, WIDTH (M) = %.4f %.4f %.4f", s.buildingHeight,
                     s.buildingLength, s.buildingWidth);
    else
        text += Line(" BUILDING DOWNWASH NOT CONSIDERED");
    return text;
}

std::string AreaInputs(const Deck& deck) {
    const AreaSource& a = deck.area;
    std::string text = Line(" SOURCE TYPE = AREA");
    text += Line(" EMISSION RATE (G/(S-M**2)) = %.6G", a.emission);
    text += Line(" RELEASE HEIGHT (M)         = %.4f", a.releaseHeight);
    text += Line(" LENGTH OF AREA (M)         = %.4f", a.length);
    text += Line(" WIDTH OF AREA (M)          = %.4f", a.width);
    return text;
}

std::string PointResultLine(double distance, const PointResult& r) {
    return Line(" %9.1f  %12.5E    %c  %5.1f  %5.1f  %8.2f  %8.2f  %8.2f  %s", distance,
                r.concentration * kMicrograms, ClassLetter(r.weather.stabilityClass),
                r.weather.wind10, r.stackWind, r.effectiveHeight, r.sigmas.y, r.sigmas.z,
                r.wake ? "YES" : "NO");
}

std::string AreaResultLine(double distance, double releaseHeight, const AreaResult& r) {
    return Line(" %9.1f  %12.5E    %c  %5.1f  %5.1f  %8.2f  %8.2f  %8.2f", distance,
                r.concentration * kMicrograms, ClassLetter(r.weather.stabilityClass),
                r.weather.wind10, r.wind, releaseHeight, r.sigmas.y, r.sigmas.z);
}

std::vector<Weather> DeckWeather(const Deck& deck) {
    if (deck.windGiven)
        return {Weather{deck.stabilityClass, deck.wind10}};
    return ScreeningWeather(deck.stabilityClass);
}

}  // namespace

PointResult HighestPointConcentration(const Deck& deck, double distance) {
    PointResult best;
    bool first = true;
    for (const Weather& w : DeckWeather(deck)) {
        PointResult r = PointConcentration(deck.stack, deck.landUse, w, distance, deck.terrain,
                                           deck.receptorHeight);
        if (first || r.concentration > best.concentration)
            best = r;
        first = false;
    }
    return best;
}

AreaResult HighestAreaConcentration(const Deck& deck, double distance) {
    AreaResult best;
    bool first = true;
    for (const Weather& w : DeckWeather(deck)) {
        AreaResult r = AreaConcentration(deck.area, deck.landUse, w, distance, deck.receptorHeight);
        if (first || r.concentration > best.concentration)
            best = r;
        first = false;
    }
    return best;
}

std::string ModelReport(const Deck& deck) {
    std::string text = Header();
    text += Line(" %s", deck.title.c_str());
    text += deck.areaSource ? AreaInputs(deck) : PointInputs(deck);
    text += Line(" RECEPTOR HEIGHT (M)      = %.4f", deck.receptorHeight);
    text += Line(" DISPERSION COEFFICIENTS  = %s", LandUseName(deck.landUse));
    text += MeteorologyText(deck);
    text += "\n";
    if (deck.areaSource)
        text +=
            "      DIST          CONC  STAB   U10M   UREL   REL HT   SIGMA Y   SIGMA Z\n"
            "       (M)     (UG/M**3)        (M/S)  (M/S)      (M)       (M)       (M)\n";
    else
        text +=
            "      DIST          CONC  STAB   U10M   USTK  PLUME HT  SIGMA Y   SIGMA Z  DWASH\n"
            "       (M)     (UG/M**3)        (M/S)  (M/S)      (M)       (M)       (M)\n";
    text += " ---------  ------------  ----  -----  -----  --------  --------  --------\n";
    for (double d : deck.distances) {
        double x = d < 1 ? 1 : d;  // the coefficients start at 1 m
        if (deck.areaSource) {
            text += AreaResultLine(x, deck.area.releaseHeight, HighestAreaConcentration(deck, x));
        } else {
            text += PointResultLine(x, HighestPointConcentration(deck, x));
        }
    }
    return text;
}

std::string ErrorReport(const std::string& reason) {
    return Header() + Line(" ERROR IN INPUT: %s", reason.c_str()) +
           Line(" NO CONCENTRATIONS WERE COMPUTED.");
}

}  // namespace plumo
