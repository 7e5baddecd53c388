// The commit writing the chemical into the Level III and EQC databases: values, units, the
// find-or-append rule, failures, and no write before the closing checks pass.
#include <gtest/gtest.h>

#include <filesystem>

#include "chemistry/fate_databases.h"
#include "chemistry/pchem_fate.h"
#include "platform/fatedb/chemicals_table.h"
#include "platform/sys/files.h"
#include "tests/chemistry/chemistry_fixture.h"

namespace fs = std::filesystem;

namespace {

class FateDatabasesTest : public ChemistryTest {
  protected:
    void CopyShippedDatabases() {
        fs::create_directories(program / "datafile");
        fs::copy_file(fs::path(OMBRIX_PROGRAM_DIR) / "datafile" / "l3data.mdb",
                      program / "datafile/l3data.mdb");
        fs::copy_file(fs::path(OMBRIX_PROGRAM_DIR) / "chemdata.mdb", program / "chemdata.mdb");
    }
    // A chemical ticked for both outside models, all checks passing.
    void AddModelChemical(const std::string& name) {
        AddRelease("abc", "1", [name](pmn_record& r) {
            r.MODGUYS = "000011000";
            r.CHEMNAME = name;
            r.MW = 78.11;
            r.VP = 95.2;
            r.WSOLUBLE = 1790;
            r.KOW = 2.13;
            r.MELT_PT = 5.5;
            r.DATATEMP = 25;
            r.AEROSOL = 12;
        });
    }
    long Rows(const std::string& file) {
        fatedb::Database db;
        db.Open(file);
        fatedb::Table table(db);
        table.Open("Chemicals");
        return table.RowCount();
    }
    QVariant Field(const std::string& file, const std::string& name, const std::string& field) {
        fatedb::Database db;
        db.Open(file);
        fatedb::Table table(db);
        table.Open("Chemicals");
        return table.Locate("ChemName", name) ? table.Value(field) : QVariant();
    }
};

TEST_F(FateDatabasesTest, LevelIIIAndEqcRowsCarryTheScreensValues) {
    CopyShippedDatabases();
    AddModelChemical("Benzene");
    TPchemFate screen;
    screen.FormActivate();
    ASSERT_TRUE(forms::Visible(screen.Level3Types));
    screen.VpUnits->ChooseItem(1);  // 95.2 torr shown in atm
    screen.WaterHalfLife->SetText("     10000");
    screen.SedimentHalfLife->SetText("40000");
    screen.AirHalfLife->SetText("17");
    screen.Level3Types->ChooseItem(1);
    screen.GenPopClick();
    screen.WaterAir->SetText("0.22");
    screen.Soil->SetText("60");
    screen.CloseFateScreen->Click();
    ASSERT_EQ(screen.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());

    const std::string l3 = program / "datafile/l3data.mdb";
    const std::string eqc = program / "chemdata.mdb";
    EXPECT_EQ(Rows(l3), 1);
    EXPECT_EQ(Field(l3, "benzene", "Type").toInt(), 2);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "VP").toDouble(), 95.2 * 101325 / 760);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "MW").toDouble(), 78.11);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "LogKow").toDouble(), 2.13);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "HLWater_h").toDouble(), 10000);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "HLSed_h").toDouble(), 40000);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "HLAer_h").toDouble(), 12);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "Kaw").toDouble(), 0.22);
    EXPECT_DOUBLE_EQ(Field(l3, "Benzene", "Ksoil_wat").toDouble(), 60);
    EXPECT_TRUE(Field(l3, "Benzene", "KWat_Air").isNull()) << "type 2 leaves the -Air fields";

    EXPECT_EQ(Field(eqc, "Benzene", "Type").toInt(), 1);
    EXPECT_DOUBLE_EQ(Field(eqc, "Benzene", "AirHL_h").toDouble(), 17);
    EXPECT_DOUBLE_EQ(Field(eqc, "Benzene", "WatHL_k").toDouble(), 10000);
    EXPECT_DOUBLE_EQ(Field(eqc, "Benzene", "S").toDouble(), 1790);

    // A second commit under the name in other letters updates the row; type 1 writes zeros.
    TPchemFate again;
    again.FormActivate();
    again.ChemName->SetText("BENZENE");
    again.Mw->SetText("80");
    again.CloseFateScreenClick();
    ASSERT_EQ(again.ModalResult(), forms::mrOk) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(Rows(l3), 1);
    EXPECT_DOUBLE_EQ(Field(l3, "benzene", "MW").toDouble(), 80);
    EXPECT_EQ(Field(l3, "benzene", "KWat_Air").toInt(), 0);
    EXPECT_FALSE(Field(l3, "benzene", "KWat_Air").isNull());
}

TEST_F(FateDatabasesTest, NothingIsWrittenUntilTheClosingChecksPass) {
    CopyShippedDatabases();
    AddModelChemical("Toluene");
    TPchemFate screen;
    screen.FormActivate();
    screen.Mw->SetText("0");
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Molecular weight must be greater than 0"}));
    screen.CloseFateScreenClick();
    EXPECT_EQ(Rows(program / "datafile/l3data.mdb"), 0);
    EXPECT_EQ(Rows(program / "chemdata.mdb"), 0);

    screen.Mw->SetText("92.14");
    screen.CloseFateScreenClick();
    EXPECT_EQ(screen.ModalResult(), forms::mrOk);
    EXPECT_EQ(Rows(program / "datafile/l3data.mdb"), 1);
    EXPECT_EQ(Rows(program / "chemdata.mdb"), 1);
}

TEST_F(FateDatabasesTest, AMissingDatabaseIsANoteAndTheCommitGoesOn) {
    AddModelChemical("Xylene");
    Level3ProgramPath = "c:\\level3\\level3.exe";
    fs::create_directories(program / "drive_c/level3/datafile");
    fs::copy_file(fs::path(OMBRIX_PROGRAM_DIR) / "datafile" / "l3data.mdb",
                  program / "drive_c/level3/datafile/l3data.mdb");
    TPchemFate screen;
    screen.FormActivate();
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "NYR could not save this information for EQC.  When using EQC, you "
                              "will need to manually enter the data."}));
    EXPECT_EQ(screen.ModalResult(), forms::mrOk);
    EXPECT_EQ(Rows(program / "drive_c/level3/datafile/l3data.mdb"), 1);
    EXPECT_FALSE(sys::FileExists(program / "chemdata.mdb")) << "no empty database is left behind";
    EXPECT_EQ(ProgramPathFolder("c:\\level3\\level3.exe"), "c:\\level3\\");
    EXPECT_EQ(ProgramPathFolder("level3.exe"), "");
}

TEST_F(FateDatabasesTest, AHalfLifeThatIsNoNumberWritesNothingOfTheRow) {
    CopyShippedDatabases();
    AddModelChemical("Styrene");
    TPchemFate screen;
    screen.FormActivate();
    screen.SoilHalfLife->SetText("1e");
    screen.CloseFateScreenClick();
    EXPECT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(Rows(program / "datafile/l3data.mdb"), 0);
    EXPECT_EQ(Rows(program / "chemdata.mdb"), 0);
}

}  // namespace
