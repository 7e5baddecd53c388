// The built-in macros: appending the assembly document, and finishing a filled document.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/wordproc/errors.h"
#include "platform/wordproc/processor.h"
#include "platform/wordproc/tidy.h"
#include "tests/platform/wordproc/scratch_folder.h"

namespace {

using wordproc::Document;
using wordproc::Processor;
using wordproc::WordError;

// A part written with its own font and colour numbering.
std::string Part(const std::string& font, const std::string& family, const std::string& color,
                 const std::string& text) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\" + family + "\\fcharset0 " + font +
           ";}}{\\colortbl;" + color + ";}{\\info{\\title " + text +
           "}}\\paperw12240\\paperh15840\\sectd\\pard\\plain\\f0\\fs22\\cf1 " + text +
           " {\\*\\bkmkstart CaseNum}P-1{\\*\\bkmkend CaseNum}\\par}";
}

// The number written after the last "\word" that stands before the part's body text.
long NumberBefore(const std::string& rtf, const std::string& word, const std::string& text) {
    std::size_t at = rtf.find(text + " {\\*\\bkmkstart");
    std::size_t pos = rtf.rfind("\\" + word, at);
    while (pos != std::string::npos &&
           !std::isdigit(static_cast<unsigned char>(rtf[pos + word.size() + 1]))) {
        pos = rtf.rfind("\\" + word, pos - 1);
    }
    return pos == std::string::npos ? -1
                                    : std::strtol(rtf.c_str() + pos + word.size() + 1, nullptr, 10);
}

class MacroTest : public ::testing::Test {
  protected:
    void SetUp() override { processor.Start(); }

    void Assembly(const std::string& bytes) {
        ScratchFolder::Write(scratch.WorkFolder("zodirezoz.doc"), bytes);
    }

    ScratchFolder scratch;
    Processor processor;
};

TEST_F(MacroTest, AppendingKeepsThePartsInOrderWithTheirFontsAndColours) {
    std::string report = scratch.WorkFolder("P1.erw");
    ScratchFolder::Write(report, Part("Arial", "fswiss", "\\red255\\green0\\blue0", "Part one"));
    const struct {
        std::string part;
        const char* macro;
    } steps[] = {
        {Part("Courier New", "fmodern", "\\red0\\green0\\blue255", "Part two"), "appfile"},
        {Part("Arial", "fswiss", "\\red0\\green0\\blue255", "Part three"), "AppFile"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\plain The end.\\par}", "appfileend"},
    };
    for (const auto& step : steps) {
        Assembly(step.part);
        wordproc::DocumentId id = processor.Open(report);
        processor.RunMacro(step.macro);
        processor.Close(id, true);
    }
    std::string rtf = ScratchFolder::Read(report);
    Document joined = Document::Parse(rtf);
    EXPECT_EQ(joined.PlainText(), "Part one P-1\n\nPart two P-1\n\nPart three P-1\nThe end.\n");
    // Courier New joins the font table as font 1; blue joins the colour table as colour 2.
    EXPECT_NE(rtf.find("{\\f1\\fmodern\\fcharset0 Courier New;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\red0\\green0\\blue255;"), std::string::npos);
    EXPECT_EQ(NumberBefore(rtf, "f", "Part one"), 0);
    EXPECT_EQ(NumberBefore(rtf, "f", "Part two"), 1);
    EXPECT_EQ(NumberBefore(rtf, "f", "Part three"), 0);
    EXPECT_EQ(NumberBefore(rtf, "cf", "Part one"), 1);
    EXPECT_EQ(NumberBefore(rtf, "cf", "Part two"), 2);
    EXPECT_EQ(NumberBefore(rtf, "cf", "Part three"), 2);
    // Each appended part but the closing document starts a new page; titles stay out.
    std::size_t sections = 0;
    for (std::size_t at = rtf.find("\\sect\\"); at != std::string::npos;
         at = rtf.find("\\sect\\", at + 1)) {
        ++sections;
    }
    EXPECT_EQ(sections, 2u);
    EXPECT_EQ(rtf.find("{\\title Part two}"), std::string::npos);
}

TEST_F(MacroTest, AppendingToADocumentWithoutTablesAddsThem) {
    std::string report = scratch.Path("bare.doc");
    ScratchFolder::Write(report, "{\\rtf1 Bare text}");
    Assembly(Part("Times New Roman", "froman", "\\red0\\green128\\blue0", "Green"));
    wordproc::DocumentId id = processor.Open(report);
    processor.RunMacro("appfileend");
    processor.Close(id, true);
    std::string rtf = ScratchFolder::Read(report);
    EXPECT_EQ(Document::Parse(rtf).PlainText(), "Bare text\nGreen P-1\n");
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green128\\blue0;}"), std::string::npos) << rtf;
}

TEST_F(MacroTest, UnknownOrFailingMacrosAreErrorsThatLeaveTheDocumentAsItWas) {
    std::string report = scratch.WorkFolder("P1.stw");
    std::string original = Part("Arial", "fswiss", "\\red1\\green2\\blue3", "Kept");
    ScratchFolder::Write(report, original);
    const struct {
        const char* assembly;  // nullptr: no assembly document
        const char* macro;
        const char* message;
    } cases[] = {
        {nullptr, "nosuchmacro", "no macro named \"nosuchmacro\""},
        {nullptr, "", "no macro named"},
        {nullptr, "appfile", "zodirezoz.doc, does not exist"},
        {"not a document", "appfile", "not an RTF document"},
        {"{\\rtf1 {\\b unbalanced}", "appfileend", "never closed"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(scratch.WorkFolder("zodirezoz.doc"));
        if (c.assembly)
            Assembly(c.assembly);
        wordproc::DocumentId id = processor.Open(report);
        try {
            processor.RunMacro(c.macro);
            ADD_FAILURE() << c.macro << " ran";
        } catch (const WordError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
        processor.Close(id, true);
        EXPECT_EQ(ScratchFolder::Read(report), original);
    }
}

// A species page in both ways rows are written: properties before the cells, or (as newer
// word processors write) after them in a group of their own.
std::string SpeciesPage(bool propertiesFirst) {
    auto row = [propertiesFirst](const std::string& cells) {
        std::string props = "\\trowd\\trgaph108\\cellx3000\\cellx6000";
        return propertiesFirst ? props + "\\pard\\intbl " + cells + "\\row\n"
                               : "\\pard\\intbl " + cells + "{" + props + "\\row}\n";
    };
    auto marks = [](int r) {
        std::string cells;
        for (int c = 0; c < 2; ++c) {
            std::string name = "End" + std::to_string(c) + std::to_string(r);
            cells += "{\\*\\bkmkstart " + name + "}{\\*\\bkmkend " + name + "}\\cell ";
        }
        return cells;
    };
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Case {\\*\\bkmkstart CaseNum}"
           "{\\*\\bkmkend CaseNum}\\par\n" +
           row("Common Name\\cell State\\cell ") + row(marks(4)) + row(marks(5)) + row(marks(6)) +
           row("\\cell \\cell ") + "\\pard After the table.\\par}";
}

TEST_F(MacroTest, FinishingDropsUnfilledRowsAndBookmarks) {
    for (bool propertiesFirst : {true, false}) {
        for (const char* macro : {"ridbar", "x_xyz"}) {
            std::string path = scratch.Path("page.en0");
            ScratchFolder::Write(path, SpeciesPage(propertiesFirst));
            wordproc::DocumentId id = processor.Open(path);
            const char* fill[][2] = {{"CaseNum", "CaseNum"}, {"End14", "  "}, {"End05", "Heron"}};
            for (const auto& [mark, text] : fill) {
                processor.GoToBookmark(mark);
                processor.SetSelectionText(text);
            }
            processor.RunMacro(macro);
            processor.Close(id, true);

            std::string once = ScratchFolder::Read(path);
            Document doc = Document::Parse(once);
            // Row 4 held only blanks and row 6 nothing: both go. The title row and the empty
            // row without bookmarks are the template's own and stay.
            EXPECT_EQ(doc.PlainText(),
                      "Case CaseNum\nCommon Name\tState\t\nHeron\t\t\n\t\t\nAfter the table.\n")
                << macro << " " << propertiesFirst;
            EXPECT_TRUE(doc.Bookmarks().empty());
            EXPECT_EQ(once.find("bkmk"), std::string::npos);

            id = processor.Open(path);
            processor.RunMacro(macro);
            processor.Close(id, true);
            EXPECT_EQ(ScratchFolder::Read(path), once) << "a second run changed the document";
        }
    }
}

TEST(TidyTest, RowsThatDoNotStandAloneAreLeftAlone) {
    // The row's start lies inside a group that closes within the row: deleting it would
    // unbalance the document, so it stays.
    Document doc = Document::Parse(
        "{\\rtf1 {\\pard\\intbl {\\*\\bkmkstart A}{\\*\\bkmkend A}\\cell}\\trowd\\cellx99\\row}");
    EXPECT_EQ(wordproc::RemoveUnfilledRows(doc), 0u);
    EXPECT_EQ(wordproc::RemoveBookmarks(doc), 2u);
    EXPECT_EQ(doc.Serialize(), "{\\rtf1 {\\pard\\intbl \\cell}\\trowd\\cellx99\\row}");
}

TEST(TidyTest, ATableRightAfterTheHeaderLosesOnlyItsRow) {
    Document doc = Document::Parse(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\trowd\\cellx99\\pard\\intbl "
        "{\\*\\bkmkstart A}{\\*\\bkmkend A}\\cell\\row\\pard After\\par}");
    EXPECT_EQ(wordproc::RemoveUnfilledRows(doc), 1u);
    EXPECT_EQ(doc.Serialize(), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard After\\par}");
}

}  // namespace
