// The results form run over a chemical's releases written into the scenario table, on a copy of
// the program folder with the demonstration region and the report templates.
#include <gtest/gtest.h>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "dilution/pdm_results.h"
#include "documents/dilution_rows.h"
#include "pdm_page_fixture.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "results/dilution_row_file.h"
#include "results/scr_res_form.h"
#include "results_run_fixture.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"
#include "tests/support/radio_groups.h"

namespace {

TEST_F(ResultsFormTest, FullRunListsEveryReleaseOnItsPageAndStoresTheReport) {
    WriteFiveReleases();
    Run();
    EXPECT_EQ(Keys(form->ChemListEnvRel),
              (std::vector<std::string>{Key(1), Key(2), Key(3), Key(4), Key(5)}));
    EXPECT_EQ(Keys(form->ChemListSite), std::vector<std::string>{Key(1)});
    EXPECT_EQ(Keys(form->ChemListPdmSite), std::vector<std::string>{Key(1)});
    EXPECT_EQ(Keys(form->ChemListLakes), std::vector<std::string>{Key(2)});
    EXPECT_EQ(Keys(form->ChemListSic), std::vector<std::string>{Key(3)});
    EXPECT_EQ(Keys(form->ChemListPdmSic), std::vector<std::string>{Key(3)});
    EXPECT_EQ(Keys(form->ChemListLandfill), std::vector<std::string>{Key(4)});
    EXPECT_EQ(Keys(form->ChemListFugitive), std::vector<std::string>{Key(5)});
    for (QWidget* page :
         {form->EnvRelResPage, form->SurfWaterResPage, form->SicPage, form->LakesPage,
          form->FugitivePage, form->LandfillPage, form->PdmSitePage, form->PdmSicPage})
        EXPECT_TRUE(PageShown(page));
    EXPECT_FALSE(PageShown(form->Progress));
    EXPECT_EQ(form->ScrResults->currentWidget(), form->EnvRelResPage);

    // The final report is stored, and the parts are gone.
    const std::string report = sys::NativePath(DataFolder + kChem + ".wpd");
    EXPECT_TRUE(sys::FileExists(report));
    for (const WpdPart& part : form->Report.FilesList)
        EXPECT_FALSE(sys::FileExists(sys::NativePath(part.path))) << part.path;
    // The progress page listed the parts as they were written.
    ASSERT_FALSE(form->Report.FilesList.empty());
    EXPECT_EQ(form->FilesList->Cells(0, 0), sys::NativePath(form->Report.FilesList[0].path));
    const auto boxes = ui.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().caption, "Calculations Complete");
    EXPECT_EQ(boxes.back().text, "Final report stored as " + report);

    // The dilution row file of the last dilution step: the industry code, concentrations of
    // concern 5, 0 and 2, so its second line is a no-result line.
    const std::vector<DilutionRow> rows =
        ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::IndustryCode);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_DOUBLE_EQ(rows[0].coc, 5);
    EXPECT_EQ(rows[1].coc, NoDilutionResult);
    EXPECT_DOUBLE_EQ(rows[2].coc, 2);
    EXPECT_EQ(rows[3].coc, NoDilutionResult);
    EXPECT_EQ(form->Coc[1]->itemText(0).toStdString(), "0.00");
}

// The facility's position on each page and the scenario of the industry-code dilution page are
// separate choices; the positions are shown, not chosen, so the form sets them from code.
TEST_F(ResultsFormTest, EachChoiceIsOneGroupOfRadios) {
    WriteFiveReleases();
    Run();
    form->show();
    const std::vector<QRadioButton*> positions = {
        form->YesSite, form->NoSite,     form->UnkSite,   form->YesLake,   form->NoLake,
        form->UnkLake, form->YesPdmSite, form->NoPdmSite, form->UnkPdmSite};
    std::vector<QRadioButton*> fromCode = ExpectExclusiveRadioGroups(
        form.get(), {{{form->YesSite, form->NoSite, form->UnkSite}},
                     {{form->YesLake, form->NoLake, form->UnkLake}},
                     {{form->YesPdmSite, form->NoPdmSite, form->UnkPdmSite}},
                     {{form->HiEndPdmSic, form->AvePdmSic}}});
    for (QRadioButton* radio : positions)
        EXPECT_NE(std::find(fromCode.begin(), fromCode.end(), radio), fromCode.end());
    for (QRadioButton* radio : fromCode)
        EXPECT_FALSE(radio->isEnabled()) << radio->text().toStdString() << " could be pressed";
}

TEST_F(ResultsFormTest, FirstRowsAreShownOnEveryPage) {
    WriteFiveReleases();
    Run();
    EXPECT_EQ(form->FieldText("IndTypeEnvRel"), "Release 1");
    EXPECT_EQ(form->FieldText("TotWaterRelEnvRel"), "500.00");  // 2 x 1 site x 250 days
    EXPECT_EQ(form->FieldText("NpdesSite"), "NY0020371");
    EXPECT_EQ(form->FieldText("PostTreatSite"), "1.00");
    EXPECT_EQ(form->FieldText("NpdesLake"), "OH1413046");
    EXPECT_EQ(form->FieldText("AcuteDilFactor"), "10.00");
    EXPECT_EQ(form->FieldText("SicCodesSic"), "7211,7213-7219,7542");
    EXPECT_EQ(form->FieldText("LandfillLand"), "2.00");
    EXPECT_EQ(form->FieldText("ChronAirConcFug"), "2.00");  // 0.002 mg/m3 shown in ug/m3
    EXPECT_EQ(form->FieldText("EdAdrSite"), "NA");
    EXPECT_EQ(form->FieldText("AtAdrFSite"), "1 day");
    EXPECT_EQ(form->FieldText("NpdesPdmSite"), "NY0020371");
    EXPECT_EQ(form->FieldText("Coc0PdmSic"), "5.00");
    EXPECT_EQ(form->SicDescPdmSic->count(), 36);
    EXPECT_EQ(form->SicDescPdmSic->itemText(0).toStdString(), "Adhesives and Sealants Manufacture");
}

TEST_F(ResultsFormTest, SelectingAReleaseShowsItAndLeavesTheRunTotals) {
    WriteFiveReleases();
    Write(6, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";
        r.H2O_HI = 8;
        r.H2ODAYHI = r.H2ODAYLO = 100;
    });
    inputs.ExposureBased = true;
    Run();
    const double waterTotal = form->RunWaterReleaseTotal;
    // A press of the real mouse button on the second row of the Rivers list.
    form->ScrResults->setCurrentWidget(form->SurfWaterResPage);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect cell = form->ChemListSite->visualItemRect(form->ChemListSite->item(2, 0));
    QTest::mouseClick(form->ChemListSite->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(CurrentPmn.ScenNum, "6");
    EXPECT_EQ(form->FieldText("PreTreatSite"), "8.00");
    EXPECT_EQ(form->RunWaterReleaseTotal, waterTotal);
    form->ChemListEnvRelSelectCell(0, 2);
    EXPECT_EQ(form->FieldText("IndTypeEnvRel"), "Release 2");
    form->ChemListLakesSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("IndTypeLake"), "Release 2");
    form->ChemListLandfillSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("IndTypeLand"), "Release 4");
    form->ChemListFugitiveSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("IndTypeFug"), "Release 5");
    form->ChemListSicSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("IndTypeSic"), "Release 3");
    form->ChemListPdmSiteSelectCell(0, 2);
    EXPECT_EQ(form->FieldText("PreTreatPdmSite"), "8.00");
    EXPECT_EQ(form->FieldText("PostTreatPdmSite"), "4.00");
    form->ChemListEnvRelSelectCell(0, 0);  // the header row selects nothing
    EXPECT_EQ(CurrentPmn.ScenNum, "6");
    EXPECT_EQ(form->SpecGrid->Cells(0, 5), "Surface Water releases after treatment (kg/yr)");
    form->hide();
}

TEST_F(ResultsFormTest, DilutionCategoryRowShowsTheNumbersKeptFromTheRun) {
    WriteFiveReleases();
    Run();
    const PdmSicStoredRow stored = form->PdmSicStored.at(0);
    PdmCoc[0] = PdmCoc[2] = 99;  // whatever the last dilution call left
    form->ChemListPdmSicSelectCell(0, 1);
    EXPECT_EQ(PdmCoc[0], 5);
    EXPECT_EQ(PdmCoc[1], 0);
    EXPECT_EQ(PdmCoc[2], 2);
    EXPECT_EQ(PdmDaysExceeded[0], stored.days[0]);
    EXPECT_EQ(PdmPercentExceeded[2], stored.percent[2]);
    // Selecting again shows one release's rows, not an appended copy.
    form->ChemListPdmSicSelectCell(0, 1);
    EXPECT_EQ(form->PdmSicResultsList->Cells(0, 1), FormatFixed2Width10(5));
    EXPECT_EQ(form->PdmSicResultsList->Cells(0, 2), "");
}

TEST_F(ResultsFormTest, ReleaseExcludedFromTheDilutionModelKeepsItsSitePart) {
    WriteFiveReleases();
    inputs.BadPdmKeys = {Key(1), Key(3)};
    Run();
    EXPECT_EQ(Keys(form->ChemListSite), std::vector<std::string>{Key(1)});
    EXPECT_TRUE(Keys(form->ChemListPdmSite).empty());
    EXPECT_TRUE(Keys(form->ChemListPdmSic).empty());
    EXPECT_FALSE(PageShown(form->PdmSitePage));
    EXPECT_FALSE(PageShown(form->PdmSicPage));
    // Its dilution row file holds no stale results.
    const std::vector<DilutionRow> rows =
        ReadDilutionRowFile(DilutionRowFileName, DilutionRowKind::IndustryCode);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows[0].coc, NoDilutionResult);
}

TEST_F(ResultsFormTest, NoReleasesSaysSoAndCalculatesNothing) {
    Run();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "There are no releases of this chemical to calculate.");
    EXPECT_EQ(form->ChemListEnvRel->RowCount(), 1);
    EXPECT_FALSE(PageShown(form->PdmSitePage));
}

TEST_F(ResultsFormTest, RunsOncePerVisit) {
    WriteFiveReleases();
    Run();
    const size_t boxes = ui.Boxes().size();
    form->FormActivate();
    EXPECT_EQ(ui.Boxes().size(), boxes);
}

TEST_F(ResultsFormTest, UnusableInputsAreNamedOncePerRun) {
    WriteFiveReleases();
    Write(6, [](pmn_record& r) {
        r.RELEASES = "0X00";
        r.LANDREL = 1;
        r.DAYSNSLUDG = 10;
        r.MIGFACT = 0.01;
        r.BW = 0;
    });
    Run();
    int named = 0;
    for (const forms::ShownItem& box : ui.Boxes())
        named += box.text.find("body weight (BW)") != std::string::npos;
    EXPECT_EQ(named, 1);
}

TEST_F(ResultsFormTest, HelpButtonsOpenTheirTopics) {
    WriteFiveReleases();
    Run();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->ScrResults->setCurrentWidget(form->SurfWaterResPage);
    form->RiverTabs->setCurrentWidget(form->EndangeredSpecies);
    QTest::mouseClick(form->RiverHelp, Qt::LeftButton);
    form->LandfillHelpClick();
    std::vector<std::string> topics;
    for (const forms::ShownItem& item : ui.Shown()) {
        if (item.kind == "help")
            topics.push_back(item.caption);
    }
    EXPECT_EQ(topics, (std::vector<std::string>{"River_Results___Endangered_Species",
                                                "Landfill_Results_Page"}));
    form->hide();
}

// The industry-code dilution page of a full run makes no release: its chemical list is empty.
// In a full run the industry-code page shows the run's results under the category and analysis
// they were computed with: neither can be chosen anew there, so nothing relabels them.
TEST_F(ResultsFormTest, AFullRunOffersNoOtherCategoryOrAnalysis) {
    WriteFiveReleases();
    Run();
    form->show();
    form->ScrResults->setCurrentWidget(form->PdmSicPage);
    const int category = form->SicDescPdmSic->currentIndex();
    EXPECT_EQ(category, 1);
    const bool highEnd = form->HiEndPdmSic->isChecked();
    PressButton(highEnd ? form->AvePdmSic : form->HiEndPdmSic);
    QTest::mouseClick(form->SicDescPdmSic, Qt::LeftButton);
    QTest::keyClick(form->SicDescPdmSic, Qt::Key_Down);
    EXPECT_EQ(form->HiEndPdmSic->isChecked(), highEnd);
    EXPECT_EQ(form->SicDescPdmSic->currentIndex(), category);
    for (QWidget* choice :
         std::initializer_list<QWidget*>{form->SicDescPdmSic, form->HiEndPdmSic, form->AvePdmSic})
        EXPECT_FALSE(choice->isEnabled());
    form->hide();
    // The stand-alone pages run with the choices made on them.
    form->ShowDilutionPagesAlone();
    for (QWidget* choice :
         std::initializer_list<QWidget*>{form->SicDescPdmSic, form->HiEndPdmSic, form->AvePdmSic})
        EXPECT_TRUE(choice->isEnabled());
}

TEST_F(ResultsFormTest, ACategoryChangeAfterTheRunMakesNoRelease) {
    WriteFiveReleases();
    Run();
    ui.ClearShown();
    const std::uint32_t rows = Tables().PmnTable.RecordCount();
    form->SicDescPdmSic->setCurrentIndex(3);
    form->SicDescPdmSicChange();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(Tables().PmnTable.RecordCount(), rows);
    LoadScenarioRecord(",1");
    EXPECT_NE(PmnFieldAsString("PMN_ID"), ",1");
}

}  // namespace

namespace {

TEST_F(ResultsFormTest, AChemicalIdWithAPathInItWritesOnlyIntoTheDataFolder) {
    ResetScenarioRecord();
    SplitReleaseKey("../evil,1");
    CurrentPmn.RELEASES = "0X00";
    CurrentPmn.LANDREL = 2;
    CurrentPmn.DAYSNSLUDG = 100;
    SaveScenarioRecord();
    inputs.ReleaseKeys = {"../evil,1"};
    Run();
    EXPECT_TRUE(sys::FileExists(sys::NativePath(DataFolder + ".._evil.wpd")));
    EXPECT_FALSE(sys::FileExists(sys::NativePath(DataFolder + "../evil.wpd")));
    EXPECT_EQ(ui.Boxes().back().text,
              "Final report stored as " + sys::NativePath(DataFolder + ".._evil.wpd"));
}

}  // namespace

namespace {

TEST_F(ResultsFormTest, StationsThatEndTheTableAndAStoredStationOutOfRange) {
    // A stored position the dilution run reads as the first station lists the reach's three
    // stations and selects the first, never an entry past the list.
    for (double stored : {-3.0, 1e7}) {
        inputs = {};
        Write(1, [stored](pmn_record& r) {
            r.RELEASES = "X000";
            r.NPDES = "CA2355437";  // its reach's stations are the last rows of the table
            r.H2O_HI = 2;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.COC0 = 10;
            r.GAGE_POS = stored;
        });
        Run();
        ASSERT_EQ(Keys(form->ChemListPdmSite), std::vector<std::string>{Key(1)});
        EXPECT_EQ(form->GagePdmSite->count(), 3) << stored;
        EXPECT_EQ(form->GagePdmSite->currentIndex(), 0) << stored;
    }
}

TEST_F(ResultsFormTest, NotARiverIsSaidOncePerSelection) {
    WriteFiveReleases();
    Run();
    // The release's facility is changed to one whose reach has no flows after the run.
    LoadScenarioRecord(Key(1));
    CurrentPmn.NPDES = "NM8016206";
    SaveScenarioRecord();
    ui.ClearShown();
    form->ChemListPdmSiteSelectCell(0, 1);
    int told = 0;
    for (const forms::ShownItem& box : ui.Boxes())
        told += box.text.find("is not a river") != std::string::npos;
    EXPECT_EQ(told, 1);
    EXPECT_EQ(form->FieldText("NpdesPdmSite"), "");  // cleared for another choice
}

}  // namespace

namespace {

// Until the Word-format writers are installed, a run in Word format says so and reports no
// final report as stored.
TEST_F(ResultsFormTest, WordFormatWithoutItsWritersSaysSo) {
    TScrMain mainPage;
    mainPage.NoWord->setVisible(false);
    mainPage.NoWp->setVisible(true);
    WriteFiveReleases();
    Run();
    int told = 0;
    for (const forms::ShownItem& box : ui.Boxes())
        told += box.text.find("Word-format reports cannot be written") != std::string::npos;
    EXPECT_EQ(told, 1);
    EXPECT_EQ(ui.Boxes().back().text,
              "The calculations are complete, but the final report could not be stored.");
    EXPECT_FALSE(sys::FileExists(sys::NativePath(DataFolder + kChem + ".doc")));
}

}  // namespace
