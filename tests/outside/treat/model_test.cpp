// The stand-in's fate calculation against plants worked by hand, and its parameter checks.
#include "outside/treat/model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 62 parameter lines: the shipped plant design and the given chemical lines.
std::vector<std::string> ParameterLines(const std::vector<std::pair<int, std::string>>& set) {
    std::vector<std::string> lines(62, "note");
    const char* plant[] = {"30", "200", "0.5", "6", "2500", "10", "15", "5"};
    for (int i = 0; i < 8; ++i) {
        lines[5 + i] = std::string(plant[i]) + "   description";
    }
    for (int line : {32, 33, 34, 35, 36, 37, 39, 40, 41, 50}) {
        lines[line - 1] = "0";
    }
    lines[51] = "1";
    for (const auto& [line, text] : set) {
        lines[line - 1] = text;
    }
    return lines;
}

treat::Fate FateOf(const std::vector<std::pair<int, std::string>>& set) {
    std::string error;
    auto p = treat::ReadParameters(ParameterLines(set), error);
    EXPECT_TRUE(p) << error;
    return treat::Compute(p.value_or(treat::Parameters{}));
}

// Worked by hand: Q = 30000 m3/day, V = Q x 6/24 = 7500 m3. Only biodegradation at 16.632/day:
// effluent share = Q / (Q + k V) = 1 / (1 + 16.632 x 0.25) = 1 / 5.158 = 19.38736 %.
TEST(TreatModel, BiodegradationAloneLeavesOneOverOnePlusKTimesRetention) {
    const treat::Fate f = FateOf({{41, "16.632"}, {35, "1"}});
    EXPECT_NEAR(f.Effluent(), 19.387359441644, 1e-9);
    EXPECT_NEAR(f.Biodegraded, 80.612640558356, 1e-9);
    EXPECT_DOUBLE_EQ(f.Sludge(), 0.0);
    EXPECT_DOUBLE_EQ(f.Volatilised, 0.0);
    EXPECT_DOUBLE_EQ(f.InfluentKgDay, 30.0);  // 1 mg/L in 30 ML/day
}

// Worked by hand: primary r = 1000 x 200e-6 = 0.2, settled half of 1/6 sorbed: 1/12 = 8.3333 %.
// Basin routes (m3/day): effluent 30000, on effluent solids 30000 x 15e-6 x 1000 = 450, waste
// sludge (2.5 kg/m3 x 7500 / 10 = 1875 kg/day) x 1000 x 1e-3 = 1875, air 150000 x 0.1 = 15000,
// biodegradation 0.554 x 7500 = 4155; sum 51480. Effluent = 11/12 x 30450 / 51480 = 54.22009 %;
// sludge = 8.33333 + 11/12 x 1875 / 51480 = 11.67201 %; air 26.70940 %; biodegraded 7.39850 %.
TEST(TreatModel, SorptionVolatilisationAndBiodegradationShareTheInfluent) {
    const treat::Fate f = FateOf({{32, "1000"},
                                  {33, "1e3"},
                                  {34, "0.1"},
                                  {35, "2"},
                                  {36, "1000"},
                                  {37, "1000.0"},
                                  {41, "0.554"}});
    EXPECT_NEAR(f.Effluent(), 54.2200854701, 1e-9);
    EXPECT_NEAR(f.Sludge(), 11.6720085470, 1e-9);
    EXPECT_NEAR(f.Volatilised, 26.7094017094, 1e-9);
    EXPECT_NEAR(f.Biodegraded, 7.3985042735, 1e-9);
    EXPECT_NEAR(f.KgDay(f.Sludge()), 7.0032051282, 1e-9);  // of 60 kg/day entering
    EXPECT_NEAR(f.Effluent() + f.Sludge() + f.Volatilised + f.Biodegraded, 100.0, 1e-9);
}

TEST(TreatModel, ReportPutsSludgeAndEffluentInTheirLinesAndColumns) {
    std::string error;
    auto p = treat::ReadParameters(ParameterLines({{32, "1000"},
                                                   {33, "1000"},
                                                   {34, "0.1"},
                                                   {35, "2"},
                                                   {36, "1000"},
                                                   {37, "1000"},
                                                   {41, "0.554"},
                                                   {50, "1500"}}),
                                   error);
    ASSERT_TRUE(p) << error;
    auto lines = treat::Report(*p, treat::Compute(*p), error);
    ASSERT_TRUE(lines) << error;
    ASSERT_GE(lines->size(), 47u);
    const std::string& sludge = (*lines)[40];
    const std::string& effluent = (*lines)[46];
    EXPECT_EQ(sludge.substr(35, 8), "7.00e+00");
    EXPECT_EQ(sludge.substr(46, 8), "  11.672");
    EXPECT_EQ(effluent.substr(46, 8), "  54.220");
}

TEST(TreatModel, ParameterLinesWithoutAUsableNumberAreRefusedByLine) {
    struct Case {
        int line;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {41, "fast", "line 41 (biodegradation rate) holds no number"},
        {35, "", "line 35 (influent concentration) holds no number"},
        {37, "-5", "line 37 (Kd of mixed liquor solids) must be 0 or more"},
        {6, "0", "line 6 (plant flow) must be above 0"},
        {8, "1.5", "line 8 (share of solids settled in the primary clarifier) must be between"},
        {34, "nan", "line 34 (unitless Henry's law constant) holds no number"},
        {32, "1e31", "line 32 (Kd of primary effluent solids) must be 0 or more"},
        {52, "2", "line 52 (run mode) must be 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_FALSE(treat::ReadParameters(ParameterLines({{c.line, c.text}}), error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    std::string error;
    std::vector<std::string> shortFile = ParameterLines({});
    shortFile.resize(45);
    EXPECT_FALSE(treat::ReadParameters(shortFile, error));
    EXPECT_NE(error.find("ends before line 50"), std::string::npos) << error;
}

TEST(TreatModel, AnyNumberFormIsRead) {
    for (const char* text : {"2.5e-07", "0.00000025", "+2.5E-7", "  2.5e-7  trailing words"}) {
        std::string error;
        auto p = treat::ReadParameters(ParameterLines({{35, text}}), error);
        ASSERT_TRUE(p) << text << ": " << error;
        EXPECT_DOUBLE_EQ(p->InfluentConc, 2.5e-7) << text;
    }
}

}  // namespace
