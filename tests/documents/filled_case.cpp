// A chemical case with a distinct value in every field the report writers read.
#include "tests/documents/filled_case.h"

#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_table.h"

void FillCase(pmn_record& r) {
    r = pmn_record{};
    r.CaseNum = "P-01-0123";
    r.ScenNum = "2";
    r.RELEASE = "Manufacture of resin";
    r.FAC_NAME = "Riverside Plant";
    r.FAC_LOC = "Millbrook, ST";
    r.REACHNAME = "Clear Creek";
    r.REACH = "01020304005";
    r.HIT = 'Y';
    r.DTYPE = 'D';
    r.NPDES = "ST0012345";
    r.PopulationLabel = "Adult";
    r.WWT_LOW = 90;
    r.WWT_HI = 95;
    r.H2ODAYLO = 200;
    r.H2ODAYHI = 250;
    r.H2O_HI = 1.5;
    r.H2O_LO = 1.0;
    r.PLANTFLO = 3.2;
    r.PostTreat = 0.15;
    r.DWT = 12;
    r.BCF = 35.5;
    r.HARFLOW = 12.3;
    r.HARMNFLG = "*";
    r.FLOW30Q5 = 0;
    r.FLOW7Q10 = 4.5;
    r.FLOW1Q10 = 3.75;
    r.RiverReportText = "Stream flows from the reach file";
    r.ScenarioTypeText = "High end/bounding";
    r.EXPDURCAN = 33;
    r.EXPDURNCAN = 30;
    r.CANCERAT = 78;
    r.NCANCERAT = 31;
    r.BW = 80;
    r.DRINK = 2.4;
    r.DRINKCHRON = 2.1;
    r.FISH = 142.4;
    r.FISHCHRON = 22;
    r.INHALE = 0.83;
    r.DwLaddSite = 1.11e-3, r.DwLadcSite = 2.22e-3, r.DwAddSite = 3.33e-3;
    r.DwAdcSite = 4.44e-3, r.DwAdrSite = 5.55e-3;
    r.FishLaddSite = 6.66e-3, r.FishLadcSite = 7.77e-3, r.FishAddSite = 8.88e-3;
    r.FishAdcSite = 9.99e-3, r.FishAdrSite = 0.25;
    r.FishLaddLake = 1.2e-5, r.FishLadcLake = 2.3e-5, r.FishAddLake = 3.4e-5;
    r.FishAdcLake = 4.5e-5, r.FishAdrLake = 5.6e-5;
    r.AcuteDilFactor = 5, r.AcuteConc = 30, r.ChronicDilFactor = 20, r.ChronicConc = 7.5;
    r.SITE_LO = 3;
    r.SITE_HI = 4;
    r.SIC_CODE = 5;
    r.HMF_50 = 100, r._0Q5_50 = 50, r.LOW_50 = 25, r._Q10_50 = 20;
    r.HMF_10 = 10, r._0Q5_10 = 5, r.LOW_10 = 2.5, r._Q10_10 = 2;
    r.DwLadd50Sic = 1.5e-4, r.DwAdr50Sic = 2.5e-4, r.FishLadd50Sic = 3.5e-4;
    r.DwLadd10Sic = 4.5e-4, r.DwAdr10Sic = 5.5e-4, r.FishAdr10Sic = 6.5e-4;
    r.TotWaterRel = 1500, r.TotLandfillRel = 40, r.TotStackRel = 600, r.TotFugitiveRel = 300;
    r.TotReleaseFug = 280, r.PerSiteShare = 120;
    r.INCINREL = 2, r.INCINDAYS = 100, r.FUGREL = 0.75, r.FUGDAYLO = 180, r.FUGDAYHI = 190;
    r.LANDREL = 0.4, r.SORPTION = 0.2, r.SLUDGEAB = 25, r.DAYSSLUDGE = 12, r.DAYSNSLUDG = 88;
    r.ReportMarks = "  X X ";
    r.REMARKS = "Batch process, two shifts.";
    r.MigrateText = "Moderate";
    r.INCIN_LO = 99, r.INCIN_HI = 50;
    r.ResLaddLand = 1.25e-6, r.ResLadcLand = 2.5e-6, r.ResAddLand = 3.75e-6, r.ResAdcLand = 5e-6;
    r.ResLaddFug = 1.1e-2, r.ResLadcFug = 2.2e-2, r.ResAdrFug = 3.3e-2, r.ResAdrcFug = 4.4e-2;
    r.ResLaddStk = 5.5e-2, r.ResLadcStk = 6.6e-2, r.ResAdrStk = 7.7e-2, r.ResAdrcStk = 8.8e-2;
    r.STK_HT = 12, r.STKHTU = "m", r.FUGRELHT = 3, r.FUGRELHTU = "ft";
    r.STK_DIAM = 0.5, r.STKDMU = "m", r.FIELDWIDTH = 20, r.FWIDTHU = "yds";
    r.STK_VEL = 8, r.STKVELU = "m/sec", r.FIELDLEN = 30, r.FIELDLENU = "m";
    r.STK_TEMP = 400, r.STKTMPU = "K", r.LAND_USE = "Urban", r.TER_HT = 5, r.TERHTU = "m";
    r.NEAR_RES = 150, r.NEARRESU = "m", r.METCLASS = "Stability and Wind Speed";
    r.STABCLASS = 3, r.WNDSPD = 4.5, r.WNDSPDU = "m/sec", r.DOWNWASH = 1;
    r.FACLEN = 40, r.FACLENU = "m", r.FACWD = 25, r.FACWDU = "m", r.FACHT = 15, r.FACHTU = "m";
    r.IREL_DOWN = 0.002, r.ACUTE_CONC = 0.02, r.IREL_DOWNF = 0.004, r.ACUTECONCF = 0.04;
    r.NUM_GAGES = 2;
    r.COC0 = 10, r.COC1 = 100, r.COC2 = 0;
}

FilledCaseScope::FilledCaseScope(const std::string& dataFolder)
    : savedData_(DataFolder), savedProgram_(ProgramFolder) {
    ProgramFolder = OMBRIX_PROGRAM_DIR;
    DataFolder = dataFolder;
    FillCase(CurrentPmn);
    SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
    SurfaceWaterComments = "Discharge to a small stream.";
    LandfillComments = "Lined landfill.";
    FugitiveComments = "Enclosed process.";
}

FilledCaseScope::~FilledCaseScope() {
    DataFolder = savedData_;
    ProgramFolder = savedProgram_;
}
