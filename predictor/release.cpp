// The predictor's release record: its edited numbers and the defaults of a shown release.
#include "predictor/release.h"

#include <algorithm>

#include "predictor/units.h"

const std::vector<EditedNumber>& EditedNumbers() {
    using R = ReleaseInputs;
    static const std::vector<EditedNumber> list = {
        {"STK_HT", &R::stkHt, "STKHTU", &R::stkHtU, '1', "Stack Height"},
        {"STK_DIAM", &R::stkDiam, "STKDMU", &R::stkDmU, '1', "Inside Stack Diameter"},
        {"STK_VEL", &R::stkVel, "STKVELU", &R::stkVelU, '2', "Stack Gas Exit Velocity"},
        {"STK_TEMP", &R::stkTemp, "STKTMPU", &R::stkTmpU, '0', "Stack Gas Temperature"},
        {"AMB_TMP", &R::ambTemp, "AMBTMPU", &R::ambTmpU, '0', "Ambient Temperature"},
        {"FUGRELHT", &R::fugRelHt, "FUGRELHTU", &R::fugRelHtU, '1', "Release Height"},
        {"FIELDLEN", &R::fieldLen, "FIELDLENU", &R::fieldLenU, '1', "Length of Release Opening"},
        {"FIELDWIDTH", &R::fieldWidth, "FWIDTHU", &R::fWidthU, '1', "Width of Release Opening"},
        {"TER_HT", &R::terHt, "TERHTU", &R::terHtU, '1', "Terrain Height"},
        {"NEAR_RES", &R::nearRes, "NEARRESU", &R::nearResU, '1',
         "Distance to Residence of Interest"},
        {"WNDSPD", &R::wndSpd, "WNDSPDU", &R::wndSpdU, '2', "Wind Speed"},
        {"FACLEN", &R::facLen, "FACLENU", &R::facLenU, '1', "Facility Length"},
        {"FACWD", &R::facWd, "FACWDU", &R::facWdU, '1', "Facility Width"},
        {"FACHT", &R::facHt, "FACHTU", &R::facHtU, '1', "Facility Height"},
    };
    return list;
}

bool HasStack(const ReleaseInputs& r) {
    return r.incinRel > 0;
}

bool HasFugitive(const ReleaseInputs& r) {
    return r.fugRel > 0;
}

namespace {

bool InList(const std::string& text, char kind) {
    const std::vector<std::string>& list = UnitChoices(kind);
    return std::find(list.begin(), list.end(), text) != list.end();
}

void DefaultNumber(double& value, double fallback) {
    if (value == 0)
        value = fallback;
}

// A text that is not in its list takes the list's default.
void DefaultChoice(std::string& text, char kind, const char* fallback) {
    if (!InList(text, kind))
        text = fallback;
}

}  // namespace

void ApplyShownDefaults(ReleaseInputs& r) {
    if (HasStack(r)) {
        DefaultNumber(r.stkHt, 10);
        DefaultNumber(r.stkDiam, 0.1);
        DefaultNumber(r.stkVel, 35);
        DefaultNumber(r.stkTemp, 293);
        DefaultChoice(r.stkHtU, '1', "m");
        DefaultChoice(r.stkDmU, '1', "m");
        DefaultChoice(r.stkVelU, '2', "m/sec");
        DefaultChoice(r.stkTmpU, '0', "K");
    }
    if (HasFugitive(r)) {
        DefaultNumber(r.fugRelHt, 3);
        DefaultNumber(r.fieldWidth, 10);
        DefaultNumber(r.fieldLen, 10);
        DefaultChoice(r.fugRelHtU, '1', "m");
        DefaultChoice(r.fWidthU, '1', "m");
        // An empty length unit is metres; an unknown one was written as yards.
        if (r.fieldLenU.empty())
            r.fieldLenU = "m";
        DefaultChoice(r.fieldLenU, '1', "yds");
    }
    DefaultNumber(r.ambTemp, 298);
    DefaultChoice(r.ambTmpU, '0', "K");
    DefaultChoice(r.landUse, '3', "Urban");
    DefaultChoice(r.terHtU, '1', "m");
    DefaultNumber(r.nearRes, 100);
    DefaultChoice(r.nearResU, '1', "m");
    DefaultChoice(r.metClass, '4', kMetFull);
    if (r.stabClass < 0 || r.stabClass > 5)
        r.stabClass = 0;
    if (r.downwash) {
        DefaultChoice(r.facLenU, '1', "ft");
        DefaultChoice(r.facWdU, '1', "ft");
        DefaultChoice(r.facHtU, '1', "ft");
    }
}
