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

}  // namespace
