// The Introduction and Scenario pages: what they store, refuse and enable.
#include <gtest/gtest.h>

#include "consumer/model/case_state.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/scenario_page.h"
#include "tests/consumer/pages/kiv_fixture.h"
#include "tests/support/radio_groups.h"

namespace {

using namespace consumer;
using namespace consumer_test;

TEST(IntroductionPage, StoresIdentityAndCommentsAndWaitsForAScenario) {
    KivFolder folder;
    forms::ScriptedUi ui;
    TInputIntro page;
    page.show();
    page.SetupWindow();
    EXPECT_EQ(PageCode, '9');
    EXPECT_EQ(page.Identification()->Text(), "");
    page.Identification()->SetText(std::string(40, 'A'));
    page.Product()->SetText("");
    page.CommentsEdit()->SetText("first line\nsecond\nthird");
    // No scenario yet: a page button warns and stores nothing.
    Click(page.PageButton(103));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You must first select a scenario!");
    EXPECT_EQ(ui.Boxes()[0].caption, "Warning");
    EXPECT_EQ(CaseInputs->IdNumber, " ");
    EXPECT_FALSE(page.Closed());
    // The Scenario button always goes on, storing first.
    Click(page.PageButton(102));
    EXPECT_TRUE(page.Closed());
    EXPECT_EQ(PageCode, '1');
    EXPECT_EQ(NavigationPending, "0");
    EXPECT_EQ(CaseInputs->IdNumber, std::string(29, 'A'));
    EXPECT_EQ(CaseInputs->ProductName, "Unknown");
    EXPECT_EQ(CaseInputs->Comments, "first linesecondthird");
}

TEST(IntroductionPage, PathwayButtonsFollowTheScenarioClass) {
    KivFolder folder;
    ScenarioChosen = 1;
    for (int scenarioClass : {0, 1, 2}) {
        CaseInputs->ScenarioClass = scenarioClass;
        TInputIntro page;
        page.SetupWindow();
        EXPECT_EQ(page.PageButton(103)->isEnabled(), scenarioClass != 0);
        EXPECT_EQ(page.PageButton(104)->isEnabled(), scenarioClass != 1);
        EXPECT_EQ(page.PageButton(105)->isEnabled(), scenarioClass != 0);
        EXPECT_EQ(page.PageButton(106)->isEnabled(), scenarioClass != 0);
    }
}

struct ScenarioCase {
    int radio;
    int ageGroup;
    double vapourPressure;
    std::string name;     // after the choice
    int scenarioClass;    // after the choice
    std::string message;  // the box shown, if any
};

TEST(ScenarioPage, ChoicesByAgeGroupAndVapourPressure) {
    const ScenarioCase cases[] = {
        {114, 1, 1.0, "Bar Soap", 0, ""},
        {111, 1, 0.0, "", 1,
         "Since you did not enter a value for vapor pressure, this product cannot be analyzed."},
        {119, 1, 0.0, "Latex Paint", 0, ""},
        {118, 3, 1.0, "General Purpose Cleaner", 1, ""},
        // A younger person without a vapour pressure is refused: no scenario is left to go on with.
        {118, 3, 0.0, "", 0,
         "You have selected a non-adult and no vapor pressure.  Therefore, you cannot use this "
         "scenario."},
        {113, 2, 0.0, "", 0,
         "You have selected a non-adult and no vapor pressure.  Therefore, you cannot use this "
         "scenario."},
    };
    for (const ScenarioCase& c : cases) {
        KivFolder folder;
        CaseInputs->AgeGroup = c.ageGroup;
        CaseInputs->VAPORPRESS = c.vapourPressure;
        CaseInputs->ScenarioName = "";
        forms::ScriptedUi ui;
        TScenario page;
        page.show();
        page.SetupWindow();
        Click(page.Radio(c.radio));
        EXPECT_EQ(CaseInputs->ScenarioName, c.name) << c.radio;
        EXPECT_EQ(CaseInputs->ScenarioClass, c.scenarioClass) << c.radio;
        if (c.message.empty()) {
            EXPECT_TRUE(ui.Boxes().empty()) << c.radio;
            EXPECT_TRUE(page.Radio(c.radio)->Checked());
        } else {
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.radio;
            EXPECT_EQ(ui.Boxes()[0].text, c.message);
            EXPECT_FALSE(page.Radio(c.radio)->Checked());
            // Leaving asks for a scenario and stays; nothing is marked as chosen.
            ui.ClearShown();
            Click(page.PageButton(101));
            ASSERT_EQ(ui.Boxes().size(), 1u);
            EXPECT_EQ(ui.Boxes()[0].text, "You must select a scenario before continuing");
            EXPECT_FALSE(page.Closed());
            EXPECT_EQ(ScenarioChosen, 0);
        }
        EXPECT_EQ(page.Radio(115)->isEnabled(), c.ageGroup == 1);
    }
}

// The products and the user-defined scenario are one choice, across the page's product headings.
TEST(ScenarioPage, TheScenarioIsOneGroupOfRadios) {
    KivFolder folder;
    CaseInputs->AgeGroup = 1;
    CaseInputs->VAPORPRESS = 1;
    forms::ScriptedUi ui;
    TScenario page;
    page.show();
    page.SetupWindow();
    std::vector<QRadioButton*> scenarios;
    for (int id : {118, 119, 111, 112, 113, 117, 114, 115, 116})
        scenarios.push_back(page.Radio(id));
    EXPECT_TRUE(ExpectExclusiveRadioGroups(&page, {{scenarios}}).empty());
}

TEST(ScenarioPage, BarSoapLeavesOnlyTheDermalPathway) {
    KivFolder folder;
    CaseInputs->VAPORPRESS = 1;
    TScenario page;
    page.SetupWindow();
    page.Radio(114)->SetChecked(true);
    EXPECT_FALSE(page.PageButton(103)->isEnabled());
    EXPECT_TRUE(page.PageButton(104)->isEnabled());
    EXPECT_FALSE(page.PageButton(105)->isEnabled());
    EXPECT_FALSE(page.PageButton(106)->isEnabled());
}

TEST(ScenarioPage, ALaterChangeOfScenarioAsksForDefaults) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->ScenarioApplyCount = 2;
    PreviousScenarioName = "Latex Paint";
    PreviousAgeGroup = 1;
    ScenarioPageFirstShow = 0;
    CaseInputs->ROOMOFUSE = 0;
    forms::ScriptedUi ui;
    ui.AnswerNextBox(forms::mrNo);
    TScenario page;
    page.show();
    page.SetupWindow();
    Click(page.Radio(113));
    Click(page.PageButton(101));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Warning");
    EXPECT_EQ(CaseInputs->ROOMOFUSE, 6);
    EXPECT_EQ(CaseInputs->ZONE1VOL, 2.4);
    EXPECT_EQ(CaseInputs->STARTTIME, 12);
    EXPECT_EQ(PreviousScenarioName, "Laundry Detergent");
    EXPECT_EQ(ScenarioChosen, 1);
    EXPECT_EQ(PageCode, '0');
}

TEST(ScenarioPage, WeightFractionsHaveNoListForSprayedProducts) {
    KivFolder folder;
    CaseInputs->VAPORPRESS = 1;
    CaseInputs->ScenarioName = "Fabric Protector";
    CaseInputs->ScenarioKeyword = "sprayedsurface";
    forms::ScriptedUi ui;
    TScenario page;
    page.show();
    page.SetupWindow();
    Click(page.WeightFractionButton());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "There is no list of Weight Fractions for the scenario chosen");
}

}  // namespace
