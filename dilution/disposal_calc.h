// The down-the-drain computation: per-capita releases, stream concentrations below treatment
// plants and the drinking-water and fish doses of a consumer chemical washed down the drain.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "scenario/scenario_record.h"

// Persons whose wastewater carries the production volume.
inline constexpr double DisposalExposedPopulation = 290800000.0;
// A down-the-drain release lasts the whole year; the release's own days are never changed.
inline constexpr double DisposalReleaseDays = 365.0;
// Litres of wastewater per person and day.
inline constexpr double WastewaterPerPerson = 388.0;

// The eight stream flows of the computation, each at the 50th and the 10th percentile.
enum DisposalStream : int {
    ConcHm_50 = 0,
    ConcHm_10,
    Conc30q5_50,
    Conc30q5_10,
    Conc7q10_50,
    Conc7q10_10,
    Conc1q10_50,
    Conc1q10_10,
};

// Stream dilution factors in the order of DisposalStream.
inline constexpr std::array<double, 8> DisposalDilutionFactors = {134.85, 7.95, 39.66, 1.8,
                                                                  24.22,  1.0,  20.08, 1.0};

// What one run computes besides the doses, which go into the record.
struct DisposalResults {
    double PreTreatRelease = 0;                    // g/person/day
    double PostTreatRelease = 0;                   // g/person/day
    std::array<double, 8> StreamConcentrations{};  // ug/L, order of DisposalStream
    // Per concentration of concern: days per year and percent of the year exceeded.
    std::array<double, 3> DaysExceeded{};
    std::array<double, 3> PercentExceeded{};
    // Why some doses could not be assessed (one sentence each); empty when all could.
    std::vector<std::string> Notes;
};

// Per-capita release before treatment (g/person/day) of a production volume in kg/year.
double DisposalPreTreatRelease(double productionVolume);
// The release left after removal (percent) in treatment.
double DisposalPostTreatRelease(double preTreat, double removalPercent);
// The stream concentration (ug/L) of a post-treatment release at a dilution factor.
double DisposalStreamConcentration(double postTreat, double dilutionFactor);

// Fills the releases and concentrations of results and the twenty down-the-drain doses of the
// record from its production volume, removal, bioconcentration factor and exposure factors, with
// release days DisposalReleaseDays. Doses that need a body weight or averaging time that is not
// above 0 are NotApplicable and noted in results.Notes; fish doses without a bioconcentration
// factor above 0 are NotApplicable; doses of concerns the case does not ask for are marked by
// MarkNotAssessed. The exceedance results are left as they are.
void ComputeDisposalExposures(pmn_record& record, DisposalResults& results);
