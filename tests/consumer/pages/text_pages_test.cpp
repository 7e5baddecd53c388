// The inhalation and dermal input pages: what they show and store.
#include <gtest/gtest.h>

#include "consumer/model/case_state.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/text_pages.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

// A visit that changes nothing leaves every stored value as it was, to the last digit; a changed
// edit is stored.
TEST(InhalationPage, AVisitKeepsStoredValuesAndStoresChangedOnes) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->EVENTSPERYEAR = 0.123456789;
    CaseInputs->BODYWEIGHT = 71.83456;
    ExposureInputs before = *CaseInputs;
    TInhInput page;
    page.show();
    page.SetupWindow();
    EXPECT_EQ(page.Number(120)->Text(), "0.1235");
    page.StoreStep();
    EXPECT_EQ(CaseInputs->EVENTSPERYEAR, before.EVENTSPERYEAR);
    EXPECT_EQ(CaseInputs->BODYWEIGHT, before.BODYWEIGHT);
    EXPECT_EQ(CaseInputs->MassUsedCentral, before.MassUsedCentral);
    page.Number(126)->SetText("65");
    page.Number(120)->SetText("12");
    page.StoreStep();
    EXPECT_EQ(CaseInputs->BODYWEIGHT, 65);
    EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 12);
    EXPECT_EQ(CaseInputs->FrequencyBody, 12);
}

TEST(InhalationPage, AerosolRowLaundryFrequencyAndDurationLink) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->ScenarioName = "Laundry Detergent";
    CaseInputs->FrequencyBody = 50;
    {
        TInhInput page;
        page.show();
        page.SetupWindow();
        EXPECT_TRUE(page.Number(131)->isHidden());
        EXPECT_EQ(page.ScenarioLabel()->Text(), "Scenario: Laundry Detergent (Machine Washing)");
        page.Number(120)->SetText("300");
        page.Number(121)->setFocus();
        page.Number(121)->SetText("30");
        page.Number(121)->OnExit();
        EXPECT_EQ(page.Number(133)->Text(), "30");
        page.StoreStep();
        EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 300);
        EXPECT_EQ(CaseInputs->FrequencyBody, 50);
        EXPECT_EQ(CaseInputs->AveragingTimeAdd, 30);
    }
    CaseInputs->ScenarioKeyword = "sprayedsurface";
    CaseInputs->ScenarioClass = 1;
    TInhInput sprayed;
    sprayed.SetupWindow();
    EXPECT_FALSE(sprayed.Number(131)->isHidden());
    EXPECT_FALSE(sprayed.PageButton(104)->isEnabled());
}

// A high-end duration far past the day is refused with a message when the inputs are checked;
// leaving the page another way rewrites the day-of-use pattern without harm.
TEST(InhalationPage, AHighEndDurationPastTheDayIsRefused) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->STARTTIME = 12;
    CaseInputs->ROOMOFUSE = 2;
    forms::ScriptedUi ui;
    {
        TInhInput page;
        page.show();
        page.SetupWindow();
        page.Number(204)->SetText("1e10");
        Click(page.PageButton(105));
        EXPECT_TRUE(page.Closed());
    }
    EXPECT_EQ(CaseInputs->DurationHighEnd, 1e10);
    EXPECT_EQ(CaseInputs->ActivityPattern.substr(12), "2222222222222");
    TInhInput page;
    page.show();
    page.SetupWindow();
    Click(page.PageButton(101));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The Duration of Event - High-End cannot exceed 24 hours");
    EXPECT_FALSE(page.Closed());
}

// Leaving the exposure-duration edit shows the value with four significant digits and copies it
// to the hidden averaging time; both store the value typed.
TEST(TextPages, LeavingTheDurationEditStoresWhatWasTyped) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    {
        TInhInput page;
        page.show();
        page.SetupWindow();
        page.Number(121)->SetText("12.3456");
        page.Number(121)->OnExit();
        EXPECT_EQ(page.Number(121)->Text(), "12.35");
        EXPECT_EQ(page.Number(133)->Text(), "12.35");
        page.StoreStep();
        EXPECT_EQ(CaseInputs->YEARSOFUSE, 12.3456);
        EXPECT_EQ(CaseInputs->AveragingTimeAdd, 12.3456);
    }
    {
        // A later visit that only passes through the edit keeps the whole value.
        TDermInput page;
        page.show();
        page.SetupWindow();
        page.Number(200)->OnExit();
        page.StoreStep();
        EXPECT_EQ(CaseInputs->YEARSOFUSE, 12.3456);
        EXPECT_EQ(CaseInputs->AveragingTimeAdd, 12.3456);
        page.Number(200)->SetText("7.654321");
        page.Number(200)->OnExit();
        page.StoreStep();
        EXPECT_EQ(CaseInputs->YEARSOFUSE, 7.654321);
        EXPECT_EQ(CaseInputs->AveragingTimeAdd, 7.654321);
    }
}

TEST(InhalationPage, IntroductionButtonChecksTheInputs) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    forms::ScriptedUi ui;
    TInhInput page;
    page.show();
    page.SetupWindow();
    page.Number(120)->SetText("0");
    Click(page.PageButton(101));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The Frequency of Use must be greater than zero");
    EXPECT_FALSE(page.Closed());
    page.Number(120)->SetText("10");
    Click(page.PageButton(101));
    EXPECT_TRUE(page.Closed());
    EXPECT_EQ(PageCode, '0');
}

// Outside bar soap the hands rows are hidden and their values are left alone (they may be the
// main program's); the doses leave them out.
TEST(DermalPage, HandsRowsOnlyForBarSoap) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->SurfaceAreaHands = 30;
    CaseInputs->FrequencyHands = 700;
    {
        TDermInput page;
        page.show();
        page.SetupWindow();
        EXPECT_TRUE(page.Number(137)->isHidden());
        EXPECT_EQ(page.BodyFrequencyLabel()->Text(), "Frequency of Use (chronic)");
        page.Number(201)->SetText("20");
        page.StoreStep();
        EXPECT_EQ(CaseInputs->SurfaceAreaHands, 30);
        EXPECT_EQ(CaseInputs->FrequencyHands, 700);
        EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 20);
    }
    CaseInputs->ScenarioName = "Bar Soap";
    CaseInputs->ScenarioClass = 0;
    CaseInputs->SurfaceAreaHands = 30;
    CaseInputs->FrequencyHands = 700;
    TDermInput soap;
    soap.show();
    soap.SetupWindow();
    EXPECT_FALSE(soap.Number(137)->isHidden());
    EXPECT_FALSE(soap.PageButton(103)->isEnabled());
    soap.Number(137)->SetText("35");
    soap.StoreStep();
    EXPECT_EQ(CaseInputs->SurfaceAreaHands, 35);
    EXPECT_EQ(CaseInputs->FrequencyHands, 700);
}

TEST(DermalPage, AbsorbedPageSetsTheFrequencyItsCheckReads) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->ScenarioName = kUserDefined;
    CaseInputs->DoseType = "Absorbed";
    CaseInputs->EVENTSPERYEAR = 0;
    TDermInput2 page;
    page.show();
    page.SetupWindow();
    page.Number(120)->SetText("52");
    page.Number(121)->SetText("10");
    page.Number(121)->OnExit();
    page.StoreStep();
    EXPECT_EQ(CaseInputs->FrequencyBody, 52);
    EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 52);
    EXPECT_EQ(CaseInputs->AveragingTimeAdd, 10);
}

}  // namespace
