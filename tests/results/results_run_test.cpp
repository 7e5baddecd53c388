// What the results run shows and keeps: the first dilution-site row with its own release's load,
// a dilution row file that cannot be written, the parts of a report that could not be stored,
// the industry-code pages with a category out of range, and the texts the pages take from the
// release.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dilution/pdm_results.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/wordproc/processor.h"
#include "results/dilution_row_file.h"
#include "results/report_parts.h"
#include "results/word_report_install.h"
#include "results_run_fixture.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "shell/scr_main.h"

namespace {

int BoxesSaying(const forms::ScriptedUi& ui, const std::string& text) {
    int count = 0;
    for (const forms::ShownItem& box : ui.Boxes())
        count += box.text.find(text) != std::string::npos;
    return count;
}

// Two river releases at one facility with loads far apart; the first is left out of the dilution
// model, so the dilution page's first row is the second release while the Rivers page's first
// row, shown just before it, is the first.
class FirstDilutionRowTest : public ResultsFormTest {
  protected:
    void WriteTwoRiverReleases() {
        Write(1, [](pmn_record& r) {
            r.RELEASES = "X000";
            r.NPDES = "NY0020371";
            r.H2O_HI = 400;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.COC0 = 10;
        });
        Write(2, [](pmn_record& r) {
            r.RELEASES = "X000";
            r.NPDES = "NY0020371";
            r.H2O_HI = 2;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.COC0 = 10;
        });
        inputs.BadPdmKeys = {Key(1)};
    }
};

TEST_F(FirstDilutionRowTest, TheFirstRowIsRunWithItsOwnReleasesLoad) {
    WriteTwoRiverReleases();
    Run();
    ASSERT_EQ(Keys(form->ChemListSite), (std::vector<std::string>{Key(1), Key(2)}));
    ASSERT_EQ(Keys(form->ChemListPdmSite), std::vector<std::string>{Key(2)});
    // 2 kg/day with 50 % removal leaves 1 kg/day, not the first release's 200.
    EXPECT_EQ(form->FieldText("PreTreatPdmSite"), "2.00");
    EXPECT_EQ(form->FieldText("PostTreatPdmSite"), "1.00");
    EXPECT_DOUBLE_EQ(CurrentPmn.PostTreat, 1);
    const std::string days = form->FieldText("Days0Exceeded");
    const std::string percent = form->FieldText("Percent0Exceeded");
    // Choosing the row runs the model from the release as stored: the same results.
    form->ChemListPdmSiteSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("Days0Exceeded"), days);
    EXPECT_EQ(form->FieldText("Percent0Exceeded"), percent);
}

TEST_F(ResultsFormTest, ADilutionRowFileThatCannotBeWrittenIsToldOnceAndItsPartsLeftOut) {
    WriteFiveReleases();
    // A folder in the place of the row file: no file can be written there.
    const std::string rowFile = sys::JoinPath(sys::WorkingFolder(), DilutionRowFileName);
    sys::DeleteFile(rowFile);
    std::filesystem::create_directories(rowFile);
    Run();
    EXPECT_EQ(
        BoxesSaying(ui, "The dilution results could not be written to " + sys::NativePath(rowFile) +
                            ", so the dilution report parts are left out."),
        1);
    // The site and the industry-code dilution runs both met it; the other parts are written and
    // the report stored.
    for (const WpdPart& part : form->Report.FilesList) {
        EXPECT_EQ(part.path.find(".psw"), std::string::npos) << part.path;
        EXPECT_EQ(part.path.find(".piw"), std::string::npos) << part.path;
    }
    EXPECT_EQ(ui.Boxes().back().text,
              "Final report stored as " + sys::NativePath(DataFolder + kChem + ".wpd"));
    std::filesystem::remove_all(rowFile);
}

// The Word-format report of a chemical id with a path in it stays in the data folder, as the
// WordPerfect-format one does.
TEST_F(ResultsFormTest, AChemicalIdWithAPathInItKeepsTheWordReportInTheDataFolder) {
    for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
        if (entry.path().extension() == ".doc")
            std::filesystem::copy_file(entry.path(), program / entry.path().filename().string(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    TScrMain mainPage;
    mainPage.NoWord->setVisible(false);
    mainPage.NoWp->setVisible(true);
    InstallWordReportWriters();
    ResetScenarioRecord();
    SplitReleaseKey("../evil,1");
    CurrentPmn.RELEASES = "0X00";
    CurrentPmn.LANDREL = 2;
    CurrentPmn.DAYSNSLUDG = 100;
    SaveScenarioRecord();
    inputs.ReleaseKeys = {"../evil,1"};
    Run();
    WordWriters() = WordReportWriters{};
    wordproc::Processor::Shared().Quit();
    const std::string report = sys::NativePath(DataFolder + ".._evil.doc");
    EXPECT_TRUE(sys::FileExists(report));
    EXPECT_FALSE(sys::FileExists(sys::NativePath(DataFolder + "../evil.doc")));
    EXPECT_EQ(ui.Boxes().back().text, "Final report stored as " + report);
}

TEST_F(ResultsFormTest, PartsOfAReportThatCannotBeStoredAreKept) {
    WriteFiveReleases();
    // A folder where the report would go: the report cannot be written.
    const std::string report = sys::NativePath(DataFolder + kChem + ".wpd");
    std::filesystem::create_directories(report);
    Run();
    EXPECT_EQ(
        BoxesSaying(ui, "The report " + report + " could not be written; its parts are kept."), 1);
    ASSERT_FALSE(form->Report.FilesList.empty());
    for (const WpdPart& part : form->Report.FilesList)
        EXPECT_TRUE(sys::FileExists(sys::NativePath(part.path))) << part.path;

    // Once a report is stored, the next run's parts go.
    std::filesystem::remove_all(report);
    ui.ClearShown();
    Run();
    EXPECT_TRUE(sys::FileExists(report));
    for (const WpdPart& part : form->Report.FilesList)
        EXPECT_FALSE(sys::FileExists(sys::NativePath(part.path))) << part.path;
}

TEST_F(ResultsFormTest, AStoredCategoryOutOfRangeIsRefusedAndShowsNothingStale) {
    WriteFiveReleases();
    Write(6, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.SIC_CODE = 40;
        r.H2O_HI = 7;
        r.H2ODAYHI = r.H2ODAYLO = 100;
        r.COC0 = 5;
    });
    Run();
    EXPECT_EQ(BoxesSaying(ui, "Release " + Key(6) +
                                  " has the industry category 40, which is not one of the "
                                  "categories 1 to 36; its industry-code results are not "
                                  "calculated."),
              1);
    // Only release 3, of category 2, is on the industry-code pages, with its own code list.
    EXPECT_EQ(Keys(form->ChemListSic), std::vector<std::string>{Key(3)});
    EXPECT_EQ(Keys(form->ChemListPdmSic), std::vector<std::string>{Key(3)});
    EXPECT_EQ(form->FieldText("SicCodesSic"), "7211,7213-7219,7542");
    EXPECT_EQ(form->FieldText("IndTypeSic"), "Release 3");
    for (const WpdPart& part : form->Report.FilesList)
        EXPECT_EQ(part.path.find(std::string(kChem) + "6.siw"), std::string::npos) << part.path;
    // The release itself is still on the release page.
    EXPECT_EQ(Keys(form->ChemListEnvRel).size(), 6u);
}

TEST_F(ResultsFormTest, ChoosingADilutionCategoryRowKeepsTheReleaseAsStored) {
    WriteFiveReleases();
    LoadScenarioRecord(Key(3));
    CurrentPmn.H2O_HI = 12345.678;  // shown as 1.23E+04
    SaveScenarioRecord();
    Run();
    form->ChemListPdmSicSelectCell(0, 1);
    EXPECT_EQ(form->FieldText("PreTreatPdmSic"), "1.23E+04");
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 12345.678);
    EXPECT_DOUBLE_EQ(CurrentPmn.PostTreat, 6172.839);
    EXPECT_EQ(form->FieldText("PostTreatPdmSic"), DisplayValue(6172.839));
}

TEST_F(ResultsFormTest, TheExposedPopulationIsTheReleases) {
    WriteFiveReleases();
    for (int number : {1, 2, 3, 4, 5}) {
        LoadScenarioRecord(Key(number));
        CurrentPmn.POP_NUM = 2;
        SaveScenarioRecord();
    }
    // Whatever another screen last put in the record's label.
    CurrentPmn.PopulationLabel = "Adult";
    Run();
    for (const char* field : {"ExpPopSite", "ExpPopSic", "ExpPopLake", "ExpPopLand", "ExpPopFug"})
        EXPECT_EQ(form->FieldText(field), "Child (age 6-10)") << field;
}

TEST_F(ResultsFormTest, TheNoSpeciesNoteGoesWhenSpeciesAreListed) {
    Write(1, [](pmn_record& r) {
        r.RELEASES = "X000";
        r.NPDES = "NY0020371";  // its county lists three species
        r.H2O_HI = 2;
        r.H2ODAYHI = r.H2ODAYLO = 250;
        r.CRITTERS = true;
    });
    Run();
    EXPECT_GT(form->EndSpecSite->RowCount(), 1);
    EXPECT_FALSE(form->EndSpecSite->isHidden());
    EXPECT_TRUE(form->NoSpeciesLabel->isHidden());
}

TEST_F(ResultsFormTest, HalfADayShowsAsTheWholeDayAbove) {
    WriteFiveReleases();
    Run();
    LoadScenarioRecord(Key(1));
    for (int k = 0; k < 3; ++k) {
        PdmDaysExceeded[k] = 2.5;
        PdmPercentExceeded[k] = 12.5;
    }
    form->ShowPdmSiteResults();
    EXPECT_EQ(form->FieldText("Days0Exceeded"), "3");
    EXPECT_EQ(form->FieldText("Percent0Exceeded"), "13");
    PdmCoc[0] = 5;
    PdmDaysExceeded[0] = 182.5;
    PdmSicResultRows = 1;
    form->ShowPdmSicResults();
    EXPECT_EQ(form->FieldText("Days0ExceededPdmSic"), "183");
    EXPECT_EQ(form->PdmSicResultsList->Cells(2, 1), "       183");
}

}  // namespace
