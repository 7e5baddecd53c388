// How the input pages and the weight-fraction list look: nothing squeezed or cut, column heads
// over their columns, static texts in the pages' light blue.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <memory>

#include "consumer/model/case_state.h"
#include "consumer/pages/activity_pages.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "consumer/pages/scenario_dialogs.h"
#include "consumer/pages/scenario_page.h"
#include "consumer/pages/text_pages.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

// The bar soap page in the window as it first opens: each edit shows its whole number, each
// label its whole text, and the page lies inside the window.
TEST(PageLooks, BarSoapDermalPageShowsItsEditsAndLabelsWhole) {
    KivFolder folder;
    MakeProductCase(*CaseInputs, {"Bar Soap", 7, "contactskin", 0});
    PageCode = '3';
    forms::ScriptedUi ui;
    KIVFrame frame;
    frame.show();
    Settle();
    auto* page = dynamic_cast<TDermInput*>(frame.Client()->OpenPage());
    ASSERT_NE(page, nullptr);
    for (int id : {135, 201, 138, 136, 137, 132, 200}) {
        NumberEdit* edit = page->Number(id);
        int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
        EXPECT_GE(edit->width(), needed) << id << " shows " << edit->Text();
    }
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().toStdString();
    }
    auto* window = qobject_cast<QMdiSubWindow*>(page->parentWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(frame.Client()->rect().contains(window->geometry()));
}

// The left ends of the runs of dark columns of a strip of an image, runs closer than gap joined.
std::vector<int> InkRuns(const QImage& image, const QRect& strip, int gap) {
    std::vector<int> starts;
    int lastDark = -1000;
    for (int x = strip.left(); x <= strip.right(); ++x) {
        bool dark = false;
        for (int y = strip.top(); y <= strip.bottom() && !dark; ++y)
            dark = image.pixelColor(x, y).lightness() < 110;
        if (!dark)
            continue;
        if (x - lastDark > gap)
            starts.push_back(x);
        lastDark = x;
    }
    return starts;
}

TEST(PageLooks, WeightFractionHeadsStandOverTheirColumns) {
    KivFolder folder;
    for (const char* scenario : {"General Purpose Cleaner", "Latex Paint", "Laundry Detergent"}) {
        CaseInputs->ScenarioName = scenario;
        TWFValue dialog;
        dialog.resize(520, 300);
        dialog.show();
        Settle();
        QListWidget* list = dialog.List();
        ASSERT_GE(list->count(), 2) << scenario;
        QImage image = dialog.grab().toImage();
        int charWidth = list->fontMetrics().horizontalAdvance('0');
        QRect heads;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().contains("Median") || label->text().contains("90th"))
                heads = heads.united(label->geometry());
        }
        // The second line is not selected: dark text on white.
        QRect row = list->visualItemRect(list->item(1));
        row.moveTopLeft(list->viewport()->mapTo(&dialog, row.topLeft()));
        std::vector<int> headRuns = InkRuns(image, heads, 2 * charWidth);
        std::vector<int> rowRuns = InkRuns(image, row, 2 * charWidth);
        ASSERT_EQ(headRuns.size(), 2u) << scenario;
        ASSERT_EQ(rowRuns.size(), 3u) << scenario;
        // "Median" over the first number, "90th %" over the second.
        EXPECT_NEAR(headRuns[0], rowRuns[1], charWidth / 2) << scenario;
        EXPECT_NEAR(headRuns[1], rowRuns[2], charWidth / 2) << scenario;
    }
}

TEST(PageLooks, StaticTextsAreLightBlue) {
    KivFolder folder;
    MakeLatexPaintCase(*CaseInputs);
    std::vector<std::unique_ptr<TInputPage>> pages;
    pages.emplace_back(new TInputIntro);
    pages.emplace_back(new TScenario);
    pages.emplace_back(new TInhInput);
    pages.emplace_back(new TDermInput);
    pages.emplace_back(new TDermInput2);
    pages.emplace_back(new TUserAct);
    pages.emplace_back(new TNUserAct);
    for (const auto& page : pages) {
        page->SetupWindow();
        page->show();
        Settle();
        int labels = 0;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            ++labels;
            QImage image = label->grab().toImage();
            bool blue = false;
            for (int y = 0; y < image.height() && !blue; ++y) {
                for (int x = 0; x < image.width() && !blue; ++x) {
                    QColor c = image.pixelColor(x, y);
                    blue = c.blue() > 200 && c.red() < 80 && c.green() < 80;
                }
            }
            EXPECT_TRUE(blue) << page->Title() << ": " << label->text().toStdString();
        }
        EXPECT_GT(labels, 0) << page->Title();
    }
}

}  // namespace
