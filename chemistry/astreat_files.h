// The files exchanged with the treatment model: the parameter file built from its template and
// the result file read back. Plain functions over texts, callable without a form.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The values the parameter file carries, in the model's units.
struct AsTreatParameterValues {
    double KdPe = 0, KdPr = 0, KdSe = 0, KdSr = 0;  // lines 32, 33, 36, 37
    double HenryUnitless = 0;                       // line 34
    double InfluentConc = 0;                        // line 35
    double Mw = 0, Density = 0, DecayRate = 0;      // lines 39, 40, 41
    double AnnualLoad = 0;                          // line 50: loading x sites x days, kg/year
};

// Number of lines of the template and of the parameter file.
constexpr int kParameterLines = 62;
// A template line is read up to this many characters.
constexpr int kLongestTemplateLine = 199;

// A number with all its significant digits and nothing more (the shortest text that reads back
// as the same double), in the C locale.
std::string ParameterText(double value);

// The 62 lines of asparms.db: the template's lines with the chemical's lines put in their place
// and line 52 set to "1"; an empty template line becomes one blank. nullopt and a message when
// the template has fewer than 62 lines or a line longer than the model reads.
std::optional<std::vector<std::string>> BuildParameterLines(
    const std::vector<std::string>& templateLines, const AsTreatParameterValues& values,
    std::string& error);

// The 62 lines of asparms.db for a run that brings only its annual load (kg/year): the
// template's lines with line 50 set to the load ("%f") and line 52 to "1"; the model takes
// every other value from the template. nullopt and a message as above.
std::optional<std::vector<std::string>> BuildLoadParameterLines(
    const std::vector<std::string>& templateLines, double annualLoad, std::string& error);

// The three numbers of treat.out.
struct TreatOutputValues {
    double SludgeFlux = 0;     // line 41, characters 36-43: flux to sludge per day
    double LossToSludge = 0;   // line 41, characters 47-54: % lost to sludge
    double EffluentShare = 0;  // line 47, characters 47-54: % left; removal is 100 minus it
};

// Reads treat.out. Every value must stand in its columns as a whole number text; percentages
// lie between 0 and 100 and the flux is not negative. nullopt and a message naming the line and
// characters otherwise.
std::optional<TreatOutputValues> ReadTreatOutput(const std::string& bytes, std::string& error);
