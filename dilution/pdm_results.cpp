// Results of the last dilution run and the flags the dilution pages share.
#include "dilution/pdm_results.h"

double PdmPercentExceeded[4] = {};
double PdmDaysExceeded[4] = {};
double PdmCoc[3] = {};
double PdmReleaseDays = 0;
double PdmPreTreatRelease = 0;
double PdmWwtRemoval = 0;
double PdmSiteMeanFlow = 0;
double PdmSiteLowFlow = 0;
int GageFlowsFound = 0;
int EstimatedFlowsFound = 0;
std::string PdmScenarioText;
int ScenarioCode = 0;
unsigned char PdmOnlyRun = 0;
unsigned char PdmPagesActive = 0;
int PdmSiteResultRows = 1;
int PdmSicResultRows = 1;
