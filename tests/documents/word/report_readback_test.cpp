// A whole assessment read back from its final report in both formats: every line that shows a
// value holds the value the calculation gave under a label that says what it is, and the two
// formats show the same line for every value they both have.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "documents/dilution_rows.h"
#include "documents/merge/report_numbers.h"
#include "documents/word_report_state.h"
#include "exposure/exposure_calcs.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/document.h"
#include "platform/wordproc/processor.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/documents/wpd/wpd_read.h"
#include "tests/shell/forms/program_folder.h"

namespace {

constexpr const char* kChem = "RB-0042";

enum class In { Both, WordPerfect };

struct Line {
    In in;
    std::string text;
};

std::string V(double value) {
    return ValueToText(value);
}
std::string W(double value) {
    return ValueToTextWhole(value);
}

// A line shows a value when it holds a digit or a label followed by ": ".
bool ShowsValue(const std::string& line) {
    if (line.find(": ") != std::string::npos)
        return true;
    for (char c : line) {
        if (c >= '0' && c <= '9')
            return true;
    }
    return false;
}

std::vector<std::string> ValueLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (ShowsValue(line))
            lines.push_back(line);
    }
    return lines;
}

class ReportReadBackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".doc" || extension == ".wpd")
                std::filesystem::copy_file(entry.path(),
                                           program / entry.path().filename().string());
        }
        ASSERT_TRUE(RunStartupWork());
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
        HealthFlags = "111";
        mainPage = std::make_unique<TScrMain>();
        mainPage->YesAdd->setChecked(true);  // ADD and ADC are asked for
        InstallWordReportWriters();
        WriteReleases();
    }
    void TearDown() override {
        WordWriters() = WordReportWriters{};
        mainPage.reset();
        wordproc::Processor::Shared().Quit();
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0;
    }

    // An adult with the exposure factors of the shipped tables' adult.
    static void Adult(pmn_record& r) {
        r.BW = 80;
        r.DRINK = 2.958;
        r.DRINKCHRON = 1.043;
        r.FISH = 22;
        r.FISHCHRON = 22;
        r.INHALE = 0.8875;
        r.EXPDURCAN = 30;
        r.EXPDURNCAN = 30;
        r.CANCERAT = 78;
        r.NCANCERAT = 30;
    }

    void Write(int number, const std::function<void(pmn_record&)>& set) {
        ResetScenarioRecord();
        const std::string key = std::string(kChem) + "," + std::to_string(number);
        SplitReleaseKey(key);
        pmn_record& r = CurrentPmn;
        r.SITE_LO = r.SITE_HI = 1;
        r.BCF = 50;
        r.WWT_LOW = r.WWT_HI = 80;
        r.DWT = 10;
        Adult(r);
        set(r);
        SaveScenarioRecord();
        keys.push_back(key);
    }

    // A river release at a facility of the demonstration region, with a dilution result.
    static void RiverRelease(pmn_record& r) {
        r.RELEASE = "River release";
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";
        ASSERT_EQ(LoadFacility(r.NPDES, "NPDES"), 'D');  // the facility and its flows
        r.FAC_NAME = DirectRec.NAME;
        r.FAC_LOC = DirectRec.CITY + ", " + DirectRec.ST;
        r.H2O_HI = r.H2O_LO = 5;
        r.H2ODAYHI = r.H2ODAYLO = 250;
        r.COC0 = 5;
    }

    // The river release, a landfill release of treatment sludge, and a stack and fugitive
    // release.
    void WriteReleases() {
        Write(1, RiverRelease);
        Write(2, [](pmn_record& r) {
            r.RELEASE = "Sludge to landfill";
            r.RELEASES = "0X00";
            r.H2O_HI = r.H2O_LO = 2;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.SLUDGEAB = 15;
            r.SORPTION = 0.3;
            r.DAYSSLUDGE = 250;
            r.LANDREL = 1.5;
            r.DAYSNSLUDG = 100;
            r.MIGFACT = 0.01;
        });
        Write(3, [](pmn_record& r) {
            r.RELEASE = "Stack and fugitive release";
            r.RELEASES = "00XX";
            r.INCINREL = 3;
            r.INCINDAYS = 200;
            r.INCIN_LO = 90;
            r.FUGREL = 1.25;
            r.FUGDAYLO = r.FUGDAYHI = 150;
            r.INCIN_HI = 50;
            r.IREL_DOWN = 0.0021;
            r.ACUTE_CONC = 0.0185;
            r.IREL_DOWNF = 0.0043;
            r.ACUTECONCF = 0.031;
            r.STK_HT = 20, r.STKHTU = "m", r.FUGRELHT = 3, r.FUGRELHTU = "m";
            r.STK_DIAM = 0.6, r.STKDMU = "m", r.FIELDWIDTH = 10, r.FWIDTHU = "m";
            r.STK_VEL = 12, r.STKVELU = "m/sec", r.FIELDLEN = 15, r.FIELDLENU = "m";
            r.STK_TEMP = 420, r.STKTMPU = "K", r.LAND_USE = "Rural";
            r.TER_HT = 0, r.TERHTU = "m", r.NEAR_RES = 250, r.NEARRESU = "m";
            r.METCLASS = "Full", r.STABCLASS = 0, r.WNDSPDU = "";
            r.DOWNWASH = 0, r.FACLENU = r.FACWDU = r.FACHTU = "m";
        });
    }

    // Runs every release in the chosen format and returns the final report's text as its own
    // reader finds it: wpd2text for the WordPerfect format, the RTF text for Word.
    std::string RunAndRead(bool word) {
        mainPage->NoWord->setVisible(!word);
        mainPage->NoWp->setVisible(word);
        ui.ClearShown();
        {
            auto form = std::make_unique<TScrResForm>();
            form->Inputs.ReleaseKeys = keys;
            form->FormActivate();
        }
        const std::string report = sys::NativePath(DataFolder + kChem + (word ? ".doc" : ".wpd"));
        const std::vector<forms::ShownItem> boxes = ui.Boxes();
        EXPECT_FALSE(boxes.empty());
        if (!boxes.empty()) {
            EXPECT_EQ(boxes.back().text, "Final report stored as " + report);
        }
        if (!word)
            return WpdToText(report);
        const std::optional<std::string> bytes = sys::ReadWholeFile(report);
        return bytes ? wordproc::Document::Parse(*bytes).PlainText() : std::string();
    }

    // Release n as the calculations of the run leave it.
    static pmn_record Calculated(int number, const std::function<void(RunTotals&)>& calc) {
        LoadScenarioRecord(std::string(kChem) + "," + std::to_string(number));
        RunTotals totals;
        CalcEnvironmentalReleases(totals);
        calc(totals);
        return CurrentPmn;
    }

    static void Add(std::vector<Line>& lines, In in, std::initializer_list<std::string> texts) {
        for (const std::string& text : texts)
            lines.push_back({in, text});
    }

    static void EnvironmentalReleases(std::vector<Line>& lines, const pmn_record& r) {
        Add(lines, In::Both,
            {"Case " + r.CaseNum + ", release " + r.ScenNum + ": " + r.RELEASE,
             "Number of sites: " + W(r.SITE_LO),
             "Release, all sites: " + V(r.TotWaterRel) + " kg/yr",
             "Release per site: " + V(r.H2O_HI) + " kg/site/day",
             "Release days per year: " + V(r.H2ODAYHI),
             "Release, all sites: " + V(r.TotLandfillRel * r.SITE_LO) + " kg/yr",
             "Release per site, not in sludge: " + V(r.LANDREL) + " kg/site/day",
             "Days per year, not in sludge: " + V(r.DAYSNSLUDG),
             "Sludge per site: " + V(r.SORPTION) + " kg/site/day",
             "Days per year, sludge: " + V(r.DAYSSLUDGE),
             "Release, all sites: " + V(r.TotStackRel) + " kg/yr",
             "Release per site: " + V(r.INCINREL) + " kg/site/day",
             "Release days per year: " + V(r.INCINDAYS),
             "Release, all sites: " + V(r.TotFugitiveRel) + " kg/yr",
             "Release per site: " + V(r.FUGREL) + " kg/site/day",
             "Release days per year: " + V(r.FUGDAYHI)});
    }

    static void Facility(std::vector<Line>& lines, const pmn_record& r) {
        Add(lines, In::Both,
            {"Case " + r.CaseNum + ", release " + r.ScenNum + ": " + r.RELEASE,
             "Facility: " + r.FAC_NAME + ", " + r.FAC_LOC,
             "Receiving stream: " + r.REACHNAME + " (reach " + r.REACH +
                 "); facility discharges to this reach: " +
                 (r.HIT == 'Y'   ? "Yes"
                  : r.HIT == 'N' ? "No "
                                 : "Unk"),
             "Discharge: Direct; permit number " + r.NPDES + "; facility source: DurIviz"});
    }

    static void RiverSite(std::vector<Line>& lines, const pmn_record& r) {
        Facility(lines, r);
        Add(lines, In::Both,
            {"Population assessed: Adult", "Wastewater treatment removal: " + V(r.WWT_LOW) + " %",
             "Release days per year: " + V(r.H2ODAYHI),
             "Release before treatment: " + V(r.H2O_HI) + " kg/site/day",
             "Release after treatment: " + V(r.PostTreat) + " kg/site/day",
             "Drinking water treatment removal: " + V(r.DWT) + " %",
             "Bioconcentration factor: " + V(r.BCF) + " L/kg"});
        const char* names[] = {"harmonic mean", "30Q5", "7Q10", "1Q10"};
        const char* titles[] = {"Harmonic mean", "30Q5", "7Q10", "1Q10"};
        const double flows[] = {r.HARFLOW, r.FLOW30Q5, r.FLOW7Q10, r.FLOW1Q10};
        const std::string flags[] = {r.HARMNFLG, r.FL30Q5FLG, r.FL7Q10FLG, r.FL1Q10FLG};
        for (int i = 0; i < 4; ++i) {
            Add(lines, In::Both,
                {std::string(titles[i]) + " flow: " + V(flows[i]) + flags[i] + " MLD",
                 std::string("Concentration at the ") + names[i] +
                     " flow: " + V(ConcentrationAtFlow(flows[i])) + " ug/L"});
        }
        Add(lines, In::Both,
            {"LADD: " + V(r.DwLaddSite) + " mg/kg-day", "LADC: " + V(r.DwLadcSite) + " mg/L",
             "ADD: " + V(r.DwAddSite) + " mg/kg-day", "ADC: " + V(r.DwAdcSite) + " mg/L",
             "ADR: " + V(r.DwAdrSite) + " mg/kg-day"});
        Factors(lines, r, "Drinking water intake", V(r.DRINKCHRON) + " L/day",
                V(r.DRINK) + " L/day");
        Add(lines, In::Both,
            {"LADD: " + V(r.FishLaddSite) + " mg/kg-day", "LADC: " + V(r.FishLadcSite) + " mg/kg",
             "ADD: " + V(r.FishAddSite) + " mg/kg-day", "ADC: " + V(r.FishAdcSite) + " mg/kg",
             "ADR: " + V(r.FishAdrSite) + " mg/kg-day"});
        Factors(lines, r, "Fish intake", V(r.FISHCHRON) + " g/day", V(r.FISH) + " g/day");
    }

    // The exposure factors under a route's doses, which the Word-format river site leaves out.
    static void Factors(std::vector<Line>& lines, const pmn_record& r, const std::string& intake,
                        const std::string& chronic, const std::string& acute) {
        Add(lines, In::WordPerfect,
            {"Exposure duration for LADD and LADC: " + V(r.EXPDURCAN) + " years",
             "Exposure duration for ADD and ADC: " + V(r.EXPDURNCAN) + " years",
             "Averaging time for LADD and LADC: " + V(r.CANCERAT) + " years",
             "Averaging time for ADD and ADC: " + V(r.NCANCERAT) + " years",
             "Body weight: " + V(r.BW) + " kg", intake + " for LADD and ADD: " + chronic,
             intake + " for ADR: " + acute,
             "LADD, LADC, ADD and ADC count the release days per year out of 365."});
    }

    static void DilutionSite(std::vector<Line>& lines, const pmn_record& r) {
        lines.push_back({In::Both,
                         "Probabilistic dilution: days a concentration of concern is exceeded at a "
                         "site"});
        Facility(lines, r);
        const bool gage = GageFlowsFound == 1;
        Add(lines, In::Both,
            {"Gaging station: " + (gage ? ActFlowRec.STA_ID : std::string("N/A")),
             "Period of record: " +
                 (gage ? ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY : std::string("N/A")),
             "Daily flows observed: " + (gage ? V(ActFlowRec.NUMFLWVALS) : std::string("N/A")),
             "Stations on the reach: " + (gage ? W(r.NUM_GAGES) : std::string("N/A")),
             std::string("Stream flow, ") + (r.NUM_GAGES > 0 ? "50 %ile" : "MEAN") + ": " +
                 V(PdmSiteMeanFlow) + " MLD",
             std::string("Stream flow, ") + (r.NUM_GAGES > 0 ? "10 %ile" : "7q10") + ": " +
                 V(PdmSiteLowFlow) + " MLD",
             "Plant effluent flow: " + V(DirectRec.PLANTFLOW) + " MLD"});
        // The one concentration of concern: the first row of the run's dilution row file.
        const std::vector<DilutionRow> rows =
            ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::Site);
        ASSERT_FALSE(rows.empty());
        const DilutionRow& row = rows[0];
        lines.push_back({In::Both, V(row.coc) + "; " + W(row.percentExceeded) + "; " +
                                       W(row.daysExceeded) + "; " + W(row.releaseDays) + "; " +
                                       V(row.preTreatRelease) + "; " + V(row.wwtRemoval)});
    }

    static void Landfill(std::vector<Line>& lines, const pmn_record& r) {
        Add(lines, In::Both,
            {"Case " + r.CaseNum + ", release " + r.ScenNum + ": " + r.RELEASE,
             "Population assessed: Adult", "Number of sites: " + W(r.SITE_LO),
             "Release to landfill, not in sludge: " + V(r.LANDREL) + " kg/site/day",
             "Days per year, not in sludge: " + V(r.DAYSNSLUDG),
             "Sludge to landfill: " + V(r.SORPTION) + " kg/site/day",
             "Days per year, sludge: " + V(r.DAYSSLUDGE),
             "Water release sorbed to sludge: " + V(r.SLUDGEAB) + " %"});
        lines.push_back({In::WordPerfect, "Water release sorbed to sludge, all sites: " +
                                              V(r.SLUDGEAB * 0.01 * r.TotWaterRel) + " kg/yr"});
        Add(lines, In::Both,
            {"Migration to groundwater: " + r.MigrateText,
             "Drinking water treatment removal: " + V(r.DWT) + " %",
             "LADD: " + V(r.ResLaddLand) + " mg/kg-day", "LADC: " + V(r.ResLadcLand) + " mg/L",
             "Exposure duration for LADD and LADC: " + V(r.EXPDURCAN) + " years",
             "Averaging time for LADD and LADC: " + V(r.CANCERAT) + " years",
             "Body weight: " + V(r.BW) + " kg",
             "Drinking water intake for LADD: " + V(r.DRINKCHRON) + " L/day"});
    }

    static void Inhalation(std::vector<Line>& lines, const pmn_record& r) {
        Add(lines, In::Both,
            {"Air releases: fugitive and stack inhalation",
             "Case " + r.CaseNum + ", release " + r.ScenNum + ": " + r.RELEASE});
        lines.push_back({In::WordPerfect, "Dispersion model: Plumo3"});
        Add(lines, In::Both,
            {"Population assessed: Adult",
             "Number of sites: " + W(r.SITE_HI),
             "Fugitive removal: " + V(r.INCIN_HI) + " %",
             "Release per site: " + V(r.FUGREL) + " kg/site/day",
             "Release days per year: " + V(r.FUGDAYLO),
             "Release after removal, all sites: " + V(r.TotReleaseFug) + " kg/yr",
             "Stack removal: " + V(r.INCIN_LO) + " %",
             "Release per site: " + V(r.INCINREL) + " kg/site/day",
             "Release days per year: " + V(r.INCINDAYS),
             "Release before removal, all sites: " + V(r.TotStackRel) + " kg/yr",
             "Stack, annual average: " + V(r.IREL_DOWN * 1000) + " ug/m3",
             "Stack, maximum 24-hour average: " + V(r.ACUTE_CONC * 1000) + " ug/m3",
             "Fugitive, annual average: " + V(r.IREL_DOWNF * 1000) + " ug/m3",
             "Fugitive, maximum 24-hour average: " + V(r.ACUTECONCF * 1000) + " ug/m3",
             "LADD: " + V(r.ResLaddFug) + " mg/kg-day",
             "LADC: " + V(r.ResLadcFug) + " mg/m3",
             "ADR: " + V(r.ResAdrFug) + " mg/kg-day",
             "ADRC: " + V(r.ResAdrcFug) + " mg/m3",
             "LADD: " + V(r.ResLaddStk) + " mg/kg-day",
             "LADC: " + V(r.ResLadcStk) + " mg/m3",
             "ADR: " + V(r.ResAdrStk) + " mg/kg-day",
             "ADRC: " + V(r.ResAdrcStk) + " mg/m3",
             "Exposure duration for LADD and LADC: " + V(r.EXPDURCAN) + " years",
             "Averaging time for LADD and LADC: " + V(r.CANCERAT) + " years",
             "Body weight: " + V(r.BW) + " kg",
             "Inhalation rate: " + V(r.INHALE) + " m3/hour",
             "Stack height: " + V(r.STK_HT) + " " + r.STKHTU,
             "Fugitive release height: " + V(r.FUGRELHT) + " " + r.FUGRELHTU,
             "Inside stack diameter: " + V(r.STK_DIAM) + " " + r.STKDMU,
             "Width of the release opening: " + V(r.FIELDWIDTH) + " " + r.FWIDTHU,
             "Stack gas exit velocity: " + V(r.STK_VEL) + " " + r.STKVELU,
             "Length of the release opening: " + V(r.FIELDLEN) + " " + r.FIELDLENU,
             "Stack gas temperature: " + V(r.STK_TEMP) + " " + r.STKTMPU,
             "Land use: " + r.LAND_USE,
             "Terrain height: " + V(r.TER_HT) + " " + r.TERHTU,
             "Distance to the residence: " + V(r.NEAR_RES) + " " + r.NEARRESU,
             "Meteorology: Full",
             "Stability class: NA",
             "Wind speed: NA ",
             "Building length: NA m",
             "Building width: NA m",
             "Building height: NA m"});
    }

    // Every value line of the report, in order, as the calculation of each release gives it.
    std::vector<Line> ExpectedLines() {
        std::vector<Line> lines;
        const pmn_record river = Calculated(1, CalcRiverSiteExposure);
        EnvironmentalReleases(lines, Calculated(1, [](RunTotals&) {}));
        RiverSite(lines, river);
        DilutionSite(lines, river);
        EnvironmentalReleases(lines, Calculated(2, [](RunTotals&) {}));
        Landfill(lines, Calculated(2, CalcLandfillExposure));
        EnvironmentalReleases(lines, Calculated(3, [](RunTotals&) {}));
        Inhalation(lines, Calculated(3, [](RunTotals& totals) {
                       CalcIncinerationExposure(totals);
                       CalcInhalationExposure(totals);
                   }));
        return lines;
    }

    // The report's value lines against the expected ones of its format, one by one.
    static void ExpectValueLines(const std::string& format, const std::string& text,
                                 const std::vector<Line>& expected, bool word) {
        std::vector<std::string> wanted;
        for (const Line& line : expected) {
            if (line.in == In::Both || !word)
                wanted.push_back(line.text);
        }
        const std::vector<std::string> shown = ValueLines(text);
        const size_t common = std::min(shown.size(), wanted.size());
        for (size_t i = 0; i < common; ++i)
            ASSERT_EQ(shown[i], wanted[i]) << format << " value line " << i << " of\n" << text;
        EXPECT_EQ(shown.size(), wanted.size()) << format << "\n" << text;
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    std::unique_ptr<TScrMain> mainPage;
    std::vector<std::string> keys;
};

TEST_F(ReportReadBackTest, EveryValueOfBothFormatsIsTheCalculatedOneUnderItsLabel) {
    // WordPerfect first, then Word chosen on the main page and the same case run again.
    const std::string wordPerfect = RunAndRead(false);
    const std::string word = RunAndRead(true);
    const std::vector<Line> expected = ExpectedLines();
    ExpectValueLines("WordPerfect", wordPerfect, expected, false);
    ExpectValueLines("Word", word, expected, true);

    // Two doses worked independently from the case: 5 kg/site/day, 80 % removal, the reach's
    // harmonic mean flow 1.194 (0.409 x 3111.243)^0.473 (0.409 x 220.849)^0.552 / 0.409 =
    // 1031.33 MLD, so 0.9696 ug/L; 10 % drinking-water removal, 1.043 L/day, 80 kg, 250 of 365
    // days, 30 of 78 years: LADD 2.997e-06 mg/kg-day; with a BCF of 50 and 22 g of fish a day
    // the fish LADD is 3.512e-06 mg/kg-day and the fish LADC 1.277e-02 mg/kg.
    for (const std::string& text : {wordPerfect, word}) {
        EXPECT_NE(text.find("Drinking water\nLADD: 3.00E-06 mg/kg-day\n"), std::string::npos);
        EXPECT_NE(text.find("Fish ingestion\nLADD: 3.51E-06 mg/kg-day\nLADC: 1.28E-02 mg/kg\n"),
                  std::string::npos);
    }
}

TEST_F(ReportReadBackTest, AMissingTemplateIsToldOnceARunWhateverTheReleasesThatNeedIt) {
    Write(4, RiverRelease);
    std::filesystem::remove(program / "sitenoe.wpd");
    const std::string missing = "The report template " +
                                sys::NativePath(ProgramFolder + "\\sitenoe.wpd") +
                                " could not be read, so no report part is made from it.";
    for (int run = 0; run < 2; ++run) {
        const std::string text = RunAndRead(false);
        std::vector<std::string> errors;
        for (const forms::ShownItem& box : ui.Boxes()) {
            if (box.caption == "Error")
                errors.push_back(box.text);
        }
        // Told in each run, once for both river releases; the report holds the other parts.
        EXPECT_EQ(errors, std::vector<std::string>{missing}) << "run " << run;
        EXPECT_EQ(text.find("Surface water release to a river site"), std::string::npos);
        EXPECT_NE(text.find("Case RB-0042, release 4: River release"), std::string::npos);
    }
}

TEST_F(ReportReadBackTest, AWordPartThatCannotBeWrittenIsNamedAndTheReportHoldsTheOthers) {
    // The part is written through a file beside it; a folder of that name stands in the way.
    const std::string part = sys::NativePath(WordPartPath(std::string(kChem) + "1.stw"));
    const std::string blocker = part + ".part" + std::to_string(::getpid());
    std::filesystem::create_directories(blocker);
    const std::string text = RunAndRead(true);
    std::filesystem::remove(blocker);
    std::vector<std::string> errors;
    for (const forms::ShownItem& box : ui.Boxes()) {
        if (box.caption == "Error")
            errors.push_back(box.text);
    }
    EXPECT_EQ(errors,
              std::vector<std::string>{"The report part " + part + " could not be written."});
    EXPECT_EQ(text.find("Surface water release to a river site"), std::string::npos);
    EXPECT_NE(text.find("Air releases: fugitive and stack inhalation"), std::string::npos);
}

}  // namespace
