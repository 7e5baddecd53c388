// The down-the-drain form on a small scenario table: activation, checks, the run with the
// treatment-plant category, the results page and the WordPerfect-format document.
#include "disposal/disposal_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>
#include <filesystem>

#include "dilution/disposal_older_run.h"
#include "dilution/disposal_report.h"
#include "dilution/pdm_site_run.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "tests/documents/wpd/wpd_read.h"
#include "tests/scenario/data_layer_fixture.h"
#include "tests/support/radio_groups.h"

namespace {

const char* const ReachA = "03050101001";
const char* const ReachC = "10280000003";

class DisposalFormTest : public fixture::DataLayerTest {
  protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        AddFacility("TA0000001", ReachC, "30", "10000");
        AddFacility("TC0000003", ReachA, "2", "5000");
        Add("rscan\\reach.dbf", {{"REACH", ReachA}, {"MEAN_FLOW", "500"}, {"LOW_FLOW", "40"}});
        Add("rscan\\reach.dbf", {{"REACH", ReachC}, {"MEAN_FLOW", "12000"}, {"LOW_FLOW", "900"}});
        for (const char* name : {"flush.wpd", "flshnpdm.wpd"})
            std::filesystem::copy_file(fixture::ShippedProgramFolder() / name, folder_.File(name));
    }

    void AddFacility(const std::string& npdes, const std::string& reach,
                     const std::string& plantFlow, const std::string& population) {
        Add("duriviz\\sids2004.dbf", {{"NPDES", npdes},
                                      {"SIC", "4952"},
                                      {"REACH", reach},
                                      {"IPOTW", "1"},
                                      {"PLANTFLOW", plantFlow},
                                      {"POP", population},
                                      {"WB_TYPE", "R"},
                                      {"IACC", "A"}});
    }

    void AddRelease(const std::string& key, const std::string& days,
                    const std::string& popNum = "0", const std::string& yearsUse = "30") {
        Add("nyr01.dbf", {{"PMN_ID", key},
                          {"WWT_LOW", "90"},
                          {"H2ODAYLO", days},
                          {"H2ODAYHI", days},
                          {"BW", "70"},
                          {"CANCERAT", "78"},
                          {"BCF", "50"},
                          {"YEARS_USE", yearsUse},
                          {"POP_NUM", popNum}});
    }

    void Open() {
        form_ = std::make_unique<TDisposalForm>();
        form_->show();
        QApplication::processEvents();
        form_->FormActivate();
    }

    // The form on chemical P-7 with the given releases (key, days).
    void OpenOn(const std::vector<std::pair<std::string, std::string>>& releases) {
        for (const auto& [key, days] : releases)
            AddRelease(key, days);
        OpenTables();
        SelectedChemId = "P-7";
        CurrentPmn.CaseNum = "P-7";
        Open();
    }

    // The form on chemical P-7 with one release of 120 days.
    void OpenOnOneRelease() { OpenOn({{"P-7,1", "120"}}); }

    // The same with the older run's tables and the dilution model chosen, a production volume
    // and years of use typed, and the working folder the program folder.
    void OpenForOlderRun() {
        std::filesystem::create_directories(folder_.File("pdm"));
        for (const char* name : {"pdmconc.dat", "pdm4954.dat", "pdma4954.dat"})
            std::filesystem::copy_file(fixture::ShippedProgramFolder() / "pdm" / name,
                                       folder_.File(std::string("pdm/") + name));
        ASSERT_TRUE(sys::SetWorkingFolder(folder_.Path().string()));
        OpenOnOneRelease();
        Click(form_->PdmRunItem);
        Type(form_->ProdVolDispInp, "1000000");
        Type(form_->YrsUseDispInp, "30");
    }

    static void Type(forms::TEdit* edit, const std::string& text) {
        if (edit->OnEnter)
            edit->OnEnter();
        edit->SetText(text);
        if (edit->OnExit)
            edit->OnExit();
    }

    static void Click(QWidget* widget) {
        if (auto* radio = qobject_cast<QRadioButton*>(widget))
            PressButton(radio);
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }

    // Types into an edit as a person does: a click into it, the keys, and a click elsewhere.
    void TypeByHand(forms::TEdit* edit, const std::string& text, QWidget* next) {
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(text));
        QTest::mouseClick(next, Qt::LeftButton);
    }

    // The record of a key as the table holds it now.
    pmn_record Stored(const std::string& key) {
        LoadScenarioRecord(key);
        return CurrentPmn;
    }

    void TearDown() override {
        form_.reset();
        SelectedChemId.clear();
        DataLayerTest::TearDown();
    }

    forms::ScriptedUi ui_;
    std::unique_ptr<TDisposalForm> form_;
    sys::WorkingFolderGuard back_{sys::WorkingFolder()};
};

TEST_F(DisposalFormTest, EmptyScenarioTableIsRefusedAndNothingIsAppended) {
    OpenTables();
    Open();
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_NE(ui_.Boxes()[0].text.find("holds no chemical"), std::string::npos);
    Click(form_->RunDisp);
    EXPECT_TRUE(Tables().PmnTable.IsEmpty());
}

TEST_F(DisposalFormTest, RunWithoutDilutionModelKeepsTheReleaseDays) {
    OpenOn({{"P-7,1", "120"}, {"P-7,2", "200"}});
    EXPECT_EQ(form_->ChemIdDispInp1->Text(), "P-7");
    EXPECT_FALSE(forms::Visible(form_->Coc0DispInp));
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded) << (ui_.Boxes().empty() ? "" : ui_.Boxes()[0].text);
    EXPECT_EQ(form_->DispPages->currentWidget(), form_->DisposalResPage);
    EXPECT_EQ(form_->FieldText("PostTreatDisp"), "9.42E-04");
    EXPECT_EQ(form_->FieldText("HarMeanConc50Disp"), "1.80E-02");
    EXPECT_EQ(form_->FieldText("Conc7q10_10Disp"), "2.43");
    EXPECT_EQ(form_->FieldText("RelDaysDisp"), "365.00");
    // The whole year is used for the run only: the release keeps its own days.
    EXPECT_EQ(Stored("P-7,1").H2ODAYHI, 120);
    EXPECT_EQ(Stored("P-7,1").PRODVOL, 1000000);
    const std::string doc = DataFolder + "P-71.dtd.wpd";
    ASSERT_TRUE(std::filesystem::exists(doc));
    const std::string text = WpdToText(doc);
    EXPECT_EQ(text.find("HOW"), std::string::npos) << text;
    EXPECT_NE(text.find("Post-treatment release: 9.42E-04 g/person/day"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Wastewater treatment removal: 90.          %"), std::string::npos) << text;
    EXPECT_NE(text.find("Release days: 365.00 days/yr"), std::string::npos);
    EXPECT_EQ(text.find("PDM Disposal"), std::string::npos);
    const auto boxes = ui_.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text.rfind("Disposal output saved as ", 0), 0u);
}

// The hidden chemical list follows the chemical of the run, so that the printed page is headed
// with the chemical whose results it shows.
TEST_F(DisposalFormTest, TheRunSelectsItsChemicalInTheHiddenList) {
    OpenOn({{"P-7,1", "120"}, {"P-9,1", "200"}});
    EXPECT_EQ(form_->ChemIdDispInp->Text(), "P-7");
    Type(form_->ChemIdDispInp1, "P-9");
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded) << (ui_.Boxes().empty() ? "" : ui_.Boxes()[0].text);
    EXPECT_EQ(form_->ChemIdDispInp->Text(), "P-9");
    EXPECT_EQ(Stored("P-9,1").PRODVOL, 1000000);
}

TEST_F(DisposalFormTest, InputChecksRefuseZeroAndNegativeValues) {
    OpenOnOneRelease();
    Click(form_->PdmRunItem);
    form_->ProdVolDispInp->SetText("-9");
    form_->YrsUseDispInp->SetText("0");
    form_->Coc0DispInp->SetText("0");
    form_->Coc1DispInp->SetText("0");
    form_->Coc2DispInp->SetText("0");
    ui_.ClearShown();
    Click(form_->RunDisp);
    EXPECT_FALSE(form_->RunSucceeded);
    std::vector<std::string> texts;
    for (const auto& box : ui_.Boxes())
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Production volume must be greater than 0 before running this module.",
                         "Years of use must be greater than 0 before running this module.",
                         "You must input at least one COC before running this module."}));
    EXPECT_EQ(Stored("P-7,1").H2ODAYHI, 120);
}

TEST_F(DisposalFormTest, CategoryRunForTreatmentPlantsOverTheWholeYear) {
    OpenOnOneRelease();
    Click(form_->PdmRunItem);
    EXPECT_TRUE(forms::Visible(form_->Coc0DispInp));
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Type(form_->Coc0DispInp, "0");
    Type(form_->Coc1DispInp, "0");
    Type(form_->Coc2DispInp, "0.0001");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    // (0, 0, c) is compacted to (c, 0, 0); only the first result row shows.
    EXPECT_EQ(form_->Coc0DispInp->Text(), "1.00E-04");
    EXPECT_EQ(form_->Coc2DispInp->Text(), "0.00");
    EXPECT_TRUE(forms::Visible(form_->Field("CocDays0Disp")));
    EXPECT_FALSE(forms::Visible(form_->Field("CocDays1Disp")));
    // The two treatment plants of the category were run; with 365 days the percent is 100
    // times the high-end fraction and the days 365 times it.
    ASSERT_EQ(form_->PdmRun.Facilities.size(), 2u);
    const double fraction = form_->PdmRun.HighEndFractions[0];
    EXPECT_GT(fraction, 0);
    EXPECT_DOUBLE_EQ(form_->Results.PercentExceeded[0], PercentOfYear(fraction, 365));
    EXPECT_DOUBLE_EQ(form_->Results.DaysExceeded[0], DaysOfPercent(PercentOfYear(fraction, 365)));
    EXPECT_EQ(Stored("P-7,1").H2ODAYHI, 120);
    EXPECT_EQ(form_->ResultTabs->currentWidget(), form_->PdmDispPage);
    EXPECT_EQ(form_->FieldText("CocPer0Disp"), sys::Format("%.2f", PercentOfYear(fraction, 365)));

    // A second run with a level that is no longer asked does not keep the earlier result.
    Type(form_->Coc0DispInp, "0");
    Type(form_->Coc1DispInp, "0.0002");
    form_->PdmNoRunItem->SetChecked(true);
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    EXPECT_EQ(form_->Results.DaysExceeded[0], 0);
    EXPECT_EQ(form_->Results.PercentExceeded[0], 0);
}

TEST_F(DisposalFormTest, OlderRunBehindItsHiddenButtonReadsTheBinaryTables) {
    OpenForOlderRun();
    EXPECT_FALSE(forms::Visible(form_->DispContinue));
    Type(form_->Coc0DispInp, "0.5");
    Type(form_->Coc1DispInp, "0");
    Type(form_->Coc2DispInp, "0");
    form_->DispContinueClick();
    ASSERT_TRUE(form_->RunSucceeded);
    const double days = form_->Results.DaysExceeded[0];
    EXPECT_GE(days, 0);
    EXPECT_LE(days, 365);
    // Handed over in single precision.
    EXPECT_FLOAT_EQ(float(form_->Results.PercentExceeded[0]), float(days / 365 * 100));
    EXPECT_EQ(form_->Results.DaysExceeded[1], 0);
    EXPECT_EQ(Stored("P-7,1").H2ODAYHI, 120);
}

// Each choice of the form is one group of radios, wherever the radios lie; the scenario shown
// with the results is set by the run, not pressed.
TEST_F(DisposalFormTest, EachChoiceIsOneGroupOfRadios) {
    OpenOnOneRelease();
    const std::vector<QRadioButton*> fromCode = ExpectExclusiveRadioGroups(
        form_.get(), {{{form_->PdmRunItem, form_->PdmNoRunItem}},
                      {{form_->HighEnd, form_->AveEnd}, [this] { Click(form_->PdmRunItem); }},
                      {{form_->HiEnd, form_->AveCase}}});
    EXPECT_EQ(fromCode, (std::vector<QRadioButton*>{form_->HiEnd, form_->AveCase}));
}

// "Average case scenario" pressed with the mouse is the scenario of the run, of the page and of
// the document; pressing "High-end scenario" again gives the high-end days.
TEST_F(DisposalFormTest, TheAverageCaseChosenWithTheMouseIsRunAndReported) {
    OpenOnOneRelease();
    Click(form_->PdmRunItem);
    Click(form_->AveEnd);
    EXPECT_TRUE(form_->AveEnd->Checked());
    EXPECT_FALSE(form_->HighEnd->Checked());
    EXPECT_TRUE(form_->PdmRunItem->Checked());
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Type(form_->Coc0DispInp, "0.0001");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    const double average = form_->PdmRun.AverageFractions[0];
    const double highEnd = form_->PdmRun.HighEndFractions[0];
    ASSERT_NE(sys::Format("%.2f", 365 * average), sys::Format("%.2f", 365 * highEnd))
        << "the two scenarios must show apart for the test to tell";
    EXPECT_DOUBLE_EQ(form_->Results.PercentExceeded[0], 100 * average);
    EXPECT_DOUBLE_EQ(form_->Results.DaysExceeded[0], 365 * average);
    EXPECT_EQ(form_->FieldText("CocPer0Disp"), sys::Format("%.2f", 100 * average));
    EXPECT_EQ(form_->FieldText("CocDays0Disp"), sys::Format("%.2f", 365 * average));
    EXPECT_TRUE(form_->AveCase->Checked());
    EXPECT_FALSE(form_->HiEnd->Checked());
    const std::string text = WpdToText(DataFolder + "P-71.dtd.wpd");
    EXPECT_NE(text.find("Average case scenario"), std::string::npos) << text;
    EXPECT_EQ(text.find("High-end scenario"), std::string::npos) << text;
    EXPECT_NE(text.find(sys::Format("%.2f", 365 * average)), std::string::npos) << text;

    form_->DispPages->setCurrentWidget(form_->DispInputsPage);
    Click(form_->HighEnd);
    EXPECT_FALSE(form_->AveEnd->Checked());
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    EXPECT_DOUBLE_EQ(form_->Results.DaysExceeded[0], 365 * highEnd);
    EXPECT_TRUE(form_->HiEnd->Checked());
    EXPECT_FALSE(form_->AveCase->Checked());
    EXPECT_NE(WpdToText(DataFolder + "P-71.dtd.wpd").find("High-end scenario"), std::string::npos);
}

// Whenever the inputs page is shown the cursor is in the chemical id.
TEST_F(DisposalFormTest, TheInputsPageShowsWithTheCursorInTheChemicalId) {
    OpenOnOneRelease();
    EXPECT_EQ(form_->focusWidget(), form_->ChemIdDispInp1);
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    ASSERT_EQ(form_->DispPages->currentWidget(), form_->DisposalResPage);
    form_->Button2->setFocus();
    QTabBar* tabs = form_->DispPages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(form_->DispPages->currentWidget(), form_->DispInputsPage);
    EXPECT_EQ(form_->focusWidget(), form_->ChemIdDispInp1);
}

// The exposure duration is asked of adults only: another chemical typed in brings its own age
// group, so a child case followed by an adult chemical asks for, and shows, years of use.
TEST_F(DisposalFormTest, TheFieldsShownFollowTheChemicalTyped) {
    for (const auto& [key, popNum] : {std::pair{"P-7,1", "2"}, std::pair{"P-9,1", "0"}})
        Add("nyr01.dbf", {{"PMN_ID", key},
                          {"WWT_LOW", "90"},
                          {"BW", "70"},
                          {"CANCERAT", "78"},
                          {"DRINK", "2"},
                          {"DRINKCHRON", "2"},
                          {"POP_NUM", popNum}});
    OpenTables();
    SelectedChemId = "P-7";
    CurrentPmn.CaseNum = "P-7";
    Open();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    EXPECT_FALSE(forms::Visible(form_->YrsUseDispInp));
    EXPECT_EQ(HealthFlags, "001");

    TypeByHand(form_->ChemIdDispInp1, "P-9", form_->ProdVolDispInp);
    EXPECT_TRUE(forms::Visible(form_->YrsUseDispInp));
    EXPECT_TRUE(forms::Visible(form_->Label162));
    EXPECT_EQ(HealthFlags, "111");
    TypeByHand(form_->ProdVolDispInp, "1000000", form_->YrsUseDispInp);
    TypeByHand(form_->YrsUseDispInp, "30", form_->ProdVolDispInp);
    ui_.ClearShown();
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded) << (ui_.Boxes().empty() ? "" : ui_.Boxes()[0].text);
    EXPECT_GT(std::strtod(form_->FieldText("DwLadd50Disp").c_str(), nullptr), 0);
    EXPECT_EQ(Stored("P-9,1").YEARS_USE, 30);

    // Back to the child: no years asked, and only the acute doses are assessed.
    form_->DispPages->setCurrentWidget(form_->DispInputsPage);
    TypeByHand(form_->ChemIdDispInp1, "P-7", form_->ProdVolDispInp);
    EXPECT_FALSE(forms::Visible(form_->YrsUseDispInp));
    TypeByHand(form_->ProdVolDispInp, "1000000", form_->Coc0DispInp);
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded) << (ui_.Boxes().empty() ? "" : ui_.Boxes()[0].text);
    EXPECT_EQ(form_->FieldText("DwLadd50Disp"), DisplayValue(NotApplicable));
    EXPECT_GT(std::strtod(form_->FieldText("DwAdr50Disp").c_str(), nullptr), 0);
}

// The older run hands each level's days over through flush.inp in the working folder, as
// "%f %f" of days and percent; the results are what is read back.
TEST_F(DisposalFormTest, TheOlderRunHandsEachLevelOverThroughItsFile) {
    OpenForOlderRun();
    Type(form_->Coc0DispInp, "0.5");
    Type(form_->Coc1DispInp, "0.05");
    form_->DispContinueClick();
    ASSERT_TRUE(form_->RunSucceeded);
    EXPECT_TRUE(ui_.Boxes().empty() || ui_.Boxes().back().caption != "Error");
    // The file holds the last level's pair, as the older run wrote it.
    const std::optional<std::string> text = sys::ReadWholeFile(folder_.File("flush.inp"));
    ASSERT_TRUE(text);
    const auto axis = ReadPdmDatTable(folder_.File("pdm/pdmconc.dat"));
    const auto high = ReadPdmDatTable(folder_.File("pdm/pdm4954.dat"));
    const double release = form_->Results.PostTreatRelease;
    for (size_t i = 0; i < 2; ++i) {
        const float days =
            float(*DisposalTableDays(*axis, *high, i == 0 ? 0.5 : 0.05, release, true));
        const std::string pair =
            sys::Format("%f %f\n", double(days), double(days / 365.0f * 100.0f));
        EXPECT_EQ(form_->FieldText("CocDays" + std::to_string(i) + "Disp"),
                  sys::Format("%.2f", std::strtod(pair.c_str(), nullptr)));
        EXPECT_DOUBLE_EQ(form_->Results.DaysExceeded[i],
                         double(std::strtof(pair.c_str(), nullptr)));
        if (i == 1) {
            EXPECT_EQ(*text, pair);
        }
    }
    EXPECT_GT(form_->Results.DaysExceeded[1], form_->Results.DaysExceeded[0]);

    // A hand-over that cannot be made is an error, and the level has no result.
    sys::DeleteFile(folder_.File("flush.inp"));
    std::filesystem::create_directories(folder_.File("flush.inp/inside"));
    ui_.ClearShown();
    form_->DispContinueClick();
    std::vector<std::string> errors;
    for (const auto& box : ui_.Boxes())
        if (box.caption == "Error")
            errors.push_back(box.text);
    EXPECT_EQ(errors, (std::vector<std::string>(2, "The file flush.inp could not be read.")));
    EXPECT_EQ(form_->FieldText("CocDays0Disp"), "N/A");
}

TEST(FlushResults, ParsedAsTheOlderRunReadsIt) {
    const struct {
        const char* text;
        bool read;
        double days, percent;
    } cases[] = {
        {"12.500000 3.424658\n", true, 12.5, 3.424658},
        {"12.5 3.4\r\n", true, 12.5, 3.4},
        {"1 2\n3 4\n5 6\n7 8\n", true, 5, 6},  // up to three pairs, the last one read
        {"1 2\n3\n", true, 1, 2},
        {"", false, 0, 0},
        {"days\n", false, 0, 0},
        {"nan 1\n", false, 0, 0},
        {"7", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<FlushResults> parsed = ParseFlushResults(c.text);
        ASSERT_EQ(parsed.has_value(), c.read);
        if (c.read) {
            EXPECT_DOUBLE_EQ(parsed->days, double(float(c.days)));
            EXPECT_DOUBLE_EQ(parsed->percent, double(float(c.percent)));
        }
    }
}

TEST(FlushResults, WrittenAndReadBackOrMissing) {
    fixture::TempFolder folder;
    const std::string path = folder.File("flush.inp");
    EXPECT_EQ(ReadFlushResults(path).state, FlushReadState::Missing);
    ASSERT_TRUE(WriteFlushResults(path, 365.0 * 443 / 887));
    EXPECT_EQ(sys::ReadWholeFile(path), std::optional<std::string>("182.294250 49.943630\n"));
    const FlushRead read = ReadFlushResults(path);
    EXPECT_EQ(read.state, FlushReadState::Read);
    EXPECT_FLOAT_EQ(float(read.results.days), 182.29425f);
    ASSERT_TRUE(WriteFlushResults(path, 365));
    EXPECT_EQ(sys::ReadWholeFile(path), std::optional<std::string>("365.000000 100.000000\n"));
}

TEST_F(DisposalFormTest, FullRemovalStoresTheReleaseItselfAsPreTreatment) {
    Add("nyr01.dbf", {{"PMN_ID", "P-8,1"},
                      {"WWT_LOW", "100"},
                      {"BW", "70"},
                      {"CANCERAT", "78"},
                      {"YEARS_USE", "30"}});
    OpenTables();
    SelectedChemId = "P-8";
    CurrentPmn.CaseNum = "P-8";
    Open();
    Type(form_->ProdVolDispInp, "1000000");
    Click(form_->RunDisp);
    ASSERT_TRUE(form_->RunSucceeded);
    const pmn_record stored = Stored("P-8,1");
    EXPECT_EQ(stored.PostTreat, 0);
    EXPECT_DOUBLE_EQ(stored.DispPreTreat, DisposalPreTreatRelease(1000000));
}

}  // namespace
