// Fate-model databases: shipped files, rows found without regard to case, whole-row posts.
#include "platform/fatedb/chemicals_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/sys/files.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

const char* kSchema =
    "CREATE TABLE Chemicals (ChemName TEXT, Type INTEGER, MW REAL, LogKow REAL);"
    "CREATE TABLE Other (X REAL)";

std::string ShippedFile(const std::string& relative) {
    return std::string(OMBRIX_PROGRAM_DIR) + "/" + relative;
}

// Runs Debian's Python over the database and returns what it prints: an independent reader.
std::string PythonRead(const std::string& file, const std::string& sql) {
    const std::string command =
        "/usr/bin/python3 -c \"import sqlite3,sys; c=sqlite3.connect(sys.argv[1]);"
        "print(repr(c.execute(sys.argv[2]).fetchall()))\" '" +
        file + "' \"" + sql + "\"";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        ::pclose(pipe);
    }
    return out;
}

class ChemicalsTableTest : public ::testing::Test {
  protected:
    void SetUp() override { fatedb::CreateDatabase(file, kSchema); }
    TempFolder dir;
    std::string file = dir / "chem.mdb";
};

TEST(ShippedFateDatabases, BothAreEmptyWithTheFieldsTheScreenWrites) {
    struct Case {
        const char* file;
        std::vector<const char*> fields;
    };
    const Case cases[] = {
        {"datafile/l3data.mdb",
         {"ChemName",   "Type",         "MW",       "S",         "VP",        "LogKow",
          "MP",         "PropertyTemp", "HLAir_h",  "HLWater_h", "HLSoil_h",  "HLSed_h",
          "HLSusSed_h", "HLFish_h",     "HLAer_h",  "Kaw",       "Ksoil_wat", "Ksed_wat",
          "Kpart_wat",  "BCF_Fish",     "Kaer_wat", "KWat_Air",  "KSoil_air", "KSed_Air",
          "Kpart_Air",  "KFish_Air",    "KAer_Air"}},
        {"chemdata.mdb",
         {"ChemName", "Type",         "MW",       "S",         "VP",        "LogKow",
          "MP",       "PropertyTemp", "AirHL_h",  "WatHL_k",   "SoilHL_h",  "SedHL_h",
          "Kaw",      "Ksoil_wat",    "Ksed_wat", "Kpart_wat", "BCF_Fish",  "Kaer_wat",
          "KWat_Air", "KSoil_air",    "KSed_Air", "Kpart_Air", "KFish_Air", "KAer_Air"}},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        // Written on a copy, so that the shipped file stays empty.
        ASSERT_TRUE(sys::CopyBytes(ShippedFile(c.file), dir / "copy.mdb"));
        fatedb::Database db;
        db.Open(dir / "copy.mdb");
        fatedb::Table table(db);
        table.Open("Chemicals");
        EXPECT_EQ(table.RowCount(), 0);
        table.Append();
        for (const char* field : c.fields) {
            table.SetDouble(field, 1.0);
        }
        table.SetText("ChemName", "probe");
        EXPECT_NO_THROW(table.Post());  // every field exists
    }
}

TEST_F(ChemicalsTableTest, LocateIgnoresLetterCaseAndUpdatesTheRowFound) {
    fatedb::Database db;
    db.Open(file);
    fatedb::Table table(db);
    table.Open("Chemicals");
    ASSERT_FALSE(table.Locate("ChemName", "Benzene"));
    table.Append();
    table.SetText("ChemName", "Benzene");
    table.SetInteger("Type", 1);
    table.SetDouble("MW", 78.11);
    table.Post();

    ASSERT_TRUE(table.Locate("ChemName", "bENZENE"));
    table.SetDouble("MW", 78.5);
    table.SetDouble("LogKow", -1.25);
    table.Post();
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.Value("ChemName").toString().toStdString(), "Benzene");
    EXPECT_DOUBLE_EQ(table.Value("MW").toDouble(), 78.5);
    EXPECT_EQ(table.Value("Type").toInt(), 1);  // untouched by the second post
    db.Close();

    EXPECT_EQ(PythonRead(file, "select ChemName, Type, MW, LogKow from Chemicals"),
              "[('Benzene', 1, 78.5, -1.25)]\n");
}

TEST_F(ChemicalsTableTest, AFieldTheTableLacksWritesNothingOfThePost) {
    fatedb::Database db;
    db.Open(file);
    fatedb::Table table(db);
    table.Open("Chemicals");
    table.Append();
    table.SetText("ChemName", "x");
    table.SetDouble("NoSuchField", 2.0);
    EXPECT_THROW(table.Post(), fatedb::FateDbError);
    EXPECT_EQ(table.RowCount(), 0);

    table.Append();
    table.SetText("ChemName", "x");
    table.SetDouble("MW", 10);
    table.Post();
    ASSERT_TRUE(table.Locate("ChemName", "X"));
    table.SetDouble("MW", 20);
    table.SetDouble("Missing", 1);
    EXPECT_THROW(table.Post(), fatedb::FateDbError);
    ASSERT_TRUE(table.Locate("ChemName", "x"));
    EXPECT_DOUBLE_EQ(table.Value("MW").toDouble(), 10.0);
}

TEST(FateDatabaseFailures, MissingFileGarbageFileOrMissingTableThrow) {
    TempFolder dir;
    fatedb::Database db;
    EXPECT_THROW(db.Open(dir / "missing.mdb"), fatedb::FateDbError);
    EXPECT_FALSE(sys::FileExists(dir / "missing.mdb"));  // never created by the attempt

    ASSERT_TRUE(sys::WriteWholeFile(dir / "garbage.mdb", std::string(4096, 'x')));
    EXPECT_THROW(db.Open(dir / "garbage.mdb"), fatedb::FateDbError);
    EXPECT_FALSE(db.IsOpen());

    fatedb::CreateDatabase(dir / "other.mdb", "CREATE TABLE Other (X REAL)");
    db.Open(dir / "other.mdb");
    fatedb::Table table(db);
    EXPECT_THROW(table.Open("Chemicals"), fatedb::FateDbError);
}

TEST(FateDatabaseFailures, SystemPathsWithBackslashesAndAnyCaseReachTheFile) {
    TempFolder dir;
    ASSERT_TRUE(sys::MakeFolder(dir / "datafile"));
    fatedb::CreateDatabase(dir / "datafile/l3data.mdb", kSchema);
    fatedb::Database db;
    EXPECT_NO_THROW(db.Open(dir.path() + "\\DataFile\\L3DATA.mdb"));
}

}  // namespace
