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

namespace {

// The chemical id of a release key: the text before its last comma ("" when it has none).
std::string ChemicalOfKey(const std::string& key) {
    const size_t comma = key.rfind(',');
    return comma == std::string::npos ? "" : key.substr(0, comma);
}

}  // namespace

bool TreatmentRunWaitsFor(const std::string& releaseKey) {
    return AsTreatRunDone == 1 && !releaseKey.empty() && AsTreatReleaseKey == releaseKey;
}

void ClaimTreatmentRunFor(const std::string& chemId, const std::string& shownKey) {
    if (ChemicalOfKey(AsTreatReleaseKey) != chemId)
        AsTreatReleaseKey = shownKey;
}

void DropTreatmentRunUnlessFor(const std::string& chemId) {
    if (chemId.empty() || ChemicalOfKey(AsTreatReleaseKey) != chemId)
        AsTreatRunDone = 0;
}
