// One run of the treatment model: the checks, the parameter file, the model and its result.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chemistry/astreat_files.h"

// The values of the parameter file from the held input set.
AsTreatParameterValues CurrentAsTreatParameters();

// The messages of the checks that refuse a run, in their order; empty when the run may go on.
std::vector<std::string> AsTreatRunRefusals();

// Formulas of the dialog's three calculations.
// Influent concentration (mg/L) of a loading (kg/day) in the 30 ML/day plant the model assumes.
double InfluentConcentration(double loadingKgPerDay);
// Unitless Henry's law constant from vapour pressure (torr), molecular weight and solubility.
double UnitlessHenryFromProperties(double vpTorr, double mw, double solubility);
// Kd (L/kg) from log Kow and an organic carbon fraction: 10 to the power of the whole part of
// log Kow, cut toward zero, times the fraction.
double KdFromLogKow(double logKow, double carbonFraction);

// The run, after the dialog collected its inputs: every refusing check is shown and nothing is
// written; otherwise asparms.db is written from the template, the old treat.out deleted, the
// model run in its folder and treat.out read. True when values were read: the results, the
// record's LOSS2SLUDG and AsTreatRunDone are set and the result note is shown. Any failure shows
// its message, sets AsTreatRunDone to 0 and changes no result.
bool RunAsTreatModel();

// The model folder: AsTreatProgramPath up to and including its last backslash, or the fixed
// folder when no run has named one yet.
std::string AsTreatModelFolder();

// A run that brings only its annual load (kg/year), for the dilution industry-code page: the
// old treat.out deleted, asparms.db written from the template with only the load and the run
// mode set, beforeStart called (the notes box), the model run in its folder, and the removal
// read back (%, 100 minus the share left in the effluent). nullopt with the message shown when
// the template, the parameter file or treat.out fails. No held result of the dialog changes.
std::optional<double> RunAsTreatForLoad(double annualLoad,
                                        const std::function<void()>& beforeStart);
