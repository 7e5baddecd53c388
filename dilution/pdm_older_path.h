// The older dilution path: its own site model over the same 32 points, and the category run
// that reads precomputed category tables instead of walking facilities.
#pragma once

#include <string>
#include <vector>

// Regional coefficients read from the coefficient table.
extern double PdmCoefA;
extern double PdmCoefB;
// Concentrations (ug/L) at the station's 100 flows.
extern double PdmStationConcentrations[101];
// The normalised-concentration axis (pdm\pdmconc.dbf, ascending) and the matching values of
// the current category table, row n at index n - 1.
extern std::vector<double> PdmConcAxis;
extern std::vector<double> PdmSicTableValues;

// Rows of the axis and of every category table.
constexpr int PdmTableRows = 1450;

// Reads the pair of the coefficient table for a region and subregion into PdmCoefA/PdmCoefB
// and returns the row read; 0 (and A = B = 0) when the subregion is not in the table.
int LoadRegionCoefficients(int region, int subregion);
// Station and estimated flows of the reach PdmStationKey into the site flow values.
void LookUpSiteFlows();
void ComputeStationConcentrations(double load);
// Station concentrations at or above the level, counted from value 1 until the first below.
int CountStationConcentrationsAbove(double coc);
double OlderStreamFlowVariation(double mean, double low);
// Upper-tail normal deviate from t = sqrt(-2 ln p), by a rational approximation.
double InverseNormalApprox(double t);
double QuadratureNormalDeviate(int point);
void TabulateDilutionTerms();
// Fraction of time the effluent concentration term exceeds x (ug/L per ug/L of the low-flow
// concentration scale) over the 32 points, with the normal tail by a polynomial.
double IntegrateTailProbability(double x);
// True when the last integration skipped a point whose tail underflowed.
bool PdmTailUnderflow();
// Days and percent for concentration of concern coc from the site values of the last lookup.
void RunPdmExceedance(int coc);
// The older site run for the facility CurrentPmn.NPDES, on the stations and flows of its reach;
// NotApplicable for a facility that is not in the table.
void RunPdmBySite(int coc);

// Row (1-based) of the axis at or just below x; *hit when a row lies within 1e-9 of x; -1
// below the first row, -2 above the last.
int SearchPdmConcTable(double x, bool* hit);
// Table value for concentration of concern coc: 0 above the axis, -1 below it.
double TableDaysExceeded(int coc);
// Reads the axis and the category table named by PdmTableFileName.
void LoadPdmCategoryTables();
// The older category run: days from the table of the record's category.
void RunPdmBySic(int coc);
