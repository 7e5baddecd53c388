// Unit conversions of vapour pressure and Henry's law constant between the chosen and stored units.
#pragma once

// Vapour pressure units, in the order of the unit lists: torr (mm Hg), atm, mb, Pa.
enum VaporPressureUnit { VpTorr = 0, VpAtm = 1, VpMb = 2, VpPa = 3 };
// Henry's law constant units: atm-m3/mol, unitless.
enum HenryUnit { HenryAtmM3 = 0, HenryUnitless = 1 };

constexpr double kTorrPerAtm = 760.0;
constexpr double kMbPerAtm = 1013.0;  // as the system rounds it, not 1013.25
constexpr double kPaPerAtm = 101325.0;
constexpr double kUnitlessPerAtmM3 = 40.92;

// The properties screen: an entered value in the unit to torr, and torr to the unit. The
// not-applicable mark -9 is kept as it is in every unit.
double VaporPressureToTorr(double entered, int unit);
double VaporPressureFromTorr(double torr, int unit);
double HenryToStored(double entered, int unit);
double HenryFromStored(double stored, int unit);

// The treatment-model dialog's own evaluation order (a product with the reciprocal), which its
// fields have always shown; units as above, "pascals" for Pa.
double AsTreatVaporPressureToTorr(double entered, int unit);
double AsTreatVaporPressureFromTorr(double torr, int unit);
