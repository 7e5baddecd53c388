// The Scenario page's dialogs: weight fractions, user-defined scenario, permeability values.
#include <gtest/gtest.h>

#include <cmath>

#include "consumer/data/reference_lists.h"
#include "consumer/model/case_state.h"
#include "consumer/pages/scenario_dialogs.h"
#include "tests/consumer/pages/kiv_fixture.h"
#include "tests/support/radio_groups.h"

namespace {

using namespace consumer;
using namespace consumer_test;

TEST(WeightFractionDialog, OkTakesTheLineAndAnEmptyListDisablesOk) {
    KivFolder folder;
    CaseInputs->ScenarioName = "Latex Paint";
    {
        TWFValue dialog;
        dialog.show();
        ASSERT_EQ(dialog.List()->count(), 3);
        Click(dialog.OkButton());
        EXPECT_EQ(CaseInputs->WeightFractionMedian, 0.01);
        EXPECT_EQ(CaseInputs->WeightFraction90, 0.03);
        EXPECT_EQ(dialog.ModalResult(), forms::mrOk);
    }
    CaseInputs->ScenarioName = "No Such Product";
    CaseInputs->WeightFractionMedian = 0.5;
    TWFValue empty;
    EXPECT_EQ(empty.List()->count(), 0);
    EXPECT_FALSE(empty.OkButton()->isEnabled());
    empty.OkClick();
    EXPECT_EQ(CaseInputs->WeightFractionMedian, 0.5);
}

TEST(ReferenceLines, NumbersAreReadAsFieldsNotFixedWindows) {
    struct Line {
        std::string text;
        bool parsed;
        double median;
        double high;
    };
    const Line lines[] = {
        {"Solvent              0.0500    0.2000", true, 0.05, 0.2},
        {"Surfactant  12.5  25", true, 12.5, 25},  // two-digit values, no point
        {"Pigment 0.12345678 0.98765432", true, 0.12345678, 0.98765432},
        {"no values here", false, 0, 0},
        {"one value 0.5", false, 0, 0},
    };
    for (const Line& line : lines) {
        double median = -1;
        double high = -1;
        EXPECT_EQ(ParseWeightFractionLine(line.text, median, high), line.parsed) << line.text;
        if (line.parsed) {
            EXPECT_EQ(median, line.median);
            EXPECT_EQ(high, line.high);
        } else {
            EXPECT_EQ(median, -1);
        }
    }
    double coefficient = -1;
    EXPECT_TRUE(ParsePermeabilityLine("0.020693 p  Benzene (log Kow 2.13; MW 78.11)", coefficient));
    EXPECT_EQ(coefficient, 0.020693);
    EXPECT_TRUE(ParsePermeabilityLine("12 m  Something", coefficient));
    EXPECT_EQ(coefficient, 12);
    coefficient = -1;
    EXPECT_FALSE(ParsePermeabilityLine("Benzene", coefficient));
    EXPECT_EQ(coefficient, -1);
}

TEST(UserDefinedScenario, KowEstimateAndRefusedValues) {
    KivFolder folder;
    CaseInputs->MOLECWEIGHT = 100;
    CaseInputs->VAPORPRESS = 1;
    forms::ScriptedUi ui;
    TUserDef dialog;
    dialog.show();
    dialog.SetupWindow();
    EXPECT_TRUE(dialog.Category(301)->Checked());
    EXPECT_FALSE(dialog.Source(313)->isEnabled());
    Click(dialog.Absorbed());
    EXPECT_TRUE(dialog.Source(313)->isEnabled());

    // A negative Kow is refused and the dialog stays; then 1000 is taken.
    OnNext<TEnterKow>(ui, [](TEnterKow& kow) {
        kow.Edit()->SetText("-5");
        kow.OkClick();
        EXPECT_EQ(kow.ModalResult(), forms::mrNone);
        kow.Edit()->SetText("1000");
        Click(kow.OkButton());
    });
    Click(dialog.Source(313));
    EXPECT_EQ(CaseInputs->KowValue, 1000);
    EXPECT_EQ(CaseInputs->PermeabilitySource, 3);
    double expected = std::pow(10.0, 0.71 * 3 - 2.72 - 0.0061 * 100);
    EXPECT_DOUBLE_EQ(CaseInputs->PermeabilityCoefficient, expected);
    EXPECT_NEAR(CaseInputs->PermeabilityCoefficient, 0.0631, 0.0001);
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes()[0].text, "The Kow value cannot be negative");

    // Cancel in the entered-coefficient dialog changes nothing.
    OnNext<TEnterFlux>(ui, [](TEnterFlux& flux) {
        flux.Edit()->SetText("0.5");
        flux.SetModalResult(forms::mrCancel);
    });
    Click(dialog.Source(312));
    EXPECT_EQ(CaseInputs->KowValue, 1000);
    EXPECT_DOUBLE_EQ(CaseInputs->PermeabilityCoefficient, expected);
    EXPECT_TRUE(dialog.Source(313)->isChecked());

    // A coefficient of zero is refused; a positive one replaces the Kow estimate.
    OnNext<TEnterFlux>(ui, [](TEnterFlux& flux) {
        flux.Edit()->SetText("0");
        flux.OkClick();
        EXPECT_EQ(flux.ModalResult(), forms::mrNone);
        flux.Edit()->SetText("0.25");
        flux.OkClick();
    });
    Click(dialog.Source(312));
    EXPECT_EQ(CaseInputs->PermeabilityCoefficient, 0.25);
    EXPECT_EQ(CaseInputs->KowValue, 0.0);
    EXPECT_EQ(CaseInputs->PermeabilitySource, 2);

    Click(dialog.Category(304));
    Click(dialog.OkButton());
    EXPECT_EQ(CaseInputs->ScenarioKeyword, "addedwater");
    EXPECT_EQ(CaseInputs->ScenarioClass, 2);
    EXPECT_EQ(CaseInputs->DoseType, "Absorbed");
}

// The category and the dose are two choices: a press in one leaves the other as it was.
TEST(UserDefinedScenario, CategoryAndDoseAreTwoGroupsOfRadios) {
    KivFolder folder;
    CaseInputs->VAPORPRESS = 1;
    forms::ScriptedUi ui;
    TUserDef dialog;
    dialog.show();
    dialog.SetupWindow();
    std::vector<QRadioButton*> categories;
    for (int id : {303, 301, 302, 304, 305, 306})  // a sprayed product allows no absorbed dose
        categories.push_back(dialog.Category(id));
    EXPECT_TRUE(ExpectExclusiveRadioGroups(
                    &dialog, {{categories}, {{dialog.Potential(), dialog.Absorbed()}}})
                    .empty());
}

TEST(UserDefinedScenario, SprayedCategoryHasNoAbsorbedDoseAndAbsorbedNeedsAValue) {
    KivFolder folder;
    CaseInputs->VAPORPRESS = 0;
    forms::ScriptedUi ui;
    TUserDef dialog;
    dialog.show();
    dialog.SetupWindow();
    Click(dialog.Category(303));
    EXPECT_TRUE(dialog.Potential()->Checked());
    EXPECT_FALSE(dialog.Absorbed()->isEnabled());
    Click(dialog.Category(306));
    Click(dialog.Absorbed());
    Click(dialog.OkButton());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You must either enter a permeability\ncoefficient or enter a Kow value");
    // Without a vapour pressure the case is dermal only, whatever the category.
    EXPECT_EQ(CaseInputs->ScenarioClass, 0);
    OnNext<TFluxList>(ui, [](TFluxList& list) {
        ASSERT_GT(list.List()->count(), 0);
        Click(list.OkButton());
    });
    Click(dialog.Source(311));
    EXPECT_EQ(CaseInputs->PermeabilityCoefficient, 0.020693);
    EXPECT_EQ(CaseInputs->PermeabilitySource, 1);
}

}  // namespace
