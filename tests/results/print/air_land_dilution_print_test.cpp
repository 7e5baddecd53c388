// The printed inhalation, groundwater and dilution-model reports.
#include <QComboBox>
#include <regex>

#include "print_fixture.h"

namespace {

using AirLandPrintTest = PrintTest;

// The table of the stand-alone page's runs; the three runs of a full run are printed from the
// page in the run's printout tests.
TEST_F(AirLandPrintTest, DilutionIndustryCodeTableMode) {
    Fill({{"CocPdmSic", "55"}});
    form->ChemListPdmSic->hide();
    form->PdmSicResultsList->show();
    form->RelNumPDMSic->addItem("P-17-0042,8");
    form->HiEndPdmSic->SetChecked(true);
    forms::TStringGrid& grid = *form->PdmSicResultsList;
    grid.SetRowCount(3);
    grid.SetCells(0, 1, "run1");
    grid.SetCells(6, 1, "High    ");
    PressPrint(form->PdmSicPage, form->Button8);
    const std::string text = PdfText();
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
