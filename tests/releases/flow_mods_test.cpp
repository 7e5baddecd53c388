// The stream-flow modification dialog: marks of flows that differ from the tables, and saving.
#include "releases/flow_mods.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

#include "platform/forms/ui_service.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/scenario/data_layer_fixture.h"

namespace {

class FlowModsTest : public fixture::DataLayerTest {
  protected:
    void SetUp() override {
        DataLayerTest::SetUp();
        Add("duriviz\\sids2004.dbf", {{"NPDES", "AA0000001"},
                                      {"SIC", "2891"},
                                      {"REACH", "03050101001"},
                                      {"PLANTFLOW", "2"},
                                      {"WB_TYPE", "R"},
                                      {"IACC", "A"}});
        Add("rscan\\reach.dbf",
            {{"REACH", "03050101001"}, {"MEAN_FLOW", "500"}, {"LOW_FLOW", "40"}});
        Add("nyr01.dbf", {{"PMN_ID", "P-5,1"}, {"NPDES", "AA0000001"}});
        OpenTables();
        LoadScenarioRecord("P-5,1");
    }

    static void Type(forms::TEdit* edit, const std::string& text) {
        edit->OnEnter();
        edit->SetText(text);
        edit->OnExit();
    }

    forms::ScriptedUi ui_;
};

TEST(FlowDifference, TenthOfAPercentIsTheLimit) {
    EXPECT_FALSE(FlowDiffersFromReference(500.4, 500));
    EXPECT_TRUE(FlowDiffersFromReference(501, 500));
    EXPECT_TRUE(FlowDiffersFromReference(1, 0));
    EXPECT_FALSE(FlowDiffersFromReference(0, 0));
}

TEST_F(FlowModsTest, TypedFlowsAreMarkedAndSaved) {
    TFlowMods dialog;
    dialog.FormActivate();
    EXPECT_EQ(dialog.MeanFlg->Text(), "");  // the stored flow agrees with the reach
    Type(dialog.MeanFlow, "500.4");
    EXPECT_EQ(dialog.MeanFlg->Text(), "");
    Type(dialog.MeanFlow, "501");
    EXPECT_EQ(dialog.MeanFlg->Text(), "*");
    EXPECT_EQ(CurrentPmn.MEANFLG, "*");
    EXPECT_EQ(CurrentPmn.MEANFLOW, 501);
    dialog.show();
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    CurrentPmn = pmn_record{};
    LoadScenarioRecord("P-5,1");
    EXPECT_EQ(CurrentPmn.MEANFLOW, 501);
    EXPECT_EQ(CurrentPmn.MEANFLG, "*");
}

}  // namespace
