// The Gaussian-plume physics of the stand-in dispersion model: dispersion coefficients, wind
// profile, plume rise, building wake, and point- and area-source concentrations.
#pragma once

#include <vector>

namespace plumo {

enum class LandUse { Urban, Rural };

// Stability classes A to F are 1 to 6.
constexpr int kClassA = 1;
constexpr int kClassD = 4;
constexpr int kClassF = 6;

struct Sigmas {
    double y = 0;  // m
    double z = 0;  // m
};

// Pasquill-Gifford coefficients in their usual closed forms (rural).
Sigmas RuralSigmas(int stabilityClass, double distance);
// Briggs' coefficients for urban surroundings.
Sigmas UrbanSigmas(int stabilityClass, double distance);
// By land use; distances below 1 m are taken as 1 m.
Sigmas DispersionSigmas(LandUse landUse, int stabilityClass, double distance);

// The wind at a height from the 10 m wind by the power law (heights below 10 m take the 10 m
// wind), never below 1 m/s.
double WindAtHeight(double wind10, double height, LandUse landUse, int stabilityClass);

// Concentration (g/m3) at a receptor on the plume centre line, with reflection at the ground.
double CentrelineConcentration(double emission, double wind, const Sigmas& sigmas,
                               double effectiveHeight, double receptorHeight);

struct StackSource {
    double emission = 0;            // g/s
    double height = 0;              // m
    double diameter = 0;            // m, inside
    double exitVelocity = 0;        // m/s
    double exitTemperature = 0;     // K
    double ambientTemperature = 0;  // K
    bool downwash = false;
    double buildingHeight = 0;  // m
    double buildingLength = 0;  // m
    double buildingWidth = 0;   // m
};

struct AreaSource {
    double emission = 0;       // g/(s m2)
    double releaseHeight = 0;  // m
    double length = 0;         // m
    double width = 0;          // m
};

struct Weather {
    int stabilityClass = kClassD;
    double wind10 = 1;  // m/s
};

// The weather a screening search visits: for one class its 10 m wind speeds, for every class
// when stabilityClass is 0.
std::vector<Weather> ScreeningWeather(int stabilityClass);

// Final plume rise (m) above the stack-tip height, by Briggs' formulas.
double PlumeRise(const StackSource& stack, int stabilityClass, double stackWind);
// Stack height lowered by stack-tip downwash when the exit velocity is below 1.5 times the wind.
double StackTipHeight(const StackSource& stack, double stackWind);
// True when a building of the source's dimensions puts the stack in its wake.
bool InBuildingWake(const StackSource& stack);

struct PointResult {
    double concentration = 0;  // g/m3
    Weather weather;
    double stackWind = 0;
    double effectiveHeight = 0;
    Sigmas sigmas;
    bool wake = false;
};

// terrain: height of the receptor's ground above the stack base.
PointResult PointConcentration(const StackSource& stack, LandUse landUse, const Weather& weather,
                               double distance, double terrain, double receptorHeight);

struct AreaResult {
    double concentration = 0;  // g/m3
    Weather weather;
    double wind = 0;
    Sigmas sigmas;  // at the distance from the centre of the area
};

// distance: from the centre of the area to the receptor. The wind blows along one side or the
// other; the higher concentration is kept.
AreaResult AreaConcentration(const AreaSource& area, LandUse landUse, const Weather& weather,
                             double distance, double receptorHeight);

}  // namespace plumo
