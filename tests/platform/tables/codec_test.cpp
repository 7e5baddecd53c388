// Field values in record bytes: numbers read exactly as the C library reads them, text and
// logical encodings, and values refused for not fitting.
#include "platform/tables/field_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

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
                             "-0"};
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

TEST(EncodeNumber, RightAlignsRoundsAndRefusesWhatDoesNotFit) {
    FieldDef money{"M", FieldType::Numeric, 8, 2, 1};
    struct Case {
        double value;
        const char* stored;  // "" when refused
    } cases[] = {
        {2.5, "    2.50"},       {-2.5, "   -2.50"}, {12345.678, "12345.68"}, {-0.001, "    0.00"},
        {99999.994, "99999.99"}, {123456.5, ""},     {-12345.6, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::string out;
        std::string problem = tables::EncodeNumber(money, c.value, out);
        if (*c.stored == '\0') {
            EXPECT_FALSE(problem.empty());
        } else {
            EXPECT_EQ(problem, "");
            EXPECT_EQ(out, c.stored);
        }
    }
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

}  // namespace
