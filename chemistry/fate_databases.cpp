// TPchemFate: writing the chemical into the Chemicals tables of the EQC and Level III databases.
#include "chemistry/fate_databases.h"

#include <exception>

#include "chemistry/pchem_fate.h"
#include "platform/fatedb/chemicals_table.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/scenario_record.h"

std::string EqcProgramPath;
std::string Level3ProgramPath;

namespace {

const char* kLevel3Note =
    "NYR could not save this information for LevelIII.  When using LevelIII, you will need to "
    "manually enter the data.";
const char* kEqcNote =
    "NYR could not save this information for EQC.  When using EQC, you will need to manually "
    "enter the data.";

struct TextField {
    const char* field;
    forms::TEdit* TPchemFate::*edit;
};

// The number in an edit that has no record member behind it; a text that is no number fails the
// write before anything is posted.
double EditNumber(const TPchemFate& form, forms::TEdit* TPchemFate::*edit, const char* field) {
    double value = 0;
    if (!ParseFieldText((form.*edit)->Text(), value)) {
        throw fatedb::FateDbError(std::string("the value for ") + field + " is not a number");
    }
    return value;
}

// The values both models take: properties from the record (exactly as committed), then the
// half-lives under the model's own field names, then the partition block.
void WriteChemical(const TPchemFate& form, fatedb::Table& table, int type,
                   const std::vector<TextField>& halfLives) {
    const pmn_record& r = CurrentPmn;
    const std::string name = form.ChemName->Text();
    if (!table.Locate("ChemName", name)) {
        table.Append();
    }
    table.SetText("ChemName", name);
    table.SetInteger("Type", type);
    table.SetDouble("MW", r.MW);
    table.SetDouble("S", r.WSOLUBLE);
    table.SetDouble("VP", r.VP * 101325 / 760);
    table.SetDouble("LogKow", r.KOW);
    table.SetDouble("MP", r.MELT_PT);
    table.SetDouble("PropertyTemp", r.DATATEMP);
    for (const TextField& h : halfLives) {
        if (h.edit == &TPchemFate::Aerosol) {
            table.SetDouble(h.field, r.AEROSOL);
        } else {
            table.SetDouble(h.field, EditNumber(form, h.edit, h.field));
        }
    }
    const std::vector<TextField> partitions = {
        {"", &TPchemFate::WaterAir}, {"", &TPchemFate::Soil}, {"", &TPchemFate::Sediment},
        {"", &TPchemFate::SusSed},   {"", &TPchemFate::Fish}, {"", &TPchemFate::AerosolPart}};
    const char* waterFields[] = {"Kaw",       "Ksoil_wat", "Ksed_wat",
                                 "Kpart_wat", "BCF_Fish",  "Kaer_wat"};
    const char* airFields[] = {"KWat_Air",  "KSoil_air", "KSed_Air",
                               "Kpart_Air", "KFish_Air", "KAer_Air"};
    const int partitionType = form.Level3Types->ItemIndex();
    for (int i = 0; i < 6; ++i) {
        if (partitionType == 1) {
            table.SetDouble(waterFields[i], EditNumber(form, partitions[i].edit, waterFields[i]));
        } else if (partitionType == 2) {
            table.SetDouble(airFields[i], EditNumber(form, partitions[i].edit, airFields[i]));
        } else {
            table.SetInteger(airFields[i], 0);
        }
    }
    table.Post();
}

void WriteModelDatabase(const TPchemFate& form, const std::string& file, int type,
                        const std::vector<TextField>& halfLives) {
    fatedb::Database db;
    db.Open(file);
    fatedb::Table table(db);
    table.Open("Chemicals");
    WriteChemical(form, table, type, halfLives);
    table.Close();
    db.Close();
}

void ShowNote(const char* text) {
    forms::Ui().MessageBox(text, "Note", forms::Buttons::Ok, forms::Icon::Information);
}

}  // namespace

std::string ProgramPathFolder(const std::string& programPath) {
    const size_t slash = programPath.rfind('\\');
    if (slash == std::string::npos) {
        return "";
    }
    return sys::Trim(programPath.substr(0, slash + 1));
}

void TPchemFate::WriteLevel3Chemical() {
    try {
        WriteModelDatabase(*this, ProgramPathFolder(Level3ProgramPath) + "datafile\\l3data.mdb",
                           Level3Types->ItemIndex() + 1,
                           {{"HLAir_h", &TPchemFate::AirHalfLife},
                            {"HLWater_h", &TPchemFate::WaterHalfLife},
                            {"HLSoil_h", &TPchemFate::SoilHalfLife},
                            {"HLSed_h", &TPchemFate::SedimentHalfLife},
                            {"HLSusSed_h", &TPchemFate::SusSedHalfLife},
                            {"HLFish_h", &TPchemFate::FishHalfLife},
                            {"HLAer_h", &TPchemFate::Aerosol}});
    } catch (const std::exception&) {
        ShowNote(kLevel3Note);
    }
}

void TPchemFate::WriteEqcChemical() {
    try {
        WriteModelDatabase(*this, ProgramPathFolder(EqcProgramPath) + "chemdata.mdb", 1,
                           {{"AirHL_h", &TPchemFate::AirHalfLife},
                            {"WatHL_k", &TPchemFate::WaterHalfLife},
                            {"SoilHL_h", &TPchemFate::SoilHalfLife},
                            {"SedHL_h", &TPchemFate::SedimentHalfLife}});
    } catch (const std::exception&) {
        ShowNote(kEqcNote);
    }
}

void TPchemFate::BitBtn1Click() {
    WriteEqcChemical();
}
