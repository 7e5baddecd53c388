// The printed reports of a whole results run: the releases are run, chosen on each page with the
// mouse and printed with the page's button; what is printed is compared with what the page shows.
#include <QComboBox>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "platform/print/print_job.h"
#include "platform/sys/text.h"
#include "print_fixture.h"
#include "results/scr_res_pdm_solo.h"
#include "results_run_fixture.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"

namespace {

class RunPrintTest : public ResultsFormTest {
  protected:
    void SetUp() override {
        ResultsFormTest::SetUp();
        pdf = std::filesystem::path(program.path()) / "page.pdf";
    }
    void TearDown() override {
        if (form)
            form->hide();
        print::SetReportPdfTarget("");
        ResultsFormTest::TearDown();
    }

    // The run of the five releases, with the form on screen.
    void RunAndShow() {
        WriteFiveReleases();
        Run();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Chooses a row of the page's release list with the mouse, then presses "Print Page".
    std::string ChooseAndPrint(QWidget* page, forms::TStringGrid* list, int row, QWidget* button) {
        form->ScrResults->setCurrentWidget(page);
        if (list && list->isVisible()) {
            const QRect cell = list->visualItemRect(list->item(row, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        }
        return PrintToPdfText(ui, button, pdf);
    }

    // Whether a field shows on its page: it and the boxes it stands in are not hidden; a tab
    // that is not the current one still shows when chosen.
    static bool Shown(const QWidget* field, const QWidget* page) {
        for (const QWidget* w = field; w && w != page; w = w->parentWidget()) {
            if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
                return false;
        }
        return true;
    }

    // Every field of the page that shows a text is printed with that text.
    void ExpectEveryShownFieldPrinted(QWidget* page, const std::string& printed,
                                      const std::vector<std::string>& notPrinted = {}) {
        int compared = 0;
        for (const forms::TEdit* edit : page->findChildren<forms::TEdit*>()) {
            const std::string name = edit->objectName().toStdString();
            const std::string text = sys::Trim(edit->Text());
            if (name.empty() || text.empty() || !Shown(edit, page) ||
                std::find(notPrinted.begin(), notPrinted.end(), name) != notPrinted.end())
                continue;
            ++compared;
            EXPECT_NE(printed.find(text), std::string::npos)
                << name << " shows \"" << text << "\", not printed in:\n"
                << printed;
        }
        EXPECT_GT(compared, 5);
    }

    // The texts in print order: an item "=Name" stands for the text the page's field Name shows,
    // "=Name+suffix" for that text padded to 10 characters with the suffix after it.
    void ExpectPrintedInOrder(const std::string& printed, const std::vector<std::string>& items) {
        std::vector<std::string> texts;
        for (const std::string& item : items) {
            if (item.empty() || item[0] != '=') {
                texts.push_back(item);
                continue;
            }
            const size_t plus = item.find('+');
            const std::string field = item.substr(1, plus == std::string::npos ? plus : plus - 1);
            EXPECT_NE(form->Field(field), nullptr) << field;
            texts.push_back(plus == std::string::npos
                                ? form->FieldText(field)
                                : PadLeft10(form->FieldText(field)) + item.substr(plus + 1));
        }
        PrintTest::ExpectInOrder(printed, texts);
    }

    std::filesystem::path pdf;
};

TEST_F(RunPrintTest, EveryPagePrintsWhatItShowsForTheChosenRelease) {
    RunAndShow();
    struct PageCase {
        QWidget* page;
        forms::TStringGrid* list;
        int row;
        QWidget* button;
        std::vector<std::string> handWorked;  // label, then the value worked by hand
    };
    const PageCase cases[] = {
        // Release 2: 1 kg/day, 1 site, 100 days.
        {form->EnvRelResPage, form->ChemListEnvRel, 2, form->Button1, {"Release 2", "100.00"}},
        // 2 kg/day with 50 % removal.
        {form->SurfWaterResPage, form->ChemListSite, 1, form->Button2, {"NY0020371", "1.00"}},
        {form->SicPage, form->ChemListSic, 1, form->Button3, {"7211,7213-7219,7542", "1.5"}},
        {form->LakesPage, form->ChemListLakes, 1, form->Button4, {"OH1413046", "10.00"}},
        // 0.002 mg/m3 shows as 2 ug/m3.
        {form->FugitivePage, form->ChemListFugitive, 1, form->Button5, {"2.00 ug/m3"}},
        {form->LandfillPage, form->ChemListLandfill, 1, form->Button6, {"2.00 kg/site/day"}},
        {form->PdmSitePage, form->ChemListPdmSite, 1, form->Button7, {"NY0020371", "10.00"}},
        {form->PdmSicPage, form->ChemListPdmSic, 1, form->Button8, {"5.00"}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.page->objectName().toStdString() + " " +
                     form->ScrResults->tabText(form->ScrResults->indexOf(c.page)).toStdString());
        const std::string printed = ChooseAndPrint(c.page, c.list, c.row, c.button);
        ASSERT_FALSE(printed.empty());
        // The printed site report has no line for the page's note on the site's activity.
        ExpectEveryShownFieldPrinted(c.page, printed, {"ActiveNotePdm"});
        PrintTest::ExpectInOrder(printed, c.handWorked);
    }
}

TEST_F(RunPrintTest, EnvironmentalReleasesPrintInThePagesOrderWithTheRemarksUpToABlankLine) {
    WriteFiveReleases();
    LoadScenarioRecord(Key(2));
    CurrentPmn.REMARKS = "First remark\nSecond remark\n\nAfter a blank line";
    SaveScenarioRecord();
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const std::string printed =
        ChooseAndPrint(form->EnvRelResPage, form->ChemListEnvRel, 2, form->Button1);
    // Release 2: 1 kg/day at 1 site for 100 days.
    EXPECT_EQ(form->FieldText("TotWaterRelEnvRel"), "100.00");
    ExpectPrintedInOrder(printed, {"Environmental Release Results",
                                   Key(2),
                                   "Remarks:",
                                   "Number of Sites: " + form->FieldText("NumSitesEnvRel"),
                                   "First remark",
                                   "Second remark",
                                   "Release Activity:",
                                   "=IndTypeEnvRel",
                                   "Surface Water",
                                   "Landfill/Sludge",
                                   "Stack",
                                   "Fugitive",
                                   "Total Releases",
                                   "=TotWaterRelEnvRel",
                                   "=TotLandfillRelEnvRel",
                                   "=TotIncinRelEnvRel",
                                   "=TotFugitiveRelEnvRel",
                                   "(before treatment)",
                                   "(kg/yr)",
                                   "(kg/yr)",
                                   "(kg/yr)",
                                   "(kg/yr)",
                                   "Release days/yr",
                                   "=DaysWaterRelEnvRel",
                                   "=DaysLandfillEnvRel",
                                   "=DaysStackRelEnvRel",
                                   "=DaysFugitiveRelEnvRel",
                                   "(before treatment)",
                                   "Per site Releases",
                                   "=PerSiteWaterRelEnvRel",
                                   "=PerSiteLandfillRelEnvRel",
                                   "=PerSiteIncinRelEnvRel",
                                   "=PerSiteFugitiveRelEnvRel",
                                   "(kg/site/day)"});
    EXPECT_EQ(printed.find("After a blank line"), std::string::npos);
    EXPECT_EQ(printed.find('\f'), printed.size() - 1);  // one page
}

TEST_F(RunPrintTest, InhalationPrintsItsBlocksInThePagesOrderAndElevenCommentLines) {
    RunAndShow();
    // The comments as typed on the page.
    std::string memo;
    for (int i = 1; i <= 12; ++i)
        memo += "Air note " + std::to_string(i) + (i == 2 ? "\n\n" : "\n");
    form->FugMemo1->SetText(memo);
    const std::string printed =
        ChooseAndPrint(form->FugitivePage, form->ChemListFugitive, 1, form->Button5);
    ExpectPrintedInOrder(printed, {"Inhalation Exposure Estimates",
                                   Key(5),
                                   "Release Activity",
                                   "=IndTypeFug",
                                   "Per Site Fugitive Release",
                                   "=PerSiteReleaseFug+ kg/site/day",
                                   "Exposed Population",
                                   "=ExpPopFug",
                                   "Release Days (Fugitive)",
                                   "=RelDaysFug+ days",
                                   "Number of Sites:",
                                   "=NumSitesFug",
                                   "Per Site Stack Release:",
                                   "=PreTreatIncin+ kg/site/day",
                                   "Release Days (Stack)",
                                   "=RelDaysStack+ days",
                                   "Inhalation Exposure Estimates",
                                   "Exposure Types",
                                   "Fug Results",
                                   "Stk Results",
                                   "Cancer",
                                   "LADDpot (mg/kg/day)",
                                   "=ResLaddFug",
                                   "=ResLaddStk",
                                   "LADCpot (mg/m³)",
                                   "=ResLadcFug",
                                   "=ResLadcStk",
                                   "Acute",
                                   "ADRpot (mg/kg/day)",
                                   "=ResAdrFug",
                                   "=ResAdrStk",
                                   "NA",
                                   "1 day",
                                   "Release Information",
                                   "% Stack Removal:",
                                   "=PercentRemovalStk+ %",
                                   "Meteorological/Terrain and Downwash",
                                   "Surrounding Land Use:",
                                   "=LandUse",
                                   "Meteorology Class:",
                                   "=MetClass",
                                   "Plumo3 Model Results",
                                   "Stack",
                                   "Fugitive",
                                   "Max Annual Ave Air Concentration:",
                                   form->FieldText("ChronAirConc") + " ug/m3",
                                   form->FieldText("ChronAirConcFug") + " ug/m3",
                                   "Max 24 Hr. Ave Air Concentration:",
                                   form->FieldText("AcuteAirConc") + " ug/m3",
                                   form->FieldText("AcuteAirConcFug") + " ug/m3",
                                   "Inhalation comments:",
                                   "Air note 1",
                                   "Air note 2",
                                   "Air note 3",
                                   "Air note 10\n"});
    // Eleven memo lines, the empty third one included: the eleventh and twelfth notes are not.
    EXPECT_EQ(printed.find("Air note 11"), std::string::npos);
    // Release 5: 1 kg/day fugitive release; 0.002 and 0.01 mg/m3 show in ug/m3.
    EXPECT_EQ(form->FieldText("PerSiteReleaseFug"), "1.00");
    EXPECT_EQ(form->FieldText("ChronAirConcFug"), "2.00");
    EXPECT_EQ(form->FieldText("AcuteAirConcFug"), "10.00");
}

TEST_F(RunPrintTest, GroundwaterPrintsThePagesValuesUnpaddedAndStopsAtAnEmptyCommentLine) {
    RunAndShow();
    form->LandfillMemo1->SetText("Landfill one\nLandfill two\n\nLandfill hidden");
    const std::string printed =
        ChooseAndPrint(form->LandfillPage, form->ChemListLandfill, 1, form->Button6);
    ExpectPrintedInOrder(printed, {"Exposure Estimates From Groundwater Ingestion",
                                   Key(4),
                                   "Release Activity",
                                   "=IndTypeLand",
                                   "Number of Sites:",
                                   "=NumSitesLand",
                                   "Exposed Population",
                                   "=ExpPopLand",
                                   "Non-Sludge Landfill Release:",
                                   form->FieldText("LandfillLand") + " kg/site/day",
                                   "Migration Descriptor:",
                                   "Landfilled Sludge",
                                   form->FieldText("SludgeLand") + " kg/site/day",
                                   "Adsorption to WWT Sludge:",
                                   form->FieldText("AdsorpLand") + " %",
                                   "Drinking Water Treatment:",
                                   form->FieldText("DwtLand") + " %",
                                   "# Days of Release to Sludge:",
                                   form->FieldText("DaysSludgeLand") + " days",
                                   "# Days of Release to Non-Sludge:",
                                   form->FieldText("DaysNonSludgeLand") + " days",
                                   "Landfill Exposure Estimates",
                                   "Exposure Types",
                                   "IR (L/day)",
                                   "Cancer",
                                   "LADDpot (mg/kg/day)",
                                   "=ResLaddLand",
                                   "LADCpot (mg/L)",
                                   "=ResLadcLand",
                                   "Landfill comments:",
                                   "Landfill one",
                                   "Landfill two"});
    EXPECT_EQ(printed.find("Landfill hidden"), std::string::npos);
    // Release 4: 2 kg/day to landfill for 100 days.
    EXPECT_EQ(form->FieldText("LandfillLand"), "2.00");
    EXPECT_EQ(form->FieldText("DaysNonSludgeLand"), "100.00");
}

// With a concentration of concern of 0 the page hides its run, and so does the printout.
TEST_F(RunPrintTest, DilutionPrintoutsLeaveOutTheRunsThePageHides) {
    RunAndShow();
    // Release 1 asks for runs 1 and 2, release 3 for runs 1 and 3.
    std::string printed =
        ChooseAndPrint(form->PdmSitePage, form->ChemListPdmSite, 1, form->Button7);
    EXPECT_TRUE(Shown(form->Field("Coc1PdmSite"), form->PdmSitePage));
    EXPECT_FALSE(Shown(form->Field("Coc2PdmSite"), form->PdmSitePage));
    PrintTest::ExpectInOrder(
        printed, {"Concentration of Concern (ug/L):", PadLeft10(form->FieldText("Coc0PdmSite")),
                  PadLeft10(form->FieldText("Days0Exceeded")) + " days",
                  PadLeft10(form->FieldText("Coc1PdmSite")),
                  PadLeft10(form->FieldText("Days1Exceeded")) + " days"});
    EXPECT_EQ(printed.find(PadLeft10(form->FieldText("Days2Exceeded")) + " days"),
              std::string::npos)
        << printed;
    EXPECT_EQ(printed.find("      0.00"), std::string::npos) << printed;
    ExpectPrintedInOrder(
        printed,
        {"PDM Site Specific Page", Key(1), "Release Activity:", "=IndTypePdmSite", "WWT Removal",
         "=WwtPdmSite+%", "NPDES#", "=NpdesPdmSite", "Facility on Reach?", "Yes",
         "Gaging Station Information:", "Mean Stream Flow:", "=HarMeanFlowPdmSite+ MLD",
         "Low Stream Flow:", "=Flow7q10PdmSite+ MLD", "Effluent Flow:"});

    printed = ChooseAndPrint(form->PdmSicPage, form->ChemListPdmSic, 1, form->Button8);
    ExpectPrintedInOrder(
        printed, {"PDM SIC Code Page", Key(3), "SIC Code Description:",
                  form->SicDescPdmSic->currentText().toStdString(), "SIC Codes", "=SicCodesPdmSic",
                  "Pretreatment Release:", "=PreTreatPdmSic+ kg/day",
                  "Post-treatment Release:", "=PostTreatPdmSic+ kg/day"});
    EXPECT_EQ(form->SicDescPdmSic->currentText().toStdString(),
              "Laundries, Dry Cleaners and Car Washes");
    EXPECT_FALSE(Shown(form->Field("Coc1PdmSic"), form->PdmSicPage));
    EXPECT_TRUE(Shown(form->Field("Coc2PdmSic"), form->PdmSicPage));
    PrintTest::ExpectInOrder(
        printed, {"Concentration of Concern (ug/L):", "      5.00",
                  PadLeft10(form->FieldText("Days0ExceededPdmSic")) + " days", "      2.00",
                  PadLeft10(form->FieldText("Days2ExceededPdmSic")) + " days"});
    EXPECT_EQ(printed.find("N/A days"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("      0.00"), std::string::npos) << printed;
}

// The Rivers page with the species of the facility's county listed, comments typed on the page.
TEST_F(RunPrintTest, RiverSitePrintsHeaderTablesCommentsAndTheSpeciesPage) {
    Write(1, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";  // its county lists three species
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
        r.CRITTERS = true;
    });
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->RiverMemo1->SetText("Comment one\nComment two\n\nNever printed");
    const std::string printed =
        ChooseAndPrint(form->SurfWaterResPage, form->ChemListSite, 1, form->Button2);
    const forms::TStringGrid& species = *form->EndSpecSite;
    ASSERT_EQ(species.RowCount(), 4);
    ExpectPrintedInOrder(printed,
                         {"Site-Specific Human And Aquatic Exposures to Surface Water Releases",
                          Key(1),
                          "Release Activity:",
                          "=IndTypeSite",
                          "Exposed Population:",
                          "=ExpPopSite",
                          "Facility Name:",
                          "=FacNameSite",
                          "Discharge Type:",
                          "=DischargeTypeSite",
                          "Facility Location",
                          "=FacLocSite",
                          "WWT Removal",
                          form->FieldText("WwtSite") + "%",
                          "NPDES#",
                          "=NpdesSite",
                          "Release Days:",
                          form->FieldText("RelDaysSite") + " days",
                          "Reach Number",
                          "=ReachNumSite",
                          "Pre-treatment release",
                          form->FieldText("PreTreatSite") + " kg/site/day",
                          "Reach Name",
                          "=ReachNameSite",
                          "Post-treatment Release:",
                          form->FieldText("PostTreatSite") + " kg/site/day",
                          "Drinking Water Treatment:",
                          form->FieldText("DwtSite") + " %",
                          "BCF",
                          form->FieldText("BcfSite") + " L/kg",
                          "Facility on Reach?",
                          "Yes",
                          "Aquatic Exposure Estimates - Surface Water",
                          "Flow Descriptor",
                          "Harmonic Mean",
                          "30Q5",
                          "7Q10",
                          "1Q10",
                          "Flow (MLD)",
                          "=HarMeanFlowSite",
                          "=Flow30q5Site",
                          "=Flow7q10Site",
                          "=Flow1q10Site",
                          "Concentration (ug/L)",
                          "=HarMeanConcSite",
                          "=Conc30q5Site",
                          "=Conc7q10Site",
                          "=Conc1q10Site",
                          "Drinking Water Exposure Estimates",
                          "Exposure Types",
                          "Results",
                          "IR (L/day)",
                          "Cancer",
                          "LADDpot (mg/kg/day)",
                          "=DwLaddSite",
                          "LADCpot (mg/L)",
                          "=DwLadcSite",
                          "Acute",
                          "ADRpot (mg/kg/day)",
                          "=DwAdrSite",
                          "NA",
                          "1 day",
                          "Fish Ingestion Exposure Estimates",
                          "IR (g/day)",
                          "=FishLaddSite",
                          "LADCpot (mg/kg)",
                          "=FishLadcSite",
                          "=FishAdrSite",
                          "Surface water comments:",
                          "Comment one",
                          "Comment two",
                          "\f",
                          "Endangered Species",
                          "Common Name",
                          "County",
                          "State",
                          "Action",
                          "Occurrence?",
                          species.Cells(0, 1),
                          species.Cells(0, 2),
                          species.Cells(0, 3)});
    // 2 kg/day with 50 % removal.
    EXPECT_EQ(form->FieldText("PostTreatSite"), "1.00");
    EXPECT_EQ(printed.find("Never printed"), std::string::npos);
    EXPECT_EQ(printed.find("No Endangered Species Listed"), std::string::npos);
    for (int row = 1; row <= 3; ++row) {
        std::string line;
        for (int col = 0; col < 6; ++col)
            line += (col ? " +" : "") + std::regex_replace(species.Cells(col, row),
                                                           std::regex(R"([.()?*+])"), R"(\$&)");
        EXPECT_TRUE(std::regex_search(printed, std::regex(line))) << line << "\n" << printed;
    }
}

TEST_F(RunPrintTest, ARiverSiteWithoutSpeciesOrWithoutTheirTabEndsOnItsFirstPage) {
    Write(1, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0462967";  // no species listed in its county
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
        r.CRITTERS = true;
    });
    Write(2, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
        r.CRITTERS = false;  // the species tab is not shown
    });
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->RiverMemo1->SetText("Comment one\nComment two");
    std::string printed =
        ChooseAndPrint(form->SurfWaterResPage, form->ChemListSite, 1, form->Button2);
    EXPECT_TRUE(form->EndSpecSite->isHidden());
    EXPECT_FALSE(form->NoSpeciesLabel->isHidden());
    PrintTest::ExpectInOrder(printed,
                             {"Comment two", "No Endangered Species Listed for This Site"});
    EXPECT_EQ(printed.find('\f'), printed.size() - 1);

    printed = ChooseAndPrint(form->SurfWaterResPage, form->ChemListSite, 2, form->Button2);
    EXPECT_FALSE(form->RiverTabs->isTabVisible(form->RiverTabs->indexOf(form->EndangeredSpecies)));
    PrintTest::ExpectInOrder(printed, {Key(2), "Surface water comments:"});
    EXPECT_EQ(printed.find("Endangered"), std::string::npos);
    EXPECT_EQ(printed.find('\f'), printed.size() - 1);
}

TEST_F(RunPrintTest, IndustryCodeTakesTheSitesFromTheRecordAndPadsThreeValues) {
    RunAndShow();
    form->SicMemo1->SetText("Industry note");
    const std::string printed = ChooseAndPrint(form->SicPage, form->ChemListSic, 1, form->Button3);
    ExpectPrintedInOrder(printed,
                         {"SIC Code Based Human And Aquatic Exposures to Surface Water Releases",
                          Key(3),
                          "Release Activity",
                          "=IndTypeSic",
                          "SIC Description:",
                          form->FieldText("SicDescSic"),
                          "Number of Sites:1",
                          "SIC Codes:",
                          "=SicCodesSic",
                          "WWT Removal",
                          form->FieldText("WwtSic") + "%",
                          "Pre-treatment release",
                          "=PreTreatSic+ kg/site/day",
                          "Release Days:",
                          form->FieldText("RelDaysSic") + " days",
                          "Post-treatment Release:",
                          "=PostTreatSic+ kg/site/day",
                          "BCF",
                          form->FieldText("BcfSic") + " L/kg",
                          "Drinking Water Treatment:",
                          "=DwtSic+ %",
                          "50 %ile",
                          "=HarMeanFlow50Sic",
                          "10 %ile",
                          "=Conc1q10_10Sic",
                          "50%ile Res",
                          "10%ile Res",
                          "=DwLadd50Sic",
                          "=FishAdr10Sic",
                          "SIC Code comments:",
                          "Industry note"});
    // Release 3: 3 kg/day with 50 % removal.
    EXPECT_EQ(form->FieldText("PostTreatSic"), "1.5");
    EXPECT_EQ(printed.find('\f'), printed.size() - 1);
}

TEST_F(RunPrintTest, LakePrintsItsTablesAndABoldSpeciesPage) {
    WriteFiveReleases();
    LoadScenarioRecord(Key(2));
    CurrentPmn.CRITTERS = true;  // the lake facility's county lists three species
    SaveScenarioRecord();
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->LakeMemo1->SetText("Lake note");
    const std::string printed =
        ChooseAndPrint(form->LakesPage, form->ChemListLakes, 1, form->Button4);
    const forms::TStringGrid& species = *form->EndSpecLake;
    ASSERT_EQ(species.RowCount(), 4);
    ExpectPrintedInOrder(printed, {"Lakes, Bays, Estuaries, and Oceans",
                                   Key(2),
                                   "Release Activity",
                                   "=IndTypeLake",
                                   "Facility on Reach?",
                                   "BCF",
                                   form->FieldText("BcfLake") + " L/kg",
                                   "Dilution Factors and Water Concentrations",
                                   "Flow Descriptor",
                                   "Dil. Factor",
                                   "Water Conc.",
                                   "Acute Scenario",
                                   "=AcuteDilFactor",
                                   "=AcuteConc",
                                   "ug/L",
                                   "Chronic Scenario",
                                   "=ChronicDilFactor",
                                   "=ChronicConc",
                                   "ug/L",
                                   "Fish Ingestion Exposure Estimates",
                                   "=FishLaddLake",
                                   "Lake comments:",
                                   "Lake note",
                                   "\f",
                                   "Endangered Species",
                                   "Occurrence?",
                                   species.Cells(0, 1),
                                   species.Cells(0, 2),
                                   species.Cells(0, 3)});
    // The facility's acute dilution factor.
    EXPECT_EQ(form->FieldText("AcuteDilFactor"), "10.00");
    const std::string fonts = CommandOutput("pdffonts '" + pdf.string() + "'");
    EXPECT_NE(fonts.find("Bold"), std::string::npos) << fonts;
}

TEST_F(RunPrintTest, LongRiverCommentsContinueOnANewPage) {
    Write(1, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
    });
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    std::string comments;
    std::vector<std::string> expected = {"Surface water comments:"};
    for (int i = 1; i <= 60; ++i) {
        comments += "Comment line " + std::to_string(i) + "\n";
        expected.push_back("Comment line " + std::to_string(i) + "\n");
    }
    form->RiverMemo1->SetText(comments);
    const std::string printed =
        ChooseAndPrint(form->SurfWaterResPage, form->ChemListSite, 1, form->Button2);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\f'), 2);
    PrintTest::ExpectInOrder(printed, expected);
}

// The stand-alone dilution site page: two runs submitted fill two rows of its table, which the
// printout lists under its headings, with the station the page shows.
class DilutionPagePrintTest : public PdmPageTest {
  protected:
    // The dilution pages alone, as the main page opens them for the chemical.
    void SetUp() override {
        PdmPageTest::SetUp();
        PdmPagesActive = 0;
        SelectedChemId = kChem;
        SetUpPdmPages(*form);
        form->show();
        form->FormActivate();
        form->ScrResults->setCurrentWidget(form->PdmSitePage);
        ui.ClearShown();
    }
    void TearDown() override {
        form->hide();
        print::SetReportPdfTarget("");
        SelectedChemId.clear();
        PdmPageTest::TearDown();
    }
    void Enter(const char* name, const std::string& text) {
        form->Field(name)->SetText(text);
        form->Field(name)->OnExit();
    }
};

TEST_F(DilutionPagePrintTest, TheSiteTablePrintsTheRowsOfTheSubmittedRuns) {
    form->Field("NpdesPdmSite")->SetText("NY0020371");
    QTest::mouseClick(form->FindNpdesPdmSite, Qt::LeftButton);
    Enter("CocPdmSite", "10");
    Enter("RelDaysPdmSite", "250");
    Enter("PreTreatPdmSite", "2.5");
    QTest::mouseClick(form->SubmitNewSite, Qt::LeftButton);
    form->Field("CocPdmSite")->SetText("100");
    QTest::mouseClick(form->SubmitReallyNewSite, Qt::LeftButton);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes().front().text;
    const forms::TStringGrid& grid = *form->PdmSiteResultsList;
    ASSERT_TRUE(grid.isVisible());
    // The runs as worked out from the inputs: 10 and 100 ug/L, 250 days, 2.5 kg/day, 50 %.
    EXPECT_EQ(grid.Cells(0, 1), "     10.00");
    EXPECT_EQ(grid.Cells(0, 2), "    100.00");
    EXPECT_EQ(grid.Cells(4, 2), "      2.50");
    const std::filesystem::path pdf = std::filesystem::path(program.path()) / "site.pdf";
    const std::string printed = PrintToPdfText(ui, form->Button7, pdf);
    std::vector<std::string> expected = {"PDM Site Specific Page",
                                         form->RelNumPDMSite->currentText().toStdString(),
                                         "Gaging Station Information:",
                                         "Station ID:",
                                         form->GagePdmSite->currentText().toStdString(),
                                         "# of Stations on Reach:",
                                         std::to_string(form->GagePdmSite->count()),
                                         "Percent of Year",
                                         "Number of days",
                                         "COC",
                                         "COC Exceeded",
                                         "COC Exceeded",
                                         "Release Days",
                                         "Pretreat Load",
                                         "WWT"};
    for (int row = 1; row <= 2; ++row) {
        for (int col = 0; col < 6; ++col)
            expected.push_back(sys::Trim(grid.Cells(col, row)));
    }
    PrintTest::ExpectInOrder(printed, expected);
    EXPECT_EQ(printed.find("Concentration of Concern"), std::string::npos);
}

TEST_F(DilutionPagePrintTest, TheIndustryCodeTablePrintsTheRowOfTheSubmittedRun) {
    form->ScrResults->setCurrentWidget(form->PdmSicPage);
    form->ChemListSoloPdmSicChange();
    // The first category, chosen with the keyboard from no choice.
    QComboBox* categories = form->SicDescPdmSic;
    {
        const QSignalBlocker quiet(categories);
        categories->setCurrentIndex(-1);
    }
    categories->setFocus();
    QTest::keyClick(categories, Qt::Key_Down);
    ASSERT_EQ(categories->currentIndex(), 0);
    Enter("RelDaysPdmSic", "250");
    Enter("CocPdmSic", "10");
    Enter("PreTreatPdmSic", "2.5");
    ui.ClearShown();
    QTest::mouseClick(form->SubmitNewSic, Qt::LeftButton);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes().front().text;
    const forms::TStringGrid& grid = *form->PdmSicResultsList;
    ASSERT_TRUE(grid.isVisible());
    // The run as entered: 10 ug/L, 250 days, 2.5 kg/day, 50 %, the high-end scenario.
    EXPECT_EQ(grid.Cells(0, 1), "     10.00");
    EXPECT_EQ(grid.Cells(3, 1), "   250");
    EXPECT_EQ(grid.Cells(4, 1), "      2.50");
    const std::filesystem::path pdf = std::filesystem::path(program.path()) / "sic.pdf";
    const std::string printed = PrintToPdfText(ui, form->Button8, pdf);
    std::vector<std::string> expected = {
        "PDM SIC Code Page",         form->RelNumPDMSic->currentText().toStdString(),
        "SIC Code Description:",     categories->currentText().toStdString(),
        "Concentration of Concern:", PadLeft10(form->FieldText("CocPdmSic")) + " ug/L",
        "High End Scenario",         "Percent of Year"};
    for (int col = 0; col < 7; ++col)
        expected.push_back(sys::Trim(grid.Cells(col, 1)));
    PrintTest::ExpectInOrder(printed, expected);
    EXPECT_EQ(printed.find("Days Exceeded"), std::string::npos);
}

}  // namespace
