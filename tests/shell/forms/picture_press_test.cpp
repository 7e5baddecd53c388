// A press of the real mouse button on a picture, panel or label of the introductory screen and
// the main page runs its action once, however the widgets are nested.
#include <gtest/gtest.h>

#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "platform/forms/ui_service.h"
#include "scenario/globals.h"
#include "shell/about.h"
#include "shell/intro.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

// Replaces each named action with a counter of its runs.
class ActionCounter {
  public:
    void Watch(const std::string& name, forms::Action& action) {
        action = [this, name] { ++runs_[name]; };
        runs_[name] = 0;
    }
    // Presses the button on the widget and gives the actions that ran, with their counts.
    std::map<std::string, int> Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        for (auto& entry : runs_) {
            entry.second = 0;
        }
        QTest::mouseClick(widget, button);
        std::map<std::string, int> ran;
        for (const auto& [name, count] : runs_) {
            if (count > 0) {
                ran[name] = count;
            }
        }
        return ran;
    }

  private:
    std::map<std::string, int> runs_;
};

struct Press {
    const char* widget;
    QWidget* target;
    const char* action;
};

void ExpectEachPressRunsOnce(ActionCounter& counter, const std::vector<Press>& presses) {
    for (const Press& press : presses) {
        EXPECT_EQ(counter.Press(press.target), (std::map<std::string, int>{{press.action, 1}}))
            << press.widget;
    }
}

TEST(PicturePressTest, IntroductoryScreenRunsEachActionOnce) {
    TIntro intro;
    ActionCounter counter;
    counter.Watch("SmokeStack", intro.SmokeStack->OnClick);
    counter.Watch("Panel152", intro.Panel152->OnClick);
    ExpectEachPressRunsOnce(counter, {{"SmokeStack", intro.SmokeStack, "SmokeStack"},
                                      {"Panel152", intro.Panel152, "Panel152"},
                                      {"Memo7", intro.Memo7, "Panel152"}});
}

TEST(PicturePressTest, MainPageRunsEachActionOnce) {
    TScrMain page;
    ActionCounter counter;
    counter.Watch("SeasImage", page.SeasImage->OnClick);
    counter.Watch("Panel2", page.Panel2->OnClick);
    counter.Watch("FlushImage", page.FlushImage->OnClick);
    counter.Watch("Panel135", page.Panel135->OnClick);
    counter.Watch("RunKiv", page.RunKiv->OnClick);
    counter.Watch("Panel136", page.Panel136->OnClick);
    counter.Watch("Label3", page.Label3->OnClick);
    counter.Watch("NoWp", page.NoWp->OnClick);
    counter.Watch("NoWord", page.NoWord->OnClick);
    std::vector<Press> presses = {
        {"SeasImage", page.SeasImage, "SeasImage"},
        {"Panel2", page.Panel2, "Panel2"},
        {"Memo6", page.Memo6, "Panel2"},
        {"FlushImage", page.FlushImage, "FlushImage"},
        {"Panel135", page.Panel135, "Panel135"},
        {"Memo3", page.Memo3, "Panel135"},
        {"RunKiv", page.RunKiv, "RunKiv"},
        {"Panel136", page.Panel136, "Panel136"},
        {"Memo2", page.Memo2, "Panel136"},
        {"Label3", page.Label3, "Label3"},
        {"NoWp", page.NoWp, "NoWp"},
        {"NoWord", page.NoWord, "NoWord"},
    };
    for (auto* panel : {page.NoWp, page.NoWord}) {
        for (QWidget* label : panel->findChildren<forms::TLabel*>()) {
            presses.push_back(
                {"report-format text", label, panel == page.NoWp ? "NoWp" : "NoWord"});
        }
    }
    ExpectEachPressRunsOnce(counter, presses);
}

TEST(PicturePressTest, AboutBoxPictureRunsItsActionOnce) {
    TAbout1Box box;
    ActionCounter counter;
    counter.Watch("Image1", box.Image1->OnClick);
    ExpectEachPressRunsOnce(counter, {{"Image1", box.Image1, "Image1"}});
}

TEST(PicturePressTest, OtherButtonsRunNothing) {
    TScrMain page;
    ActionCounter counter;
    counter.Watch("SeasImage", page.SeasImage->OnClick);
    counter.Watch("Panel2", page.Panel2->OnClick);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{page.SeasImage, page.Panel2, page.Memo6}) {
        EXPECT_TRUE(counter.Press(widget, Qt::RightButton).empty());
    }
}

// With the real actions: one press on a module picture gives one message, not two.
TEST(PicturePressTest, OnePressOnAModulePictureShowsItsMessageOnce) {
    ProgramFolderCopy program;
    ASSERT_TRUE(RunStartupWork());
    forms::ScriptedUi ui;
    TScrMain page;
    QTest::mouseClick(page.SeasImage, Qt::LeftButton);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You did not select Surface water, landfill or ambient air in the Pchem/Fate page.");
    ui.ClearShown();
    QTest::mouseClick(page.FlushImage, Qt::LeftButton);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Down the Drain was not selected in the Pchem/Fate Page.");
}

}  // namespace
