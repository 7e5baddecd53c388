// The comment lines of a printed report as the memo wraps them; the reports' values are printed
// from a run in the run's printout tests.
#include "print_fixture.h"

namespace {

using AirLandPrintTest = PrintTest;

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
