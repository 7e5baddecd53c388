// Program-wide state of the consumer model's windows: navigation and the run's flags.
#pragma once

#include <string>

namespace consumer {

// The page the main window opens next (see DispatchPageCode); '9' while a page is up.
extern char PageCode;
// "0" while a dispatch of PageCode is pending, "1" when not.
extern std::string NavigationPending;
// Stand-alone start: the splash dialog comes before the start screen.
extern bool SplashPending;
extern bool ResultsReady;
extern bool CaseSaved;
// 1 while the result pages go to the screen, 2 while they go to the printer.
extern int OutputMode;

// Scenario page bookkeeping kept between its visits.
extern std::string PreviousScenarioKeyword;
extern bool ScenarioAutoApplied;
extern int ScenarioPageFirstShow;

// Back to the values at program start (tests run several starts in one process).
void ResetWindowState();

}  // namespace consumer
