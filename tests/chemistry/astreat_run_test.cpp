// The treatment-model dialog with the stand-in model: inputs, calculations, the file exchange and
// the result, and every way a run can fail without leaving a result behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <cstdio>
#include <filesystem>

#include "chemistry/astreat_inputs.h"
#include "chemistry/astreat_values.h"
#include "chemistry/pchem_fate.h"
#include "chemistry/print_notes.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "tests/chemistry/chemistry_fixture.h"
#include "tests/chemistry/treatment_dialog.h"

namespace {

class AsTreatRunTest : public ChemistryTest {
  protected:
    void FillDialog(TAsTreatInputs& dialog) { FillTreatmentDialog(dialog); }
    std::vector<std::string> ParameterLines() {
        std::vector<std::string> lines;
        sys::ReadTextLines(ModelFolder() + "/asparms.db", lines);
        return lines;
    }
};

// Worked by hand for the stand-in (Kd 200 L/kg everywhere, unitless Henry 0.05, 0.554/day):
// primary sludge 0.5 x r/(1+r), r = 200 x 200e-6 = 0.04: 1.923 %; basin routes (m3/day) effluent
// 30000, on effluent solids 90, waste sludge 375, air 7500, biodegradation 4155, sum 42120;
// final effluent 30090/42120 x 0.98077 = 70.065 %, so the removal is 29.935 %; sludge 2.796 %,
// 0.0559 kg/day of the 2 kg/day entering (2/30 mg/L in 30 ML/day).
TEST_F(AsTreatRunTest, RunWithTheStandInDeliversRemovalAndSludge) {
    InstallTreatModel();
    TAsTreatInputs dialog;
    FillDialog(dialog);
    EXPECT_DOUBLE_EQ(AsTreatInfluentConc, 2.0 * (1.0 / 30.0));
    EXPECT_DOUBLE_EQ(AsTreatKdSr, 200);
    QTest::mouseClick(dialog.RunAsTreat, Qt::LeftButton);

    ASSERT_TRUE(dialog.RunSucceeded()) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(AsTreatRunDone, 1);
    EXPECT_NEAR(AsTreatWwtRemoval, 29.935, 1e-9);
    EXPECT_NEAR(CurrentPmn.LOSS2SLUDG, 2.796, 1e-12);
    EXPECT_NEAR(AsTreatSludgeAmount, 0.0559 * 250, 1e-9);
    EXPECT_EQ(BoxTexts().back(),
              "AsTreat has estimated WWT to be 29.94.  Loss to sludge is  2.80.");
    EXPECT_EQ(ui.Shown().front().caption, "AsTreat Instructions");

    const std::vector<std::string> lines = ParameterLines();
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[31], "200");
    EXPECT_EQ(lines[33], "0.05");
    EXPECT_EQ(lines[34], "0.06666666666666667");
    EXPECT_EQ(lines[38], "78.11");
    EXPECT_EQ(lines[40], "0.554");
    EXPECT_EQ(lines[49], "1500");  // 2 x 3 x 250 kg/year
    EXPECT_EQ(lines[51], "1");
    EXPECT_EQ(lines[5], "30        plant flow, ML/day");  // the template's own lines stay
    EXPECT_EQ(sys::WorkingFolder(), sys::CanonicalPath(program.path()));
}

TEST_F(AsTreatRunTest, NewDialogRunsTheFirstClassAndSmallValuesKeepTheirDigits) {
    InstallTreatModel();
    TAsTreatInputs dialog;
    FillDialog(dialog);
    dialog.HalfLifeGrid->setCurrentCell(0, 0);
    dialog.HenryUnitless->SetText("2.5e-7");  // below what six decimals can write
    dialog.RunAsTreatClick();
    ASSERT_TRUE(dialog.RunSucceeded());
    const std::vector<std::string> lines = ParameterLines();
    EXPECT_EQ(lines[40], "16.632");
    EXPECT_EQ(lines[33], "2.5e-07");
}

TEST_F(AsTreatRunTest, RefusedRunShowsEveryCheckAndTouchesNoFile) {
    InstallTreatModel();
    ASSERT_TRUE(sys::WriteWholeFile(ModelFolder() + "/asparms.db", "previous parameters\n"));
    ASSERT_TRUE(sys::WriteWholeFile(ModelFolder() + "/treat.out", "previous output\n"));
    AsTreatWwtRemoval = 55;
    AsTreatRunDone = 1;
    TAsTreatInputs dialog;
    FillDialog(dialog);
    dialog.Loading->SetText("0");
    dialog.KdSe->SetText("0");
    dialog.RunAsTreatClick();

    EXPECT_FALSE(dialog.RunSucceeded());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Chemical release must be greater than 0 before running AsTreat",
                              "Kd values must be greater than 0 before running AsTreat"}));
    EXPECT_EQ(AsTreatRunDone, 0);
    EXPECT_EQ(AsTreatWwtRemoval, 55);
    EXPECT_EQ(sys::ReadWholeFile(ModelFolder() + "/asparms.db"), "previous parameters\n");
    EXPECT_EQ(sys::ReadWholeFile(ModelFolder() + "/treat.out"), "previous output\n");
}

TEST_F(AsTreatRunTest, UnreadableOrMissingOutputGivesAnErrorAndNoResult) {
    InstallTreatModel();
    std::filesystem::remove(ModelFolder() + "/treat");
    ASSERT_TRUE(sys::WriteWholeFile(ModelFolder() + "/treat",
                                    "#!/bin/sh\necho 'Run complete.' > treat.out\n"));
    ::chmod((ModelFolder() + "/treat").c_str(), 0755);
    AsTreatWwtRemoval = 55;
    TAsTreatInputs dialog;
    FillDialog(dialog);
    dialog.RunAsTreatClick();
    EXPECT_FALSE(dialog.RunSucceeded());
    EXPECT_EQ(AsTreatRunDone, 0);
    EXPECT_EQ(AsTreatWwtRemoval, 55);
    ASSERT_FALSE(ui.Boxes().empty());
    EXPECT_EQ(ui.Boxes().back().caption, "Error");
    EXPECT_EQ(BoxTexts().back(),
              "The file, treat.out could not be read: it ends before line 41.\nNo values were "
              "obtained.");

    std::filesystem::remove(ModelFolder() + "/treat");
    ui.ClearShown();
    dialog.RunAsTreatClick();
    EXPECT_FALSE(dialog.RunSucceeded());
    EXPECT_EQ(BoxTexts().back(),
              "The file, treat.out was not correctly saved in the astreat program.\nNo values "
              "were obtained.");
}

TEST_F(AsTreatRunTest, FieldsLeftAloneKeepTheirValuesAndBadTextsChangeNothing) {
    AsTreatNumSites = 155;  // shown with two significant digits
    AsTreatLoading = 1234.5678;
    TAsTreatInputs dialog;
    dialog.FormActivate();
    EXPECT_EQ(dialog.NumSites->Text(), "1.6E+02");
    EXPECT_EQ(dialog.Loading->Text(), "1234.57");  // grouping comma filtered out
    ASSERT_TRUE(dialog.CollectAsTreatInputs());
    EXPECT_EQ(AsTreatNumSites, 155);
    EXPECT_EQ(AsTreatLoading, 1234.5678);

    dialog.NumDays->SetText("250");
    dialog.Density->SetText("1e");
    EXPECT_FALSE(dialog.CollectAsTreatInputs());
    EXPECT_EQ(BoxTexts().back(), "Density: \"1e\" is not a number. Please correct it.");
    EXPECT_EQ(AsTreatDays, 0) << "nothing is taken from a collection that failed";

    // Leaving a field with such a text shows the held value again.
    dialog.Density->OnExit();
    EXPECT_EQ(dialog.Density->Text(), "0.00");
    EXPECT_EQ(AsTreatDensity, 0);
}

TEST_F(AsTreatRunTest, CalculationsOfTheThreePages) {
    TAsTreatInputs dialog;
    dialog.FormActivate();
    dialog.Loading->SetText("30");
    QTest::mouseClick(dialog.CalculateLoad, Qt::LeftButton);
    EXPECT_EQ(AsTreatInfluentConc, 1);
    EXPECT_EQ(dialog.InfluentConc->Text(), "1.00");

    CurrentPmn.VP = 10;
    dialog.Mw->SetText("100");
    dialog.Solubility->SetText("1000");
    ClickCheckBox(dialog.ChoiceB);
    EXPECT_FALSE(dialog.ChoiceA->Checked());
    QTest::mouseClick(dialog.Calculate, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(AsTreatHenryUnitless, 0.054);  // 10 x 100 x 0.054 / 1000
    EXPECT_DOUBLE_EQ(AsTreatHenry, 0.054 * (1 / 40.92));

    ClickCheckBox(dialog.ChoiceA);
    EXPECT_FALSE(dialog.ChoiceB->Checked());
    dialog.HenryUnits->SetText("0.5");
    dialog.Calculate->Click();
    EXPECT_DOUBLE_EQ(AsTreatHenryUnitless, 0.5 * 40.92);

    dialog.Kow->SetText("-0.4");
    dialog.CalculateKd->Click();
    EXPECT_DOUBLE_EQ(AsTreatKdPe, 0.2);
    EXPECT_EQ(dialog.KdSr->Text(), "0.20");
}

// The properties screen copies the model's values only after a run that succeeded in the visit.
TEST_F(AsTreatRunTest, PropertiesScreenTakesOnlyASucceededRun) {
    InstallTreatModel();
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "101000100";
        r.WWT_LOW = 42;
        r.KOW = 3.7;
    });
    TPchemFate screen;
    screen.FormActivate();
    ASSERT_TRUE(forms::Visible(screen.CalcLowWwt));
    AsTreatWwtRemoval = 99;                                // left from an earlier visit
    QTest::mouseClick(screen.CalcLowWwt, Qt::LeftButton);  // the dialog is closed unrun
    EXPECT_EQ(screen.Wwt->Text(), "42.00");
    EXPECT_EQ(CurrentPmn.WWT_LOW, 42);

    ui.OnNextModal([this](forms::Form& form) {
        auto& dialog = dynamic_cast<TAsTreatInputs&>(form);
        FillDialog(dialog);
        dialog.RunAsTreatClick();
        return int(forms::mrOk);
    });
    screen.CalcLowWwtClick();
    EXPECT_NEAR(CurrentPmn.WWT_LOW, 29.935, 1e-9);
    EXPECT_EQ(screen.Wwt->Text(), "29.94");
    EXPECT_EQ(CurrentPmn.MW, 78.11);
    EXPECT_EQ(screen.Mw->Text(), "78.11");
}

}  // namespace

namespace {

// Text as pdftotext gives it back: runs of blanks as one, the "fi" ligature as two letters.
std::string Normalised(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\xef\xac\x81") == 0) {
            out += "fi";
            i += 2;
        } else if (text[i] != ' ' || out.empty() || out.back() != ' ') {
            out += text[i];
        }
    }
    return out;
}

TEST_F(AsTreatRunTest, NotesBoxPrintsItsNineStepsUnderItsHeadings) {
    const std::string pdf = program / "notes.pdf";
    SetNotesPrintFile(pdf);
    TAstreatBox notes;
    QTest::mouseClick(notes.BitBtn2, Qt::LeftButton);
    SetNotesPrintFile("");
    ASSERT_TRUE(sys::FileExists(pdf));
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            text += buffer;
        }
        ::pclose(pipe);
    }
    text = Normalised(text);
    size_t at = text.find("Notes on Using AsTreat for Nyr");
    ASSERT_NE(at, std::string::npos) << text;
    at = text.find("Steps to follow while in AsTreat:", at);
    ASSERT_NE(at, std::string::npos) << text;
    for (const char* step : kAsTreatSteps) {
        at = text.find(Normalised(step), at);
        EXPECT_NE(at, std::string::npos) << step << "\n" << text;
    }
}

}  // namespace

namespace {

TEST_F(AsTreatRunTest, NextButtonsWalkThePagesAndHelpOpensItsTopic) {
    TAsTreatInputs dialog;
    dialog.FormActivate();
    EXPECT_EQ(dialog.AsTreatPages->currentWidget(), dialog.WasteWaterLoading);
    QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(dialog.AsTreatPages->currentWidget(), dialog.Biodeg);
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(dialog.AsTreatPages->currentWidget(), dialog.Volatilization);
    QTest::mouseClick(dialog.BitBtn4, Qt::LeftButton);
    EXPECT_EQ(dialog.AsTreatPages->currentWidget(), dialog.Sorption);
    QTest::mouseClick(dialog.FateHelp, Qt::LeftButton);
    EXPECT_EQ(ui.Shown().back().caption, "AsTreat_Inputs");
    EXPECT_EQ(dialog.HalfLifeGrid->Cells(2, 4), "     10000");
    EXPECT_EQ(dialog.HalfLifeGrid->Row(), 0) << "a new dialog has the first class chosen";
}

}  // namespace

namespace {

// A visit without a run that succeeded leaves the record as it was, although the calculations
// and the vapour-pressure field work on its log Kow and vapour pressure meanwhile.
TEST_F(AsTreatRunTest, ADialogClosedWithoutARunLeavesTheRecordAsItWas) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "101000100";
        r.CHEMNAME = "kept";
        r.BCF = 5;
        r.KOW = 3.7;
        r.VP = 2;
        r.MW = 50;
        r.WSOLUBLE = 100;
    });
    TPchemFate screen;
    screen.FormActivate();
    ui.OnNextModal([](forms::Form& form) {
        auto& dialog = dynamic_cast<TAsTreatInputs&>(form);
        dialog.Kow->SetText("5.2");
        QTest::mouseClick(dialog.Calculate, Qt::LeftButton);
        dialog.VpUnits->ChooseItem(1);  // atm
        dialog.Vp->OnEnter();
        dialog.Vp->SetText("1");
        dialog.Vp->OnExit();
        // The dialog works on the record while it is open.
        EXPECT_EQ(CurrentPmn.KOW, 5.2);
        EXPECT_EQ(CurrentPmn.VP, 760);
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        return dialog.ModalResult();
    });
    QTest::mouseClick(screen.CalcLowWwt, Qt::LeftButton);
    EXPECT_EQ(CurrentPmn.KOW, 3.7);
    EXPECT_EQ(CurrentPmn.VP, 2);
    EXPECT_EQ(screen.LogKow->Text(), "3.70");

    screen.CloseFateScreenClick();
    ASSERT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(Row("abc,1").KOW, 3.7);
    EXPECT_EQ(Row("abc,1").VP, 2);
}

// Held values of an earlier run (another chemical's) never replace the chemical's own when a
// field is passed through without typing.
TEST_F(AsTreatRunTest, FieldsPassedThroughKeepTheChemicalsValues) {
    AsTreatSolubility = 999;
    AsTreatHenry = 9;
    AsTreatMw = 99;
    AsTreatVp = 9999;
    CurrentPmn.WSOLUBLE = 100;
    CurrentPmn.HENRY = 0.002;
    CurrentPmn.MW = 50;
    CurrentPmn.VP = 3;
    TAsTreatInputs dialog;
    dialog.FormActivate();
    struct Case {
        forms::TEdit* field;
        const char* shown;
    };
    const Case cases[] = {{dialog.Solubility, "100.00"},
                          {dialog.HenryUnits, "2.00E-03"},
                          {dialog.Mw, "50.00"},
                          {dialog.Vp, "3.00"}};
    for (const Case& c : cases) {
        c.field->OnEnter();
        EXPECT_EQ(c.field->Text(), "");
        c.field->OnExit();
        EXPECT_EQ(c.field->Text(), c.shown);
    }
    ASSERT_TRUE(dialog.CollectAsTreatInputs());
    EXPECT_EQ(AsTreatSolubility, 100);
    EXPECT_EQ(AsTreatHenry, 0.002);
    EXPECT_EQ(AsTreatMw, 50);
    EXPECT_EQ(CurrentPmn.VP, 3);
}

}  // namespace
