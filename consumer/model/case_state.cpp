// The program-wide state of the consumer model.
#include "consumer/model/case_state.h"

namespace consumer {
namespace {
ExposureInputs theInputs;
ExposureResults theResults;
ChemicalInfo theChemical;
}  // namespace

ExposureInputs* CaseInputs = &theInputs;
ExposureResults* CaseResults = &theResults;
ChemicalInfo* CaseChemical = &theChemical;
int RunMode = kRunStandAlone;
std::string WorkingFolder;
std::string CaseDataFolder;
bool InputErrorFlag = false;
int ScenarioChosen = 0;
std::string PreviousScenarioName;
int PreviousAgeGroup = 0;

}  // namespace consumer
