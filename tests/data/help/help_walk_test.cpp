// Every help button and help menu entry of the three programs is pressed as a person would, on
// every tab that can change its topic, and each topic it opens has a page in the program folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "chemistry/astreat_inputs.h"
#include "chemistry/pchem_fate.h"
#include "consumer/pages/activity_pages.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/main_window.h"
#include "consumer/pages/scenario_page.h"
#include "consumer/pages/start_dialogs.h"
#include "consumer/pages/text_pages.h"
#include "disposal/disposal_form.h"
#include "platform/forms/ui_service.h"
#include "predictor/main_form.h"
#include "releases/scr_level_form.h"
#include "results/scr_res_form.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/intro.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/consumer/pages/kiv_fixture.h"
#include "tests/shell/forms/program_folder.h"

namespace {

namespace fs = std::filesystem;
using Topics = std::set<std::string>;

std::string Caption(const QString& text) {
    return QString(text).remove('&').toStdString();
}

bool IsHelpButton(const QAbstractButton* button) {
    const std::string text = Caption(button->text());
    return text == "Help" || text == "Quick Assist";
}

// The tab page the widget lies on, nearest first; the root when it lies on none.
QWidget* PageOf(QWidget* widget, QWidget* root) {
    for (QWidget* p = widget->parentWidget(); p && p != root; p = p->parentWidget()) {
        QWidget* stack = p->parentWidget();
        if (qobject_cast<QStackedWidget*>(stack) &&
            qobject_cast<QTabWidget*>(stack->parentWidget()))
            return p;
    }
    return root;
}

// Brings the tabs the widget lies on to the front, as a person does to reach it.
void BringForward(QWidget* widget, QWidget* root) {
    for (QWidget* p = widget; p && p != root; p = p->parentWidget()) {
        QWidget* stack = p->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (qobject_cast<QStackedWidget*>(stack) && tabs) {
            tabs->setTabVisible(tabs->indexOf(p), true);
            tabs->setCurrentWidget(p);
        }
    }
    QCoreApplication::processEvents();
}

// Presses every help button under the root: once, and once more with each tab of the tab sets
// on its own page in front (a help button may open the topic of the tab shown); then triggers
// every entry of the root's "Help" menus. Returns the topics opened.
Topics PressEveryHelpControl(QWidget* root, forms::ScriptedUi& ui) {
    ui.ClearShown();
    // Shown as a person sees it: a window never shown has no room laid out for its buttons.
    root->resize(1280, 1024);
    root->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(root));
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!IsHelpButton(button))
            continue;
        BringForward(button, root);
        QTest::mouseClick(button, Qt::LeftButton);
        for (QTabWidget* tabs : PageOf(button, root)->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                // A tab hidden for this release is shown for another one.
                tabs->setTabVisible(i, true);
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    for (QMenu* menu : root->findChildren<QMenu*>()) {
        if (Caption(menu->title()) != "Help")
            continue;
        for (QAction* entry : menu->actions()) {
            if (Caption(entry->text()) != "About")
                entry->trigger();
        }
    }
    root->hide();
    Topics topics;
    for (const forms::ShownItem& item : ui.Shown()) {
        if (item.kind == "help")
            topics.insert(item.caption);
    }
    return topics;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path HelpFolder() {
    return fs::path(OMBRIX_PROGRAM_DIR) / "help";
}

// A page exists for the topic and says what it is about.
void ExpectPages(const Topics& topics) {
    for (const std::string& topic : topics) {
        const fs::path page = HelpFolder() / (topic + ".html");
        ASSERT_TRUE(fs::exists(page)) << topic;
        const std::string html = ReadFile(page);
        EXPECT_NE(html.find("<h1>"), std::string::npos) << topic;
        EXPECT_NE(html.find("<p>"), std::string::npos) << topic;
    }
}

// A window of one kind, made afresh, walked; the topics it opened.
template <class Window>
Topics WalkNew(forms::ScriptedUi& ui) {
    auto window = std::make_unique<Window>();
    return PressEveryHelpControl(window.get(), ui);
}

struct WindowCase {
    const char* name;
    Topics (*walk)(forms::ScriptedUi&);
    Topics expected;
};

// Walks every window of the table and checks that each topic opened has its page.
void ExpectEveryWindowOpensItsPages(const std::vector<WindowCase>& windows) {
    forms::ScriptedUi ui;
    Topics all;
    for (const WindowCase& window : windows) {
        const Topics topics = window.walk(ui);
        EXPECT_EQ(topics, window.expected) << window.name;
        all.insert(topics.begin(), topics.end());
    }
    ExpectPages(all);
}

TEST(MainProgramHelpTest, EveryHelpControlOfTheMainProgramOpensAPage) {
    ProgramFolderCopy program;
    ASSERT_TRUE(RunStartupWork());
    // A chemical in the scenario table: the down-the-drain form refuses to open without one.
    ResetScenarioRecord();
    CurrentPmn.CaseNum = "HELP-1";
    CurrentPmn.ScenNum = "1";
    SaveScenarioRecord();
    SelectedChemId = "HELP-1";
    ExpectEveryWindowOpensItsPages({
        {"introductory screen", &WalkNew<TIntro>, {"Introduction", "Contents"}},
        {"main page", &WalkNew<TScrMain>, {"Screening_Level_Main_Page"}},
        {"properties screen",
         &WalkNew<TPchemFate>,
         {"Physical___Chemical_Properties_and_Fate_Screen"}},
        {"treatment model inputs", &WalkNew<TAsTreatInputs>, {"AsTreat_Inputs"}},
        {"release input form",
         &WalkNew<TScrLevelForm>,
         {"General_Population_Exposure_Inputs", "Release_Information_Page", "Exposure_Factors",
          "Select_a_Facility_Page", "Select_a_SIC_Code_Page"}},
        {"down-the-drain form",
         &WalkNew<TDisposalForm>,
         {"Consumer_Disposal_Inputs", "Consumer_Disposal_Results"}},
        {"results form",
         &WalkNew<TScrResForm>,
         {"Environmental_Release_Results_Page", "River_Results___General_Site_Information",
          "River_Results___Drinking_Water_Information",
          "River_Results___Fish_Ingestion_Information", "River_Results___Endangered_Species",
          "SIC_Code_Results___General_Site_Information",
          "SIC_Code_Results___Drinking_Water_Information",
          "SIC_Code_Results___Fish_Ingestion_Information",
          "Lake_Results___General_Lake_Information", "Lake_Results___Fish_Ingestion_Information",
          "Lake_Results___Endangered_Species", "Landfill_Results_Page", "Inhalation_Results",
          "PDM_Site_Specific_Results", "PDM_SIC_Code_Results"}},
    });
}

TEST(ConsumerModelHelpTest, EveryHelpControlOfTheConsumerModelOpensAPage) {
    consumer_test::KivFolder folder;
    ExpectEveryWindowOpensItsPages({
        // The frame opens on its start screen.
        {"main window", &WalkNew<consumer::KIVFrame>, {"KIV_Contents", "KIV_Quick_Assist"}},
        {"start screen", &WalkNew<consumer::TStartModel>, {"KIV_Quick_Assist"}},
        {"Introduction", &WalkNew<consumer::TInputIntro>, {"KIV_Introduction"}},
        {"Scenario Data", &WalkNew<consumer::TScenario>, {"KIV_Scenario"}},
        {"Inhalation Inputs", &WalkNew<consumer::TInhInput>, {"KIV_Inhalation_Inputs"}},
        {"Dermal Inputs (potential dose)", &WalkNew<consumer::TDermInput>, {"KIV_Dermal_Inputs"}},
        {"Dermal Inputs (absorbed dose)", &WalkNew<consumer::TDermInput2>, {"KIV_Absorbed_Dose"}},
        {"Day of Use Data", &WalkNew<consumer::TUserAct>, {"KIV_Day_of_Use"}},
        {"Day After Use Data", &WalkNew<consumer::TNUserAct>, {"KIV_Days_After_Use"}},
    });
}

// The downwind predictor offers no help: its form has no help control that could open nothing.
TEST(PredictorHelpTest, ThePredictorFormHasNoHelpControlWithoutAPage) {
    forms::ScriptedUi ui;
    TMainForm form;
    ExpectPages(PressEveryHelpControl(&form, ui));
}

// Every link of every help page leads to a page that is shipped.
TEST(HelpPageLinksTest, EveryLinkLeadsToAShippedPage) {
    const QRegularExpression link("href=\"([^\"#]+)");
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(HelpFolder())) {
        if (entry.path().extension() != ".html")
            continue;
        ++pages;
        const QString html = QString::fromStdString(ReadFile(entry.path()));
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const std::string target = match.next().captured(1).toStdString();
            EXPECT_TRUE(fs::exists(HelpFolder() / target))
                << entry.path().filename() << " links to " << target;
        }
    }
    EXPECT_GT(pages, 0);
}

}  // namespace
