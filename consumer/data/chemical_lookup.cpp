// The chemical of a chemical-id start, from the chemical table in the data folder.
#include "consumer/data/chemical_lookup.h"

#include "consumer/data/table_connection.h"
#include "platform/forms/ui_service.h"

namespace consumer {

using namespace tables::dbi;

bool LookupChemical(const std::string& folder, const std::string& key, ChemicalInfo& chemical) {
    TableConnection table(folder, "pmnmgr02", OpenMode::ReadOnly, "pmnmgr02.mdx", "PMN_ID");
    bool found = false;
    if (table.IsOpen() && !key.empty()) {
        CursorHandle cursor = table.Cursor();
        DbiSetToBegin(cursor);
        // The lookup lands on the first id that starts with the key; only the whole id counts.
        found = DbiGetRecordForKey(cursor, true, 0, static_cast<unsigned>(key.size()), key,
                                   &table.Record()) == kOk &&
                table.Text(1) == key;
    }
    if (!found) {
        forms::ShowMessage("The chemical " + key + " was not found in the chemical table.", "Error",
                           forms::Icon::Error);
        return false;
    }
    ChemicalInfo read;
    table.Read(1, read.IdNumber);
    table.Read(2, read.SecondText);
    table.Read(7, read.VaporPressure);
    table.Read(9, read.MolecularWeight);
    table.Read(48, read.WeightFractionMedian);
    table.Read(49, read.WeightFraction90);
    table.Read(50, read.ScenarioIndex);
    table.Read(54, read.HenrysLaw);
    table.Read(174, read.ChemicalName);
    table.Read(175, read.ScenarioName);
    table.Read(176, read.ProductName);
    chemical = read;
    return true;
}

}  // namespace consumer
