// The release list: selecting, adding and deleting releases, with the comments and dilution
// exclusions that belong to each release following it when the releases are renumbered.
#include <gtest/gtest.h>
#include <QTest>

#include "releases/memo.h"
#include "releases/release_renumber.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "tests/releases/release_form_fixture.h"

namespace {

std::string Key(int n) {
    return ReleaseKey(kChem, n);
}

// Writes the surface-water comment of a release row.
void SetComment(int n, const std::string& text) {
    tables::Table& table = Tables().PmnTable;
    table.FindNearest(Key(n));
    ASSERT_EQ(PmnFieldAsString("PMN_ID"), Key(n));
    table.Edit();
    table.SetString("SWMEMO", text);
    table.Post();
}

// The activity text and comment of a stored release, "<missing>" when it has no row.
std::string Stored(int n) {
    LoadScenarioRecord(Key(n));
    if (PmnFieldAsString("PMN_ID") != Key(n))
        return "<missing>";
    return CurrentPmn.RELEASE + " / " + SurfaceWaterComments;
}

class ReleaseListTest : public ReleaseFormTest {
  protected:
    // Releases 1..count with their activity texts and comments, then the form opened.
    void OpenWithReleases(int count, bool water = false) {
        for (int n = 1; n <= count; ++n) {
            WriteRelease(n, water ? "X000" : "0000", water ? 1 : 0, water ? 100 : 0);
            SetComment(n, "comment " + std::to_string(n));
        }
        Open();
        ui.ClearShown();
    }
    void ClickRow(int row) {
        form->ChemList->scrollToItem(form->ChemList->item(row, 0));
        QRect cell = form->ChemList->visualRect(form->ChemList->model()->index(row, 0));
        QTest::mouseClick(form->ChemList->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(ReleaseListTest, SelectingStoresTheShownReleaseAndShowsTheChosenOne) {
    OpenWithReleases(3);
    ASSERT_EQ(form->ChemList->RowCount(), 4);
    form->IndustryType->SetText("Changed activity");
    ClickRow(2);
    EXPECT_EQ(CurrentReleaseRow, 2);
    EXPECT_EQ(form->IndustryType->Text(), "Release 2");
    EXPECT_EQ(Stored(1), "Changed activity / comment 1");
}

TEST_F(ReleaseListTest, AFailedStoreKeepsTheShownReleaseAndItsHighlight) {
    OpenWithReleases(2);
    form->FacilityRel->SetText("12,5");
    form->SurfWaterCheck->SetChecked(true);
    ClickRow(2);
    EXPECT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->ChemList->Row(), 1);
    EXPECT_FALSE(ui.Boxes().empty());
}

TEST_F(ReleaseListTest, AddingFromTheLastRowAppendsTheNextNumber) {
    OpenWithReleases(2);
    ClickRow(2);
    SavedFactors.BW = 61.5;
    Click(form->NextReleaseActivity);
    ASSERT_EQ(form->ChemList->RowCount(), 4);
    EXPECT_EQ(form->ChemList->Cells(0, 3), Key(3));
    EXPECT_EQ(CurrentReleaseRow, 3);
    EXPECT_EQ(ChemicalRows(), 3);
    ASSERT_TRUE(LoadRow(Key(3)));
    EXPECT_DOUBLE_EQ(CurrentPmn.BW, 61.5) << "the chemical's factors go with the new release";
}

TEST_F(ReleaseListTest, AddingFromAMiddleRowMovesToTheNextRelease) {
    OpenWithReleases(3);
    Click(form->NextReleaseActivity);
    EXPECT_EQ(form->ChemList->RowCount(), 4);
    EXPECT_EQ(CurrentReleaseRow, 2);
    EXPECT_EQ(form->IndustryType->Text(), "Release 2");
    EXPECT_EQ(ChemicalRows(), 3);
}

TEST_F(ReleaseListTest, DeletingAMiddleReleaseMovesTheLaterOnesDown) {
    OpenWithReleases(3);
    ClickRow(2);
    Click(form->DelRelease);
    EXPECT_EQ(ChemicalRows(), 2);
    EXPECT_EQ(Stored(1), "Release 1 / comment 1");
    EXPECT_EQ(Stored(2), "Release 3 / comment 3");
    EXPECT_EQ(Stored(3), "<missing>");
    EXPECT_EQ(form->ChemList->RowCount(), 3);
    EXPECT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->IndustryType->Text(), "Release 1");
}

// Keys of ten and more releases do not sort in release order; the comments still follow their
// releases.
TEST_F(ReleaseListTest, DeletingWithElevenReleasesKeepsEveryCommentWithItsRelease) {
    OpenWithReleases(11);
    ClickRow(3);
    Click(form->DelRelease);
    EXPECT_EQ(ChemicalRows(), 10);
    for (int n = 1; n <= 10; ++n) {
        int old = n < 3 ? n : n + 1;
        EXPECT_EQ(Stored(n), "Release " + std::to_string(old) + " / comment " + std::to_string(old))
            << n;
    }
    EXPECT_EQ(Stored(11), "<missing>");
    EXPECT_EQ(form->ChemList->RowCount(), 11);
    EXPECT_EQ(form->ChemList->Cells(0, 10), Key(10));
}

TEST_F(ReleaseListTest, DeletingTheLastOfElevenAndTheTenth) {
    OpenWithReleases(11);
    ClickRow(11);
    Click(form->DelRelease);
    ClickRow(10);
    Click(form->DelRelease);
    EXPECT_EQ(ChemicalRows(), 9);
    EXPECT_EQ(Stored(9), "Release 9 / comment 9");
    EXPECT_EQ(Stored(10), "<missing>");
}

// A text that is no number on the pages does not stop or split a deletion.
TEST_F(ReleaseListTest, DeletingWithABadTextOnThePageRenumbersEveryRelease) {
    OpenWithReleases(4);
    ClickRow(2);
    form->FacilityRel->SetText("1-2");
    Click(form->DelRelease);
    EXPECT_EQ(ChemicalRows(), 3);
    EXPECT_EQ(Stored(2), "Release 3 / comment 3");
    EXPECT_EQ(Stored(3), "Release 4 / comment 4");
}

TEST_F(ReleaseListTest, DeletingTheOnlyReleaseLeavesAnEmptyReleaseOne) {
    OpenWithReleases(1);
    SavedFactors.BW = 55;
    Click(form->DelRelease);
    EXPECT_EQ(ChemicalRows(), 1);
    ASSERT_TRUE(LoadRow(Key(1)));
    EXPECT_EQ(CurrentPmn.RELEASE, "");
    EXPECT_EQ(SurfaceWaterComments, "");
    EXPECT_DOUBLE_EQ(CurrentPmn.BW, 55);
    EXPECT_EQ(form->ChemList->RowCount(), 2);
}

TEST_F(ReleaseListTest, DilutionExclusionsFollowTheirReleases) {
    OpenWithReleases(3, true);
    ClickRow(3);
    ASSERT_TRUE(form->DoPdm->isVisible());
    Click(form->DoPdm);  // untick: release 3 is excluded
    ASSERT_TRUE(IsReleaseExcludedFromPdm(Key(3)));
    ClickRow(2);
    Click(form->DelRelease);
    EXPECT_TRUE(IsReleaseExcludedFromPdm(Key(2))) << "old release 3 is release 2 now";
    EXPECT_FALSE(IsReleaseExcludedFromPdm(Key(3)));
    EXPECT_EQ(form->BadPdms->Cells(0, 2), Key(2));
    ClickRow(2);
    EXPECT_FALSE(form->DoPdm->Checked());
    Click(form->DoPdm);
    EXPECT_FALSE(IsReleaseExcludedFromPdm(Key(2)));
    EXPECT_EQ(form->BadPdms->Cells(0, 2), "");
}

TEST_F(ReleaseListTest, ExclusionsHoldBeyondSixtyReleases) {
    OpenWithReleases(62, true);
    ClickRow(61);
    Click(form->DoPdm);
    EXPECT_TRUE(IsReleaseExcludedFromPdm(Key(61)));
    EXPECT_EQ(form->BadPdms->RowCount(), 63);
    EXPECT_EQ(form->BadPdms->Cells(0, 61), Key(61));
    // Stored without the dilution run, the release stays excluded on the next visit.
    ClickRow(1);
    form->FormShow();
    form->FormActivate();
    EXPECT_TRUE(IsReleaseExcludedFromPdm(Key(61)));
    EXPECT_FALSE(IsReleaseExcludedFromPdm(Key(60)));
}

}  // namespace

namespace {

// The comment buttons edit the comments of the release shown, whichever row the table stood on.
TEST_F(ReleaseListTest, CommentButtonsEditTheShownReleasesComments) {
    OpenWithReleases(3, true);
    ClickRow(2);
    LoadScenarioRecord(Key(3));  // the table moves elsewhere
    LoadScenarioRecord(Key(2));
    ui.OnNextModal([](forms::Form& memo) {
        auto& form = static_cast<TMemoForm&>(memo);
        EXPECT_EQ(form.Caption(), "Surface Water Comments");
        EXPECT_EQ(form.DBMemo1->Text(), "comment 2");
        form.DBMemo1->SetText("outfall below the weir");
        form.DoneClick();
        return forms::mrOk;
    });
    Click(form->SwMemoButton);
    EXPECT_EQ(Stored(2), "Release 2 / outfall below the weir");
    EXPECT_EQ(Stored(3), "Release 3 / comment 3");
}

// A chemical without any row yet starts with its release 1.
TEST_F(ReleaseFormTest, AChemicalWithoutRowsStartsWithReleaseOne) {
    SelectedChemId = "P-17-9999";
    Open();
    ASSERT_EQ(form->ChemList->RowCount(), 2);
    EXPECT_EQ(form->ChemList->Cells(0, 1), "P-17-9999,1");
    EXPECT_EQ(form->ChemIdText(), "P-17-9999");
    EXPECT_TRUE(LoadRow("P-17-9999,1"));
    EXPECT_EQ(CountReleaseRows(kChem), 1) << "the other chemical is untouched";
}

TEST_F(ReleaseFormTest, AFacilityTheTableDoesNotHoldIsRefused) {
    Open();
    form->SurfWaterCheck->SetChecked(true);
    Click(form->FacilityRadio);
    Type(form->FacilityRel, "1");
    Type(form->SurfDays, "10");
    Type(form->Coc0, "1");
    form->NpdesGri->SetText("ZZ9999999");
    ui.ClearShown();
    EXPECT_EQ(form->StoreReleaseInputs(true), 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"You need to select a facility"}));
    ASSERT_TRUE(LoadRow(Key(1)));
    EXPECT_EQ(CurrentPmn.NPDES, "");
    EXPECT_EQ(CurrentPmn.SIC_CODE, -1);
}

}  // namespace

namespace {

// A click on the list stores the shown release once, as the list takes the focus; a release
// that fails its checks says so once and stays shown.
TEST_F(ReleaseListTest, AClickOnTheListStoresTheShownReleaseOnce) {
    OpenWithReleases(2);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->SurfWaterCheck->SetChecked(true);
    form->FacilityRadio->SetChecked(true);
    form->ReleaseInfoPages->setCurrentWidget(form->GenReleaseInfo);
    form->NextReleaseActivity->setFocus();
    ui.ClearShown();
    ClickRow(2);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "The number of days of water release must be greater than 0",
                              "Releases to water must be greater than 0",
                              "You must input a COC if you want to include a PDM run",
                              "You need to select a facility"}));
    EXPECT_EQ(CurrentReleaseRow, 1);
}

}  // namespace

namespace {

// The sludge adsorption and the stack and fugitive removals are the chemical's: every stored
// release and every release added later carries them.
TEST_F(ReleaseListTest, EveryReleaseCarriesTheChemicalsTreatmentRemovals) {
    OpenWithReleases(2);
    ASSERT_TRUE(LoadRow(Key(2)));
    ASSERT_EQ(CurrentPmn.INCIN_HI, 0) << "written before the chemical block reached it";
    ClickRow(2);
    ClickRow(1);  // stores release 2
    ClickRow(2);
    Click(form->NextReleaseActivity);
    ASSERT_EQ(ChemicalRows(), 3);
    for (int n : {2, 3}) {
        ASSERT_TRUE(LoadRow(Key(n)));
        EXPECT_EQ(CurrentPmn.SLUDGEAB, 20) << n;
        EXPECT_EQ(CurrentPmn.INCIN_HI, 90) << n;
        EXPECT_EQ(CurrentPmn.INCIN_LO, 80) << n;
    }
}

// An activity text its table field cannot hold is refused with one message naming the field; the
// release stays shown and highlighted with every edit of the page, and is stored once corrected.
TEST_F(ReleaseListTest, AnActivityTextTheFieldCannotHoldIsRefusedAndNothingIsLost) {
    OpenWithReleases(2);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->ReleaseInfoPages->setCurrentWidget(form->GenReleaseInfo);
    form->RemarksInp->SetText("remarks kept");
    struct Case {
        std::string activity;
        std::string message;
    };
    const Case cases[] = {
        {std::string(300, 'a'),
         "Release activity: the text is 300 characters long; it can hold 254. Please shorten "
         "it."},
        {"purity \u2265 99 %",
         "Release activity: the character '\u2265' cannot be stored. Please replace it."},
    };
    for (const Case& c : cases) {
        form->IndustryType->SetText(c.activity);
        form->NextReleaseActivity->setFocus();
        ui.ClearShown();
        ClickRow(2);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(CurrentReleaseRow, 1);
        EXPECT_EQ(form->ChemList->Row(), 1);
        EXPECT_EQ(form->IndustryType->Text(), c.activity);
        EXPECT_EQ(form->RemarksInp->Text(), "remarks kept");
        EXPECT_EQ(Stored(1), "Release 1 / comment 1") << "nothing stored";
    }

    const std::string longest = std::string(253, 'a') + "\u00e9";  // 254 in the table
    form->IndustryType->SetText(longest);
    form->NextReleaseActivity->setFocus();
    ui.ClearShown();
    ClickRow(2);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
    EXPECT_EQ(CurrentReleaseRow, 2);
    ASSERT_TRUE(LoadRow(Key(1)));
    EXPECT_EQ(CurrentPmn.RELEASE, longest);
    EXPECT_EQ(CurrentPmn.REMARKS, "remarks kept");
}

}  // namespace
