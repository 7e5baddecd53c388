// The result pages as a user sees them: a case run from the window, each result page shown and
// the printout drawn as it is printed; no two texts overlap, every text stays inside the page
// frame, and every number shown is the one the case holds.
#include <gtest/gtest.h>

#include <QAction>
#include <algorithm>
#include <vector>

#include "consumer/model/case_state.h"
#include "consumer/output/display_texts.h"
#include "consumer/output/result_print.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "tests/consumer/pages/kiv_fixture.h"
#include "tests/consumer/pages/shown_values.h"
#include "tests/consumer/pages/text_recorder.h"

namespace {

using namespace consumer;
using namespace consumer_test;

// Expected numbers by row label (blanks squeezed), in the order the label stands on the page
// from the top; each entry lists the numbers of the row from left to right.
using PageNumbers = std::map<std::string, std::vector<std::vector<ShownValue>>>;

ShownValue Plain(double value) {
    return {value, false};
}

PageNumbers InputsPageNumbers(const ExposureInputs& in, const ExposureResults& er) {
    PageNumbers p;
    p["Molecular Weight (g/mole)"] = {{Plain(in.MOLECWEIGHT)}};
    p["- Central Tendency"] = {{Plain(in.WeightFractionMedian)}};
    p["Consumer Product Weight Fraction - High-End"] = {{Plain(in.WeightFraction90)}};
    if (in.ScenarioClass != 0) {
        p["VP (torr)"] = {{Plain(in.VAPORPRESS)}};
        p["Frequency of Use (chronic) (events/yr)"] = {{Plain(er[13])}};
        p["Exposure Duration (chronic) (years)"] = {{Plain(er[14])}};
        p["Frequency of Use (acute) (events/day)"] = {{Plain(1)}};
        p["Exposure Duration (acute) (days)"] = {{Plain(1)}};
        p["Mass of Product Used - Central Tendency (g)"] = {{Plain(in.MassUsedCentral)}};
        p["Mass of Product Used - High-End (g)"] = {{Plain(in.MassUsedHighEnd)}};
        p["Inhalation Rate During Use (m3/hr)"] = {{Plain(in.INHALRATEDURINGUSE)}};
        p["Inhalation Rate After Use (m3/hr)"] = {{Plain(in.INHALRATEAFTERUSE)}};
        p["Zone 1 Volume (m3)"] = {{Plain(in.ZONE1VOL)}};
        p["Whole House Volume (m3)"] = {{Plain(in.HOUSEVOL)}};
        p["Duration of Event - Central Tendency (hrs/ev)"] = {{Plain(in.DurationCentral)}};
        p["Duration of Event - High-End (hrs/ev)"] = {{Plain(in.DurationHighEnd)}};
        p["Air Exchange Rate (air xchgs/hr)"] = {{Plain(in.AIREXRATE)}};
        p["Body Weight (kg)"] = {{Plain(er[12])}};
        if (in.ScenarioKeyword == "sprayedsurface")
            p["Portion of Aerosol in Air (unitless)"] = {{Plain(in.FRACTAEROSOL)}};
        p["Start Time:"] = {{Plain(in.STARTTIME)}};
    }
    if (in.ScenarioClass != 1) {
        if (in.ScenarioName == "Bar Soap") {
            p["Frequency of Use - Body (events/yr) Chronic"] = {{Plain(er[26])}};
            p["SA/BW - Body (cm2/kg)"] = {{Plain(er[24])}};
            p["Frequency of Use - Hands (events/yr) Chronic"] = {{Plain(er[27])}};
            p["SA/BW - Hands (cm2/kg)"] = {{Plain(er[25])}};
        } else {
            p["Frequency of Use (events/yr) Chronic"] = {{Plain(er[26])}};
            p["SA/BW (cm2/kg)"] = {{Plain(er[24])}};
        }
        if (in.DoseType == "Potential") {
            p["Amount Retained/Absorbed to Skin (g/cm2-event)"] = {{Plain(in.AmountOnSkin)}};
        } else {
            p["Permeability coefficient (cm/hr)"] = {{Plain(in.PermeabilityCoefficient)}};
            if (in.KowValue > 0)
                p["Kow"] = {{Plain(in.KowValue)}};
            p["Duration of Event (hr/event) acute and chronic"] = {{Plain(in.DermalEventDuration)}};
            p["Density of Formualtion (g/cm3)"] = {{Plain(in.FormulationDensity)}};
            p["Dilution (unitless)"] = {{Plain(in.Dilution)}};
        }
        p["Exposure Duration (chronic) years"] = {{Plain(in.YEARSOFUSE)}};
    }
    bool dermalOnly = in.ScenarioClass == 0;
    p["Averaging Time (chronic)"] = {{dermalOnly ? ResultValue(er[20]) : ChronicValue(in, er[6])}};
    p["Averaging Time (acute)"] = {{ResultValue(dermalOnly ? er[22] : er[10])}};
    return p;
}

PageNumbers InhalationPageNumbers(const ExposureInputs& in, const ExposureResults& er,
                                  bool linked) {
    PageNumbers p;
    p["Inhalation Rate(m3/hr)"] = {{Plain(er[15])}};
    p["Exposure Duration (years) Chronic"] = {{Plain(er[14])}};
    p["BodyWeight (kg)"] = {{Plain(er[12])}};
    p["Frequency of Use (events/year) Chronic"] = {{Plain(er[13])}};
    p["LADD (mg/kg-day)"] = {{ChronicValue(in, er[0]), ChronicValue(in, er[6])}};
    p["LADC (mg/m3)"] = {{ChronicValue(in, er[1]), ChronicValue(in, er[7])}};
    p["ADR (mg/kg-day)"] = {{ResultValue(er[4]), ResultValue(er[10])}};
    // The Cp box stands above the Cp row of the table.
    p["Cp (mg/m3)"] = {{Plain(er[5])}};
    if (!linked) {
        p["ADD (mg/kg-day)"] = {{ChronicValue(in, er[2]), ChronicValue(in, er[8])}};
        p["ADC (mg/m3)"] = {{ChronicValue(in, er[3]), ChronicValue(in, er[9])}};
        p["Cp (mg/m3)"].push_back({ResultValue(er[5]), ResultValue(er[11])});
    }
    return p;
}

PageNumbers DermalPageNumbers(const ExposureInputs& in, const ExposureResults& er, bool linked) {
    PageNumbers p;
    p["Exposure Duration (years) chronic"] = {{Plain(er[23])}};
    if (in.ScenarioName == "Bar Soap") {
        p["SA/BW Body (cm2/kg)"] = {{Plain(er[24])}};
        p["Frequency of Use - Body (events/year) chronic"] = {{Plain(er[26])}};
        p["SA/BW Hand (cm2/kg)"] = {{Plain(er[25])}};
        p["Frequency of Use - Hand (events/year) chronic"] = {{Plain(er[27])}};
    } else {
        p["SA/BW (cm2/kg)"] = {{Plain(er[24])}};
        p["Frequency of Use (events/year) chronic"] = {{Plain(er[26])}};
    }
    // The page shows no chronic dermal dose for the populations without chronic results.
    auto chronic = [&](double value) {
        return ShownValue{value, value == kNotApplicable || !HasChronicResults(in)};
    };
    p["LADD (mg/kg-day)"] = {{chronic(er[17]), chronic(er[20])}};
    p["ADR (mg/kg-day)"] = {{ResultValue(er[19]), ResultValue(er[22])}};
    if (!linked)
        p["ADD (mg/kg-day)"] = {{ResultValue(er[18]), ResultValue(er[21])}};
    return p;
}

bool IsShownNumber(const std::string& text) {
    return Squeezed(text) == "N/A" || ReadsAsNumber(text);
}

bool IsDoseMark(const std::string& text) {
    return text == "pot" || text == "abs";
}

// Texts in page units: boxes and origins divided by the scale the page was drawn at.
std::vector<DrawnText> InPageUnits(std::vector<DrawnText> texts, double scale) {
    auto inPage = [scale](const QRectF& r) {
        return QRectF(r.topLeft() / scale, r.size() / scale);
    };
    for (DrawnText& t : texts) {
        t.box = inPage(t.box);
        for (QRectF& word : t.words)
            word = inPage(word);
        t.origin /= scale;
    }
    return texts;
}

// The row label of a number: the nearest label ending left of it on its baseline.
const DrawnText* LabelOf(const std::vector<DrawnText>& texts, const DrawnText& number) {
    const DrawnText* label = nullptr;
    for (const DrawnText& t : texts) {
        if (IsShownNumber(t.text) || IsDoseMark(t.text) || Squeezed(t.text).empty())
            continue;
        if (std::abs(t.origin.y() - number.origin.y()) > 5 || t.box.left() > number.box.left())
            continue;
        if (!label || t.box.left() > label->box.left())
            label = &t;
    }
    return label;
}

std::string BoxText(const QRectF& r) {
    return "(" + std::to_string(int(r.left())) + "," + std::to_string(int(r.top())) + ")-(" +
           std::to_string(int(r.right())) + "," + std::to_string(int(r.bottom())) + ")";
}

// Two texts overlap where the ink of a word of one meets the ink of a word of the other.
bool Overlap(const DrawnText& a, const DrawnText& b) {
    for (const QRectF& x : a.words) {
        for (const QRectF& y : b.words) {
            if (x.intersects(y))
                return true;
        }
    }
    return false;
}

void CheckLayout(const std::vector<DrawnText>& texts, const std::string& page) {
    const QRectF frame(99, 29, 602, 501);
    for (size_t i = 0; i < texts.size(); ++i) {
        const DrawnText& a = texts[i];
        if (a.box.isEmpty())
            continue;
        EXPECT_TRUE(frame.contains(a.box))
            << page << ": \"" << a.text << "\" " << BoxText(a.box) << " leaves the frame";
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const DrawnText& b = texts[j];
            if (Overlap(a, b))
                ADD_FAILURE() << page << ": \"" << a.text << "\" " << BoxText(a.box)
                              << " overlaps \"" << b.text << "\" " << BoxText(b.box);
        }
    }
}

void CheckNumbers(const std::vector<DrawnText>& texts, PageNumbers expected,
                  const std::string& page) {
    // The rows by label and their numbers, top to bottom, left to right.
    std::map<const DrawnText*, std::vector<const DrawnText*>> rows;
    for (const DrawnText& t : texts) {
        if (!IsShownNumber(t.text))
            continue;
        const DrawnText* label = LabelOf(texts, t);
        if (!label) {
            ADD_FAILURE() << page << ": the number " << t.text << " has no label";
            continue;
        }
        rows[label].push_back(&t);
    }
    std::vector<const DrawnText*> labels;
    for (const auto& [label, numbers] : rows)
        labels.push_back(label);
    std::sort(labels.begin(), labels.end(),
              [](const DrawnText* a, const DrawnText* b) { return a->origin.y() < b->origin.y(); });
    std::map<std::string, size_t> seen;
    for (const DrawnText* label : labels) {
        std::vector<const DrawnText*>& numbers = rows[label];
        std::sort(numbers.begin(), numbers.end(), [](const DrawnText* a, const DrawnText* b) {
            return a->box.left() < b->box.left();
        });
        std::string key = Squeezed(label->text);
        size_t occurrence = seen[key]++;
        auto it = expected.find(key);
        if (it == expected.end() || occurrence >= it->second.size()) {
            ADD_FAILURE() << page << ": \"" << key << "\" shows a number no value explains";
            continue;
        }
        const std::vector<ShownValue>& values = it->second[occurrence];
        ASSERT_EQ(numbers.size(), values.size()) << page << ": " << key;
        for (size_t k = 0; k < values.size(); ++k)
            EXPECT_EQ(CompareShown(numbers[k]->text, values[k]), "") << page << ": " << key;
    }
    for (const auto& [key, occurrences] : expected)
        EXPECT_EQ(seen[key], occurrences.size()) << page << ": \"" << key << "\" not shown";
}

struct LayoutCase {
    ProductChoice product;
    int runMode;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.product.name << ", " << c.product.doseType << ", age group " << c.product.ageGroup
         << ", run mode " << c.runMode;
}

class ResultLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ResultLayout, PagesAndPrintoutShowTheCaseWithoutOverlaps) {
    const LayoutCase& c = GetParam();
    KivFolder folder;
    forms::ScriptedUi ui;
    KIVFrame frame;
    RunProductCase(frame, folder, ui, c.product);
    ASSERT_TRUE(ResultsReady) << c.product.name;
    // The run mode only changes what the pages draw; the run itself is the stand-alone one.
    RunMode = c.runMode;
    bool linked = c.runMode == kRunLinked;
    const ExposureInputs& in = *CaseInputs;
    const ExposureResults& er = *CaseResults;
    struct Page {
        forms::TButton* button;
        bool shown;
        PageNumbers numbers;
        const char* name;
    };
    KIVWindow* window = frame.Client();
    const Page pages[] = {{window->InputsButton(), true, InputsPageNumbers(in, er), "inputs"},
                          {window->InhalationButton(), in.ScenarioClass != 0,
                           InhalationPageNumbers(in, er, linked), "inhalation"},
                          {window->DermalButton(), in.ScenarioClass != 1,
                           DermalPageNumbers(in, er, linked), "dermal"}};
    for (const Page& page : pages) {
        if (!page.shown)
            continue;
        SCOPED_TRACE(std::string(c.product.name) + " on screen");
        Click(page.button);
        TextRecorder screen(kResultPageWidth, kResultPageHeight, 96);
        window->Results()->render(&screen);
        ASSERT_FALSE(screen.Texts().empty());
        CheckLayout(screen.Texts(), page.name);
        CheckNumbers(screen.Texts(), page.numbers, page.name);
    }
    // The printout: US letter at 600 dpi, the pages scaled onto it as the printer does.
    RefreshDisplayTexts();
    ResultPageSource source{in, er, consumer::Display, RunMode, 2};
    const int width = 5100, height = 6600, dpi = 600;
    double scale = std::min(double(width) / kResultPageWidth, double(height) / kResultPageHeight);
    for (int number = 1; number <= 3; ++number) {
        const Page& page = pages[number - 1];
        if (!page.shown)
            continue;
        SCOPED_TRACE(std::string(c.product.name) + " printed");
        TextRecorder paper(width, height, dpi);
        QPainter painter(&paper);
        DrawPrintedPage(painter, number, QRectF(0, 0, width, height), dpi, source, "");
        painter.end();
        std::vector<DrawnText> texts = InPageUnits(paper.Texts(), scale);
        CheckLayout(texts, page.name);
        CheckNumbers(texts, page.numbers, page.name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachPathwayAndAgeGroup, ResultLayout,
    ::testing::Values(
        LayoutCase{{"Latex Paint", 2, "appliedsurfacepaint", 2}, kRunStandAlone},
        LayoutCase{{"Latex Paint", 2, "appliedsurfacepaint", 2}, kRunLinked},
        LayoutCase{{"Latex Paint", 2, "appliedsurfacepaint", 1, 3}, kRunStandAlone},
        LayoutCase{{"Fabric Protector", 3, "sprayedsurface", 1}, kRunChemicalId},
        LayoutCase{{"Laundry Detergent", 5, "addedwater", 2, 1, "Absorbed"}, kRunStandAlone},
        LayoutCase{{"Bar Soap", 7, "contactskin", 0}, kRunStandAlone},
        LayoutCase{{"Bar Soap", 7, "contactskin", 0, 5}, kRunLinked},
        LayoutCase{{"Used Motor Oil", 8, "contactskin", 0, 1, "Absorbed"}, kRunStandAlone}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) {
        std::string name;
        for (char ch : std::string(param.param.product.name) + param.param.product.doseType +
                           std::to_string(param.param.product.ageGroup) + "Mode" +
                           std::to_string(param.param.runMode)) {
            if (std::isalnum(static_cast<unsigned char>(ch)))
                name += ch;
        }
        return name;
    });

}  // namespace
