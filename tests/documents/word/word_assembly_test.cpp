// Joining filled parts into one report with the appending macros, then finishing it.
#include <gtest/gtest.h>

#include <vector>

#include "documents/word_access.h"
#include "scenario/text_helpers.h"
#include "tests/documents/word/word_fixture.h"

namespace {

std::string PartTemplate(const std::string& title, const std::string& font) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 " + font +
           ";}}\n\\sectd\\pard\\plain\\f0\\fs20 " + title +
           " for {\\*\\bkmkstart CaseNum}{\\*\\bkmkend CaseNum}\\par\n"
           "\\trowd\\cellx4000\\cellx8000\\pard\\intbl Species\\cell Known\\cell\\row\n"
           "\\trowd\\cellx4000\\cellx8000\\pard\\intbl {\\*\\bkmkstart End04}{\\*\\bkmkend End04}"
           "\\cell {\\*\\bkmkstart End14}{\\*\\bkmkend End14}\\cell\\row\n"
           "\\trowd\\cellx4000\\cellx8000\\pard\\intbl {\\*\\bkmkstart End05}{\\*\\bkmkend End05}"
           "\\cell {\\*\\bkmkstart End15}{\\*\\bkmkend End15}\\cell\\row\n\\pard\\par}";
}

class WordAssemblyTest : public WordFixture {
  protected:
    // Writes one part as a report writer does: template copied into the work folder, filled.
    std::string WritePart(const std::string& name, const std::string& title,
                          const std::string& font, const std::string& species) {
        std::string templateName = scratch.Path(name + ".template");
        ScratchFolder::Write(templateName, PartTemplate(title, font));
        form.PartFileName = WordWorkFolder() + name;
        CopyFileBytes(templateName, form.PartFileName);
        form.in_file_name = form.PartFileName;
        EXPECT_TRUE(OpenWordDocument(form, true));
        SetBookmarkText(form, "P-12-0345", "CaseNum");
        if (!species.empty()) {
            SetBookmarkText(form, species, "End04");
            SetBookmarkText(form, "Yes", "End14");
        }
        CloseWordDocument(form);
        return form.PartFileName;
    }

    WordFileCarrier form;
};

TEST_F(WordAssemblyTest, PartsAreJoinedInTheOrderListedAndTheReportIsFinished) {
    Ship("blank.doc");
    std::vector<std::string> files = {
        WritePart("P-12-03451.erw", "Environmental releases", "Arial", ""),
        WritePart("P-12-03451.stw", "River site", "Times New Roman", "Heron"),
        WritePart("P-12-03451.lnw", "Landfill", "Courier New", ""),
    };
    // The assembly: each further part, then the closing document, appended to the first part.
    form.in_file_name = files[0];
    for (std::size_t i = 1; i <= files.size(); ++i) {
        bool last = i == files.size();
        CopyFileBytes(last ? std::string("blank.doc") : files[i], ZodirezozPath());
        ASSERT_TRUE(OpenWordDocument(form, true));
        RunWordMacro(form, last ? "appfileend" : "appfile");
        CloseWordDocument(form);
    }
    std::string report = scratch.Path("P-12-0345.doc");
    ScratchFolder::Write(report, "an older report of the same name");
    CopyFileBytes(files[0], report);
    form.in_file_name = report;
    ASSERT_TRUE(OpenWordDocument(form, false));
    RunWordMacro(form, "ridbar");
    CloseWordDocument(form);
    EXPECT_TRUE(ui.Boxes().empty());

    wordproc::Document joined = Reread(report);
    EXPECT_EQ(joined.PlainText(),
              "Environmental releases for P-12-0345\nSpecies\tKnown\t\n\n\n"
              "River site for P-12-0345\nSpecies\tKnown\t\nHeron\tYes\t\n\n\n"
              "Landfill for P-12-0345\nSpecies\tKnown\t\n\n\n");
    EXPECT_TRUE(joined.Bookmarks().empty());

    std::string independent = IndependentText(report);
    std::size_t previous = 0;
    for (const char* part : {"Environmental releases for P-12-0345", "River site for P-12-0345",
                             "Heron", "Landfill for P-12-0345"}) {
        std::size_t at = independent.find(part, previous);
        ASSERT_NE(at, std::string::npos) << part << " missing or out of order:\n" << independent;
        previous = at;
    }
    std::size_t fonts = independent.find("font table contains 3 fonts");
    EXPECT_NE(fonts, std::string::npos) << independent;
}

}  // namespace
