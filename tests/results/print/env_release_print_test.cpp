// The printed environmental release report, the print button's document and the line grid.
#include <QPrinterInfo>
#include <QSignalBlocker>
#include <QTest>
#include <cmath>
#include <map>

#include "pdm_page_fixture.h"
#include "platform/print/print_frame.h"
#include "platform/print/print_job.h"
#include "print_fixture.h"
#include "results/print_reports.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

class EnvReleasePrintTest : public PrintTest {
  protected:
    void TearDown() override {
        PrintTest::TearDown();
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0;
        program.reset();
    }

    // Two releases of 2 kg/day to water at 3 sites for 250 days, run by the results form; the
    // second, whose remarks are given, is chosen on the page.
    void FillPage(const std::string& remarks) {
        program = std::make_unique<ProgramFolderCopy>();
        CopyReportTemplates(*program);
        ASSERT_TRUE(RunStartupWork());
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
        for (const char* number : {"1", "2"}) {
            ResetScenarioRecord();
            SplitReleaseKey(std::string("P-17-0042,") + number);
            pmn_record& r = CurrentPmn;
            r.RELEASE = "Processing";
            r.RELEASES = "0000";
            r.H2O_HI = 2;
            r.SITE_LO = r.SITE_HI = 3;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.REMARKS = remarks;
            SaveScenarioRecord();
            form->Inputs.ReleaseKeys.push_back(CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum);
        }
        form->FormActivate();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->ScrResults->setCurrentWidget(form->EnvRelResPage);
        form->ChemListEnvRel->setCurrentCell(2, 0);
        form->ChemListEnvRelSelectCell(0, 2);
        ASSERT_EQ(form->FieldText("TotWaterRelEnvRel"), "1,500.00");
        ui->ClearShown();
    }

    std::unique_ptr<ProgramFolderCopy> program;
};

TEST_F(EnvReleasePrintTest, CancellingTheDialogPrintsNothing) {
    FillPage("");
    print::SetReportPdfTarget(pdf.string(), 300);
    ui->AnswerNextPrintDialog(false);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(form->ChemListEnvRel->isEnabled());
    ASSERT_EQ(ui->Shown().size(), 1u);
    EXPECT_EQ(ui->Shown()[0].kind, "print");
}

// Line k stands at k line heights; the line height is |MulDiv(8, dpi, 72)| x 1.4, truncated,
// worked by hand for each resolution.
TEST_F(EnvReleasePrintTest, LinesFollowTheLineHeightAtEachResolution) {
    struct Case {
        int dpi;
        int lineHeight;
    };
    FillPage("R1\nR2");
    for (const Case& c : {Case{96, 15}, Case{300, 46}, Case{600, 93}, Case{1200, 186}}) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(print::LineHeight(8, c.dpi), c.lineHeight);
        PressPrint(form->EnvRelResPage, form->Button1, c.dpi);
        double title = -1, activity = -1, perSite = -1;
        for (const PdfWord& w : PdfWords()) {
            if (w.text == "Environmental" && title < 0)
                title = w.y;
            if (w.text == "Activity:")
                activity = w.y;
            if (w.text == "Per")
                perSite = w.y;
        }
        ASSERT_GE(title, 0);
        const double pointsPerLine = c.lineHeight * 72.0 / c.dpi;
        // Line 1, line n + 4 = 6 and line n + 13 = 15 with two remark lines.
        EXPECT_NEAR(activity - title, 5 * pointsPerLine, 0.05);
        EXPECT_NEAR(perSite - title, 14 * pointsPerLine, 0.05);
        std::filesystem::remove(pdf);
    }
}

TEST_F(EnvReleasePrintTest, LongRemarksContinueOnANewPage) {
    std::string remarks;
    for (int i = 1; i <= 120; ++i)
        remarks += "Remark line " + std::to_string(i) + "\n";
    FillPage(remarks);
    PressPrint(form->EnvRelResPage, form->Button1, 300);
    EXPECT_GE(PdfPages(), 2);
    std::vector<std::string> expected = {"Environmental Release Results"};
    for (int i = 1; i <= 120; ++i)
        expected.push_back("Remark line " + std::to_string(i) + "\n");
    for (const char* text :
         {"Release Activity:", "Total Releases", "Per site Releases", "(kg/site/day)"})
        expected.push_back(text);
    ExpectInOrder(PdfText(), expected);
}

TEST_F(EnvReleasePrintTest, APrinterFailureDropsTheDocumentAndSaysSo) {
    std::string remarks;
    for (int i = 1; i <= 120; ++i)
        remarks += "Remark line " + std::to_string(i) + "\n";
    FillPage(remarks);
    print::SetNewPageFaultAfter(0);
    PressPrint(form->EnvRelResPage, form->Button1, 300);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(form->ChemListEnvRel->isEnabled());
    ASSERT_EQ(ui->Boxes().size(), 1u);
    EXPECT_NE(ui->Boxes()[0].text.find("not printed"), std::string::npos);
}

TEST_F(EnvReleasePrintTest, AnUnopenableOutputIsReported) {
    FillPage("");
    pdf = dir / "missing-folder" / "report.pdf";
    PressPrint(form->EnvRelResPage, form->Button1, 300);
    EXPECT_TRUE(form->ChemListEnvRel->isEnabled());
    ASSERT_EQ(ui->Boxes().size(), 1u);
    EXPECT_NE(ui->Boxes()[0].text.find("could not be started"), std::string::npos);
}

TEST_F(EnvReleasePrintTest, ThePenIsRestoredWhenTheReportFails) {
    std::string many;
    for (int i = 0; i < 120; ++i)
        many += "line\n";
    FillPage(many);
    auto job = print::PrintJob::ToPdf(pdf.string(), "t", 300);
    ASSERT_TRUE(job->Begin());
    const int pen = job->PenWidth();
    print::SetNewPageFaultAfter(0);
    EXPECT_THROW(PrintEnvReleaseReport(*form, *job), print::PrintError);
    EXPECT_EQ(job->PenWidth(), pen);
    job->Abort();
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// A value shorter than twelve characters ends where a twelve-character one ends; a longer one
// starts at the cell's left edge, where the column's heading starts.
TEST_F(EnvReleasePrintTest, ValueCellsRightAlignInTwelveCharacters) {
    FillPage("");
    // Texts of twelve characters and more, which no page shows, test the frame's cells alone.
    Fill({{"TotWaterRelEnvRel", "123456789012"},
          {"DaysWaterRelEnvRel", "7"},
          {"TotIncinRelEnvRel", "123456789012345"}});
    PressPrint(form->EnvRelResPage, form->Button1, 600);
    std::map<std::string, PdfWord> at;
    for (const PdfWord& w : PdfWords())
        at.emplace(w.text, w);
    for (const char* word : {"123456789012", "7", "123456789012345", "Surface", "Stack"})
        ASSERT_TRUE(at.count(word)) << word;
    EXPECT_NEAR(at["123456789012"].x, at["Surface"].x, 0.5);
    EXPECT_NEAR(at["123456789012345"].x, at["Stack"].x, 0.5);
    EXPECT_NEAR(at["7"].xMax, at["123456789012"].xMax, 0.5);
}

}  // namespace

namespace {

// Without a printer the report goes into the PDF file the person names.
TEST_F(EnvReleasePrintTest, WithoutAPrinterTheReportIsSavedAsAPdfFile) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed here";
    FillPage("Saved remark");
    print::SetReportPdfTarget("");
    ui->AnswerNextPrintDialog(true);
    ui->AnswerNextDialog(pdf.string());
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ExpectInOrder(PdfText(),
                  {"Environmental Release Results", "Saved remark", "Per site Releases"});
    ASSERT_EQ(ui->Shown().size(), 2u);
    EXPECT_EQ(ui->Shown()[1].kind, "save");
}

// Cancelling the file dialog prints nothing and leaves the release list usable.
TEST_F(EnvReleasePrintTest, WithoutAPrinterCancellingTheFileDialogPrintsNothing) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed here";
    FillPage("");
    print::SetReportPdfTarget("");
    ui->AnswerNextPrintDialog(true);
    ui->AnswerNextDialog(std::nullopt);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(form->ChemListEnvRel->isEnabled());
    EXPECT_TRUE(ui->Boxes().empty());
}

}  // namespace

// A printer chosen in the print dialog that has since gone away does not stop printing: the job
// falls back to the system's default printer, as before any choice was made.
TEST(ChosenPrinterTest, APrinterThatIsNotInstalledFallsBackToTheDefault) {
    const bool hasDefault = print::PrintJob::ToDefaultPrinter("probe") != nullptr;
    print::SetChosenPrinter("no printer of this name");
    EXPECT_EQ(print::PrintJob::ToDefaultPrinter("probe") != nullptr, hasDefault);
    print::SetChosenPrinter("");
}
