// What the release pages and the treatment model hand each other: the release's loading, days
// and sites going out, the sludge release of a finished run coming back.
#include "releases/treatment_handoff.h"

unsigned char AsTreatRunDone = 0;
double AsTreatLoading = 0;
double AsTreatDays = 0;
double AsTreatNumSites = 0;
double AsTreatSludgeAmount = 0;
std::string AsTreatReleaseKey;

double TreatmentSludgePerDay() {
    return AsTreatDays > 0 ? AsTreatSludgeAmount / AsTreatDays : AsTreatSludgeAmount;
}
