// The result pages of a model run: inputs, inhalation, dermal and comments.
#include "consumer/output/result_pages.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "consumer/model/result_format.h"

namespace consumer {
namespace {

const QColor kBackground(192, 192, 192);

class PageDrawer {
  public:
    explicit PageDrawer(QPainter& painter) : p_(painter) {
        Main();
        main_ = p_.font();
    }

    void Main() { UseFont(12); }
    void Small() { UseFont(10); }
    void Legend(int outputMode) { outputMode == 2 ? Small() : Main(); }

    // The text starts at x and stands on the baseline y.
    void Left(int x, int y, const std::string& text) {
        p_.drawText(QPointF(x, y), QString::fromStdString(text));
    }
    // The text ends at x, its top at y.
    void Right(int x, int y, const std::string& text) {
        QString s = QString::fromStdString(text);
        QFontMetricsF metrics(p_.font(), p_.device());
        p_.drawText(QPointF(x - metrics.horizontalAdvance(s), y + metrics.ascent()), s);
    }
    // Centred on x, top at y.
    void Centre(int x, int y, const std::string& text) {
        QString s = QString::fromStdString(text);
        QFontMetricsF metrics(p_.font(), p_.device());
        p_.drawText(QPointF(x - metrics.horizontalAdvance(s) / 2, y + metrics.ascent()), s);
    }
    // Where the fixed coordinates would make a text touch the one before it, it is moved the
    // least that keeps them apart (the fonts' widths are not the ones the page was laid out
    // with). A label at (x, y) and its value right-aligned at valueX, top at valueTop.
    void LabelAndRight(int x, int y, const std::string& label, int valueX, int valueTop,
                       const std::string& value) {
        Left(x, y, label);
        Right(RightEnd(valueX, x, label, value), valueTop, value);
    }
    // Where a value right-aligned at valueX ends so that it starts clear of a label at labelX.
    int RightEnd(int valueX, int labelX, const std::string& label, const std::string& value) const {
        return std::max(valueX, EndOf(labelX, label) + kGap + Width(value));
    }
    // Where a value that starts at valueX starts so that it is clear of a label at labelX.
    int LeftStart(int valueX, int labelX, const std::string& label) const {
        return std::max(valueX, EndOf(labelX, label) + kGap);
    }
    // A label at (x, y) and its value starting at valueX on the same baseline.
    void LabelAndLeft(int x, int y, const std::string& label, int valueX,
                      const std::string& value) {
        Left(x, y, label);
        Left(LeftStart(valueX, x, label), y, value);
    }
    // The x of a mark set after the first word of a main-font label at labelX.
    int After(int x, int labelX, const std::string& word) const {
        return std::max(x, EndOf(labelX, word) + 1);
    }
    // The row label "<dose>     (mg/kg-day)" in the main font with the dose mark in the small font
    // after the dose; blanks added before the unit where the mark would reach it.
    void DoseRow(int x, int y, const std::string& dose, const std::string& mark, int markX,
                 int markY) {
        int markAt = After(markX, x, dose);
        Small();
        int markEnd = markAt + Width(mark);
        Left(markAt, markY, mark);
        Main();
        std::string head = dose + "     ";
        while (EndOf(x, head) < markEnd + 1)
            head += ' ';
        Left(x, y, head + "(mg/kg-day)");
    }
    // Texts in the current font: draws the lines from (x, y) one pitch apart, a word moved to
    // the next line where a line would end past right.
    void Lines(int x, int y, int pitch, int right, const std::vector<std::string>& lines);
    void Line(int x1, int y1, int x2, int y2) { p_.drawLine(x1, y1, x2, y2); }
    void Rule(int y) { Line(125, y, 675, y); }
    void Frame(int left, int top, int right, int bottom) {
        p_.save();
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(left, top, right - left - 1, bottom - top - 1);
        p_.restore();
    }
    // White border, the inside in the window's grey (white on paper), framed in black.
    void PageFrame(int outputMode) {
        p_.fillRect(QRect(QPoint(99, 29), QPoint(700, 529)), Qt::white);
        p_.fillRect(QRect(QPoint(100, 30), QPoint(699, 528)),
                    outputMode == 2 ? QColor(Qt::white) : kBackground);
        Frame(99, 29, 701, 530);
    }

  private:
    static constexpr int kGap = 3;
    int EndOf(int x, const std::string& mainText) const {
        QFontMetricsF metrics(main_, p_.device());
        return static_cast<int>(
            std::ceil(x + metrics.horizontalAdvance(QString::fromStdString(mainText))));
    }
    int Width(const std::string& text) const {
        QFontMetricsF metrics(p_.font(), p_.device());
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(text))));
    }

    // The height of a font is its cell height (ascent and descent, internal leading
    // included), not its em size: Arial at height 12 has an em of about 10.7 units.
    void UseFont(int height) {
        // The pages are laid out for Arial's widths; Liberation Sans has the same.
        static const bool substituted = [] {
            QFont::insertSubstitution("Arial", "Liberation Sans");
            return true;
        }();
        (void)substituted;
        QFont font("Arial");
        font.setWeight(QFont::Normal);
        font.setPixelSize(kMeasuringSize);
        double cellPerEm = QFontMetricsF(font).height() / kMeasuringSize;
        // A point size on the device's own resolution gives a fractional size in its units.
        double em = height / cellPerEm;
        font.setPointSizeF(em * 72.0 / p_.device()->logicalDpiY());
        p_.setFont(font);
    }

    static constexpr int kMeasuringSize = 1000;
    QPainter& p_;
    QFont main_;
};

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void PageDrawer::Lines(int x, int y, int pitch, int right, const std::vector<std::string>& lines) {
    std::string carried;  // the words a line before could not hold
    for (size_t k = 0; k < lines.size() || !carried.empty(); ++k) {
        std::string given = k < lines.size() ? lines[k] : "";
        std::string line = TrimmedRight(carried.empty() ? given : carried + " " + given);
        carried.clear();
        size_t blank;
        while (x + Width(line) > right && (blank = line.rfind(' ')) != std::string::npos) {
            carried = line.substr(blank + 1) + (carried.empty() ? "" : " " + carried);
            line = TrimmedRight(line.substr(0, blank));
        }
        Left(x, y, line);
        y += pitch;
    }
}

bool IsBarSoap(const ExposureInputs& in) {
    return in.ScenarioName == "Bar Soap";
}

std::string WithSuffix(const ExposureInputs& in, const char* suffix) {
    return in.ScenarioName + (in.ScenarioName == "Laundry Detergent" ? suffix : "");
}

// The two lines of the note that cite the guidance on acute inhalation exposure.
const char* const kNoteLine1 =
    "Note: The general Agency guidance for assessing short-term, infrequent events (for most "
    "chemicals, an exposure of less than ";
const char* const kNoteLine2 =
    "24 hours that occurs no more frequently than monthly) is to treat such events as "
    "independent, acute exposures rather than";
const char* const kNoteLine4 =
    "Exposures to Airborne Chemicals, report EA-1994-07, Exposure Assessment Office, July 1994)";

// The note's lines as given, a word carried to the next line where the main font of the screen
// would run past the frame.
void DrawNotes(PageDrawer& d, int firstY, const char* thirdLineStart) {
    d.Lines(
        120, firstY, 16, 695,
        {kNoteLine1, kNoteLine2,
         std::string(thirdLineStart) + "Guidance for Assessing Short-Term Inhalation", kNoteLine4});
}

void DrawInhalationInputs(PageDrawer& d, const ResultPageSource& s) {
    const ExposureInputs& in = s.inputs;
    const DisplayTexts& t = s.texts;
    if (in.ScenarioClass == 0) {
        d.Left(140, 193, "There are no Inhalation inputs for this scenario.");
        return;
    }
    struct Row {
        int y;
        const char* left;
        std::string leftValue;
        const char* right;
        std::string rightValue;
    };
    const Row rows[] = {
        {173, "Frequency of Use (chronic) (events/yr)", t.InhFrequency,
         "Exposure Duration (chronic) (years)", t.InhDuration},
        {188, "Frequency of Use (acute) (events/day)", "1", "Exposure Duration (acute) (days)",
         "1"},
        {203, "Mass of Product Used - Central Tendency (g)", t.MassCentral,
         "Mass of Product Used - High-End (g)", t.MassHighEnd},
        {218, "Inhalation Rate During Use (m3/hr)", t.InhRateDuring,
         "Inhalation Rate After Use (m3/hr)", t.InhRateAfter},
        {233, "Zone 1 Volume (m3)", t.Zone1Volume, "Whole House Volume (m3)", t.HouseVolume},
        {248, "Duration of Event - Central Tendency (hrs/ev)", t.DurationCentral,
         "Duration of Event - High-End (hrs/ev)", t.DurationHighEnd},
        {263, "Air Exchange Rate (air xchgs/hr)", t.AirExchange, "Body Weight (kg)",
         t.InhBodyWeight},
    };
    for (const Row& row : rows) {
        d.LabelAndRight(140, row.y, row.left, 375, row.y - 8, row.leftValue);
        d.LabelAndRight(410, row.y, row.right, 655, row.y - 8, row.rightValue);
    }
    if (in.ScenarioKeyword == "sprayedsurface") {
        d.LabelAndRight(140, 278, "Portion of Aerosol in Air (unitless)", 375, 270,
                        t.AerosolFraction);
    }
}

void DrawActivityPatterns(PageDrawer& d, const ResultPageSource& s) {
    const DisplayTexts& t = s.texts;
    d.Left(130, 313, "Activity Patterns");
    if (s.inputs.ScenarioClass == 0) {
        d.Left(150, 353, "There are no activity pattern data for this scenario");
        return;
    }
    d.Left(150, 333, "User:");
    d.Left(210, 333, t.UseDayText);
    d.Left(150, 353, "Non-User:");
    d.Left(210, 353, t.NonUseDayText);
    d.Left(150, 373, "Hour:");
    d.Left(210, 373, t.HourScale);
    d.LabelAndRight(470, 333, "Start Time:", 655, 325, t.StartTime);
    d.LabelAndRight(470, 355, "Room of Use:", 655, 345, t.RoomName);
}

void DrawDermalInputs(PageDrawer& d, const ResultPageSource& s) {
    const ExposureInputs& in = s.inputs;
    const DisplayTexts& t = s.texts;
    d.Left(130, 393, "Dermal Inputs");
    if (in.ScenarioClass == 1) {
        d.Left(150, 413, "There are no Dermal inputs for this scenario");
        return;
    }
    if (IsBarSoap(in)) {
        d.LabelAndRight(150, 413, "Frequency of Use - Body (events/yr) Chronic", 395, 405,
                        t.FrequencyBody);
        d.LabelAndRight(410, 413, "SA/BW - Body (cm2/kg)", 655, 405, t.SaBwBody);
        d.Left(150, 423, "Frequency of use - Body (events/day) acute               1");
        d.LabelAndRight(150, 433, "Frequency of Use - Hands (events/yr) Chronic", 395, 425,
                        t.FrequencyHands);
        d.LabelAndRight(410, 433, "SA/BW - Hands (cm2/kg)", 655, 425, t.SaBwHands);
        d.Left(150, 443, "Frequency of use - Hands (events/day) acute               2");
    } else {
        d.LabelAndRight(150, 413, "Frequency of Use (events/yr) Chronic", 395, 405,
                        t.FrequencyBody);
        d.LabelAndRight(410, 413, "SA/BW (cm2/kg)", 655, 405, t.SaBwBody);
        d.Left(150, 433, "Frequency of Use (events/day) acute                      1");
    }
    if (in.DoseType == "Potential") {
        d.LabelAndRight(150, 453, "Amount Retained/Absorbed to Skin (g/cm2-event)", 480, 445,
                        t.AmountOnSkin);
    } else {
        d.LabelAndRight(150, 453, "Permeability coefficient (cm/hr)", 375, 445, t.Permeability);
        if (in.KowValue > 0.0) {
            d.LabelAndRight(410, 453, "Kow", 655, 445, t.Kow);
        }
        d.LabelAndRight(150, 463, "Duration of Event (hr/event) acute and chronic", 390, 455,
                        t.EventDuration);
        d.LabelAndRight(410, 463, "Density of Formualtion (g/cm3)", 655, 455, t.Density);
        d.LabelAndRight(150, 473, "Dilution (unitless)", 390, 465, t.Dilution);
    }
    d.LabelAndLeft(150, 483, "Exposure Duration (chronic) years", 375, G4(in.YEARSOFUSE));
    d.Left(150, 493, "Exposure Duration (acute) days                                1");
}

}  // namespace

void DrawInputsPage(QPainter& painter, const ResultPageSource& s) {
    PageDrawer d(painter);
    const ExposureInputs& in = s.inputs;
    const DisplayTexts& t = s.texts;
    d.PageFrame(s.outputMode);
    for (int y : {78, 98, 138, 158, 298, 318, 378, 398})
        d.Rule(y);
    d.Left(355, 43, "KIV Inputs");
    d.Left(150, 53, "ID Num:");
    d.Left(205, 53, in.IdNumber);
    d.Left(150, 73, "Product:");
    d.Left(205, 73, in.ProductName);
    d.Left(355, 73, "Chemical Name:");
    d.Left(455, 73, in.ChemicalName);
    d.Left(150, 93, "Scenario:");
    d.Left(215, 93, in.ScenarioName);
    d.Left(405, 93, "Population:");
    d.Left(475, 93, t.Population);
    d.LabelAndRight(150, 113, "Molecular Weight (g/mole)", 375, 106, t.MolecularWeight);
    if (in.ScenarioClass != 0) {
        d.LabelAndRight(403, 115, "VP (torr)", 505, 106, t.VapourPressure);
    }
    d.Left(150, 123, "Consumer Product Weight Fraction");
    d.LabelAndRight(150, 133, " - Central Tendency", 375, 124, t.WeightFractionCentral);
    d.LabelAndRight(405, 133, "Consumer Product Weight Fraction - High-End", 655, 124,
                    t.WeightFractionHighEnd);
    d.Left(130, 153, "Inhalation Inputs");
    DrawInhalationInputs(d, s);
    DrawActivityPatterns(d, s);
    DrawDermalInputs(d, s);
    bool dermalOnly = in.ScenarioClass == 0;
    d.Left(110, 512, "Averaging Time (chronic)");
    d.Left(110, 525, "Averaging Time (acute)");
    d.Right(400, 505, dermalOnly ? t.DermLaddAt : t.InhLaddAt);
    d.Right(400, 517, dermalOnly ? t.DermAdrAt : t.InhAdrAt);
    d.Right(430, 505, "days");
    d.Right(430, 517, "days");
}

void DrawInhalationPage(QPainter& painter, const ResultPageSource& s) {
    PageDrawer d(painter);
    const ExposureInputs& in = s.inputs;
    const DisplayTexts& t = s.texts;
    bool linked = s.runMode == 2;
    d.PageFrame(s.outputMode);
    d.Rule(80);
    d.Rule(110);
    d.Frame(215, 160, 585, 295);
    for (int y : {190, 210, 230, 250, 275, 295})
        d.Line(215, y, 585, y);
    d.Line(390, 160, 390, 295);
    d.Line(490, 160, 490, 295);
    d.Frame(215, 310, 585, 333);
    d.Line(215, 333, 585, 333);
    d.Line(490, 310, 490, 333);
    d.Centre(400, 45, "KIV Inhalation Exposure Estimates");
    d.Left(160, 75, "ID Num:");
    d.Left(355, 75, "Product:");
    d.Left(160, 100, "Scenario:");
    d.Left(215, 100, WithSuffix(in, " (Machine Washing)"));
    d.Left(405, 100, "Population:");
    d.Left(470, 100, t.Population);
    d.Left(160, 123, "Inhalation Rate(m3/hr)");
    d.Left(355, 123, "Exposure Duration (years) Chronic");
    d.Left(355, 133, "Exposure Duration (days) Acute                    1");
    d.Left(160, 138, "BodyWeight (kg)");
    d.Left(355, 143, "Frequency of Use (events/year) Chronic");
    d.Left(355, 153, "Frequency of Use (events/day) Acute               1");
    d.Centre(305, 170, "Exposure Units");
    d.Centre(440, 170, "Result");
    d.Centre(540, 170, "AT (days)");
    d.Left(225, 206, "Chronic, Cancer");
    d.Left(235, 224, "LADD     (mg/kg-day)");
    d.Left(235, 244, "LADC     (mg/m3)");
    if (!linked) {
        d.Left(225, 267, "Chronic Non-Cancer");
        d.Left(235, 289, "ADD     (mg/kg-day)");
        d.Left(235, 309, "ADC     (mg/m3)");
        // Below the Cp box that the row would cross.
        d.Left(225, 341, "Acute");
        d.Left(235, 354, "ADR     (mg/kg-day)");
        d.Left(235, 374, "Cp      (mg/m3)");
    } else {
        d.Left(225, 267, "Acute");
        d.Left(235, 289, "ADR     (mg/kg-day)");
    }
    d.Small();
    d.Left(d.After(263, 235, "LADD"), 227, "pot");
    d.Left(d.After(263, 235, "LADC"), 247, "pot");
    d.Left(d.After(256, 235, linked ? "ADR" : "ADD"), 292, "pot");
    if (!linked) {
        d.Left(d.After(258, 235, "ADR"), 357, "pot");
        d.Left(d.After(249, 235, "Cp"), 377, "pot");
    }
    d.Legend(s.outputMode);
    d.Left(120, 395, "LADDpot - Lifetime Average Daily Dose (mg/kg-day)");
    d.Left(410, 395, "LADCpot - Lifetime Average Daily Concentration (mg/m3)");
    if (!linked) {
        d.Left(120, 411, "ADDpot - Average Daily Dose (mg/kg-day)");
        d.Left(410, 411, "ADCpot - Average Daily Concentration (mg/m3)");
    }
    d.Left(120, 427, "ADRpot - Acute Dose Rate (mg/kg-day)");
    d.Left(410, 427, "Cppot  - Peak Concentration (mg/m3)");
    d.Left(120, 443, "Note:  78 years = 2.85e+04 days");
    d.Left(410, 443, "pot   - potential dose");
    DrawNotes(d, 463, "as a chronic exposure. (");
    d.Main();
    d.Left(220, 322, "Cp       (mg/m3)");
    d.Small();
    d.Left(d.After(233, 220, "Cp"), 327, "pot");
    d.Main();
    d.Left(215, 75, in.IdNumber);
    d.Left(425, 75, in.ProductName);
    d.Right(470, 317, FormatResultValue(s.results[kPeakConcentration]));
    d.Right(470, 217, t.InhLadd);
    d.Right(565, 217, t.InhLaddAt);
    d.Right(470, 237, t.InhLadc);
    d.Right(565, 237, t.InhLadcAt);
    if (!linked) {
        d.Right(470, 282, t.InhAdd);
        d.Right(565, 282, t.InhAddAt);
        d.Right(470, 302, t.InhAdc);
        d.Right(565, 302, t.InhAdcAt);
        d.Right(470, 347, t.InhAdr);
        d.Right(565, 347, t.InhAdrAt);
        d.Right(470, 367, t.InhCp);
        d.Right(565, 367, t.InhCpAt);
    } else {
        d.Right(470, 282, t.InhAdr);
        d.Right(565, 282, t.InhAdrAt);
    }
    d.Left(d.LeftStart(550, 355, "Exposure Duration (years) Chronic"), 123, t.InhDuration);
    d.Left(d.LeftStart(315, 160, "Inhalation Rate(m3/hr)"), 123, t.InhRate);
    d.Left(d.LeftStart(550, 355, "Frequency of Use (events/year) Chronic"), 143, t.InhFrequency);
    d.Left(d.LeftStart(275, 160, "BodyWeight (kg)"), 138, t.InhBodyWeight);
}

void DrawDermalPage(QPainter& painter, const ResultPageSource& s) {
    PageDrawer d(painter);
    const ExposureInputs& in = s.inputs;
    DisplayTexts& t = s.texts;
    bool linked = s.runMode == 2;
    bool potential = in.DoseType == "Potential";
    std::string mark = potential ? "pot" : "abs";
    d.PageFrame(s.outputMode);
    d.Rule(80);
    d.Rule(110);
    d.Frame(200, 170, 600, 290);
    for (int y : {200, 225, 245, 270})
        d.Line(200, y, 600, y);
    d.Line(400, 170, 400, 290);
    d.Line(500, 170, 500, 290);
    d.Centre(400, 45, "KIV Dermal Exposure Estimates");
    d.Left(160, 75, "ID Num:");
    d.Left(355, 75, "Product:");
    d.Left(160, 100, "Scenario:");
    d.Left(215, 100, WithSuffix(in, " (Hand Washing)"));
    d.Left(405, 100, "Population: ");
    d.Left(475, 100, t.Population);
    d.Left(140, 123, "Exposure Duration (years) chronic");
    d.Left(140, 133, "Exposure Duration (days) acute                             1");
    // Bar soap's body lines start further left, clear of the hands lines beside them.
    bool soap = IsBarSoap(in);
    int bodyX = soap ? 120 : 140;
    const char* area = soap ? "SA/BW Body (cm2/kg)" : "SA/BW (cm2/kg)";
    const char* frequency = soap ? "Frequency of Use - Body (events/year) chronic"
                                 : "Frequency of Use (events/year) chronic";
    d.Left(bodyX, 143, area);
    d.Left(bodyX, 153, frequency);
    if (soap) {
        d.Left(bodyX, 163, "Frequency of Use - Body (events/day) acute             1");
        d.Left(385, 143, "SA/BW Hand (cm2/kg)");
        d.Left(385, 153, "Frequency of Use - Hand (events/year) chronic");
        d.Left(385, 163, "Frequency of Use - Hand (events/day) acute                       2");
    } else {
        d.Left(bodyX, 163, "Frequency of Use (events/day) acute             1");
    }
    d.Centre(295, 177, "Exposure Units");
    d.Centre(450, 177, "Result");
    d.Centre(550, 177, "AT (days)");
    d.Left(210, 216, "Chronic, Cancer");
    d.DoseRow(220, 239, "LADD", mark, 248, 242);
    if (!linked) {
        d.Left(210, 261, "Chronic Non-Cancer");
        d.DoseRow(220, 284, "ADD", mark, 244, 287);
        d.Left(210, 306, "Acute");
        d.Left(220, 329, "ADR     (mg/kg-day)");
    } else {
        d.Left(210, 261, "Acute");
        d.DoseRow(220, 284, "ADR", mark, 244, 287);
    }
    d.Legend(s.outputMode);
    const std::string kind = potential ? "pot" : "abs";
    d.Left(140, 360, "LADD" + kind + " - Lifetime Average Daily Dose (mg/kg-day)");
    std::string doseNote = potential ? "pot    - Potential Dose" : "abs    - Absorbed dose";
    if (!linked) {
        d.Left(140, 376, "ADD" + kind + " - Average Daily Dose (mg/kg-day)");
        d.Left(140, 392, "ADR" + kind + " - Acute Dose Rate (mg/kg-day)");
        d.Left(140, 416, doseNote);
    } else {
        d.Left(140, 376, "ADR" + kind + " - Acute Dose Rate (mg/kg-day)");
        d.Left(140, 392, doseNote);
    }
    // Above the dose note that stands on its line outside linked mode.
    d.Left(160, linked ? 412 : 404, "Note: 78 years = 2.85e+04 days");
    DrawNotes(d, 433, "as a chronic exposure.  (");
    d.Main();
    d.Left(215, 75, in.IdNumber);
    d.Left(425, 75, in.ProductName);
    if (in.AgeGroup > 1 && in.ScenarioName != kUserDefined) {
        t.DermLadd = "N/A";
        t.DermLaddAt = "N/A";
    }
    d.Right(480, 231, t.DermLadd);
    d.Right(580, 231, t.DermLaddAt);
    if (!linked) {
        d.Right(480, 276, t.DermAdd);
        d.Right(580, 276, t.DermAddAt);
        d.Right(480, 322, t.DermAdr);
        d.Right(580, 322, t.DermAdrAt);
    } else {
        d.Right(480, 276, t.DermAdr);
        d.Right(580, 276, t.DermAdrAt);
    }
    d.Right(d.RightEnd(375, 140, "Exposure Duration (years) chronic", t.DermDuration), 115,
            t.DermDuration);
    d.Right(d.RightEnd(375, bodyX, frequency, t.FrequencyBody), 144, t.FrequencyBody);
    d.Right(d.RightEnd(375, bodyX, area, t.SaBwBody), 133, t.SaBwBody);
    if (s.results[27] != 0 && IsBarSoap(in)) {
        d.Right(680, 144, t.FrequencyHands);
        d.Right(680, 133, t.SaBwHands);
    }
}

std::vector<std::string> CommentLines(const std::string& comments) {
    constexpr size_t kWrapAt = 70;
    constexpr size_t kLongest = 79;
    constexpr size_t kMostLines = 100;
    std::vector<std::string> lines{"Comments:"};
    std::string rest = comments;
    while (lines.size() < kMostLines) {
        if (rest.size() <= kWrapAt) {
            lines.push_back(rest);
            break;
        }
        size_t blank = rest.find(' ', kWrapAt);
        if (blank == std::string::npos || blank > kLongest) {
            // No blank close enough: the line is cut at its longest.
            lines.push_back(rest.substr(0, kLongest));
            rest.erase(0, kLongest);
        } else {
            lines.push_back(rest.substr(0, blank));
            rest.erase(0, blank + 1);
        }
    }
    return lines;
}

void DrawCommentsPage(QPainter& painter, const std::string& comments) {
    PageDrawer d(painter);
    std::vector<std::string> lines = CommentLines(comments);
    for (size_t k = 0; k < lines.size(); ++k)
        d.Left(50, static_cast<int>(50 + 18 * k), lines[k]);
}

}  // namespace consumer
