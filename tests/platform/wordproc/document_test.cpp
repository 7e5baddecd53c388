// Bookmarks, text and damaged input of RTF documents in memory.
#include <gtest/gtest.h>

#include <string>

#include "platform/wordproc/document.h"
#include "platform/wordproc/errors.h"

namespace {

using wordproc::Document;
using wordproc::WordError;

// A small report page: a bookmark with bold text in it, an empty one, one in a table cell.
const char* kTemplate =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
    "\\pard\\plain Case: {\\*\\bkmkstart CaseNum}{\\b P-00-0000}{\\*\\bkmkend CaseNum}\\par\n"
    "Release: {\\*\\bkmkstart RelActivity}{\\*\\bkmkend RelActivity}\\par\n"
    "\\trowd\\cellx3000\\cellx6000\\pard\\intbl Flow\\cell "
    "{\\*\\bkmkstart HarMeanFlow}{\\*\\bkmkend HarMeanFlow}\\cell\\row\n"
    "\\pard Comments: {\\*\\bkmkstart Comments}none{\\*\\bkmkend Comments}\\par\n}";

Document Template() {
    return Document::Parse(kTemplate);
}

TEST(DocumentTest, UntouchedDocumentSavesByteForByte) {
    const std::string source =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24caf\\'e9 \\u8364?{\\*\\bkmkstart A}x"
        "{\\*\\bkmkend A}{\\pict\\bin3 \x01}\\x02}\r\n\\par}\r\n";
    EXPECT_EQ(Document::Parse(source).Serialize(), source);
}

TEST(DocumentTest, SettingABookmarkReplacesItsContentAndKeepsTheBookmark) {
    Document doc = Template();
    ASSERT_TRUE(doc.SetBookmarkText("CaseNum", "P-12-0345"));
    EXPECT_EQ(*doc.BookmarkText("CaseNum"), "P-12-0345");
    // The new text keeps the formatting of the text it replaced.
    EXPECT_NE(doc.Serialize().find("{\\b P-12-0345}"), std::string::npos);

    ASSERT_TRUE(doc.SetBookmarkText("CaseNum", "P-99-0001"));
    EXPECT_EQ(*doc.BookmarkText("CaseNum"), "P-99-0001");
    EXPECT_EQ(doc.PlainText().find("P-12-0345"), std::string::npos);

    ASSERT_TRUE(doc.SetBookmarkText("CaseNum", ""));
    EXPECT_EQ(*doc.BookmarkText("CaseNum"), "");
    EXPECT_NE(doc.PlainText().find("Case: \n"), std::string::npos);
    // The bookmark is still there to be filled again.
    ASSERT_TRUE(doc.SetBookmarkText("CaseNum", "again"));
    EXPECT_NE(doc.PlainText().find("Case: again\n"), std::string::npos);
}

TEST(DocumentTest, EmptyBookmarksAndTableCellsAreFilledInPlace) {
    Document doc = Template();
    ASSERT_TRUE(doc.SetBookmarkText("RelActivity", "Manufacture"));
    ASSERT_TRUE(doc.SetBookmarkText("HarMeanFlow", "1.23e+03"));
    ASSERT_TRUE(doc.SetBookmarkText("Comments", "Line one\r\nLine two"));
    EXPECT_EQ(doc.PlainText(),
              "Case: P-00-0000\nRelease: Manufacture\nFlow\t1.23e+03\t\n"
              "Comments: Line one\nLine two\n");
    // The document is still sound RTF after the edits.
    EXPECT_EQ(Document::Parse(doc.Serialize()).PlainText(), doc.PlainText());
}

TEST(DocumentTest, BookmarkNamesIgnoreCaseAndAreAtMost39Characters) {
    Document doc = Template();
    EXPECT_TRUE(doc.HasBookmark("casenum"));
    EXPECT_TRUE(doc.HasBookmark("HARMEANFLOW"));
    ASSERT_TRUE(doc.SetBookmarkText("relactivity", "Use"));
    EXPECT_EQ(*doc.BookmarkText("RelActivity"), "Use");

    std::string longest(39, 'a');
    std::string tooLong(40, 'a');
    Document named =
        Document::Parse("{\\rtf1 {\\*\\bkmkstart " + longest + "}{\\*\\bkmkend " + longest +
                        "}{\\*\\bkmkstart " + tooLong + "}{\\*\\bkmkend " + tooLong + "}}");
    EXPECT_TRUE(named.SetBookmarkText(std::string(39, 'A'), "fits"));
    EXPECT_FALSE(named.HasBookmark(tooLong));
    EXPECT_FALSE(named.SetBookmarkText(tooLong, "never"));
    EXPECT_EQ(named.PlainText(), "fits");
}

TEST(DocumentTest, AMissingBookmarkChangesNothing) {
    Document doc = Template();
    EXPECT_FALSE(doc.SetBookmarkText("NoSuchMark", "x"));
    EXPECT_FALSE(doc.BookmarkText("NoSuchMark").has_value());
    EXPECT_EQ(doc.Serialize(), kTemplate);
}

TEST(DocumentTest, TextIsEscapedAndReadBackUnchanged) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a{b}c\\d", "a{b}c\\d"},
        {"caf\xc3\xa9 20\xc2\xb0"
         "C \xe2\x82\xac",
         "caf\xc3\xa9 20\xc2\xb0"
         "C \xe2\x82\xac"},
        {"\xce\xbcg/L \xf0\x9f\x98\x80", "\xce\xbcg/L \xf0\x9f\x98\x80"},  // no Windows-1252 form
        {"caf\xe9", "caf\xc3\xa9"},  // a Windows-1252 byte that is not UTF-8
        {"1\t2\n3", "1\t2\n3"},
        {"\\par \\b1", "\\par \\b1"},  // control words as text stay text
        {"12 ", "12 "},                // trailing blank kept (as in "No ")
    };
    for (const auto& c : cases) {
        Document doc = Template();
        ASSERT_TRUE(doc.SetBookmarkText("RelActivity", c.text));
        Document reread = Document::Parse(doc.Serialize());
        EXPECT_EQ(*reread.BookmarkText("RelActivity"), c.expected) << c.text;
    }
}

TEST(DocumentTest, TextDirectlyAfterAControlWordDoesNotJoinIt) {
    // The bold switch stands right before the old text with no blank after it.
    for (const char* text : {"5", " x", "-1", "abc"}) {
        Document doc = Document::Parse("{\\rtf1 {\\*\\bkmkstart N}\\b\\'e9{\\*\\bkmkend N}}");
        ASSERT_TRUE(doc.SetBookmarkText("N", text));
        Document reread = Document::Parse(doc.Serialize());
        EXPECT_EQ(reread.PlainText(), text);
        EXPECT_NE(doc.Serialize().find("\\b "), std::string::npos) << doc.Serialize();
    }
}

TEST(DocumentTest, DamagedOrForeignInputIsAClearError) {
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {"", "not an RTF document"},
        {"Plain text, not a document", "not an RTF document"},
        {"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1 binary", "not an RTF document"},
        {"{\\foo bar}", "not an RTF document"},
        {"{\\rtf1 {\\b open", "never closed"},
        {"{\\rtf1 text}}", "more after the document's end"},
        {"{\\rtf1 a} {\\rtf1 b}", "more after the document's end"},
        {"}{\\rtf1 text}", "not an RTF document"},
        {"{\\rtf1 caf\\'g9}", "hexadecimal"},
        {"{\\rtf1 cut\\'e", "cut off"},
        {"{\\rtf1 {\\pict\\bin900 xy}}", "past the end"},
        {"{\\rtf1 end\\", "backslash ends"},
    };
    for (const auto& c : cases) {
        try {
            Document::Parse(c.bytes);
            ADD_FAILURE() << "accepted: " << c.bytes;
        } catch (const WordError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.bytes << " gave: " << error.what();
        }
    }
}

TEST(DocumentTest, DeeplyNestedGroupsDoNotExhaustTheStack) {
    std::string deep = "{\\rtf1 " + std::string(200000, '{') + "x" + std::string(200000, '}') + "}";
    EXPECT_EQ(Document::Parse(deep).PlainText(), "x");
    EXPECT_THROW(Document::Parse("{\\rtf1 " + std::string(200000, '{') + "}"), WordError);
}

TEST(DocumentTest, PlainTextLeavesOutTablesOfTheHeaderAndHiddenDestinations) {
    Document doc = Document::Parse(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
        "{\\info{\\title T}}{\\header head}{\\*\\generator g;}"
        "A\\tab B\\line C\\'e9\\u946?\\~D{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}\\par}");
    EXPECT_EQ(doc.PlainText(),
              "A\tB\nC\xc3\xa9\xce\xb2\xc2\xa0"
              "D7\n");
}

}  // namespace
