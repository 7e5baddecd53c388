// The main program's table set: files, indexes, opening and closing, and the field getters.
#include "scenario/table_set.h"

#include <array>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"

namespace {

// A table of the program folder, named as the system names it.
std::string ProgramTable(const char* relativeName) {
    if (ProgramFolder.empty()) {
        return relativeName;
    }
    return ProgramFolder + "\\" + relativeName;
}

// The ten lookup tables, in the order in which they are always opened and closed.
std::array<tables::Table*, 10> LookupTables(ScenarioData& data) {
    return {&data.CritterTrelTable, &data.CritterGrpTable, &data.CritterTable, &data.SidsTable,
            &data.ReachTable,       &data.ExpFactTable,    &data.SicFlowTable, &data.ActFlowTable,
            &data.TmpResTable,      &data.CoefTable};
}

struct LookupBinding {
    tables::Table ScenarioData::*table;
    const char* file;
    const char* index;  // "" for a table read by position
    bool exclusive = false;
};

const LookupBinding kLookupBindings[] = {
    {&ScenarioData::CritterTrelTable, "endanger\\trelspec.dbf", "FIPS2"},
    {&ScenarioData::CritterGrpTable, "endanger\\tblgroup.dbf", "GROUPID"},
    {&ScenarioData::CritterTable, "endanger\\species.dbf", "SPECIESID"},
    {&ScenarioData::SidsTable, "duriviz\\sids2004.dbf", "NPDES"},
    {&ScenarioData::ReachTable, "rscan\\reach.dbf", "REACH"},
    {&ScenarioData::ExpFactTable, "kiv\\dbfiles\\efmodule.dbf", ""},
    {&ScenarioData::SicFlowTable, "kiv\\dbfiles\\sic.dbf", ""},
    {&ScenarioData::ActFlowTable, "pdm\\actflow.dbf", "REACH"},
    {&ScenarioData::TmpResTable, "duriviz\\tmpres.dbf", "", true},
    {&ScenarioData::CoefTable, "pdm\\coef.dbf", ""},
};

void OpenBound(tables::Table& table, const LookupBinding& binding) {
    table.Open(ProgramTable(binding.file), binding.exclusive);
    if (*binding.index != '\0') {
        table.SetIndex(binding.index);
    }
}

// The number of a field, or -1 when it reads as null: a field of an empty table reads as null,
// like a blank field; a field name the table does not have is an error all the same.
int FieldToRead(tables::Table& table, const std::string& field) {
    if (table.IsOpen() && table.State() == tables::TableState::Browse && table.RecNo() == 0) {
        if (!table.HasField(field)) {
            throw tables::TableError(table.FileName(), field, "the table has no such field");
        }
        return -1;
    }
    const int index = table.FieldIndex(field);
    // A name the table lacks goes through the named getter, which gives the table's own error.
    const bool null = index < 0 ? table.IsNull(field) : table.IsNull(index);
    return null ? -1 : index;
}

bool ReadsAsNull(tables::Table& table, const std::string& field) {
    return FieldToRead(table, field) < 0;
}

std::string FieldText(tables::Table& table, const std::string& field) {
    const int index = FieldToRead(table, field);
    return index < 0 ? std::string() : table.AsString(index);
}

double FieldNumber(tables::Table& table, const std::string& field) {
    const int index = FieldToRead(table, field);
    return index < 0 ? 0.0 : table.AsFloat(index);
}

int FieldInteger(tables::Table& table, const std::string& field) {
    const int index = FieldToRead(table, field);
    if (index < 0) {
        return 0;
    }
    const double value = std::trunc(table.AsFloat(index));
    if (!(value >= double(INT_MIN) && value <= double(INT_MAX))) {
        throw tables::TableError(table.FileName(), field,
                                 sys::Format("%.15g is too large for a whole number", value));
    }
    return static_cast<int>(value);
}

bool FieldLogical(tables::Table& table, const std::string& field) {
    const int index = FieldToRead(table, field);
    return index < 0 ? true : table.AsBoolean(index);
}

}  // namespace

void ScenarioData::OpenLookupTables() {
    for (const LookupBinding& binding : kLookupBindings) {
        OpenBound(this->*binding.table, binding);
    }
}

void OpenLookupTable(tables::Table& table) {
    ScenarioData& data = Tables();
    for (const LookupBinding& binding : kLookupBindings) {
        if (&(data.*binding.table) == &table) {
            OpenBound(table, binding);
            return;
        }
    }
    throw std::logic_error("not a lookup table of the table set");
}

void ScenarioData::OpenScenarioTable() {
    PmnTable.Close();
    PmnTable.Open(DataPath("nyr01.dbf"));
    PmnTable.SetIndex("PMN_ID");
}

void ScenarioData::CloseScenarioTable() {
    PmnTable.Close();
}

ScenarioData& Tables() {
    static ScenarioData data;
    return data;
}

void CloseLookupTables() {
    for (tables::Table* table : LookupTables(Tables())) {
        table->Close();
    }
}

void ReopenTables() {
    CloseLookupTables();
    Tables().OpenLookupTables();
}

void AfterModuleRun(int) {}

std::string PmnFieldAsString(const std::string& f) {
    return FieldText(Tables().PmnTable, f);
}
double PmnFieldAsFloat(const std::string& f) {
    tables::Table& table = Tables().PmnTable;
    if (ReadsAsNull(table, f)) {  // a missing field throws here, as in every getter
        return 0.0;
    }
    try {
        return table.AsFloat(f);
    } catch (const tables::TableError&) {
        // A stored value that is no number reads as 0 for the scenario row.
        return 0.0;
    }
}
int PmnFieldAsInteger(const std::string& f) {
    return FieldInteger(Tables().PmnTable, f);
}
bool PmnFieldAsBoolean(const std::string& f) {
    return FieldLogical(Tables().PmnTable, f);
}
std::string SidsFieldAsString(const std::string& f) {
    return FieldText(Tables().SidsTable, f);
}
double SidsFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().SidsTable, f);
}
int SidsFieldAsInteger(const std::string& f) {
    return FieldInteger(Tables().SidsTable, f);
}
std::string ReachFieldAsString(const std::string& f) {
    return FieldText(Tables().ReachTable, f);
}
double ReachFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().ReachTable, f);
}
std::string ActFlowFieldAsString(const std::string& f) {
    return FieldText(Tables().ActFlowTable, f);
}
double ActFlowFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().ActFlowTable, f);
}
int ActFlowFieldAsInteger(const std::string& f) {
    return FieldInteger(Tables().ActFlowTable, f);
}
double CoefFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().CoefTable, f);
}
std::string TmpResFieldAsString(const std::string& f) {
    return FieldText(Tables().TmpResTable, f);
}
std::string CritterTrelFieldAsString(const std::string& f) {
    return FieldText(Tables().CritterTrelTable, f);
}
double CritterTrelFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().CritterTrelTable, f);
}
bool CritterTrelFieldAsBoolean(const std::string& f) {
    return FieldLogical(Tables().CritterTrelTable, f);
}
std::string CritterFieldAsString(const std::string& f) {
    return FieldText(Tables().CritterTable, f);
}
double CritterFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().CritterTable, f);
}
std::string CritterGrpFieldAsString(const std::string& f) {
    return FieldText(Tables().CritterGrpTable, f);
}
double CritterGrpFieldAsFloat(const std::string& f) {
    return FieldNumber(Tables().CritterGrpTable, f);
}

std::string ReadMemoField(const std::string& field) {
    return FieldText(Tables().PmnTable, field);
}

void MoveToRow(tables::Table& table, int n) {
    table.First();
    if (n > 1) {
        table.MoveBy(n - 1);
    }
}
