// The shared scenario record, its snapshot and companion records, and the globals that hold them.
#pragma once

#include <array>
#include <string>

// The results of the last calculation (release totals and dose blocks, mg/kg-day, each block in
// the order LADD, LADC, ADD, ADC, ADR). A reset of the scenario record leaves them as they are.
struct pmn_results {
    double TotWaterRel = 0;
    double TotLandfillRel = 0;
    double TotStackRel = 0;
    double PerSiteShare = 0;
    double TotFugitiveRel = 0;
    double TotReleaseFug = 0;
    double PostTreatIncin = 0;

    double DwLaddSite = 0, DwLadcSite = 0, DwAddSite = 0, DwAdcSite = 0, DwAdrSite = 0;
    double FishLaddSite = 0, FishLadcSite = 0, FishAddSite = 0, FishAdcSite = 0, FishAdrSite = 0;
    double FishLaddLake = 0, FishLadcLake = 0, FishAddLake = 0, FishAdcLake = 0, FishAdrLake = 0;
    double DwLadd50Sic = 0, DwLadc50Sic = 0, DwAdd50Sic = 0, DwAdc50Sic = 0, DwAdr50Sic = 0;
    double DwLadd10Sic = 0, DwLadc10Sic = 0, DwAdd10Sic = 0, DwAdc10Sic = 0, DwAdr10Sic = 0;
    double FishLadd50Sic = 0, FishLadc50Sic = 0, FishAdd50Sic = 0, FishAdc50Sic = 0,
           FishAdr50Sic = 0;
    double FishLadd10Sic = 0, FishLadc10Sic = 0, FishAdd10Sic = 0, FishAdc10Sic = 0,
           FishAdr10Sic = 0;
    double DwLadd50Disp = 0, DwLadc50Disp = 0, DwAdd50Disp = 0, DwAdc50Disp = 0, DwAdr50Disp = 0;
    double DwLadd10Disp = 0, DwLadc10Disp = 0, DwAdd10Disp = 0, DwAdc10Disp = 0, DwAdr10Disp = 0;
    double FishLadd50Disp = 0, FishLadc50Disp = 0, FishAdd50Disp = 0, FishAdc50Disp = 0,
           FishAdr50Disp = 0;
    double FishLadd10Disp = 0, FishLadc10Disp = 0, FishAdd10Disp = 0, FishAdc10Disp = 0,
           FishAdr10Disp = 0;

    double ResLaddLand = 0, ResLadcLand = 0, ResAddLand = 0, ResAdcLand = 0;
    double ResLaddFug = 0, ResLadcFug = 0, ResAddFug = 0, ResAdcFug = 0, ResAdrcFug = 0,
           ResAdrFug = 0;
    double ResLaddStk = 0, ResLadcStk = 0, ResAddStk = 0, ResAdrStk = 0, ResAdrcStk = 0,
           ResAdcStk = 0;
};

// One release of a chemical case. Upper-case members carry the field names of the tables they are
// read from; mixed-case members live only in memory. Members are listed in the record's own order,
// except the kept results, which the record takes from pmn_results.
struct pmn_record : pmn_results {
    // Identity, flags and text of the release.
    std::string SIC;
    std::string IACC;
    bool CRITTERS = false;
    bool NOWATER = false;
    bool NOLAND = false;
    bool NOAIR = false;
    std::string MODGUYS = "000000000";
    std::string SPECEVAL = "00";
    std::string CHEMNAME;
    std::string CaseNum;
    std::string ScenNum;
    int WHICHANAL = 0;
    std::string RELEASE;
    std::string REMARKS;

    // Chemical properties, treatment and release amounts.
    double WSOLUBLE = 0;
    double MELT_PT = 0;
    double GAGE_POS = 0;
    double NUM_GAGES = 0;
    double DO_PDM = 1.0;
    double ED_KIV = 57.0;
    double AEROSOL = 0;
    double HENRY = 0;
    double DATATEMP = 0;
    double VP = 0;
    double KOW = 0;
    double BCF = 0;
    double MW = 0;
    double COC0 = 0;
    double COC1 = 0;
    double COC2 = 0;
    double WWT_LOW = 0;
    double WWT_HI = 0;
    double DWT = 0;
    double SORPTION = 0;
    double SLUDGEAB = 0;
    double LOSS2SLUDG = 0;
    std::string MigrateText;
    double MIGFACT = 0;
    double INCINREL = 0;
    double INCINDAYS = 0;
    std::string FAC_NAME;
    std::string FAC_LOC;
    double SITE_LO = 1.0;
    double SITE_HI = 1.0;
    double PRODVOL = 0;
    double LANDREL = 0;
    double INCIN_LO = 0;
    double INCIN_HI = 0;
    double FUGREL = 0;
    double ReleaseAllSites = 0;
    double H2ODAYLO = 0;
    double H2ODAYHI = 0;
    double PLANTFLO = 0;
    std::string EFFFLG;

    // Facility, stream flows (MLD) and their source flags ("*" when flagged).
    std::string NPDES;
    std::string REACH;
    std::string REACHNAME;
    char HIT = ' ';
    double MEANFLOW = 0;
    std::string MEANFLG;
    double FLOW7Q10 = 0;
    std::string FL7Q10FLG;
    double HARFLOW = 0;
    std::string HARMNFLG;
    double FLOW30Q5 = 0;
    std::string FL30Q5FLG;
    double FLOW1Q10 = 0;
    std::string FL1Q10FLG;
    double DAYSSLUDGE = 0;
    double DAYSNSLUDG = 0;
    char DTYPE = ' ';
    // Report marks: characters 3 to 6 are compared with "X" by the release report.
    std::string ReportMarks = std::string(6, ' ');
    std::string ScenarioTypeText = std::string(13, ' ');
    std::string PopulationLabel = "Adult";
    int POP_NUM = 0;
    int MIGRATE = 0;
    std::string RiverReportText;
    double H2O_HI = 0;
    double H2O_LO = 0;
    double DispPreTreat = 0;

    // Exposure factors.
    double BW = 0;
    double EXPDURCAN = 33.0;
    double EXPDURNCAN = 33.0;
    double CANCERAT = 78.0;
    double NCANCERAT = 33.0;
    double DRINK = 1.4;
    double FISH = 1.9;
    double DRINKCHRON = 0;
    double FISHCHRON = 0;
    double YEARS_USE = 57.0;
    double AcuteDilFactor = 0;
    double ChronicDilFactor = 0;

    // Industry-code flow statistics (the 1Q10 10th percentile stands before the 50th).
    double HMF_50 = 0;
    double HMF_10 = 0;
    double _0Q5_50 = 0;
    double _0Q5_10 = 0;
    double LOW_50 = 0;
    double LOW_10 = 0;
    double _Q10_10 = 0;
    double _Q10_50 = 0;

    // Further release inputs.
    double FUGDAYLO = 0;
    double FUGDAYHI = 0;
    double INHALE = 0;
    std::string RELEASES = "0000";
    int SIC_CODE = 0;
    double WTFRAC_MED = 0;
    double WTFRAC_90 = 0;
    std::string PRODNAME;

    // Water release after wastewater treatment, kg/day (unlike the other results, reset to 0).
    double PostTreat = 0;

    // Air concentrations (mg/m3) and dispersion inputs; each length has its unit after it.
    double IREL_DOWN = 0;
    double ACUTE_CONC = 0;
    double IREL_DOWNF = 0;
    double ACUTECONCF = 0;
    double AcuteConc = 0;
    double ChronicConc = 0;
    double STK_HT = 10.0;
    std::string STKHTU = "m";
    double STK_DIAM = 0.1;
    std::string STKDMU = "m";
    double STK_VEL = 0.1;
    std::string STKVELU = "m/sec";
    double STK_TEMP = 293.0;
    std::string STKTMPU = "K";
    double AMB_TMP = 293.0;
    std::string AMBTMPU = "K";
    double FUGRELHT = 3.0;
    std::string FUGRELHTU = "m";
    double FIELDWIDTH = 10.0;
    std::string FWIDTHU = "m";
    double FIELDLEN = 10.0;
    std::string FIELDLENU = "m";
    std::string LAND_USE = "Rural";
    double TER_HT = 0;
    std::string TERHTU = "m";
    double NEAR_RES = 100.0;
    std::string NEARRESU = "m";
    std::string METCLASS = "Full";
    int STABCLASS = 0;
    double WNDSPD = 0;
    std::string WNDSPDU = "ft/sec";
    int DOWNWASH = 0;
    double FACLEN = 100.0;
    std::string FACLENU = "m";
    double FACWD = 100.0;
    std::string FACWDU = "m";
    double FACHT = 10.0;
    std::string FACHTU = "m";
    int KIV_SCEN = 0;
    double SA_BODY = 0;
    double SA_HAND = 0;

    // Dilution results per concentration of concern (indexed like COC0 to COC2).
    std::array<double, 3> PdmSiteDays{};
    std::array<double, 3> PdmSitePercent{};
    std::array<double, 3> PdmSicDays{};
    std::array<double, 3> PdmSicPercent{};
    std::array<double, 3> DispDays{};
    std::array<double, 3> DispPercent{};
};

// Snapshot of the chemical block of CurrentPmn, carried into every release row of a chemical.
struct save_record {
    std::string MODGUYS;
    double SLUDGEAB = 0;
    double LOSS2SLUDG = 0;
    std::string CHEMNAME;
    double BCF = 0;
    double WWT_LOW = 0;
    double DWT = 0;
    double WTFRAC_MED = 0;
    double WTFRAC_90 = 0;
    double MW = 0;
    double VP = 0;
    double WSOLUBLE = 0;
    double DATATEMP = 0;
    double KOW = 0;
    double MELT_PT = 0;
    double AEROSOL = 0;
    double HENRY = 0;
    double MIGRATE = 0;  // held as a double in the snapshot
    double MIGFACT = 0;
    std::string MigrateText;
    double BW = 0;
    double ED_KIV = 0;
    double EXPDURCAN = 0;
    double EXPDURNCAN = 0;
    double CANCERAT = 0;
    double NCANCERAT = 0;
    double DRINK = 0;
    double FISH = 0;
    double DRINKCHRON = 0;
    double FISHCHRON = 0;
    double INHALE = 0;
    double INCIN_HI = 0;
    double INCIN_LO = 0;
};

// The facility found last.
struct direct_record {
    std::string IACC;
    std::string FacilityType;  // "F", "T", or " " for a short reach key
    std::string NPDES;
    std::string NAME;
    std::string PARENT;
    std::string CITY;
    std::string ST;
    std::string ZIP;
    std::string SIC;
    std::string REACH;
    std::string REACHNM;
    std::string WB_TYPE;
    bool Found = false;  // the reach has usable flows
    std::string ROUTLINK;
    double PLANTFLOW = 0;
    double MILES = 0;
    std::string ACUTE;
    std::string CHRONIC;
    std::string CNTY;  // state code followed by county code
    double DOM_FLOW = 0;
    double POP = 0;
};

// The reach flows found last, with the flows derived from the mean and 7Q10 flows.
struct reach_record {
    std::string REACH;
    double MEAN_FLOW = 0;
    double HarmonicFlow = 0;
    double LOW_FLOW = 0;
    double Flow30Q5 = 0;
    double Flow1Q10 = 0;
};

// Flows of a site without gage data.
struct estflow_record {
    std::string Key;
    double LowFlow = 0;
    double MeanFlow = 0;
};

// One gaging-station row; FlowValues[i] holds field "F<i>" for i = 1..100.
struct actflow_record {
    std::string REACH;
    std::string STA_ID;
    std::string FIRSTDAY;
    std::string LASTDAY;
    int OFFSET = 0;
    int NUMFLWVALS = 0;
    std::array<double, 101> FlowValues{};
    int MORE = 0;
};

// One row of the facility search results.
struct tmp_record {
    std::string NPDES;
    std::string NAME;
    std::string LOCATION;
    std::string REACH;
    std::string REACHNM;
    std::string SIC;
    std::string D_OR_I;
    std::string ACTIVE;
};

// One listed species of a county, joined with its species and group rows.
struct critter_record {
    std::string FIPS2;
    std::string STATE;
    std::string COUNTY;
    std::string KNOWN;  // "True" or "False"
    std::string INVNAME;
    std::string ACTION;  // "Listing", "Proposal", "Delisting", or the code as stored
    std::string WHYCHANGE;
    std::string GROUP;
    double GROUPID_FK = 0;
    double SPECIESID = 0;
    std::string ACTION_DAT;
    double TBLSPECIES = 0;
};

// The two dilution coefficients of one coefficient-table row.
struct pdm_coefficients {
    double A = 0;
    double B = 0;
};

extern pmn_record CurrentPmn;
extern save_record SavedFactors;
extern direct_record DirectRec;
extern reach_record ReachRec;
extern estflow_record EstFlowRec;
extern actflow_record ActFlowRec;
extern tmp_record TmpRec;
extern critter_record CritterRec;
extern pdm_coefficients PdmCoefficients;

// Dose kinds in the order cancer, chronic, acute: '1' computes the kind, '0' marks its doses not
// applicable. Always three characters; readers take them by position.
extern std::string HealthFlags;

// 1: the down-the-drain form analyses the high-end case, else the average one.
extern int DisposalHighEnd;
// 1: the dilution model analyses the high-end case, anything else the average one.
extern int PdmHighEnd;
// While set, the exposure-factor load of a reset does nothing and the record defaults stay.
extern unsigned char SuppressFactorLoad;

// Splits a release key at its last comma into CurrentPmn.CaseNum and CurrentPmn.ScenNum; a key
// without a comma clears both.
void SplitReleaseKey(const std::string& key);
