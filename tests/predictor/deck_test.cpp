// The dispersion model's deck, line by line, for every kind of source and option.
#include "predictor/model_deck.h"

#include <gtest/gtest.h>

#include "predictor/units.h"

namespace {

using Lines = std::vector<std::string>;

// A stack release of 10 kg/site/day for 250 days, no removal, with the shown defaults in
// metres, kelvin and m/s.
ReleaseInputs StackRelease() {
    ReleaseInputs r;
    r.key = "P-1,1";
    r.incinRel = 10;
    r.incinDays = 250;
    r.ambTemp = 298;
    ApplyShownDefaults(r);
    return r;
}

ReleaseInputs FugitiveRelease() {
    ReleaseInputs r;
    r.key = "P-1,2";
    r.fugRel = 1;
    r.fugPerc = 50;
    r.fugDays = 365;
    ApplyShownDefaults(r);
    return r;
}

TEST(PredictorDeck, StackUrbanFullWithoutDownwash) {
    // Emission 10 x 250 kg/yr = 0.0792745 g/s (annual), 10 x 365 kg/yr = 0.115741 g/s (24 h).
    Lines expected = {"modelrun", "P", "0.0792745", "10", "0.1", "35", "293", "298", "0", "U", "n",
                      "n",        "y", "1",         "n",  "y",   "0",  "100", "0",   "n", "n"};
    EXPECT_EQ(ModelInputLines(StackRelease(), Source::Stack, Averaging::Annual), expected);
    expected[2] = "0.115741";
    EXPECT_EQ(ModelInputLines(StackRelease(), Source::Stack, Averaging::Max24Hour), expected);
}

TEST(PredictorDeck, StackRuralWithDownwashClassAndWindInOtherUnits) {
    ReleaseInputs r = StackRelease();
    r.incinRel = 5;
    r.incinPerc = 20;
    r.incinDays = 300;
    r.stkHt = 100, r.stkHtU = "ft";
    r.stkDiam = 12, r.stkDmU = "in";
    r.stkVel = 40, r.stkVelU = "ft/min";
    r.stkTemp = 300, r.stkTmpU = "F";
    r.ambTemp = 25, r.ambTmpU = "C";
    r.landUse = "Rural";
    r.terHt = 3, r.terHtU = "yds";
    r.nearRes = 50000, r.nearResU = "cm";
    r.metClass = kMetClassAndWind;
    r.stabClass = 3;  // D, written as 4
    r.wndSpd = 10, r.wndSpdU = "m/min";
    r.downwash = true;
    r.facLen = 0, r.facLenU = "ft";
    r.facWd = 20, r.facWdU = "m";
    r.facHt = 30, r.facHtU = "yds";
    ApplyDeckDefaults(r, Source::Stack);
    EXPECT_EQ(r.facLen, 10) << "a length not given is 10 in its own unit";
    // 5 x 0.8 x 300 kg/yr = 0.0380518 g/s; 100 ft = 30.48 m; 12 in = 0.3048 m; 40 ft/min =
    // 0.2032 m/s; 300 F = 422.039 K; 25 C = 298 K; facility 30 yds = 27.432 m high, 10 ft =
    // 3.048 m long, 20 m wide; terrain 3 yds = 2.7432 m; 50000 cm = 500 m; 10 m/min = 0.166667.
    Lines expected = {"modelrun", "P",   "0.0380518", "30.48", "0.3048",   "0.2032", "422.039",
                      "298",      "0",   "R",         "y",     "27.432",   "3.048",  "20",
                      "n",        "y",   "2",         "4",     "0.166667", "n",      "y",
                      "2.7432",   "500", "0",         "n",     "n",        "n"};
    EXPECT_EQ(ModelInputLines(r, Source::Stack, Averaging::Annual), expected);
}

TEST(PredictorDeck, StackClassOnlyHasNoWindLine) {
    ReleaseInputs r = StackRelease();
    r.metClass = kMetClassOnly;
    r.stabClass = 5;  // F
    r.wndSpd = 3;
    Lines lines = ModelInputLines(r, Source::Stack, Averaging::Annual);
    Lines tail(lines.begin() + 13, lines.end());
    EXPECT_EQ(tail, (Lines{"2", "6", "n", "y", "0", "100", "0", "n", "n"}));
}

TEST(PredictorDeck, FugitiveDeckHasNoTerrainAndEndsWithDistanceZeroN) {
    // 1 kg/site/day, 50 % removal, 365 days over a 10 m by 10 m opening: 5.78704e-05 g/(s m2).
    Lines expected = {"modelrun", "A", "5.78704e-05", "3", "10",  "10", "0", "U",
                      "y",        "1", "n",           "y", "100", "0",  "n"};
    ReleaseInputs r = FugitiveRelease();
    ApplyDeckDefaults(r, Source::Fugitive);
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Annual), expected);
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Max24Hour), expected)
        << "365 release days make both cases alike";
    r.landUse = "Rural";
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Annual).back(), "n");
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Annual).size(), expected.size())
        << "only the stack deck has the rural line";
}

TEST(PredictorDeck, FugitiveInFeetWithClassAndWind) {
    ReleaseInputs r = FugitiveRelease();
    r.fugRel = 2, r.fugPerc = 10, r.fugDays = 200;
    r.fieldLen = 30, r.fieldLenU = "ft";
    r.fieldWidth = 20, r.fWidthU = "ft";
    r.fugRelHt = 0;
    r.metClass = kMetClassAndWind;
    r.stabClass = 0;
    r.wndSpd = 2, r.wndSpdU = "m/sec";
    ApplyDeckDefaults(r, Source::Fugitive);
    EXPECT_EQ(r.fugRelHt, 3);
    // 2 x 0.9 x 200 kg/yr over 9.144 m x 6.096 m: 0.000204793 g/(s m2); 365 days: 0.000373747.
    Lines expected = {"modelrun", "A", "0.000204793", "3", "9.144", "6.096", "0", "U", "y",
                      "2",        "1", "2",           "n", "y",     "100",   "0", "n"};
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Annual), expected);
    expected[2] = "0.000373747";
    EXPECT_EQ(ModelInputLines(r, Source::Fugitive, Averaging::Max24Hour), expected);
}

TEST(PredictorDeck, ShownDefaults) {
    ReleaseInputs r;
    r.incinRel = 2;
    r.fugRel = 1;
    r.fieldLenU = "furlong";
    r.fWidthU = "furlong";
    ApplyShownDefaults(r);
    EXPECT_EQ(r.stkHt, 10);
    EXPECT_EQ(r.stkHtU, "m");
    EXPECT_EQ(r.stkVelU, "m/sec");
    EXPECT_EQ(r.stkTmpU, "K");
    EXPECT_EQ(r.fieldLenU, "yds") << "an unknown length unit was yards";
    EXPECT_EQ(r.fWidthU, "m");
    EXPECT_EQ(r.ambTemp, 298);
    EXPECT_EQ(r.nearRes, 100);
    EXPECT_EQ(r.landUse, "Urban");
    EXPECT_EQ(r.metClass, "Full");

    ReleaseInputs none;
    none.stkHtU = "ft";
    ApplyShownDefaults(none);
    EXPECT_EQ(none.stkHt, 0) << "no stack release: stack data untouched";
    EXPECT_EQ(none.stkHtU, "ft");
    EXPECT_EQ(none.fieldLenU, "");
}

}  // namespace
