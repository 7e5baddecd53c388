// Text I/O: C-locale formats, lines of any length with either line ending, code pages.
#include "platform/sys/text.h"

#include <gtest/gtest.h>

#include <clocale>

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
    };
    for (const Case& c : fixed)
        EXPECT_EQ(sys::FixedHalfAway(c.value, c.decimals), c.text) << c.value;
    const Case exponent[] = {
        {12250, 2, "1.23E+04"},  {99950, 2, "1.00E+05"}, {0.03125, 2, "3.13E-02"},
        {2.5, 0, "3E+00"},       {-0.0, 2, "0.00E+00"},  {-0.004, 2, "-4.00E-03"},
        {1e300, 2, "1.00E+300"}, {12345, 2, "1.23E+04"},
    };
    for (const Case& c : exponent)
        EXPECT_EQ(sys::ExponentHalfAway(c.value, c.decimals), c.text) << c.value;
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
