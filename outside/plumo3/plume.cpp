// The Gaussian-plume physics of the stand-in dispersion model (method in main.cpp).
#include "outside/plumo3/plume.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace plumo {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGravity = 9.80665;

void RequireClass(int stabilityClass) {
    if (stabilityClass < kClassA || stabilityClass > kClassF)
        throw std::invalid_argument("stability class out of range");
}

// Vertical coefficient sigma-z = a x^b (x in km) by distance segment, for one class; the last
// segment of a class reaches to any distance.
struct ZSegment {
    double upToKm;
    double a;
    double b;
};

const std::vector<ZSegment>& RuralZSegments(int stabilityClass) {
    static const std::vector<ZSegment> table[6] = {
        {{0.10, 122.800, 0.94470},
         {0.15, 158.080, 1.05420},
         {0.20, 170.220, 1.09320},
         {0.25, 179.520, 1.12620},
         {0.30, 217.410, 1.26440},
         {0.40, 258.890, 1.40940},
         {0.50, 346.750, 1.72830},
         {1e30, 453.850, 2.11660}},
        {{0.20, 90.673, 0.93198}, {0.40, 98.483, 0.98332}, {1e30, 109.300, 1.09710}},
        {{1e30, 61.141, 0.91465}},
        {{0.30, 34.459, 0.86974},
         {1.00, 32.093, 0.81066},
         {3.00, 32.093, 0.64403},
         {10.00, 33.504, 0.60486},
         {30.00, 36.650, 0.56589},
         {1e30, 44.053, 0.51179}},
        {{0.10, 24.260, 0.83660},
         {0.30, 23.331, 0.81956},
         {1.00, 21.628, 0.75660},
         {2.00, 21.628, 0.63077},
         {4.00, 22.534, 0.57154},
         {10.00, 24.703, 0.50527},
         {20.00, 26.970, 0.46713},
         {40.00, 35.420, 0.37615},
         {1e30, 47.618, 0.29592}},
        {{0.20, 15.209, 0.81558},
         {0.70, 14.457, 0.78407},
         {1.00, 13.953, 0.68465},
         {2.00, 13.953, 0.63227},
         {3.00, 14.823, 0.54503},
         {7.00, 16.187, 0.46490},
         {15.00, 17.836, 0.41507},
         {30.00, 22.651, 0.32681},
         {60.00, 27.074, 0.27436},
         {1e30, 34.219, 0.21716}},
    };
    return table[stabilityClass - 1];
}

// Half-angle coefficients of the horizontal coefficient, degrees: c - d ln(x km).
constexpr double kRuralC[6] = {24.1670, 18.3330, 12.5000, 8.3330, 6.2500, 4.1667};
constexpr double kRuralD[6] = {2.5334, 1.8096, 1.0857, 0.72382, 0.54287, 0.36191};

// Power-law exponents of the wind profile, A to F.
constexpr double kRuralExponent[6] = {0.07, 0.07, 0.10, 0.15, 0.35, 0.55};
constexpr double kUrbanExponent[6] = {0.15, 0.15, 0.20, 0.25, 0.30, 0.30};

// Potential temperature gradients of the stable classes E and F, K/m.
double StableGradient(int stabilityClass) {
    return stabilityClass == 5 ? 0.020 : 0.035;
}

double StabilityParameter(int stabilityClass, double ambientTemperature) {
    return kGravity * StableGradient(stabilityClass) / ambientTemperature;
}

bool Stable(int stabilityClass) {
    return stabilityClass >= 5;
}

double BuoyancyFlux(const StackSource& s) {
    double dt = s.exitTemperature - s.ambientTemperature;
    if (dt <= 0)
        return 0;
    return kGravity * s.exitVelocity * s.diameter * s.diameter * dt / (4 * s.exitTemperature);
}

double MomentumFlux(const StackSource& s) {
    return s.exitVelocity * s.exitVelocity * s.diameter * s.diameter * s.ambientTemperature /
           (4 * s.exitTemperature);
}

// The temperature difference above which buoyancy rather than momentum sets the rise.
double CrossoverTemperatureDifference(const StackSource& s, int stabilityClass, double fb) {
    if (Stable(stabilityClass))
        return 0.019582 * s.exitTemperature * s.exitVelocity *
               std::sqrt(StabilityParameter(stabilityClass, s.ambientTemperature));
    if (fb < 55)
        return 0.0297 * s.exitTemperature * std::cbrt(s.exitVelocity) /
               std::pow(s.diameter, 2.0 / 3.0);
    return 0.00575 * s.exitTemperature * std::pow(s.exitVelocity, 2.0 / 3.0) /
           std::cbrt(s.diameter);
}

double BuoyantRise(const StackSource& s, int stabilityClass, double u, double fb) {
    if (Stable(stabilityClass))
        return 2.6 * std::cbrt(fb / (u * StabilityParameter(stabilityClass, s.ambientTemperature)));
    if (fb < 55)
        return 21.425 * std::pow(fb, 0.75) / u;
    return 38.71 * std::pow(fb, 0.6) / u;
}

double MomentumRise(const StackSource& s, int stabilityClass, double u) {
    double neutral = 3 * s.diameter * s.exitVelocity / u;
    if (!Stable(stabilityClass))
        return neutral;
    double sp = StabilityParameter(stabilityClass, s.ambientTemperature);
    return std::min(1.5 * std::cbrt(MomentumFlux(s) / (u * std::sqrt(sp))), neutral);
}

// The projected building dimension and the good-engineering-practice stack height.
double BuildingScale(const StackSource& s) {
    return std::min(s.buildingHeight, std::max(s.buildingLength, s.buildingWidth));
}

double GroundReflection(double receptorHeight, double height, double sigmaZ) {
    double below = receptorHeight - height;
    double above = receptorHeight + height;
    return std::exp(-below * below / (2 * sigmaZ * sigmaZ)) +
           std::exp(-above * above / (2 * sigmaZ * sigmaZ));
}

// Concentration at the receptor from a crosswind strip of the area, per metre of along-wind
// depth: the point kernel integrated across the strip's width.
double StripConcentration(double emission, double width, double u, const Sigmas& sg, double height,
                          double receptorHeight) {
    double across = std::erf(width / (2 * std::sqrt(2.0) * sg.y));
    return emission * across * GroundReflection(receptorHeight, height, sg.z) /
           (std::sqrt(2 * kPi) * u * sg.z);
}

// Integrates the strips from the upwind edge to the downwind edge of the area (distances of the
// strips from the receptor, only those upwind of it), on panels that crowd towards the receptor,
// with four-point Gauss-Legendre rules.
double IntegrateArea(double emission, double alongWind, double crossWind, double distance, double u,
                     LandUse landUse, int stabilityClass, double height, double receptorHeight) {
    double from = std::max(distance - alongWind / 2, 0.0);
    double to = distance + alongWind / 2;
    if (to <= from)
        return 0;
    static const double node[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                                   0.8611363115940526};
    static const double weight[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                                     0.3478548451374538};
    const int panels = 400;
    double sum = 0;
    for (int i = 0; i < panels; ++i) {
        double t0 = double(i) / panels;
        double t1 = double(i + 1) / panels;
        double a = from + (to - from) * t0 * t0;
        double b = from + (to - from) * t1 * t1;
        double half = (b - a) / 2;
        double mid = (a + b) / 2;
        for (int k = 0; k < 4; ++k) {
            double xi = mid + half * node[k];
            Sigmas sg = DispersionSigmas(landUse, stabilityClass, xi);
            sum += weight[k] * half *
                   StripConcentration(emission, crossWind, u, sg, height, receptorHeight);
        }
    }
    return sum;
}

}  // namespace

Sigmas RuralSigmas(int stabilityClass, double distance) {
    RequireClass(stabilityClass);
    double km = distance / 1000;
    int i = stabilityClass - 1;
    double theta = 0.017453293 * (kRuralC[i] - kRuralD[i] * std::log(km));
    Sigmas s;
    s.y = 465.11628 * km * std::tan(theta);
    for (const ZSegment& seg : RuralZSegments(stabilityClass)) {
        if (km <= seg.upToKm) {
            s.z = seg.a * std::pow(km, seg.b);
            break;
        }
    }
    s.z = std::min(s.z, 5000.0);
    return s;
}

Sigmas UrbanSigmas(int stabilityClass, double x) {
    RequireClass(stabilityClass);
    Sigmas s;
    switch (stabilityClass) {
        case 1:
        case 2:
            s.y = 0.32 * x / std::sqrt(1 + 0.0004 * x);
            s.z = 0.24 * x * std::sqrt(1 + 0.001 * x);
            break;
        case 3:
            s.y = 0.22 * x / std::sqrt(1 + 0.0004 * x);
            s.z = 0.20 * x;
            break;
        case 4:
            s.y = 0.16 * x / std::sqrt(1 + 0.0004 * x);
            s.z = 0.14 * x / std::sqrt(1 + 0.0003 * x);
            break;
        default:
            s.y = 0.11 * x / std::sqrt(1 + 0.0004 * x);
            s.z = 0.08 * x / std::sqrt(1 + 0.0015 * x);
            break;
    }
    return s;
}

Sigmas DispersionSigmas(LandUse landUse, int stabilityClass, double distance) {
    double x = std::max(distance, 1.0);
    return landUse == LandUse::Rural ? RuralSigmas(stabilityClass, x)
                                     : UrbanSigmas(stabilityClass, x);
}

double WindAtHeight(double wind10, double height, LandUse landUse, int stabilityClass) {
    RequireClass(stabilityClass);
    double p = landUse == LandUse::Rural ? kRuralExponent[stabilityClass - 1]
                                         : kUrbanExponent[stabilityClass - 1];
    double u = height > 10 ? wind10 * std::pow(height / 10, p) : wind10;
    return std::max(u, 1.0);
}

double CentrelineConcentration(double emission, double wind, const Sigmas& sigmas,
                               double effectiveHeight, double receptorHeight) {
    return emission / (2 * kPi * wind * sigmas.y * sigmas.z) *
           GroundReflection(receptorHeight, effectiveHeight, sigmas.z);
}

std::vector<Weather> ScreeningWeather(int stabilityClass) {
    // The highest 10 m wind speed a screening search pairs with each class.
    static const double kLast[6] = {3, 5, 10, 20, 5, 4};
    static const double kSpeeds[] = {1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 8, 10, 15, 20};
    std::vector<Weather> list;
    int first = stabilityClass == 0 ? kClassA : stabilityClass;
    int last = stabilityClass == 0 ? kClassF : stabilityClass;
    for (int c = first; c <= last; ++c) {
        RequireClass(c);
        for (double u : kSpeeds) {
            if (u <= kLast[c - 1])
                list.push_back({c, u});
        }
    }
    return list;
}

double PlumeRise(const StackSource& stack, int stabilityClass, double stackWind) {
    if (stack.diameter <= 0 || stack.exitVelocity <= 0)
        return 0;
    double fb = BuoyancyFlux(stack);
    double dt = stack.exitTemperature - stack.ambientTemperature;
    if (fb > 0 && dt >= CrossoverTemperatureDifference(stack, stabilityClass, fb))
        return BuoyantRise(stack, stabilityClass, stackWind, fb);
    return MomentumRise(stack, stabilityClass, stackWind);
}

double StackTipHeight(const StackSource& stack, double stackWind) {
    if (stack.exitVelocity >= 1.5 * stackWind)
        return stack.height;
    double lowered = stack.height + 2 * stack.diameter * (stack.exitVelocity / stackWind - 1.5);
    return std::max(lowered, 0.0);
}

bool InBuildingWake(const StackSource& stack) {
    if (!stack.downwash || stack.buildingHeight <= 0)
        return false;
    return stack.height < stack.buildingHeight + 1.5 * BuildingScale(stack);
}

PointResult PointConcentration(const StackSource& stack, LandUse landUse, const Weather& weather,
                               double distance, double terrain, double receptorHeight) {
    PointResult r;
    r.weather = weather;
    r.stackWind = WindAtHeight(weather.wind10, stack.height, landUse, weather.stabilityClass);
    double plume =
        StackTipHeight(stack, r.stackWind) + PlumeRise(stack, weather.stabilityClass, r.stackWind);
    r.effectiveHeight = std::max(plume - terrain, 0.0);
    r.sigmas = DispersionSigmas(landUse, weather.stabilityClass, distance);
    r.wake = InBuildingWake(stack);
    if (r.wake) {
        // The wake spreads the plume as a volume source the size of the building would.
        double side = std::max(stack.buildingLength, stack.buildingWidth) / 4.3;
        double tall = stack.buildingHeight / 2.15;
        r.sigmas.y = std::sqrt(r.sigmas.y * r.sigmas.y + side * side);
        r.sigmas.z = std::sqrt(r.sigmas.z * r.sigmas.z + tall * tall);
    }
    r.concentration = CentrelineConcentration(stack.emission, r.stackWind, r.sigmas,
                                              r.effectiveHeight, receptorHeight);
    return r;
}

AreaResult AreaConcentration(const AreaSource& area, LandUse landUse, const Weather& weather,
                             double distance, double receptorHeight) {
    AreaResult r;
    r.weather = weather;
    r.wind = WindAtHeight(weather.wind10, area.releaseHeight, landUse, weather.stabilityClass);
    r.sigmas = DispersionSigmas(landUse, weather.stabilityClass, distance);
    int c = weather.stabilityClass;
    double alongLength = IntegrateArea(area.emission, area.length, area.width, distance, r.wind,
                                       landUse, c, area.releaseHeight, receptorHeight);
    double alongWidth = IntegrateArea(area.emission, area.width, area.length, distance, r.wind,
                                      landUse, c, area.releaseHeight, receptorHeight);
    r.concentration = std::max(alongLength, alongWidth);
    return r;
}

}  // namespace plumo
