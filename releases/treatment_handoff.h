// What the release pages and the treatment model hand each other: the release's loading, days
// and sites going out, the sludge release of a finished run coming back.
#pragma once

#include <string>

// Written by the treatment-model run: 1 after a run delivered its results.
extern unsigned char AsTreatRunDone;
// The run's inputs (kg/site/day, days/yr, sites), handed over by the release store.
extern double AsTreatLoading;
extern double AsTreatDays;
extern double AsTreatNumSites;
// The run's release to sludge over the year (the flux per day times the days).
extern double AsTreatSludgeAmount;

// The key of the release whose values were handed to the treatment model last; a finished run's
// result belongs to that release.
extern std::string AsTreatReleaseKey;

// True when a finished run waits to go into the release of this key.
bool TreatmentRunWaitsFor(const std::string& releaseKey);
// A run of the properties screen is for the release of the chemical whose values were handed to
// the model, or, when none of its releases was, for the release on the screen (its key given).
void ClaimTreatmentRunFor(const std::string& chemId, const std::string& shownKey);
// A run waiting for a release of another chemical than this one goes nowhere: its flag is cleared.
void DropTreatmentRunUnlessFor(const std::string& chemId);

// The run's release to sludge per day (kg/site/day), as the release pages hold every release.
double TreatmentSludgePerDay();
