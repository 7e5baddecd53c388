// Program-wide state of the consumer model's windows.
#include "consumer/pages/kiv_state.h"

namespace consumer {

char PageCode = 'a';
std::string NavigationPending = "0";
bool SplashPending = false;
bool ResultsReady = false;
bool CaseSaved = false;
int OutputMode = 1;
std::string PreviousScenarioKeyword;
bool ScenarioAutoApplied = false;
int ScenarioPageFirstShow = 1;

void ResetWindowState() {
    PageCode = 'a';
    NavigationPending = "0";
    SplashPending = false;
    ResultsReady = false;
    CaseSaved = false;
    OutputMode = 1;
    PreviousScenarioKeyword.clear();
    ScenarioAutoApplied = false;
    ScenarioPageFirstShow = 1;
}

}  // namespace consumer
