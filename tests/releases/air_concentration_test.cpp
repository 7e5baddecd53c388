// "Calculate Air Concentration": the release handed to a stand-in predictor script and its answer
// taken back, a predictor that cannot start, and an answer that is not complete.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"

namespace {

class AirConcentrationTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        predictorFolder = program / "chimra";
        ASSERT_TRUE(sys::MakeFolder(predictorFolder));
        ChimraProgramPath = predictorFolder + "\\chimramn.exe";
        Open();
        form->FugitiveCheck->SetChecked(true);
        Type(form->Incinerate, "2");
        Type(form->IncinDays, "100");
        form->StoreReleaseInputs(false);
        ui.ClearShown();
    }

    // A stand-in predictor: records its request and working folder, then answers with the text.
    void InstallPredictor(const std::string& answer) {
        ASSERT_TRUE(sys::WriteWholeFile(predictorFolder + "/answer", answer));
        const std::string script =
            "#!/bin/sh\ncp chimra.in seen.in\npwd > seen.folder\ncat answer > chimra.out\n";
        const std::string path = predictorFolder + "/chimramn";
        ASSERT_TRUE(sys::WriteWholeFile(path, script));
        ::chmod(path.c_str(), 0755);
    }

    std::string predictorFolder;
};

TEST_F(AirConcentrationTest, GoodAnswerIsStoredWithTheRelease) {
    InstallPredictor(
        "1.500000e-03\n2.000000e-02\n0.000000e+00\n0.000000e+00\ntrue\n"
        "Stability and Wind Speed\nC\n");
    Click(form->CalcAirConc);
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts()[0];
    EXPECT_EQ(FileText(predictorFolder + "/seen.in"), std::string(kChem) + ",1\n");
    EXPECT_EQ(
        sys::CanonicalPath(FileText(predictorFolder + "/seen.folder")
                               .substr(0, FileText(predictorFolder + "/seen.folder").size() - 1)),
        sys::CanonicalPath(predictorFolder));
    EXPECT_EQ(form->AirConcRel->Text(), "1.50E-03");
    EXPECT_EQ(form->AirConcAcuteRel->Text(), "2.00E-02");
    EXPECT_TRUE(form->Downwash->Checked());
    EXPECT_EQ(form->MetClass->Text(), "Stability and Wind Speed");
    EXPECT_EQ(form->StabClass->Text(), "2");

    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_DOUBLE_EQ(CurrentPmn.IREL_DOWN, 1.5e-3);
    EXPECT_DOUBLE_EQ(CurrentPmn.ACUTE_CONC, 0.02);
    EXPECT_EQ(CurrentPmn.STABCLASS, 2) << "C is class 2 of 0..5";
    EXPECT_EQ(CurrentPmn.DOWNWASH, 1);
    EXPECT_EQ(CurrentPmn.METCLASS, "Stability and Wind Speed");
    EXPECT_DOUBLE_EQ(CurrentPmn.INCINREL, 2);
    EXPECT_EQ(CurrentPmn.RELEASES.substr(2), "XX");

    // The next store keeps the exact values, not the texts shown.
    EXPECT_EQ(form->StoreReleaseInputs(true), 1) << BoxTexts().back();
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_DOUBLE_EQ(CurrentPmn.IREL_DOWN, 1.5e-3);
    EXPECT_EQ(CurrentPmn.STABCLASS, 2);
}

TEST_F(AirConcentrationTest, FailedStartSaysSoAndKeepsTheStoredValues) {
    LoadScenarioRecord(std::string(kChem) + ",1");
    CurrentPmn.IREL_DOWN = 0.7;
    CurrentPmn.METCLASS = "Stability Class Only";
    CurrentPmn.STABCLASS = 4;
    SaveScenarioRecord();
    form->ShowReleaseInputs();
    ui.ClearShown();
    Click(form->CalcAirConc);  // no predictor program in its folder
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_NE(ui.Boxes()[0].text.find("could not be started"), std::string::npos);
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_DOUBLE_EQ(CurrentPmn.IREL_DOWN, 0.7);
    EXPECT_EQ(CurrentPmn.METCLASS, "Stability Class Only");
    EXPECT_EQ(CurrentPmn.STABCLASS, 4);
    EXPECT_EQ(form->AirConcRel->Text(), "0.70");
}

TEST_F(AirConcentrationTest, ShortAnswerKeepsTheStoredValues) {
    LoadScenarioRecord(std::string(kChem) + ",1");
    CurrentPmn.ACUTE_CONC = 0.3;
    CurrentPmn.STABCLASS = 3;
    SaveScenarioRecord();
    form->ShowReleaseInputs();
    InstallPredictor("0.00\n0.00\n");
    ui.ClearShown();
    Click(form->CalcAirConc);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    ASSERT_TRUE(LoadRow(std::string(kChem) + ",1"));
    EXPECT_DOUBLE_EQ(CurrentPmn.ACUTE_CONC, 0.3);
    EXPECT_EQ(CurrentPmn.STABCLASS, 3);
    EXPECT_EQ(form->StabClass->Text(), "3");
}

TEST_F(AirConcentrationTest, NoAirReleaseStartsNothing) {
    InstallPredictor("1\n1\n1\n1\ntrue\nFull\nA\n");
    Type(form->Incinerate, "0");
    ui.ClearShown();
    Click(form->CalcAirConc);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "You must enter a stack release value and/or a fugitive release value\nbefore "
              "calculating air concentrations.");
    EXPECT_EQ(ui.Boxes()[0].caption, "note");
    EXPECT_EQ(FileText(predictorFolder + "/chimra.in"), std::string(kChem) + ",1\n");
    EXPECT_FALSE(sys::FileExists(predictorFolder + "/seen.in"));
}

}  // namespace
