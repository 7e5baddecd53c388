// Placeholder codes: the series, the family changes and the number of three bytes.
#include "documents/merge/marker_codes.h"

#include <gtest/gtest.h>

TEST(MarkerCodes, SeriesFollowsTheFamilies) {
    struct Case {
        int n;
        const char* code;
    };
    const Case cases[] = {{1, "AAA"},   {2, "BBB"},   {26, "ZZZ"},  {27, "aaa"},  {52, "zzz"},
                          {53, "Aaa"},  {78, "Zzz"},  {79, "AAa"},  {104, "ZZz"}, {105, "aAa"},
                          {130, "zZz"}, {131, "aaA"}, {156, "zzZ"}, {157, "AaA"}, {182, "ZzZ"},
                          {183, "aAA"}, {200, "rRR"}, {208, "zZZ"}};
    for (const Case& c : cases)
        EXPECT_EQ(MarkerCode(c.n), c.code) << c.n;
    EXPECT_EQ(MarkerCode(0), "");
    EXPECT_EQ(MarkerCode(209), "");
}

TEST(MarkerCodes, NextCodeAdvancesEachLetterOrChangesFamily) {
    std::string code = "@@@";
    NextMarkerCode(code);
    EXPECT_EQ(code, "AAA");
    code = "aAa";
    NextMarkerCode(code);
    EXPECT_EQ(code, "bBb");
    code = "ZzZ";
    NextMarkerCode(code);
    EXPECT_EQ(code, "aAA");
}

TEST(MarkerCodes, NumberOfBytesIsTheInverseOfTheSeries) {
    for (int n = 1; n <= LastMarkerNumber; ++n) {
        std::string code = MarkerCode(n);
        EXPECT_EQ(MarkerNumberOf(code[0], code[1], code[2]), n) << code;
    }
    for (const char* other : {"HOW", "XYZ", "AAB", "A@A", "aa1", "   ", "\xC1\xC1\xC1"})
        EXPECT_EQ(MarkerNumberOf(other[0], other[1], other[2]), 0) << other;
}

TEST(MarkerCodes, WindowMatchesPositionByPosition) {
    const int window[3] = {'A', 'A', 'a'};
    EXPECT_TRUE(MatchesMarker(window, "AAa"));
    EXPECT_FALSE(MatchesMarker(window, "AAA"));
    const int endOfFile[3] = {'A', 'A', -1};
    EXPECT_FALSE(MatchesMarker(endOfFile, "AAA"));
}
