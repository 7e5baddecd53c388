// The properties screen: the chemical list, choosing and typing a chemical id, the input groups
// each module shows, units and the reading of edits.
#include <gtest/gtest.h>

#include <QTest>
#include <map>

#include "chemistry/import_run.h"
#include "chemistry/pchem_fate.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "tests/chemistry/chemistry_fixture.h"

namespace {

class PchemFateTest : public ChemistryTest {
  protected:
    // Types into an edit as a person would: the text, then focus leaves it.
    static void TypeAndLeave(forms::TEdit* edit, const std::string& text) {
        edit->SetText(text);
        edit->OnExit();
    }
};

TEST_F(PchemFateTest, ListHoldsEachIdOnceAndChoosesTmpcasOrTheLast) {
    AddRelease("abc", "1", [](pmn_record& r) { r.CHEMNAME = "first"; });
    AddRelease("abc", "2");
    AddRelease("xyz", "1", [](pmn_record& r) { r.CHEMNAME = "last"; });
    {
        TPchemFate screen;
        screen.FormActivate();
        EXPECT_EQ(screen.ChemId->Items(), (std::vector<std::string>{"abc", "xyz"}));
        EXPECT_EQ(screen.ChemId->Text(), "xyz") << "without tmpcas the last id is chosen";
        EXPECT_EQ(screen.ChemName->Text(), "last");
    }
    AddRelease("tmpcas", "1", [](pmn_record& r) { r.CHEMNAME = "scratch"; });
    TPchemFate screen;
    screen.FormActivate();
    EXPECT_EQ(screen.ChemId->Items(), (std::vector<std::string>{"abc", "tmpcas", "xyz"}));
    EXPECT_EQ(screen.ChemId->ItemIndex(), 1);
    EXPECT_EQ(screen.ChemName->Text(), "scratch");
    EXPECT_EQ(CurrentPmn.CaseNum, "tmpcas");
    EXPECT_EQ(CurrentPmn.ScenNum, "1");

    screen.ChemId->ChooseItem(0);
    EXPECT_EQ(screen.ChemName->Text(), "first");
    EXPECT_EQ(CurrentPmn.CaseNum, "abc");
}

TEST_F(PchemFateTest, TypedIdsStartANewChemicalOrLoadTheOneOfThatId) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.CHEMNAME = "known";
        r.MW = 120;
    });
    AddRelease("xyz", "1");
    TPchemFate screen;
    screen.FormActivate();
    screen.ChemId->TypeText("new,id");
    EXPECT_EQ(screen.ChemId->Text(), "newid") << "a typed comma disappears at once";
    screen.ChemId->OnExit();
    EXPECT_EQ(CurrentPmn.CaseNum, "newid");
    EXPECT_EQ(CurrentPmn.ScenNum, "1");
    EXPECT_EQ(screen.ChemName->Text(), "");

    // Typing the id of a listed chemical loads it rather than resetting it.
    screen.ChemId->TypeText("abc");
    screen.ChemId->OnExit();
    EXPECT_EQ(screen.ChemId->ItemIndex(), 0);
    EXPECT_EQ(CurrentPmn.CaseNum, "abc");
    EXPECT_EQ(CurrentPmn.MW, 120);
    EXPECT_EQ(screen.ChemName->Text(), "known");
}

// The input groups each module shows, by the captions of their inputs.
std::map<std::string, bool> VisibleInputs(TPchemFate& s) {
    const std::pair<const char*, QWidget*> inputs[] = {
        {"name", s.ChemName},
        {"migration", s.Migration},
        {"bcf", s.Bcf},
        {"fugitive", s.FugitiveRemoval},
        {"stack", s.StackRemoval},
        {"sludge", s.SludgeAbsorption},
        {"wwt", s.Wwt},
        {"dwt", s.Dwt},
        {"wfmed", s.WfMed},
        {"wf90", s.Wf90},
        {"mw", s.Mw},
        {"vp", s.Vp},
        {"vpunits", s.VpUnits},
        {"solubility", s.WaterSolubility},
        {"temperature", s.Temperature},
        {"kow", s.LogKow},
        {"melting", s.MeltingPoint},
        {"airhl", s.AirHalfLife},
        {"waterhl", s.WaterHalfLife},
        {"soilhl", s.SoilHalfLife},
        {"sedhl", s.SedimentHalfLife},
        {"sushl", s.SusSedHalfLife},
        {"fishhl", s.FishHalfLife},
        {"aerosol", s.Aerosol},
        {"henry", s.Henry},
        {"henryunits", s.HenryUnits},
        {"astreat", s.CalcLowWwt},
        {"nobcf", s.NoBcf},
        {"partitions", s.WaterAir},
    };
    std::map<std::string, bool> shown;
    for (const auto& [name, widget] : inputs) {
        if (forms::Visible(widget)) {
            shown[name] = true;
        }
    }
    return shown;
}

std::map<std::string, bool> Only(std::initializer_list<const char*> names) {
    std::map<std::string, bool> shown;
    for (const char* name : names) {
        shown[name] = true;
    }
    return shown;
}

TEST_F(PchemFateTest, EachModuleShowsExactlyItsInputGroups) {
    AddRelease("abc", "1");
    TPchemFate screen;
    screen.FormActivate();
    struct Case {
        const char* modules;
        std::map<std::string, bool> shown;
    };
    const Case cases[] = {
        {"000000000", {}},
        {"010000000", Only({"name", "migration", "sludge", "dwt"})},
        {"000100000", Only({"name", "wfmed", "wf90", "mw", "vp", "vpunits"})},
        {"100000000", Only({"name", "bcf", "nobcf", "sludge", "wwt", "dwt"})},
        {"000000001", Only({"name", "fugitive", "stack"})},
        {"000000100", Only({"name", "wwt", "mw", "vp", "vpunits", "solubility", "kow", "henry",
                            "henryunits", "astreat"})},
        {"000001000",
         Only({"name", "mw", "vp", "vpunits", "solubility", "temperature", "kow", "melting",
               "airhl", "waterhl", "soilhl", "sedhl", "sushl", "fishhl", "aerosol"})},
    };
    std::vector<forms::TCheckBox*> boxes = screen.ModuleBoxes();
    for (const Case& c : cases) {
        for (size_t k = 0; k < 9; ++k) {
            boxes[k]->SetChecked(c.modules[k] == '1');
        }
        screen.GenPopClick();
        EXPECT_EQ(VisibleInputs(screen), c.shown) << c.modules;
        EXPECT_EQ(screen.ModuleFlags, c.modules);
    }
}

TEST_F(PchemFateTest, TickingABoxWithTheMouseShowsItsGroupsAndPartitionTypesSwitchLabels) {
    AddRelease("abc", "1");
    TPchemFate screen;
    screen.FormActivate();
    for (forms::TCheckBox* box : screen.ModuleBoxes()) {
        box->SetChecked(false);
    }
    ClickCheckBox(screen.Kiv);
    EXPECT_EQ(VisibleInputs(screen), Only({"name", "wfmed", "wf90", "mw", "vp", "vpunits"}));

    screen.Level3->SetChecked(true);
    EXPECT_TRUE(forms::Visible(screen.Level3Types));
    EXPECT_FALSE(forms::Visible(screen.WaterAir)) << "type 1 has no partition coefficients";
    screen.Level3Types->ChooseItem(2);
    screen.GenPopClick();
    EXPECT_TRUE(forms::Visible(screen.WaterAir));
    EXPECT_EQ(screen.SoilLabel->Text(), "Soil-Air");
    EXPECT_FALSE(forms::Visible(screen.SoilUnitsLabel));
    screen.Level3Types->ChooseItem(1);
    screen.GenPopClick();
    EXPECT_EQ(screen.WaterAirLabel->Text(), "Air-Water");
    EXPECT_TRUE(forms::Visible(screen.SoilUnitsLabel));
}

TEST_F(PchemFateTest, VaporPressureAndHenryAreAlwaysShownAndReadInTheChosenUnit) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "000100100";
        r.VP = 760;
        r.HENRY = 1;
    });
    TPchemFate screen;
    screen.FormActivate();
    EXPECT_EQ(screen.Vp->Text(), "760.00");
    screen.VpUnits->ChooseItem(1);
    EXPECT_EQ(screen.Vp->Text(), "1.00");
    screen.VpUnits->ChooseItem(3);
    EXPECT_EQ(screen.Vp->Text(), "1.01E+05");
    screen.Vp->OnExit();  // left alone: the stored value stays exact
    EXPECT_EQ(CurrentPmn.VP, 760);

    screen.VpUnits->ChooseItem(2);
    TypeAndLeave(screen.Vp, "1013");
    EXPECT_DOUBLE_EQ(CurrentPmn.VP, 760);
    screen.VpUnits->ChooseItem(3);
    TypeAndLeave(screen.Vp, "101325");
    EXPECT_DOUBLE_EQ(CurrentPmn.VP, 760);
    screen.VpUnits->ChooseItem(1);
    TypeAndLeave(screen.Vp, "");  // an empty edit shows the stored value in the chosen unit
    EXPECT_EQ(screen.Vp->Text(), "1.00");

    // A chemical loaded while a unit other than torr is chosen shows in that unit.
    AddRelease("def", "1", [](pmn_record& r) {
        r.MODGUYS = "000100100";
        r.VP = 380;
    });
    screen.ChemId->TypeText("def");
    screen.ChemId->OnExit();
    EXPECT_EQ(screen.Vp->Text(), "0.50");

    screen.HenryUnits->ChooseItem(1);
    TypeAndLeave(screen.Henry, "40.92");
    EXPECT_DOUBLE_EQ(CurrentPmn.HENRY, 1);
    EXPECT_EQ(screen.Henry->Text(), "40.92");
}

TEST_F(PchemFateTest, EditsAcceptNegativesOnlyWhereTheQuantityAllowsThem) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "100011000";
        r.BCF = 5;
    });
    TPchemFate screen;
    screen.FormActivate();
    TypeAndLeave(screen.LogKow, "-1.5");
    EXPECT_EQ(CurrentPmn.KOW, -1.5);
    TypeAndLeave(screen.MeltingPoint, "-95");
    EXPECT_EQ(CurrentPmn.MELT_PT, -95);
    TypeAndLeave(screen.Temperature, "-9");
    EXPECT_EQ(CurrentPmn.DATATEMP, -9);
    EXPECT_TRUE(ui.Boxes().empty());

    TypeAndLeave(screen.Bcf, "-5");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Value must be greater than 0.0");
    EXPECT_EQ(CurrentPmn.BCF, 5);
    TypeAndLeave(screen.Bcf, "-9");
    EXPECT_EQ(CurrentPmn.BCF, -9);

    // Shown with its sign when the chemical is loaded again.
    screen.ShowChemicalProperties();
    EXPECT_EQ(screen.LogKow->Text(), "-1.50");
    EXPECT_EQ(screen.Temperature->Text(), "N/A");
}

TEST_F(PchemFateTest, LeavingAnEditWithTextThatIsNoNumberNamesTheFieldAndKeepsTheValue) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "000100000";
        r.MW = 78.11;
    });
    TPchemFate screen;
    screen.FormActivate();
    for (const char* text : {"-", "1e", "1-2", "+-"}) {
        ui.ClearShown();
        TypeAndLeave(screen.Mw, text);
        ASSERT_EQ(ui.Boxes().size(), 1u) << text;
        EXPECT_EQ(ui.Boxes()[0].text, std::string("Molecular weight: \"") + text +
                                          "\" is not a number. Please correct it.");
        EXPECT_EQ(CurrentPmn.MW, 78.11);
        EXPECT_EQ(screen.Mw->Text(), "78.11");
    }
}

TEST_F(PchemFateTest, CouplingsBetweenRemovalSludgeAndWeightFractions) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "110100000";
        r.SLUDGEAB = 60;
        r.WWT_LOW = 100;
        r.H2O_HI = 10;
        r.H2ODAYLO = 250;
    });
    TPchemFate screen;
    screen.FormActivate();
    TypeAndLeave(screen.Wwt, "50");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "% Absorption to wastewater treatment sludge must be < or = Wastewater treatment.");
    EXPECT_EQ(CurrentPmn.WWT_LOW, 60);
    EXPECT_EQ(screen.Wwt->Text(), "60.00");

    TypeAndLeave(screen.SludgeAbsorption, "20");
    EXPECT_DOUBLE_EQ(CurrentPmn.SORPTION, 2);  // 20 % of 10 kg/site/day
    EXPECT_EQ(CurrentPmn.DAYSSLUDGE, 250);

    TypeAndLeave(screen.Dwt, "100");
    EXPECT_EQ(CurrentPmn.DWT, 0) << "drinking-water removal must stay below 100";
    TypeAndLeave(screen.Wwt, "100");
    EXPECT_EQ(CurrentPmn.WWT_LOW, 100);

    TypeAndLeave(screen.Wf90, "0.3");
    TypeAndLeave(screen.WfMed, "0.5");
    EXPECT_EQ(screen.Wf90->Text(), "0.5");
}

TEST_F(PchemFateTest, NoBcfSwitch) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "100000000";
        r.BCF = 12;
    });
    TPchemFate screen;
    screen.FormActivate();
    EXPECT_FALSE(screen.NoBcf->Checked());
    EXPECT_FALSE(forms::Visible(screen.NoBcfLabel));
    ClickCheckBox(screen.NoBcf);
    EXPECT_EQ(screen.Bcf->Text(), "0.00");
    EXPECT_TRUE(forms::Visible(screen.NoBcfLabel));
    EXPECT_EQ(CurrentPmn.BCF, 12) << "the record keeps its BCF until the commit";
    screen.NoBcf->SetChecked(false);
    EXPECT_EQ(screen.Bcf->Text(), "12.00");
}

}  // namespace

namespace {

// A window restored from minimised or activated again (after a chart, a dialog or the treatment
// model's run) is shown and activated anew; what was entered stays.
TEST_F(PchemFateTest, ShowingAndActivatingAgainKeepsTheEntries) {
    AddRelease("abc", "1", [](pmn_record& r) {
        r.MODGUYS = "000100000";
        r.MW = 50;
    });
    TPchemFate screen;
    screen.FormShow();
    screen.FormActivate();
    TypeAndLeave(screen.Mw, "78.11");
    screen.FormShow();
    screen.FormActivate();
    EXPECT_EQ(CurrentPmn.MW, 78.11);
    EXPECT_EQ(screen.Mw->Text(), "78.11");
}

}  // namespace

namespace {

TEST_F(PchemFateTest, HelpAndHiddenCommands) {
    AddRelease("abc", "1", [](pmn_record& r) { r.MODGUYS = "000010000"; });
    TPchemFate screen;
    screen.FormActivate();
    QTest::mouseClick(screen.FateHelp, Qt::LeftButton);
    ASSERT_FALSE(ui.Shown().empty());
    EXPECT_EQ(ui.Shown().back().kind, "help");
    EXPECT_EQ(ui.Shown().back().caption, "Physical___Chemical_Properties_and_Fate_Screen");

    // The import has no table of exported runs to read and says so.
    EXPECT_FALSE(forms::Visible(screen.BitBtn2));
    screen.BitBtn2->Click();
    EXPECT_EQ(ui.Boxes().back().text, "There is no table of exported runs to import from.");

    // The hidden EQC command: no database in the working folder gives the EQC note.
    EXPECT_FALSE(forms::Visible(screen.BitBtn1));
    screen.BitBtn1->Click();
    EXPECT_EQ(ui.Boxes().back().text,
              "NYR could not save this information for EQC.  When using EQC, you will need to "
              "manually enter the data.");
}

// Writes a scenario row in which every field holds a value that no reset record holds.
void WriteRowWithEveryFieldSet(const std::string& key) {
    tables::Table& table = Tables().PmnTable;
    table.Append();
    const std::vector<tables::FieldDef>& fields = table.Fields();
    for (size_t k = 0; k < fields.size(); ++k) {
        const tables::FieldDef& field = fields[k];
        const int index = static_cast<int>(k);
        const double number = 2 + static_cast<double>(k % 7) + (field.decimals > 0 ? 0.5 : 0);
        if (field.name == "PMN_ID") {
            table.SetString(index, key);
            continue;
        }
        switch (field.type) {
            case tables::FieldType::Numeric:
            case tables::FieldType::Float:
                table.SetFloat(index, number);
                break;
            case tables::FieldType::Logical:
                table.SetBoolean(index, true);
                break;
            case tables::FieldType::Date:
                table.SetString(index, "20240102");
                break;
            default:
                table.SetString(index, ("v" + std::to_string(k)).substr(0, size_t(field.width)));
        }
    }
    table.Post();
}

// Every field of a stored row as text, the key left out.
std::map<std::string, std::string> StoredFields(const std::string& key) {
    tables::Table& table = Tables().PmnTable;
    table.FindNearest(key);
    EXPECT_EQ(PmnFieldAsString("PMN_ID"), key);
    std::map<std::string, std::string> fields;
    for (const tables::FieldDef& field : table.Fields()) {
        if (field.name != "PMN_ID") {
            fields[field.name] = table.AsString(field.name);
        }
    }
    return fields;
}

class ImportRecordTest : public ChemistryTest {};

// The staging record of an export row reaches the current record whole: a field that the copy
// left out would be stored as the reset record holds it.
TEST_F(ImportRecordTest, CopyCarriesEveryFieldAndKeysLoseTheirMediumLetter) {
    WriteRowWithEveryFieldSet("imp,1");
    LoadScenarioRecord("imp,1");
    ImportPmn = CurrentPmn;
    CurrentPmn.ScenNum = "2";
    SaveScenarioRecord();  // the row as loaded and stored, for comparison

    CurrentPmn = pmn_record();
    CopyChemicalRecord();
    CurrentPmn.ScenNum = "3";
    SaveScenarioRecord();
    const std::map<std::string, std::string> expected = StoredFields("imp,2");
    const std::map<std::string, std::string> copied = StoredFields("imp,3");
    ASSERT_EQ(copied.size(), expected.size());
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(copied.at(name), text) << name;
    }

    EXPECT_EQ(NormaliseImportKey("abc,2c"), "abc,2");
    EXPECT_EQ(NormaliseImportKey("abc,2"), "abc,2");
    EXPECT_EQ(NormaliseImportKey("abc2c"), "abc2c");
    EXPECT_EQ(NormaliseImportKey("abc,2e"), "abc,2e");
}

}  // namespace
