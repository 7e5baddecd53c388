// One request from start to report through the real forms: a chemical created on the
// properties screen, a river release entered on the release form, and the results run.
#include <gtest/gtest.h>
#include <QTest>

#include <filesystem>
#include <string>

#include "chemistry/pchem_fate.h"
#include "documents/dilution_rows.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/processor.h"
#include "releases/results_handoff.h"
#include "releases/scr_level_form.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "shell/intro.h"
#include "shell/scr_main.h"
#include "tests/shell/forms/program_folder.h"

namespace {

class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
            if (entry.path().extension() == ".wpd" || entry.path().extension() == ".doc")
                std::filesystem::copy_file(entry.path(), program / entry.path().filename().string(),
                                           std::filesystem::copy_options::overwrite_existing);
        }
        intro.FormActivate();
        ASSERT_TRUE(intro.StartupDone());
        SetResultsFormOpener(OpenScrResForm);
        ui.ClearShown();
    }
    void TearDown() override {
        SetResultsFormOpener(nullptr);
        WordWriters() = WordReportWriters{};
        wordproc::Processor::Shared().Quit();
    }

    void Type(forms::TEdit* edit, const std::string& text) {
        edit->setFocus();
        if (edit->OnEnter)
            edit->OnEnter();
        edit->SetText(text);
        if (edit->OnExit)
            edit->OnExit();
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TIntro intro;
};

TEST_F(EndToEndTest, ARiverReleaseFromThePropertiesScreenToTheFinalReport) {
    {
        TPchemFate screen;
        screen.FormActivate();
        screen.ChemId->TypeText("E2E-01");
        screen.ChemId->OnExit();
        screen.ChemName->SetText("Test chemical");
        screen.Bcf->SetText("50");
        screen.Mw->SetText("100");
        screen.SurfaceWater->SetChecked(true);
        screen.Pdm->SetChecked(true);
        QTest::mouseClick(screen.CloseFateScreen, Qt::LeftButton);
        ASSERT_EQ(screen.ModalResult(), forms::mrOk);
    }
    ASSERT_EQ(SelectedChemId, "E2E-01");
    TScrMain mainPage;
    // The WordPerfect report format, as the main page shows it.
    mainPage.NoWord->setVisible(true);
    mainPage.NoWp->setVisible(false);
    TScrLevelForm releases;
    releases.show();
    releases.FormShow();
    releases.FormActivate();
    releases.SurfWaterCheck->SetChecked(true);
    releases.FacilityRadio->SetChecked(true);
    Type(releases.FacilityRel, "2");
    Type(releases.SurfDays, "250");
    Type(releases.NpdesGri, "NY0020371");
    Type(releases.Coc0, "5");
    QTest::mouseClick(releases.GenRelInfoContinue, Qt::LeftButton);
    ASSERT_EQ(releases.ScreenPages->currentWidget(), releases.ExpFactorsPage);

    bool seen = false;
    ui.OnNextModal([&](forms::Form& shown) {
        auto* results = dynamic_cast<TScrResForm*>(&shown);
        if (!results)
            return int(forms::mrCancel);
        seen = true;
        EXPECT_EQ(results->ChemListSite->Cells(0, 1), "E2E-01,1");
        EXPECT_EQ(results->ChemListPdmSite->Cells(0, 1), "E2E-01,1");
        EXPECT_EQ(results->FieldText("NpdesSite"), "NY0020371");
        EXPECT_EQ(results->FieldText("PreTreatSite"), "2.00");
        EXPECT_EQ(results->FieldText("Coc0PdmSite"), "5.00");
        return int(forms::mrOk);
    });
    QTest::mouseClick(releases.ExpFactorContinue, Qt::LeftButton);
    EXPECT_TRUE(seen);

    const std::vector<DilutionRow> rows =
        ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::Site);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_DOUBLE_EQ(rows[0].coc, 5);
    EXPECT_EQ(rows[0].releaseDays, 250);
    EXPECT_EQ(rows[1].coc, NoDilutionResult);
    const std::string report = sys::NativePath(DataFolder + "E2E-01.wpd");
    EXPECT_TRUE(sys::FileExists(report));
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Final report stored as " + report);

    // The same request with Word as the report format.
    mainPage.NoWord->setVisible(false);
    mainPage.NoWp->setVisible(true);
    InstallWordReportWriters();
    ui.ClearShown();
    QTest::mouseClick(releases.ExpFactorContinue, Qt::LeftButton);
    releases.hide();
    const std::string word = sys::NativePath(DataFolder + "E2E-01.doc");
    EXPECT_TRUE(sys::FileExists(word));
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().text, "Final report stored as " + word);
}

}  // namespace
