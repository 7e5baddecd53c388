// The consumer model's exchange files: the lines of nyrinput.txt and the reading of nyrout.txt.
#include "shell/consumer_exchange.h"

#include <gtest/gtest.h>

#include "tests/shell/forms/nyr_lines.h"

namespace {

TEST(NyrInputTest, LinesAndFormats) {
    ConsumerCaseInput in;
    in.caseNum = "P-01-0001";
    in.chemName = "Test chemical";
    in.wtFracMed = 0.05;
    in.wtFrac90 = 0.125;
    in.mw = 120.5;
    in.vp = 0.001;
    in.bw = 80;
    in.inhale = 0.61;
    in.cancerAt = 78;
    in.popNum = 5;
    in.kivScen = 3;
    in.wordPerfect = false;
    in.saBody = 840;
    in.saHand = 840;
    in.edKiv = 57;
    in.prodName = "Floor wax";
    std::vector<std::string> expected = {
        "P-01-0001",  "Test chemical", "0.05",      "0.125",    "120.500000", "0.001000",
        "80.000000",  "0.610000",      "78.000000", "6",        "3",          "word",
        "840.000000", "840.000000",    "57.000000", "Floor wax"};
    EXPECT_EQ(Lines(FormatNyrInput(in)), expected);
    in.wordPerfect = true;
    in.popNum = 0;
    std::vector<std::string> lines = Lines(FormatNyrInput(in));
    EXPECT_EQ(lines[9], "1");
    EXPECT_EQ(lines[11], "wp");
}

const char* kGoodAnswer =
    "4\n  Carpet cleaner\n0.02\n0.1\n65.5\n0.55\n70\n18000\n900\n12.5\n1.5E-3\nresults...\n";

TEST(NyrOutputTest, TenLinesAreReadAndLeadingBlanksOfTheNameDropped) {
    std::string error;
    auto values = ParseNyrOutput(kGoodAnswer, error);
    ASSERT_TRUE(values) << error;
    EXPECT_EQ(values->kivScen, 4);
    EXPECT_EQ(values->prodName, "Carpet cleaner");
    EXPECT_EQ(values->wtFracMed, 0.02);
    EXPECT_EQ(values->wtFrac90, 0.1);
    EXPECT_EQ(values->bw, 65.5);
    EXPECT_EQ(values->inhale, 0.55);
    EXPECT_EQ(values->cancerAt, 70);
    EXPECT_EQ(values->saBody, 18000);
    EXPECT_EQ(values->saHand, 900);
    EXPECT_EQ(values->edKiv, 12.5);

    auto crlf = ParseNyrOutput("4\r\nWax\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", error);
    ASSERT_TRUE(crlf) << error;
    EXPECT_EQ(crlf->prodName, "Wax");
    EXPECT_EQ(crlf->edKiv, 8);
}

TEST(NyrOutputTest, ShortOrMisalignedAnswersAreRefused) {
    struct Case {
        const char* name;
        const char* text;
        const char* errorPart;
    } cases[] = {
        {"nine lines", "4\nWax\n1\n2\n3\n4\n5\n6\n7\n", "9 lines"},
        {"empty", "", "0 lines"},
        {"name missing, values shifted up", "4\n\n1\n2\n3\n4\n5\n6\n7\n", "9 lines"},
        {"text where a number belongs", "4\nWax\n1\nheavy\n3\n4\n5\n6\n7\n8\n", "line 4"},
        {"no scenario number", "x\nWax\n1\n2\n3\n4\n5\n6\n7\n8\n", "line 1"},
        {"number with trailing text", "4\nWax\n1\n2\n3kg\n4\n5\n6\n7\n8\n", "line 5"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseNyrOutput(c.text, error)) << c.name;
        EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.name << ": " << error;
    }
}

}  // namespace
