// Numeric edits and their range checks.
#include "form_helpers/edit_helpers.h"

#include <gtest/gtest.h>

#include "platform/forms/ui_service.h"

namespace {

TEST(EditTest, FilterKeepsOnlyNumericCharacters) {
    forms::TEdit edit;
    edit.SetText("a1,2.3e-4x+B");
    FilterNumericEdit(edit);
    EXPECT_EQ(edit.Text(), "1,2.3e-4+");
    RemoveCommas(edit);
    EXPECT_EQ(edit.Text(), "12.3e-4+");
}

TEST(EditTest, ReadPositiveEditStoresAcceptsNotApplicableAndRefusesOtherNegatives) {
    forms::ScriptedUi ui;
    forms::TEdit edit;
    double value = 5.0;

    edit.SetText("");
    EXPECT_FALSE(ReadPositiveEdit(edit, &value));
    EXPECT_EQ(value, 5.0);
    EXPECT_EQ(edit.Text(), "5.00");

    edit.SetText("0");
    EXPECT_FALSE(ReadPositiveEdit(edit, &value));
    EXPECT_EQ(value, 0.0);

    edit.SetText("-9");
    EXPECT_FALSE(ReadPositiveEdit(edit, &value));
    EXPECT_EQ(value, -9.0);

    value = 3.0;
    edit.SetText("-1");
    EXPECT_TRUE(ReadPositiveEdit(edit, &value));
    EXPECT_EQ(value, 3.0);
    EXPECT_EQ(edit.Text(), "3.00");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Value must be greater than 0.0");
    EXPECT_EQ(ui.Boxes()[0].caption, "");
}

TEST(EditTest, RangeChecksRefuseWithTheLabelAndRestoreThePreviousValue) {
    struct Case {
        const char* check;
        const char* label;
        const char* entry;
        double before;
        double after;
        const char* message;  // "" when accepted
    };
    const Case cases[] = {
        {"days", "Days of release", "366", 250, 250,
         "Days of release must be less than or equal to 365 days."},
        {"days", "Days of release", "365", 250, 365, ""},
        {"percent", "Wastewater treatment removal", "100", 50, 100, ""},
        {"percent", "Low end wastewater treatment removal", "100.5", 50, 50,
         "Low end wastewater treatment removal must be less than or equal to 100%"},
        {"percent", "% Absorption to wastewater treatment sludge", "100", 1, 100, ""},
        {"percent", "Drinking water treatment removal", "100", 50, 50,
         "Drinking water treatment removal must be less than 100%"},
        {"percent", "Drinking water treatment removal", "99.9", 50, 99.9, ""},
        {"fraction", "Weight fraction", "1.5", 0.2, 0.2,
         "Weight fraction must be less than or = 1"},
        {"fraction", "Weight fraction", "1.5", 3.0, 1.0,
         "Weight fraction must be less than or = 1"},
        {"fraction", "Weight fraction", "1", 0.2, 1.0, ""},
    };
    for (const Case& c : cases) {
        forms::ScriptedUi ui;
        forms::TEdit edit;
        edit.SetText(c.entry);
        double value = c.before;
        std::string check = c.check;
        if (check == "days")
            CheckDays(edit, &value, c.label);
        if (check == "percent")
            CheckPercent(edit, &value, c.label);
        if (check == "fraction")
            CheckFraction(edit, &value, c.label);
        EXPECT_DOUBLE_EQ(value, c.after) << c.label << " " << c.entry;
        if (std::string(c.message).empty()) {
            EXPECT_TRUE(ui.Boxes().empty()) << c.label << " " << c.entry;
        } else {
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.label << " " << c.entry;
            EXPECT_EQ(ui.Boxes()[0].text, c.message);
            EXPECT_EQ(ui.Boxes()[0].caption, "Error");
            EXPECT_EQ(edit.Text(), DisplayValue(c.after));
        }
    }
}

}  // namespace
