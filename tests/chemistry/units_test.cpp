// Unit conversions of vapour pressure and Henry's constant, and the treatment dialog's formulas,
// against values worked by hand.
#include <gtest/gtest.h>

#include "chemistry/astreat_run.h"
#include "chemistry/fate_units.h"

namespace {

TEST(VaporPressureUnits, EnteredValuesBecomeTorr) {
    struct Case {
        double entered;
        int unit;
        double torr;
    };
    const Case cases[] = {
        {95.2, VpTorr, 95.2}, {1, VpAtm, 760},  // 1 atm
        {1013, VpMb, 760},                      // 1013 mb make one atmosphere here, not 1013.25
        {101325, VpPa, 760},                    // 101325 Pa
        {506.5, VpMb, 380},                     // 506.5 x 760 / 1013
        {-9, VpPa, -9},                         // not applicable stays so in every unit
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(VaporPressureToTorr(c.entered, c.unit), c.torr)
            << c.entered << " in unit " << c.unit;
    }
}

TEST(VaporPressureUnits, StoredTorrIsShownInTheChosenUnit) {
    EXPECT_DOUBLE_EQ(VaporPressureFromTorr(760, VpAtm), 1);
    EXPECT_DOUBLE_EQ(VaporPressureFromTorr(760, VpMb), 1013);
    EXPECT_DOUBLE_EQ(VaporPressureFromTorr(760, VpPa), 101325);
    EXPECT_DOUBLE_EQ(VaporPressureFromTorr(95.2, VpTorr), 95.2);
    EXPECT_DOUBLE_EQ(VaporPressureFromTorr(-9, VpAtm), -9);
    // The treatment dialog multiplies by the reciprocal; the same values to the last bits shown.
    EXPECT_NEAR(AsTreatVaporPressureToTorr(1013, VpMb), 760, 1e-12);
    EXPECT_NEAR(AsTreatVaporPressureFromTorr(760, VpPa), 101325, 1e-9);
}

TEST(HenryUnits, UnitlessIsAtmM3PerMolTimes40_92) {
    EXPECT_DOUBLE_EQ(HenryToStored(40.92, HenryUnitless), 1);
    EXPECT_DOUBLE_EQ(HenryFromStored(1, HenryUnitless), 40.92);
    EXPECT_DOUBLE_EQ(HenryToStored(5.5e-3, HenryAtmM3), 5.5e-3);
    EXPECT_DOUBLE_EQ(HenryToStored(-9, HenryUnitless), -9);
}

TEST(TreatmentFormulas, KdInfluentAndHenryWorkedByHand) {
    // Kd = 10^(whole part of log Kow, cut toward zero) x organic carbon fraction.
    EXPECT_DOUBLE_EQ(KdFromLogKow(3.7, 0.2), 200);
    EXPECT_DOUBLE_EQ(KdFromLogKow(-0.4, 0.2), 0.2);
    EXPECT_DOUBLE_EQ(KdFromLogKow(-1.5, 0.2), 0.1 * 0.2);
    EXPECT_DOUBLE_EQ(KdFromLogKow(2.0, 0.35), 35);
    // A loading in kg/day over the 30 ML/day plant gives mg/L.
    EXPECT_DOUBLE_EQ(InfluentConcentration(30), 1);
    EXPECT_NEAR(InfluentConcentration(2), 0.0666666666666667, 1e-15);
    // Henry unitless = VP (torr) x MW x 0.054 / solubility: 10 x 100 x 0.054 / 1000.
    EXPECT_DOUBLE_EQ(UnitlessHenryFromProperties(10, 100, 1000), 0.054);
}

}  // namespace
