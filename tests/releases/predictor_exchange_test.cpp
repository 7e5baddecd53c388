// The files exchanged with the downwind predictor: the request, the answer and its completeness.
#include "releases/predictor_exchange.h"

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "predictor/exchange.h"
#include "tests/shell/forms/program_folder.h"

namespace {

TEST(PredictorExchangeTest, FolderOfTheProgram) {
    EXPECT_EQ(PredictorFolder("C:\\x\\chimramn.exe"), "C:\\x");
    EXPECT_EQ(PredictorFolder("/opt/ombrix/chimramn"), "/opt/ombrix");
    EXPECT_EQ(PredictorFolder("chimramn.exe"), "");
    EXPECT_EQ(PredictorRequestPath("C:\\x"), "C:\\x\\chimra.in");
    EXPECT_EQ(PredictorAnswerPath("C:\\x"), "C:\\x\\chimra.out");
}

TEST(PredictorExchangeTest, CompleteAnswer) {
    std::optional<PredictorAnswer> answer = ParsePredictorAnswer(
        "1.234500e-03\n2.500000e-02\n0.000000e+00\n4.000000e-01\ntrue\n"
        "Stability and Wind Speed\nC\n");
    ASSERT_TRUE(answer);
    EXPECT_DOUBLE_EQ(answer->StackAnnual, 1.2345e-3);
    EXPECT_DOUBLE_EQ(answer->StackMax24Hour, 0.025);
    EXPECT_DOUBLE_EQ(answer->FugitiveAnnual, 0);
    EXPECT_DOUBLE_EQ(answer->FugitiveMax24Hour, 0.4);
    EXPECT_TRUE(answer->Downwash);
    EXPECT_EQ(answer->MetClass, "Stability and Wind Speed");
    EXPECT_EQ(answer->StabilityClass, 2);
}

TEST(PredictorExchangeTest, ReadingRulesOfEachLine) {
    // The predictor's own default answer, with Windows line ends, is complete.
    std::optional<PredictorAnswer> answer =
        ParsePredictorAnswer("0.0\r\n0.0\r\n0.0\r\n0.0\r\nfalse\r\nFull\r\nA\r\n");
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->Downwash);
    EXPECT_EQ(answer->MetClass, "Full");
    EXPECT_EQ(answer->StabilityClass, 0);
    for (const char* word : {"True", "TRUE", "yes", ""}) {
        std::string text = std::string("1\n2\n3\n4\n") + word + "\nFull\nF\n";
        ASSERT_TRUE(ParsePredictorAnswer(text)) << word;
        EXPECT_FALSE(ParsePredictorAnswer(text)->Downwash) << "only \"true\" checks it: " << word;
        EXPECT_EQ(ParsePredictorAnswer(text)->StabilityClass, 5);
    }
    EXPECT_EQ(ParsePredictorAnswer("1 mg\n2\n3\n4\ntrue extra\nFull\nB\n")->StackAnnual, 1)
        << "the first token of a line counts";
}

TEST(PredictorExchangeTest, IncompleteAnswersAreRefused) {
    const char* answers[] = {
        "0.00\n0.00\n",                   // the reset written before the run
        "",                               // nothing
        "1\n2\n3\n4\ntrue\nFull\n",       // no stability class
        "1\n2\n3\n4\ntrue\nFull\nG\n",    // no class letter A to F
        "1\n2\n3\n4\ntrue\nFull\nc\n",    // lower case
        "1\n2\n3\n4\ntrue\nFull\nCD\n",   // more than one letter
        "1\n2\n3\n4\ntrue\nFull\n3\n",    // a digit
        "1\nx\n3\n4\ntrue\nFull\nA\n",    // a concentration that is no number
        "1\n2\n\n4\ntrue\nFull\nA\n",     // an empty concentration
        "1\n2\n3\ninf\ntrue\nFull\nA\n",  // not finite
        "1\n2\n3\n4\ntrue\n   \nA\n",     // no met class
    };
    for (const char* text : answers)
        EXPECT_FALSE(ParsePredictorAnswer(text)) << text;
}

// The predictor's own writer and this reader agree: every answer it writes is complete here, with
// the same values, and its class letters A to F are the classes 0 to 5 of the scenario table.
TEST(PredictorExchangeTest, RoundTripWithThePredictorsWriter) {
    std::optional<PredictorAnswer> initial = ParsePredictorAnswer(ChimraOutText(ChimraAnswer{}));
    ASSERT_TRUE(initial);
    EXPECT_EQ(initial->MetClass, "Full");
    EXPECT_EQ(initial->StabilityClass, 0);
    const char* letters = "ABCDEF";
    for (int index = 0; index < 6; ++index) {
        ChimraAnswer written;
        written.concentrations = {1.2345678e-4, 0.5, 3e-9, 12.75};
        written.downwash = index % 2 == 1;
        written.metClass = index < 3 ? "Stability Class Only" : "Stability and Wind Speed";
        written.stabilityLetter = std::string(1, letters[index]);
        std::optional<PredictorAnswer> read = ParsePredictorAnswer(ChimraOutText(written));
        ASSERT_TRUE(read) << index;
        EXPECT_EQ(read->StabilityClass, index);
        EXPECT_EQ(read->Downwash, written.downwash);
        EXPECT_EQ(read->MetClass, written.metClass);
        // The predictor writes every digit the release row holds.
        EXPECT_EQ(read->StackAnnual, 1.2345678e-4);
        EXPECT_EQ(read->FugitiveAnnual, 3e-9);
        EXPECT_EQ(read->FugitiveMax24Hour, 12.75);
    }
}

TEST(PredictorExchangeTest, RequestAndResetFiles) {
    ProgramFolderCopy folder(false);
    ASSERT_TRUE(WritePredictorRequest(folder.path(), "P-17-0042,3"));
    EXPECT_EQ(FileText(folder / "chimra.in"), "P-17-0042,3\n");
    ASSERT_TRUE(ResetPredictorAnswer(folder.path()));
    EXPECT_EQ(FileText(folder / "chimra.out"), "0.00\n0.00\n");
    EXPECT_FALSE(ReadPredictorAnswer(folder.path())) << "the reset is no answer";
    EXPECT_FALSE(WritePredictorRequest(folder / "missing", "P,1"));
}

TEST(PredictorExchangeTest, StartFailureIsReported) {
    ProgramFolderCopy folder(false);
    EXPECT_NE(RunPredictorProgram(folder / "none.exe", folder.path()), "");
    ASSERT_TRUE(sys::WriteWholeFile(folder / "chimramn", "#!/bin/sh\nexit 0\n"));
    EXPECT_NE(RunPredictorProgram(folder / "chimramn", folder.path()), "")
        << "a file that cannot be run";
}

}  // namespace
