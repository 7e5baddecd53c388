// TScrLevelForm: the hidden buttons of the developer table tools, on the tables of the working
// folder.
#include "releases/developer_tools.h"
#include "releases/scr_level_form.h"
#include "scenario/table_set.h"

void TScrLevelForm::Button1Click() {
    tables::Table sicvals;
    sicvals.Open("sicvals.dbf");
    tables::Table& categoryFlows = Tables().SicFlowTable;
    OpenLookupTable(categoryFlows);
    ImportSicFlowStatistics(sicvals, categoryFlows);
    categoryFlows.Close();
}

void TScrLevelForm::Button2Click() {
    tables::Table georecs;
    georecs.Open("GEORECS.dbf");
    FillFoundationHeights(georecs);
}

void TScrLevelForm::Button3Click() {
    tables::Table georecs;
    georecs.Open("GEORECS.dbf");
    tables::Table gps;
    gps.Open("GPS.dbf");
    gps.SetIndex("CLAIMNUM");
    CheckGeoCoordinates(georecs, gps);
}
