// A results run in Word format through the installed writers: every part of the chemical's
// releases in one finished report, on a copy of the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/document.h"
#include "platform/wordproc/processor.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

constexpr const char* kChem = "P-17-0042";

class WordRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
            if (entry.path().extension() == ".doc")
                std::filesystem::copy_file(entry.path(),
                                           program / entry.path().filename().string());
        }
        ASSERT_TRUE(RunStartupWork());
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
        HealthFlags = "111";
        mainPage = std::make_unique<TScrMain>();
        mainPage->NoWord->setVisible(false);  // Word is the report format
        InstallWordReportWriters();
    }
    void TearDown() override {
        WordWriters() = WordReportWriters{};
        mainPage.reset();
        wordproc::Processor::Shared().Quit();
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0;
    }

    void Write(int number, const std::function<void(pmn_record&)>& set) {
        ResetScenarioRecord();
        const std::string key = std::string(kChem) + "," + std::to_string(number);
        SplitReleaseKey(key);
        pmn_record& r = CurrentPmn;
        r.RELEASE = "Release " + std::to_string(number);
        r.SITE_LO = r.SITE_HI = 1;
        r.BW = 70;
        r.BCF = 50;
        r.WWT_LOW = 50;
        set(r);
        SaveScenarioRecord();
        inputs.ReleaseKeys.push_back(key);
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ResultsRunInputs inputs;
    std::unique_ptr<TScrMain> mainPage;
};

TEST_F(WordRunTest, EveryPartOfTheRunIsInTheFinishedReport) {
    Write(1, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
    });
    Write(2, [](pmn_record& r) {
        r.RELEASES = "0X00";
        r.LANDREL = 2;
        r.DAYSNSLUDG = 100;
        r.MIGFACT = 0.01;
    });
    Write(3, [](pmn_record& r) {
        r.RELEASES = "00XX";
        r.FUGREL = 1;
        r.FUGDAYHI = r.FUGDAYLO = 100;
        r.INHALE = 1;
    });
    auto form = std::make_unique<TScrResForm>();
    form->Inputs = inputs;
    form->FormActivate();

    const std::string report = sys::NativePath(DataFolder + kChem + ".doc");
    const auto boxes = ui.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "Final report stored as " + report);
    EXPECT_EQ(boxes.back().caption, "Calculations Complete");
    for (const WpdPart& part : form->Report.FilesList)
        EXPECT_FALSE(sys::FileExists(sys::NativePath(part.path))) << part.path;

    const wordproc::Document joined = wordproc::Document::Parse(*sys::ReadWholeFile(report));
    EXPECT_TRUE(joined.Bookmarks().empty());
    const std::string text = joined.PlainText();
    size_t at = 0;
    for (const char* title :
         {"Case P-17-0042, release 1: Release 1", "Surface water release to a river site",
          "Case P-17-0042, release 2: Release 2", "Landfill release and groundwater",
          "Case P-17-0042, release 3: Release 3", "Air releases: fugitive and stack inhalation"}) {
        const size_t found = text.find(title, at);
        ASSERT_NE(found, std::string::npos) << title << " after " << at << " in\n" << text;
        at = found + 1;
    }
}

}  // namespace
