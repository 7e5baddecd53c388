// The result documents as a user gets them: a case chosen, run from the window, written through
// the document command and read back with the independent reader; every labelled number is
// compared with the case's records.
#include <gtest/gtest.h>

#include <QAction>
#include <set>
#include <vector>

#include "consumer/model/case_state.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/wpd_text.h"
#include "platform/sys/files.h"
#include "tests/consumer/pages/kiv_fixture.h"
#include "tests/consumer/pages/shown_values.h"

namespace {

using namespace consumer;
using namespace consumer_test;

const char* const kSections[] = {"KIV Inputs",
                                 "Inhalation Inputs",
                                 "Activity Patterns",
                                 "Dermal Inputs",
                                 "KIV Inhalation Exposure Estimates",
                                 "KIV Dermal Exposure Estimates"};

using Expected = std::map<std::string, ShownValue>;

// Every number a document may show, keyed by "section|label", from the records alone.
Expected DocumentNumbers(const ExposureInputs& in, const ExposureResults& er) {
    Expected e;
    auto put = [&e](const std::string& section, const std::string& label, ShownValue value) {
        e[section + "|" + label] = value;
    };
    auto plain = [](double value) { return ShownValue{value, false}; };
    std::string mark = in.DoseType == "Potential" ? "pot" : "abs";
    const std::string inputs = "KIV Inputs", inh = "Inhalation Inputs", act = "Activity Patterns",
                      derm = "Dermal Inputs", inhOut = "KIV Inhalation Exposure Estimates",
                      dermOut = "KIV Dermal Exposure Estimates";
    put(inputs, "Molecular Weight (g/mole)", plain(in.MOLECWEIGHT));
    put(inputs, "Vapor Pressure (torr)", plain(in.VAPORPRESS));
    put(inputs, "Consumer Product Weight Fraction - Central Tendency",
        plain(in.WeightFractionMedian));
    put(inputs, "Consumer Product Weight Fraction - High-End", plain(in.WeightFraction90));

    put(inh, "Frequency of Use (chronic) (events/yr)", plain(er[13]));
    put(inh, "Exposure Duration (chronic) (years)", plain(er[14]));
    put(inh, "Frequency of Use (acute) (events/day)", plain(1));
    put(inh, "Exposure Duration (acute) (days)", plain(1));
    put(inh, "Mass of Product Used - Central Tendency (g)", plain(in.MassUsedCentral));
    put(inh, "Mass of Product Used - High-End (g)", plain(in.MassUsedHighEnd));
    put(inh, "Inhalation Rate During Use (m3/hr)", plain(in.INHALRATEDURINGUSE));
    put(inh, "Inhalation Rate After Use (m3/hr)", plain(in.INHALRATEAFTERUSE));
    put(inh, "Duration of Event - Central Tendency (hrs/ev)", plain(in.DurationCentral));
    put(inh, "Duration of Event - High-End (hrs/ev)", plain(in.DurationHighEnd));
    put(inh, "Zone 1 Volume (m3)", plain(in.ZONE1VOL));
    put(inh, "Whole House Volume (m3)", plain(in.HOUSEVOL));
    put(inh, "Air Exchange Rate (air xchgs/hr)", plain(in.AIREXRATE));
    put(inh, "Body Weight (kg)", plain(er[12]));
    put(inh, "Portion of Aerosol in Air (unitless)", plain(in.FRACTAEROSOL));

    put(act, "Start Time", plain(in.STARTTIME));
    put(act, "LADD Averaging Time (days)", ChronicValue(in, er[6]));
    put(act, "ADD Averaging Time (days)", ChronicValue(in, er[8]));
    put(act, "ADR Averaging Time (days)", ResultValue(er[10]));

    bool soap = in.ScenarioName == "Bar Soap";
    std::string body = soap ? " body" : "";
    put(derm, "Frequency of Use (chronic) (events/yr)", plain(er[26]));
    put(derm, "Frequency of Use" + body + " (chronic) (events/yr)", plain(er[26]));
    put(derm, "SA/BW (cm2/kg)", plain(er[24]));
    put(derm, "SA/BW" + body + " (cm2/kg)", plain(er[24]));
    put(derm, "Frequency of Use" + body + " (acute) (events/day)", plain(1));
    put(derm, "Frequency of Use - Hands (chronic) (events/yr)", plain(er[27]));
    put(derm, "SA/BW - Hands (cm2/kg)", plain(er[25]));
    put(derm, "Frequency of Use - Hands (acute) (events/day)", plain(2));
    put(derm, "Amount Retained / Absorbed to Skin (g/cm2-event)", plain(in.AmountOnSkin));
    put(derm, "Amount Retained/Absorbed to Skin (g/cm2-event)", plain(in.AmountOnSkin));
    put(derm, "Permeability coefficient (cm/hr)", plain(in.PermeabilityCoefficient));
    put(derm, "Kow", plain(in.KowValue));
    put(derm, "Exposure Duration (hr/event)", plain(in.DermalEventDuration));
    put(derm, "Density of Formulation (g/cm3)", plain(in.FormulationDensity));
    put(derm, "Dilution (unitless)", plain(in.Dilution));
    put(derm, "Exposure Duration (chronic) (years)", plain(in.YEARSOFUSE));
    put(derm, "Exposure Duration (acute) (days)", plain(1));
    put(derm, "Averaging Time (chronic) (days)", ResultValue(er[20]));
    put(derm, "Averaging Time (acute) (days)", ResultValue(er[22]));
    put(derm, "LADD Averaging Time (days)", ResultValue(er[20]));
    put(derm, "ADD Averaging Time (days)", ResultValue(er[21]));
    put(derm, "ADR Averaging Time (days)", ResultValue(er[22]));

    put(inhOut, "Inhalation Rate (m3/hr)", plain(er[15]));
    put(inhOut, "Exposure Duration (years) Chronic", plain(er[14]));
    put(inhOut, "Exposure Duration (days) Acute", plain(1));
    put(inhOut, "Body Weight (kg)", plain(er[12]));
    put(inhOut, "Frequency of Use (events/year) Chronic", plain(er[13]));
    put(inhOut, "Frequency of Use (events/day) Acute", plain(1));
    const char* chronic[] = {"LADD", "LADC", "ADD", "ADC"};
    const char* units[] = {"(mg/kg-day)", "(mg/m3)", "(mg/kg-day)", "(mg/m3)"};
    for (int i = 0; i < 4; ++i) {
        put(inhOut, std::string(chronic[i]) + "pot " + units[i], ChronicValue(in, er[i]));
        put(inhOut, std::string(chronic[i]) + " Averaging Time (days)",
            ChronicValue(in, er[6 + i]));
    }
    put(inhOut, "ADRpot (mg/kg-day)", ResultValue(er[4]));
    put(inhOut, "ADR Averaging Time (days)", ResultValue(er[10]));
    put(inhOut, "Cppot (mg/m3)", ResultValue(er[5]));
    put(inhOut, "Cp Averaging Time (days)", ResultValue(er[11]));

    put(dermOut, "Exposure Duration (years) chronic", plain(er[23]));
    put(dermOut, "Exposure Duration (days) acute", plain(1));
    put(dermOut, "SA/BW (cm2/kg)", plain(er[24]));
    put(dermOut, "SA/BW Hands (cm2/kg)", plain(er[25]));
    put(dermOut, "Frequency of Use (events/year) chronic", plain(er[26]));
    put(dermOut, "Frequency of Use Hands (chronic) (events/year)", plain(er[27]));
    const char* doses[] = {"LADD", "ADD", "ADR"};
    for (int i = 0; i < 3; ++i) {
        put(dermOut, std::string(doses[i]) + mark + " (mg/kg-day)", ResultValue(er[17 + i]));
        put(dermOut, std::string(doses[i]) + " Averaging Time (days)", ResultValue(er[20 + i]));
    }
    return e;
}

// The rows of results each document must show, "section|label".
std::vector<std::string> RequiredRows(const ExposureInputs& in) {
    std::vector<std::string> rows;
    std::string mark = in.DoseType == "Potential" ? "pot" : "abs";
    if (in.ScenarioClass != 0) {
        for (const char* dose : {"LADD", "LADC", "ADD", "ADC", "ADR", "Cp"}) {
            std::string unit = std::string(dose).back() == 'C' || std::string(dose) == "Cp"
                                   ? " (mg/m3)"
                                   : " (mg/kg-day)";
            rows.push_back("KIV Inhalation Exposure Estimates|" + std::string(dose) + "pot" + unit);
            rows.push_back("KIV Inhalation Exposure Estimates|" + std::string(dose) +
                           " Averaging Time (days)");
        }
    }
    if (in.ScenarioClass != 1) {
        for (const char* dose : {"LADD", "ADD", "ADR"}) {
            rows.push_back("KIV Dermal Exposure Estimates|" + std::string(dose) + mark +
                           " (mg/kg-day)");
            rows.push_back("KIV Dermal Exposure Estimates|" + std::string(dose) +
                           " Averaging Time (days)");
        }
    }
    if (in.ScenarioName == "Bar Soap") {
        rows.push_back("KIV Dermal Exposure Estimates|SA/BW Hands (cm2/kg)");
        rows.push_back(
            "KIV Dermal Exposure Estimates|Frequency of Use Hands (chronic) (events/year)");
        rows.push_back("Dermal Inputs|Frequency of Use - Hands (acute) (events/day)");
    }
    return rows;
}

// The codes 1..maxCode still in a document's text bytes.
std::vector<std::string> CodesLeft(const std::string& bytes, int maxCode) {
    std::vector<std::string> left;
    for (size_t i = WpdPrefixLength; i + 2 < bytes.size(); ++i) {
        int n = MarkerNumberOf(bytes[i], bytes[i + 1], bytes[i + 2]);
        if (n != 0 && n <= maxCode)
            left.push_back(MarkerCode(n));
    }
    return left;
}

struct ReadBack {
    std::map<std::string, std::string> values;  // "section|label" -> the text after ": "
    std::vector<std::string> faults;
};

// Each "label: value" line under its section, up to the comments.
ReadBack ReadDocument(const std::string& text) {
    ReadBack back;
    std::string section;
    for (const std::string& raw : Lines(text)) {
        std::string line = Squeezed(raw);
        if (line == "Comments:")
            break;
        for (const char* heading : kSections) {
            if (line == heading)
                section = heading;
        }
        size_t colon = line.find(": ");
        if (colon == std::string::npos)
            continue;
        std::string key = section + "|" + line.substr(0, colon);
        if (back.values.count(key))
            back.faults.push_back(key + " stands twice");
        back.values[key] = line.substr(colon + 2);
    }
    return back;
}

struct DocumentCase {
    ProductChoice product;
    int maxCode;
};

void PrintTo(const DocumentCase& c, std::ostream* out) {
    *out << c.product.name << ", " << c.product.doseType << ", age group " << c.product.ageGroup;
}

class DocumentReadBack : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentReadBack, EveryLabelledNumberIsTheComputedOne) {
    const DocumentCase& c = GetParam();
    KivFolder folder;
    forms::ScriptedUi ui;
    KIVFrame frame;
    RunProductCase(frame, folder, ui, c.product);
    ASSERT_TRUE(ResultsReady) << c.product.name;
    // The name is typed without an extension: the dialog adds the document's own.
    ui.ClearShown();
    ui.AnswerNextDialog(folder.Root() + "case_doc");
    frame.Command(24)->trigger();
    std::string path = folder.Root() + "case_doc.wpd";
    ASSERT_TRUE(folder.Exists("case_doc.wpd")) << c.product.name;
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, path + " has been saved");

    std::optional<std::string> bytes = sys::ReadWholeFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(CodesLeft(*bytes, c.maxCode), std::vector<std::string>{}) << c.product.name;

    std::string text = Wpd2Text(path);
    ReadBack back = ReadDocument(text);
    EXPECT_EQ(back.faults, std::vector<std::string>{}) << text;
    Expected expected = DocumentNumbers(*CaseInputs, *CaseResults);
    int numbers = 0;
    for (const auto& [key, shown] : back.values) {
        auto it = expected.find(key);
        if (it == expected.end()) {
            // Texts (identity, scenario, population, patterns) are not numbers of the case.
            EXPECT_FALSE(ReadsAsNumber(shown))
                << key << " shows the number " << shown << " that no value of the case explains";
            continue;
        }
        if (Squeezed(shown) == "NA" && key == "Dermal Inputs|Kow") {
            EXPECT_EQ(CaseInputs->KowValue, 0);
            continue;
        }
        ++numbers;
        EXPECT_EQ(CompareShown(shown, it->second), "") << c.product.name << ": " << key;
    }
    EXPECT_GT(numbers, 10);
    for (const std::string& row : RequiredRows(*CaseInputs))
        EXPECT_EQ(back.values.count(row), 1u) << c.product.name << " lacks " << row << "\n" << text;
    for (const auto& [key, shown] : back.values) {
        if (key.size() > 7 && key.substr(key.size() - 7) == "|ID Num") {
            EXPECT_EQ(shown, "P-01-0001") << key;
        }
        if (key.size() > 11 && key.substr(key.size() - 11) == "|Population") {
            EXPECT_EQ(shown, c.product.ageGroup == 1 ? "Adult" : "Child(age 6-10)") << key;
        }
    }
    EXPECT_NE(text.find("Read back."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EachPathway, DocumentReadBack,
    ::testing::Values(DocumentCase{{"Latex Paint", 2, "appliedsurfacepaint", 2}, 105},
                      DocumentCase{{"Laundry Detergent", 5, "addedwater", 2, 1, "Absorbed"}, 105},
                      DocumentCase{{"Fabric Protector", 3, "sprayedsurface", 1}, 100},
                      DocumentCase{{"Latex Paint", 2, "appliedsurfacepaint", 1, 3}, 100},
                      DocumentCase{{"Bar Soap", 7, "contactskin", 0}, 100},
                      DocumentCase{{"Used Motor Oil", 8, "contactskin", 0, 1, "Absorbed"}, 100}),
    [](const ::testing::TestParamInfo<DocumentCase>& param) {
        std::string name;
        for (char ch : std::string(param.param.product.name) + param.param.product.doseType +
                           std::to_string(param.param.product.ageGroup)) {
            if (std::isalnum(static_cast<unsigned char>(ch)))
                name += ch;
        }
        return name;
    });

}  // namespace
