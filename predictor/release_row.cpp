// The release's row of the scenario table.
#include "predictor/release_row.h"

#include "platform/tables/error.h"

namespace {

bool Listed(const std::string& releases) {
    return (releases.size() > 2 && releases[2] == 'X') ||
           (releases.size() > 3 && releases[3] == 'X');
}

void RequireRelease(tables::Table& table, const std::string& key) {
    if (!GoToRelease(table, key))
        throw tables::TableError(table.FileName(), "",
                                 "the release " + key + " is no longer in the table");
}

void SetNumber(tables::Table& table, const char* field, double value) {
    if (table.AsFloat(field) != value)
        table.SetFloat(field, value);
}

}  // namespace

std::string ScenarioTablePath(const std::string& dataFolder) {
    return dataFolder + "nyr01.dbf";
}

std::vector<std::string> ListedReleases(tables::Table& table) {
    std::vector<std::string> keys;
    for (table.First(); !table.Eof(); table.Next()) {
        if (Listed(table.AsString("RELEASES")))
            keys.push_back(table.AsString("PMN_ID"));
    }
    return keys;
}

bool GoToRelease(tables::Table& table, const std::string& key) {
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.AsString("PMN_ID") == key)
            return true;
    }
    return false;
}

ReleaseInputs ReadRelease(tables::Table& table) {
    ReleaseInputs r;
    r.key = table.AsString("PMN_ID");
    r.incinRel = table.AsFloat("INCINREL");
    r.incinDays = table.AsFloat("INCINDAYS");
    r.incinPerc = table.AsFloat("INCIN_LO");
    r.fugRel = table.AsFloat("FUGREL");
    r.fugDays = table.AsFloat("FUGDAYLO");
    r.fugPerc = table.AsFloat("INCIN_HI");
    r.facName = table.AsString("FAC_NAME");
    r.numSites = table.AsFloat("SITE_HI");
    for (const EditedNumber& n : EditedNumbers()) {
        r.*n.value = table.AsFloat(n.field);
        r.*n.unit = table.AsString(n.unitField);
    }
    r.landUse = table.AsString("LAND_USE");
    r.metClass = table.AsString("METCLASS");
    r.stabClass = int(table.AsInteger("STABCLASS"));
    r.downwash = table.AsInteger("DOWNWASH") == 1;
    return r;
}

AirConcentrations ReadConcentrations(tables::Table& table) {
    AirConcentrations c;
    c.stackAnnual = table.AsFloat("IREL_DOWN");
    c.stack24Hour = table.AsFloat("ACUTE_CONC");
    c.fugitiveAnnual = table.AsFloat("IREL_DOWNF");
    c.fugitive24Hour = table.AsFloat("ACUTECONCF");
    return c;
}

void WriteEditedInputs(tables::Table& table, const ReleaseInputs& r) {
    RequireRelease(table, r.key);
    table.Edit();
    try {
        for (const EditedNumber& n : EditedNumbers()) {
            SetNumber(table, n.field, r.*n.value);
            table.SetString(n.unitField, r.*n.unit);
        }
        table.SetString("LAND_USE", r.landUse);
        table.SetString("METCLASS", r.metClass);
        table.SetInteger("STABCLASS", r.stabClass);
        table.SetInteger("DOWNWASH", r.downwash ? 1 : 0);
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
}

void WriteConcentrations(tables::Table& table, const std::string& key, const AirConcentrations& c) {
    RequireRelease(table, key);
    table.Edit();
    try {
        table.SetFloat("IREL_DOWN", c.stackAnnual);
        table.SetFloat("ACUTE_CONC", c.stack24Hour);
        table.SetFloat("IREL_DOWNF", c.fugitiveAnnual);
        table.SetFloat("ACUTECONCF", c.fugitive24Hour);
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
}
