// The treatment model's input set and results, kept for the whole run of the program.
#pragma once

#include <string>

// The loading, days, sites, the sludge amount and the run flag AsTreatRunDone are shared with the
// release pages, which declare them.
#include "releases/treatment_handoff.h"

// Inputs (units as the dialog shows them); each visit of the dialog starts from these.
extern double AsTreatInfluentConc;   // mg/L
extern double AsTreatDecayRate;      // first-order rate of the chosen biodegradation class
extern double AsTreatHenry;          // atm-m3/mol
extern double AsTreatHenryUnitless;  // unitless
extern double AsTreatSolubility;     // mg/L
extern double AsTreatVp;             // torr once the field is left
extern double AsTreatMw;             // g/mole
extern double AsTreatDensity;        // g/cm3
extern double AsTreatLogKow;
extern double AsTreatCarbonPe, AsTreatCarbonPr, AsTreatCarbonSe, AsTreatCarbonSr;  // fractions
extern double AsTreatKdPe, AsTreatKdPr, AsTreatKdSe, AsTreatKdSr;                  // L/kg

// Results of the last run that succeeded.
extern double AsTreatWwtRemoval;  // % removed in treatment
// The model folder during a run, then the model program.
extern std::string AsTreatProgramPath;

// The model's folder and program, as the system names them.
inline constexpr const char* kAsTreatFolder = "c:\\astreat\\";
