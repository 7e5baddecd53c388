// The printed down-the-drain report: the disposal results page printed to PDF and read back, its
// words and frames checked at positions worked out from the test printer's geometry.
#include <QImage>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>

#include "disposal/disposal_form.h"
#include "disposal/disposal_print.h"
#include "print_fixture.h"

namespace {

// The test printer: A4 (595 x 842 points) at 300 dpi with margins of 10 points, so the printable
// area starts at 10 x 300 / 72 = 41.67, that is 42 device pixels, and is W = 2479 - 2 x 42 = 2395
// pixels wide (2479 = 595 x 300 / 72, truncated). The report font is 8 points: MulDiv(8, 300, 72)
// = 33, so the line height is h = 33 x 1.4 = 46 pixels and a character of the fixed-pitch font
// is 0.6 x 33 = 19.8 pixels wide.
constexpr int kDpi = 300;
constexpr int kMargin = 42;
constexpr int kW = 2395;
constexpr int kH = 46;
constexpr double kChar = 19.8;
constexpr double kPointsPerPixel = 72.0 / kDpi;

// x of a fraction of the page width, truncated: 0.2 W = 479, 0.25 W = 598, 0.3 W = 718, ...
double X(double fraction) {
    return static_cast<int>(kW * fraction);
}

class DisposalPrintTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        disposal = std::make_unique<TDisposalForm>();
        disposal->ChemIdDispInp->SetItems({"P-07-0101", "P-07-0202"});
        disposal->ChemIdDispInp->SetItemIndex(0);
    }
    void TearDown() override {
        disposal.reset();
        PrintTest::TearDown();
    }

    void FillDisposal(const std::vector<std::pair<std::string, std::string>>& fields) {
        for (const auto& [name, text] : fields) {
            forms::TEdit* edit = disposal->Field(name);
            ASSERT_NE(edit, nullptr) << name;
            edit->SetText(text);
        }
    }

    // A results page after a run with the dilution model and three concentrations of concern.
    void FillResults() {
        FillDisposal({{"ExpPopDisp", "Adult"},
                      {"ProdVolDisp", "1,000.00"},
                      {"PreTreatDisp", "9.41E-06"},
                      {"WwtDisp", "90.00"},
                      {"PostTreatDisp", "9.41E-07"},
                      {"RelDaysDisp", "365.00"},
                      {"BcfDisp", "51.00"},
                      {"Memo10", "134.85"},
                      {"Memo9", "39.66"},
                      {"Memo8", "24.22"},
                      {"Memo7", "20.08"},
                      {"HarMeanConc50Disp", "1.11E-03"},
                      {"Conc30q5_50disp", "2.22E-03"},
                      {"Conc7q10_50Disp", "3.33E-03"},
                      {"Conc1q10_50Disp", "4.44E-03"},
                      {"Memo15", "7.95"},
                      {"Memo18", "1.80"},
                      {"Memo19", "1.01"},
                      {"Memo22", "1.02"},
                      {"HarMeanConc10Disp", "5.55E-03"},
                      {"Conc30q5_10Disp", "6.66E-03"},
                      {"Conc7q10_10Disp", "7.77E-03"},
                      {"Conc1q10_10Disp", "123456789012"}});
        const char* kinds[3] = {"Ladd", "Ladc", "Adr"};
        for (const std::string medium : {"Dw", "Fish"}) {
            const std::string f = medium == "Dw" ? "" : "F";
            for (int k = 0; k < 3; ++k) {
                const std::string tag = medium + kinds[k];
                FillDisposal({{tag + "50Disp", tag + "50"},
                              {tag + "10Disp", tag + "10"},
                              {std::string("Ed") + kinds[k] + f + "Disp", "Ed" + tag},
                              {std::string("At") + kinds[k] + f + "Disp", "At" + tag},
                              {std::string("Bw") + kinds[k] + f + "Disp", "Bw" + tag},
                              {std::string("Ir") + kinds[k] + f + "Disp", "Ir" + tag}});
            }
        }
        FillDisposal({{"Coc0Disp", "5.00E-02"},
                      {"Coc1Disp", "1.50"},
                      {"Coc2Disp", "1,234.57"},
                      {"CocDays0Disp", "12.34"},
                      {"CocDays1Disp", "2.50"},
                      {"CocDays2Disp", "0.00"},
                      {"CocPer0Disp", "3.38"},
                      {"CocPer1Disp", "0.68"},
                      {"CocPer2Disp", "N/A"}});
        disposal->SetPdmSelection(0);
        disposal->HighEnd->SetChecked(true);
        ShowCocColumns(3);
    }

    // Shows the result fields of the first n concentrations of concern, as a run leaves them.
    void ShowCocColumns(int n) {
        for (int i = 0; i < 3; ++i)
            for (const char* prefix : {"Coc", "CocDays", "CocPer"})
                disposal->Field(prefix + std::to_string(i) + "Disp")->setVisible(i < n);
    }

    void PressDisposalPrint(bool accept) {
        ui->AnswerNextPrintDialog(accept);
        print::SetReportPdfTarget(pdf.string(), kDpi);
        QTest::mouseClick(disposal->Button2, Qt::LeftButton);
    }

    // The printed text of one report line: the words whose tops lie on that line, left to right.
    std::string LineText(int line) const {
        const std::vector<PdfWord> words = PdfWords();
        double top = -1;
        for (const PdfWord& w : words)
            if (w.text == "Disposal") {
                top = w.y;
                break;
            }
        std::vector<PdfWord> onLine;
        for (const PdfWord& w : words) {
            if (std::abs(w.y - top - (line - 1) * kH * kPointsPerPixel) < 1)
                onLine.push_back(w);
        }
        std::sort(onLine.begin(), onLine.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.x < b.x; });
        std::string text;
        for (const PdfWord& w : onLine)
            text += (text.empty() ? "" : " ") + w.text;
        return text;
    }

    // The page rendered at the printer's resolution, so one image pixel is one device pixel.
    QImage Rendered() const {
        const std::filesystem::path stem = dir / "page";
        CommandOutput("pdftoppm -r 300 -gray -singlefile '" + pdf.string() + "' '" + stem.string() +
                      "' 2>/dev/null");
        return QImage(QString::fromStdString(stem.string() + ".pgm"));
    }

    std::unique_ptr<TDisposalForm> disposal;
};

// Ink along a run of pixels: its amount in pixels of full black and its centre.
struct Ink {
    double amount = 0;
    double centre = -1;
};

// The ink from (x0, y0) to (x1, y1) along one row or one column, in device coordinates; the
// centre is the x of a row or the y of a column.
Ink InkAlong(const QImage& image, int x0, int y0, int x1, int y1) {
    Ink ink;
    double weighted = 0;
    const bool row = y0 == y1;
    for (int x = x0, y = y0; x <= x1 && y <= y1; row ? ++x : ++y) {
        const double dark = (255 - qGray(image.pixel(x + kMargin, y + kMargin))) / 255.0;
        ink.amount += dark;
        weighted += dark * (row ? x : y);
    }
    if (ink.amount > 0)
        ink.centre = weighted / ink.amount;
    return ink;
}

// Across a vertical line: the pixels of a row from x0 to x1.
Ink InkInRow(const QImage& image, int y, int x0, int x1) {
    return InkAlong(image, x0, y, x1, y);
}

// Across a horizontal line: the pixels of a column from y0 to y1.
Ink InkInColumn(const QImage& image, int x, int y0, int y1) {
    return InkAlong(image, x, y0, x, y1);
}

TEST_F(DisposalPrintTest, EveryTextStandsOnItsLineAtItsPosition) {
    FillResults();
    PressDisposalPrint(true);
    ASSERT_EQ(PdfPages(), 1);
    const std::vector<PdfWord> words = PdfWords();
    double top = -1;
    for (const PdfWord& w : words)
        if (w.text == "Disposal")
            top = w.y;
    ASSERT_GE(top, 0);

    // Each word: its line and the device x where it starts. Padded texts start after their
    // blanks (10 - length characters), value cells after 12 - length characters.
    auto padded = [](int x, const std::string& text) { return x + (10 - text.size()) * kChar; };
    auto right = [](int x, const std::string& text) { return x + (12 - text.size()) * kChar; };
    struct Expected {
        std::string word;
        int line;
        double x;
    };
    const std::vector<Expected> expected = {
        {"Disposal", 1, 10},
        {"P-07-0101", 1, X(0.25)},
        {"Exposed", 2, X(0.5)},
        {"Adult", 2, X(0.75)},
        {"Production", 3, 10},
        {"1,000.00", 3, X(0.17)},
        {"kg/yr", 3, X(0.17) + 9 * kChar},
        {"Pre-treatment", 3, X(0.5)},
        {"9.41E-06", 3, padded(X(0.75), "9.41E-06")},
        {"WWT", 4, 10},
        {"90.00", 4, padded(X(0.17), "90.00")},
        {"Post-treatment", 4, X(0.5)},
        {"9.41E-07", 4, padded(X(0.75), "9.41E-07")},
        {"Release", 5, 10},
        {"365.00", 5, padded(X(0.17), "365.00")},
        {"BCF", 6, 10},
        {"51.00", 6, padded(X(0.17), "51.00")},
        {"L/kg", 6, X(0.17) + 11 * kChar},
        {"Aquatic", 10, X(0.3)},
        {"Descriptor", 13, 10},
        {"Harmonic", 13, X(0.2)},
        {"30Q5", 13, X(0.35)},
        {"7Q10", 13, X(0.5)},
        {"1Q10", 13, X(0.65)},
        {"%ile", 15, X(0.25) + 3 * kChar},
        {"Stream", 16, 10},
        {"134.85", 16, right(X(0.2), "134.85")},
        {"20.08", 16, right(X(0.65), "20.08")},
        {"1.11E-03", 18, right(X(0.2), "1.11E-03")},
        {"3.33E-03", 18, right(X(0.5), "3.33E-03")},
        {"%ile", 21, X(0.25) + 3 * kChar},
        {"1.80", 22, right(X(0.35), "1.80")},
        {"5.55E-03", 24, right(X(0.2), "5.55E-03")},
        // Twelve characters fill the cell from its left edge.
        {"123456789012", 24, X(0.65)},
        {"Drinking", 28, X(0.3)},
        {"Exposure", 30, 10},
        {"50%ile", 30, X(0.2)},
        {"10%ile", 30, X(0.32)},
        {"ED", 30, X(0.44)},
        {"AT", 30, X(0.56)},
        {"BW", 30, X(0.68)},
        {"(L/day)", 30, X(0.8) + 3 * kChar},
        {"Cancer", 32, X(0.25)},
        {"LADDpot", 33, 10},
        {"DwLadd50", 33, right(X(0.2), "DwLadd50")},
        {"IrDwLadd", 33, right(X(0.8), "IrDwLadd")},
        {"(mg/L)", 35, 10 + 8 * kChar},
        {"DwLadc10", 35, right(X(0.32), "DwLadc10")},
        {"AtDwLadc", 35, right(X(0.56), "AtDwLadc")},
        {"Acute", 36, X(0.25)},
        {"ADRpot", 37, 10},
        {"EdDwAdr", 37, right(X(0.44), "EdDwAdr")},
        {"BwDwAdr", 37, right(X(0.68), "BwDwAdr")},
        {"Fish", 40, X(0.3)},
        {"(g/day)", 42, X(0.8) + 3 * kChar},
        {"Cancer", 44, X(0.25)},
        {"FishLadd50", 45, right(X(0.2), "FishLadd50")},
        {"(mg/kg)", 47, 10 + 8 * kChar},
        {"IrFishLadc", 47, right(X(0.8), "IrFishLadc")},
        {"Acute", 49, X(0.25)},
        {"FishAdr10", 50, right(X(0.32), "FishAdr10")},
        {"High-end", 52, X(0.3)},
        {"Concentration", 53, X(0.3)},
        {"5.00E-02", 53, padded(X(0.5), "5.00E-02")},
        {"1.50", 53, padded(X(0.65), "1.50")},
        {"1,234.57", 53, padded(X(0.8), "1,234.57")},
        {"#", 54, X(0.3)},
        {"12.34", 54, padded(X(0.5), "12.34")},
        {"0.00", 54, padded(X(0.8), "0.00")},
        {"%", 55, X(0.3)},
        {"0.68", 55, padded(X(0.65), "0.68")},
        {"N/A", 55, padded(X(0.8), "N/A")},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.word + " on line " + std::to_string(e.line));
        const double y = top + (e.line - 1) * kH * kPointsPerPixel;
        const PdfWord* found = nullptr;
        for (const PdfWord& w : words)
            if (w.text == e.word && std::abs(w.y - y) < 1)
                found = &w;
        ASSERT_NE(found, nullptr);
        EXPECT_NEAR(found->x, (kMargin + e.x) * kPointsPerPixel, 0.4);
    }
}

TEST_F(DisposalPrintTest, LinesCarryTheirWholeTexts) {
    FillResults();
    disposal->ChemIdDispInp->SetItemIndex(1);
    PressDisposalPrint(true);
    const std::vector<std::pair<int, std::string>> lines = {
        {1, "Disposal Results P-07-0202"},
        {2, "Exposed Population Adult"},
        {3, "Production Volume: 1,000.00 kg/yr Pre-treatment release: 9.41E-06 g/person/day"},
        {4, "WWT Removal: 90.00 % Post-treatment release: 9.41E-07 g/person/day"},
        {5, "Release Days: 365.00 days"},
        {6, "BCF 51.00 L/kg"},
        {10, "Aquatic Exposure Estimates - Surface Water"},
        {13, "Descriptor Harmonic Mean 30Q5 7Q10 1Q10"},
        {15, "50 %ile"},
        {16, "Stream Dil. Factor 134.85 39.66 24.22 20.08"},
        {18, "Concentration (ug/L) 1.11E-03 2.22E-03 3.33E-03 4.44E-03"},
        {21, "10 %ile"},
        {22, "Stream Dil. Factor 7.95 1.80 1.01 1.02"},
        {24, "Concentration (ug/L) 5.55E-03 6.66E-03 7.77E-03 123456789012"},
        {28, "Drinking Water Exposure Estimates"},
        {30, "Exposure Types 50%ile Res 10%ile Res ED (yrs) AT (yrs) BW (kg) IR (L/day)"},
        {32, "Cancer"},
        {33, "LADDpot (mg/kg/day) DwLadd50 DwLadd10 EdDwLadd AtDwLadd BwDwLadd IrDwLadd"},
        {35, "LADCpot (mg/L) DwLadc50 DwLadc10 EdDwLadc AtDwLadc BwDwLadc IrDwLadc"},
        {36, "Acute"},
        {37, "ADRpot (mg/kg/day) DwAdr50 DwAdr10 EdDwAdr AtDwAdr BwDwAdr IrDwAdr"},
        {40, "Fish Ingestion Exposure Estimates"},
        {42, "Exposure Types 50%ile Res 10%ile Res ED (yrs) AT (yrs) BW (kg) IR (g/day)"},
        {44, "Cancer"},
        {45,
         "LADDpot (mg/kg/day) FishLadd50 FishLadd10 EdFishLadd AtFishLadd BwFishLadd IrFishLadd"},
        {47, "LADCpot (mg/kg) FishLadc50 FishLadc10 EdFishLadc AtFishLadc BwFishLadc IrFishLadc"},
        {49, "Acute"},
        {50, "ADRpot (mg/kg/day) FishAdr50 FishAdr10 EdFishAdr AtFishAdr BwFishAdr IrFishAdr"},
        {52, "High-end scenario"},
        {53, "Concentration of Concern: 5.00E-02 1.50 1,234.57 ug/L"},
        {54, "# Days COC exceeded: 12.34 2.50 0.00 days"},
        {55, "% Yr COC exceeded: 3.38 0.68 N/A %"},
    };
    for (const auto& [line, text] : lines)
        EXPECT_EQ(LineText(line), text) << "line " << line;
    // Nothing between the blocks.
    for (int line : {7,  8,  9,  11, 12, 14, 17, 19, 20, 23, 25, 26,
                     27, 29, 31, 34, 38, 39, 41, 43, 46, 48, 51, 56})
        EXPECT_EQ(LineText(line), "") << "line " << line;
}

// The framed cells: value and heading cells 0.11 W wide from 5 pixels left of and above their
// text down to the line's foot; row labels as wide as twenty digits plus 10; titles as wide as
// themselves plus 10. Every frame is drawn with the doubled pen, 2 pixels wide.
TEST_F(DisposalPrintTest, CellsAreFramedWithTheDoubledPen) {
    FillResults();
    PressDisposalPrint(true);
    const QImage page = Rendered();
    ASSERT_FALSE(page.isNull());
    const double cell = static_cast<int>(kW * 0.11);  // 263
    struct Frame {
        const char* what;
        double x;
        int line;
        double width;
    };
    const std::vector<Frame> frames = {
        {"Stream Dil. Factor value, first column", X(0.2), 16, cell},
        {"1Q10 heading", X(0.65), 13, cell},
        {"IR value of the fish ADR row", X(0.8), 50, cell},
        {"row label", 10, 33, std::floor(20 * kChar) + 10},
        {"drinking-water title", X(0.3), 28,
         std::floor(std::string("Drinking Water Exposure Estimates").size() * kChar) + 10},
    };
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.what);
        const int y = f.line * kH;
        const int middle = y + kH / 2;
        const int x = static_cast<int>(f.x);
        const int width = static_cast<int>(f.width);
        const Ink left = InkInRow(page, middle, x - 12, x - 1);
        EXPECT_NEAR(left.centre, f.x - 5, 1.5);
        EXPECT_NEAR(left.amount, 2, 0.6);
        const Ink rightEdge = InkInRow(page, middle, x + width - 6, x + width + 6);
        EXPECT_NEAR(rightEdge.centre, x + width, 2);
        const int across = x + 2;  // inside the frame, left of any text
        const Ink topEdge = InkInColumn(page, across, y - 12, y + 2);
        EXPECT_NEAR(topEdge.centre, y - 5, 1.5);
        EXPECT_NEAR(topEdge.amount, 2, 0.6);
        const Ink foot = InkInColumn(page, across, y + kH - 6, y + kH + 6);
        EXPECT_NEAR(foot.centre, y + kH, 1.5);
    }
    // Plain texts have no frame: left of "Cancer" the page is blank.
    const int cancer = static_cast<int>(X(0.25));
    EXPECT_LT(InkInRow(page, 32 * kH + kH / 2, cancer - 15, cancer - 2).amount, 0.1);
}

TEST_F(DisposalPrintTest, ThePenIsRestoredAfterThePage) {
    FillResults();
    auto job = print::PrintJob::ToPdf(pdf.string(), "t", kDpi);
    ASSERT_TRUE(job->Begin());
    job->SetPenWidth(3);
    PrintDisposalResults(*disposal, *job);
    EXPECT_EQ(job->PenWidth(), 3);
    EXPECT_TRUE(job->End());
}

// The dilution-model block follows the option, the scenario choice and the shown result rows;
// the unit goes after the last concentration printed.
TEST_F(DisposalPrintTest, DilutionBlockFollowsTheOptionAndTheShownConcentrations) {
    struct Case {
        const char* what;
        int pdm;
        bool highEnd;
        int shown;
        std::array<std::string, 4> lines;  // lines 52 to 55
    };
    const std::vector<Case> cases = {
        {"not run", 1, true, 3, {"", "", "", ""}},
        {"one concentration",
         0,
         true,
         1,
         {"High-end scenario", "Concentration of Concern: 5.00E-02 ug/L",
          "# Days COC exceeded: 12.34 days", "% Yr COC exceeded: 3.38 %"}},
        {"two concentrations, average case",
         0,
         false,
         2,
         {"Average case scenario", "Concentration of Concern: 5.00E-02 1.50 ug/L",
          "# Days COC exceeded: 12.34 2.50 days", "% Yr COC exceeded: 3.38 0.68 %"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FillResults();
        disposal->SetPdmSelection(c.pdm);
        disposal->HighEnd->SetChecked(c.highEnd);
        disposal->AveEnd->SetChecked(!c.highEnd);
        ShowCocColumns(c.shown);
        PressDisposalPrint(true);
        ASSERT_EQ(PdfPages(), 1);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(LineText(52 + i), c.lines[size_t(i)]) << "line " << 52 + i;
        // The rest of the page does not depend on the option.
        EXPECT_EQ(LineText(50),
                  "ADRpot (mg/kg/day) FishAdr50 FishAdr10 EdFishAdr AtFishAdr BwFishAdr IrFishAdr");
        std::filesystem::remove(pdf);
    }
}

TEST_F(DisposalPrintTest, EmptyFieldsPrintTheFrameOfThePage) {
    disposal->SetPdmSelection(0);
    PressDisposalPrint(true);
    ASSERT_EQ(PdfPages(), 1);
    EXPECT_EQ(LineText(3), "Production Volume: kg/yr Pre-treatment release: g/person/day");
    EXPECT_EQ(LineText(53), "Concentration of Concern: ug/L");
    EXPECT_TRUE(ui->Boxes().empty());
}

TEST_F(DisposalPrintTest, PrintPagePrintsOnePageOnlyWhenTheDialogIsConfirmed) {
    FillResults();
    PressDisposalPrint(false);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    ASSERT_EQ(ui->Shown().size(), 1u);
    EXPECT_EQ(ui->Shown()[0].kind, "print");
    EXPECT_TRUE(disposal->Button2->isEnabled());

    PressDisposalPrint(true);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(PdfPages(), 1);
    EXPECT_EQ(ui->Shown().size(), 2u);
    EXPECT_TRUE(ui->Boxes().empty());
    EXPECT_TRUE(disposal->Button2->isEnabled());
}

}  // namespace
