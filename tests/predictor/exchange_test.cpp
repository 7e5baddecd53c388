// The exchange files: data.drv, chimra.in and the chimra.out contract with the main program.
#include "predictor/exchange.h"

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "tests/predictor/temp_folder.h"

namespace {

TEST(PredictorExchange, DataDrvLineOneIsTheFolder) {
    TempFolder t;
    sys::WriteWholeFile(t / "data.drv", "c:\\data\\\r\nignored\n");
    EXPECT_EQ(ReadDataFolder(t / "data.drv"), "c:\\data\\");
    sys::WriteWholeFile(t / "data.drv", "");
    EXPECT_FALSE(ReadDataFolder(t / "data.drv"));
    EXPECT_FALSE(ReadDataFolder(t / "missing.drv"));
}

TEST(PredictorExchange, ChimraInKeyAndCaller) {
    TempFolder t;
    struct Case {
        const char* text;
        const char* key;
        const char* caller;
    };
    const Case cases[] = {
        {"P-99-1,2\n", "P-99-1,2", "Ombrix 2014"},
        {"P-99-1,2", "P-99-1,2", "Ombrix 2014"},
        {"P-99-1,2\ndide2\n", "P-99-1,2", "dide2"},
        {"P-99-1,2\r\ndide2\r\n", "P-99-1,2", "dide2"},
        {"P-99-1,2\nDIDE2\n", "P-99-1,2", "Ombrix 2014"},
        {"P-99-1,2\nsomeone\n", "P-99-1,2", "Ombrix 2014"},
        {"P-99-1,2   \r\n", "P-99-1,2", "Ombrix 2014"},
    };
    for (const Case& c : cases) {
        sys::WriteWholeFile(t / "chimra.in", c.text);
        std::optional<ChimraRequest> r = ReadChimraIn(t / "chimra.in");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->key, c.key);
        EXPECT_EQ(r->caller, c.caller);
    }
    sys::WriteWholeFile(t / "chimra.in", "");
    EXPECT_FALSE(ReadChimraIn(t / "chimra.in"));
}

TEST(PredictorExchange, ChimraOutContract) {
    ChimraAnswer a;
    a.concentrations = {9.872e-4, 0.5, 0, 1.25e-7};
    a.downwash = true;
    a.metClass = "Stability and Wind Speed";
    a.stabilityLetter = "D";
    std::string text = ChimraOutText(a);
    EXPECT_EQ(text,
              "9.872e-04\n5e-01\n0e+00\n1.25e-07\ntrue\n"
              "Stability and Wind Speed\nD\n");
    std::optional<ChimraAnswer> back = ParseChimraOut(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->concentrations.stackAnnual, 9.872e-4);
    EXPECT_EQ(back->concentrations.fugitive24Hour, 1.25e-7);
    EXPECT_TRUE(back->downwash);
    EXPECT_EQ(back->metClass, a.metClass);
    EXPECT_EQ(back->stabilityLetter, "D");
    std::optional<ChimraAnswer> plain = ParseChimraOut("0.0\n0.0\n0.0\n0.0\nfalse\nFull\nA\n");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->downwash);
    EXPECT_EQ(plain->stabilityLetter, "A");
}

TEST(PredictorExchange, NumbersReadBackExactly) {
    for (double v : {0.0, 9.872e-4, 0.0792745 * 0.08, 1.0 / 3.0, 6.02214076e23, 4.9e-324,
                     1.7976931348623157e308}) {
        double back = 0;
        ASSERT_TRUE(sys::ParseDouble(ExactNumber(v), back)) << ExactNumber(v);
        EXPECT_EQ(back, v) << ExactNumber(v);
    }
    EXPECT_EQ(ExactNumber(0.0792745 * 0.08), "6.34196e-03");
    EXPECT_EQ(ExactNumber(1.0 / 3.0), "3.333333333333333e-01");
}

TEST(PredictorExchange, StoredAnswerHandsTheReleaseBackUnchanged) {
    ReleaseInputs r;
    r.metClass = "Stability Class Only";
    r.stabClass = 4;
    r.downwash = true;
    ChimraAnswer a = StoredAnswer(r, {1e-3, 2e-3, 3e-3, 4e-3});
    EXPECT_EQ(ChimraOutText(a),
              "1e-03\n2e-03\n3e-03\n4e-03\ntrue\n"
              "Stability Class Only\nE\n");
    r.metClass = "";
    r.stabClass = 9;
    EXPECT_EQ(ChimraOutText(StoredAnswer(r, {})).substr(24), "true\nFull\nA\n");
}

TEST(PredictorExchange, MalformedChimraOutIsRefused) {
    const char* texts[] = {
        "",
        "0.0\n0.0\n0.0\n0.0\nfalse\nFull\n",     // six lines
        "x\n0.0\n0.0\n0.0\nfalse\nFull\nA\n",    // not a number
        "0.0\n0.0\n0.0\ninf\nfalse\nFull\nA\n",  // not finite
        "0.0\n0.0\n0.0\n0.0\nyes\nFull\nA\n",    // not true/false
        "0.0\n0.0\n0.0\n0.0\nfalse\nFull\nG\n",  // no such class
        "0.0\n0.0\n0.0\n0.0\nfalse\nFull\nAB\n",
    };
    for (const char* t : texts)
        EXPECT_FALSE(ParseChimraOut(t)) << t;
}

}  // namespace
