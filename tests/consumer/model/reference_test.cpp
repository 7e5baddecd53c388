// A default cleaner case through the model files and the multi-zone model's stage-by-stage
// reference, against an independent high-accuracy integration (SciPy) of the same model input.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "consumer/model/case_reset.h"
#include "consumer/model/comtransfer.h"
#include "consumer/model/keyword_file.h"
#include "consumer/model/use_day_pattern.h"
#include "consumer/model/zonaromain.h"
#include "tests/consumer/model/paint_case.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;

std::string RunPython(const std::string& trnPath) {
    std::string command = "/usr/bin/python3 " OMBRIX_SOURCE_DIR
                          "/tests/consumer/model/reference_solution.py '" +
                          trnPath + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return "";
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    pclose(pipe);
    return output;
}

TEST(MultiZoneReference, DefaultCleanerCaseMatchesAHighAccuracyIntegration) {
    consumer_test::TestFolder folder("reference");
    for (int pass : {1, 2}) {
        SCOPED_TRACE(pass);
        ASSERT_TRUE(WriteKeywordFile(folder.File("xfer.cmi"), consumer_test::CleanerCase(), pass));
        comtransfer transfer;
        int code = 0;
        auto trn = transfer.Read(folder.File("xfer.cmi"), code);
        ASSERT_TRUE(trn.has_value());
        zonaromain model;
        ASSERT_EQ(model.Parse(*trn), 1);
        model.RunStageByStage();

        std::istringstream reference(RunPython(*trn));
        double mass = 0, integrated = 0, peak = 0, highest = 0;
        ASSERT_TRUE(reference >> mass >> integrated >> peak >> highest) << "no reference output";
        ASSERT_GT(mass, 0);
        EXPECT_NEAR(model.MassInhaled(), mass, 1e-7 * mass);
        EXPECT_NEAR(model.IntegratedConcentration(), integrated, 1e-7 * integrated);
        EXPECT_NEAR(model.PeakConcentration(), peak, 1e-7 * peak);
        EXPECT_NEAR(model.HighestDailyDose(), highest, 1e-7 * highest);
    }
}

}  // namespace
