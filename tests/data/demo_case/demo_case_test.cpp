// The demonstration case of the shipped scenario table, run as a newcomer runs it without typing:
// the chemical chosen on the properties screen, the releases as shipped, the exposure factors of
// an adult, and the results pages compared with values worked by hand from the shipped tables.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "releases/results_handoff.h"
#include "releases/scr_level_form.h"
#include "results/scr_res_form.h"
#include "scenario/globals.h"
#include "shell/intro.h"
#include "shell/scr_main.h"
#include "tests/shell/forms/program_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDemo = "DEMO-0001";

std::string Key(int release) {
    return std::string(kDemo) + "," + std::to_string(release);
}

class DemoCaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(OMBRIX_PROGRAM_DIR)) {
            if (entry.path().extension() == ".wpd")
                fs::copy_file(entry.path(), program / entry.path().filename().string(),
                              fs::copy_options::overwrite_existing);
        }
        intro.FormActivate();
        ASSERT_TRUE(intro.StartupDone());
        SetResultsFormOpener(OpenScrResForm);
        ui.ClearShown();
    }
    void TearDown() override { SetResultsFormOpener(nullptr); }

    // Clicks a row of a result page's release list, with the page in front.
    static void ClickRow(TScrResForm& form, QWidget* page, forms::TStringGrid* list, int row) {
        form.ScrResults->setCurrentWidget(page);
        QCoreApplication::processEvents();
        const QRect cell = list->visualItemRect(list->item(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    std::string BoxTexts() const {
        std::string texts;
        for (const forms::ShownItem& box : ui.Boxes())
            texts += box.text + "\n";
        return texts;
    }

    // Each field of the page shows its text.
    static void ExpectShown(TScrResForm& form,
                            const std::vector<std::pair<std::string, std::string>>& fields) {
        for (const auto& [name, text] : fields)
            EXPECT_EQ(form.FieldText(name), text) << name;
    }

    static std::vector<std::string> Keys(forms::TStringGrid* list) {
        std::vector<std::string> keys;
        for (int row = 1; row < list->RowCount(); ++row)
            keys.push_back(list->Cells(0, row));
        return keys;
    }

    ProgramFolderCopy program{true, ProgramFolderCopy::Scenario::Shipped};
    forms::ScriptedUi ui;
    TIntro intro;
};

// The expected numbers, worked from the shipped tables in the order the doses are defined:
// NY0020371 lies on reach 04011939805 (mean flow 3111.243, 7Q10 220.849 MLD), so the harmonic
// mean flow is 1.194 x (0.409 x 3111.243)^0.473 x (0.409 x 220.849)^0.552 x 2.444987775061125 =
// 1031.3257 MLD. Release 1: 5 kg/site/day, 80 % removed in treatment: 1 kg/day after treatment,
// 1 x 1000 / 1031.3257 = 0.969626 ug/L, 250 days a year. Adult: BW 80 kg, chronic drinking water
// 1.043 L/day, chronic fish 22 g/day, ED 33 and AT 78 years, inhalation 0.6604 m3/hr; BCF 50,
// no drinking-water treatment.
//   drinking water LADD = 0.969626 x 1.043 x 250/365 / 80 x 33/78 x 0.001 = 3.6632e-06
//   drinking water LADC = 0.969626 x 33/78 x 250/365 x 0.001            = 2.8098e-04 mg/L
//   fish LADD = 0.969626 x 22 x 50 x 250/365 / 80 x 33/78 x 1e-6         = 3.8634e-06
//   fish LADC = 0.969626 x 50 x 33/78 x 250/365 x 0.001                 = 1.4049e-02 mg/kg
// Landfill, migration "Moderate" (5.95e-05): release 1 sends 10 % of its water release to sludge,
// 0.5 kg/site/day on 250 days (125 kg/yr); release 2 landfills 10 kg/site/day on 100 days.
//   LADD = kg/yr x 5.95e-05 x 1.043 / 80 x 33/78: 4.1024e-05 and 3.2819e-04
//   LADC = kg/yr x 5.95e-05 x 33/78:              3.1466e-03 and 2.5173e-02 mg/L
// Stack, release 3, with the stored predictor concentrations 1.257072e-05 (annual) and 7.6472e-05
// (24-hour) mg/m3:
//   LADC = 1.257072e-05 x 33/78 = 5.3184e-06; LADD = 24 x LADC x 0.6604 / 80 = 1.0537e-06;
//   ADR = 24 x 7.6472e-05 x 0.6604 / 80 = 1.5151e-05 mg/kg/day.
TEST_F(DemoCaseTest, RunsFromTheShippedTableToTheResultsAndTheFinalReport) {
    {
        TPchemFate screen;
        screen.FormActivate();
        // The shipped case is the chemical offered: nothing is typed.
        ASSERT_EQ(screen.ChemId->Items(), std::vector<std::string>{kDemo});
        ASSERT_EQ(screen.ChemId->Text(), kDemo);
        EXPECT_EQ(screen.ChemName->Text(), "Demo chemical");
        for (forms::TCheckBox* module :
             {screen.SurfaceWater, screen.Landfill, screen.AmbientAir, screen.Flush, screen.Kiv})
            EXPECT_TRUE(module->Checked()) << module->text().toStdString();
        QTest::mouseClick(screen.CloseFateScreen, Qt::LeftButton);
        ASSERT_EQ(screen.ModalResult(), forms::mrOk);
        EXPECT_TRUE(ui.Boxes().empty());
    }
    ASSERT_EQ(SelectedChemId, kDemo);
    TScrMain mainPage;
    mainPage.NoWord->setVisible(true);
    mainPage.NoWp->setVisible(false);
    TScrLevelForm releases;
    releases.show();
    releases.FormShow();
    releases.FormActivate();
    EXPECT_EQ(releases.ChemList->Cells(0, 1), Key(1));
    EXPECT_EQ(releases.ChemList->Cells(0, 3), Key(3));
    QTest::mouseClick(releases.GenRelInfoContinue, Qt::LeftButton);
    ASSERT_EQ(releases.ScreenPages->currentWidget(), releases.ExpFactorsPage);
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts();

    bool shown = false;
    ui.OnNextModal([&](forms::Form& form) {
        auto* results = dynamic_cast<TScrResForm*>(&form);
        if (!results)
            return int(forms::mrCancel);
        shown = true;
        TScrResForm& r = *results;
        EXPECT_EQ(Keys(r.ChemListEnvRel), (std::vector<std::string>{Key(1), Key(2), Key(3)}));
        EXPECT_EQ(Keys(r.ChemListSite), std::vector<std::string>{Key(1)});
        EXPECT_EQ(Keys(r.ChemListPdmSite), std::vector<std::string>{Key(1)});
        EXPECT_EQ(Keys(r.ChemListLandfill), (std::vector<std::string>{Key(1), Key(2)}));
        EXPECT_EQ(Keys(r.ChemListFugitive), std::vector<std::string>{Key(3)});

        // 5 kg/site/day on 250 days at one site.
        EXPECT_EQ(r.FieldText("TotWaterRelEnvRel"), "1,250.00");

        ClickRow(r, r.SurfWaterResPage, r.ChemListSite, 1);
        ExpectShown(r, {{"NpdesSite", "NY0020371"},
                        {"FacNameSite", "HARBOR VALLEY WPCP"},
                        {"HarMeanFlowSite", "1,031.33"},
                        {"PostTreatSite", "1.00"},
                        {"HarMeanConcSite", "0.97"},
                        {"DwLaddSite", "3.66E-06"},
                        {"DwLadcSite", "2.81E-04"},
                        {"FishLaddSite", "3.86E-06"},
                        {"FishLadcSite", "1.40E-02"}});

        ClickRow(r, r.LandfillPage, r.ChemListLandfill, 1);
        ExpectShown(r, {{"ResLaddLand", "4.10E-05"}, {"ResLadcLand", "3.15E-03"}});
        ClickRow(r, r.LandfillPage, r.ChemListLandfill, 2);
        ExpectShown(r, {{"ResLaddLand", "3.28E-04"}, {"ResLadcLand", "2.52E-02"}});

        ClickRow(r, r.FugitivePage, r.ChemListFugitive, 1);
        ExpectShown(r, {{"ChronAirConc", "1.26E-02"},
                        {"AcuteAirConc", "7.65E-02"},
                        {"ResLadcStk", "5.32E-06"},
                        {"ResLaddStk", "1.05E-06"},
                        {"ResAdrStk", "1.52E-05"}});
        return int(forms::mrOk);
    });
    QTest::mouseClick(releases.ExpFactorContinue, Qt::LeftButton);
    releases.hide();
    ASSERT_TRUE(shown);

    const std::string report = sys::NativePath(DataFolder + kDemo + ".wpd");
    EXPECT_TRUE(sys::FileExists(report));
    ASSERT_EQ(ui.Boxes().size(), 1u) << BoxTexts();
    EXPECT_EQ(ui.Boxes()[0].text, "Final report stored as " + report);
}

}  // namespace
