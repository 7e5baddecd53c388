// Storing one release from the pages: every kind with its marks, site or category, flows and
// concentrations of concern, and the checks.
#include <gtest/gtest.h>

#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"

namespace {

TEST_F(ReleaseFormTest, OpensOnReleaseOneOfTheChemical) {
    Open();
    EXPECT_EQ(form->ChemList->RowCount(), 2);
    EXPECT_EQ(form->ChemList->Cells(0, 0), "Chem ID/Rel #");
    EXPECT_EQ(form->ChemList->Cells(0, 1), std::string(kChem) + ",1");
    EXPECT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->ScreenPages->currentWidget(), form->ReleaseInfoPage);
    EXPECT_FALSE(form->TabShown(form->ScreenPages, form->GenPopSheet));
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts()[0];
}

}  // namespace
