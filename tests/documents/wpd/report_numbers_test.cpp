// Report number texts, worked by hand: the value forms, the significant-digits form, range
// fields and part names.
#include "documents/merge/report_numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(ReportNumbers, ValueToTextTable) {
    struct Case {
        double x;
        const char* text;
        const char* whole;
    };
    const Case cases[] = {
        {-9.0, "N/A", "N/A"},
        {-0.001, "N/A", "N/A"},
        {0.0, "0.00", "0"},
        {0.05, "5.00E-02", "5.00E-02"},
        {0.1, "0.10", "0"},
        {9999.994, "9999.99", "10000"},
        {365.0, "365.00", "365"},
        {12.4, "12.40", "12"},
        {12345.0, "1.23E+04", "1.23E+04"},
        {10000.0, "1.00E+04", "1.00E+04"},
        {1e-12, "1.00E-12", "1.00E-12"},
        {2.5e100, "2.50E+100", "2.50E+100"},
        {kInf, "N/A", "N/A"},
        {-kInf, "N/A", "N/A"},
        {kNaN, "N/A", "N/A"},
        // Zero of either sign prints as zero.
        {-0.0, "0.00", "0"},
        // Exact halves go away from zero, as RoundToWhole does (printf would give 2, 12, 182,
        // "0.12" and "1.22E+04").
        {2.5, "2.50", "3"},
        {12.5, "12.50", "13"},
        {182.5, "182.50", "183"},
        {0.125, "0.13", "0"},
        {0.375, "0.38", "0"},
        {12250.0, "1.23E+04", "1.23E+04"},
        {0.0625, "6.25E-02", "6.25E-02"},
        {0.03125, "3.13E-02", "3.13E-02"},
        // Not a half in binary: 2.675 is a little below it and goes down.
        {2.675, "2.67", "3"},
        // The form is the value's: below 10000 it is fixed, even when it rounds up to 10000.
        {9999.995, "10000.00", "10000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValueToText(c.x), c.text) << c.x;
        EXPECT_EQ(ValueToTextWhole(c.x), c.whole) << c.x;
    }
}

TEST(ReportNumbers, RoundToWholeGoesHalfUpAndNegativesTowardZero) {
    EXPECT_EQ(RoundToWhole(2.49), 2.0);
    EXPECT_EQ(RoundToWhole(2.5), 3.0);
    EXPECT_EQ(RoundToWhole(0.0), 0.0);
    EXPECT_EQ(RoundToWhole(-2.7), -2.0);
    EXPECT_EQ(RoundToWhole(-9.0), -9.0);
}

TEST(ReportNumbers, FormatSignificantTable) {
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {2000000.0, "2.00e+06"},
        {2500000.0, "2.50e+06"},
        {0.000002, "2.00e-06"},
        {12.5, "12.5"},
        {12.0, "12."},
        {3.0, "3."},
        {3.14159, "3.14"},
        {999999.999, "999999.99"},
        {1e6, "1000000."},
        {0.5, "0.5"},
        {0.001234, "0.00123"},
        {0.001236, "0.00124"},
        {0.012399, "0.0124"},
        {0.099999, "0.1"},
        {0.999999, "1."},
        {0.00002, "0.00002"},
        // The boundaries are the value's own, not those of its rounded copy.
        {1e-5, "0.00001"},
        {0.99999e-5, "9.99e-06"},
        {1e6 + 1e-7, "1.00e+06"},
        {0.0, ""},
        {-4.0, "0."},
        {1.23456e-20, "1.23e-20"},
        {kNaN, "N/A"},
        {kInf, "N/A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSignificant(c.x), c.text) << c.x;
}

TEST(ReportNumbers, RangeFieldsPadToTwelveCharacters) {
    EXPECT_EQ(FormatRangeField(1, 1, 0), "1." + std::string(10, ' '));
    EXPECT_EQ(FormatRangeField(1, 2.5, 0), "1.-2.5" + std::string(6, ' '));
    EXPECT_EQ(FormatRangeField(90, 0, 1), "90." + std::string(9, ' '));     // mode 1, high 0: low
    EXPECT_EQ(FormatRangeField(0, 250, 2), "250." + std::string(8, ' '));   // mode 2, low 0: high
    EXPECT_EQ(FormatRangeField(0, 250, 0), "-250." + std::string(7, ' '));  // 0 prints empty
    EXPECT_EQ(FormatRangeField(90, 0, 0), "90.-" + std::string(8, ' '));
    // Eleven characters get one blank; twelve or more none.
    EXPECT_EQ(FormatRangeField(123.25, 456.5, 0), "123.25-456.5");
    EXPECT_EQ(FormatRangeField(1234.25, 4567.25, 0), "1234.25-4567.25");
}

TEST(ReportNumbers, PartNamesJoinCaseReleaseAndKind) {
    EXPECT_EQ(ReportFileName("P-01-0123", "2", RiverSitePart), "P-01-01232.stw");
    const char* extensions[] = {"erw", "stw", "lkw", "siw", "fuw", "inw",
                                "lnw", "dtd", "psw", "piw", "spe", "en"};
    for (int kind = 0; kind <= 11; ++kind)
        EXPECT_EQ(ReportFileName("C", "1", kind), std::string("C1.") + extensions[kind]);
    EXPECT_EQ(ReportFileName("C", "1", 12), "C1.");
}

TEST(ReportNumbers, FinalReportNamesStayInTheDataFolder) {
    EXPECT_EQ(FinalReportFileName("P-01-0123", ".wpd"), "P-01-0123.wpd");
    EXPECT_EQ(FinalReportFileName("../x", ".doc"), ".._x.doc");
    EXPECT_EQ(FinalReportFileName("a\\b:c", ".doc"), "a_b_c.doc");
    EXPECT_EQ(FinalReportFileName("..", ".wpd"), "_...wpd");
}
