// The main program's table set: the scenario table and the lookup tables, their files, indexes,
// opening and closing, and the field getters with their rules for empty fields.
#pragma once

#include <string>

#include "platform/tables/table.h"

// Every table the main program reads or writes. Relative table names are resolved against the
// program folder; the scenario table lives in the data folder.
class ScenarioData {
  public:
    tables::Table PmnTable;          // nyr01.dbf in DataFolder, index PMN_ID, memo fields
    tables::Table SidsTable;         // duriviz\sids2004.dbf: NPDES facilities
    tables::Table ReachTable;        // rscan\reach.dbf: reach flows, index REACH
    tables::Table ExpFactTable;      // kiv\dbfiles\efmodule.dbf: exposure factors
    tables::Table SicFlowTable;      // kiv\dbfiles\sic.dbf: flow statistics, row n = category n
    tables::Table ActFlowTable;      // pdm\actflow.dbf: gaging-station flow rows, index REACH
    tables::Table CoefTable;         // pdm\coef.dbf: coefficient pairs by row
    tables::Table TmpResTable;       // duriviz\tmpres.dbf: facility search results, exclusive
    tables::Table CritterTrelTable;  // endanger\trelspec.dbf: listed species by county, FIPS2
    tables::Table CritterTable;      // endanger\species.dbf: species, index SPECIESID
    tables::Table CritterGrpTable;   // endanger\tblgroup.dbf: taxonomic groups, index GROUPID

    // Opens the ten lookup tables, always in the same order (the search results exclusively).
    void OpenLookupTables();
    // Binds PmnTable to nyr01.dbf in DataFolder and opens it on index PMN_ID.
    void OpenScenarioTable();
    // Closes the scenario table (before the data folder changes).
    void CloseScenarioTable();
};

// The one table set of the running program.
ScenarioData& Tables();

// Opens one lookup table of Tables() on its file in the program folder and its index.
void OpenLookupTable(tables::Table& table);

// Closes the ten lookup tables in their order; the scenario table stays open.
void CloseLookupTables();
// Closes and opens the ten lookup tables again (after the predictor has run); the scenario
// table is not touched.
void ReopenTables();

// A hook called after a module's results are complete; it does nothing.
void AfterModuleRun(int moduleCode);

// Field getters, one per table and value type, reading the current row. An empty (null) field
// gives "", 0 or true by kind; integers are cut toward zero. A field name the table does not
// have throws. PmnFieldAsFloat alone turns a field that holds no number into 0.
std::string PmnFieldAsString(const std::string& field);
double PmnFieldAsFloat(const std::string& field);
int PmnFieldAsInteger(const std::string& field);
bool PmnFieldAsBoolean(const std::string& field);
std::string SidsFieldAsString(const std::string& field);
double SidsFieldAsFloat(const std::string& field);
int SidsFieldAsInteger(const std::string& field);
std::string ReachFieldAsString(const std::string& field);
double ReachFieldAsFloat(const std::string& field);
std::string ActFlowFieldAsString(const std::string& field);
double ActFlowFieldAsFloat(const std::string& field);
int ActFlowFieldAsInteger(const std::string& field);
double CoefFieldAsFloat(const std::string& field);
std::string TmpResFieldAsString(const std::string& field);
std::string CritterTrelFieldAsString(const std::string& field);
double CritterTrelFieldAsFloat(const std::string& field);
bool CritterTrelFieldAsBoolean(const std::string& field);
std::string CritterFieldAsString(const std::string& field);
double CritterFieldAsFloat(const std::string& field);
std::string CritterGrpFieldAsString(const std::string& field);
double CritterGrpFieldAsFloat(const std::string& field);

// The text of a memo field of the current scenario row ("" when it has none).
std::string ReadMemoField(const std::string& field);

// Moves table to its n-th row (1-based) by position; a position beyond the last row leaves it
// on the last row, 0 or less on the first.
void MoveToRow(tables::Table& table, int n);
