// Unit conversions of vapour pressure and Henry's law constant.
#include "chemistry/fate_units.h"

#include "scenario/number_text.h"

double VaporPressureToTorr(double entered, int unit) {
    if (entered == NotApplicable) {
        return entered;
    }
    switch (unit) {
        case VpAtm:
            return entered * kTorrPerAtm;
        case VpMb:
            return entered * kTorrPerAtm / kMbPerAtm;
        case VpPa:
            return entered * kTorrPerAtm / kPaPerAtm;
        default:
            return entered;
    }
}

double VaporPressureFromTorr(double torr, int unit) {
    if (torr == NotApplicable) {
        return torr;
    }
    switch (unit) {
        case VpAtm:
            return torr / kTorrPerAtm;
        case VpMb:
            return torr / kTorrPerAtm * kMbPerAtm;
        case VpPa:
            return torr / kTorrPerAtm * kPaPerAtm;
        default:
            return torr;
    }
}

double HenryToStored(double entered, int unit) {
    if (entered == NotApplicable || unit != HenryUnitless) {
        return entered;
    }
    return entered / kUnitlessPerAtmM3;
}

double HenryFromStored(double stored, int unit) {
    if (stored == NotApplicable || unit != HenryUnitless) {
        return stored;
    }
    return stored * kUnitlessPerAtmM3;
}

double AsTreatVaporPressureToTorr(double entered, int unit) {
    if (entered == NotApplicable) {
        return entered;
    }
    switch (unit) {
        case VpAtm:
            return entered * kTorrPerAtm;
        case VpMb:
            return entered * kTorrPerAtm * (1.0 / kMbPerAtm);
        case VpPa:
            return entered * kTorrPerAtm * (1.0 / kPaPerAtm);
        default:
            return entered;
    }
}

double AsTreatVaporPressureFromTorr(double torr, int unit) {
    if (torr == NotApplicable) {
        return torr;
    }
    switch (unit) {
        case VpAtm:
            return torr * (1.0 / kTorrPerAtm);
        case VpMb:
            return torr * (1.0 / kTorrPerAtm) * kMbPerAtm;
        case VpPa:
            return torr * (1.0 / kTorrPerAtm) * kPaPerAtm;
        default:
            return torr;
    }
}
