// One release as the predictor sees it: the row's source data, the dispersion inputs with
// their units and options, and the four air concentrations.
#pragma once

#include <string>
#include <vector>

struct ReleaseInputs {
    std::string key;  // PMN_ID
    // Read only: releases (kg/site/day), days per year, removal percentages.
    double incinRel = 0, incinDays = 0, incinPerc = 0;
    double fugRel = 0, fugDays = 0, fugPerc = 0;
    std::string facName;
    double numSites = 0;
    // Edited numbers, each in its own unit; 0 means "not given".
    double stkHt = 0, stkDiam = 0, stkVel = 0, stkTemp = 0, ambTemp = 0;
    double fugRelHt = 0, fieldLen = 0, fieldWidth = 0;
    double terHt = 0, nearRes = 0, wndSpd = 0;
    double facLen = 0, facWd = 0, facHt = 0;
    std::string stkHtU, stkDmU, stkVelU, stkTmpU, ambTmpU, fugRelHtU, fieldLenU, fWidthU;
    std::string terHtU, nearResU, wndSpdU, facLenU, facWdU, facHtU;
    std::string landUse;   // "Urban" or "Rural"
    std::string metClass;  // "Full", "Stability Class Only", "Stability and Wind Speed"
    int stabClass = 0;     // 0 to 5 for A to F
    bool downwash = false;
};

// Stack annual, stack maximum 24-hour, fugitive annual, fugitive maximum 24-hour; mg/m3.
struct AirConcentrations {
    double stackAnnual = 0;
    double stack24Hour = 0;
    double fugitiveAnnual = 0;
    double fugitive24Hour = 0;
};

// An edited number with its unit: the row's fields, the list of units it takes, and the
// caption the form gives it.
struct EditedNumber {
    const char* field;
    double ReleaseInputs::*value;
    const char* unitField;
    std::string ReleaseInputs::*unit;
    char unitKind;  // as UnitChoices
    const char* caption;
};

// The fourteen edited numbers, in the form's order.
const std::vector<EditedNumber>& EditedNumbers();

bool HasStack(const ReleaseInputs& r);     // a stack release above 0
bool HasFugitive(const ReleaseInputs& r);  // a fugitive release above 0

// The defaults a release takes when it is shown: stack data when there is a stack release,
// fugitive data when there is a fugitive release, and always the ambient, land use, terrain,
// distance and met class; units that are not in their list take their default.
void ApplyShownDefaults(ReleaseInputs& r);
