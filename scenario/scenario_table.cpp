// Loading and saving one release row of the scenario table.
#include "scenario/scenario_table.h"

#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/table_set.h"

std::string SurfaceWaterComments;
std::string FugitiveComments;
std::string StackComments;
std::string LandfillComments;

namespace {

tables::Table& Pmn() {
    return Tables().PmnTable;
}

void ReadText(const char* field, std::string& member) {
    member = PmnFieldAsString(field);
}
void ReadNumber(const char* field, double& member) {
    member = PmnFieldAsFloat(field);
}
void ReadInteger(const char* field, int& member) {
    member = PmnFieldAsInteger(field);
}
void ReadLogical(const char* field, bool& member) {
    member = PmnFieldAsBoolean(field);
}

void WriteText(const char* field, const std::string& value) {
    Pmn().SetString(field, value);
}
void WriteNumber(const char* field, double value) {
    Pmn().SetFloat(field, value);
}
void WriteInteger(const char* field, int value) {
    Pmn().SetInteger(field, value);
}
void WriteLogical(const char* field, bool value) {
    Pmn().SetBoolean(field, value);
}

// The three dose-kind flags from the row's HEALTH text: a longer text is cut to three characters,
// missing positions count as "1" so that no flag of an earlier case survives.
std::string HealthFlagsFrom(const std::string& text) {
    std::string flags = text.substr(0, 3);
    flags.resize(3, '1');
    return flags;
}

// Moves the scenario table to the nearest row at or after the key; a pending change of the
// current row (a memo edited on a form) is posted first.
void SeekScenarioKey(const std::string& key) {
    Pmn().FindNearest(key);
}

void ReadIdentity(pmn_record& r) {
    ReadText("MODGUYS", r.MODGUYS);
    if (r.MODGUYS.empty()) {
        r.MODGUYS = "000000000";
    }
    ReadText("CHEMNAME", r.CHEMNAME);
    ReadText("RELEASE", r.RELEASE);
    ReadText("FAC_NAME", r.FAC_NAME);
    ReadText("FAC_LOC", r.FAC_LOC);
    ReadText("NPDES", r.NPDES);
    if (r.NPDES.size() > 3) {
        // The permit id is always sought on the NPDES index, whatever the search used last.
        r.DTYPE = LoadFacility(r.NPDES, "NPDES");
        if (r.DTYPE == ' ') {
            // The facility is no longer in the facility table: the release keeps the reach it
            // was stored with rather than another release's or the nearest facility's.
            ReadText("REACH", r.REACH);
            ReadText("REACHNAME", r.REACHNAME);
        }
    }
}

void ReadReleaseAmounts(pmn_record& r) {
    ReadNumber("YEARS_USE", r.YEARS_USE);
    ReadNumber("H2O_HI", r.H2O_HI);
    r.H2O_LO = r.H2O_HI;
    ReadNumber("H2ODAYLO", r.H2ODAYLO);
    r.H2ODAYHI = r.H2ODAYLO;
    ReadNumber("LANDREL", r.LANDREL);
    ReadNumber("WSOLUBLE", r.WSOLUBLE);
    ReadNumber("KOW", r.KOW);
    ReadNumber("HENRY", r.HENRY);
    ReadNumber("WTFRAC_MED", r.WTFRAC_MED);
    ReadNumber("WTFRAC_90", r.WTFRAC_90);
    ReadNumber("MELT_PT", r.MELT_PT);
    ReadNumber("GAGE_POS", r.GAGE_POS);
    ReadNumber("NUM_GAGES", r.NUM_GAGES);
    ReadNumber("ED_KIV", r.ED_KIV);
    ReadNumber("DO_PDM", r.DO_PDM);
    ReadNumber("AEROSOL", r.AEROSOL);
    ReadText("PRODNAME", r.PRODNAME);
    ReadText("SPECEVAL", r.SPECEVAL);
    if (r.SPECEVAL.size() < 2) {
        r.SPECEVAL = "00";
    }
    ReadLogical("CRITTERS", r.CRITTERS);
    ReadLogical("NOWATER", r.NOWATER);
    ReadLogical("NOLAND", r.NOLAND);
    ReadLogical("NOAIR", r.NOAIR);
    ReadNumber("DATATEMP", r.DATATEMP);
    ReadNumber("SORPTION", r.SORPTION);
    ReadNumber("SLUDGEAB", r.SLUDGEAB);
    ReadNumber("LOSS2SLUDG", r.LOSS2SLUDG);
    ReadNumber("PRODVOL", r.PRODVOL);
    ReadNumber("INCINREL", r.INCINREL);
    ReadNumber("INCINDAYS", r.INCINDAYS);
    ReadNumber("FUGREL", r.FUGREL);
    ReadNumber("FUGDAYLO", r.FUGDAYLO);
    r.FUGDAYHI = r.FUGDAYLO;
    ReadNumber("SITE_LO", r.SITE_LO);
    r.SITE_HI = r.SITE_LO;
    ReadText("RELEASES", r.RELEASES);
}

void ReadPropertiesAndFlows(pmn_record& r) {
    ReadNumber("VP", r.VP);
    ReadNumber("BCF", r.BCF);
    ReadNumber("MW", r.MW);
    ReadNumber("COC0", r.COC0);
    ReadNumber("COC1", r.COC1);
    ReadNumber("COC2", r.COC2);
    ReadNumber("WWT_LOW", r.WWT_LOW);
    ReadNumber("WWT_HI", r.WWT_HI);
    ReadNumber("DWT", r.DWT);
    ReadNumber("INCIN_LO", r.INCIN_LO);
    ReadNumber("INCIN_HI", r.INCIN_HI);
    ReadInteger("MIGRATE", r.MIGRATE);
    ReadInteger("WHICHANAL", r.WHICHANAL);
    ReadInteger("SIC_CODE", r.SIC_CODE);
    if (r.SIC_CODE > 0) {
        LoadSicFlowStats();
    }
    ReadNumber("MIGFACT", r.MIGFACT);
    ReadNumber("PLANTFLO", r.PLANTFLO);
    ReadText("EFFFLG", r.EFFFLG);
    ReadNumber("HARFLOW", r.HARFLOW);
    ReadText("HARMNFLG", r.HARMNFLG);
    ReadNumber("MEANFLOW", r.MEANFLOW);
    ReadText("MEANFLG", r.MEANFLG);
    ReadNumber("FLOW30Q5", r.FLOW30Q5);
    ReadText("FL30Q5FLG", r.FL30Q5FLG);
    ReadNumber("FLOW1Q10", r.FLOW1Q10);
    ReadText("FL1Q10FLG", r.FL1Q10FLG);
    ReadNumber("FLOW7Q10", r.FLOW7Q10);
    ReadText("FL7Q10FLG", r.FL7Q10FLG);
    ReadNumber("IREL_DOWN", r.IREL_DOWN);
    ReadNumber("ACUTE_CONC", r.ACUTE_CONC);
    ReadNumber("IREL_DOWNF", r.IREL_DOWNF);
    ReadNumber("ACUTECONCF", r.ACUTECONCF);
    ReadNumber("DAYSSLUDGE", r.DAYSSLUDGE);
    ReadNumber("DAYSNSLUDG", r.DAYSNSLUDG);
}

void ReadDispersionInputs(pmn_record& r) {
    ReadNumber("STK_HT", r.STK_HT);
    ReadText("STKHTU", r.STKHTU);
    ReadNumber("STK_DIAM", r.STK_DIAM);
    ReadText("STKDMU", r.STKDMU);
    ReadNumber("STK_VEL", r.STK_VEL);
    ReadText("STKVELU", r.STKVELU);
    ReadNumber("STK_TEMP", r.STK_TEMP);
    ReadText("STKTMPU", r.STKTMPU);
    ReadNumber("AMB_TMP", r.AMB_TMP);
    ReadText("AMBTMPU", r.AMBTMPU);
    ReadNumber("FUGRELHT", r.FUGRELHT);
    ReadText("FUGRELHTU", r.FUGRELHTU);
    ReadNumber("FIELDWIDTH", r.FIELDWIDTH);
    ReadText("FWIDTHU", r.FWIDTHU);
    ReadNumber("FIELDLEN", r.FIELDLEN);
    ReadText("FIELDLENU", r.FIELDLENU);
    if (r.FUGREL <= 0) {
        // No fugitive release: the geometry does not apply. The row keeps its stored values.
        r.FUGRELHT = NotApplicable;
        r.FIELDWIDTH = NotApplicable;
        r.FIELDLEN = NotApplicable;
        r.FUGRELHTU.clear();
        r.FWIDTHU.clear();
        r.FIELDLENU.clear();
    }
    ReadText("LAND_USE", r.LAND_USE);
    ReadNumber("TER_HT", r.TER_HT);
    ReadText("TERHTU", r.TERHTU);
    ReadNumber("NEAR_RES", r.NEAR_RES);
    ReadText("NEARRESU", r.NEARRESU);
    ReadText("METCLASS", r.METCLASS);
    ReadInteger("STABCLASS", r.STABCLASS);
    ReadNumber("WNDSPD", r.WNDSPD);
    ReadText("WNDSPDU", r.WNDSPDU);
    ReadInteger("DOWNWASH", r.DOWNWASH);
    ReadNumber("FACLEN", r.FACLEN);
    ReadText("FACLENU", r.FACLENU);
    ReadNumber("FACWD", r.FACWD);
    ReadText("FACWDU", r.FACWDU);
    ReadNumber("FACHT", r.FACHT);
    ReadText("FACHTU", r.FACHTU);
}

void ReadExposureFactors(pmn_record& r) {
    ReadNumber("BW", r.BW);
    ReadNumber("FISH", r.FISH);
    ReadNumber("FISHCHRON", r.FISHCHRON);
    ReadNumber("DRINKCHRON", r.DRINKCHRON);
    ReadNumber("DRINK", r.DRINK);
    ReadNumber("INHALE", r.INHALE);
    ReadNumber("CANCERAT", r.CANCERAT);
    ReadNumber("NCANCERAT", r.NCANCERAT);
    ReadNumber("EXPDURCAN", r.EXPDURCAN);
    ReadNumber("EXPDURNCAN", r.EXPDURNCAN);
    ReadInteger("KIV_SCEN", r.KIV_SCEN);
    ReadNumber("SA_BODY", r.SA_BODY);
    ReadNumber("SA_HAND", r.SA_HAND);
}

void ReadCommentsAndTail(pmn_record& r) {
    SurfaceWaterComments = ReadMemoField("SWMEMO");
    FugitiveComments = ReadMemoField("FUGMEMO");
    StackComments = ReadMemoField("STKMEMO");
    LandfillComments = ReadMemoField("LNDMEMO");
    HealthFlags = HealthFlagsFrom(PmnFieldAsString("HEALTH"));
    ReadInteger("POP_NUM", r.POP_NUM);
    if (r.PLANTFLO < 0.01) {
        r.PLANTFLO = 0.01;
    }
    ReadText("REMARKS", r.REMARKS);
}

void WriteReleaseInputs(const pmn_record& r) {
    WriteText("MODGUYS", r.MODGUYS);
    WriteText("RELEASE", r.RELEASE);
    WriteNumber("SITE_LO", r.SITE_LO);
    WriteNumber("SITE_HI", r.SITE_LO);
    WriteNumber("H2O_HI", r.H2O_HI);
    WriteNumber("H2O_LO", r.H2O_LO);
    WriteInteger("WHICHANAL", r.WHICHANAL);
    WriteNumber("YEARS_USE", r.YEARS_USE);
    WriteNumber("PRODVOL", r.PRODVOL);
    WriteNumber("H2ODAYLO", r.H2ODAYLO);
    WriteNumber("H2ODAYHI", r.H2ODAYHI);
    WriteNumber("LANDREL", r.LANDREL);
    WriteNumber("SORPTION", r.SORPTION);
    WriteNumber("SLUDGEAB", r.SLUDGEAB);
    WriteNumber("LOSS2SLUDG", r.LOSS2SLUDG);
    WriteNumber("DAYSSLUDGE", r.DAYSSLUDGE);
    WriteNumber("DAYSNSLUDG", r.DAYSNSLUDG);
    WriteText("SPECEVAL", r.SPECEVAL);
    WriteNumber("INCINREL", r.INCINREL);
    WriteNumber("INCINDAYS", r.INCINDAYS);
    WriteNumber("FUGDAYLO", r.FUGDAYLO);
    WriteNumber("FUGDAYHI", r.FUGDAYHI);
    WriteNumber("FUGREL", r.FUGREL);
    WriteNumber("IREL_DOWNF", r.IREL_DOWNF);
    WriteNumber("ACUTECONCF", r.ACUTECONCF);
    WriteNumber("IREL_DOWN", r.IREL_DOWN);
    WriteNumber("ACUTE_CONC", r.ACUTE_CONC);
}

void WriteFacilityAndFlows(const pmn_record& r) {
    WriteText("NPDES", r.NPDES);
    WriteText("FAC_NAME", r.FAC_NAME);
    WriteText("FAC_LOC", r.FAC_LOC);
    WriteText("REACH", r.REACH);
    WriteText("REACHNAME", r.REACHNAME);
    WriteInteger("SIC_CODE", r.SIC_CODE);
    WriteNumber("COC0", r.COC0);
    WriteNumber("COC1", r.COC1);
    WriteNumber("COC2", r.COC2);
    WriteNumber("PLANTFLO", r.PLANTFLO);
    WriteText("EFFFLG", r.EFFFLG);
    WriteNumber("FLOW7Q10", r.FLOW7Q10);
    WriteText("FL7Q10FLG", r.FL7Q10FLG);
    WriteNumber("HARFLOW", r.HARFLOW);
    WriteText("HARMNFLG", r.HARMNFLG);
    WriteNumber("FLOW30Q5", r.FLOW30Q5);
    WriteText("FL30Q5FLG", r.FL30Q5FLG);
    WriteNumber("FLOW1Q10", r.FLOW1Q10);
    WriteText("FL1Q10FLG", r.FL1Q10FLG);
    WriteNumber("MEANFLOW", r.MEANFLOW);
    WriteText("MEANFLG", r.MEANFLG);
    WriteText("RELEASES", r.RELEASES);
}

void WriteChemicalBlock(const pmn_record& r) {
    WriteNumber("VP", r.VP);
    WriteNumber("BCF", r.BCF);
    WriteNumber("MW", r.MW);
    WriteNumber("WWT_LOW", r.WWT_LOW);
    WriteNumber("WWT_HI", r.WWT_HI);
    WriteNumber("DWT", r.DWT);
    WriteNumber("INCIN_LO", r.INCIN_LO);
    WriteNumber("INCIN_HI", r.INCIN_HI);
    WriteInteger("MIGRATE", r.MIGRATE);
    WriteNumber("MIGFACT", r.MIGFACT);
    WriteNumber("WSOLUBLE", r.WSOLUBLE);
    WriteNumber("KOW", r.KOW);
    WriteNumber("MELT_PT", r.MELT_PT);
    WriteNumber("GAGE_POS", r.GAGE_POS);
    WriteNumber("NUM_GAGES", r.NUM_GAGES);
    WriteNumber("ED_KIV", r.ED_KIV);
    WriteNumber("DO_PDM", r.DO_PDM);
    WriteNumber("AEROSOL", r.AEROSOL);
    WriteNumber("WTFRAC_MED", r.WTFRAC_MED);
    WriteNumber("WTFRAC_90", r.WTFRAC_90);
    WriteNumber("HENRY", r.HENRY);
    WriteNumber("DATATEMP", r.DATATEMP);
    WriteLogical("CRITTERS", r.CRITTERS);
    WriteLogical("NOWATER", r.NOWATER);
    WriteLogical("NOLAND", r.NOLAND);
    WriteLogical("NOAIR", r.NOAIR);
    WriteText("HEALTH", HealthFlags);
    WriteInteger("POP_NUM", r.POP_NUM);
    WriteText("REMARKS", r.REMARKS);
}

void WriteExposureFactors(const pmn_record& r) {
    WriteNumber("BW", r.BW);
    WriteNumber("FISH", r.FISH);
    WriteNumber("FISHCHRON", r.FISHCHRON);
    WriteNumber("DRINKCHRON", r.DRINKCHRON);
    WriteNumber("DRINK", r.DRINK);
    WriteNumber("INHALE", r.INHALE);
    WriteNumber("CANCERAT", r.CANCERAT);
    WriteNumber("NCANCERAT", r.NCANCERAT);
    WriteNumber("EXPDURCAN", r.EXPDURCAN);
    WriteNumber("EXPDURNCAN", r.EXPDURNCAN);
}

// A fugitive length that the load masked as not applicable (a release without fugitive part
// loads as -9 with no unit) is not written, so the stored geometry is never overwritten by it.
void WriteFugitiveLength(const char* field, double value, const char* unitField,
                         const std::string& unit) {
    if (value == NotApplicable && unit.empty()) {
        return;
    }
    WriteNumber(field, value);
    WriteText(unitField, unit);
}

void WriteDispersionInputs(pmn_record& r) {
    WriteNumber("STK_HT", r.STK_HT);
    WriteText("STKHTU", r.STKHTU);
    WriteNumber("STK_DIAM", r.STK_DIAM);
    WriteText("STKDMU", r.STKDMU);
    WriteNumber("STK_VEL", r.STK_VEL);
    WriteText("STKVELU", r.STKVELU);
    WriteNumber("STK_TEMP", r.STK_TEMP);
    WriteText("STKTMPU", r.STKTMPU);
    WriteNumber("AMB_TMP", r.AMB_TMP);
    WriteText("AMBTMPU", r.AMBTMPU);
    WriteFugitiveLength("FUGRELHT", r.FUGRELHT, "FUGRELHTU", r.FUGRELHTU);
    WriteFugitiveLength("FIELDWIDTH", r.FIELDWIDTH, "FWIDTHU", r.FWIDTHU);
    WriteFugitiveLength("FIELDLEN", r.FIELDLEN, "FIELDLENU", r.FIELDLENU);
    WriteText("LAND_USE", r.LAND_USE);
    WriteNumber("WNDSPD", r.WNDSPD);
    WriteText("WNDSPDU", r.WNDSPDU);
    if (r.STABCLASS < 0) {
        r.STABCLASS = 0;
    }
    WriteInteger("STABCLASS", r.STABCLASS);
    WriteInteger("DOWNWASH", r.DOWNWASH);
    WriteText("METCLASS", r.METCLASS);
    WriteNumber("FACLEN", r.FACLEN);
    WriteText("FACLENU", r.FACLENU);
    WriteNumber("FACWD", r.FACWD);
    WriteText("FACWDU", r.FACWDU);
    WriteNumber("FACHT", r.FACHT);
    WriteText("FACHTU", r.FACHTU);
    WriteInteger("KIV_SCEN", r.KIV_SCEN);
    WriteText("PRODNAME", r.PRODNAME);
    WriteNumber("SA_BODY", r.SA_BODY);
    WriteNumber("SA_HAND", r.SA_HAND);
}

}  // namespace

void LoadScenarioRecord(const std::string& key) {
    if (!key.empty()) {
        SeekScenarioKey(key);
    }
    const std::string found = PmnFieldAsString("PMN_ID");
    SplitReleaseKey(found);
    if (!key.empty() && found != key) {
        ResetScenarioRecord();
        SplitReleaseKey(key);
        return;
    }
    pmn_record& r = CurrentPmn;
    ReadIdentity(r);
    ReadReleaseAmounts(r);
    ReadPropertiesAndFlows(r);
    ReadDispersionInputs(r);
    ReadExposureFactors(r);
    ReadCommentsAndTail(r);
}

void SaveScenarioRecord() {
    pmn_record& r = CurrentPmn;
    const std::string key = r.CaseNum + "," + r.ScenNum;
    SeekScenarioKey(key);
    if (Pmn().IsEmpty() || PmnFieldAsString("PMN_ID") != key) {
        Pmn().Append();
    } else {
        Pmn().Edit();
    }
    // The stored plant flow must never be below the floor the calculations rely on.
    if (r.PLANTFLO < 0.01) {
        r.PLANTFLO = 0.01;
    }
    try {
        WriteText("CHEMNAME", r.CHEMNAME);
        WriteText("PMN_ID", key);
        WriteReleaseInputs(r);
        WriteFacilityAndFlows(r);
        WriteChemicalBlock(r);
        WriteExposureFactors(r);
        WriteDispersionInputs(r);
    } catch (...) {
        // A value the row cannot hold: the row stays as it was rather than half written.
        Pmn().Cancel();
        throw;
    }
    Pmn().Post();
}

bool MoveToNextScenarioRow() {
    Pmn().Next();
    return !Pmn().Eof();
}

std::vector<std::string> AllReleaseKeys() {
    std::vector<std::string> keys;
    for (Pmn().First(); !Pmn().Eof(); Pmn().Next())
        keys.push_back(PmnFieldAsString("PMN_ID"));
    return keys;
}

std::string ChemicalIdOf(const std::string& key) {
    const std::string::size_type comma = key.rfind(',');
    return comma == std::string::npos ? std::string() : key.substr(0, comma);
}
