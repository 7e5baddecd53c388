// Unit conversion, the choice lists and the result display.
#include "predictor/units.h"

#include <gtest/gtest.h>

namespace {

TEST(PredictorUnits, ConvertToSIByUnitText) {
    struct Case {
        double value;
        const char* unit;
        double expected;  // worked by hand
    };
    const Case cases[] = {
        {20, "C", 293},  // the offset is 273, not 273.15
        {50, "F", 283.15},
        {540, "R", 300},
        {365 * 24 * 3.6, "kg/yr", 1},
        {10, "yds", 9.144},
        {100, "in", 2.54},
        {10, "ft", 3.048},
        {250, "cm", 2.5},
        {10, "ft/sec", 3.048},
        {60, "ft/min", 0.3048},
        {3600, "ft/hr", 0.3048},
        {120, "m/min", 2},
        {7200, "m/hr", 2},
        {7, "K", 7},
        {7, "m", 7},
        {7, "m/sec", 7},
        {7, "", 7},
        {7, "FT", 7},  // comparison is exact
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ConvertToSI(c.value, c.unit), c.expected, 1e-12 * std::abs(c.expected))
            << c.value << " " << c.unit;
    EXPECT_NEAR(ConvertToSI(1, "kg/yr"), 3.1709791983764586e-05, 1e-20);
}

TEST(PredictorUnits, ShowNumberText) {
    EXPECT_EQ(ShowNumberText(0), "0.00");
    EXPECT_EQ(ShowNumberText(0.05), "5.00E-02");
    EXPECT_EQ(ShowNumberText(0.1), "0.10");
    EXPECT_EQ(ShowNumberText(12.5), "12.50");
    EXPECT_EQ(ShowNumberText(9999.994), "9999.99");
    EXPECT_EQ(ShowNumberText(10000), "1.00E+04");
    EXPECT_EQ(ShowNumberText(25000), "2.50E+04");
    EXPECT_EQ(ShowNumberText(9.872e-4), "9.87E-04");
    EXPECT_EQ(ShowNumberText(-1), "N/A");
}

TEST(PredictorUnits, ChoiceListsInOrder) {
    EXPECT_EQ(UnitChoices('0'), (std::vector<std::string>{"K", "C", "F"}));
    EXPECT_EQ(UnitChoices('1'), (std::vector<std::string>{"ft", "yds", "in", "m", "cm"}));
    EXPECT_EQ(UnitChoices('2')[3], "m/sec");
    EXPECT_EQ(UnitChoices('4'), (std::vector<std::string>{"Full", "Stability Class Only",
                                                          "Stability and Wind Speed"}));
    EXPECT_EQ(UnitChoices('5').size(), 6u);
    EXPECT_TRUE(UnitChoices('9').empty());
    EXPECT_EQ(StabilityLetter(0), "A");
    EXPECT_EQ(StabilityLetter(5), "F");
    EXPECT_EQ(StabilityLetter(6), "A");
    EXPECT_EQ(StabilityLetter(-1), "A");
}

}  // namespace
