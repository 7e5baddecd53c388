// The predictor's window: start-up and the exchange files, the release shown with its defaults,
// submits that run, refuse or fail, and what reaches the row and chimra.out.
#include "predictor/main_form.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "predictor/model_deck.h"
#include "predictor/units.h"
#include "tests/predictor/model_doubles.h"
#include "tests/predictor/scenario_fixture.h"
#include "tests/predictor/temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

class PredictorFormTest : public ::testing::Test {
  protected:
    void Prepare(const std::vector<RowValues>& rows, const std::string& request,
                 const char* model = kEchoModel) {
        MakeScenarioTable(folder.path(), rows);
        ASSERT_TRUE(sys::WriteWholeFile(folder / "data.drv", folder.path() + "/\n"));
        ASSERT_TRUE(sys::WriteWholeFile(folder / "chimra.in", request));
        sys::MakeFolder(folder / "plumo3");
        ASSERT_TRUE(sys::WriteWholeFile(folder / "plumo3/plumos.bat", model));
    }
    TMainForm& Open() {
        form = std::make_unique<TMainForm>(PredictorOptions{folder.path(), 2000});
        form->FormActivate();
        return *form;
    }
    Lines ChimraOut() {
        Lines lines;
        sys::ReadTextLines(folder / "chimra.out", lines);
        return lines;
    }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const forms::ShownItem& item : ui.Boxes())
            texts.push_back(item.text);
        return texts;
    }
    std::string Field(const std::string& key, const std::string& field) {
        return FieldOf(folder.path(), key, field);
    }
    void ClickSubmit() { QTest::mouseClick(form->Submit, Qt::LeftButton); }

    TempFolder folder;
    forms::ScriptedUi ui;
    std::unique_ptr<TMainForm> form;
};

const RowValues kStored = {{"IREL_DOWN", "0.00123"}, {"ACUTE_CONC", "0.0045"},
                           {"IREL_DOWNF", "0.0067"}, {"ACUTECONCF", "0.0089"},
                           {"DOWNWASH", "1"},        {"METCLASS", "Stability Class Only"},
                           {"STABCLASS", "3"}};

TEST_F(PredictorFormTest, StartUpNamesTheCallerAndHandsTheStoredValuesBack) {
    Prepare({ReleaseRow("A,1", {{"RELEASES", "X"}}), ReleaseRow("A,2"), ReleaseRow("A,3", kStored)},
            "A,3\ndide2\n");
    TMainForm& f = Open();
    EXPECT_EQ(f.Caption(), "dide2 Downwind Concentration Predictor");
    EXPECT_EQ(f.BitBtn1->text().toStdString(), "Return to dide2");
    EXPECT_EQ(f.Label1->Text().substr(0, 29), "dide2 will use Varn's PLUMO3 ");
    EXPECT_EQ(f.PMNNumber->ItemCount(), 2);
    EXPECT_EQ(f.PMNNumber->Text(), "A,3");
    EXPECT_FALSE(f.PMNNumber->isEnabled());
    // Leaving without a run hands back what the release already holds.
    EXPECT_TRUE(AnswerMatchesRow(folder.path(), "A,3"));
    EXPECT_EQ(ChimraOut(), (Lines{"1.23e-03", "4.5e-03", "6.7e-03", "8.9e-03", "true",
                                  "Stability Class Only", "D"}));
    EXPECT_TRUE(ui.Boxes().empty());
    f.BitBtn1Click();
    EXPECT_FALSE(f.TableOpen());
}

TEST_F(PredictorFormTest, AnyOtherCallerWordIsTheMainProgram) {
    Prepare({ReleaseRow("A,1")}, "A,1\nDIDE2\n");
    EXPECT_EQ(Open().Caption(), "Ombrix 2014 Downwind Concentration Predictor");
}

TEST_F(PredictorFormTest, AKeyNotListedIsRefusedByName) {
    Prepare({ReleaseRow("A,1"), ReleaseRow("A,2", {{"RELEASES", "X"}})}, "A,2\n");
    Open();
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(BoxTexts()[0].find("The release A,2 has no stack or fugitive release"),
              std::string::npos);
    EXPECT_EQ(ChimraOut()[4], "false") << "the release's own values, nothing from A,1";
}

TEST_F(PredictorFormTest, MissingExchangeFilesAreNamedAndNothingIsOpened) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    sys::DeleteFile(folder / "data.drv");
    EXPECT_FALSE(Open().TableOpen());
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0],
              "Could not read the data folder from data.drv in " + folder.path() + ".");
    EXPECT_FALSE(sys::FileExists(folder / "chimra.out")) << "no answer: the caller keeps its own";

    ui.ClearShown();
    sys::WriteWholeFile(folder / "data.drv", folder.path() + "/\n");
    sys::DeleteFile(folder / "chimra.in");
    EXPECT_FALSE(Open().TableOpen());
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0].substr(0, 44), "Could not read the release to open from chim");
}

TEST_F(PredictorFormTest, MissingTableAsksToRetryAndCancelLeavesItClosed) {
    Prepare({ReleaseRow("A,1")}, "A,1\n");
    sys::DeleteFile(folder / "nyr01.dbf");
    sys::WriteWholeFile(folder / "chimra.out", "1\n2\n3\n4\ntrue\nFull\nB\n");  // an earlier run's
    ui.AnswerNextBox(forms::mrRetry);
    ui.AnswerNextBox(forms::mrCancel);
    TMainForm& f = Open();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>(
                              2,
                              "Could not find required database file! Do you wish to retry "
                              "or cancel?")));
    EXPECT_FALSE(f.TableOpen());
    EXPECT_FALSE(sys::FileExists(folder / "chimra.out")) << "no answer: the caller keeps its own";
}

TEST_F(PredictorFormTest, ShowsDefaultsAndOnlyTheSourcesReleased) {
    Prepare({ReleaseRow("A,1", {{"INCINREL", "0"},
                                {"STKHTU", "ft"},
                                {"FIELDLENU", "rod"},
                                {"FWIDTHU", "rod"},
                                {"FUGRELHT", "-9"}}),
             ReleaseRow("A,2", {{"INCINREL", "2"}})},
            "A,1\n");
    TMainForm& f = Open();
    EXPECT_FALSE(forms::Visible(f.StkHt));
    EXPECT_TRUE(forms::Visible(f.FugRelHt));
    EXPECT_EQ(f.FieldWidthUnits->Text(), "m");
    // -9 shown on the first activation becomes a 3 m release from a 10 m by 10 m opening.
    EXPECT_EQ(f.FugRelHt->Text(), "3");
    EXPECT_EQ(f.FieldLen->Text(), "10");
    EXPECT_EQ(f.FieldLenUnits->Text(), "m");
    EXPECT_EQ(f.AmbTemp->Text(), "298");
    EXPECT_EQ(f.Distance->Text(), "100");
    EXPECT_EQ(f.LandUse->Text(), "Urban");
    EXPECT_EQ(f.MetClass->Text(), "Full");
    EXPECT_FALSE(forms::Visible(f.StabClass));
    EXPECT_FALSE(forms::Visible(f.WindSpeed));
    EXPECT_FALSE(f.PageControl1->isTabVisible(2));

    Prepare({}, "A,2\n");  // the same table, the other release
    MakeScenarioTable(folder.path(),
                      {ReleaseRow("A,2", {{"INCINREL", "2"}, {"FIELDLENU", "rod"}})});
    TMainForm& g = Open();
    EXPECT_TRUE(forms::Visible(g.StkHt));
    EXPECT_EQ(g.StkHt->Text(), "10");
    EXPECT_EQ(g.StkHtUnits->Text(), "m");
    EXPECT_EQ(g.StkExitTemp->Text(), "293");
    EXPECT_EQ(g.FieldLenUnits->Text(), "yds") << "an unknown length unit was yards";
}

TEST_F(PredictorFormTest, SubmitRunsPostsAtFullPrecisionAndHandsTheResultsBack) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    TMainForm& f = Open();
    f.StkHt->SetText("20");
    ClickSubmit();
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts()[0];
    // The echo model gives the emission as mg/m3: 10 kg/day for 250 days is 0.0792745 g/s
    // (annual, x 0.08), for 365 days 0.115741 (x 0.4); the fugitive 1 kg/day, 50 % removal,
    // 365 days over 10 m x 10 m, 5.78704e-05 (annual x 0.08, 24-hour as it is).
    EXPECT_EQ(Field("A,1", "IREL_DOWN"), sys::Format("%.15g", 0.0792745 * 0.08));
    EXPECT_EQ(Field("A,1", "ACUTE_CONC"), sys::Format("%.15g", 0.115741 * 0.4));
    EXPECT_EQ(Field("A,1", "IREL_DOWNF"), sys::Format("%.15g", 5.78704e-05 * 0.08));
    EXPECT_EQ(Field("A,1", "ACUTECONCF"), sys::Format("%.15g", 5.78704e-05));
    EXPECT_EQ(Field("A,1", "STK_HT"), "20");
    EXPECT_EQ(f.Results->Text(), "6.34E-03");
    EXPECT_EQ(f.ResultsAcuteFug->Text(), "5.79E-05");
    EXPECT_TRUE(forms::Visible(f.Results));
    EXPECT_EQ(ChimraOut(), (Lines{"6.34196e-03", "4.62964e-02", "4.629632e-06", "5.78704e-05",
                                  "true", "Stability Class Only", "D"}));
    EXPECT_TRUE(AnswerMatchesRow(folder.path(), "A,1")) << "every digit the row holds";
    // The class goes to the model as 4 (D) and stays 3 in the row.
    Lines deck;
    sys::ReadTextLines(folder / "badinput12", deck);
    EXPECT_EQ(Lines(deck.begin() + 16, deck.begin() + 18), (Lines{"2", "4"}));
    EXPECT_EQ(Field("A,1", "STABCLASS"), "3");
    EXPECT_EQ(Field("A,1", "FACLEN"), "10") << "the facility the model ran with";
    EXPECT_EQ(Field("A,1", "INCINREL"), "10") << "read-only values are not written back";
}

TEST_F(PredictorFormTest, FullMetClassStoresNoClassAndAnswersA) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    TMainForm& f = Open();
    EXPECT_EQ(f.StabClass->Text(), "D");
    f.MetClass->SetText("Full");
    f.ShowMetParams();
    ClickSubmit();
    EXPECT_EQ(Field("A,1", "STABCLASS"), "0");
    EXPECT_EQ(Field("A,1", "METCLASS"), "Full");
    EXPECT_EQ(ChimraOut()[5], "Full");
    EXPECT_EQ(ChimraOut()[6], "A");
}

TEST_F(PredictorFormTest, RefusalsShowOnceAndRunNothing) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    TMainForm& f = Open();
    std::string before = sys::ReadWholeFile(folder / "chimra.out").value();
    f.AmbTemp->SetText("-1");
    f.TerrainHt->SetText("-1");
    ClickSubmit();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                              "The Ambient Temperature must be greater than or equal to zero."});
    EXPECT_FALSE(sys::FileExists(folder / "plumo3.dat"));
    EXPECT_FALSE(sys::FileExists(folder / "badmessages"));
    EXPECT_EQ(sys::ReadWholeFile(folder / "chimra.out"), before);
    EXPECT_EQ(Field("A,1", "AMB_TMP"), "-1") << "the inputs are kept in the row";
    // The result boxes appear with the results the row holds.
    EXPECT_TRUE(forms::Visible(f.Results));
    EXPECT_EQ(f.Results->Text(), "1.23E-03");
    EXPECT_EQ(f.ResultsAcute->Text(), "4.50E-03");
    EXPECT_EQ(f.ResultsFug->Text(), "6.70E-03");
    EXPECT_EQ(f.ResultsAcuteFug->Text(), "8.90E-03");
}

TEST_F(PredictorFormTest, ZeroDistanceOrWindSpeedIsRefusedByNameBeforeAnyRun) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    TMainForm& f = Open();
    f.MetClass->SetText("Stability and Wind Speed");
    f.ShowMetParams();
    const std::string wind = "The Wind Speed must be greater than zero.";
    const std::string distance =
        "The Distance to the Residence of Concern must be greater than zero.";
    const struct {
        const char* windSpeed;
        const char* distance;
        const std::string& message;
    } cases[] = {{"0", "100", wind}, {"-2", "100", wind}, {"", "100", wind}, {"3", "0", distance}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.windSpeed) + " / " + c.distance);
        ui.ClearShown();
        f.WindSpeed->SetText(c.windSpeed);
        f.Distance->SetText(c.distance);
        ClickSubmit();
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(sys::FileExists(folder / "plumo3.dat")) << "no model run";
    }
    ui.ClearShown();
    f.Distance->SetText("250");
    ClickSubmit();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(Field("A,1", "WNDSPD"), "3");
    EXPECT_EQ(Field("A,1", "NEAR_RES"), "250");
}

TEST_F(PredictorFormTest, AspectRatioAndNonNumbersRefuseBeforeAnythingIsStored) {
    Prepare({ReleaseRow("A,1")}, "A,1\n");
    TMainForm& f = Open();
    f.FieldLen->SetText("101");
    f.StkHt->SetText("33");
    ClickSubmit();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(BoxTexts()[0].substr(0, 22), "Length of opening cann");
    EXPECT_EQ(Field("A,1", "STK_HT"), "") << "nothing posted";
    ui.ClearShown();
    f.FieldLen->SetText("ten");
    ClickSubmit();
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"The Length of Release Opening \"ten\" is not a number."});
    EXPECT_EQ(Field("A,1", "STK_HT"), "");
}

const std::string kRunFailed =
    "An error has occurred running PLUMO3. Please check your inputs and rerun the model.\n\n";

TEST_F(PredictorFormTest, AFailedRunSaysWhyAndShowsWhatIsStored) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n", kSilentModel);
    TMainForm& f = Open();
    std::string before = sys::ReadWholeFile(folder / "chimra.out").value();
    f.StkHt->SetText("20");
    ClickSubmit();
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{
                  kRunFailed + "Stack source, annual average: the model wrote no plumo.out"});
    // The row and chimra.out keep the last good results, and so does the form.
    EXPECT_EQ(f.Results->Text(), "1.23E-03");
    EXPECT_EQ(f.ResultsAcute->Text(), "4.50E-03");
    EXPECT_EQ(f.ResultsFug->Text(), "6.70E-03");
    EXPECT_EQ(f.ResultsAcuteFug->Text(), "8.90E-03");
    EXPECT_EQ(Field("A,1", "IREL_DOWN"), "0.00123");
    EXPECT_EQ(Field("A,1", "ACUTECONCF"), "0.0089");
    EXPECT_EQ(Field("A,1", "STK_HT"), "20") << "the inputs are kept";
    EXPECT_EQ(sys::ReadWholeFile(folder / "chimra.out"), before);
}

TEST_F(PredictorFormTest, TheModelsReasonForRefusingAnInputIsShown) {
    Prepare({ReleaseRow("A,1", kStored)}, "A,1\n");
    ASSERT_TRUE(InstallStandInModel(folder.path()));
    TMainForm& f = Open();
    f.StkExitTemp->SetText("0");
    f.StkExitTempUnits->SetText("K");
    ClickSubmit();
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{
                  kRunFailed + "Stack source, annual average: ERROR IN INPUT: line 7: the stack "
                               "gas temperature must be above 0"});
    EXPECT_EQ(f.Results->Text(), "1.23E-03");
}

TEST_F(PredictorFormTest, DownwashTickShowsItsPageWithUnits) {
    Prepare({ReleaseRow("A,1")}, "A,1\n");
    TMainForm& f = Open();
    f.show();
    f.PageControl1->setCurrentWidget(f.MetData);
    EXPECT_FALSE(f.PageControl1->isTabVisible(2));
    QTest::mouseClick(f.Downwash, Qt::LeftButton, {}, QPoint(8, f.Downwash->height() / 2));
    EXPECT_TRUE(f.Downwash->Checked());
    EXPECT_TRUE(f.PageControl1->isTabVisible(2));
    EXPECT_EQ(f.FacLenUnits->Text(), "m");
    f.FacHt->SetText("12");
    f.FacHtUnits->SetText("ft");
    ClickSubmit();
    EXPECT_EQ(Field("A,1", "DOWNWASH"), "1");
    EXPECT_EQ(Field("A,1", "FACHT"), "12");
    EXPECT_EQ(Field("A,1", "FACHTU"), "ft");
    EXPECT_EQ(Field("A,1", "FACWD"), "10");
    Lines deck;
    sys::ReadTextLines(folder / "badinput11", deck);
    EXPECT_EQ(Lines(deck.begin() + 10, deck.begin() + 14),
              (Lines{"y", "3.6576", "10", "10"}));  // 12 ft = 3.6576 m
}

}  // namespace
