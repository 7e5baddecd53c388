// Cases taken along the user's path: choices on the pages, Submit Data, the results and the
// saved case, checked against values worked by hand.
#include <gtest/gtest.h>

#include <QAction>

#include "consumer/data/case_table.h"
#include "consumer/model/case_state.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "consumer/pages/scenario_dialogs.h"
#include "consumer/pages/scenario_page.h"
#include "consumer/pages/text_pages.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

TInputPage* OpenPage(KIVFrame& frame) {
    return frame.Client()->OpenPage();
}

// Presses a page button of the open page and lets the next page open.
void Go(KIVFrame& frame, int button) {
    ASSERT_NE(OpenPage(frame), nullptr);
    Click(OpenPage(frame)->PageButton(button));
    Settle();
}

TScenario* ScenarioPage(KIVFrame& frame) {
    return dynamic_cast<TScenario*>(OpenPage(frame));
}

// A new stand-alone case of an adult with a chemical of known weight fractions.
void NewAdultCase() {
    ExposureInputs& in = *CaseInputs;
    in.IdNumber = "P-29-0001";
    in.ProductName = "Soap";
    in.MOLECWEIGHT = 100;
    in.VAPORPRESS = 1;
    in.WeightFractionMedian = 0.01;
    in.WeightFraction90 = 0.02;
}

// Bar Soap, then Used Motor Oil keeping Bar Soap's values: the hands values Bar Soap left behind
// are not part of the motor oil doses.
TEST(CasePaths, HandsOfAnEarlierBarSoapChoiceStayOutOfTheDoses) {
    KivFolder folder;
    NewAdultCase();
    PageCode = '1';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    ASSERT_NE(ScenarioPage(frame), nullptr);
    Click(ScenarioPage(frame)->Radio(114));
    Go(frame, 101);
    EXPECT_EQ(CaseInputs->FrequencyHands, 730);
    Go(frame, 102);
    ASSERT_NE(ScenarioPage(frame), nullptr);
    Click(ScenarioPage(frame)->Radio(115));
    ui.AnswerNextBox(forms::mrNo);
    Go(frame, 101);
    ASSERT_EQ(CaseInputs->ScenarioName, "Used Motor Oil");
    ui.AnswerNextDialog(folder.Root() + "cases");
    frame.Command(34)->trigger();
    Settle();
    ASSERT_TRUE(ResultsReady);
    // Bar Soap's body values (365 events/year, 241.3 cm2/kg, 1e-4 g/cm2, 57 years) stay:
    // LADD = 365 x 241.3 x 0.01 x 57 x 1e-4 x 1000 / (78 x 365) and ADR = 241.3 x 0.02 x 0.1.
    EXPECT_NEAR((*CaseResults)[kDermalLadd], 365 * 241.3 * 0.01 * 57 * 0.1 / 28470, 1e-12);
    EXPECT_NEAR((*CaseResults)[kDermalLadd], 0.1763, 1e-4);
    EXPECT_NEAR((*CaseResults)[kDermalAcuteDose], 0.4826, 1e-12);
    EXPECT_EQ((*CaseResults)[25], 0.0);
    EXPECT_EQ((*CaseResults)[27], 0.0);
    // A dermal-only run has no inhalation results.
    EXPECT_EQ((*CaseResults)[kInhalationLadd], -99.0);
    EXPECT_EQ((*CaseResults)[kInhalationAcuteDose], -99.0);
    ExposureInputs saved;
    ExposureResults results;
    LoadCase("cases", folder.Root(), 1, "", saved, results);
    EXPECT_NEAR(results[kDermalLadd], 0.1763, 1e-4);
}

// A chemical-id case changed to a user-defined skin-contact scenario with an absorbed dose: the
// scenario-change defaults keep the permeability the dialog set, and the run uses it.
TEST(CasePaths, UserDefinedAbsorbedDoseKeepsItsPermeability) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->ScenarioApplyCount = 2;
    PreviousScenarioName = "Latex Paint";
    PreviousAgeGroup = 1;
    ScenarioPageFirstShow = 0;
    RunMode = kRunChemicalId;
    CaseDataFolder = folder.Data();
    PageCode = '1';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    ASSERT_NE(ScenarioPage(frame), nullptr);
    OnNext<TUserDef>(ui, [](TUserDef& dialog) {
        Click(dialog.Category(306));
        Click(dialog.Absorbed());
        Click(dialog.Source(312));
        Click(dialog.OkButton());
    });
    OnNext<TEnterFlux>(ui, [](TEnterFlux& flux) {
        flux.Edit()->SetText("0.05");
        Click(flux.OkButton());
    });
    Click(ScenarioPage(frame)->Radio(116));
    Go(frame, 104);
    auto* dermal = dynamic_cast<TDermInput2*>(OpenPage(frame));
    ASSERT_NE(dermal, nullptr);
    EXPECT_EQ(CaseInputs->PermeabilityCoefficient, 0.05);
    EXPECT_EQ(CaseInputs->PermeabilitySource, 2);
    const std::pair<int, const char*> typed[] = {{319, "0.5"}, {320, "1.2"}, {318, "0.1"},
                                                 {120, "10"},  {121, "5"},   {133, "5"},
                                                 {132, "78"},  {136, "20"}};
    for (const auto& [id, text] : typed)
        dermal->Number(id)->SetText(text);
    frame.Command(34)->trigger();
    Settle();
    ASSERT_TRUE(ResultsReady);
    // Amount on skin 0.05 x 0.5 x 1.2 x 0.1 = 0.003 g/cm2; LADD = 10 x 20 x 0.01 x 5 x 0.003 x
    // 1000 / (78 x 365); ADR = 20 x 0.03 x 0.003 x 1000.
    EXPECT_NEAR(CaseInputs->AmountOnSkin, 0.003, 1e-15);
    EXPECT_NEAR((*CaseResults)[kDermalLadd], 30.0 / 28470, 1e-15);
    EXPECT_NEAR((*CaseResults)[kDermalAcuteDose], 1.8, 1e-12);
}

// An absorbed-dose case without a permeability (a case saved that way) is refused before the run.
TEST(CasePaths, AbsorbedDoseWithoutPermeabilityIsRefused) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    ExposureInputs& in = *CaseInputs;
    in.ScenarioName = kUserDefined;
    in.ScenarioNumber = 9;
    in.ScenarioKeyword = "contactskin";
    in.ScenarioClass = 0;
    in.DoseType = "Absorbed";
    in.PermeabilityCoefficient = 0;
    in.KowValue = 0;
    in.DermalEventDuration = 0.5;
    in.FormulationDensity = 1;
    in.Dilution = 0.1;
    PageCode = '0';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    frame.Command(34)->trigger();
    Settle();
    EXPECT_FALSE(ResultsReady);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The Permeability Coefficient must be greater than zero");
    EXPECT_EQ(OpenPage(frame)->Title(), "Dermal Inputs");
}

// A new stand-alone case: the pages that need a scenario ask for one, and the Scenario page
// shows none chosen until the user chooses one; then the pages go on.
TEST(CasePaths, ANewCaseShowsNoScenarioUntilOneIsChosen) {
    KivFolder folder;
    PageCode = 'b';
    NavigationPending = "0";
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    ASSERT_EQ(OpenPage(frame)->Title(), "Introduction");
    Click(OpenPage(frame)->PageButton(104));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You must first select a scenario!");
    Go(frame, 102);
    TScenario* page = ScenarioPage(frame);
    ASSERT_NE(page, nullptr);
    for (int id : {118, 119, 111, 112, 113, 117, 114, 115, 116})
        EXPECT_FALSE(page->Radio(id)->Checked()) << id;
    // Leaving without a choice is refused; choosing one lets the pages go on.
    ui.ClearShown();
    Click(page->PageButton(101));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You must select a scenario before continuing");
    Click(page->Radio(118));
    Go(frame, 101);
    EXPECT_EQ(CaseInputs->ScenarioName, "General Purpose Cleaner");
    ui.ClearShown();
    Go(frame, 104);
    EXPECT_EQ(OpenPage(frame)->Title(), "Dermal Inputs");
    EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
