// The dilution pages saved in Word format, through their save buttons, on a copy of the program
// folder: each save hands on the document of its own page.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/wordproc/document.h"
#include "platform/wordproc/processor.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"
#include "tests/support/pdm_result_rows.h"

namespace {

class WordDilutionPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
            if (entry.path().extension() == ".doc")
                std::filesystem::copy_file(entry.path(),
                                           program / entry.path().filename().string());
        }
        ASSERT_TRUE(RunStartupWork());
        ResetScenarioRecord();
        SplitReleaseKey("P-17-0042,1");
        CurrentPmn.RELEASE = "Rinsing";
        CurrentPmn.COC0 = 10;
        SaveScenarioRecord();
        mainPage = std::make_unique<TScrMain>();
        mainPage->NoWord->setVisible(false);  // Word is the report format
        InstallWordReportWriters();
        form = std::make_unique<TScrResForm>();
        PdmPagesActive = 1;
        PdmSiteResultRows = PdmSicResultRows = 1;
    }
    void TearDown() override {
        form.reset();
        WordWriters() = WordReportWriters{};
        mainPage.reset();
        wordproc::Processor::Shared().Quit();
        PdmPagesActive = 0;
        PdmSiteResultRows = PdmSicResultRows = 1;
    }

    static wordproc::Document Saved(const std::string& path) {
        const std::optional<std::string> bytes = sys::ReadWholeFile(path);
        EXPECT_TRUE(bytes) << path;
        return wordproc::Document::Parse(bytes.value_or(""));
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    std::unique_ptr<TScrMain> mainPage;
    std::unique_ptr<TScrResForm> form;
};

TEST_F(WordDilutionPageTest, EachPageSavesItsOwnDocument) {
    FillPdmResultRow(form->PdmSiteResultsList, 1, 10, 12, 44);
    FillPdmResultRow(form->PdmSiteResultsList, 2, 100, 3, 8);
    PdmSiteResultRows = 3;  // the next free row
    const std::string siteFile = program / "site-report.doc";
    ui.AnswerNextDialog(siteFile);
    form->SavePdmSiteClick();

    FillPdmResultRow(form->PdmSicResultsList, 1, 5, 30, 110, "High    ");
    PdmSicResultRows = 1;
    const std::string sicFile = program / "category-report.doc";
    ui.AnswerNextDialog(sicFile);
    form->SavePdmSicClick();

    const auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find(siteFile), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[1].text.find(sicFile), std::string::npos) << boxes[1].text;

    const wordproc::Document site = Saved(siteFile);
    EXPECT_EQ(site.BookmarkText("COC1").value_or("<none>"), "10.00");
    EXPECT_EQ(site.BookmarkText("COC2").value_or("<none>"), "100.00");
    EXPECT_EQ(site.BookmarkText("NumDays2").value_or("<none>"), "8");
    EXPECT_FALSE(site.HasBookmark("COC3"));
    const wordproc::Document sic = Saved(sicFile);
    EXPECT_EQ(sic.BookmarkText("COC1").value_or("<none>"), "5.00");
    EXPECT_EQ(sic.BookmarkText("NumDays1").value_or("<none>"), "110");
    EXPECT_EQ(sic.BookmarkText("Anal1").value_or("<none>"), "High");
    EXPECT_FALSE(sic.HasBookmark("COC2"));
}

}  // namespace
