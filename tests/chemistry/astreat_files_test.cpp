// The treatment model's parameter file and result file, as texts.
#include "chemistry/astreat_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Template() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 62; ++n) {
        lines.push_back("template line " + std::to_string(n));
    }
    lines[9] = "";
    return lines;
}

TEST(ParameterFile, SubstitutesTheChemicalLinesAndCopiesTheRest) {
    AsTreatParameterValues v;
    v.KdPe = 200;
    v.KdPr = 0.2;
    v.HenryUnitless = 2.5e-07;  // "%f" would have written 0.000000
    v.InfluentConc = 1.0 / 15.0;
    v.KdSe = 1e-9;
    v.KdSr = 12345.678;
    v.Mw = 78.11;
    v.Density = 0.88;
    v.DecayRate = 16.632;
    v.AnnualLoad = 2.0 * 3.0 * 250.0;
    std::string error;
    const auto lines = BuildParameterLines(Template(), v, error);
    ASSERT_TRUE(lines) << error;
    ASSERT_EQ(lines->size(), 62u);
    const std::pair<int, std::string> expected[] = {
        {32, "200"},
        {33, "0.2"},
        {34, "2.5e-07"},
        {35, "0.06666666666666667"},
        {36, "1e-09"},
        {37, "12345.678"},
        {39, "78.11"},
        {40, "0.88"},
        {41, "16.632"},
        {50, "1500"},
        {52, "1"},
        {1, "template line 1"},
        {10, " "},
        {38, "template line 38"},
        {62, "template line 62"},
    };
    for (const auto& [line, text] : expected) {
        EXPECT_EQ((*lines)[line - 1], text) << "line " << line;
    }
}

TEST(ParameterFile, ShortTemplateOrOverlongLineIsRefused) {
    std::string error;
    std::vector<std::string> shortTemplate = Template();
    shortTemplate.resize(61);
    EXPECT_FALSE(BuildParameterLines(shortTemplate, {}, error));
    EXPECT_NE(error.find("61 lines"), std::string::npos) << error;

    std::vector<std::string> longLine = Template();
    longLine[19] = std::string(200, 'x');
    EXPECT_FALSE(BuildParameterLines(longLine, {}, error));
    EXPECT_NE(error.find("Line 20"), std::string::npos) << error;
    longLine[19] = std::string(199, 'x');
    EXPECT_TRUE(BuildParameterLines(longLine, {}, error));
}

// treat.out: 47 lines; line 41 has the flux in characters 36-43 and the loss in 47-54, line 47
// the share left in the effluent in 47-54.
std::string Output(const std::string& line41, const std::string& line47) {
    std::string text;
    for (int n = 1; n <= 50; ++n) {
        text += n == 41 ? line41 : n == 47 ? line47 : "line " + std::to_string(n);
        text += "\n";
    }
    return text;
}

const std::string kLabel(35, ' ');

TEST(TreatOutput, ReadsTheThreeValuesFromTheirColumns) {
    std::string error;
    auto v = ReadTreatOutput(
        Output(kLabel + "7.00e+00" + "   " + "  11.672", kLabel + "3.25e+01" + "   " + "  12.500"),
        error);
    ASSERT_TRUE(v) << error;
    EXPECT_DOUBLE_EQ(v->SludgeFlux, 7.0);
    EXPECT_DOUBLE_EQ(v->LossToSludge, 11.672);
    EXPECT_DOUBLE_EQ(v->EffluentShare, 12.5);  // a removal of 87.5 %
}

TEST(TreatOutput, AFileWithoutItsLinesOrNumbersGivesNoResult) {
    const std::string good41 = kLabel + "7.00e+00" + "   " + "  11.672";
    const std::string good47 = kLabel + "3.25e+01" + "   " + "  12.500";
    struct Case {
        const char* what;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"empty file", "", "ends before line 41"},
        {"ends at line 45", Output(good41, good47).substr(0, 300), "ends before"},
        {"line 47 too short", Output(good41, kLabel + "3.25e+01   12.5"), "line 47"},
        {"blank removal", Output(good41, kLabel + "3.25e+01" + "   " + "        "),
         "line 47, characters 47 to 54 (left in the effluent) holds no number"},
        {"text for the flux", Output(kLabel + "lots    " + "   " + "  11.672", good47),
         "line 41, characters 36 to 43 (flux to sludge) holds no number"},
        {"two numbers in a field", Output(good41, kLabel + "3.25e+01" + "   " + "  12 5.0"),
         "holds no number"},
        {"percent above 100", Output(good41, kLabel + "3.25e+01" + "   " + "  150.00"),
         "outside 0 to 100"},
        {"negative flux", Output(kLabel + "-7.0e+00" + "   " + "  11.672", good47), "negative"},
        {"not a number", Output(good41, kLabel + "3.25e+01" + "   " + "     nan"), "no number"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ReadTreatOutput(c.text, error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }
}

TEST(TreatOutput, WindowsLineEndsAreRead) {
    std::string text =
        Output(kLabel + "7.00e+00" + "   " + "  11.672", kLabel + "3.25e+01" + "   " + "  12.500");
    std::string crlf;
    for (char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    std::string error;
    EXPECT_TRUE(ReadTreatOutput(crlf, error)) << error;
}

}  // namespace
