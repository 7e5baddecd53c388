// The transfer of a keyword file into the model input, line by line, and the refused lines.
#include "consumer/model/comtransfer.h"

#include <gtest/gtest.h>

#include "tests/consumer/model/test_folder.h"

namespace {

using consumer::comtransfer;
using consumer_test::Lines;
using consumer_test::TestFolder;

// Hours 9-11 in the room of use (3), 12 in the car (6), 13 away (7), 14 in the kitchen (2).
const int kUseDay[24] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 6, 7, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1};
// Hour 5 in the room of use, hour 6 away (8).
const int kAfterUseDay[24] = {1, 1, 1, 1, 1, 3, 8, 1, 1, 1, 1, 1,
                              1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

std::string KeywordFile(const std::string& scenario) {
    std::string text = scenario.empty() ? "" : "SCENARIO " + scenario + " \n";
    text +=
        "YEARSOFUSE 1 \nYEARSLIFETIME 70 \nBODYWEIGHT 60 \nEVENTSPERYEAR 50 \nMASSUSED 10 \n"
        "DURATIONUSE 2 \nAIREXRATE 0.5 \nINHALRATEDURINGUSE 1.2 \nINHALRATEAFTERUSE 0.6 \n"
        "ZONE1VOL 20 \nHOUSEVOL 300 \nFRACTAEROSOL 0.1 \nROOMOFUSE 3 \nSTARTTIME 9 \n";
    for (int location : kUseDay)
        text += "USEDAYLOCATION " + std::to_string(location) + "\n";
    for (int location : kAfterUseDay)
        text += "NONUSEDAYLOCATION " + std::to_string(location) + "\n";
    text += "MOLECWEIGHT 100 \nVAPORPRESS 2 \nWEIGHTFRACT 0.5 \nHENRYSLAW 1 \nCSAT 10.762 \n";
    return text;
}

// The model input before the emission lines (the same for every scenario kind). Values worked
// by hand: flows 20 x 0.5 x 24 and 280 x 0.5 x 24, interzone (0.31 x 0.5 + 0.078) x 300 x 24;
// rates 1.2 x 24 and 0.6 x 24.
const char* const kHead[] = {
    "ZONES 2",
    "VOLUMES 20 280",
    "INITIALCONC 0 0 0",
    "AIRFLOW1 240 240",
    "AIRFLOW2 3360 3360 1677.6 1677.6",
    "OVERRIDEACTIVITYPATTERN 0 0.0416667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.0416667 0.0833333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.0833333 0.125 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.125 0.166667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.166667 0.208333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.208333 0.25 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.25 0.291667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.291667 0.333333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.333333 0.375 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.375 0.416667 1 28.8",
    "OVERRIDEACTIVITYPATTERN 0.416667 0.458333 1 28.8",
    "OVERRIDEACTIVITYPATTERN 0.458333 0.5 1 14.4",
    "OVERRIDEACTIVITYPATTERN 0.5 0.541667 0 14.4",
    "OVERRIDEACTIVITYPATTERN 0.541667 0.583333 0 14.4",
    "OVERRIDEACTIVITYPATTERN 0.583333 0.625 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.625 0.666667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.666667 0.708333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.708333 0.75 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.75 0.791667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.791667 0.833333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.833333 0.875 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.875 0.916667 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.916667 0.958333 2 14.4",
    "OVERRIDEACTIVITYPATTERN 0.958333 1 2 14.4",
    "PRIMARYACTIVITYPATTERN 0 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.0416667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.0833333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.125 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.166667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.208333 1 14.4",
    "PRIMARYACTIVITYPATTERN 0.25 0 14.4",
    "PRIMARYACTIVITYPATTERN 0.291667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.333333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.375 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.416667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.458333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.5 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.541667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.583333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.625 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.666667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.708333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.75 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.791667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.833333 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.875 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.916667 2 14.4",
    "PRIMARYACTIVITYPATTERN 0.958333 2 14.4",
    "SECONDARYACTIVITYPATTERN 0 0 0",
    "PRIMARYDAYS 1 2 3 4 5 6 7",
};

// After the emission lines: CSAT 10.762 g/m3 in mg/m3, 9 h and 60 days later in days,
// 70 x 365.25 days.
const char* const kTail[] = {
    "CSAT 10762        ; mg/m3",
    "STARTTIME 0.375        ; days",
    "ENDTIME 60.375        ; days",
    "EVENTSPERYEAR 50        ; 1/yr",
    "BODYWEIGHT 60        ; kg",
    "YEARSEXPOSURE 1        ; yrs",
    "AVERAGELIFETIME 25567.5        ; days",
    "",
};

struct ScenarioCase {
    const char* keyword;
    std::vector<std::string> emissions;  // worked with Python from the formulas' inputs
};

// M = 10 g x 1000 x 0.5 = 5000 mg; d = 2/24 day; T90 = 145 / 200^0.9546 h = 0.922157 h,
// k x 24 = ln 10 / T90 x 24 = 59.9269 per day; Td = T90 / 24 = 0.0384232 day.
const ScenarioCase kScenarios[] = {
    {"appliedsurfacecleaner", {"EMISSIONRATE INCREMENTAL 1 0.375 5000 59.9269 0.0833333"}},
    {"appliedsurfacepaint",
     {"EMISSIONRATE INCREMENTAL 1 0.375 125 19.4375 0.0833333",
      "EMISSIONRATE INCREMENTAL 1 0.375 1125 0.000243333 0.0833333"}},
    {"sprayedsurface",
     {"EMISSIONRATE CONSTANT 1 0.375 6000 0.0833333",
      "EMISSIONRATE INCREMENTAL 1 0.375 4500 59.9269 0.0833333"}},
    {"addedwater", {"EMISSIONRATE CONSTANT 1 0.375 130130 0.0384232"}},
    {"placedenvironment", {"EMISSIONRATE CONSTANT 1 0.375 130130 0.0384232"}},
};

TEST(TransferFile, WritesTheModelInputLineByLineForEachScenarioKind) {
    TestFolder folder("transfer_kinds");
    for (const ScenarioCase& scenario : kScenarios) {
        SCOPED_TRACE(scenario.keyword);
        folder.Write("xfer.cmi", KeywordFile(scenario.keyword));
        comtransfer transfer;
        int code = -1;
        auto path = transfer.Read(folder.File("xfer.cmi"), code);
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(code, 1);
        EXPECT_EQ(*path, folder.File("xfer.trn"));
        std::vector<std::string> expected(std::begin(kHead), std::end(kHead));
        expected.insert(expected.end(), scenario.emissions.begin(), scenario.emissions.end());
        expected.insert(expected.end(), std::begin(kTail), std::end(kTail));
        std::vector<std::string> actual = Lines(folder.Read("xfer.trn"));
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(actual[i], expected[i]) << i;
    }
}

TEST(TransferFile, WithoutScenarioTheEmissionKeywordRunsIntoTheSaturationLine) {
    TestFolder folder("transfer_none");
    folder.Write("xfer.cmi", KeywordFile(""));
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    std::vector<std::string> lines = Lines(folder.Read("xfer.trn"));
    ASSERT_GT(lines.size(), 56u);
    EXPECT_EQ(lines[55], "EMISSIONRATE CSAT 10762        ; mg/m3");
}

TEST(TransferFile, LinesAreReadWithoutRegardToCaseAndOddLinesAreSkipped) {
    TestFolder folder("transfer_lines");
    std::string text = KeywordFile("appliedsurfacecleaner");
    text = "; a comment\n\n   7 starts with a digit\nUNKNOWNWORD 5\n" + text;
    // Keywords match over their own length, case ignored; the last value of a keyword wins.
    text += "\tmassused 20\nSCENARIO AppliedSurfaceCleanerPlus\nAIREXRATE 1";  // no final line end
    folder.Write("xfer.cmi", text);
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    std::vector<std::string> lines = Lines(folder.Read("xfer.trn"));
    EXPECT_EQ(lines[3], "AIRFLOW1 480 480");
    EXPECT_EQ(lines[55], "EMISSIONRATE INCREMENTAL 1 0.375 10000 59.9269 0.0833333");
}

TEST(TransferFile, RefusedLinesFailTheRead) {
    struct Case {
        const char* name;
        std::string extra;
    };
    const Case cases[] = {
        {"weight fraction above 1", "WEIGHTFRACT 1.5\n"},
        {"negative value", "FRACTAEROSOL -1\n"},
        {"text for a number", "MASSUSED abc\n"},
        {"room of use starting with a point", "ROOMOFUSE .5\n"},
        {"25th use-day location", "USEDAYLOCATION 1\n"},
        {"25th after-use-day location", "NONUSEDAYLOCATION 1\n"},
        {"skin contact has no model", "SCENARIO contactskin\n"},
        {"unknown scenario", "SCENARIO somethingelse\n"},
        {"location without a value", "USEDAYLOCATION \n"},
    };
    TestFolder folder("transfer_refused");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("xfer.cmi", KeywordFile("appliedsurfacecleaner") + c.extra);
        comtransfer transfer;
        int code = 1;
        EXPECT_FALSE(transfer.Read(folder.File("xfer.cmi"), code).has_value());
        EXPECT_EQ(code, 0);
    }
}

TEST(TransferFile, WeightFractionOfExactlyOnePasses) {
    TestFolder folder("transfer_one");
    folder.Write("xfer.cmi", KeywordFile("appliedsurfacecleaner") + "WEIGHTFRACT 1\n");
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    EXPECT_EQ(Lines(folder.Read("xfer.trn"))[55],
              "EMISSIONRATE INCREMENTAL 1 0.375 10000 59.9269 0.0833333");
}

TEST(TransferFile, MissingKeywordFileFailsTheRead) {
    TestFolder folder("transfer_missing");
    comtransfer transfer;
    int code = 1;
    EXPECT_FALSE(transfer.Read(folder.File("xfer.cmi"), code).has_value());
    EXPECT_EQ(code, 0);
}

TEST(TransferFile, OnlyTheFileNamesExtensionIsReplaced) {
    EXPECT_EQ(comtransfer::TransferPath("C:\\app.old\\xfer.cmi"), "C:\\app.old\\xfer.trn");
    EXPECT_EQ(comtransfer::TransferPath("/tmp/a.b/xfer.cmi"), "/tmp/a.b/xfer.trn");
    EXPECT_EQ(comtransfer::TransferPath("/tmp/a.b/xfer"), "/tmp/a.b/xfer.trn");
    // The extension is what follows the name's last point.
    EXPECT_EQ(comtransfer::TransferPath("/tmp/a.b/run.2.cmi"), "/tmp/a.b/run.2.trn");
}

TEST(TransferFile, DuringUseRateCoversTheHoursFromTheStartForTheDuration) {
    // Start 9 h, 2 h of use: hours 9 and 10 in the room of use breathe the during-use rate.
    TestFolder folder("transfer_hours");
    folder.Write("xfer.cmi", KeywordFile("appliedsurfacecleaner"));
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    std::vector<std::string> lines = Lines(folder.Read("xfer.trn"));
    EXPECT_EQ(lines[5 + 9], "OVERRIDEACTIVITYPATTERN 0.375 0.416667 1 28.8");
    EXPECT_EQ(lines[5 + 10], "OVERRIDEACTIVITYPATTERN 0.416667 0.458333 1 28.8");
    EXPECT_EQ(lines[5 + 11], "OVERRIDEACTIVITYPATTERN 0.458333 0.5 1 14.4");
}

TEST(TransferFile, SlowReleaseFromWaterLastsOnlyTheDurationOfUse) {
    // Vapour pressure 0.01 torr: T90 = 145 / (100 x 0.01)^0.9546 = 145 h, Td = 6.04167 days,
    // longer than the 2 h of use: 5000 mg / Td = 827.586 mg/day for 2/24 day.
    TestFolder folder("transfer_slow");
    folder.Write("xfer.cmi", KeywordFile("addedwater") + "VAPORPRESS 0.01\n");
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    EXPECT_EQ(Lines(folder.Read("xfer.trn"))[55],
              "EMISSIONRATE CONSTANT 1 0.375 827.586 0.0833333");
}

TEST(TransferFile, CarAsRoomOfUseSendsEveryOtherRoomOutdoors) {
    TestFolder folder("transfer_car");
    folder.Write("xfer.cmi", KeywordFile("appliedsurfacecleaner") + "ROOMOFUSE 6\n");
    comtransfer transfer;
    int code = 0;
    ASSERT_TRUE(transfer.Read(folder.File("xfer.cmi"), code));
    std::vector<std::string> lines = Lines(folder.Read("xfer.trn"));
    // Room 6 uses the other interzone rule: (0.39 x 0.5 + 0.046) x 300 x 24 = 1735.2.
    EXPECT_EQ(lines[4], "AIRFLOW2 3360 3360 1735.2 1735.2");
    EXPECT_EQ(lines[5 + 0], "OVERRIDEACTIVITYPATTERN 0 0.0416667 0 14.4");
    EXPECT_EQ(lines[5 + 12], "OVERRIDEACTIVITYPATTERN 0.5 0.541667 1 14.4");
}

}  // namespace
