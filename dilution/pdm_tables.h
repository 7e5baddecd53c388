// Start-up tables of the dilution model and the values of its older site path.
#pragma once

#include <string>

// The 32 quadrature points and weights of the engine, indexes 1..32.
extern double PdmQuadratureNodes[33];
extern double PdmQuadratureWeights[33];
// Effluent flow of the older site run (MLD); NotApplicable after start-up.
extern double PdmSitePlantFlow;
// Key of the gaging-station lookup of the older site run; "0" after start-up.
extern std::string PdmStationKey;

// Fills the quadrature tables and sets the site flows to NotApplicable; run at every
// activation of the main form.
void InitPdmTables();
