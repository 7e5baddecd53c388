// The down-the-drain form on a small scenario table: activation, checks, the run with the
// treatment-plant category, the results page and the WordPerfect-format document.
#include "dilution/disposal_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>
#include <filesystem>

#include "dilution/disposal_report.h"
#include "dilution/pdm_site_run.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "tests/documents/wpd/wpd_read.h"
#include "tests/scenario/data_layer_fixture.h"

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

    void AddRelease(const std::string& key, const std::string& days) {
        Add("nyr01.dbf", {{"PMN_ID", key},
                          {"WWT_LOW", "90"},
                          {"H2ODAYLO", days},
                          {"H2ODAYHI", days},
                          {"BW", "70"},
                          {"CANCERAT", "78"},
                          {"BCF", "50"},
                          {"YEARS_USE", "30"},
                          {"POP_NUM", "0"}});
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

    static void Type(forms::TEdit* edit, const std::string& text) {
        if (edit->OnEnter)
            edit->OnEnter();
        edit->SetText(text);
        if (edit->OnExit)
            edit->OnExit();
    }

    static void Click(QWidget* widget) {
        if (qobject_cast<QRadioButton*>(widget))
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
        else
            QTest::mouseClick(widget, Qt::LeftButton);
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
    std::filesystem::create_directories(folder_.File("pdm"));
    for (const char* name : {"pdmconc.dat", "pdm4954.dat", "pdma4954.dat"})
        std::filesystem::copy_file(fixture::ShippedProgramFolder() / "pdm" / name,
                                   folder_.File(std::string("pdm/") + name));
    OpenOnOneRelease();
    EXPECT_FALSE(forms::Visible(form_->DispContinue));
    Click(form_->PdmRunItem);
    Type(form_->ProdVolDispInp, "1000000");
    Type(form_->YrsUseDispInp, "30");
    Type(form_->Coc0DispInp, "0.5");
    Type(form_->Coc1DispInp, "0");
    Type(form_->Coc2DispInp, "0");
    form_->DispContinueClick();
    ASSERT_TRUE(form_->RunSucceeded);
    const double days = form_->Results.DaysExceeded[0];
    EXPECT_GE(days, 0);
    EXPECT_LE(days, 365);
    EXPECT_DOUBLE_EQ(form_->Results.PercentExceeded[0], days / 365 * 100);
    EXPECT_EQ(form_->Results.DaysExceeded[1], 0);
    EXPECT_EQ(Stored("P-7,1").H2ODAYHI, 120);
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
