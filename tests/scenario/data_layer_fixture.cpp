// A program folder and a data folder of small tables, opened as the program's table set.
#include "data_layer_fixture.h"

#include <map>

#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "tests/support/empty_scenario.h"

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
         {"SIC C 70", "HMF_50 N 14 4", "HMF_10 N 14 4", "_0Q5_50 N 14 4", "_0Q5_10 N 14 4",
          "LOW_50 N 14 4", "LOW_10 N 14 4", "_Q10_50 N 14 4", "_Q10_10 N 14 4"}},
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

void DataLayerTest::SetUp() {
    for (const auto& [table, fields] : Layouts()) {
        CreateTable(NativePath(table), fields);
    }
    // The scenario table has the layout of the one the program ships, without its cases.
    test_support::CopyEmptyScenarioTable(folder_.File("data"));
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

std::filesystem::path ShippedProgramFolder() {
    return OMBRIX_PROGRAM_DIR;
}

void DataLayerTest::CopyShippedTable(const std::string& shipped, const std::string& relative) {
    const std::filesystem::path source = ShippedProgramFolder() / shipped;
    const std::string target = folder_.File(relative);
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::path memo = source;
    memo.replace_extension(".dbt");
    if (std::filesystem::exists(memo)) {
        std::filesystem::path targetMemo = target;
        targetMemo.replace_extension(".dbt");
        std::filesystem::copy_file(memo, targetMemo,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

void DemoRegionTest::SetUp() {
    DataLayerTest::SetUp();
    for (const char* table :
         {"duriviz/sids2004.dbf", "duriviz/tmpres.dbf", "rscan/reach.dbf", "pdm/actflow.dbf",
          "pdm/coef.dbf", "kiv/dbfiles/efmodule.dbf", "kiv/dbfiles/sic.dbf",
          "endanger/trelspec.dbf", "endanger/species.dbf", "endanger/tblgroup.dbf"}) {
        CopyShippedTable(table, table);
    }
    OpenTables();
}

}  // namespace fixture
