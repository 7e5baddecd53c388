// Number parsing and the number formats of forms and reports.
#include "scenario/number_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FormatTest, DisplayRulesWithWorkedValues) {
    struct Case {
        double value;
        const char* formatValue;
        const char* display;
    };
    const Case cases[] = {
        {0.0, "0.00", "0.00"},
        {0.05, "5.00E-02", "5.00E-02"},
        {0.1, "0.10", "0.10"},
        {1234.567, "1234.57", "1,234.57"},
        {9999.994, "9999.99", "9,999.99"},
        {10000.0, "1.00E+04", "1.00E+04"},
        {12345.0, "1.23E+04", "1.23E+04"},
        {1.5e-120, "1.50E-120", "1.50E-120"},
        {-0.5, "N/A", "N/A"},
        {-9.0, "N/A", "N/A"},
        {-0.0, "0.00", "0.00"},
        // Exact halves go away from zero, as in the report texts.
        {0.125, "0.13", "0.13"},
        {1234.625, "1234.63", "1,234.63"},
        {12250.0, "1.23E+04", "1.23E+04"},
        {2.675, "2.67", "2.67"},  // just below the half in binary
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatValue(c.value), c.formatValue) << c.value;
        EXPECT_EQ(DisplayValue(c.value), c.display) << c.value;
    }
}

TEST(FormatTest, FixedWidthColumnsAndPadding) {
    EXPECT_EQ(FormatFixed0Width10(1234.6), "      1235");
    EXPECT_EQ(FormatFixed0Width10(-9.0), "     N/A");
    EXPECT_EQ(FormatFixed0Width6(12.0), "    12");
    EXPECT_EQ(FormatFixed0Width6(-9.0), " N/A");
    EXPECT_EQ(FormatFixed2Width10(3.14159), "      3.14");
    EXPECT_EQ(FormatFixed2Width10(-9.0), "     N/A");
    EXPECT_EQ(FormatFixed2Width6(2.5), "  2.50");
    EXPECT_EQ(FormatFixed2Width6(-9.0), "     N/A");
    EXPECT_EQ(FormatFixed0Width10(2.5), "         3");
    EXPECT_EQ(FormatFixed0Width6(182.5), "   183");
    EXPECT_EQ(FormatFixed0Width6(-0.4), "     0");
    EXPECT_EQ(FormatFixed2Width10(0.125), "      0.13");
    EXPECT_EQ(FormatFixed2Width10(12345678.125), "12345678.13");
    EXPECT_EQ(PadLeft10("abc"), "       abc");
    EXPECT_EQ(PadLeft10("abcdefghijk"), "abcdefghijk");
    EXPECT_EQ(ZeroPad("  28 ", 4), "0028");
    EXPECT_EQ(ZeroPad("12345", 4), "12345");
    EXPECT_EQ(PopulationLabelFor(0), "Adult");
    EXPECT_EQ(PopulationLabelFor(6), "Youth (age 11-15)");
    EXPECT_EQ(PopulationLabelFor(7), "");
}

TEST(ParseNumberTest, CommasBlankAndLineEnds) {
    EXPECT_EQ(ParseNumber("1,234.5"), 1234.5);
    EXPECT_EQ(ParseNumber(""), 0.0);
    EXPECT_EQ(ParseNumber("2.5\r\n"), 2.5);
    EXPECT_EQ(ParseNumber("-9"), -9.0);
    EXPECT_THROW(ParseNumber("1e"), std::invalid_argument);
    EXPECT_THROW(ParseNumber("--"), std::invalid_argument);
}

}  // namespace
