// The tables, records and flags the start-up work opens, sets and resets, and the closing of the
// lookup tables at shut-down.
#include <exception>

#include "dilution/pdm_results.h"
#include "dilution/pdm_tables.h"
#include "platform/forms/ui_service.h"
#include "platform/tables/error.h"
#include "scenario/case_choices.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/table_set.h"
#include "shell/startup.h"

// The table is closed first, so a failed open leaves it closed rather than on another file.
std::string OpenScenarioTable(const std::string& path) {
    tables::Table& table = Tables().PmnTable;
    try {
        if (table.IsOpen())
            table.Close();
        table.Open(path);
        table.SetIndex("PMN_ID");
    } catch (const std::exception& error) {
        if (table.IsOpen())
            table.Close();
        return error.what();
    }
    return {};
}

void OpenLookupTables() {
    Tables().OpenLookupTables();
}

void CloseStartupLookupTables() {
    CloseLookupTables();
}

void ClearRunFlags() {
    PdmSicSubmitting = 0;
    PdmOnlyRun = 0;
    SuppressFactorLoad = 0;
    IndividualModelsEntered = 0;
    ResultsRunBusy = 0;
    DisposalActive = 0;
    AsTreatRunFresh = 0;
    AsTreatInputsMode = 0;
    AsTreatLoad = 0.0;
    ExpFactorsFirstShow = 1;
    ChemListLocked = 0;
    GenRelInfoDone = 0;
    ExpFactorsPending = 0;
}

bool StartTablesAndDilution() {
    FacilityIndexName = "NPDES";
    try {
        OpenLookupTables();
    } catch (const tables::TableError& error) {
        forms::Ui().MessageBox("The table " + error.File() + " could not be opened:\n" +
                                   error.Cause() +
                                   "\nThe program cannot work without it and will end.",
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
        CloseLookupTables();
        return false;
    }
    PdmSiteResultRows = 1;
    PdmSicResultRows = 1;
    HealthFlags = "111";
    InitPdmTables();
    return true;
}

void ResetCurrentCase() {
    ResetScenarioRecord();
}
