// Field values in record bytes: numbers read exactly as the C library reads them, text and
// logical encodings, and values refused for not fitting.
#include "platform/tables/field_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

#include "platform/sys/text.h"

namespace {

using tables::FieldDef;
using tables::FieldType;

TEST(DecodeNumber, AgreesWithStrtodOnEveryForm) {
    // strtod in the C locale is the independent reference for every accepted text.
    const char* numbers[] = {"0.1",
                             "-0.30",
                             "  12.50 ",
                             "7",
                             ".5",
                             "5.",
                             "-.25",
                             "+7",
                             "1e3",
                             "-2.5E-3",
                             "123456789012345",
                             "0.000000000000001",
                             "99999999999999.9",
                             "1234567890123456",
                             "9007199254740993",
                             "12345678901234567890",
                             "0.30000000000000004",
                             "-0",
                             "  -1E-03",
                             "1.2345678901E-20",
                             "-1.797693134862E+308",
                             "3.33333333333333E-01"};
    for (const char* text : numbers) {
        SCOPED_TRACE(text);
        double value = -1;
        ASSERT_TRUE(tables::DecodeNumber(text, value));
        double expected = std::strtod(text, nullptr);
        EXPECT_EQ(value, expected);
        EXPECT_EQ(std::signbit(value), std::signbit(expected));
    }
    for (const char* blank : {"", "     ", "*****"}) {
        double value = -1;
        EXPECT_TRUE(tables::DecodeNumber(blank, value));
        EXPECT_EQ(value, 0);
    }
    for (const char* bad :
         {"abc", "1.2.3", "12 34", "-", ".", "inf", "nan", "1,5", "0x10", "--1"}) {
        SCOPED_TRACE(bad);
        double value = 0;
        EXPECT_FALSE(tables::DecodeNumber(bad, value));
    }
}

// Fields of every width from 1 to 24 bytes, the number placed anywhere in them with blanks or zero
// bytes around it: each accepted text reads as strtod reads it, to the last bit and the sign of
// zero, and a text is accepted exactly when it is a plain decimal number.
TEST(DecodeNumber, AgreesWithStrtodInFieldsOfEveryWidth) {
    std::mt19937 random(20261211);
    auto pick = [&](int below) { return int(random() % unsigned(below)); };
    const std::regex decimal(R"(-?([0-9]+\.?[0-9]*|\.[0-9]+))");
    const char kNoise[] = "0123456789.- \0x+,e";
    const std::string noise(kNoise, sizeof kNoise - 1);
    int accepted = 0;
    int alignedReads = 0;
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        if (round % 4 == 3) {  // any mixture of number characters and a few others
            for (int n = pick(10) + 1; n > 0; --n)
                text += noise[std::size_t(pick(int(noise.size())))];
        } else {
            if (pick(3) == 0)
                text += '-';
            int whole = pick(10);
            int fraction = pick(10);
            for (int i = 0; i < whole; ++i)
                text += char('0' + pick(10));
            if (fraction > 0 || pick(4) == 0)
                text += '.';
            for (int i = 0; i < fraction; ++i)
                text += char('0' + pick(10));
        }
        std::size_t width = text.size() + std::size_t(pick(12));
        if (width == 0 || width > 24)
            continue;
        // Right-aligned, as writers lay numbers out, or anywhere.
        std::size_t before = pick(2) == 0 ? width - text.size()
                                          : std::size_t(pick(int(width - text.size()) + 1));
        std::string field(width, pick(5) == 0 ? '\0' : ' ');
        field.replace(before, text.size(), text);
        SCOPED_TRACE("[" + field + "]");
        // What the reference reads: the text between the blanks and zero bytes at the ends.
        std::size_t begin = field.find_first_not_of(std::string(" \0", 2));
        std::size_t end = field.find_last_not_of(std::string(" \0", 2));
        std::string trimmed = begin == std::string::npos ? "" : field.substr(begin, end - begin + 1);
        double value = -1;
        bool read = tables::DecodeNumber(field, value);
        if (trimmed.empty()) {
            EXPECT_TRUE(read);
            EXPECT_EQ(value, 0);
            continue;
        }
        bool plain = std::regex_match(trimmed, decimal);
        if (trimmed.find_first_of("+e") == std::string::npos) {
            ASSERT_EQ(read, plain);
        }
        double expected = std::strtod(trimmed.c_str(), nullptr);
        // The reading that knows where the field's decimals put the point agrees, or declines.
        for (int decimals = 0; decimals <= 15; ++decimals) {
            double aligned = -1;
            if (tables::detail::AlignedDecimal(field, decimals, aligned)) {
                ++alignedReads;
                ASSERT_TRUE(plain) << decimals;
                ASSERT_EQ(aligned, expected) << decimals;
                ASSERT_EQ(std::signbit(aligned), std::signbit(expected)) << decimals;
            }
        }
        if (!read || !plain)
            continue;
        ++accepted;
        ASSERT_EQ(value, expected);
        ASSERT_EQ(std::signbit(value), std::signbit(expected));
    }
    EXPECT_GT(accepted, 100000);
    EXPECT_GT(alignedReads, 50000);
}

// Text fields of every width with blanks, zero bytes and Windows-1252 letters anywhere: the text
// is the field without its trailing blanks and zero bytes, turned into UTF-8.
TEST(DecodeText, DropsOnlyTrailingBlanksInFieldsOfEveryWidth) {
    std::mt19937 random(1211);
    const std::string bytes = std::string("ab ") + '\0' + "\xE9\x80\x7F\x1F\xA0\x20\xDF";
    for (int round = 0; round < 50000; ++round) {
        std::string field(std::size_t(random() % 24 + 1), ' ');
        for (char& c : field) {
            if (random() % 3 == 0)
                c = bytes[random() % bytes.size()];
        }
        SCOPED_TRACE(field);
        std::size_t end = field.size();
        while (end > 0 && (field[end - 1] == ' ' || field[end - 1] == '\0'))
            --end;
        ASSERT_EQ(tables::DecodeText(field), sys::Cp1252ToUtf8(field.substr(0, end)));
    }
}

// Each value takes the form that keeps it best within the width: fixed with the field's
// decimals when exact, else the closer of fixed (with as many decimals as fit) and an exponent
// form. Expected texts worked by hand and checked with Python's % formatting.
TEST(EncodeNumber, ChoosesTheFormThatKeepsTheValueBest) {
    FieldDef money{"M", FieldType::Numeric, 8, 2, 1};
    FieldDef wide{"W", FieldType::Numeric, 20, 10, 1};
    FieldDef narrow{"N", FieldType::Numeric, 4, 0, 1};
    FieldDef ten{"T", FieldType::Float, 10, 0, 1};
    const double kHuge = 1.7976931348623157e308;
    struct Case {
        const FieldDef* field;
        double value;
        const char* stored;  // nullptr when refused
    } cases[] = {
        {&money, 2.5, "    2.50"},
        {&money, -2.5, "   -2.50"},
        {&money, 12345.678, "12345.68"},   // fixed is off by 0.002, 1.23E+04 by 45.678
        {&money, 99999.994, "99999.99"},   // 1.00E+05 is further off
        {&money, 0.1 + 0.2, "    0.30"},   // 3.00E-01 is no closer: fixed wins the tie
        {&money, -0.001, "  -1E-03"},      // fixed would store 0
        {&money, 123456.5, "123456.5"},    // exact with one decimal of the two
        {&money, -12345.6, "-12345.6"},    //
        {&money, 1234567.89, " 1234568"},  // 1.23E+06 is further off
        {&money, 1e30, "   1E+30"},        //
        {&wide, 0.1, "        0.1000000000"},
        {&wide, 12345678.123456789, " 12345678.1234567892"},  // reads back to the same double
        {&wide, 1e-20, "               1E-20"},
        {&wide, 1.2345678901e-20, "    1.2345678901E-20"},
        {&wide, 1.0 / 3, "3.33333333333333E-01"},  // 15 digits against fixed's 10
        {&wide, 123456789012.5, "123456789012.5000000"},
        {&wide, 1e15, "1000000000000000.000"},  // exact with three decimals of the ten
        {&wide, 1e25, "               1E+25"},
        {&wide, -kHuge, "-1.797693134862E+308"},
        {&narrow, 1e-5, "   0"},  // 1E-05 is too wide: the nearest fixed value
        {&narrow, 12345, nullptr},
        {&ten, kHuge, nullptr},  // 1.798E+308 and shorter round beyond the largest double
        {&wide, std::nan(""), nullptr},
        {&wide, HUGE_VAL, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.field->name << " " << c.value);
        std::string out;
        std::string problem = tables::EncodeNumber(*c.field, c.value, out);
        if (c.stored == nullptr) {
            EXPECT_FALSE(problem.empty()) << out;
            continue;
        }
        EXPECT_EQ(problem, "");
        EXPECT_EQ(out, c.stored);
        double back = 0;
        EXPECT_TRUE(tables::DecodeNumber(out, back));
        EXPECT_EQ(back, std::strtod(c.stored, nullptr));
    }
}

// A 20-wide field keeps 12 or more significant digits at any magnitude, either sign.
TEST(EncodeNumber, WideFieldsKeepTwelveDigitsAtAnyMagnitude) {
    FieldDef wide{"W", FieldType::Numeric, 20, 10, 1};
    for (int exponent = -300; exponent <= 300; exponent += 7) {
        for (double mantissa : {1.0, 1.2345678901234567, 9.8765432109876543, 3.1415926535897931}) {
            for (double sign : {1.0, -1.0}) {
                double value = sign * mantissa * std::pow(10.0, exponent);
                SCOPED_TRACE(testing::Message() << value);
                std::string out;
                ASSERT_EQ(tables::EncodeNumber(wide, value, out), "");
                double back = 0;
                ASSERT_TRUE(tables::DecodeNumber(out, back)) << out;
                EXPECT_LE(std::fabs(back - value), 5e-12 * std::fabs(value)) << out;
            }
        }
    }
}

// Whole numbers (codes, counts) are stored exactly or refused, never rounded.
TEST(EncodeWholeNumber, ExactOrRefused) {
    FieldDef code{"C", FieldType::Numeric, 6, 0, 1};
    FieldDef money{"M", FieldType::Numeric, 8, 2, 1};
    std::string out;
    EXPECT_EQ(tables::EncodeWholeNumber(code, -99999, out), "");
    EXPECT_EQ(out, "-99999");
    EXPECT_EQ(tables::EncodeWholeNumber(money, 1234567, out), "");
    EXPECT_EQ(out, " 1234567");
    EXPECT_EQ(tables::EncodeWholeNumber(code, 1000000, out), "");  // 1E+06 is exact
    EXPECT_EQ(out, " 1E+06");
    EXPECT_NE(tables::EncodeWholeNumber(code, 1234567, out), "");  // 1E+06 would be a wrong code
    EXPECT_NE(tables::EncodeWholeNumber(money, 123456789, out), "");
}

TEST(EncodeFromText, EachTypeFromItsTextForm) {
    FieldDef text{"T", FieldType::Character, 5, 0, 1};
    FieldDef number{"N", FieldType::Numeric, 6, 2, 1};
    FieldDef logical{"L", FieldType::Logical, 1, 0, 1};
    FieldDef date{"D", FieldType::Date, 8, 0, 1};
    struct Case {
        const FieldDef* field;
        const char* text;
        const char* stored;  // nullptr when refused
    } cases[] = {
        {&text, "é", "\xE9    "},
        {&text, "€uro", "\x80uro "},
        {&text, "toolong", nullptr},
        {&number, "1.5", "   1.5"},
        {&number, "-12.25", "-12.25"},
        {&number, "1.255", nullptr},
        {&number, "123456.5", nullptr},
        {&number, "", "      "},
        {&logical, "T", "T"},
        {&logical, "false", "F"},
        {&logical, "", " "},
        {&logical, "X", nullptr},
        {&date, "20040229", "20040229"},
        {&date, "2004-02-29", nullptr},
        {&date, "20041301", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string out;
        std::string problem = tables::EncodeFromText(*c.field, c.text, out);
        if (c.stored == nullptr) {
            EXPECT_FALSE(problem.empty());
        } else {
            EXPECT_EQ(problem, "");
            EXPECT_EQ(out, c.stored);
        }
    }
}

TEST(Encoders, NeverWriteWiderThanTheField) {
    tables::FieldDef narrowDate{"WHEN", tables::FieldType::Date, 6, 0, 1};
    std::string out;
    EXPECT_NE(tables::EncodeDate(narrowDate, "20240229", out), "");
    EXPECT_NE(tables::EncodeFromText(narrowDate, "20240229", out), "");
}

}  // namespace
