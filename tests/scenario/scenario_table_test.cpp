// Saving and loading release rows of the scenario table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <map>
#include <variant>

#include "data_layer_fixture.h"
#include "platform/sys/text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

using fixture::DataLayerTest;

using Member = std::variant<std::string pmn_record::*, double pmn_record::*, int pmn_record::*,
                            bool pmn_record::*>;

// A field that is saved from and loaded into the member of the same name.
struct PlainField {
    const char* field;
    Member member;
};

const PlainField kPlainFields[] = {
    {"MODGUYS", &pmn_record::MODGUYS},
    {"CHEMNAME", &pmn_record::CHEMNAME},
    {"RELEASE", &pmn_record::RELEASE},
    {"FAC_NAME", &pmn_record::FAC_NAME},
    {"FAC_LOC", &pmn_record::FAC_LOC},
    {"NPDES", &pmn_record::NPDES},
    {"YEARS_USE", &pmn_record::YEARS_USE},
    {"H2O_HI", &pmn_record::H2O_HI},
    {"H2ODAYLO", &pmn_record::H2ODAYLO},
    {"LANDREL", &pmn_record::LANDREL},
    {"WSOLUBLE", &pmn_record::WSOLUBLE},
    {"KOW", &pmn_record::KOW},
    {"HENRY", &pmn_record::HENRY},
    {"WTFRAC_MED", &pmn_record::WTFRAC_MED},
    {"WTFRAC_90", &pmn_record::WTFRAC_90},
    {"MELT_PT", &pmn_record::MELT_PT},
    {"GAGE_POS", &pmn_record::GAGE_POS},
    {"NUM_GAGES", &pmn_record::NUM_GAGES},
    {"ED_KIV", &pmn_record::ED_KIV},
    {"DO_PDM", &pmn_record::DO_PDM},
    {"AEROSOL", &pmn_record::AEROSOL},
    {"PRODNAME", &pmn_record::PRODNAME},
    {"SPECEVAL", &pmn_record::SPECEVAL},
    {"CRITTERS", &pmn_record::CRITTERS},
    {"NOWATER", &pmn_record::NOWATER},
    {"NOLAND", &pmn_record::NOLAND},
    {"NOAIR", &pmn_record::NOAIR},
    {"DATATEMP", &pmn_record::DATATEMP},
    {"SORPTION", &pmn_record::SORPTION},
    {"SLUDGEAB", &pmn_record::SLUDGEAB},
    {"LOSS2SLUDG", &pmn_record::LOSS2SLUDG},
    {"PRODVOL", &pmn_record::PRODVOL},
    {"INCINREL", &pmn_record::INCINREL},
    {"INCINDAYS", &pmn_record::INCINDAYS},
    {"FUGREL", &pmn_record::FUGREL},
    {"FUGDAYLO", &pmn_record::FUGDAYLO},
    {"SITE_LO", &pmn_record::SITE_LO},
    {"RELEASES", &pmn_record::RELEASES},
    {"VP", &pmn_record::VP},
    {"BCF", &pmn_record::BCF},
    {"MW", &pmn_record::MW},
    {"COC0", &pmn_record::COC0},
    {"COC1", &pmn_record::COC1},
    {"COC2", &pmn_record::COC2},
    {"WWT_LOW", &pmn_record::WWT_LOW},
    {"WWT_HI", &pmn_record::WWT_HI},
    {"DWT", &pmn_record::DWT},
    {"INCIN_LO", &pmn_record::INCIN_LO},
    {"INCIN_HI", &pmn_record::INCIN_HI},
    {"MIGRATE", &pmn_record::MIGRATE},
    {"WHICHANAL", &pmn_record::WHICHANAL},
    {"MIGFACT", &pmn_record::MIGFACT},
    {"PLANTFLO", &pmn_record::PLANTFLO},
    {"EFFFLG", &pmn_record::EFFFLG},
    {"HARFLOW", &pmn_record::HARFLOW},
    {"HARMNFLG", &pmn_record::HARMNFLG},
    {"MEANFLOW", &pmn_record::MEANFLOW},
    {"MEANFLG", &pmn_record::MEANFLG},
    {"FLOW30Q5", &pmn_record::FLOW30Q5},
    {"FL30Q5FLG", &pmn_record::FL30Q5FLG},
    {"FLOW1Q10", &pmn_record::FLOW1Q10},
    {"FL1Q10FLG", &pmn_record::FL1Q10FLG},
    {"FLOW7Q10", &pmn_record::FLOW7Q10},
    {"FL7Q10FLG", &pmn_record::FL7Q10FLG},
    {"IREL_DOWN", &pmn_record::IREL_DOWN},
    {"ACUTE_CONC", &pmn_record::ACUTE_CONC},
    {"IREL_DOWNF", &pmn_record::IREL_DOWNF},
    {"ACUTECONCF", &pmn_record::ACUTECONCF},
    {"DAYSSLUDGE", &pmn_record::DAYSSLUDGE},
    {"DAYSNSLUDG", &pmn_record::DAYSNSLUDG},
    {"STK_HT", &pmn_record::STK_HT},
    {"STKHTU", &pmn_record::STKHTU},
    {"STK_DIAM", &pmn_record::STK_DIAM},
    {"STKDMU", &pmn_record::STKDMU},
    {"STK_VEL", &pmn_record::STK_VEL},
    {"STKVELU", &pmn_record::STKVELU},
    {"STK_TEMP", &pmn_record::STK_TEMP},
    {"STKTMPU", &pmn_record::STKTMPU},
    {"AMB_TMP", &pmn_record::AMB_TMP},
    {"AMBTMPU", &pmn_record::AMBTMPU},
    {"FUGRELHT", &pmn_record::FUGRELHT},
    {"FUGRELHTU", &pmn_record::FUGRELHTU},
    {"FIELDWIDTH", &pmn_record::FIELDWIDTH},
    {"FWIDTHU", &pmn_record::FWIDTHU},
    {"FIELDLEN", &pmn_record::FIELDLEN},
    {"FIELDLENU", &pmn_record::FIELDLENU},
    {"LAND_USE", &pmn_record::LAND_USE},
    {"METCLASS", &pmn_record::METCLASS},
    {"STABCLASS", &pmn_record::STABCLASS},
    {"WNDSPD", &pmn_record::WNDSPD},
    {"WNDSPDU", &pmn_record::WNDSPDU},
    {"DOWNWASH", &pmn_record::DOWNWASH},
    {"FACLEN", &pmn_record::FACLEN},
    {"FACLENU", &pmn_record::FACLENU},
    {"FACWD", &pmn_record::FACWD},
    {"FACWDU", &pmn_record::FACWDU},
    {"FACHT", &pmn_record::FACHT},
    {"FACHTU", &pmn_record::FACHTU},
    {"BW", &pmn_record::BW},
    {"FISH", &pmn_record::FISH},
    {"FISHCHRON", &pmn_record::FISHCHRON},
    {"DRINKCHRON", &pmn_record::DRINKCHRON},
    {"DRINK", &pmn_record::DRINK},
    {"INHALE", &pmn_record::INHALE},
    {"CANCERAT", &pmn_record::CANCERAT},
    {"NCANCERAT", &pmn_record::NCANCERAT},
    {"EXPDURCAN", &pmn_record::EXPDURCAN},
    {"EXPDURNCAN", &pmn_record::EXPDURNCAN},
    {"KIV_SCEN", &pmn_record::KIV_SCEN},
    {"SA_BODY", &pmn_record::SA_BODY},
    {"SA_HAND", &pmn_record::SA_HAND},
    {"POP_NUM", &pmn_record::POP_NUM},
    {"REMARKS", &pmn_record::REMARKS},
};

// A distinct value per field, so that two fields swapped show up. Texts fit their fields.
std::string ValueFor(std::size_t i, const Member& member) {
    if (std::holds_alternative<double pmn_record::*>(member)) {
        return sys::Format("%.3f", 1.125 + 3.25 * double(i));
    }
    if (std::holds_alternative<int pmn_record::*>(member)) {
        return sys::Format("%d", int(i % 5) + 1);
    }
    if (std::holds_alternative<bool pmn_record::*>(member)) {
        return i % 2 ? "T" : "F";
    }
    return "";
}

std::string TextValueFor(const std::string& field) {
    static const std::map<std::string, std::string> texts = {
        {"MODGUYS", "110000011"}, {"SPECEVAL", "10"},        {"RELEASES", "X00X"},
        {"EFFFLG", "*"},          {"HARMNFLG", "*"},         {"MEANFLG", "*"},
        {"FL30Q5FLG", "*"},       {"FL1Q10FLG", "*"},        {"FL7Q10FLG", "*"},
        {"NPDES", "ABC"},         {"STKHTU", "ft"},          {"STKDMU", "in"},
        {"STKVELU", "ft/sec"},    {"STKTMPU", "F"},          {"AMBTMPU", "C"},
        {"FUGRELHTU", "yd"},      {"FWIDTHU", "km"},         {"FIELDLENU", "mi"},
        {"LAND_USE", "Urban"},    {"METCLASS", "Urban met"}, {"WNDSPDU", "m/sec"},
        {"FACLENU", "cm"},        {"FACWDU", "mm"},          {"FACHTU", "ft"}};
    const auto found = texts.find(field);
    return found != texts.end() ? found->second : field + " text, with comma";
}

void SetMember(pmn_record& r, const Member& member, const std::string& text) {
    std::visit(
        [&](auto pointer) {
            using T = std::remove_cvref_t<decltype(r.*pointer)>;
            if constexpr (std::is_same_v<T, std::string>) {
                r.*pointer = text;
            } else if constexpr (std::is_same_v<T, bool>) {
                r.*pointer = text == "T";
            } else {
                r.*pointer = static_cast<T>(std::strtod(text.c_str(), nullptr));
            }
        },
        member);
}

std::string MemberText(const pmn_record& r, const Member& member) {
    return std::visit(
        [&](auto pointer) -> std::string {
            using T = std::remove_cvref_t<decltype(r.*pointer)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return r.*pointer;
            } else if constexpr (std::is_same_v<T, bool>) {
                return r.*pointer ? "T" : "F";
            } else if constexpr (std::is_same_v<T, int>) {
                return sys::Format("%d", r.*pointer);
            } else {
                return sys::Format("%.3f", r.*pointer);
            }
        },
        member);
}

std::map<std::string, std::string> ExpectedValues() {
    std::map<std::string, std::string> values;
    std::size_t i = 0;
    for (const PlainField& f : kPlainFields) {
        std::string value = ValueFor(i++, f.member);
        if (value.empty()) {
            value = TextValueFor(f.field);
        }
        values[f.field] = value;
    }
    return values;
}

// Independent reading of a stored value in the form MemberText gives.
std::string StoredText(const std::string& raw, const Member& member) {
    if (std::holds_alternative<double pmn_record::*>(member)) {
        return sys::Format("%.3f", std::strtod(raw.c_str(), nullptr));
    }
    return raw;
}

class ScenarioRowTest : public DataLayerTest {};

TEST_F(ScenarioRowTest, EveryFieldIsSavedUnderItsNameAndLoadedBack) {
    // A row that exists already, with the fields the saver must leave alone.
    Add("nyr01.dbf", {{"PMN_ID", "CHEM,A,2"},
                      {"TER_HT", "5.5"},
                      {"TERHTU", "ft"},
                      {"NEAR_RES", "250"},
                      {"NEARRESU", "yd"},
                      {"SWMEMO", "Surface water note"},
                      {"FUGMEMO", "Fugitive note"},
                      {"STKMEMO", "Stack note"},
                      {"LNDMEMO", "Landfill note"}});
    OpenTables();
    const auto expected = ExpectedValues();
    ResetScenarioRecord();
    pmn_record& r = CurrentPmn;
    SplitReleaseKey("CHEM,A,2");
    for (const PlainField& f : kPlainFields) {
        SetMember(r, f.member, expected.at(f.field));
    }
    r.SIC_CODE = 0;  // the category lookup has its own test
    r.H2O_LO = 77;
    r.H2ODAYHI = 78;
    r.FUGDAYHI = 79;
    r.SITE_HI = 80;
    r.REACH = "REACH-9";
    r.REACHNAME = "Reach name";
    r.TER_HT = 1;
    r.NEAR_RES = 2;
    HealthFlags = "010";
    SaveScenarioRecord();

    // What the file holds, read by an independent dBASE reader.
    std::map<std::string, std::string> row;
    for (const auto& [name, value] :
         fixture::ReadRowIndependently(NativePath("nyr01.dbf"), "PMN_ID", "CHEM,A,2")) {
        row[name] = value;
    }
    ASSERT_FALSE(row.empty());
    for (const PlainField& f : kPlainFields) {
        EXPECT_EQ(StoredText(row[f.field], f.member), expected.at(f.field)) << f.field;
    }
    EXPECT_EQ(row["SITE_HI"], row["SITE_LO"]);
    EXPECT_EQ(std::strtod(row["H2O_LO"].c_str(), nullptr), 77);
    EXPECT_EQ(std::strtod(row["H2ODAYHI"].c_str(), nullptr), 78);
    EXPECT_EQ(std::strtod(row["FUGDAYHI"].c_str(), nullptr), 79);
    EXPECT_EQ(row["REACH"], "REACH-9");
    EXPECT_EQ(row["REACHNAME"], "Reach name");
    EXPECT_EQ(row["HEALTH"], "010");
    // Never written by the saver.
    EXPECT_EQ(std::strtod(row["TER_HT"].c_str(), nullptr), 5.5);
    EXPECT_EQ(row["TERHTU"], "ft");
    EXPECT_EQ(std::strtod(row["NEAR_RES"].c_str(), nullptr), 250);
    EXPECT_EQ(row["NEARRESU"], "yd");
    EXPECT_EQ(row["SWMEMO"], "Surface water note");
    EXPECT_EQ(row["LNDMEMO"], "Landfill note");

    // Back into a record that holds something else; what the row does not hold stays.
    CurrentPmn = pmn_record{};
    CurrentPmn.PopulationLabel = "Child (age 6-10)";
    CurrentPmn.MigrateText = "Moderate";
    CurrentPmn.TotWaterRel = 12.5;
    CurrentPmn.PdmSiteDays = {1, 2, 3};
    CurrentPmn.ReleaseAllSites = 6;
    HealthFlags = "111";
    LoadScenarioRecord("CHEM,A,2");
    EXPECT_EQ(r.PopulationLabel, "Child (age 6-10)");
    EXPECT_EQ(r.MigrateText, "Moderate");
    EXPECT_EQ(r.TotWaterRel, 12.5);
    EXPECT_EQ(r.PdmSiteDays, (std::array<double, 3>{1, 2, 3}));
    EXPECT_EQ(r.ReleaseAllSites, 6);
    EXPECT_EQ(r.CaseNum, "CHEM,A");
    EXPECT_EQ(r.ScenNum, "2");
    for (const PlainField& f : kPlainFields) {
        EXPECT_EQ(MemberText(r, f.member), expected.at(f.field)) << f.field;
    }
    // Derived on load rather than read.
    EXPECT_EQ(r.H2O_LO, r.H2O_HI);
    EXPECT_EQ(r.H2ODAYHI, r.H2ODAYLO);
    EXPECT_EQ(r.FUGDAYHI, r.FUGDAYLO);
    EXPECT_EQ(r.SITE_HI, r.SITE_LO);
    EXPECT_EQ(r.REACH, "");
    EXPECT_EQ(r.TER_HT, 5.5);
    EXPECT_EQ(r.TERHTU, "ft");
    EXPECT_EQ(r.NEAR_RES, 250);
    EXPECT_EQ(r.NEARRESU, "yd");
    EXPECT_EQ(HealthFlags, "010");
    EXPECT_EQ(SurfaceWaterComments, "Surface water note");
    EXPECT_EQ(FugitiveComments, "Fugitive note");
    EXPECT_EQ(StackComments, "Stack note");
    EXPECT_EQ(LandfillComments, "Landfill note");
}

TEST_F(ScenarioRowTest, AMissingKeyLoadsDefaultsWithTheKeyAndASaveAppendsIt) {
    Add("nyr01.dbf", {{"PMN_ID", "B-1,1"}, {"CHEMNAME", "Other"}});
    OpenTables();
    CurrentPmn.CHEMNAME = "Left over";
    CurrentPmn.COC0 = 4;
    LoadScenarioRecord("A-7,3");
    EXPECT_EQ(CurrentPmn.CaseNum, "A-7");
    EXPECT_EQ(CurrentPmn.ScenNum, "3");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "");
    EXPECT_EQ(CurrentPmn.MODGUYS, "000000000");
    EXPECT_EQ(CurrentPmn.COC0, 4);  // carried over by the reset

    CurrentPmn.CHEMNAME = "New";
    SaveScenarioRecord();
    const auto appended = fixture::ReadRowIndependently(NativePath("nyr01.dbf"), "PMN_ID", "A-7,3");
    std::map<std::string, std::string> fields(appended.begin(), appended.end());
    EXPECT_EQ(fields["CHEMNAME"], "New");
    LoadScenarioRecord("B-1,1");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "Other");
    LoadScenarioRecord("A-7,3");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "New");
}

TEST_F(ScenarioRowTest, TheFirstCaseOfAnEmptyTableStartsFromTheDefaults) {
    OpenTables();
    CurrentPmn.CHEMNAME = "Left over";
    LoadScenarioRecord("NEW,1");
    EXPECT_EQ(CurrentPmn.CaseNum, "NEW");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "");
    CurrentPmn.CHEMNAME = "First";
    SaveScenarioRecord();
    LoadScenarioRecord("NEW,1");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "First");
}

TEST_F(ScenarioRowTest, AnEmptyKeyReadsTheCurrentRow) {
    Add("nyr01.dbf", {{"PMN_ID", "C,1"}, {"CHEMNAME", "First"}});
    Add("nyr01.dbf", {{"PMN_ID", "C,2"}, {"CHEMNAME", "Second"}});
    OpenTables();
    LoadScenarioRecord("C,1");
    ASSERT_TRUE(MoveToNextScenarioRow());
    LoadScenarioRecord("");
    EXPECT_EQ(CurrentPmn.ScenNum, "2");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "Second");
    EXPECT_FALSE(MoveToNextScenarioRow());
}

TEST_F(ScenarioRowTest, AMemoEditedOnTheRowIsPostedBeforeTheTableMoves) {
    Add("nyr01.dbf", {{"PMN_ID", "M,1"}, {"CHEMNAME", "Memo case"}});
    Add("nyr01.dbf", {{"PMN_ID", "M,2"}});
    OpenTables();
    LoadScenarioRecord("M,1");
    // A comment editor bound to the row changes a memo and leaves the row in edit state.
    tables::Table& table = Tables().PmnTable;
    table.Edit();
    table.SetString("SWMEMO", "Edited on the form");
    LoadScenarioRecord("M,2");
    LoadScenarioRecord("M,1");
    EXPECT_EQ(SurfaceWaterComments, "Edited on the form");

    // Saving the row keeps a memo edited just before.
    table.Edit();
    table.SetString("LNDMEMO", "Landfill remark");
    CurrentPmn.CHEMNAME = "Saved after the memo";
    SaveScenarioRecord();
    LoadScenarioRecord("M,1");
    EXPECT_EQ(LandfillComments, "Landfill remark");
    EXPECT_EQ(SurfaceWaterComments, "Edited on the form");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "Saved after the memo");
}

TEST_F(ScenarioRowTest, ShortOrEmptyFlagTextsLoadAsTheirDefaults) {
    // HEALTH shorter than three characters: the missing kinds count as computed, never as the
    // previous case's flags.
    struct Case {
        const char* modguys;
        const char* speceval;
        const char* health;
        const char* wantModguys;
        const char* wantSpeceval;
        const char* wantHealth;
    };
    const Case cases[] = {
        {"", "1", "", "000000000", "00", "111"},
        {"1", "", "0", "1", "00", "011"},
        {"101", "01", "00", "101", "01", "001"},
        {"111111111", "11", "0101", "111111111", "11", "010"},
    };
    int n = 0;
    for (const Case& c : cases) {
        Add("nyr01.dbf", {{"PMN_ID", sys::Format("F,%d", ++n)},
                          {"MODGUYS", c.modguys},
                          {"SPECEVAL", c.speceval},
                          {"HEALTH", c.health}});
    }
    OpenTables();
    n = 0;
    for (const Case& c : cases) {
        HealthFlags = "000";
        LoadScenarioRecord(sys::Format("F,%d", ++n));
        EXPECT_EQ(CurrentPmn.MODGUYS, c.wantModguys) << n;
        EXPECT_EQ(CurrentPmn.SPECEVAL, c.wantSpeceval) << n;
        EXPECT_EQ(HealthFlags, c.wantHealth) << n;
    }
}

TEST_F(ScenarioRowTest, NoFugitiveReleaseMasksTheGeometryWithoutLosingIt) {
    Add("nyr01.dbf", {{"PMN_ID", "G,1"},
                      {"FUGREL", "0"},
                      {"FUGRELHT", "4"},
                      {"FUGRELHTU", "ft"},
                      {"FIELDWIDTH", "12"},
                      {"FWIDTHU", "ft"},
                      {"FIELDLEN", "20"},
                      {"FIELDLENU", "m"}});
    OpenTables();
    LoadScenarioRecord("G,1");
    EXPECT_EQ(CurrentPmn.FUGRELHT, -9.0);
    EXPECT_EQ(CurrentPmn.FIELDWIDTH, -9.0);
    EXPECT_EQ(CurrentPmn.FIELDLEN, -9.0);
    EXPECT_EQ(CurrentPmn.FUGRELHTU, "");
    EXPECT_EQ(CurrentPmn.FWIDTHU, "");
    EXPECT_EQ(CurrentPmn.FIELDLENU, "");

    SaveScenarioRecord();
    CurrentPmn.FUGREL = 2;  // the release gets a fugitive part again
    SaveScenarioRecord();
    LoadScenarioRecord("G,1");
    EXPECT_EQ(CurrentPmn.FUGRELHT, 4);
    EXPECT_EQ(CurrentPmn.FUGRELHTU, "ft");
    EXPECT_EQ(CurrentPmn.FIELDWIDTH, 12);
    EXPECT_EQ(CurrentPmn.FIELDLEN, 20);
    EXPECT_EQ(CurrentPmn.FIELDLENU, "m");

    // -9 with a unit is a value the user gave, and is saved.
    CurrentPmn.FIELDLEN = -9;
    SaveScenarioRecord();
    LoadScenarioRecord("G,1");
    EXPECT_EQ(CurrentPmn.FIELDLEN, -9);
    EXPECT_EQ(CurrentPmn.FIELDLENU, "m");

    // A geometry the user enters is saved even while there is no fugitive release.
    CurrentPmn.FUGREL = 0;
    CurrentPmn.FUGRELHT = 6;
    CurrentPmn.FUGRELHTU = "m";
    SaveScenarioRecord();
    const auto row = fixture::ReadRowIndependently(NativePath("nyr01.dbf"), "PMN_ID", "G,1");
    std::map<std::string, std::string> fields(row.begin(), row.end());
    EXPECT_EQ(std::strtod(fields["FUGRELHT"].c_str(), nullptr), 6);
    EXPECT_EQ(fields["FUGRELHTU"], "m");
    EXPECT_EQ(std::strtod(fields["FIELDWIDTH"].c_str(), nullptr), 12);
}

TEST_F(ScenarioRowTest, PlantFlowAndStabilityClassAreKeptInRange) {
    Add("nyr01.dbf", {{"PMN_ID", "H,1"}, {"PLANTFLO", "0"}});
    OpenTables();
    LoadScenarioRecord("H,1");
    EXPECT_EQ(CurrentPmn.PLANTFLO, 0.01);

    CurrentPmn.PLANTFLO = 0.004;
    CurrentPmn.STABCLASS = -1;
    SaveScenarioRecord();
    EXPECT_EQ(CurrentPmn.PLANTFLO, 0.01);
    EXPECT_EQ(CurrentPmn.STABCLASS, 0);
    const auto row = fixture::ReadRowIndependently(NativePath("nyr01.dbf"), "PMN_ID", "H,1");
    std::map<std::string, std::string> fields(row.begin(), row.end());
    EXPECT_EQ(std::strtod(fields["PLANTFLO"].c_str(), nullptr), 0.01);
    EXPECT_EQ(fields["STABCLASS"], "0");
}

TEST_F(ScenarioRowTest, AValueTheRowCannotHoldLeavesTheRowAsItWas) {
    Add("nyr01.dbf", {{"PMN_ID", "W,1"}, {"CHEMNAME", "Stored"}, {"BW", "70"}});
    OpenTables();
    LoadScenarioRecord("W,1");
    CurrentPmn.CHEMNAME = "Changed";
    CurrentPmn.BW = std::numeric_limits<double>::infinity();  // no number field holds it
    EXPECT_THROW(SaveScenarioRecord(), std::exception);
    LoadScenarioRecord("W,1");
    EXPECT_EQ(CurrentPmn.CHEMNAME, "Stored");
    EXPECT_EQ(CurrentPmn.BW, 70);
}

TEST_F(ScenarioRowTest, BlankFieldsReadAsEmptyZeroOrTrue) {
    Add("nyr01.dbf", {{"PMN_ID", "N,1"}, {"KOW", "2.7"}, {"MIGRATE", ""}});
    Add("nyr01.dbf", {{"PMN_ID", "N,2"}, {"CHEMNAME", "letters"}, {"KOW", "-2.7"}});
    OpenTables();
    LoadScenarioRecord("N,1");
    EXPECT_EQ(PmnFieldAsString("CHEMNAME"), "");
    EXPECT_EQ(PmnFieldAsFloat("BW"), 0);
    EXPECT_EQ(PmnFieldAsInteger("MIGRATE"), 0);
    EXPECT_TRUE(PmnFieldAsBoolean("CRITTERS"));
    EXPECT_EQ(PmnFieldAsInteger("KOW"), 2);
    EXPECT_TRUE(CurrentPmn.NOAIR);
    // A text field read as a number gives 0 on the scenario table only.
    LoadScenarioRecord("N,2");
    EXPECT_EQ(PmnFieldAsFloat("CHEMNAME"), 0);
    EXPECT_EQ(PmnFieldAsInteger("KOW"), -2);
    EXPECT_THROW(PmnFieldAsInteger("CHEMNAME"), std::exception);
    EXPECT_THROW(PmnFieldAsString("NOSUCHFIELD"), std::exception);
    EXPECT_THROW(PmnFieldAsFloat("NOSUCHFIELD"), std::exception);
}

}  // namespace
