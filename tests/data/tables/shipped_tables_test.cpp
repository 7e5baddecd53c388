// The shipped tables opened through our own table layer, the way the programs open them.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "platform/tables/table.h"

namespace {

namespace fs = std::filesystem;

std::string ProgramFile(const std::string& name) {
    return std::string(OMBRIX_PROGRAM_DIR) + "/" + name;
}

// A copy of the pristine scenario table in a scratch folder, removed afterwards.
class ScenarioCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("shipped_nyr01_" + std::to_string(getpid()));
        fs::create_directories(folder_);
        for (const char* name : {"nyr01.dbf", "nyr01.dbt"})
            fs::copy_file(ProgramFile(name), folder_ / name, fs::copy_options::overwrite_existing);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path() const { return (folder_ / "nyr01.dbf").string(); }

  private:
    fs::path folder_;
};

TEST_F(ScenarioCopy, KeepsTheValuesTheProgramsStore) {
    const std::string remarks(1995, 'r');
    const std::string chemical(254, 'c');
    {
        tables::Table table;
        table.Open(Path());
        table.SetIndex("PMN_ID");
        table.Append();
        table.SetString("PMN_ID", "P-12-0345,B,12");
        table.SetString("CHEMNAME", chemical);
        table.SetString("MODGUYS", "101000011");
        table.SetString("FL7q10FLG", "*");  // the saver's spelling of FL7Q10FLG
        table.SetString("METCLASS", "Stability and Wind Speed");
        table.SetString("REMARKS", remarks);
        table.SetString("SWMEMO", "surface water comment");
        table.SetFloat("VP", 1.234e-10);
        table.SetFloat("HENRY", 5.678e-12);
        table.SetFloat("IREL_DOWN", 2.5e-11);
        table.SetFloat("WSOLUBLE", 1.0e6);
        table.SetFloat("PRODVOL", 2.5e12);
        table.SetFloat("FUGRELHT", -9.0);
        table.SetInteger("SIC_CODE", -1);
        table.SetBoolean("CRITTERS", true);
        table.Post();
        table.Close();
    }
    tables::Table table;
    table.Open(Path());
    table.SetIndex("PMN_ID");
    table.FindNearest("P-12-0345,B,12");
    EXPECT_EQ(table.AsString("PMN_ID"), "P-12-0345,B,12");
    EXPECT_EQ(table.AsString("CHEMNAME"), chemical);
    EXPECT_EQ(table.AsString("MODGUYS"), "101000011");
    EXPECT_EQ(table.AsString("FL7Q10FLG"), "*");
    EXPECT_EQ(table.AsString("METCLASS"), "Stability and Wind Speed");
    EXPECT_EQ(table.AsString("REMARKS"), remarks);
    EXPECT_EQ(table.AsString("SWMEMO"), "surface water comment");
    EXPECT_NEAR(table.AsFloat("VP"), 1.234e-10, 1e-14);
    EXPECT_NEAR(table.AsFloat("HENRY"), 5.678e-12, 1e-15);
    EXPECT_NEAR(table.AsFloat("IREL_DOWN"), 2.5e-11, 1e-15);
    EXPECT_DOUBLE_EQ(table.AsFloat("WSOLUBLE"), 1.0e6);
    EXPECT_DOUBLE_EQ(table.AsFloat("PRODVOL"), 2.5e12);
    EXPECT_DOUBLE_EQ(table.AsFloat("FUGRELHT"), -9.0);
    EXPECT_EQ(table.AsInteger("SIC_CODE"), -1);
    EXPECT_TRUE(table.AsBoolean("CRITTERS"));
    EXPECT_TRUE(table.IsNull("LNDMEMO"));
}

// (table, index tag, key, field read, value found there)
struct Lookup {
    const char* table;
    const char* tag;
    const char* key;
    const char* field;
    const char* value;
};

TEST(ShippedTables, OpenWithTheIndexesTheLookupsUse) {
    const Lookup lookups[] = {
        {"duriviz/sids2004.dbf", "NPDES", "NY0020371", "NAME", "HARBOR VALLEY WPCP"},
        {"duriviz/sids2004.dbf", "NAME", "HARBOR VALLEY W", "NPDES", "NY0020371"},
        {"duriviz/sids2004.dbf", "SIC", "4952", "SIC", "4952"},
        {"rscan/reach.dbf", "REACH", "", "REACH", nullptr},
        {"pdm/actflow.dbf", "REACH", "", "REACH", nullptr},
        {"endanger/trelspec.dbf", "FIPS2", "", "FIPS2", nullptr},
        {"duriviz/tmpres.dbf", "NPDES", "", "NPDES", nullptr},
    };
    for (const Lookup& lookup : lookups) {
        SCOPED_TRACE(std::string(lookup.table) + " on " + lookup.tag);
        tables::Table table;
        table.Open(ProgramFile(lookup.table), std::string(lookup.table) == "duriviz/tmpres.dbf");
        table.SetIndex(lookup.tag);
        if (lookup.value == nullptr)
            continue;
        table.FindNearest(std::string(lookup.key));
        EXPECT_EQ(table.AsString(lookup.field), lookup.value);
    }
}

TEST(ShippedTables, NumericKeysAndRowPositions) {
    tables::Table species;
    species.Open(ProgramFile("endanger/species.dbf"));
    species.SetIndex("SPECIESID");
    species.FindNearest(3.0);
    EXPECT_EQ(species.AsInteger("SPECIESID"), 3);
    tables::Table groups;
    groups.Open(ProgramFile("endanger/tblgroup.dbf"));
    groups.SetIndex("GROUPID");
    groups.FindNearest(static_cast<double>(species.AsInteger("GROUPID_FK")));
    EXPECT_FALSE(groups.AsString("GROUP").empty());

    tables::Table sic;
    sic.Open(ProgramFile("kiv/dbfiles/sic.dbf"));
    sic.First();
    EXPECT_EQ(sic.AsString("SIC"), "Adhesives and Sealants Manufacture");
    EXPECT_EQ(sic.MoveBy(35), 35);
    EXPECT_EQ(sic.AsString("SIC"), "Yarn & Thread Mills");
    EXPECT_GT(sic.AsFloat("_0Q5_50"), sic.AsFloat("_Q10_50"));
    EXPECT_GT(sic.AsFloat("_Q10_10"), 0.0);
}

}  // namespace
