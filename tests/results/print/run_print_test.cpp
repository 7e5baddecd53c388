// The printed reports of a whole results run: the releases are run, chosen on each page with the
// mouse and printed with the page's button; what is printed is compared with what the page shows.
#include <QStackedWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/print/print_job.h"
#include "platform/sys/text.h"
#include "print_fixture.h"
#include "results_run_fixture.h"
#include "scenario/number_text.h"

namespace {

class RunPrintTest : public ResultsFormTest {
  protected:
    void SetUp() override {
        ResultsFormTest::SetUp();
        pdf = std::filesystem::path(program.path()) / "page.pdf";
    }
    void TearDown() override {
        if (form)
            form->hide();
        print::SetReportPdfTarget("");
        ResultsFormTest::TearDown();
    }

    // The run of the five releases, with the form on screen.
    void RunAndShow() {
        WriteFiveReleases();
        Run();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Chooses a row of the page's release list with the mouse, then presses "Print Page".
    std::string ChooseAndPrint(QWidget* page, forms::TStringGrid* list, int row, QWidget* button) {
        form->ScrResults->setCurrentWidget(page);
        if (list && list->isVisible()) {
            const QRect cell = list->visualItemRect(list->item(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        }
        std::filesystem::remove(pdf);
        ui.AnswerNextPrintDialog(true);
        print::SetReportPdfTarget(pdf.string(), 300);
        QTest::mouseClick(button, Qt::LeftButton);
        return CommandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
    }

    // Whether a field shows on its page: it and the boxes it stands in are not hidden; a tab
    // that is not the current one still shows when chosen.
    static bool Shown(const QWidget* field, const QWidget* page) {
        for (const QWidget* w = field; w && w != page; w = w->parentWidget()) {
            if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
                return false;
        }
        return true;
    }

    // Every field of the page that shows a text is printed with that text.
    void ExpectEveryShownFieldPrinted(QWidget* page, const std::string& printed,
                                      const std::vector<std::string>& notPrinted = {}) {
        int compared = 0;
        for (const forms::TEdit* edit : page->findChildren<forms::TEdit*>()) {
            const std::string name = edit->objectName().toStdString();
            const std::string text = sys::Trim(edit->Text());
            if (name.empty() || text.empty() || !Shown(edit, page) ||
                std::find(notPrinted.begin(), notPrinted.end(), name) != notPrinted.end())
                continue;
            ++compared;
            EXPECT_NE(printed.find(text), std::string::npos)
                << name << " shows \"" << text << "\", not printed in:\n"
                << printed;
        }
        EXPECT_GT(compared, 5);
    }

    std::filesystem::path pdf;
};

TEST_F(RunPrintTest, EveryPagePrintsWhatItShowsForTheChosenRelease) {
    RunAndShow();
    struct PageCase {
        QWidget* page;
        forms::TStringGrid* list;
        int row;
        QWidget* button;
        std::vector<std::string> handWorked;  // label, then the value worked by hand
    };
    const PageCase cases[] = {
        // Release 2: 1 kg/day, 1 site, 100 days.
        {form->EnvRelResPage, form->ChemListEnvRel, 2, form->Button1, {"Release 2", "100.00"}},
        // 2 kg/day with 50 % removal.
        {form->SurfWaterResPage, form->ChemListSite, 1, form->Button2, {"NY0020371", "1.00"}},
        {form->SicPage, form->ChemListSic, 1, form->Button3, {"7211,7213-7219,7542", "1.5"}},
        {form->LakesPage, form->ChemListLakes, 1, form->Button4, {"OH1413046", "10.00"}},
        // 0.002 mg/m3 shows as 2 ug/m3.
        {form->FugitivePage, form->ChemListFugitive, 1, form->Button5, {"2.00 ug/m3"}},
        {form->LandfillPage, form->ChemListLandfill, 1, form->Button6, {"2.00 kg/site/day"}},
        {form->PdmSitePage, form->ChemListPdmSite, 1, form->Button7, {"NY0020371", "10.00"}},
        {form->PdmSicPage, form->ChemListPdmSic, 1, form->Button8, {"5.00"}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.page->objectName().toStdString() + " " +
                     form->ScrResults->tabText(form->ScrResults->indexOf(c.page)).toStdString());
        const std::string printed = ChooseAndPrint(c.page, c.list, c.row, c.button);
        ASSERT_FALSE(printed.empty());
        // The printed site report has no line for the page's note on the site's activity.
        ExpectEveryShownFieldPrinted(c.page, printed, {"ActiveNotePdm"});
        PrintTest::ExpectInOrder(printed, c.handWorked);
    }
}

// With a concentration of concern of 0 the page hides its run, and so does the printout.
TEST_F(RunPrintTest, DilutionPrintoutsLeaveOutTheRunsThePageHides) {
    RunAndShow();
    // Release 1 asks for runs 1 and 2, release 3 for runs 1 and 3.
    std::string printed =
        ChooseAndPrint(form->PdmSitePage, form->ChemListPdmSite, 1, form->Button7);
    EXPECT_TRUE(Shown(form->Field("Coc1PdmSite"), form->PdmSitePage));
    EXPECT_FALSE(Shown(form->Field("Coc2PdmSite"), form->PdmSitePage));
    PrintTest::ExpectInOrder(
        printed, {"Concentration of Concern (ug/L):", PadLeft10(form->FieldText("Coc0PdmSite")),
                  PadLeft10(form->FieldText("Days0Exceeded")) + " days",
                  PadLeft10(form->FieldText("Coc1PdmSite")),
                  PadLeft10(form->FieldText("Days1Exceeded")) + " days"});
    EXPECT_EQ(printed.find(PadLeft10(form->FieldText("Days2Exceeded")) + " days"),
              std::string::npos)
        << printed;
    EXPECT_EQ(printed.find("      0.00"), std::string::npos) << printed;

    printed = ChooseAndPrint(form->PdmSicPage, form->ChemListPdmSic, 1, form->Button8);
    EXPECT_FALSE(Shown(form->Field("Coc1PdmSic"), form->PdmSicPage));
    EXPECT_TRUE(Shown(form->Field("Coc2PdmSic"), form->PdmSicPage));
    PrintTest::ExpectInOrder(
        printed, {"Concentration of Concern (ug/L):", "      5.00",
                  PadLeft10(form->FieldText("Days0ExceededPdmSic")) + " days", "      2.00",
                  PadLeft10(form->FieldText("Days2ExceededPdmSic")) + " days"});
    EXPECT_EQ(printed.find("N/A days"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("      0.00"), std::string::npos) << printed;
}

}  // namespace
