// Result texts, edit numbers, rounding, blanks, the use-day pattern rewrite and the resets.
#include <gtest/gtest.h>

#include "consumer/model/case_reset.h"
#include "consumer/model/file_test.h"
#include "consumer/model/result_format.h"
#include "consumer/model/use_day_pattern.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;

TEST(ResultText, FormatsByRange) {
    const std::pair<double, const char*> cases[] = {
        {0.01, "0.01"},
        {10000, "10000."},
        {10000.5, "1.0000e+04"},
        {0.00999, "9.9900e-03"},
        {-9, ""},
        {0.000123, "1.2300e-04"},
        {123456, "1.2345e+05"},  // digits after the fourth decimal are dropped
        {0.005, "5.0000e-03"},
        {1234.5678, "1234.568"},
        {12, "12."},
        {0, "0."},
        {0.5, "0.5"},
        {0.05, "0.05"},
        {0.123456, "0.123"},
        {2.0005, "2.001"},  // three decimals, halves up
        {9999.9996, "10000."},
        // Negative values keep their sign; three-digit exponents keep all three digits.
        {-99, "-9.9000e+01"},
        {-0.5, "-5.0000e-01"},
        {1.5e120, "1.5000e+120"},
        {2.5e-150, "2.5000e-150"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(FormatResultValue(value), text) << value;
}

TEST(ResultText, RoundingAndBlanks) {
    EXPECT_EQ(NearestWhole(2.5), 3.0);
    EXPECT_EQ(NearestWhole(2.4999), 2.0);
    EXPECT_EQ(NearestWhole(0), 0.0);
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(EditNumbers, FourSignificantDigitsOutAndLeadingNumberIn) {
    EXPECT_EQ(EditNumberText(0.123456), "0.1235");
    EXPECT_EQ(EditNumberText(12345.6), "1.235e+04");
    EXPECT_EQ(EditNumberText(0.00001234), "1.234e-05");
    EXPECT_EQ(EditNumberValue("  2.5e3abc"), 2500.0);
    EXPECT_EQ(EditNumberValue("-0.75"), -0.75);
    EXPECT_EQ(EditNumberValue("abc"), 0.0);
    EXPECT_EQ(EditNumberValue(""), 0.0);
}

ExposureInputs PatternCase(int ageGroup, double highEnd) {
    ExposureInputs in;
    in.ActivityPattern = kAdultUseDayPattern;
    in.ScenarioKeyword = "appliedsurfacecleaner";
    in.AgeGroup = ageGroup;
    in.STARTTIME = 12;
    in.ROOMOFUSE = 3;
    in.DurationHighEnd = highEnd;
    return in;
}

TEST(UseDayPattern, LongerUsePaintsTheRoomFromTheStartHour) {
    ExposureInputs in = PatternCase(1, 30);
    AdjustUseDayPattern(in, 1);
    EXPECT_EQ(in.ActivityPattern, "1111111231543333333333333");  // slots 12 to 24 only
    ExposureInputs child = PatternCase(3, 30);
    AdjustUseDayPattern(child, 1);
    EXPECT_EQ(child.ActivityPattern, kAdultUseDayPattern);  // children keep their pattern
    ExposureInputs fraction = PatternCase(1, 0.25);
    AdjustUseDayPattern(fraction, 0);
    EXPECT_EQ(fraction.ActivityPattern, "1111111231543467422744411");  // at least the start
}

TEST(UseDayPattern, ShorterUseRestoresTheDefaultDigits) {
    ExposureInputs in = PatternCase(1, 1);
    in.ActivityPattern = "1111111231543337422744411";
    AdjustUseDayPattern(in, 3);
    EXPECT_EQ(in.ActivityPattern.substr(12, 3), "346");
    ExposureInputs placed = PatternCase(1, 1);
    placed.ScenarioKeyword = "placedenvironment";
    AdjustUseDayPattern(placed, 3);
    EXPECT_EQ(placed.ActivityPattern, kAdultUseDayPattern);
}

TEST(CaseResets, FixedDefaults) {
    ExposureInputs in;
    ExposureResults results;
    results.values.fill(5);
    in.StoredAgeGroup = 4;
    in.ScenarioNumber = 7;
    in.DocumentFormat = "wp";
    ResetCaseIdentity(in);
    ResetExposureInputs(in, results);
    EXPECT_EQ(in.WeightFraction90, 1.0);
    EXPECT_EQ(in.HENRYSLAW, 1.0);
    EXPECT_EQ(in.FRACTAEROSOL, 0.01);
    EXPECT_EQ(in.AveragingTimeAcute, 1.0);
    EXPECT_EQ(in.ROOMOFUSE, 3);
    EXPECT_EQ(in.STARTTIME, 12);
    EXPECT_EQ(in.AgeGroup, 1);
    EXPECT_EQ(in.ScenarioClass, 2);
    EXPECT_EQ(in.IdNumber, " ");
    EXPECT_EQ(in.ScenarioName, "General Purpose Cleaner");
    EXPECT_EQ(in.ScenarioKeyword, "appliedsurfacecleaner");
    EXPECT_EQ(in.DoseType, "Potential");
    EXPECT_EQ(in.ActivityPattern, "1111111231542467422744411");
    EXPECT_EQ(in.NonUseDayPattern, "1111111132442477422744411");
    // Left alone: the stored age group, the scenario number and the document format.
    EXPECT_EQ(in.StoredAgeGroup, 4);
    EXPECT_EQ(in.ScenarioNumber, 7);
    EXPECT_EQ(in.DocumentFormat, "wp");
    for (int i = 0; i < 28; ++i) {
        bool cleared = i <= 11 || (i >= 17 && i <= 22);
        EXPECT_EQ(results[i], cleared ? 0.0 : 5.0) << i;
    }
}

TEST(FileTest, FilesOnlyWhenReadable) {
    consumer_test::TestFolder folder("file_test");
    folder.Write("a.txt", "x");
    EXPECT_TRUE(FileExists(folder.File("a.txt")));
    EXPECT_FALSE(FileExists(folder.File("b.txt")));
    EXPECT_FALSE(FileExists(folder.Folder()));
}

}  // namespace
