// The stand-in model's physics against hand-worked Gaussian-plume cases, and its invariants.
#include "outside/plumo3/plume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using plumo::LandUse;

// Reference values were worked with /usr/bin/python3 from the closed forms written out in each
// case (math.tan, math.exp, math.erf; the area integral with scipy.integrate.quad).
struct KernelCase {
    const char* name;
    LandUse landUse;
    int stabilityClass;
    double distance, height, wind, emission;
    double sigmaY, sigmaZ, concentration;  // m, m, g/m3
};

// sy rural = 465.11628 (x/1000) tan(0.017453293 (c - d ln(x/1000))); sz rural = a (x/1000)^b;
// urban C: sy = 0.22x/sqrt(1+0.0004x), sz = 0.20x; C = Q/(pi u sy sz) exp(-H^2/(2 sz^2)).
const KernelCase kKernelCases[] = {
    // D: c 8.3330, d 0.72382; x = 1 km lies in the segment up to 1 km, a 32.093, b 0.81066.
    {"rural D 1 km", LandUse::Rural, 4, 1000, 50, 5, 100, 68.1267410799233, 32.093,
     0.0008651185920412137},
    {"urban C 500 m", LandUse::Urban, 3, 500, 20, 3, 10, 100.41580220928046, 100.0,
     0.0001035716561448201},
    // F: c 4.1667, d 0.36191; 2 km in the segment 1-2 km, a 13.953, b 0.63227; ground release.
    {"rural F 2 km, ground", LandUse::Rural, 6, 2000, 0, 2, 1, 63.675318525304235,
     21.62717675110296, 0.00011557108111518165},
    // B: c 18.3330, d 1.8096; 0.3 km in the segment 0.2-0.4 km, a 98.483, b 0.98332.
    {"rural B 300 m", LandUse::Rural, 2, 300, 30, 2, 5, 52.20246154815657, 30.144226325216724,
     0.00030819153111439387},
};

TEST(PlumeKernel, CentrelineConcentrationMatchesHandWorkedCases) {
    for (const KernelCase& c : kKernelCases) {
        SCOPED_TRACE(c.name);
        plumo::Sigmas s = plumo::DispersionSigmas(c.landUse, c.stabilityClass, c.distance);
        EXPECT_NEAR(s.y, c.sigmaY, 1e-9 * c.sigmaY);
        EXPECT_NEAR(s.z, c.sigmaZ, 1e-9 * c.sigmaZ);
        double conc = plumo::CentrelineConcentration(c.emission, c.wind, s, c.height, 0);
        EXPECT_NEAR(conc, c.concentration, 1e-9 * c.concentration);
    }
}

// Sigma-y and sigma-z of every class, rural and urban, at 0.1, 1 and 10 km, worked with
// /usr/bin/python3 from the published coefficients:
//   rural sy = 465.11628 x tan(0.017453293 (c - d ln x)), x in km, c and d by class:
//     A 24.1670 2.5334, B 18.3330 1.8096, C 12.5000 1.0857, D 8.3330 0.72382,
//     E 6.2500 0.54287, F 4.1667 0.36191;
//   rural sz = a x^b (at most 5000 m), a and b of the segment the distance falls in, a segment
//     taking its upper end (the table prints "<.20" and then ".21-.40"):
//     A 0.1 km 122.800 0.94470, 1 and 10 km 453.850 2.11660; B 0.1 km 90.673 0.93198,
//     1 and 10 km 109.300 1.09710; C 61.141 0.91465; D 0.1 km 34.459 0.86974, 1 km 32.093
//     0.81066, 10 km 33.504 0.60486; E 0.1 km 24.260 0.83660, 1 km 21.628 0.75660, 10 km
//     24.703 0.50527; F 0.1 km 15.209 0.81558, 1 km 13.953 0.68465, 10 km 17.836 0.41507;
//   urban, x in m: A-B sy 0.32x(1+0.0004x)^-1/2, sz 0.24x(1+0.001x)^1/2; C sy 0.22x(...)^-1/2,
//     sz 0.20x; D sy 0.16x(...)^-1/2, sz 0.14x(1+0.0003x)^-1/2; E-F sy 0.11x(...)^-1/2,
//     sz 0.08x(1+0.0015x)^-1/2.
struct SigmaCase {
    const char* name;
    LandUse landUse;
    int stabilityClass;
    double distance;  // m
    double sigmaY, sigmaZ;
};

const SigmaCase kSigmaCases[] = {
    {"rural A 0.1 km", LandUse::Rural, 1, 100, 26.853901317891495, 13.947564125508443},
    {"rural A 1 km", LandUse::Rural, 1, 1000, 208.70963945731478, 453.85},
    {"rural A 10 km", LandUse::Rural, 1, 10000, 1541.2543584539999, 5000.0},
    {"rural B 0.1 km", LandUse::Rural, 2, 100, 19.265517542999152, 10.604690180980183},
    {"rural B 1 km", LandUse::Rural, 2, 1000, 154.1197517367488, 109.3},
    {"rural B 10 km", LandUse::Rural, 2, 10000, 1174.0097170774995, 1366.8478121359715},
    {"rural C 0.1 km", LandUse::Rural, 3, 100, 12.462680987745008, 7.44187785547111},
    {"rural C 1 km", LandUse::Rural, 3, 1000, 103.11379971254142, 61.141},
    {"rural C 10 km", LandUse::Rural, 3, 10000, 820.1324941128723, 502.32239141787835},
    {"rural D 0.1 km", LandUse::Rural, 4, 100, 8.200968184497388, 4.651174892531855},
    {"rural D 1 km", LandUse::Rural, 4, 1000, 68.1267410799233, 32.093},
    {"rural D 10 km", LandUse::Rural, 4, 10000, 543.6163325704003, 134.882827085153},
    {"rural E 0.1 km", LandUse::Rural, 5, 100, 6.123375771921956, 3.534197346966356},
    {"rural E 1 km", LandUse::Rural, 5, 1000, 50.93851857610149, 21.628},
    {"rural E 10 km", LandUse::Rural, 5, 10000, 406.9236710457179, 79.07144917682636},
    {"rural F 0.1 km", LandUse::Rural, 6, 100, 4.069263655561505, 2.3255231110829815},
    {"rural F 1 km", LandUse::Rural, 6, 1000, 33.884236157157396, 13.953},
    {"rural F 10 km", LandUse::Rural, 6, 10000, 270.90249461566157, 46.38392157098271},
    {"urban A 0.1 km", LandUse::Urban, 1, 100, 31.378581622109444, 25.17141235608364},
    {"urban A 1 km", LandUse::Urban, 1, 1000, 270.4493615131253, 339.4112549695428},
    {"urban A 10 km", LandUse::Urban, 1, 10000, 1431.0835055998655, 7959.89949685296},
    {"urban B 0.1 km", LandUse::Urban, 2, 100, 31.378581622109444, 25.17141235608364},
    {"urban B 1 km", LandUse::Urban, 2, 1000, 270.4493615131253, 339.4112549695428},
    {"urban B 10 km", LandUse::Urban, 2, 10000, 1431.0835055998655, 7959.89949685296},
    {"urban C 0.1 km", LandUse::Urban, 3, 100, 21.57277486520024, 20.0},
    {"urban C 1 km", LandUse::Urban, 3, 1000, 185.93393604027364, 200.0},
    {"urban C 10 km", LandUse::Urban, 3, 10000, 983.8699100999074, 2000.0},
    {"urban D 0.1 km", LandUse::Urban, 4, 100, 15.689290811054722, 13.794609894300105},
    {"urban D 1 km", LandUse::Urban, 4, 1000, 135.22468075656266, 122.78812270298408},
    {"urban D 10 km", LandUse::Urban, 4, 10000, 715.5417527999327, 700.0000000000001},
    {"urban E 0.1 km", LandUse::Urban, 5, 100, 10.78638743260012, 7.46003846592251},
    {"urban E 1 km", LandUse::Urban, 5, 1000, 92.96696802013682, 50.59644256269407},
    {"urban E 10 km", LandUse::Urban, 5, 10000, 491.9349550499537, 200.0},
    {"urban F 0.1 km", LandUse::Urban, 6, 100, 10.78638743260012, 7.46003846592251},
    {"urban F 1 km", LandUse::Urban, 6, 1000, 92.96696802013682, 50.59644256269407},
    {"urban F 10 km", LandUse::Urban, 6, 10000, 491.9349550499537, 200.0},
};

TEST(PlumeSigmas, EveryClassRuralAndUrbanMatchesThePublishedCoefficients) {
    for (const SigmaCase& c : kSigmaCases) {
        SCOPED_TRACE(c.name);
        plumo::Sigmas s = plumo::DispersionSigmas(c.landUse, c.stabilityClass, c.distance);
        EXPECT_NEAR(s.y, c.sigmaY, 1e-12 * c.sigmaY);
        EXPECT_NEAR(s.z, c.sigmaZ, 1e-12 * c.sigmaZ);
    }
}

// The published rural sigma-z segments meet to within 0.05 % at every boundary, so a misprinted
// a or b in any segment shows as a step where two segments meet.
TEST(PlumeSigmas, RuralSigmaZSegmentsMeetAtTheirPublishedBoundaries) {
    const std::vector<double> boundariesKm[6] = {
        {0.10, 0.15, 0.20, 0.25, 0.30, 0.40, 0.50},
        {0.20, 0.40},
        {},
        {0.30, 1.00, 3.00, 10.00, 30.00},
        {0.10, 0.30, 1.00, 2.00, 4.00, 10.00, 20.00, 40.00},
        {0.20, 0.70, 1.00, 2.00, 3.00, 7.00, 15.00, 30.00, 60.00},
    };
    for (int c = plumo::kClassA; c <= plumo::kClassF; ++c) {
        for (double km : boundariesKm[c - 1]) {
            SCOPED_TRACE(testing::Message() << "class " << c << " at " << km << " km");
            double below = plumo::RuralSigmas(c, km * 1000 * (1 - 1e-9)).z;
            double above = plumo::RuralSigmas(c, km * 1000 * (1 + 1e-9)).z;
            EXPECT_NEAR(above / below, 1.0, 5e-4);
        }
    }
}

struct StackCase {
    const char* name;
    plumo::StackSource stack;
    LandUse landUse;
    plumo::Weather weather;
    double distance;
    double stackWind, effectiveHeight, concentration;
};

plumo::StackSource Stack(double q, double h, double d, double v, double ts, double ta) {
    plumo::StackSource s;
    s.emission = q;
    s.height = h;
    s.diameter = d;
    s.exitVelocity = v;
    s.exitTemperature = ts;
    s.ambientTemperature = ta;
    return s;
}

plumo::StackSource WithBuilding(plumo::StackSource s, double h, double l, double w) {
    s.downwash = true;
    s.buildingHeight = h;
    s.buildingLength = l;
    s.buildingWidth = w;
    return s;
}

// Worked by hand from the Briggs formulas: u = u10 (h/10)^p; Fb = g vs d^2 (Ts-Ta)/(4 Ts)
// (g = 9.80665); buoyant A-D rise 21.425 Fb^0.75/u (Fb < 55), stable 2.6 (Fb/(u s))^(1/3),
// stable momentum min(1.5 (Fm/(u sqrt s))^(1/3), 3 d vs/u), s = g 0.035/Ta for F; stack-tip
// downwash 2 d (vs/u - 1.5) when vs < 1.5 u.
const StackCase kStackCases[] = {
    // u = 5 * 3^0.15 = 5.8957; Fb = 39.349 > crossover 18.457: buoyant rise 57.093 m.
    {"buoyant, neutral",
     Stack(100, 30, 2, 15, 400, 293),
     LandUse::Rural,
     {4, 5},
     1000,
     5.895738228406833,
     87.09320571349092,
     6.214211230214041e-05},
    // u = 2 * 2^0.55; dT 5 K above the stable crossover 2.0038 K: rise 8.0773 m.
    {"buoyant, stable F",
     Stack(2, 20, 0.5, 10, 300, 295),
     LandUse::Rural,
     {6, 2},
     1500,
     2.928171391891251,
     28.077347421315142,
     7.315479246112236e-05},
    // dT 1 K below the crossover 1.9771 K: momentum rise 5.1227 m.
    {"momentum, stable F",
     Stack(2, 20, 0.5, 10, 296, 295),
     LandUse::Rural,
     {6, 2},
     1500,
     2.928171391891251,
     25.122650962828985,
     9.31618100244842e-05},
    // Urban D, u = 4 * 1.5^0.25 = 4.4267: tip downwash to 12.904 m, momentum rise 1.3554 m; the
    // 15 m stack is below 12 + 1.5 * 12 = 30 m, so the wake adds (30/4.3)^2 and (12/2.15)^2 to
    // sy^2 and sz^2 (urban D at 200 m: sy 29.814, sz 27.177).
    {"building wake, urban",
     WithBuilding(Stack(1, 15, 1, 2, 293, 293), 12, 30, 20),
     LandUse::Urban,
     {4, 4},
     200,
     4.426727678801286,
     14.259005009024612,
     7.189757817038667e-05},
    {"same without downwash",
     Stack(1, 15, 1, 2, 293, 293),
     LandUse::Urban,
     {4, 4},
     200,
     4.426727678801286,
     14.259005009024612,
     7.483956215168876e-05},
};

TEST(PlumeKernel, PointSourceMatchesHandWorkedRiseAndDownwash) {
    for (const StackCase& c : kStackCases) {
        SCOPED_TRACE(c.name);
        plumo::PointResult r =
            plumo::PointConcentration(c.stack, c.landUse, c.weather, c.distance, 0, 0);
        EXPECT_NEAR(r.stackWind, c.stackWind, 1e-12 * c.stackWind);
        EXPECT_NEAR(r.effectiveHeight, c.effectiveHeight, 1e-9 * c.effectiveHeight);
        EXPECT_NEAR(r.concentration, c.concentration, 1e-9 * c.concentration);
    }
}

TEST(PlumeKernel, TerrainLowersTheEffectiveHeightButNotBelowGround) {
    plumo::StackSource s = Stack(1, 40, 0, 0, 293, 293);
    EXPECT_DOUBLE_EQ(
        plumo::PointConcentration(s, LandUse::Rural, {4, 3}, 500, 15, 0).effectiveHeight, 25);
    EXPECT_EQ(plumo::PointConcentration(s, LandUse::Rural, {4, 3}, 500, 90, 0).effectiveHeight, 0);
}

// Rural D, u = 3 m/s at a 2 m release, q = 1e-4 g/(s m2); strips integrated with scipy's quad
// (relative tolerance 1e-12) over the upwind part of the area; the wind along the 20 m side
// gives the higher value at 100 m, and inside the area (5 m from its centre) too.
TEST(PlumeArea, IntegralMatchesAnIndependentQuadrature) {
    plumo::AreaSource a;
    a.emission = 1e-4;
    a.releaseHeight = 2;
    a.length = 20;
    a.width = 10;
    plumo::AreaResult r = plumo::AreaConcentration(a, LandUse::Rural, {4, 3}, 100, 0);
    EXPECT_NEAR(r.concentration, 4.801623133113171e-05, 1e-6 * 4.8e-05);
    a.releaseHeight = 0;
    r = plumo::AreaConcentration(a, LandUse::Rural, {4, 3}, 5, 0);
    EXPECT_NEAR(r.concentration, 0.001333005607509488, 1e-5 * 0.001333);
    // Turning the rectangle changes nothing: both wind directions are tried.
    std::swap(a.length, a.width);
    EXPECT_NEAR(plumo::AreaConcentration(a, LandUse::Rural, {4, 3}, 5, 0).concentration,
                r.concentration, 1e-12);
}

TEST(PlumeInvariants, AreaSourceTendsToThePointSourceFarAway) {
    plumo::AreaSource a;
    a.emission = 1e-3;
    a.releaseHeight = 3;
    a.length = 10;
    a.width = 10;
    plumo::StackSource point = Stack(a.emission * 100, 3, 0, 0, 293, 293);
    for (LandUse land : {LandUse::Rural, LandUse::Urban}) {
        for (int c = plumo::kClassA; c <= plumo::kClassF; ++c) {
            SCOPED_TRACE(c);
            double area = plumo::AreaConcentration(a, land, {c, 2}, 20000, 0).concentration;
            double pt = plumo::PointConcentration(point, land, {c, 2}, 20000, 0, 0).concentration;
            EXPECT_NEAR(area / pt, 1.0, 2e-3);
        }
    }
}

TEST(PlumeInvariants, ConcentrationFallsWithWindSpeedInNeutralConditions) {
    // No plume rise (ambient exit temperature, no exit velocity), so only dilution varies.
    plumo::StackSource s = Stack(10, 25, 1, 0, 293, 293);
    plumo::AreaSource a;
    a.emission = 1e-4;
    a.length = 30;
    a.width = 15;
    for (LandUse land : {LandUse::Rural, LandUse::Urban}) {
        double lastPoint = INFINITY;
        double lastArea = INFINITY;
        for (double u : {1.0, 2.0, 3.0, 5.0, 8.0, 10.0, 15.0, 20.0}) {
            double p =
                plumo::PointConcentration(s, land, {plumo::kClassD, u}, 300, 0, 0).concentration;
            double ar =
                plumo::AreaConcentration(a, land, {plumo::kClassD, u}, 100, 0).concentration;
            EXPECT_LT(p, lastPoint) << u;
            EXPECT_LT(ar, lastArea) << u;
            lastPoint = p;
            lastArea = ar;
        }
    }
}

TEST(PlumeInvariants, ScreeningWeatherCoversEveryClassWithItsWindSpeeds) {
    EXPECT_EQ(plumo::ScreeningWeather(1).size(), 5u);   // A: 1 to 3
    EXPECT_EQ(plumo::ScreeningWeather(4).size(), 13u);  // D: 1 to 5, 8, 10, 15, 20
    EXPECT_EQ(plumo::ScreeningWeather(6).size(), 7u);   // F: 1 to 4
    EXPECT_EQ(plumo::ScreeningWeather(0).size(), 5u + 9 + 11 + 13 + 9 + 7);
}

TEST(PlumeInvariants, WindBelowOneMetrePerSecondAtTheStackIsRaisedToOne) {
    EXPECT_EQ(plumo::WindAtHeight(0.2, 5, LandUse::Rural, 4), 1.0);
    EXPECT_DOUBLE_EQ(plumo::WindAtHeight(2, 40, LandUse::Urban, 6), 2 * std::pow(4.0, 0.30));
}

}  // namespace
