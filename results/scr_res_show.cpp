// The show operations of the release pages: the current record copied into the page's fields.
#include "dilution/industry_categories.h"
#include "exposure/exposure_calcs.h"
#include "form_helpers/species_grid.h"
#include "platform/sys/text.h"
#include "results/display_formats.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

void TScrResForm::SetField(const std::string& name, const std::string& text) {
    if (forms::TEdit* edit = Field(name))
        edit->SetText(text);
}

void TScrResForm::SetValue(const std::string& name, double value) {
    SetField(name, DisplayValue(value));
}

void TScrResForm::FillDoseTable(const std::array<std::string, 3>& results,
                                const std::array<double, 3>& doses, const std::string& suffix,
                                double chronicIntake, double acuteIntake, bool waterOrFish) {
    const pmn_record& r = CurrentPmn;
    for (size_t i = 0; i < 3; ++i) {
        if (!results[i].empty())
            SetValue(results[i], doses[i]);
    }
    SetValue("EdLadd" + suffix, r.EXPDURCAN);
    SetValue("AtLadd" + suffix, r.CANCERAT);
    SetValue("BwLadd" + suffix, r.BW);
    SetField("IrLadd" + suffix, waterOrFish && r.POP_NUM > 0 ? "NA" : DisplayValue(chronicIntake));
    SetValue("EdLadc" + suffix, r.EXPDURCAN);
    SetValue("AtLadc" + suffix, r.CANCERAT);
    SetField("BwLadc" + suffix, "NA");
    SetField("IrLadc" + suffix, "NA");
    SetValue("BwAdr" + suffix, r.BW);
    SetValue("IrAdr" + suffix, acuteIntake);
}

namespace {

void CheckHit(char hit, forms::TRadioButton* yes, forms::TRadioButton* no,
              forms::TRadioButton* unknown) {
    (hit == 'Y' ? yes : hit == 'N' ? no : unknown)->setChecked(true);
}

std::string WithFlag(double flow, const std::string& flag) {
    return DisplayValue(flow) + flag;
}

}  // namespace

void TScrResForm::ShowEnvReleaseResults() {
    pmn_record& r = CurrentPmn;
    const bool special = Inputs.ExposureBased || Inputs.Persistent;
    EnvRelTabs->setTabVisible(EnvRelTabs->indexOf(SpecEvalPage), special);
    SpecGrid->setVisible(special);
    CritExceededLabel->setVisible(special);
    SetField("IndTypeEnvRel", r.RELEASE);
    SetField("NumSitesEnvRel", SitesText(r.SITE_HI));
    SetValue("TotWaterRelEnvRel", r.TotWaterRel);
    SetValue("DaysWaterRelEnvRel", r.H2ODAYHI);
    SetValue("PerSiteWaterRelEnvRel", r.H2O_HI);
    SetField("PerSiteLandfillRelEnvRel", DisplayValue(r.LANDREL) + "/" + DisplayValue(r.SORPTION));
    SetField("DaysLandfillEnvRel", DisplayValue(r.DAYSNSLUDG) + "/" + DisplayValue(r.DAYSSLUDGE));
    SetValue(
        "TotLandfillRelEnvRel",
        LandfillSelected ? (r.LANDREL * r.DAYSNSLUDG + r.SORPTION * r.DAYSSLUDGE) * r.SITE_LO : -1);
    SetValue("TotIncinRelEnvRel", r.TotStackRel);
    SetValue("PerSiteIncinRelEnvRel", r.INCINREL);
    if (r.INCINREL == 0)
        r.INCINDAYS = 0;
    SetValue("DaysStackRelEnvRel", r.INCINDAYS);
    SetValue("TotFugitiveRelEnvRel", r.TotFugitiveRel);
    if (r.TotFugitiveRel == 0)
        r.FUGDAYHI = 0;
    SetValue("DaysFugitiveRelEnvRel", r.FUGDAYHI);
    SetValue("PerSiteFugitiveRelEnvRel", r.FUGREL);
    if (!SurfaceWaterSelected) {
        SetField("DaysWaterRelEnvRel", "N/A");
        SetField("PerSiteWaterRelEnvRel", "N/A");
    }
    if (!LandfillSelected) {
        SetField("PerSiteLandfillRelEnvRel", "N/A");
        SetField("TotLandfillRelEnvRel", "N/A");
    }
    if (!AmbientAirSelected) {
        for (const char* name :
             {"TotIncinRelEnvRel", "PerSiteIncinRelEnvRel", "DaysStackRelEnvRel",
              "TotFugitiveRelEnvRel", "DaysFugitiveRelEnvRel", "PerSiteFugitiveRelEnvRel"})
            SetField(name, "N/A");
    }
    RemarksEnvRel->SetText(r.REMARKS);
}

void TScrResForm::ShowRiverSiteResults() {
    const pmn_record& r = CurrentPmn;
    RiverMemo1->SetText(SurfaceWaterComments);
    EndSpecSite->show();
    FillSpeciesGrid(*EndSpecSite);
    if (EndSpecSite->RowCount() <= 1)
        EndSpecSite->hide();
    // The note stands in for the grid: it goes when species are listed.
    NoSpeciesLabel->setVisible(EndSpecSite->isHidden());
    RiverTabs->setTabVisible(RiverTabs->indexOf(EndangeredSpecies), r.CRITTERS);
    SetField("FacNameSite", r.FAC_NAME);
    SetField("FacLocSite", r.FAC_LOC);
    SetField("NpdesSite", r.NPDES);
    SetField("ReachNumSite", r.REACH);
    SetField("ReachNameSite", r.REACHNAME);
    SetValue("WwtSite", r.WWT_LOW);
    SetValue("DwtSite", r.DWT);
    SetValue("RelDaysSite", r.H2ODAYLO);
    SetValue("PreTreatSite", r.H2O_HI);
    SetValue("PostTreatSite", r.PostTreat);
    SetValue("BcfSite", r.BCF);
    SetField("IndTypeSite", r.RELEASE);
    SetField("ExpPopSite", PopulationLabelFor(r.POP_NUM));
    SetField("DischargeTypeSite", r.DTYPE == 'D' ? "Direct" : "Indirect");
    CheckHit(r.HIT, YesSite, NoSite, UnkSite);
    SetField("HarMeanFlowSite", WithFlag(r.HARFLOW, r.HARMNFLG));
    SetField("Flow30q5Site", WithFlag(r.FLOW30Q5, r.FL30Q5FLG));
    SetField("Flow7q10Site", WithFlag(r.FLOW7Q10, r.FL7Q10FLG));
    SetField("Flow1q10Site", WithFlag(r.FLOW1Q10, r.FL1Q10FLG));
    SetValue("HarMeanConcSite", ConcentrationAtFlow(r.HARFLOW));
    SetValue("Conc30q5Site", ConcentrationAtFlow(r.FLOW30Q5));
    SetValue("Conc7q10Site", ConcentrationAtFlow(r.FLOW7Q10));
    SetValue("Conc1q10Site", ConcentrationAtFlow(r.FLOW1Q10));
    FillDoseTable({"FishLaddSite", "FishLadcSite", "FishAdrSite"},
                  {r.FishLaddSite, r.FishLadcSite, r.FishAdrSite}, "FSite", r.FISHCHRON, r.FISH,
                  true);
    FillDoseTable({"DwLaddSite", "DwLadcSite", "DwAdrSite"},
                  {r.DwLaddSite, r.DwLadcSite, r.DwAdrSite}, "Site", r.DRINKCHRON, r.DRINK, true);
}

void TScrResForm::ShowSicCodeResults() {
    const pmn_record& r = CurrentPmn;
    SicMemo1->SetText(SurfaceWaterComments);
    SetField("IndTypeSic", r.RELEASE);
    SetField("ExpPopSic", PopulationLabelFor(r.POP_NUM));
    // A stored category outside the list names no category.
    SetField("SicDescSic", IndustryCategoryDescription(r.SIC_CODE));
    SetField("SicCodesSic", SicCodeList);
    SetField("WwtSic", PlainText(r.WWT_LOW));
    SetField("RelDaysSic", PlainText(r.H2ODAYLO));
    SetField("PreTreatSic", PlainText(r.H2O_HI));
    SetField("PostTreatSic", PlainText(r.PostTreat));
    SetField("BcfSic", PlainText(r.BCF));
    SetValue("DwtSic", r.DWT);
    const std::pair<const char*, double> flows[] = {
        {"HarMeanFlow50Sic", r.HMF_50}, {"HarMeanFlow10Sic", r.HMF_10},
        {"Flow30q5_50Sic", r._0Q5_50},  {"Flow30q5_10Sic", r._0Q5_10},
        {"Flow7q10_50Sic", r.LOW_50},   {"Flow7q10_10Sic", r.LOW_10},
        {"Flow1q10_50Sic", r._Q10_50},  {"Flow1q10_10Sic", r._Q10_10}};
    const char* const concs[] = {"HarMeanConc50Sic", "HarMeanConc10Sic", "Conc30q5_50Sic",
                                 "Conc30q5_10Sic",   "Conc7q10_50Sic",   "Conc7q10_10Sic",
                                 "Conc1q10_50Sic",   "Conc1q10_10Sic"};
    for (size_t i = 0; i < 8; ++i) {
        SetValue(flows[i].first, flows[i].second);
        SetValue(concs[i], ConcentrationAtFlow(flows[i].second));
    }
    FillDoseTable({"FishLadd50Sic", "FishLadc50aSic", "FishAdr50Sic"},
                  {r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdr50Sic}, "FSic", r.FISHCHRON, r.FISH,
                  true);
    SetValue("FishLadd10Sic", r.FishLadd10Sic);
    SetValue("FishLadc10Sic", r.FishLadc10Sic);
    SetValue("FishAdr10Sic", r.FishAdr10Sic);
    FillDoseTable({"DwLadd50Sic", "DwLadc50Sic", "DwAdr50Sic"},
                  {r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdr50Sic}, "Sic", r.DRINKCHRON, r.DRINK, true);
    SetValue("DwLadd10Sic", r.DwLadd10Sic);
    SetValue("DwLadc10Sic", r.DwLadc10Sic);
    SetValue("DwAdr10Sic", r.DwAdr10Sic);
}

void TScrResForm::ShowLakeResults() {
    const pmn_record& r = CurrentPmn;
    LakeMemo1->SetText(SurfaceWaterComments);
    const int speciesTab = LakeTabs->indexOf(EndSpeciesLake);
    EndSpecLake->show();
    LakeTabs->setTabVisible(speciesTab, true);
    FillSpeciesGrid(*EndSpecLake);
    if (EndSpecLake->RowCount() <= 1) {
        EndSpecLake->hide();
        LakeTabs->setTabVisible(speciesTab, false);
    }
    SetField("FacNameLake", r.FAC_NAME);
    SetField("FacLocLake", r.FAC_LOC);
    SetField("NpdesLake", r.NPDES);
    SetField("ReachNumLake", r.REACH);
    SetField("ReachNameLake", r.REACHNAME);
    SetField("IndTypeLake", r.RELEASE);
    SetField("ExpPopLake", PopulationLabelFor(r.POP_NUM));
    SetField("DischargeTypeLake", r.DTYPE == 'D' ? "Direct" : "Indirect");
    CheckHit(r.HIT, YesLake, NoLake, UnkLake);
    SetField("WwtLake", PlainText(r.WWT_LOW));
    SetField("RelDaysLake", PlainText(r.H2ODAYLO));
    SetField("PreTreatLake", PlainText(r.H2O_HI));
    SetField("PostTreatLake", PlainText(r.PostTreat));
    SetField("BcfLake", PlainText(r.BCF));
    FillDoseTable({"FishLaddLake", "FishLadcLake", "FishAdrLake"},
                  {r.FishLaddLake, r.FishLadcLake, r.FishAdrLake}, "Lake", r.FISHCHRON, r.FISH,
                  true);
    SetValue("AcuteDilFactor", r.AcuteDilFactor);
    SetValue("ChronicDilFactor", r.ChronicDilFactor);
    SetValue("AcuteConc", r.AcuteConc);
    SetValue("ChronicConc", r.ChronicConc);
    LakeTabs->setTabVisible(speciesTab, r.CRITTERS);
}

namespace {

std::string StabilityText(const pmn_record& r) {
    if (r.METCLASS == "Full")
        return "NA";
    if (r.STABCLASS >= 0 && r.STABCLASS <= 5)
        return std::string(1, static_cast<char>('A' + r.STABCLASS));
    return " ";
}

}  // namespace

void TScrResForm::ShowInhalationResults() {
    const pmn_record& r = CurrentPmn;
    FugMemo1->SetText(FugitiveComments);
    SetValue("ChronAirConc", r.IREL_DOWN * 1000);
    SetValue("AcuteAirConc", r.ACUTE_CONC * 1000);
    SetValue("ChronAirConcFug", r.IREL_DOWNF * 1000);
    SetValue("AcuteAirConcFug", r.ACUTECONCF * 1000);
    const std::pair<const char*, double> values[] = {{"PreTreatStkRel", r.INCINREL},
                                                     {"PercentRemovalStk", r.INCIN_LO},
                                                     {"PreTreatFugRel", r.FUGREL},
                                                     {"PercentRemovalFug", r.INCIN_HI},
                                                     {"StkHt", r.STK_HT},
                                                     {"StkDiam", r.STK_DIAM},
                                                     {"StkExitVel", r.STK_VEL},
                                                     {"StkExitTemp", r.STK_TEMP},
                                                     {"FugRelHt", r.FUGRELHT},
                                                     {"FieldLen", r.FIELDLEN},
                                                     {"FieldWidth", r.FIELDWIDTH}};
    for (const auto& [name, value] : values)
        SetValue(name, value);
    const std::pair<const char*, std::string> units[] = {
        {"StkHtUnits", r.STKHTU},       {"StkDiamUnits", r.STKDMU},
        {"StkExitVelUnits", r.STKVELU}, {"StkExitTempUnits", r.STKTMPU},
        {"FugRelHtUnits", r.FUGRELHTU}, {"FieldLenUnits", r.FIELDLENU},
        {"FieldWidthUnits", r.FWIDTHU}, {"TerrainHtUnits", r.TERHTU},
        {"DistanceUnits", r.NEARRESU},  {"WindSpeedUnits", r.WNDSPDU},
        {"FacLenUnits", r.FACLENU},     {"FacWidthUnits", r.FACWDU},
        {"FacHtUnits", r.FACHTU}};
    for (const auto& [name, text] : units)
        SetField(name, text);
    SetField("LandUse", r.LAND_USE);
    SetValue("TerrainHt", r.TER_HT);
    SetValue("Distance", r.NEAR_RES);
    SetField("MetClass", r.METCLASS);
    SetField("StabClass", StabilityText(r));
    SetField("WindSpeed", r.METCLASS == "Stability and Wind Speed" ? DisplayValue(r.WNDSPD) : "NA");
    SetValue("FacLen", r.FACLEN);
    SetValue("FacWid", r.FACWD);
    SetValue("FacHt", r.FACHT);
    if (r.DOWNWASH == 0) {
        for (const char* name :
             {"FacLen", "FacWid", "FacHt", "FacLenUnits", "FacWidthUnits", "FacHtUnits"})
            SetField(name, "NA");
    }
    SetField("NumSitesFug", SitesText(r.SITE_HI));
    SetField("IndTypeFug", r.RELEASE);
    SetField("ExpPopFug", PopulationLabelFor(r.POP_NUM));
    SetField("RelDaysStack", r.INCINDAYS > 0 ? DisplayValue(r.INCINDAYS) : "NA");
    SetField("RelDaysFug", r.FUGDAYLO > 0 ? DisplayValue(r.FUGDAYLO) : "NA");
    SetField("PerSiteReleaseFug", r.FUGREL == 0 ? "NA" : DisplayValue(r.FUGREL));
    SetField("PreTreatIncin", r.INCINREL == 0 ? "NA" : DisplayValue(r.INCINREL));
    FillDoseTable({"ResLaddFug", "ResLadcFug", "ResAdrFug"},
                  {r.ResLaddFug, r.ResLadcFug, r.ResAdrFug}, "Fug", r.INHALE, r.INHALE, false);
    FillDoseTable({"ResLaddStk", "ResLadcStk", "ResAdrStk"},
                  {r.ResLaddStk, r.ResLadcStk, r.ResAdrStk}, "Stk", r.INHALE, r.INHALE, false);
}

void TScrResForm::ShowLandfillResults() {
    const pmn_record& r = CurrentPmn;
    LandfillMemo1->SetText(LandfillComments);
    SetValue("NumSitesLand", r.SITE_LO);
    SetValue("LandfillLand", r.LANDREL);
    SetValue("SludgeLand", r.SORPTION);
    SetValue("DwtLand", r.DWT);
    SetValue("DaysSludgeLand", r.DAYSSLUDGE);
    SetValue("DaysNonSludgeLand", r.DAYSNSLUDG);
    SetValue("AdsorpLand", r.SLUDGEAB);
    SetField("IndTypeLand", r.RELEASE);
    SetField("ExpPopLand", PopulationLabelFor(r.POP_NUM));
    SetField("MigrationFactorLand", r.MigrateText);
    SetValue("ResLaddLand", r.ResLaddLand);
    SetValue("ResLadcLand", r.ResLadcLand);
    SetValue("EdLaddLand", r.EXPDURCAN);
    SetValue("EdLadcLand", r.EXPDURCAN);
    SetValue("AtLaddLand", r.CANCERAT);
    SetValue("AtLadcLand", r.CANCERAT);
    SetValue("BwLaddLand", r.BW);
    SetField("BwLadcLand", "NA");
    SetField("IrLaddLand", r.POP_NUM > 0 ? "NA" : DisplayValue(r.DRINKCHRON));
    SetField("IrLadcLand", "NA");
}
