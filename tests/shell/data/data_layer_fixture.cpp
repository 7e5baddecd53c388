// A program folder and a data folder of small tables, opened as the program's table set.
#include "data_layer_fixture.h"

#include <map>

#include "platform/sys/text.h"
#include "shell/globals.h"
#include "shell/lookups_facility.h"
#include "shell/scenario_record.h"
#include "shell/scenario_table.h"
#include "shell/table_set.h"

namespace fixture {

namespace {

std::vector<std::string> FlowFields() {
    std::vector<std::string> fields = {"REACH C 11",  "STA_ID C 15",  "FIRSTDAY C 8",
                                       "LASTDAY C 8", "OFFSET N 8 0", "NUMFLWVALS N 8 0",
                                       "MORE N 4 0"};
    for (int i = 1; i <= 100; ++i) {
        fields.push_back(sys::Format("F%d N 14 4", i));
    }
    return fields;
}

const std::map<std::string, std::vector<std::string>>& Layouts() {
    static const std::map<std::string, std::vector<std::string>> layouts = {
        {"nyr01.dbf", ScenarioFields()},
        {"duriviz\\sids2004.dbf",
         {"NPDES C 9",       "NAME C 40",  "PARENT C 30",  "CITY C 20",    "ST C 2",
          "ZIP C 5",         "SIC C 4",    "REACH C 11",   "REACHNM C 30", "WB_TYPE C 1",
          "ROUTLINK C 11",   "STTE C 2",   "CNTY C 3",     "IPOTW N 1 0",  "PLANTFLOW N 12 4",
          "MILES N 8 2",     "ACUTE C 10", "CHRONIC C 10", "HIT C 3",      "DTYPE C 6",
          "DOM_FLOW N 12 4", "POP N 10 0", "IACC C 1"}},
        {"duriviz\\tmpres.dbf",
         {"NPDES C 9", "NAME C 40", "LOCATION C 40", "REACH C 11", "REACHNM C 30", "SIC C 4",
          "D_OR_I C 1", "ACTIVE C 1"}},
        {"rscan\\reach.dbf", {"REACH C 11", "MEAN_FLOW N 14 4", "LOW_FLOW N 14 4"}},
        {"kiv\\dbfiles\\efmodule.dbf", {"FIELD C 60", "EFHVALUE N 12 4"}},
        {"kiv\\dbfiles\\sic.dbf",
         {"SIC C 4", "HMF_50 N 12 3", "HMF_10 N 12 3", "_0Q5_50 N 12 3", "_0Q5_10 N 12 3",
          "LOW_50 N 12 3", "LOW_10 N 12 3", "_Q10_50 N 12 3", "_Q10_10 N 12 3"}},
        {"pdm\\actflow.dbf", FlowFields()},
        {"pdm\\coef.dbf", {"A N 14 6", "B N 14 6"}},
        {"endanger\\trelspec.dbf",
         {"FIPS2 C 5", "STATE C 2", "COUNTY C 30", "KNOWN L 1", "INVNAME C 40", "ACTION C 1",
          "WHYCHANGE C 20", "TBLSPECIES N 6 0"}},
        {"endanger\\species.dbf", {"SPECIESID N 6 0", "GROUPID_FK N 4 0", "ACTION_DAT C 10"}},
        {"endanger\\tblgroup.dbf", {"GROUPID N 4 0", "GROUP C 30"}},
    };
    return layouts;
}

std::string Relative(const std::string& table) {
    std::string path = table;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

}  // namespace

const std::vector<std::string>& ScenarioFields() {
    static const std::vector<std::string> fields = {
        "PMN_ID C 40",       "MODGUYS C 9",       "CHEMNAME C 60",     "RELEASE C 60",
        "FAC_NAME C 60",     "FAC_LOC C 60",      "NPDES C 12",        "YEARS_USE N 20 8",
        "H2O_HI N 20 8",     "H2O_LO N 20 8",     "H2ODAYLO N 20 8",   "H2ODAYHI N 20 8",
        "LANDREL N 20 8",    "WSOLUBLE N 20 8",   "KOW N 20 8",        "HENRY N 20 8",
        "WTFRAC_MED N 20 8", "WTFRAC_90 N 20 8",  "MELT_PT N 20 8",    "GAGE_POS N 20 8",
        "NUM_GAGES N 20 8",  "ED_KIV N 20 8",     "DO_PDM N 20 8",     "AEROSOL N 20 8",
        "PRODNAME C 60",     "SPECEVAL C 2",      "CRITTERS L 1",      "NOWATER L 1",
        "NOLAND L 1",        "NOAIR L 1",         "DATATEMP N 20 8",   "SORPTION N 20 8",
        "SLUDGEAB N 20 8",   "LOSS2SLUDG N 20 8", "PRODVOL N 20 8",    "INCINREL N 20 8",
        "INCINDAYS N 20 8",  "FUGREL N 20 8",     "FUGDAYLO N 20 8",   "FUGDAYHI N 20 8",
        "SITE_LO N 20 8",    "SITE_HI N 20 8",    "RELEASES C 4",      "VP N 20 8",
        "BCF N 20 8",        "MW N 20 8",         "COC0 N 20 8",       "COC1 N 20 8",
        "COC2 N 20 8",       "WWT_LOW N 20 8",    "WWT_HI N 20 8",     "DWT N 20 8",
        "INCIN_LO N 20 8",   "INCIN_HI N 20 8",   "MIGRATE N 4 0",     "WHICHANAL N 4 0",
        "SIC_CODE N 4 0",    "MIGFACT N 20 8",    "PLANTFLO N 20 8",   "EFFFLG C 1",
        "HARFLOW N 20 8",    "HARMNFLG C 1",      "MEANFLOW N 20 8",   "MEANFLG C 1",
        "FLOW30Q5 N 20 8",   "FL30Q5FLG C 1",     "FLOW1Q10 N 20 8",   "FL1Q10FLG C 1",
        "FLOW7Q10 N 20 8",   "FL7Q10FLG C 1",     "IREL_DOWN N 20 8",  "ACUTE_CONC N 20 8",
        "IREL_DOWNF N 20 8", "ACUTECONCF N 20 8", "DAYSSLUDGE N 20 8", "DAYSNSLUDG N 20 8",
        "STK_HT N 20 8",     "STKHTU C 10",       "STK_DIAM N 20 8",   "STKDMU C 10",
        "STK_VEL N 20 8",    "STKVELU C 10",      "STK_TEMP N 20 8",   "STKTMPU C 10",
        "AMB_TMP N 20 8",    "AMBTMPU C 10",      "FUGRELHT N 20 8",   "FUGRELHTU C 10",
        "FIELDWIDTH N 20 8", "FWIDTHU C 10",      "FIELDLEN N 20 8",   "FIELDLENU C 10",
        "LAND_USE C 10",     "TER_HT N 20 8",     "TERHTU C 10",       "NEAR_RES N 20 8",
        "NEARRESU C 10",     "METCLASS C 20",     "STABCLASS N 4 0",   "WNDSPD N 20 8",
        "WNDSPDU C 10",      "DOWNWASH N 4 0",    "FACLEN N 20 8",     "FACLENU C 10",
        "FACWD N 20 8",      "FACWDU C 10",       "FACHT N 20 8",      "FACHTU C 10",
        "BW N 20 8",         "FISH N 20 8",       "FISHCHRON N 20 8",  "DRINKCHRON N 20 8",
        "DRINK N 20 8",      "INHALE N 20 8",     "CANCERAT N 20 8",   "NCANCERAT N 20 8",
        "EXPDURCAN N 20 8",  "EXPDURNCAN N 20 8", "KIV_SCEN N 4 0",    "SA_BODY N 20 8",
        "SA_HAND N 20 8",    "SWMEMO M 10",       "FUGMEMO M 10",      "STKMEMO M 10",
        "LNDMEMO M 10",      "HEALTH C 5",        "POP_NUM N 4 0",     "REMARKS C 80",
        "REACH C 12",        "REACHNAME C 40",
    };
    return fields;
}

void DataLayerTest::SetUp() {
    for (const auto& [table, fields] : Layouts()) {
        CreateTable(NativePath(table), fields);
    }
    ProgramFolder = folder_.Path().string();
    DataFolder = folder_.Path().string() + "/data/";
    SuppressFactorLoad = 1;
}

void DataLayerTest::TearDown() {
    CloseLookupTables();
    Tables().CloseScenarioTable();
    ProgramFolder.clear();
    DataFolder.clear();
    SuppressFactorLoad = 0;
    FacilityIndexName = "NPDES";
    PdmSicRunActive = 0;
    DisposalActive = 0;
    CurrentPmn = pmn_record{};
    DirectRec = direct_record{};
    ReachRec = reach_record{};
    HealthFlags = "111";
}

std::string DataLayerTest::NativePath(const std::string& table) const {
    if (table == "nyr01.dbf") {
        return folder_.File("data/nyr01.dbf");
    }
    return folder_.File(Relative(table));
}

void DataLayerTest::Add(const std::string& table, const Row& row) {
    AppendRow(NativePath(table), row);
}

void DataLayerTest::OpenTables() {
    Tables().OpenLookupTables();
    Tables().OpenScenarioTable();
}

}  // namespace fixture
