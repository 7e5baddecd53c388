// What every dose calculation shares: durations in days, the dose kinds a case asks for, and the
// guarded divisors.
#pragma once

#include "exposure/run_totals.h"
#include "scenario/scenario_record.h"

// Concerns, the positions in HealthFlags.
enum Concern { CancerConcern = 0, ChronicConcern = 1, AcuteConcern = 2 };

// True when the main page's "No" under "Calculate ADD/ADC Values?" is checked, as it is in the
// page's stored layout; true as well while there is no main page.
bool AddAdcNotAsked();

// Sets the dose to NotApplicable when the case does not ask for its concern: character concern
// of HealthFlags is "0", or, for the chronic concern, ADD/ADC values are not asked.
void MarkNotAssessed(double* dose, int concern);

// Exposure durations and averaging times in days; the record keeps them in years.
struct DurationsInDays {
    double EDc = 0;
    double EDnc = 0;
    double ATc = 0;
    double ATnc = 0;
};
DurationsInDays DurationsOf(const pmn_record& record);

// Which of the divisors every dose needs can be divided by; an unusable one is noted in the run.
struct DoseDivisors {
    bool bw = false;
    bool atCancer = false;
    bool atNonCancer = false;
};
DoseDivisors CheckDoseDivisors(const pmn_record& record, RunTotals& form);

// Names of the inputs in the run's message about unusable divisors.
inline constexpr const char* SitesInput = "number of sites (SITE_LO)";
inline constexpr const char* BodyWeightInput = "body weight (BW)";
inline constexpr const char* CancerAveragingInput = "averaging time for cancer (CANCERAT)";
inline constexpr const char* NonCancerAveragingInput =
    "averaging time for non-cancer effects (NCANCERAT)";
inline constexpr const char* PlantFlowInput = "facility effluent flow (PLANTFLO)";
inline constexpr const char* AcuteDilutionInput = "acute dilution factor of the lake";
inline constexpr const char* ChronicDilutionInput = "chronic dilution factor of the lake";
