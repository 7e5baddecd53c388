// The activity-pattern pages: the use period, the room of use and the volumes.
#include <gtest/gtest.h>

#include "consumer/model/case_state.h"
#include "consumer/pages/activity_pages.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

// Adult latex paint in the kitchen from noon, 1.5 hours of high-end use: hours 12 and 13.
void KitchenCase() {
    MakeLatexPaintCase(*CaseInputs);
    CaseInputs->ROOMOFUSE = 2;
    CaseInputs->STARTTIME = 12;
    CaseInputs->DurationHighEnd = 1.5;
    CaseInputs->ZONE1VOL = 36;
    CaseInputs->AIREXRATE = 0.45;
    std::string pattern = "1111111231542467422744411";
    pattern[12] = '2';
    pattern[13] = '2';
    CaseInputs->ActivityPattern = pattern;
}

TEST(DayOfUsePage, OutDuringUseIsRefusedAndAnotherRoomMovesTheUse) {
    KivFolder folder;
    KitchenCase();
    forms::ScriptedUi ui;
    TUserAct page;
    page.show();
    page.SetupWindow();
    EXPECT_EQ(page.UseHours(), 2);
    page.Hours().Hour(13)->setCurrentIndex(6);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "You can not be out of the Room of Use at this time.");
    EXPECT_EQ(page.Hours().Location(13), 2);

    ui.ClearShown();
    ui.AnswerNextBox(forms::mrYes);  // move the use to the living room
    ui.AnswerNextBox(forms::mrYes);  // take its default volume
    page.Hours().Hour(12)->setCurrentIndex(3);
    EXPECT_EQ(page.Hours().Location(12), 4);
    EXPECT_EQ(page.Hours().Location(13), 4);
    EXPECT_EQ(page.RoomList()->currentIndex(), 3);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    page.StoreStep();
    EXPECT_EQ(CaseInputs->ROOMOFUSE, 4);
    EXPECT_EQ(CaseInputs->ZONE1VOL, 48);
    EXPECT_EQ(CaseInputs->AIREXRATE, 0.45);
    EXPECT_EQ(CaseInputs->ActivityPattern.substr(12, 2), "44");
    EXPECT_EQ(CaseInputs->ActivityPattern[0], '1');
}

TEST(DayOfUsePage, StartChangeMovesThePeriodAndKeepsTheAirExchangeRate) {
    KivFolder folder;
    KitchenCase();
    CaseInputs->ROOMOFUSE = 0;  // never set: the car
    forms::ScriptedUi ui;
    TUserAct page;
    page.show();
    page.SetupWindow();
    EXPECT_EQ(CaseInputs->AIREXRATE, 12.5);
    page.StartList()->setCurrentIndex(14);  // 3:00 pm
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(CaseInputs->AIREXRATE, 12.5);
    page.StoreStep();
    // Hours 12 and 13 back to the default day (kitchen, living room), 15 and 16 in the car.
    EXPECT_EQ(CaseInputs->ActivityPattern.substr(12, 5), "24666");
    EXPECT_EQ(CaseInputs->STARTTIME, 15);
}

TEST(DayOfUsePage, AUsePeriodPastMidnightStopsAtHour24) {
    KivFolder folder;
    KitchenCase();
    CaseInputs->DurationHighEnd = 5;
    forms::ScriptedUi ui;
    TUserAct page;
    page.show();
    page.SetupWindow();
    page.StartList()->setCurrentIndex(22);  // 11:00 pm
    page.Hours().Hour(24)->setCurrentIndex(6);
    page.StoreStep();
    EXPECT_EQ(CaseInputs->ActivityPattern.size(), 25u);
    EXPECT_EQ(CaseInputs->ActivityPattern.substr(23, 2), "22");
    EXPECT_EQ(CaseInputs->ActivityPattern.substr(1, 4), "1111");
}

TEST(DayOfUsePage, ChildAndAirFreshenerHoursAreNotChecked) {
    KivFolder folder;
    KitchenCase();
    CaseInputs->AgeGroup = 3;
    forms::ScriptedUi ui;
    TUserAct page;
    page.show();
    page.SetupWindow();
    page.Hours().Hour(13)->setCurrentIndex(6);
    EXPECT_TRUE(ui.Boxes().empty());
    page.StoreStep();
    EXPECT_EQ(CaseInputs->ActivityPattern[13], '7');
}

TEST(DaysAfterUsePage, StoresItsPattern) {
    KivFolder folder;
    CaseInputs->NonUseDayPattern = "1111111132442477422744411";
    TNUserAct page;
    page.show();
    page.SetupWindow();
    EXPECT_EQ(page.PageButton(107)->text(), "PChem Properties");
    page.Hours().Hour(1)->setCurrentIndex(4);
    page.StoreStep();
    EXPECT_EQ(CaseInputs->NonUseDayPattern, "1511111132442477422744411");
}

}  // namespace
