// The commit of the properties screen: the chemical block in every release row, the module flags,
// the closing checks, and inputs that are no numbers or only displays of the stored value.
#include <gtest/gtest.h>

#include <QTest>

#include "chemistry/pchem_fate.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_table.h"
#include "tests/chemistry/chemistry_fixture.h"

namespace {

class CommitTest : public ChemistryTest {
  protected:
    void AddChemical() {
        for (const char* release : {"1", "2", "3"}) {
            AddRelease("abc", release, [release](pmn_record& r) {
                r.MODGUYS = "110100001";
                r.RELEASE = std::string("release ") + release;
                r.MW = 50;
                r.VP = 1;
                r.WTFRAC_MED = 0.1;
                r.WTFRAC_90 = 0.2;
            });
        }
        AddRelease("abd", "1", [](pmn_record& r) { r.CHEMNAME = "neighbour"; });
    }
};

TEST_F(CommitTest, CommitWritesTheChemicalBlockIntoEveryReleaseAndPublishesTheChoice) {
    AddChemical();
    TPchemFate screen;
    screen.FormActivate();
    screen.ChemId->ChooseItem(0);
    screen.ChemName->SetText("Benzene");
    screen.Bcf->SetText("10");
    screen.Mw->SetText("78.11");
    screen.Wwt->SetText("95");
    screen.SludgeAbsorption->SetText("30");
    screen.FugitiveRemoval->SetText("90");
    screen.StackRemoval->SetText("80");
    screen.Migration->ChooseItem(3);
    screen.Pdm->SetChecked(true);
    CurrentPmn.WHICHANAL = 3;
    QTest::mouseClick(screen.CloseFateScreen, Qt::LeftButton);

    EXPECT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(SelectedChemId, "abc");
    EXPECT_EQ(CurrentPmn.CaseNum, "abc");
    EXPECT_EQ(CurrentPmn.ScenNum, "1");
    EXPECT_EQ(SurfaceWaterSelected, 1);
    EXPECT_EQ(LandfillSelected, 1);
    EXPECT_EQ(FlushSelected, 0);
    EXPECT_EQ(KivSelected, 1);
    EXPECT_EQ(PdmSelected, 1);
    EXPECT_EQ(AmbientAirSelected, 1);
    for (const char* key : {"abc,1", "abc,2", "abc,3"}) {
        const pmn_record row = Row(key);
        EXPECT_EQ(row.CHEMNAME, "Benzene") << key;
        EXPECT_EQ(row.BCF, 10) << key;
        EXPECT_EQ(row.MW, 78.11) << key;
        EXPECT_EQ(row.MODGUYS, "110100011") << key;
        EXPECT_EQ(row.MIGRATE, 3) << key;
        EXPECT_EQ(row.MigrateText, "Moderate") << key;
        EXPECT_EQ(row.MIGFACT, 5.95e-05) << key;
        EXPECT_EQ(row.WWT_LOW, 95) << key;
        EXPECT_EQ(row.SLUDGEAB, 30) << key;
        EXPECT_EQ(row.INCIN_HI, 90) << key;
        EXPECT_EQ(row.INCIN_LO, 80) << key;
        EXPECT_EQ(row.RELEASE, std::string("release ") + key[4]) << "the release's own values stay";
    }
    EXPECT_EQ(Row("abc,1").WHICHANAL, 0);
    EXPECT_EQ(Row("abd,1").CHEMNAME, "neighbour");
    EXPECT_EQ(Row("abd,1").MODGUYS, "000000000");
}

TEST_F(CommitTest, ATextThatIsNoNumberStopsTheCommitBeforeAnythingIsStored) {
    AddChemical();
    TPchemFate screen;
    screen.FormActivate();
    screen.ChemId->ChooseItem(0);
    screen.ChemName->SetText("Renamed");
    screen.Bcf->SetText("12");
    for (const char* text : {"-", "1e", "1-2"}) {
        ui.ClearShown();
        screen.WfMed->SetText(text);
        screen.CloseFateScreen->Click();
        ASSERT_EQ(ui.Boxes().size(), 1u) << text;
        EXPECT_EQ(ui.Boxes()[0].text, std::string("Weight fraction (central tendency): \"") + text +
                                          "\" is not a number. Please correct it.");
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_NE(screen.ModalResult(), forms::mrOk);
    }
    EXPECT_EQ(Row("abc,1").CHEMNAME, "");
    EXPECT_EQ(Row("abc,1").BCF, 0);
    EXPECT_EQ(CurrentPmn.BCF, 0);
    EXPECT_EQ(SelectedChemId, "");
    EXPECT_EQ(SurfaceWaterSelected, 0);
}

TEST_F(CommitTest, DisplayedValuesLeftAloneKeepTheStoredValue) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "101100000";
        r.CHEMNAME = "kept";
        r.WWT_LOW = -9;
        r.MW = 78.114;
        r.BCF = 0.0123456;
        r.VP = 95.2;
        r.WTFRAC_MED = 0.123456;
        r.WTFRAC_90 = 0.5;
    });
    TPchemFate screen;
    screen.FormActivate();
    EXPECT_EQ(screen.Wwt->Text(), "N/A");
    EXPECT_EQ(screen.Mw->Text(), "78.11");
    EXPECT_EQ(screen.Bcf->Text(), "1.23E-02");
    screen.VpUnits->ChooseItem(1);  // shown in atm, stored in torr
    screen.Wwt->OnExit();
    screen.Mw->OnExit();
    screen.Vp->OnExit();
    screen.CloseFateScreenClick();
    ASSERT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    const pmn_record row = Row("abc,1");
    EXPECT_EQ(row.WWT_LOW, -9);
    EXPECT_EQ(row.WWT_HI, -9);
    EXPECT_EQ(row.MW, 78.114);
    EXPECT_EQ(row.BCF, 0.0123456);
    EXPECT_EQ(row.VP, 95.2);
    EXPECT_EQ(row.WTFRAC_MED, 0.123456);
}

TEST_F(CommitTest, ClosingChecksKeepTheScreenOpenButTheRowsAreStored) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "000000100";
        r.CHEMNAME = "x";
        r.MW = 10;
        r.VP = 0;
        r.WSOLUBLE = 5e13;
        r.KOW = 2;
    });
    TPchemFate screen;
    screen.FormActivate();
    ui.AnswerNextBox(forms::mrOk);      // the solubility note
    ui.AnswerNextBox(forms::mrCancel);  // "continue with a 0 vapour pressure?"
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Water solubility must be > than 1.0e-13",
                  "Vapor pressure must be greater than 0 for inhalation scenarios in KIV.\nDo you "
                  "wish to continue with a 0 value for vapor pressure?"}));
    EXPECT_NE(screen.ModalResult(), forms::mrOk);
    EXPECT_EQ(Row("abc,1").MODGUYS, "000000100") << "stored although the checks failed";

    ui.ClearShown();
    screen.WaterSolubility->SetText("1790");
    screen.CloseFateScreenClick();  // the question answered with OK
    EXPECT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(Row("abc,1").WSOLUBLE, 1790);
}

TEST_F(CommitTest, NameAndIdMustBeGiven) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "010000000";
        r.CHEMNAME = "";
    });
    TPchemFate screen;
    screen.FormActivate();
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"You must enter a chemical name"}));
    EXPECT_NE(screen.ModalResult(), forms::mrOk);

    ui.ClearShown();
    screen.ChemId->TypeText("");
    screen.ChemId->OnExit();
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"You must select or enter a Chemical ID."}));
}

TEST_F(CommitTest, ANewIdTypedAndCommittedStartsItsOwnRows) {
    AddChemical();
    TPchemFate screen;
    screen.FormActivate();
    screen.ChemName->SetText("typed for abd");
    screen.ChemId->TypeText("P-14-0042");  // committed without leaving the box
    screen.CloseFateScreenClick();
    EXPECT_NE(screen.ModalResult(), forms::mrOk) << "the new id is taken first";
    EXPECT_EQ(CurrentPmn.CaseNum, "P-14-0042");
    EXPECT_EQ(screen.ChemName->Text(), "");
    EXPECT_EQ(Row("abd,1").CHEMNAME, "neighbour");
    for (forms::TCheckBox* box : screen.ModuleBoxes()) {
        box->SetChecked(false);
    }
    screen.Landfill->SetChecked(true);
    screen.ChemName->SetText("fresh");
    screen.CloseFateScreenClick();
    ASSERT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(SelectedChemId, "P-14-0042");
    EXPECT_EQ(Row("P-14-0042,1").CHEMNAME, "fresh");
    EXPECT_EQ(Row("P-14-0042,1").MODGUYS, "010000000");
    EXPECT_EQ(Row("abc,1").CHEMNAME, "") << "the chemical shown before is not overwritten";
}

}  // namespace

namespace {

TEST_F(CommitTest, LeavingWithoutACommitGivesBackTheCaseOfBefore) {
    AddChemical();
    CurrentPmn = pmn_record();  // no chemical chosen yet
    ui.OnNextModal([](forms::Form& form) {
        auto& screen = dynamic_cast<TPchemFate&>(form);
        EXPECT_EQ(CurrentPmn.CaseNum, "abd") << "the screen shows a chemical";
        screen.ChemName->SetText("looked at only");
        return int(forms::mrCancel);
    });
    {
        TPchemFate screen;
        screen.ShowModal();
    }
    EXPECT_EQ(CurrentPmn.CaseNum, "");
    EXPECT_EQ(SelectedChemId, "");

    // After a commit the chosen chemical stays current.
    ui.OnNextModal([](forms::Form& form) {
        auto& screen = dynamic_cast<TPchemFate&>(form);
        screen.ChemId->ChooseItem(0);
        screen.ChemName->SetText("chosen");
        screen.CloseFateScreenClick();
        return screen.ModalResult();
    });
    TPchemFate screen;
    EXPECT_EQ(screen.ShowModal(), forms::mrOk);
    EXPECT_EQ(CurrentPmn.CaseNum, "abc");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "chosen");
}

}  // namespace

namespace {

// A commit that stored the new chemical's rows but was refused by the closing checks, then the
// window closed: the chosen chemical, its modules and the current record are the old chemical's.
TEST_F(CommitTest, ARefusedCommitThenClosedWindowKeepsOneChemicalChosen) {
    AddRelease("new", "1", [](pmn_record& r) {
        r.MODGUYS = "000100000";  // the consumer model: the weight fractions must be given
        r.CHEMNAME = "new chemical";
        r.MW = 10;
        r.VP = 1;
    });
    AddRelease("old", "1", [](pmn_record& r) {
        r.MODGUYS = "100000000";
        r.CHEMNAME = "old chemical";
        r.BCF = 5;
    });
    LoadScenarioRecord("old,1");
    SelectedChemId = "old";
    SurfaceWaterSelected = 1;
    ui.OnNextModal([this](forms::Form& form) {
        auto& screen = dynamic_cast<TPchemFate&>(form);
        screen.ChemId->ChooseItem(0);
        QTest::mouseClick(screen.CloseFateScreen, Qt::LeftButton);
        EXPECT_EQ(BoxTexts().back(),
                  "90th %ile weight fraction must be greater than 0 and less than or equal to 1");
        EXPECT_NE(screen.ModalResult(), forms::mrOk);
        return int(forms::mrCancel);  // the window closed
    });
    intro.CasSelectClick();
    EXPECT_EQ(SelectedChemId, "old");
    EXPECT_EQ(CurrentPmn.CaseNum, "old");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "old chemical");
    EXPECT_EQ(SurfaceWaterSelected, 1);
    EXPECT_EQ(KivSelected, 0);
    EXPECT_EQ(Row("new,1").MODGUYS, "000100000") << "the refused commit stored its rows";
}

}  // namespace
