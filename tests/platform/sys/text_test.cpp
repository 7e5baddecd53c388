// Text I/O: C-locale formats, lines of any length with either line ending, code pages.
#include "platform/sys/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <vector>

#include "platform/sys/files.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

TEST(TextTest, FormatUsesTheSystemFormatsWithoutLength) {
    EXPECT_EQ(sys::Format("%.2E", 12345.0), "1.23E+04");
    EXPECT_EQ(sys::Format("%lg", 0.1), "0.1");
    std::string wide(5000, 'x');
    EXPECT_EQ(sys::Format("%s!", wide.c_str()), wide + "!");
}

TEST(TextTest, ExactHalvesGoAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case fixed[] = {
        {2.5, 0, "3"},      {-2.5, 0, "-3"},
        {0.5, 0, "1"},      {1.5, 0, "2"},
        {0.125, 2, "0.13"}, {-0.125, 2, "-0.13"},
        {2.675, 2, "2.67"},  // below the half
        {-0.0, 2, "0.00"},  {-0.004, 2, "0.00"},
        {-0.4, 0, "0"},     {4503599627370495.5, 0, "4503599627370496"},
        {0.285, 2, "0.28"},  // the double lies below the half
        // 2^-16 = 0.0000152587890625: the half stands in the 16th decimal.
        {0.0000152587890625, 15, "0.000015258789063"}, {0.0000152587890625, 16, "0.0000152587890625"},
    };
    for (const Case& c : fixed)
        EXPECT_EQ(sys::FixedHalfAway(c.value, c.decimals), c.text) << c.value;
    const Case exponent[] = {
        {12250, 2, "1.23E+04"},  {99950, 2, "1.00E+05"}, {0.03125, 2, "3.13E-02"},
        {2.5, 0, "3E+00"},       {-0.0, 2, "0.00E+00"},  {-0.004, 2, "-4.00E-03"},
        {1e300, 2, "1.00E+300"}, {12345, 2, "1.23E+04"},
        // Halves far from the units: 2^-10 = 9.765625E-04, and 2.5E+20.
        {0.0009765625, 5, "9.76563E-04"}, {-0.0009765625, 5, "-9.76563E-04"},
        {2.5e20, 0, "3E+20"},    {2.4999999999999997e20, 0, "2E+20"},
    };
    for (const Case& c : exponent)
        EXPECT_EQ(sys::ExponentHalfAway(c.value, c.decimals), c.text) << c.value;
}

// Rounds the exact decimal expansion of value (glibc prints every digit of a double) to
// `decimals` places, halves away from zero, by adding one to the last kept digit: an
// independent way to the same text, for values the quick half test settles on its own.
std::string RoundedByHand(double value, int decimals) {
    std::string exact = sys::Format("%.1100f", std::fabs(value));
    const size_t point = exact.find('.');
    std::string kept = exact.substr(0, point) + exact.substr(point + 1, size_t(decimals));
    if (exact[point + 1 + size_t(decimals)] >= '5') {
        size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    std::string text = kept.substr(0, kept.size() - size_t(decimals));
    if (decimals > 0)
        text += "." + kept.substr(kept.size() - size_t(decimals));
    bool zero = text.find_first_of("123456789") == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + text;
}

TEST(TextTest, FixedHalvesAgreeWithTheExactExpansion) {
    // Binary fractions k / 2^j: every one of them is either an exact half at some number of
    // decimals or lies off the half by a whole digit pattern, whole numbers and huge ones too.
    std::vector<double> values;
    for (int j = 0; j <= 12; ++j) {
        for (int k = -300; k <= 300; k += 7)
            values.push_back(std::ldexp(k, -j));
    }
    for (double v : {0.1, 2.675, 1e15 + 0.5, 4503599627370497.0, 9007199254740993.0, 1e22, 3e300,
                     5e-324, -2.5e-7, 0.30000000000000004})
        values.push_back(v);
    for (double value : values) {
        for (int decimals = 0; decimals <= 10; ++decimals)
            EXPECT_EQ(sys::FixedHalfAway(value, decimals), RoundedByHand(value, decimals))
                << sys::Format("%.17g", value) << " to " << decimals;
    }
}

TEST(TextTest, NumbersStayInTheCLocaleWhateverTheUsersLocale) {
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    sys::UseCNumericLocale();
    EXPECT_EQ(sys::Format("%.1f", 2.5), "2.5");
    double value = 0;
    EXPECT_TRUE(sys::ParseDouble("2.5", value));
    EXPECT_EQ(value, 2.5);
    (void)german;
}

TEST(TextTest, ParseRejectsPartialNumbers) {
    double value = 7;
    EXPECT_TRUE(sys::ParseDouble("  -1.5e3 ", value));
    EXPECT_EQ(value, -1500.0);
    EXPECT_FALSE(sys::ParseDouble("1.5x", value));
    EXPECT_FALSE(sys::ParseDouble("", value));
    long number = 0;
    EXPECT_TRUE(sys::ParseLong(" 42 ", number));
    EXPECT_EQ(number, 42);
    EXPECT_FALSE(sys::ParseLong("4.2", number));
}

TEST(TextTest, LinesOfAnyLengthWithEitherEnding) {
    TempFolder dir;
    std::string longLine(250, 'a');
    ASSERT_TRUE(sys::WriteWholeFile(dir / "t.txt", "one\r\n" + longLine + "\nlast"));
    std::vector<std::string> lines;
    ASSERT_TRUE(sys::ReadTextLines(dir / "t.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", longLine, "last"}));
    EXPECT_FALSE(sys::ReadTextLines(dir / "missing.txt", lines));
}

TEST(TextTest, WindowsCodePageRoundTrip) {
    std::string cp1252 = "caf\xe9 \x80 \x96";  // é, euro sign, en dash
    std::string utf8 = sys::Cp1252ToUtf8(cp1252);
    EXPECT_EQ(utf8, "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93");
    EXPECT_EQ(sys::Utf8ToCp1252(utf8), cp1252);
    EXPECT_EQ(sys::Utf8ToCp1252("\xe4\xb8\xad"), "?");  // no place in the code page
}

TEST(TextTest, UpperCaseLeavesDigitsSignsAndNonAsciiBytesAlone) {
    EXPECT_EQ(sys::UpperCase("fish_1q10.dbf"), "FISH_1Q10.DBF");
    EXPECT_EQ(sys::UpperCase("caf\xc3\xa9"), "CAF\xc3\xa9");
    EXPECT_EQ(sys::UpperCase(""), "");
}

}  // namespace
