// The printed environmental release report, the print button's document and the line grid.
#include <QPrinterInfo>
#include <QSignalBlocker>
#include <QTest>
#include <cmath>
#include <map>

#include "platform/print/print_job.h"
#include "print_fixture.h"
#include "results/print_frame.h"
#include "results/print_reports.h"

namespace {

class EnvReleasePrintTest : public PrintTest {
  protected:
    void FillPage(const std::string& remarks) {
        List(form->ChemListEnvRel, "P-17-0042,1");
        const QSignalBlocker quiet(form->ChemListEnvRel);
        form->ChemListEnvRel->SetRowCount(3);
        form->ChemListEnvRel->SetCells(0, 2, "P-17-0042,2");
        form->ChemListEnvRel->setCurrentCell(2, 0);
        Fill({{"IndTypeEnvRel", "Processing"},
              {"NumSitesEnvRel", "3"},
              {"TotWaterRelEnvRel", "1500"},
              {"TotLandfillRelEnvRel", "N/A"},
              {"TotIncinRelEnvRel", "123456789012345"},
              {"TotFugitiveRelEnvRel", "7.5"},
              {"DaysWaterRelEnvRel", "250"},
              {"DaysLandfillEnvRel", "N/A"},
              {"DaysStackRelEnvRel", "300"},
              {"DaysFugitiveRelEnvRel", "12"},
              {"PerSiteWaterRelEnvRel", "2"},
              {"PerSiteLandfillRelEnvRel", "N/A"},
              {"PerSiteIncinRelEnvRel", "0.5"},
              {"PerSiteFugitiveRelEnvRel", "0.04"}});
        form->RemarksEnvRel->SetText(remarks);
    }
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
    for (const Case& c : {Case{96, 15}, Case{300, 46}, Case{600, 93}, Case{1200, 186}}) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(print::LineHeight(8, c.dpi), c.lineHeight);
        FillPage("R1\nR2");
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
    Fill({{"TotWaterRelEnvRel", "123456789012"}, {"DaysWaterRelEnvRel", "7"}});
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
