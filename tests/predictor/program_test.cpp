// Starts the real predictor offscreen in a folder laid out as the main program leaves it
// (chimra.in, data.drv, the scenario table, plumo3/ with the stand-in model), lets it run the
// model once and return (OMBRIX_CLOSE_AFTER_START, OMBRIX_SUBMIT_BEFORE_CLOSE).
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "predictor/exchange.h"
#include "tests/predictor/scenario_fixture.h"
#include "tests/predictor/temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct Finished {
    bool ended = false;
    int exitCode = -1;
    std::string output;
    std::string errors;
};

Finished RunPredictor(const std::string& folder, bool submit) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("OMBRIX_CLOSE_AFTER_START", "100");
    if (submit)
        environment.insert("OMBRIX_SUBMIT_BEFORE_CLOSE", "1");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QString::fromStdString(folder));
    program.start(QString::fromStdString(std::string(OMBRIX_PROGRAM_DIR) + "/chimramn"), {});
    Finished f;
    if (!program.waitForStarted(10000))
        return f;
    f.ended = program.waitForFinished(120000);
    if (!f.ended)
        program.kill();
    f.exitCode = program.exitCode();
    f.output = program.readAllStandardOutput().toStdString();
    f.errors = program.readAllStandardError().toStdString();
    return f;
}

TEST(PredictorProgramTest, RunsTheStandInModelAndHandsTheResultsBack) {
    TempFolder folder;
    MakeScenarioTable(folder.path(), {ReleaseRow("P-1,1", {{"LAND_USE", "Rural"}})});
    ASSERT_TRUE(sys::WriteWholeFile(folder / "data.drv", folder.path() + "/\n"));
    ASSERT_TRUE(sys::WriteWholeFile(folder / "chimra.in", "P-1,1\n"));
    fs::copy(fs::path(OMBRIX_PROGRAM_DIR) / "plumo3", folder / "plumo3");

    Finished f = RunPredictor(folder.path(), true);
    ASSERT_TRUE(f.ended) << f.output << f.errors;
    EXPECT_EQ(f.exitCode, 0) << f.errors;
    EXPECT_NE(f.output.find("window shown: Ombrix 2014 Downwind Concentration Predictor"),
              std::string::npos)
        << f.output << f.errors;
    std::optional<ChimraAnswer> answer =
        ParseChimraOut(sys::ReadWholeFile(folder / "chimra.out").value_or(""));
    ASSERT_TRUE(answer);
    EXPECT_GT(answer->concentrations.stackAnnual, 0);
    EXPECT_GT(answer->concentrations.fugitive24Hour, 0);
    EXPECT_EQ(answer->metClass, "Full");
    // The caller gets exactly the results the row holds.
    EXPECT_TRUE(AnswerMatchesRow(folder.path(), "P-1,1"));
    std::vector<std::string> log;
    ASSERT_TRUE(sys::ReadTextLines(folder / "badmessages", log));
    EXPECT_EQ(log.size(), 12u);
}

}  // namespace
