// The printed inhalation, groundwater and dilution-model reports.
#include <QComboBox>
#include <regex>

#include "print_fixture.h"

namespace {

using AirLandPrintTest = PrintTest;

TEST_F(AirLandPrintTest, InhalationPrintsItsBlocksAndElevenCommentLines) {
    List(form->ChemListFugitive, "P-17-0042,5");
    Fill({{"IndTypeFug", "Drying"},
          {"PerSiteReleaseFug", "1.5"},
          {"ExpPopFug", "Adult"},
          {"RelDaysFug", "250"},
          {"NumSitesFug", "2"},
          {"PreTreatIncin", "N/A"},
          {"RelDaysStack", "12345678901"},
          {"ResLaddFug", "1.1E-05"},
          {"ResLaddStk", "2.2E-05"},
          {"EdLaddFug", "30"},
          {"ResAdrStk", "3.3E-03"},
          {"StkHt", "10"},
          {"StkHtUnits", "m"},
          {"FugRelHt", "3"},
          {"FugRelHtUnits", "m"},
          {"PercentRemovalStk", "0"},
          {"LandUse", "Rural"},
          {"MetClass", "Urban"},
          {"WindSpeed", "5.5"},
          {"WindSpeedUnits", "m/s"},
          {"ChronAirConc", "0.12"},
          {"ChronAirConcFug", "0.34"},
          {"AcuteAirConc", "1.2"},
          {"AcuteAirConcFug", "3.4"}});
    std::string memo;
    for (int i = 1; i <= 12; ++i)
        memo += "Air note " + std::to_string(i) + (i == 2 ? "\n\n" : "\n");
    form->FugMemo1->SetText(memo);
    PressPrint(form->FugitivePage, form->Button5);
    const std::string text = PdfText();
    ExpectInOrder(text, {"Inhalation Exposure Estimates",
                         "P-17-0042,5",
                         "Release Activity",
                         "Drying",
                         "Per Site Fugitive Release",
                         "       1.5 kg/site/day",
                         "Exposed Population",
                         "Adult",
                         "Release Days (Fugitive)",
                         "250 days",
                         "Number of Sites:",
                         "2",
                         "Per Site Stack Release:",
                         "       N/A kg/site/day",
                         "Release Days (Stack)",
                         "12345678901 days",
                         "Inhalation Exposure Estimates",
                         "Exposure Types",
                         "Fug Results",
                         "Stk Results",
                         "IR (m³/hr)",
                         "Cancer",
                         "LADDpot (mg/kg/day)",
                         "1.1E-05",
                         "2.2E-05",
                         "30",
                         "LADCpot (mg/m³)",
                         "Acute",
                         "ADRpot (mg/kg/day)",
                         "3.3E-03",
                         "NA",
                         "1 day",
                         "Release Information",
                         "Stack Height",
                         "        10 m",
                         "Release Height:",
                         "         3 m",
                         "% Stack Removal:",
                         "         0 %",
                         "Meteorological/Terrain and Downwash Information",
                         "Surrounding Land Use:",
                         "Rural",
                         "Meteorology Class:",
                         "Urban",
                         "Wind Speed:",
                         "       5.5 m/s",
                         "Plumo3 Model Results",
                         "Stack",
                         "Fugitive",
                         "Max Annual Ave Air Concentration:",
                         "0.12 ug/m3",
                         "0.34 ug/m3",
                         "Max 24 Hr. Ave Air Concentration:",
                         "1.2 ug/m3",
                         "3.4 ug/m3",
                         "Inhalation comments:",
                         "Air note 1",
                         "Air note 2",
                         "Air note 3",
                         "Air note 10\n"});
    // Eleven memo lines, the empty third one included: the eleventh and twelfth notes are not.
    EXPECT_EQ(text.find("Air note 11"), std::string::npos);
}

TEST_F(AirLandPrintTest, GroundwaterPrintsValuesUnpaddedAndStopsAtAnEmptyCommentLine) {
    List(form->ChemListLandfill, "P-17-0042,4");
    Fill({{"IndTypeLand", "Disposal"},
          {"NumSitesLand", "1"},
          {"ExpPopLand", "Adult"},
          {"LandfillLand", "4.5"},
          {"MigrationFactorLand", "N/A"},
          {"SludgeLand", "0.5"},
          {"AdsorpLand", "20"},
          {"DwtLand", "0"},
          {"DaysSludgeLand", "250"},
          {"DaysNonSludgeLand", "12"},
          {"ResLaddLand", "7.7E-09"},
          {"IrLadcLand", "2"}});
    form->LandfillMemo1->SetText("Landfill one\nLandfill two\n\nLandfill hidden");
    PressPrint(form->LandfillPage, form->Button6);
    EXPECT_EQ(PdfPages(), 1);
    const std::string text = PdfText();
    ExpectInOrder(text, {"Exposure Estimates From Groundwater Ingestion",
                         "P-17-0042,4",
                         "Release Activity",
                         "Disposal",
                         "Number of Sites:",
                         "1",
                         "Exposed Population",
                         "Adult",
                         "Non-Sludge Landfill Release:",
                         "4.5 kg/site/day",
                         "Migration Descriptor:",
                         "N/A",
                         "Landfilled Sludge",
                         "0.5 kg/site/day",
                         "Adsorption to WWT Sludge:",
                         "20 %",
                         "Drinking Water Treatment:",
                         "0 %",
                         "# Days of Release to Sludge:",
                         "250 days",
                         "# Days of Release to Non-Sludge:",
                         "12 days",
                         "Landfill Exposure Estimates",
                         "Exposure Types",
                         "IR (L/day)",
                         "Cancer",
                         "LADDpot (mg/kg/day)",
                         "7.7E-09",
                         "LADCpot (mg/L)",
                         "2",
                         "Landfill comments:",
                         "Landfill one",
                         "Landfill two"});
    EXPECT_EQ(text.find("Landfill hidden"), std::string::npos);
}

TEST_F(AirLandPrintTest, DilutionSiteThreeRunsSkipsAHiddenRunAndTheHiddenGage) {
    form->ChemListPdmSite->show();
    form->PdmSiteResultsList->hide();
    List(form->ChemListPdmSite, "P-17-0042,1");
    form->GagePdmSite->hide();
    Fill({{"IndTypePdmSite", "Use"},
          {"WwtPdmSite", "90"},
          {"HarMeanFlowPdmSite", "1234"},
          {"Coc0PdmSite", "10"},
          {"Days0Exceeded", "3"},
          {"Percent0Exceeded", "0.8"},
          {"Coc1PdmSite", "100"},
          {"Coc2PdmSite", "1000"},
          {"Days2Exceeded", "0"},
          {"Percent2Exceeded", "0"}});
    form->Field("Coc1PdmSite")->hide();
    form->Field("Coc2PdmSite")->show();
    PressPrint(form->PdmSitePage, form->Button7);
    const std::string text = PdfText();
    ExpectInOrder(text, {"PDM Site Specific Page",
                         "P-17-0042,1",
                         "Release Activity:",
                         "Use",
                         "WWT Removal",
                         "        90%",
                         "Facility on Reach?",
                         "Unknown",
                         "Mean Stream Flow:",
                         "      1234 MLD",
                         "Low Stream Flow:",
                         "Effluent Flow:",
                         "Concentration of Concern (ug/L):",
                         "Days Exceeded (Days):",
                         "Percent Exceeded (%):",
                         "        10",
                         "         3 days",
                         "       0.8 %",
                         "      1000",
                         "         0 days"});
    EXPECT_EQ(text.find("Gaging Station"), std::string::npos);
    EXPECT_EQ(text.find("       100\n"), std::string::npos);
    EXPECT_EQ(text.find("  100 "), std::string::npos);
}

TEST_F(AirLandPrintTest, DilutionSiteTablePrintsRowsDownToTheFirstEmptyOne) {
    form->ChemListPdmSite->hide();
    form->PdmSiteResultsList->show();
    form->RelNumPDMSite->addItem("P-17-0042,7");
    form->GagePdmSite->show();
    form->GagePdmSite->addItem("01357500");
    form->GagePdmSite->addItem("01358000");
    forms::TStringGrid& grid = *form->PdmSiteResultsList;
    grid.SetRowCount(6);
    grid.SetCells(0, 0, "(ug/L)");
    for (int r = 1; r <= 4; ++r)
        if (r != 3)
            grid.SetCells(0, r, "coc" + std::to_string(r));
    grid.SetCells(5, 2, "wwt2");
    PressPrint(form->PdmSitePage, form->Button7);
    const std::string text = PdfText();
    ExpectInOrder(text, {"PDM Site Specific Page", "P-17-0042,7", "Gaging Station Information:",
                         "Station ID:", "01357500", "# of Stations on Reach:", "2",
                         "Percent of Year", "Number of days", "COC", "COC Exceeded", "COC Exceeded",
                         "Release Days", "Pretreat Load", "WWT", "(ug/L)", "coc1", "coc2", "wwt2"});
    EXPECT_EQ(text.find("coc4"), std::string::npos);
    EXPECT_EQ(text.find("Concentration of Concern"), std::string::npos);
}

TEST_F(AirLandPrintTest, DilutionIndustryCodeInBothModes) {
    form->ChemListPdmSic->show();
    form->PdmSicResultsList->hide();
    List(form->ChemListPdmSic, "P-17-0042,3");
    form->AvePdmSic->SetChecked(true);
    Fill({{"CocPdmSic", "55"},
          {"Coc0PdmSic", "10"},
          {"Days0ExceededPdmSic", "4"},
          {"PreTreatPdmSic", "2"}});
    form->Field("Coc1PdmSic")->hide();
    form->Field("Coc2PdmSic")->hide();
    PressPrint(form->PdmSicPage, form->Button8);
    std::string text = PdfText();
    ExpectInOrder(text, {"PDM SIC Code Page", "P-17-0042,3", "SIC Code Description:",
                         "Pretreatment Release:", "         2 kg/day", "Average Case Scenario",
                         "Concentration of Concern (ug/L):", "Days Exceeded (days):", "        10",
                         "         4 days"});
    EXPECT_EQ(text.find("55 ug/L"), std::string::npos);

    std::filesystem::remove(pdf);
    form->ChemListPdmSic->hide();
    form->PdmSicResultsList->show();
    form->RelNumPDMSic->addItem("P-17-0042,8");
    form->HiEndPdmSic->SetChecked(true);
    forms::TStringGrid& grid = *form->PdmSicResultsList;
    grid.SetRowCount(3);
    grid.SetCells(0, 1, "run1");
    grid.SetCells(6, 1, "High    ");
    PressPrint(form->PdmSicPage, form->Button8);
    text = PdfText();
    ExpectInOrder(
        text, {"PDM SIC Code Page", "P-17-0042,8", "Concentration of Concern:", "        55 ug/L",
               "High End Scenario", "Percent of Year", "run1", "High"});
    EXPECT_EQ(text.find("Days Exceeded"), std::string::npos);
}

}  // namespace

namespace {

// A comment paragraph longer than the memo is wide prints as the lines the memo shows.
TEST_F(AirLandPrintTest, ALongCommentPrintsAsTheMemoWrapsIt) {
    std::string paragraph;
    std::vector<std::string> words;
    for (int i = 1; i <= 40; ++i) {
        words.push_back("word" + std::to_string(i));
        paragraph += words.back() + " ";
    }
    form->LandfillMemo1->resize(220, 60);
    form->LandfillMemo1->SetText(paragraph + "\n\nafter the blank line");
    PressPrint(form->LandfillPage, form->Button6);
    const std::string text = PdfText();
    ExpectInOrder(text, words);
    EXPECT_EQ(text.find("after the blank line"), std::string::npos);
    // Several printed lines, none holding the whole paragraph.
    const size_t first = text.find("word1 ");
    const size_t last = text.find("word40");
    EXPECT_NE(text.substr(first, last - first).find('\n'), std::string::npos);
}

}  // namespace
