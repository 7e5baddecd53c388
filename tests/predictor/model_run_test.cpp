// Model runs against test doubles of the model (good, too slow, silent) and against the
// stand-in model itself; the run log and the kept copies.
#include "predictor/model_run.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "outside/plumo3/deck.h"
#include "outside/plumo3/report.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "predictor/model_deck.h"
#include "predictor/units.h"
#include "tests/predictor/model_doubles.h"
#include "tests/predictor/temp_folder.h"

namespace {

// Running: the process exists and is not a zombie left for a parent that does not reap it.
bool Running(int pid) {
    std::optional<std::string> stat = sys::ReadWholeFile("/proc/" + std::to_string(pid) + "/stat");
    if (!stat)
        return false;
    size_t close = stat->rfind(')');
    return close != std::string::npos && close + 2 < stat->size() && (*stat)[close + 2] != 'Z';
}

// A killed process leaves the process table a moment after the signal; a loaded machine can take
// a while, so wait for it up to a limit before counting it as still running.
bool StillRunningAfterWait(int pid) {
    for (int i = 0; i < 100 && Running(pid); ++i)
        ::usleep(50 * 1000);
    return Running(pid);
}

class ModelRunTest : public ::testing::Test {
  protected:
    void Model(const char* script) {
        sys::MakeFolder(folder / "plumo3");
        ASSERT_TRUE(sys::WriteWholeFile(folder / "plumo3/plumos.bat", script));
    }
    ModelRunSettings Settings(int timeoutMs = 3000) { return {folder.path(), timeoutMs}; }

    static ReleaseInputs Release() {
        ReleaseInputs r;
        r.incinRel = 10;
        r.incinDays = 250;
        r.fugRel = 1;
        r.fugPerc = 50;
        r.fugDays = 200;
        ApplyShownDefaults(r);
        ApplyDeckDefaults(r, Source::Stack);
        ApplyDeckDefaults(r, Source::Fugitive);
        return r;
    }

    TempFolder folder;
};

TEST_F(ModelRunTest, EachSlotTakesItsOwnRunAndTheAveragingFactors) {
    Model(kEchoModel);
    ReleaseInputs r = Release();
    SubmitOutcome out = RunSubmit(r, Settings());
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.setsRun, 2);
    // The echo model returns the emission as mg/m3, to the 7 digits printed.
    auto q = [&](Source s, Averaging a) {
        return std::stod(sys::Format("%.6e", std::stod(sys::Format("%lg", EmissionRate(r, s, a)))));
    };
    EXPECT_DOUBLE_EQ(out.concentrations.stackAnnual, q(Source::Stack, Averaging::Annual) * 0.08);
    EXPECT_DOUBLE_EQ(out.concentrations.stack24Hour, q(Source::Stack, Averaging::Max24Hour) * 0.4);
    EXPECT_DOUBLE_EQ(out.concentrations.fugitiveAnnual,
                     q(Source::Fugitive, Averaging::Annual) * 0.08);
    EXPECT_DOUBLE_EQ(out.concentrations.fugitive24Hour, q(Source::Fugitive, Averaging::Max24Hour));
    // The factors are applied to each run's values, never to what an earlier submit left.
    SubmitOutcome again = RunSubmit(r, Settings());
    EXPECT_EQ(again.concentrations.stackAnnual, out.concentrations.stackAnnual);
}

TEST_F(ModelRunTest, LogAndKeptCopies) {
    Model(kEchoModel);
    ReleaseInputs r = Release();
    ASSERT_TRUE(RunModelSet(r, Settings()).ok);
    std::vector<std::string> log;
    ASSERT_TRUE(sys::ReadTextLines(folder / "badmessages", log));
    ASSERT_EQ(log.size(), 12u) << "three lines for each of four runs";
    EXPECT_EQ(log[0], folder / "plumo3/plumo.out");
    EXPECT_EQ(log[1].substr(0, 11), "   100.0  7");
    EXPECT_EQ(log[2], "0.07927") << "stack annual: 0.0792745 mg/m3 before the factor, %.5f";
    for (const char* name : {"badinput11", "badinput12", "badinput21", "badinput22", "badoutput11",
                             "badoutput12", "badoutput21", "badoutput22"})
        EXPECT_TRUE(sys::FileExists(folder / name)) << name;
    EXPECT_FALSE(sys::FileExists(folder / "badinput11old"));
    EXPECT_EQ(sys::ReadWholeFile(folder / "badinput22"), sys::ReadWholeFile(folder / "plumo3.dat"))
        << "the last deck written is the fugitive 24-hour one";
    std::string firstDeck = sys::ReadWholeFile(folder / "badinput11").value();
    ASSERT_TRUE(RunModelSet(r, Settings()).ok);
    EXPECT_EQ(sys::ReadWholeFile(folder / "badinput11old"), firstDeck);
    EXPECT_TRUE(sys::FileExists(folder / "badoutput22old"));
}

TEST_F(ModelRunTest, OnlyFugitiveLeavesTheStackSlotsAtZero) {
    Model(kEchoModel);
    ReleaseInputs r = Release();
    r.incinRel = 0;
    SubmitOutcome out = RunSubmit(r, Settings());
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.concentrations.stackAnnual, 0);
    EXPECT_EQ(out.concentrations.stack24Hour, 0);
    EXPECT_GT(out.concentrations.fugitiveAnnual, 0);
    EXPECT_FALSE(sys::FileExists(folder / "badinput11"));
}

TEST_F(ModelRunTest, TimeOutEndsTheModelAndEverythingItStarted) {
    Model(kSlowModel);
    ReleaseInputs stackOnly = Release();
    stackOnly.fugRel = 0;
    SubmitOutcome out = RunSubmit(stackOnly, Settings(2000));
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.setsRun, 4) << "a failed pair is repeated once";
    std::optional<std::string> pid = sys::ReadWholeFile(folder / "plumo3/child.pid");
    ASSERT_TRUE(pid);
    EXPECT_FALSE(StillRunningAfterWait(std::stoi(*pid))) << "the model's own child was ended too";
    std::vector<std::string> log;
    ASSERT_TRUE(sys::ReadTextLines(folder / "badmessages", log));
    EXPECT_NE(log[1].find("did not finish"), std::string::npos) << log[1];
}

TEST_F(ModelRunTest, AModelThatWritesNothingHasFailedEvenWithAStaleListing) {
    Model(kSilentModel);
    ASSERT_TRUE(sys::WriteWholeFile(folder / "plumo3/plumo.out", "-----\n 100.0 55.0\n"));
    ModelSetOutcome set = RunModelSet(Release(), Settings());
    EXPECT_FALSE(set.ok);
    EXPECT_EQ(set.failure, "Stack source, annual average: the model wrote no plumo.out");
    EXPECT_EQ(set.concentrations.stackAnnual, 0);
    EXPECT_FALSE(sys::FileExists(folder / "badoutput11")) << "no copy passes for this run's";
    EXPECT_FALSE(RunSubmit(Release(), Settings()).ok);
}

TEST_F(ModelRunTest, MissingModelHasFailed) {
    ModelSetOutcome set = RunModelSet(Release(), Settings());
    EXPECT_FALSE(set.ok);
    EXPECT_NE(set.failure.find("could not be started"), std::string::npos) << set.failure;
}

TEST_F(ModelRunTest, StandInModelGivesItsOwnConcentrations) {
    ASSERT_TRUE(InstallStandInModel(folder.path()));
    ReleaseInputs r = Release();
    r.landUse = "Rural";
    r.metClass = kMetClassAndWind;
    r.stabClass = 3;
    r.wndSpd = 4;
    r.wndSpdU = "m/sec";
    SubmitOutcome out = RunSubmit(r, Settings());
    ASSERT_TRUE(out.ok);
    // The same deck through the model's own functions, read back at the 6 digits listed.
    auto model = [&](Source s, Averaging a) {
        std::string deck;
        for (const std::string& line : ModelInputLines(r, s, a))
            deck += line + "\n";
        plumo::Deck d = plumo::ReadDeck(deck);
        double ug = d.areaSource ? plumo::HighestAreaConcentration(d, 100).concentration * 1e6
                                 : plumo::HighestPointConcentration(d, 100).concentration * 1e6;
        return std::stod(sys::Format("%.5E", ug)) * 0.001;
    };
    EXPECT_DOUBLE_EQ(out.concentrations.stackAnnual,
                     model(Source::Stack, Averaging::Annual) * 0.08);
    EXPECT_DOUBLE_EQ(out.concentrations.fugitive24Hour,
                     model(Source::Fugitive, Averaging::Max24Hour));
    EXPECT_GT(out.concentrations.fugitive24Hour, 0);
}

// A deck the stand-in refuses: its own reason, not a missing result line, is what the
// submit reports, and it names the run.
TEST_F(ModelRunTest, ARefusedDeckReportsTheModelsOwnReason) {
    ASSERT_TRUE(InstallStandInModel(folder.path()));
    ReleaseInputs r = Release();
    r.fugRel = 0;
    r.stkTemp = 0;  // 0 K
    r.stkTmpU = "K";
    SubmitOutcome out = RunSubmit(r, Settings());
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.failure,
              "Stack source, annual average: ERROR IN INPUT: line 7: the stack gas temperature "
              "must be above 0");
    std::vector<std::string> log;
    ASSERT_TRUE(sys::ReadTextLines(folder / "badmessages", log));
    EXPECT_EQ(log[1], "ERROR IN INPUT: line 7: the stack gas temperature must be above 0");
}

}  // namespace
