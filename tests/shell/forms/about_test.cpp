// The about box's picture clicks and its 5-second credits timer.
#include "shell/about.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutBoxTest, OneClickOnlyStartsTheTimerWhichThenStopsItself) {
    TAbout1Box box;
    std::string design = box.lCredits->Text();
    EXPECT_EQ(box.Timer1->Interval(), 5000);
    EXPECT_FALSE(box.Timer1->Enabled());
    box.Image1->Click();
    EXPECT_TRUE(box.Timer1->Enabled());
    EXPECT_EQ(box.lCredits->Text(), design);
    box.Timer1->Fire();
    EXPECT_FALSE(box.Timer1->Enabled());
    EXPECT_EQ(box.lCredits->Text(), design);
}

TEST(AboutBoxTest, SecondClickShowsTheCreditsAndAThirdPutsTheCaptionBack) {
    TAbout1Box box;
    std::string design = box.lCredits->Text();
    box.Image1->Click();
    box.Image1->Click();
    EXPECT_TRUE(box.CreditsShown());
    EXPECT_EQ(box.lCredits->Text(), "lll");
    box.Timer1->Fire();
    box.Timer1->Fire();
    EXPECT_TRUE(box.Timer1->Enabled());
    EXPECT_EQ(box.lCredits->Text(), "lll");
    box.Image1->Click();
    EXPECT_FALSE(box.CreditsShown());
    EXPECT_FALSE(box.Timer1->Enabled());
    EXPECT_EQ(box.lCredits->Text(), design);
}

TEST(AboutBoxTest, ClosingStopsTheTimer) {
    TAbout1Box box;
    box.Image1->Click();
    box.Image1->Click();
    box.FormClose();
    EXPECT_FALSE(box.Timer1->Enabled());
    // A new visit starts from the design state.
    TAbout1Box next;
    EXPECT_FALSE(next.CreditsShown());
    EXPECT_FALSE(next.Timer1->Enabled());
}

}  // namespace
