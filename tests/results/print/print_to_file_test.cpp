// "Print to File (PDF)" in the print dialog: the page goes into the file named there, asked once.
#include <QPrinterInfo>
#include <QTest>

#include "platform/print/print_job.h"
#include "print_fixture.h"

namespace {

class PrintToFileTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        print::SetReportPdfTarget("");
        List(form->ChemListEnvRel, "P-17-0042,1");
        Fill({{"IndTypeEnvRel", "Processing"}, {"NumSitesEnvRel", "3"}});
    }
    void TearDown() override {
        print::SetChosenPdfFile("");
        PrintTest::TearDown();
    }
    std::vector<std::string> ShownKinds() const {
        std::vector<std::string> kinds;
        for (const forms::ShownItem& item : ui->Shown())
            kinds.push_back(item.kind);
        return kinds;
    }
};

TEST_F(PrintToFileTest, ThePageGoesIntoTheFileNamedInThePrintDialog) {
    ui->AnswerNextPrintDialogToFile(pdf.string());
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ExpectInOrder(PdfText(), {"Environmental Release Results", "P-17-0042,1", "Processing"});
    // Nothing asked for the name a second time, and no error.
    EXPECT_EQ(ShownKinds(), std::vector<std::string>{"print"});
}

// The file named in one dialog serves that one printout: the next one, sent to the printer,
// neither overwrites it nor goes anywhere the person did not choose.
TEST_F(PrintToFileTest, TheFileChoiceServesOnlyThePrintoutItWasMadeFor) {
    ui->AnswerNextPrintDialogToFile(pdf.string());
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const auto firstWritten = std::filesystem::last_write_time(pdf);
    EXPECT_TRUE(print::ChosenPdfFile().empty());
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed here";
    ui->ClearShown();
    ui->AnswerNextPrintDialog(true);
    ui->AnswerNextDialog(std::nullopt);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(ShownKinds(), (std::vector<std::string>{"print", "save"}));
    EXPECT_EQ(std::filesystem::last_write_time(pdf), firstWritten);
}

TEST_F(PrintToFileTest, CancellingTheDialogWritesNoFile) {
    ui->AnswerNextPrintDialog(false);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(ShownKinds(), std::vector<std::string>{"print"});
}

}  // namespace
