// The program's stepping (each Runge-Kutta step applied as its linear map, the sources'
// exponentials carried through a block of steps) against the stage-by-stage reference, on the
// model inputs the program writes and on inputs that take every path of the time loop.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "consumer/model/comtransfer.h"
#include "consumer/model/keyword_file.h"
#include "consumer/model/zonaromain.h"
#include "tests/consumer/model/paint_case.h"
#include "tests/consumer/model/stepping_agreement.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;

// Reports the largest relative difference the agreement checks of this program saw.
class LargestDifferenceReport : public ::testing::Environment {
  public:
    void TearDown() override {
        std::printf("largest relative difference, mapped against stage-by-stage steps: %.3g\n",
                    consumer_test::LargestSteppingDifference());
    }
};
const auto* const kReport = ::testing::AddGlobalTestEnvironment(new LargestDifferenceReport);

struct CaseOfUse {
    const char* name;
    ExposureInputs inputs;
};

ExposureInputs WithChemical(ExposureInputs in, double molecularWeight, double vaporPressure) {
    in.MOLECWEIGHT = molecularWeight;
    in.VAPORPRESS = vaporPressure;
    return in;
}

ExposureInputs WithScenario(ExposureInputs in, const char* keyword) {
    in.ScenarioKeyword = keyword;
    in.FRACTAEROSOL = 0.2;
    return in;
}

// Both passes of a case, as the run driver makes them: 60 days at 10-second steps each.
TEST(MultiZoneStepping, CasesOfTheProgramAgreeWithTheStageByStageSteps) {
    const ExposureInputs paint = consumer_test::BenchmarkPaintCase();
    const ExposureInputs cleaner = consumer_test::CleanerCase();
    const CaseOfUse cases[] = {
        {"the benchmark's paint case", paint},
        {"the default cleaner case", cleaner},
        // Fast first-order release (rate constants of hundreds per day), and slow release whose
        // rates turn on the last bits of their exponentials.
        {"paint, a volatile chemical", WithChemical(paint, 60, 30)},
        {"cleaner, a volatile chemical", WithChemical(cleaner, 60, 20)},
        {"cleaner, a chemical that hardly evaporates", WithChemical(cleaner, 400, 1e-5)},
        {"paint, a chemical that hardly evaporates", WithChemical(paint, 500, 1e-9)},
        {"cleaner, a chemical that all but stays", WithChemical(cleaner, 500, 1e-9)},
        {"cleaner, a chemical gone in weeks", WithChemical(cleaner, 100, 0.01)},
        {"cleaner, a chemical gone in days", WithChemical(cleaner, 100, 0.05)},
        {"a sprayed product (constant and first-order sources)",
         WithScenario(cleaner, "sprayedsurface")},
        {"a product added to water (a constant source)", WithScenario(cleaner, "addedwater")},
        {"a product placed in the home (a constant source)",
         WithScenario(WithChemical(cleaner, 100, 0.001), "placedenvironment")},
    };
    consumer_test::TestFolder folder("stepping");
    for (const CaseOfUse& c : cases) {
        for (int pass : {1, 2}) {
            SCOPED_TRACE(std::string(c.name) + ", pass " + std::to_string(pass));
            ASSERT_TRUE(WriteKeywordFile(folder.File("xfer.cmi"), c.inputs, pass));
            comtransfer transfer;
            int code = 0;
            auto trn = transfer.Read(folder.File("xfer.cmi"), code);
            ASSERT_TRUE(trn.has_value());
            zonaromain fast;
            zonaromain reference;
            ASSERT_EQ(fast.Parse(*trn), 1);
            ASSERT_EQ(reference.Parse(*trn), 1);
            fast.Run();
            reference.RunStageByStage();
            ASSERT_GT(reference.MassInhaled(), 0);
            consumer_test::ExpectSameResults(fast, reference);
        }
    }
}

// Inputs the program does not write: every source kind switching on and off within blocks of
// steps, sinks and saturation (the general loop), more zones than the fixed loops take, start
// and end times off the step grid.
TEST(MultiZoneStepping, EveryPathOfTheTimeLoopAgrees) {
    const std::string person =
        "PRIMARYACTIVITYPATTERN 0 1 14.4\nPRIMARYACTIVITYPATTERN 0.3 2 20\n"
        "SECONDARYACTIVITYPATTERN 0 2 10\nPRIMARYDAYS 1 3 5\n"
        "OVERRIDEACTIVITYPATTERN 0.37 0.5 1 30\nBODYWEIGHT 70\nEVENTSPERYEAR 3\n"
        "YEARSEXPOSURE 10\nAVERAGELIFETIME 28470\n";
    const std::string twoZones =
        "ZONES 2\nVOLUMES 36 456\nINITIALCONC 0.001 0.5 0\nAIRFLOW1 388.8 388.8\n"
        "AIRFLOW2 4924.8 4924.8 2568.24 2568.24\n";
    const std::string sources =
        "EMISSIONRATE INCREMENTAL 1 0.37512 3750 900 0.1037 0.01\n"
        "EMISSIONRATE INCREMENTAL 2 0.4 200 0.02 0.5\n"
        "EMISSIONRATE CONSTANT 2 0.3752 40 0.0313\n"
        "EMISSIONRATE EXPONENTIAL 1 0.40001 100 12 1.5\n"
        "EMISSIONRATE EXPONENTIAL 2 0.5 10 3000 2\n"
        "EMISSIONRATE DATAENTRY 2\n0.3753 20\n0.3755 5\n0.9 0\nEND\n";
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"two zones, every source kind",
         twoZones + sources + person + "STARTTIME 0.375\nENDTIME 3.0001\n"},
        {"sinks and saturation",
         twoZones + sources + person +
             "SINK FIRSTORDER 2 3.5\nSINK LANGMUIR 1 2 1 0.5\nSINK LANGMUIR 2 40 0.3 2\n"
             "CSAT 0.2\nSTARTTIME 0.375\nENDTIME 2.5\n"},
        {"a sink outside the model",
         twoZones + sources + person + "SINK LANGMUIR 7 2 1 0.5\nSTARTTIME 0.375\nENDTIME 1\n"},
        {"five zones",
         "ZONES 5\nVOLUMES 10 20 30 40 50\nINITIALCONC 0 1 0 0 0 2\nAIRFLOW1 100 100\n"
         "AIRFLOW2 50 50 30 30\nAIRFLOW3 20 20 10 10 5 5\nAIRFLOW4 40 40 3 3 2 2 1 1\n"
         "EMISSIONRATE INCREMENTAL 3 0.1 500 40 0.2\nEMISSIONRATE CONSTANT 5 0 7 2\n"
         "PRIMARYACTIVITYPATTERN 0 3 20\nPRIMARYACTIVITYPATTERN 0.5 5 20\n"
         "PRIMARYDAYS 1 2 3 4 5 6 7\nBODYWEIGHT 60\nSTARTTIME 0.01\nENDTIME 2.3\n"},
        {"one zone, a week",
         "ZONES 1\nVOLUMES 20\nINITIALCONC 0 4\nAIRFLOW1 10 10\n"
         "EMISSIONRATE INCREMENTAL 1 1.2 80 3 0.7 0.9\n"
         "PRIMARYACTIVITYPATTERN 0 1 20\nPRIMARYDAYS 1 2 3 4 5 6 7\n"
         "BODYWEIGHT 50\nSTARTTIME 0\nENDTIME 7\n"},
        {"four zones, shorter than a block",
         "ZONES 4\nVOLUMES 10 20 30 40\nINITIALCONC 0 1 0 0 0\nAIRFLOW1 100 100\n"
         "AIRFLOW2 50 50 30 30\nAIRFLOW3 20 20 10 10 5 5\nAIRFLOW4 40 40 3 3 2 2 1 1\n"
         "EMISSIONRATE EXPONENTIAL 4 0.1 500 40 0.2\nPRIMARYACTIVITYPATTERN 0 4 20\n"
         "PRIMARYDAYS 1 2 3 4 5 6 7\nBODYWEIGHT 60\nSTARTTIME 0.1\nENDTIME 0.1049\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zonaromain fast = consumer_test::RunBothWays(c.text);
        EXPECT_GT(fast.IntegratedConcentration(), 0);
    }
}

}  // namespace
