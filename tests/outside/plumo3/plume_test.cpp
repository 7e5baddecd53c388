// The stand-in model's physics against hand-worked Gaussian-plume cases, and its invariants.
#include "outside/plumo3/plume.h"

#include <gtest/gtest.h>

#include <cmath>

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
