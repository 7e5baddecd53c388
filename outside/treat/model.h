// The treatment stand-in's steady-state fate calculation over one plant and one chemical.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace treat {

// The plant and the chemical as the parameter file gives them (units as in the file).
struct Parameters {
    // Plant design (template lines 6 to 13).
    double FlowMld = 30;              // plant flow, ML/day
    double InfluentSolids = 200;      // influent suspended solids, mg/L
    double PrimarySettled = 0.5;      // share of influent solids settled in the primary clarifier
    double RetentionHours = 6;        // aeration basin hydraulic retention time, h
    double MixedLiquorSolids = 2500;  // mixed liquor suspended solids, mg/L
    double SolidsRetentionDays = 10;  // solids retention time, days
    double EffluentSolids = 15;       // final effluent suspended solids, mg/L
    double AirPerWater = 5;           // aeration air per volume of wastewater, m3/m3
    // Chemical (lines 32 to 41, 50, 52), written by the calling program.
    double KdPe = 0, KdPr = 0, KdSe = 0, KdSr = 0;  // L/kg
    double HenryUnitless = 0;
    double InfluentConc = 0;  // mg/L
    double MolecularWeight = 0;
    double Density = 0;
    double DecayRate = 0;   // first-order biodegradation rate, 1/day
    double AnnualLoad = 0;  // kg/year
    double RunMode = 1;
};

// The fate of the chemical entering the plant: shares in percent of the influent and the
// corresponding mass rates in kg/day at the influent concentration.
struct Fate {
    double InfluentKgDay = 0;
    double PrimarySludge = 0, WasteSludge = 0, Biodegraded = 0, Volatilised = 0;
    double EffluentDissolved = 0, EffluentOnSolids = 0;  // percent
    double BasinVolume = 0;                              // m3
    double WasteSolidsKgDay = 0;                         // kg/day of waste activated sludge
    double AirFlow = 0;                                  // m3/day
    double BasinDissolved = 0;                           // mg/L in the aeration basin
    double PrimaryEffluentDissolvedShare = 0;  // percent of the chemical in primary effluent
    double Sludge() const { return PrimarySludge + WasteSludge; }
    double Effluent() const { return EffluentDissolved + EffluentOnSolids; }
    double KgDay(double percent) const { return percent * 0.01 * InfluentKgDay; }
};

// Reads the parameter file's lines; on a line that holds no usable number, nullopt and a
// message naming the line.
std::optional<Parameters> ReadParameters(const std::vector<std::string>& lines, std::string& error);

// The steady-state fate; every share and rate is finite for parameters ReadParameters accepts.
Fate Compute(const Parameters& p);

// The lines of treat.out for the parameters and their fate; nullopt with a message when a
// result does not fit its column.
std::optional<std::vector<std::string>> Report(const Parameters& p, const Fate& fate,
                                               std::string& error);

}  // namespace treat
