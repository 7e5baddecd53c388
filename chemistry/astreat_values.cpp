// The treatment model's input set and results.
#include "chemistry/astreat_values.h"

double AsTreatInfluentConc = 0;
double AsTreatDecayRate = 0;
double AsTreatHenry = 0;
double AsTreatHenryUnitless = 0;
double AsTreatSolubility = 0;
double AsTreatVp = 0;
double AsTreatMw = 0;
double AsTreatDensity = 0;
double AsTreatLogKow = 0;
double AsTreatCarbonPe = 0.2, AsTreatCarbonPr = 0.2, AsTreatCarbonSe = 0.2, AsTreatCarbonSr = 0.2;
double AsTreatKdPe = 0, AsTreatKdPr = 0, AsTreatKdSe = 0, AsTreatKdSr = 0;

double AsTreatWwtRemoval = 0;
std::string AsTreatProgramPath;
