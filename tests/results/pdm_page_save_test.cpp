// The saves of the two dilution pages: the dilution row file from the result grids, the report
// in both formats, the write probe, failed copies and a save onto the report's own name.
#include <gtest/gtest.h>

#include "pdm_page_fixture.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "documents/dilution_rows.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "results/dilution_row_file.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_save.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/support/pdm_result_rows.h"

namespace {

std::vector<std::string> FileLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class PdmPageSaveTest : public PdmPageTest {
  protected:
    std::string RowFile() const { return program / DilutionRowFileName; }
};

TEST_F(PdmPageSaveTest, SiteSaveWritesItsGridRowsThenNoResultRows) {
    FillPdmResultRow(form->PdmSiteResultsList, 1, 10, 12, 44);
    FillPdmResultRow(form->PdmSiteResultsList, 2, 100, NotApplicable, NotApplicable);
    PdmSiteResultRows = 3;
    form->SaveWithoutAsking = true;
    form->SavePdmSiteClick();
    EXPECT_EQ(PdmSiteResultRows, 3);
    EXPECT_TRUE(ui.Shown().empty()) << ui.Shown().front().text;

    const std::vector<std::string> lines = FileLines(RowFile());
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "     10.00         12         44    250       2.50  90.00");
    EXPECT_EQ(lines[1], "    100.00      N/A      N/A    250       2.50  90.00");
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_EQ(lines[i] + "\n", SitePageNoResultLine);

    const std::vector<DilutionRow> rows = ReadDilutionRowFile(RowFile(), DilutionRowKind::Site);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_DOUBLE_EQ(rows[0].coc, 10);
    EXPECT_DOUBLE_EQ(rows[0].percentExceeded, 12);
    EXPECT_DOUBLE_EQ(rows[0].daysExceeded, 44);
    EXPECT_DOUBLE_EQ(rows[0].releaseDays, 250);
    EXPECT_DOUBLE_EQ(rows[0].preTreatRelease, 2.5);
    EXPECT_DOUBLE_EQ(rows[0].wwtRemoval, 90);
    EXPECT_DOUBLE_EQ(rows[1].coc, 100);
    EXPECT_DOUBLE_EQ(rows[1].percentExceeded, NoDilutionResult);
    EXPECT_DOUBLE_EQ(rows[1].daysExceeded, NoDilutionResult);
    EXPECT_DOUBLE_EQ(rows[1].wwtRemoval, 90);
    for (size_t i = 2; i < rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(rows[i].coc, NoDilutionResult);
        EXPECT_DOUBLE_EQ(rows[i].percentExceeded, NoDilutionResult);
        EXPECT_DOUBLE_EQ(rows[i].wwtRemoval, NoDilutionResult);
    }
}

// The row of the last submit is written too: nothing filled is dropped.
TEST_F(PdmPageSaveTest, IndustryCodeSaveWritesEveryFilledRow) {
    FillPdmResultRow(form->PdmSicResultsList, 1, 5, 30, 110, "High    ");
    FillPdmResultRow(form->PdmSicResultsList, 2, 2, 60, 219, "Average ");
    PdmSicResultRows = 2;
    form->SaveWithoutAsking = true;
    form->SavePdmSicClick();
    EXPECT_EQ(PdmSicResultRows, 2);
    EXPECT_TRUE(ui.Shown().empty()) << ui.Shown().front().text;

    const std::vector<std::string> lines = FileLines(RowFile());
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "      5.00         30        110    250       2.50  90.00 High     ---");
    EXPECT_EQ(lines[1], "      2.00         60        219    250       2.50  90.00 Average  ---");
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_EQ(lines[i] + "\n", IndustryCodePageNoResultLine);
    const std::vector<DilutionRow> rows =
        ReadDilutionRowFile(RowFile(), DilutionRowKind::IndustryCode);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_DOUBLE_EQ(rows[1].coc, 2);
    EXPECT_DOUBLE_EQ(rows[1].daysExceeded, 219);
    EXPECT_EQ(rows[1].analysis, "Average");
    EXPECT_DOUBLE_EQ(rows[2].coc, NoDilutionResult);
    EXPECT_EQ(rows[2].analysis.substr(0, 1), "-");
}

TEST_F(PdmPageSaveTest, AnEmptyGridWritesOnlyNoResultRows) {
    form->SaveWithoutAsking = true;
    form->SavePdmSicClick();
    std::vector<std::string> lines = FileLines(RowFile());
    ASSERT_EQ(lines.size(), 21u);
    for (const std::string& line : lines)
        EXPECT_EQ(line + "\n", IndustryCodePageNoResultLine);
    EXPECT_STREQ(
        IndustryCodePageNoResultLine,
        "        -9.      -9.000        -9.0   -9.000      -9.000         -9.  ---  ---\n");

    form->SavePdmSiteClick();
    lines = FileLines(RowFile());
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[20] + "\n", SitePageNoResultLine);
    EXPECT_STREQ(SitePageNoResultLine,
                 "        -9.      -9.000        -9.0   -9.000      -9.000         -9.\n");
    for (const DilutionRow& row : ReadDilutionRowFile(RowFile(), DilutionRowKind::Site)) {
        EXPECT_DOUBLE_EQ(row.coc, NoDilutionResult);
        EXPECT_DOUBLE_EQ(row.releaseDays, NoDilutionResult);
    }
}

// A page as the saves see it: its grid, its save command, the name parts and the message.
struct PageCase {
    const char* name;
    forms::TStringGrid* TScrResForm::*grid;
    void (TScrResForm::*save)();
    forms::TButton* TScrResForm::*saveButton;
    const char* fallbackName;  // after the case number, in the data folder
    const char* ownName;       // after the case number: the page's report in the data folder
    const char* savedText;
    const char* savedCaption;
};

const PageCase kPages[] = {
    {"site", &TScrResForm::PdmSiteResultsList, &TScrResForm::SavePdmSiteClick,
     &TScrResForm::SavePdmSite, ".pdmsite.wpd", ".pdmsite.wpd", "File has been saved as ", "Note"},
    {"industry code", &TScrResForm::PdmSicResultsList, &TScrResForm::SavePdmSicClick,
     &TScrResForm::SavePdmSic, "pdmsic.wpd", ".pdmsic.wpd", "Final report stored as ",
     "Calculations Complete"},
};

class PdmPageReportTest : public PdmPageSaveTest {
  protected:
    void SetUp() override {
        PdmPageSaveTest::SetUp();
        std::filesystem::create_directory(out);
    }

    // Fills a row, answers the dialog with the path and saves the page.
    void SaveAs(const PageCase& page, const std::optional<std::string>& path) {
        FillPdmResultRow(form.get()->*page.grid, 1, 10, 12, 44, "High    ");
        PdmSiteResultRows = PdmSicResultRows = 2;
        form->SaveWithoutAsking = false;
        ui.AnswerNextDialog(path);
        (form.get()->*page.save)();
    }

    // The report the assembly stored for the page.
    static std::string AssembledReport(const PageCase& page = kPages[0]) {
        return sys::NativePath(DataFolder + kChem + page.ownName);
    }
    // The report of the chemical's full run.
    static std::string FullReport() { return sys::NativePath(DataFolder + kChem + ".wpd"); }

    std::vector<std::string> OutFiles() const { return sys::ListFolder(out); }

    const std::string out = program / "out";
};

TEST_F(PdmPageReportTest, TheAssembledReportIsCopiedToTheChosenName) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        ui.ClearShown();
        const std::string chosen = out + "/" + page.name + " report.wpd";
        SaveAs(page, chosen);
        EXPECT_EQ(PdmSiteResultRows, 2);
        EXPECT_EQ(PdmSicResultRows, 2);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, page.savedText + chosen);
        EXPECT_EQ(ui.Boxes()[0].caption, page.savedCaption);
        const std::optional<std::string> copy = sys::ReadWholeFile(chosen);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->substr(0, 4), "\xFFWPC");
        EXPECT_EQ(copy, sys::ReadWholeFile(AssembledReport(page)));
        EXPECT_TRUE((form.get()->*page.saveButton)->isHidden());
        EXPECT_EQ(form->ReportBaseName, out + "/" + page.name + " report");
    }
}

TEST_F(PdmPageReportTest, ACancelledDialogWritesTheRowsOnly) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        sys::DeleteFile(RowFile());
        ui.ClearShown();
        SaveAs(page, std::nullopt);
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_EQ(FileLines(RowFile()).size(), 21u);
        EXPECT_FALSE(sys::FileExists(AssembledReport(page)));
        EXPECT_EQ(PdmSiteResultRows, 2);
        EXPECT_EQ(PdmSicResultRows, 2);
        EXPECT_FALSE((form.get()->*page.saveButton)->isHidden() &&
                     (form.get()->*page.saveButton)->isVisible());
    }
}

// The folder is tried without opening any file of it: a file named like the report less its
// extension keeps its bytes, and nothing is left behind.
TEST_F(PdmPageReportTest, TheWriteProbeTouchesNoFileOfTheFolder) {
    const std::string similar = out + "/report";
    ASSERT_TRUE(sys::WriteWholeFile(similar, "keep me"));
    SaveAs(kPages[0], out + "/report.wpd");
    EXPECT_EQ(sys::ReadWholeFile(similar), std::optional<std::string>("keep me"));
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"report", "report.wpd"}));
    EXPECT_TRUE(FolderIsWritable(out));
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"report", "report.wpd"}));
    EXPECT_FALSE(FolderIsWritable(out + "/missing"));
}

TEST_F(PdmPageReportTest, AFolderThatCannotBeWrittenFallsBackToTheDataFolder) {
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        ui.ClearShown();
        SaveAs(page, out + "/missing/report.wpd");
        const std::string fallback = DataFolder + kChem + page.fallbackName;
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, page.savedText + sys::NativePath(fallback));
        EXPECT_EQ(sys::ReadWholeFile(sys::NativePath(fallback)),
                  sys::ReadWholeFile(AssembledReport(page)));
        EXPECT_FALSE(sys::FileExists(out + "/missing"));
    }
}

TEST_F(PdmPageReportTest, AFailedCopyIsReportedAndNeverCalledSaved) {
    const std::string blocked = out + "/report.wpd";
    std::filesystem::create_directory(blocked);  // a folder where the report should go
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        ui.ClearShown();
        SaveAs(page, blocked);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_NE(ui.Boxes()[0].text.find("could not be saved as " + blocked), std::string::npos);
        EXPECT_TRUE(std::filesystem::is_directory(blocked));
    }
}

// Each save is a report of its own: a missing template is named at every save.
TEST_F(PdmPageReportTest, AMissingTemplateIsNamedAtEverySave) {
    for (int rows = 1; rows <= PdmResultGridRows; ++rows)
        std::filesystem::remove(program / ("pdmste" + std::to_string(rows) + ".wpd"));
    for (int save = 0; save < 2; ++save) {
        ui.ClearShown();
        SaveAs(kPages[0], out + "/report.wpd");
        ASSERT_EQ(ui.Boxes().size(), 1u) << "save " << save;
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_NE(ui.Boxes()[0].text.find(".wpd could not be read"), std::string::npos)
            << ui.Boxes()[0].text;
    }
}

// Choosing the name the assembly stored the report under keeps the report, in any spelling.
TEST_F(PdmPageReportTest, SavingOntoTheAssembledReportKeepsIt) {
    const std::string folder = sys::NativePath(DataFolder);
    for (const std::string& chosen :
         {AssembledReport(), folder + "./" + std::string(kChem) + ".pdmsite.wpd"}) {
        SCOPED_TRACE(chosen);
        ui.ClearShown();
        SaveAs(kPages[0], chosen);
        const std::optional<std::string> report = sys::ReadWholeFile(AssembledReport());
        ASSERT_TRUE(report);
        EXPECT_GT(report->size(), 100u);
        EXPECT_EQ(report->substr(0, 4), "\xFFWPC");
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, "File has been saved as " + chosen);
    }
}

// A page's report is its own: the report of the chemical's full run stays as it was, whether the
// page is saved under a name chosen or at once by a submit.
TEST_F(PdmPageReportTest, APageReportNeverReplacesTheFullRunReport) {
    ASSERT_TRUE(sys::WriteWholeFile(FullReport(), "the full run's report"));
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.name);
        sys::DeleteFile(AssembledReport(page));
        SaveAs(page, out + "/" + page.name + ".wpd");
        EXPECT_TRUE(sys::FileExists(AssembledReport(page)));

        sys::DeleteFile(AssembledReport(page));
        FillPdmResultRow(form.get()->*page.grid, 1, 10, 12, 44, "High    ");
        form->SaveWithoutAsking = true;
        (form.get()->*page.save)();
        form->SaveWithoutAsking = false;
        const std::optional<std::string> report = sys::ReadWholeFile(AssembledReport(page));
        ASSERT_TRUE(report);
        EXPECT_EQ(report->substr(0, 4), "\xFFWPC");
        EXPECT_EQ(sys::ReadWholeFile(FullReport()),
                  std::optional<std::string>("the full run's report"));
    }
}

// The Word side through writers installed by the test: the page's part document is what the
// save hands on.
class PdmPageWordTest : public PdmPageReportTest {
  protected:
    void SetUp() override {
        PdmPageReportTest::SetUp();
        mainPage = std::make_unique<TScrMain>();
        mainPage->NoWord->setVisible(false);
        part = sys::NativePath(DataFolder + "pdmpart.doc");
        WordWriters().WritePdmPageDoc = [this](TScrResForm& f, ReportPart which) {
            written.push_back(which);
            f.Report.FilesList.assign(1, WpdPart{part});
            return sys::WriteWholeFile(part, "part");
        };
        // As the Word side does: the part is finished in place, and the name given back is
        // that of a report the save does not write.
        WordWriters().SavePdmDocument = [this](TScrResForm&) {
            ++finished;
            sys::WriteWholeFile(part, "finished");
            return DataFolder + kChem + ".doc";
        };
    }
    void TearDown() override {
        mainPage.reset();
        PdmPageReportTest::TearDown();
    }

    std::unique_ptr<TScrMain> mainPage;
    std::string part;
    std::vector<ReportPart> written;
    int finished = 0;
};

TEST_F(PdmPageWordTest, TheChosenNameGetsThePartDocument) {
    SaveAs(kPages[0], out + "/site.doc");
    SaveAs(kPages[1], out + "/sic.doc");
    EXPECT_EQ(written, (std::vector<ReportPart>{ReportPart::PdmSite, ReportPart::PdmSic}));
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(sys::ReadWholeFile(out + "/site.doc"), std::optional<std::string>("part"));
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].text, "File has been saved as " + out + "/site.doc");
    EXPECT_EQ(ui.Boxes()[1].text, "Final report stored as " + out + "/sic.doc");
    EXPECT_FALSE(sys::FileExists(AssembledReport()));
}

// Saved at once by a submit: the document is finished and copied beside the working folder's
// files under the proposed name with ".doc" added.
TEST_F(PdmPageWordTest, ASaveWithoutAskingFinishesTheDocument) {
    FillPdmResultRow(form->PdmSiteResultsList, 1, 10, 12, 44);
    form->SaveWithoutAsking = true;
    form->SavePdmSiteClick();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(ui.Shown().empty());
    EXPECT_EQ(sys::ReadWholeFile(program / (std::string(kChem) + ".pdmsite.doc.doc")),
              std::optional<std::string>("finished"));
}

TEST_F(PdmPageWordTest, WithoutTheWordWritersNothingIsWrittenAndTheUserIsTold) {
    WordWriters().WritePdmPageDoc = nullptr;
    WordWriters().SavePdmDocument = nullptr;
    SaveAs(kPages[0], out + "/site.doc");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("Word-format reports are not available"), std::string::npos);
    EXPECT_TRUE(OutFiles().empty());
    EXPECT_EQ(FileLines(RowFile()).size(), 21u);
}

}  // namespace
