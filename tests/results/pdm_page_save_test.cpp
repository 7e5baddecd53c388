// The saves of the two dilution pages: the dilution row file from the result grids, the report
// in both formats, the write probe, failed copies and a save onto the report's own name.
#include <gtest/gtest.h>

#include "pdm_page_fixture.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"
#include "documents/dilution_rows.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "results/dilution_row_file.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_save.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"

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
    // A result row as the submit shows it.
    static void FillRow(forms::TStringGrid* grid, int row, double coc, double percent, double days,
                        const std::string& analysis = "") {
        grid->SetCells(0, row, FormatFixed2Width10(coc));
        grid->SetCells(1, row, FormatFixed0Width10(percent));
        grid->SetCells(2, row, FormatFixed0Width10(days));
        grid->SetCells(3, row, FormatFixed0Width6(250));
        grid->SetCells(4, row, FormatFixed2Width10(2.5));
        grid->SetCells(5, row, FormatFixed2Width6(90));
        if (!analysis.empty())
            grid->SetCells(6, row, analysis);
    }

    std::string RowFile() const { return program / DilutionRowFileName; }
};

TEST_F(PdmPageSaveTest, SiteSaveWritesItsGridRowsThenNoResultRows) {
    FillRow(form->PdmSiteResultsList, 1, 10, 12, 44);
    FillRow(form->PdmSiteResultsList, 2, 100, NotApplicable, NotApplicable);
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
    FillRow(form->PdmSicResultsList, 1, 5, 30, 110, "High    ");
    FillRow(form->PdmSicResultsList, 2, 2, 60, 219, "Average ");
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

}  // namespace
