// The printed river-site, industry-code and lake reports with their species pages.
#include <QTest>
#include <regex>

#include "platform/print/print_job.h"
#include "print_fixture.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

namespace {

class SurfaceWaterPrintTest : public PrintTest {
  protected:
    void FillSpecies(forms::TStringGrid& grid, int rows) {
        grid.SetColCount(6);
        grid.SetRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r) {
            const std::string n = std::to_string(r);
            const std::array<std::string, 6> cells = {"Mussel" + n, "County" + n, "ST",
                                                      "Clams",      "Act" + n,    "Yes"};
            for (int c = 0; c < 6; ++c)
                grid.SetCells(c, r, cells[static_cast<size_t>(c)]);
        }
    }
    void FillSite() {
        List(form->ChemListSite, "P-17-0042,1");
        Fill({{"IndTypeSite", "Use"},
              {"ExpPopSite", "Adult"},
              {"FacNameSite", "Acme Works"},
              {"DischargeTypeSite", "Direct"},
              {"FacLocSite", "Albany NY"},
              {"WwtSite", "90"},
              {"NpdesSite", "NY0020371"},
              {"RelDaysSite", "250"},
              {"ReachNumSite", "02020006001"},
              {"PreTreatSite", "2"},
              {"ReachNameSite", "Hudson"},
              {"PostTreatSite", "0.2"},
              {"DwtSite", "0"},
              {"BcfSite", "50"},
              {"HarMeanFlowSite", "1234.5"},
              {"Flow30q5Site", "N/A"},
              {"Flow7q10Site", "300"},
              {"Flow1q10Site", "250"},
              {"HarMeanConcSite", "0.16"},
              {"Conc30q5Site", "N/A"},
              {"Conc7q10Site", "0.67"},
              {"Conc1q10Site", "0.8"},
              {"DwLaddSite", "1.2E-05"},
              {"FishLaddSite", "3.4E-04"},
              {"FishAdrSite", "5.6E-03"}});
        form->UnkSite->SetChecked(true);
        form->RiverMemo1->SetText("Comment one\nComment two\n\nNever printed");
    }
};

TEST_F(SurfaceWaterPrintTest, SitePrintsHeaderTablesCommentsAndSpeciesPage) {
    FillSite();
    FillSpecies(*form->EndSpecSite, 3);
    PressPrint(form->SurfWaterResPage, form->Button2);
    EXPECT_EQ(PdfPages(), 2);
    const std::string text = PdfText();
    ExpectInOrder(text, {"Site-Specific Human And Aquatic Exposures to Surface Water Releases",
                         "P-17-0042,1",
                         "Release Activity:",
                         "Use",
                         "Exposed Population:",
                         "Adult",
                         "Facility Name:",
                         "Acme Works",
                         "Discharge Type:",
                         "Direct",
                         "Facility Location",
                         "Albany NY",
                         "WWT Removal",
                         "90%",
                         "NPDES#",
                         "NY0020371",
                         "Release Days:",
                         "250 days",
                         "Reach Number",
                         "02020006001",
                         "Pre-treatment release",
                         "2 kg/site/day",
                         "Reach Name",
                         "Hudson",
                         "Post-treatment Release:",
                         "0.2 kg/site/day",
                         "Drinking Water Treatment:",
                         "0 %",
                         "BCF",
                         "50 L/kg",
                         "Facility on Reach?",
                         "Unknown",
                         "Aquatic Exposure Estimates - Surface Water",
                         "Flow Descriptor",
                         "Harmonic Mean",
                         "30Q5",
                         "7Q10",
                         "1Q10",
                         "Flow (MLD)",
                         "1234.5",
                         "N/A",
                         "300",
                         "250",
                         "Concentration (ug/L)",
                         "0.16",
                         "N/A",
                         "0.67",
                         "0.8",
                         "Drinking Water Exposure Estimates",
                         "Exposure Types",
                         "Results",
                         "IR (L/day)",
                         "Cancer",
                         "LADDpot (mg/kg/day)",
                         "1.2E-05",
                         "LADCpot (mg/L)",
                         "Acute",
                         "ADRpot (mg/kg/day)",
                         "NA",
                         "1 day",
                         "Fish Ingestion Exposure Estimates",
                         "IR (g/day)",
                         "3.4E-04",
                         "LADCpot (mg/kg)",
                         "5.6E-03",
                         "Surface water comments:",
                         "Comment one",
                         "Comment two",
                         "\f",
                         "Endangered Species",
                         "Taxonomic",
                         "Known",
                         "Common Name",
                         "County",
                         "State",
                         "Group",
                         "Action",
                         "Occurrence?",
                         "Mussel1",
                         "Mussel2",
                         "Mussel3"});
    EXPECT_EQ(text.find("Never printed"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("Mussel2 +County2 +ST +Clams +Act2 +Yes")));
}

TEST_F(SurfaceWaterPrintTest, SiteWithoutListedSpeciesSaysSoOnOnePage) {
    FillSite();
    form->EndSpecSite->hide();
    PressPrint(form->SurfWaterResPage, form->Button2);
    EXPECT_EQ(PdfPages(), 1);
    ExpectInOrder(PdfText(), {"Comment two", "No Endangered Species Listed for This Site"});
}

TEST_F(SurfaceWaterPrintTest, SiteWithTheSpeciesTabHiddenEndsWithTheComments) {
    FillSite();
    form->RiverTabs->setTabVisible(form->RiverTabs->indexOf(form->EndangeredSpecies), false);
    PressPrint(form->SurfWaterResPage, form->Button2);
    EXPECT_EQ(PdfPages(), 1);
    EXPECT_EQ(PdfText().find("Endangered"), std::string::npos);
}

// Every species row, also the one that meets the page's end, stands in its columns.
TEST_F(SurfaceWaterPrintTest, LongSpeciesListsContinueWithEveryRowInItsColumns) {
    FillSite();
    FillSpecies(*form->EndSpecSite, 150);
    PressPrint(form->SurfWaterResPage, form->Button2, 96);
    EXPECT_GE(PdfPages(), 4);
    const std::string text = PdfText();
    std::vector<std::string> rows;
    for (int r = 1; r <= 150; ++r) {
        const std::string n = std::to_string(r);
        EXPECT_TRUE(std::regex_search(
            text, std::regex("Mussel" + n + " +County" + n + " +ST +Clams +Act" + n + " +Yes")))
            << "row " << r;
        rows.push_back("Mussel" + n + " ");
    }
    ExpectInOrder(text, rows);
}

TEST_F(SurfaceWaterPrintTest, LongCommentsContinueOnANewPage) {
    FillSite();
    form->RiverTabs->setTabVisible(form->RiverTabs->indexOf(form->EndangeredSpecies), false);
    std::string comments;
    std::vector<std::string> expected = {"Surface water comments:"};
    for (int i = 1; i <= 60; ++i) {
        comments += "Comment line " + std::to_string(i) + "\n";
        expected.push_back("Comment line " + std::to_string(i) + "\n");
    }
    form->RiverMemo1->SetText(comments);
    PressPrint(form->SurfWaterResPage, form->Button2, 300);
    EXPECT_EQ(PdfPages(), 2);
    ExpectInOrder(PdfText(), expected);
}

TEST_F(SurfaceWaterPrintTest, IndustryCodeTakesTheSitesFromTheRecordAndPadsThreeValues) {
    List(form->ChemListSic, "P-17-0042,3");
    Fill({{"IndTypeSic", "Use"},
          {"SicDescSic", "Textiles"},
          {"SicCodesSic", "2200"},
          {"WwtSic", "80"},
          {"PreTreatSic", "12.5"},
          {"RelDaysSic", "250"},
          {"PostTreatSic", "2.5"},
          {"BcfSic", "N/A"},
          {"DwtSic", "0"},
          {"HarMeanFlow50Sic", "111"},
          {"Conc1q10_10Sic", "9.9"},
          {"DwLadd50Sic", "1.0E-06"},
          {"FishAdr10Sic", "2.0E-03"}});
    CurrentPmn.SITE_HI = 2.9;
    form->SicMemo1->SetText("Industry note");
    PressPrint(form->SicPage, form->Button3);
    EXPECT_EQ(PdfPages(), 1);
    ExpectInOrder(PdfText(),
                  {"SIC Code Based Human And Aquatic Exposures to Surface Water Releases",
                   "P-17-0042,3",
                   "Release Activity",
                   "Use",
                   "SIC Description:",
                   "Textiles   Number of Sites:2",
                   "SIC Codes:",
                   "2200",
                   "WWT Removal",
                   "80%",
                   "Pre-treatment release",
                   "      12.5 kg/site/day",
                   "Release Days:",
                   "250 days",
                   "Post-treatment Release:",
                   "       2.5 kg/site/day",
                   "BCF",
                   "N/A L/kg",
                   "Drinking Water Treatment:",
                   "         0 %",
                   "50 %ile",
                   "111",
                   "10 %ile",
                   "9.9",
                   "50%ile Res",
                   "10%ile Res",
                   "1.0E-06",
                   "2.0E-03",
                   "SIC Code comments:",
                   "Industry note"});
}

TEST_F(SurfaceWaterPrintTest, LakePrintsItsTablesAndABoldSpeciesPage) {
    List(form->ChemListLakes, "P-17-0042,2");
    Fill({{"IndTypeLake", "Use"},
          {"ExpPopLake", "Adult"},
          {"AcuteDilFactor", "10"},
          {"AcuteConc", "N/A"},
          {"ChronicDilFactor", "100"},
          {"ChronicConc", "0.05"},
          {"BcfLake", "50"},
          {"FishLaddLake", "4.4E-07"}});
    form->YesLake->SetChecked(true);
    form->LakeMemo1->SetText("Lake note");
    form->LakeTabs->setTabVisible(form->LakeTabs->indexOf(form->EndSpeciesLake), true);
    FillSpecies(*form->EndSpecLake, 0);
    PressPrint(form->LakesPage, form->Button4);
    EXPECT_EQ(PdfPages(), 2);
    ExpectInOrder(PdfText(), {"Lakes, Bays, Estuaries, and Oceans",
                              "P-17-0042,2",
                              "Release Activity",
                              "Use",
                              "Facility on Reach?",
                              "Yes",
                              "BCF",
                              "50 L/kg",
                              "Dilution Factors and Water Concentrations",
                              "Flow Descriptor",
                              "Dil. Factor",
                              "Water Conc.",
                              "Acute Scenario",
                              "10",
                              "N/A",
                              "ug/L",
                              "Chronic Scenario",
                              "100",
                              "0.05",
                              "ug/L",
                              "Fish Ingestion Exposure Estimates",
                              "4.4E-07",
                              "Lake comments:",
                              "Lake note",
                              "\f",
                              "Endangered Species",
                              "Occurrence?"});
    const std::string fonts = CommandOutput("pdffonts '" + pdf.string() + "'");
    EXPECT_NE(fonts.find("Bold"), std::string::npos) << fonts;
}

}  // namespace
