// The memo form: the comment field of each kind and its edit going into the release row.
#include "releases/memo.h"

#include <gtest/gtest.h>

#include "platform/forms/ui_service.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

namespace {

TEST(MemoFormTest, KindChoosesTheFieldAndCaptionAndOkWritesTheRow) {
    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ASSERT_TRUE(RunStartupWork());
    ResetScenarioRecord();
    CurrentPmn.CaseNum = "P-14-0003";
    CurrentPmn.ScenNum = "2";
    SaveScenarioRecord();
    tables::Table& table = Tables().PmnTable;
    table.Edit();
    table.SetString("LNDMEMO", "Landfill note");
    table.SetString("SWMEMO", "Water note");
    table.Post();

    TMemoForm form;
    form.MemoKind = 2;
    form.FormShow();
    form.FormActivate();
    EXPECT_EQ(form.Caption(), "Landfill Comments");
    EXPECT_EQ(form.DBMemo1->Text(), "Landfill note");
    form.DBMemo1->SetText("Capped cell, lined");
    form.DoneClick();
    EXPECT_EQ(form.ModalResult(), forms::mrOk);

    LoadScenarioRecord("P-14-0001,1");
    LoadScenarioRecord("P-14-0003,2");
    EXPECT_EQ(ReadMemoField("LNDMEMO"), "Capped cell, lined");
    EXPECT_EQ(ReadMemoField("SWMEMO"), "Water note");

    form.MemoKind = 1;
    form.FormShow();
    form.FormActivate();
    EXPECT_EQ(form.Caption(), "Surface Water Comments");
    EXPECT_EQ(form.DBMemo1->Text(), "Water note");
    // Left by the close button, the text typed is kept too.
    form.DBMemo1->SetText("Outfall to the creek");
    form.FormClose();
    LoadScenarioRecord("P-14-0001,1");
    LoadScenarioRecord("P-14-0003,2");
    EXPECT_EQ(ReadMemoField("SWMEMO"), "Outfall to the creek");
    EXPECT_EQ(ReadMemoField("LNDMEMO"), "Capped cell, lined");

    form.MemoKind = 3;  // no field of its own: the binding stays
    form.FormShow();
    form.FormActivate();
    EXPECT_EQ(form.Caption(), "Surface Water Comments");
    EXPECT_EQ(form.BoundField(), "SWMEMO");
    form.MemoKind = 4;
    form.FormShow();
    form.FormActivate();
    EXPECT_EQ(form.Caption(), "Inhalation Comments");
    EXPECT_EQ(form.BoundField(), "FUGMEMO");
}

}  // namespace
