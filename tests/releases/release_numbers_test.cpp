// Reading typed numbers and days: a comma only where it groups thousands, whole days only, and
// never an exception.
#include "releases/release_numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(ReleaseNumbersTest, TypedNumbers) {
    struct Case {
        const char* text;
        bool valid;
        double value;
    } cases[] = {
        {"", true, 0},
        {"  ", true, 0},
        {"12.5", true, 12.5},
        {"1,234.5", true, 1234.5},
        {"1,234,567", true, 1234567},
        {"-9", true, -9},
        {"+3", true, 3},
        {"1.5E+03", true, 1500},
        {"2.00E-02", true, 0.02},
        {"12\r\n", true, 12},
        {"12,5", false, 0},
        {"1,23", false, 0},
        {",5", false, 0},
        {"1,", false, 0},
        {"1.5,000", false, 0},
        {"12345,678", false, 0},
        {"-", false, 0},
        {"1e", false, 0},
        {"1-2", false, 0},
        {"E", false, 0},
        {"..", false, 0},
        {"1e999", false, 0},
        {"N/A", false, 0},
    };
    for (const Case& c : cases) {
        std::optional<double> value = ReadTypedNumber(c.text);
        EXPECT_EQ(value.has_value(), c.valid) << "'" << c.text << "'";
        if (value && c.valid) {
            EXPECT_DOUBLE_EQ(*value, c.value) << "'" << c.text << "'";
        }
    }
}

TEST(ReleaseNumbersTest, TypedDaysAreWholeNumbers) {
    struct Case {
        const char* text;
        bool valid;
        double value;
    } cases[] = {
        {"", true, 0},     {"250", true, 250}, {"365", true, 365}, {"3.0", true, 3},
        {"3.", true, 3},   {"3.5", false, 0},  {"35", true, 35},   {"-3", false, 0},
        {"3e2", false, 0}, {".5", false, 0},   {"12,5", false, 0}, {"1,000", true, 1000},
    };
    for (const Case& c : cases) {
        std::optional<double> value = ReadTypedDays(c.text);
        EXPECT_EQ(value.has_value(), c.valid) << "'" << c.text << "'";
        if (value && c.valid) {
            EXPECT_DOUBLE_EQ(*value, c.value) << "'" << c.text << "'";
        }
    }
}

TEST(ReleaseNumbersTest, MessagesNameTheFieldAndTheText) {
    EXPECT_EQ(NotANumberMessage("Stack release", "12,5"),
              "Stack release: \"12,5\" is not a number. Please correct it.");
    EXPECT_EQ(NotWholeDaysMessage("Fugitive release days", "3.5"),
              "Fugitive release days: \"3.5\" is not a whole number of days. Please correct it.");
}

}  // namespace
