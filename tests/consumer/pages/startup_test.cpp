// The start of the consumer model: run modes and the linked exchange with the main program.
#include <gtest/gtest.h>

#include <filesystem>
#include "consumer/data/case_table.h"
#include "consumer/model/case_state.h"

#include "consumer/pages/help_files.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "consumer/pages/startup.h"
#include "shell/consumer_exchange.h"
#include "tests/consumer/pages/kiv_fixture.h"

namespace {

using namespace consumer;
using namespace consumer_test;

ConsumerCaseInput MainProgramCase() {
    ConsumerCaseInput in;
    in.caseNum = "P-99-0042,1";
    in.chemName = "Test solvent";
    in.wtFracMed = 0.05;
    in.wtFrac90 = 0.2;
    in.mw = 120;
    in.vp = 0.5;
    in.bw = 71.8;
    in.inhale = 0.63;
    in.cancerAt = 75;
    in.popNum = 0;
    in.kivScen = 2;
    in.saBody = 7.2;
    in.saHand = 2.5;
    in.edKiv = 9;
    in.prodName = "Interior latex";
    return in;
}

// The main program's request in the kiv folder, as it writes it before starting the model.
void WriteRequest(const KivFolder& folder, const ConsumerCaseInput& in) {
    folder.Write("kiv/nyrinput.txt", FormatNyrInput(in));
}

TEST(LinkedStart, MissingRequestShowsTheMessageAndWritesNothing) {
    KivFolder folder;
    forms::ScriptedUi ui;
    bool windowRan = false;
    int status = StartLinked({"nyr"}, [&] { windowRan = true; });
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(windowRan);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Could not find NYR data file!");
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_FALSE(folder.Exists("kiv/nyrout.txt"));
}

// The whole exchange: the main program's request in, the window used and closed, the answer
// read back by the main program's own reader.
TEST(LinkedStart, RequestRoundTripsThroughTheWindowToTheMainProgram) {
    KivFolder folder;
    WriteRequest(folder, MainProgramCase());
    forms::ScriptedUi ui;
    std::string shownId;
    int status = StartLinked({"nyr"}, [&] {
        KIVFrame frame;
        frame.show();
        Settle();
        auto* intro = dynamic_cast<TInputIntro*>(frame.Client()->OpenPage());
        ASSERT_NE(intro, nullptr);
        shownId = intro->Identification()->Text();
        EXPECT_TRUE(intro->PageButton(107)->isHidden());
        intro->Product()->SetText("Kitchen latex");
        frame.close();
    });
    EXPECT_EQ(status, 2);
    EXPECT_EQ(shownId, "P-99-0042,1");
    EXPECT_EQ(RunMode, kRunLinked);
    std::string error;
    auto back = ParseNyrOutput(folder.Read("kiv/nyrout.txt"), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->kivScen, 2);
    EXPECT_EQ(back->prodName, "Kitchen latex");
    EXPECT_EQ(back->wtFracMed, 0.05);
    EXPECT_EQ(back->wtFrac90, 0.2);
    EXPECT_EQ(back->bw, 71.8);
    EXPECT_EQ(back->inhale, 0.63);
    EXPECT_EQ(back->cancerAt, 75);
    EXPECT_EQ(back->saBody, 7.2);
    EXPECT_EQ(back->saHand, 2.5);
    EXPECT_EQ(back->edKiv, 9);
    // Exit saved the case into ..\kiv.dbf and the data folder's collecting table.
    EXPECT_TRUE(folder.Exists("kiv.dbf"));
    EXPECT_TRUE(folder.Exists("data/kiv.dbf"));
}

// Visits the Scenario page, goes back to the Introduction, submits the data and closes.
void VisitScenarioAndRun() {
    KIVFrame frame;
    frame.show();
    Settle();
    Click(frame.Client()->OpenPage()->PageButton(102));
    Settle();
    ASSERT_EQ(frame.Client()->OpenPage()->Title(), "Scenario Data");
    Click(frame.Client()->OpenPage()->PageButton(101));
    Settle();
    frame.Command(34)->trigger();
    Settle();
    EXPECT_TRUE(ResultsReady);
    frame.close();
}

// The user visits the Scenario page, submits the data and closes: the new case gets its
// defaults at that first commit, runs, and the answer file carries its results.
TEST(LinkedStart, AScenarioVisitAndARunReturnTheResults) {
    KivFolder folder;
    WriteRequest(folder, MainProgramCase());
    forms::ScriptedUi ui;
    StartLinked({"nyr"}, VisitScenarioAndRun);
    // The first defaults would replace values the main program sent: the user is asked, naming
    // them, and takes the defaults.
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Note");
    EXPECT_EQ(ui.Boxes()[0].text,
              "The product defaults differ from values sent by the main program:\n"
              "Exposure Duration (chronic), years: sent 9, default 57\n"
              "Averaging Time (chronic), years: sent 75, default 78\n"
              "Inhalation Rate After Use, m3/hr: sent 0.63, default 0.6604\n"
              "Surface Area to Body Weight Ratio - Body, cm2/kg: sent 7.2, default 12.26\n\n"
              "Do you wish to use the product defaults?");
    std::vector<std::string> lines = Lines(folder.Read("kiv/nyrout.txt"));
    ASSERT_EQ(lines.size(), 16u);
    // The main program's body weight stays; the product defaults bring the 78-year lifetime.
    EXPECT_EQ(lines[4], "71.800000");
    EXPECT_EQ(lines[6], "78.000000");
    const int entries[] = {1, 0, 4, 17, 19};
    for (int i = 0; i < 5; ++i) {
        EXPECT_GT((*CaseResults)[entries[i]], 0) << entries[i];
        EXPECT_EQ(lines[11 + i] + "\n", NyrResultText((*CaseResults)[entries[i]]));
    }
}

// A new linked case whose user keeps the values sent: they stand through the first defaults and
// the run and go back to the main program as sent; the other defaults come in.
TEST(LinkedStart, SentValuesStandUnlessTheDefaultsAreAccepted) {
    KivFolder folder;
    WriteRequest(folder, MainProgramCase());
    forms::ScriptedUi ui;
    ui.AnswerNextBox(forms::mrNo);
    StartLinked({"nyr"}, VisitScenarioAndRun);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    std::vector<std::string> lines = Lines(folder.Read("kiv/nyrout.txt"));
    ASSERT_EQ(lines.size(), 16u);
    const std::pair<size_t, const char*> sent[] = {{4, "71.800000"}, {5, "0.630000"},
                                                   {6, "75.000000"}, {7, "7.200000"},
                                                   {8, "2.500000"},  {9, "9.000000"}};
    for (const auto& [index, text] : sent)
        EXPECT_EQ(lines[index], text) << "line " << index + 1;
    EXPECT_EQ(CaseInputs->AveragingTimeAdd, 9);
    EXPECT_EQ(CaseInputs->MassUsedHighEnd, 4000);  // Latex Paint's product default
    // The run used them: inhalation LADD over 75 years of lifetime, 9 years of use.
    EXPECT_EQ((*CaseResults)[6], 75 * 365.0);
    EXPECT_EQ((*CaseResults)[14], 9);
}

// A stored case with dermal results, run again as an inhalation-only product: the answer file and
// the saved case mark the dermal results not assessed instead of carrying the earlier ones.
TEST(LinkedStart, AnInhalationOnlyRunReturnsNoEarlierDermalResults) {
    KivFolder folder;
    WriteRequest(folder, MainProgramCase());
    forms::ScriptedUi ui;
    StartLinked({"nyr"}, VisitScenarioAndRun);
    ASSERT_GT((*CaseResults)[kDermalLadd], 0);
    ConsumerCaseInput request = MainProgramCase();
    request.kivScen = 3;  // Fabric Protector: inhalation only
    WriteRequest(folder, request);
    ResetProgramState();
    WorkingFolder = folder.Kiv();
    StartLinked({"nyr"}, VisitScenarioAndRun);
    for (const auto& box : ui.Boxes())
        EXPECT_EQ(box.caption, "Note") << box.text;
    std::vector<std::string> lines = Lines(folder.Read("kiv/nyrout.txt"));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "3");
    EXPECT_GT(std::stod(lines[11]), 0);
    EXPECT_EQ(lines[14], "-9.90e+01");
    EXPECT_EQ(lines[15], "-9.90e+01");
    ExposureInputs saved;
    ExposureResults results;
    LoadCase("kiv", folder.Data(), 1, "P-99-0042,1", saved, results);
    EXPECT_EQ(saved.ScenarioName, "Fabric Protector");
    for (int i = kDermalLadd; i <= 22; ++i)
        EXPECT_EQ(results[i], -99.0) << i;
}

TEST(LinkedStart, YoungerPersonWithMotorOilGetsNoScenario) {
    KivFolder folder;
    ConsumerCaseInput in = MainProgramCase();
    in.popNum = 2;
    in.kivScen = 8;
    WriteRequest(folder, in);
    forms::ScriptedUi ui;
    int status = StartLinked({"nyr"}, [] {});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(CaseInputs->ScenarioName, "");
    EXPECT_EQ(CaseInputs->HOUSEVOL, 0.0);
    EXPECT_EQ(CaseInputs->AgeGroup, 3);
    EXPECT_EQ(folder.Read("kiv/nyrout.txt").substr(0, 2), "0\n");
}

// The main program removes the answer file before it starts this program; No takes the values
// it sends again from the request (the surface areas too, which the second reading leaves) and
// the rate during use from the stored case.
TEST(LinkedStart, StoredCaseOfAnotherAgeGroupAsksForDefaults) {
    for (int answer : {forms::mrYes, forms::mrNo}) {
        KivFolder folder;
        ConsumerCaseInput in = MainProgramCase();
        in.saBody = 11;
        in.saHand = 12;
        // A stored adult case of the same id.
        WriteRequest(folder, in);
        {
            forms::ScriptedUi ui;
            StartLinked({"nyr"}, [] {
                CaseInputs->INHALRATEDURINGUSE = 1.4;
                KIVFrame frame;
                frame.Client()->CmExit();
            });
        }
        ASSERT_TRUE(folder.Exists("data/kiv.dbf"));
        std::filesystem::remove(folder.Kiv() + "nyrout.txt");
        in.popNum = 2;
        in.inhale = 0.9;
        in.edKiv = 13;
        in.saBody = 7.5;
        in.saHand = 2.5;
        WriteRequest(folder, in);
        ResetProgramState();
        WorkingFolder = folder.Kiv();
        forms::ScriptedUi ui;
        ui.AnswerNextBox(answer);
        StartLinked({"nyr"}, [] {});
        ASSERT_FALSE(ui.Boxes().empty());
        EXPECT_EQ(ui.Boxes()[0].caption, "Note");
        const ExposureInputs& now = *CaseInputs;
        if (answer == forms::mrYes) {
            EXPECT_EQ(now.ActivityPattern, "1111111132442477422744411");
        } else {
            EXPECT_EQ(now.INHALRATEAFTERUSE, 0.9);
            EXPECT_EQ(now.SurfaceAreaBody, 7.5);
            EXPECT_EQ(now.SurfaceAreaHands, 2.5);
            EXPECT_EQ(now.YEARSOFUSE, 13);
            EXPECT_EQ(now.INHALRATEDURINGUSE, 1.4);
        }
    }
}

// "pirat" brings a stored case back to the scenario's defaults; without a stored case it has
// no effect.
TEST(LinkedStart, PiratResetsAStoredCaseToItsDefaults) {
    KivFolder folder;
    WriteRequest(folder, MainProgramCase());
    forms::ScriptedUi ui;
    StartLinked({"nyr", "pirat"}, [] {});
    EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 0);
    ResetProgramState();
    WorkingFolder = folder.Kiv();
    StartLinked({"nyr"}, [] {
        CaseInputs->EVENTSPERYEAR = 7;
        KIVFrame frame;
        frame.Client()->CmExit();
    });
    ASSERT_TRUE(folder.Exists("data/kiv.dbf"));
    for (bool pirat : {false, true}) {
        ResetProgramState();
        WorkingFolder = folder.Kiv();
        std::vector<std::string> args{"nyr"};
        if (pirat)
            args.push_back("pirat");
        StartLinked(args, [] {});
        if (pirat)
            EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 2);  // cnsmrdef, Latex Paint
        else
            EXPECT_EQ(CaseInputs->EVENTSPERYEAR, 7);
        EXPECT_EQ(CaseInputs->BODYWEIGHT, 71.8);
    }
}

TEST(LinkedStart, RequestReadingAndAnswerFormats) {
    ExposureInputs in;
    std::string error;
    std::string text = FormatNyrInput(MainProgramCase());
    ASSERT_TRUE(ReadNyrRequest(text, false, in, error)) << error;
    EXPECT_EQ(in.IdNumber, "P-99-0042,1");
    EXPECT_EQ(in.BODYWEIGHT, 71.8);
    EXPECT_EQ(in.AgeGroup, 1);
    EXPECT_EQ(in.DocumentFormat, "wp");
    EXPECT_EQ(in.ProductName, "Interior latex");
    // The second reading keeps body weight and surface areas.
    ExposureInputs second = in;
    second.BODYWEIGHT = 15;
    second.SurfaceAreaBody = 1;
    ASSERT_TRUE(ReadNyrRequest(text, true, second, error));
    EXPECT_EQ(second.BODYWEIGHT, 15);
    EXPECT_EQ(second.SurfaceAreaBody, 1);
    // A short or malformed request changes nothing.
    ExposureInputs untouched = in;
    EXPECT_FALSE(ReadNyrRequest("id\nname\n0.1\n", false, untouched, error));
    EXPECT_EQ(untouched.IdNumber, in.IdNumber);
    std::string bad = text;
    bad.replace(bad.find("120.000000"), 10, "abc");
    EXPECT_FALSE(ReadNyrRequest(bad, false, untouched, error));
    EXPECT_NE(error.find("line 5"), std::string::npos);
    // An age group or scenario code that is not a number an int can hold is refused.
    for (const char* code : {"nan", "1e400", "5555555555"}) {
        for (size_t line : {size_t{10}, size_t{11}}) {
            std::vector<std::string> lines;
            size_t start = 0;
            for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
                lines.push_back(text.substr(start, end - start));
            lines[line - 1] = code;
            std::string odd;
            for (const std::string& l : lines)
                odd += l + "\n";
            EXPECT_FALSE(ReadNyrRequest(odd, false, untouched, error)) << code << " on " << line;
            EXPECT_NE(error.find("line " + std::to_string(line)), std::string::npos) << error;
        }
    }
    // Long texts are cut to their fields.
    std::string longId = std::string(40, 'x') + text.substr(text.find('\n'));
    ASSERT_TRUE(ReadNyrRequest(longId, false, untouched, error));
    EXPECT_EQ(untouched.IdNumber.size(), 30u);

    const std::pair<double, const char*> results[] = {
        {100000.0, "100000.000000\n"}, {0.001, "0.001000\n"},  {0.000999, "9.99e-04\n"},
        {0.0, "0.00e+00\n"},           {-99.0, "-9.90e+01\n"}, {100000.5, "1.00e+05\n"}};
    for (const auto& [value, expected] : results)
        EXPECT_EQ(NyrResultText(value), expected) << value;
}

TEST(ChemicalIdStart, TheChemicalTableGivesTheCaseAndItsScenario) {
    KivFolder folder;
    std::filesystem::copy_file(std::string(OMBRIX_PROGRAM_DIR) + "/results/pmnmgr02.dbf",
                               folder.Data() + "pmnmgr02.dbf");
    forms::ScriptedUi ui;
    bool windowRan = false;
    int status = StartChemicalId("EX-0002", [&] { windowRan = true; });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(windowRan);
    const ExposureInputs& in = *CaseInputs;
    EXPECT_EQ(RunMode, kRunChemicalId);
    EXPECT_EQ(in.IdNumber, "EX-0002");
    EXPECT_EQ(in.MOLECWEIGHT, 200);
    EXPECT_EQ(in.VAPORPRESS, 0.01);
    EXPECT_EQ(in.ScenarioName, "Latex Paint");
    EXPECT_EQ(in.ScenarioKeyword, "appliedsurfacepaint");
    EXPECT_EQ(in.ProductName, "Example interior latex paint");
    EXPECT_EQ(ScenarioChosen, 1);
    EXPECT_GT(in.HOUSEVOL, 0);
    EXPECT_FALSE(folder.Exists("kiv/nyrout.txt"));
}

TEST(StartModes, ArgumentsChooseTheMode) {
    EXPECT_EQ(RunModeOfArguments({}), kRunStandAlone);
    EXPECT_EQ(RunModeOfArguments({"nyr"}), kRunLinked);
    EXPECT_EQ(RunModeOfArguments({"nyr", "pirat"}), kRunLinked);
    EXPECT_EQ(RunModeOfArguments({"NYR"}), kRunChemicalId);
}

}  // namespace

namespace {

TEST(HelpAndFiles, EveryContextHasAPageAndLineBreaksGo) {
    for (int context : {0, 6, 7, 8, 9, 10, 11, 21}) {
        std::string page = std::string(OMBRIX_PROGRAM_DIR) + "/help/" +
                           consumer::HelpTopicOfContext(context) + ".html";
        EXPECT_TRUE(std::filesystem::exists(page)) << context;
    }
    EXPECT_TRUE(
        std::filesystem::exists(std::string(OMBRIX_PROGRAM_DIR) + "/help/KIV_Absorbed_Dose.html"));
    forms::ScriptedUi ui;
    consumer::OpenHelpTopic(0);
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].kind, "help");
    EXPECT_EQ(ui.Shown()[0].caption, "KIV_Contents");

    const std::pair<std::string, std::string> texts[] = {{"a\r\nb\r\nc", "abc"},
                                                         {"a\n\rb", "a\n\rb"},
                                                         {"\r\r\n\n", ""},
                                                         {"", ""},
                                                         {"x\ry\nz", "x\ry\nz"}};
    for (const auto& [text, expected] : texts) {
        std::string copy = text;
        consumer::RemoveLineBreaks(copy);
        EXPECT_EQ(copy, expected);
    }
}

}  // namespace
