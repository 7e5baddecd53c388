// Opening, filling and closing Word documents through a carrier, and the availability test.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "documents/word_access.h"
#include "documents/word_probe.h"
#include "platform/wordproc/errors.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"
#include "tests/documents/word/word_fixture.h"

namespace {

// A river-site page as a template holds it: some bookmarks empty, one with sample text.
const char* kSiteTemplate =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
    "\\sectd\\pard\\plain\\f0\\fs20 Case number: {\\*\\bkmkstart CaseNum}{\\*\\bkmkend "
    "CaseNum}\\par\n"
    "Facility: {\\*\\bkmkstart FacilityName}{\\b Sample facility}{\\*\\bkmkend FacilityName}\\par\n"
    "\\trowd\\trgaph108\\cellx4000\\cellx8000\\pard\\intbl Harmonic mean flow\\cell "
    "{\\*\\bkmkstart HarMeanFlow}{\\*\\bkmkend HarMeanFlow}\\cell\\row\n"
    "\\pard Comments: {\\*\\bkmkstart Comments}{\\*\\bkmkend Comments}\\par\n}";

class WordAccessTest : public WordFixture {};

// The dilution document form takes its path from another form, as TMkPdmDoc does.
class BorrowingCarrier : public WordCarrier {
  public:
    explicit BorrowingCarrier(const WordFileCarrier& owner) : owner_(owner) {}
    std::string DocumentToOpen() const override { return owner_.in_file_name; }
    std::string DocumentToOpenCheck() const override {
        return "ScrResForm->in_file_name.IsEmpty() == false";
    }

  private:
    const WordFileCarrier& owner_;
};

TEST_F(WordAccessTest, APartIsFilledThroughItsBookmarksAndReadsBackElsewhereToo) {
    ScratchFolder::Write(scratch.Path("site.doc"), kSiteTemplate);
    WordFileCarrier form;
    form.PartFileName = WordWorkFolder() + "P-12-0345" + "1.stw";
    form.in_file_name = "site.doc";
    CopyFileBytes("site.doc", form.PartFileName);
    form.in_file_name = form.PartFileName;
    ASSERT_TRUE(OpenWordDocument(form, true));
    SetBookmarkText(form, "P-12-0345", "CaseNum");
    SetBookmarkText(form, "Caf\xc3\xa9 {Nord} \\ Works", "facilityname");
    SetBookmarkText(form, "1.23e+03", "HarMeanFlow");
    SetBookmarkText(form, "first value", "Comments");
    SetBookmarkText(form, "Line one.\r\nLine two.", "Comments");  // the last text stays
    SetBookmarkText(form, "nowhere", "Dwt");                      // not in this template
    SetBookmarkText(form, "nowhere", std::string(40, 'C'));       // too long to be a name
    CloseWordDocument(form);
    EXPECT_FALSE(form.WordDocument1.Connected());
    EXPECT_TRUE(ui.Boxes().empty());

    std::string part = scratch.WorkFolder("P-12-03451.stw");
    wordproc::Document doc = Reread(part);
    EXPECT_EQ(doc.PlainText(),
              "Case number: P-12-0345\nFacility: Caf\xc3\xa9 {Nord} \\ Works\n"
              "Harmonic mean flow\t1.23e+03\t\nComments: Line one.\nLine two.\n");
    EXPECT_EQ(*doc.BookmarkText("Comments"), "Line one.\nLine two.");
    EXPECT_EQ(ScratchFolder::Read(scratch.Path("site.doc")), kSiteTemplate);

    std::string independent = IndependentText(part);
    for (const char* expected : {"Case number: P-12-0345", "Caf\xc3\xa9 {Nord} \\ Works",
                                 "1.23e+03", "Line one.", "Line two."}) {
        EXPECT_NE(independent.find(expected), std::string::npos) << expected << "\n" << independent;
    }
    EXPECT_EQ(independent.find("Sample facility"), std::string::npos);
    EXPECT_EQ(independent.find("first value"), std::string::npos);
}

TEST_F(WordAccessTest, AFailedOpenShowsTheMessageOnlyWhenAsked) {
    ScratchFolder::Write(scratch.Path("notes.doc"), "plain words");
    for (const char* name : {"missing.doc", "notes.doc"}) {
        WordFileCarrier form;
        form.in_file_name = scratch.Path(name);
        EXPECT_FALSE(OpenWordDocument(form, false));
        EXPECT_TRUE(ui.Boxes().empty());
        EXPECT_FALSE(OpenWordDocument(form, true));
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text, "Unable to access Word file.");
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_FALSE(form.WordDocument1.Connected());
        CloseWordDocument(form);  // nothing open: nothing to do
        ui.ClearShown();
    }
    EXPECT_EQ(ScratchFolder::Read(scratch.Path("notes.doc")), "plain words");
}

TEST_F(WordAccessTest, AnEmptyPathIsTheCallersFault) {
    WordFileCarrier form;
    BorrowingCarrier borrower(form);
    const struct {
        WordCarrier* carrier;
        const char* check;
    } cases[] = {{&form, "in_file_name.IsEmpty() == false"},
                 {&borrower, "ScrResForm->in_file_name.IsEmpty() == false"}};
    for (const auto& c : cases) {
        try {
            OpenWordDocument(*c.carrier, true);
            ADD_FAILURE() << "opened an empty path";
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), c.check);
        }
    }
    ScratchFolder::Write(scratch.Path("site.doc"), kSiteTemplate);
    form.in_file_name = scratch.Path("site.doc");
    ASSERT_TRUE(OpenWordDocument(borrower, true));
    EXPECT_EQ(borrower.OpenFileName, form.in_file_name);
    SetBookmarkText(borrower, "from the borrower", "CaseNum");
    CloseWordDocument(borrower);
    EXPECT_EQ(*Reread(form.in_file_name).BookmarkText("CaseNum"), "from the borrower");
}

TEST_F(WordAccessTest, MacroErrorsReachTheCallerAndTheDocumentCanStillBeClosed) {
    ScratchFolder::Write(scratch.Path("site.doc"), kSiteTemplate);
    WordFileCarrier form;
    form.in_file_name = scratch.Path("site.doc");
    ASSERT_TRUE(OpenWordDocument(form, true));
    SetBookmarkText(form, "P-1", "CaseNum");
    EXPECT_THROW(RunWordMacro(form, "NoSuchMacro"), wordproc::WordError);
    std::filesystem::remove(scratch.WorkFolder("zodirezoz.doc"));
    EXPECT_THROW(RunWordMacro(form, "appfile"), wordproc::WordError);
    CloseWordDocument(form);
    wordproc::Document doc = Reread(form.in_file_name);
    EXPECT_EQ(*doc.BookmarkText("CaseNum"), "P-1");
    EXPECT_EQ(doc.PlainText().find("Case number: P-1\n"), 0u);
}

TEST_F(WordAccessTest, TheAvailabilityTestAnswersOneWithTheShippedTestDocument) {
    Ship("tstombrix.doc");
    WordFileCarrier form;
    EXPECT_EQ(TestWordAvailable(form), 1);
    EXPECT_EQ(form.in_file_name, form.PartFileName);
    EXPECT_EQ(*Reread(scratch.Path("tstombrix.doc")).BookmarkText("Test"), "it worked");
    EXPECT_FALSE(form.WordDocument1.Connected());
    EXPECT_EQ(wordproc::Processor::Shared().OpenCount(), 0u);
    EXPECT_TRUE(ui.Shown().empty());
}

TEST_F(WordAccessTest, TheAvailabilityTestAnswersTwoSilentlyWhenItCannotWork) {
    const struct {
        const char* contents;  // nullptr: no test document
        bool workFolderBlocked;
    } cases[] = {{nullptr, false},
                 {"not a document", false},
                 {"{\\rtf1 {\\b cut", false},
                 {"{\\rtf1 {\\*\\bkmkstart Test}{\\*\\bkmkend Test}}", true}};
    for (const auto& c : cases) {
        std::filesystem::remove(scratch.Path("tstombrix.doc"));
        std::filesystem::remove_all(scratch.Path("drive_c"));
        if (c.contents)
            ScratchFolder::Write(scratch.Path("tstombrix.doc"), c.contents);
        if (c.workFolderBlocked)
            ScratchFolder::Write(scratch.Path("drive_c"), "a file");
        WordFileCarrier form;
        EXPECT_EQ(TestWordAvailable(form), 2) << (c.contents ? c.contents : "(none)");
        EXPECT_TRUE(ui.Shown().empty());
        if (c.contents) {
            EXPECT_EQ(ScratchFolder::Read(scratch.Path("tstombrix.doc")), c.contents);
        }
    }
}

TEST_F(WordAccessTest, TheProbeCachesTheAnswerInWordup) {
    ProgramFolder = scratch.Path("program");
    std::filesystem::create_directories(ProgramFolder);
    std::string wordup = scratch.Path("program/wordup");

    EXPECT_EQ(ProbeWord(), 2);
    EXPECT_EQ(ScratchFolder::Read(wordup), "NOWORD\n");

    Ship("tstombrix.doc");
    EXPECT_EQ(ProbeWord(), 1);
    EXPECT_EQ(ScratchFolder::Read(wordup), "WORD\n");
    EXPECT_TRUE(ui.Shown().empty());
    ProgramFolder.clear();
}

}  // namespace
