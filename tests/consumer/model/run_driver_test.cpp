// The run driver: the keyword file it writes, the passes by age group, and failed passes.
#include "consumer/model/run_driver.h"

#include <gtest/gtest.h>

#include "consumer/model/keyword_file.h"
#include "platform/forms/ui_service.h"
#include "tests/consumer/model/paint_case.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;
using consumer_test::Lines;
using consumer_test::TestFolder;

ExposureInputs AdultCase() {
    ExposureInputs in = consumer_test::LatexPaintCase();
    in.MOLECWEIGHT = 100;
    in.VAPORPRESS = 1;
    in.ActivityPattern = "1111111132442477422744411";
    return in;
}

TEST(KeywordFile, HoldsEveryKeywordOfThePass) {
    ExposureInputs in = AdultCase();
    in.FRACTAEROSOL = 1e-5;
    std::vector<std::string> lines = Lines(KeywordFileText(in, 2));
    ASSERT_EQ(lines.size(), 68u);
    const char* const head[] = {"SCENARIO appliedsurfacepaint ",
                                "YEARSOFUSE 10 ",
                                "YEARSLIFETIME 78 ",
                                "BODYWEIGHT 80 ",
                                "EVENTSPERYEAR 2 ",
                                "MASSUSED 3000 ",
                                "DURATIONUSE 4 ",
                                "AIREXRATE 0.45 ",
                                "INHALRATEDURINGUSE 0.74 ",
                                "INHALRATEAFTERUSE 0.61 ",
                                "ZONE1VOL 36 ",
                                "HOUSEVOL 492 ",
                                "FRACTAEROSOL 1e-05 ",
                                "ROOMOFUSE 1 ",
                                "STARTTIME 12 "};
    for (size_t i = 0; i < 15; ++i)
        EXPECT_EQ(lines[i], head[i]);
    // Character 24 first, then characters 1 to 23.
    // "1111111132442477422744411" is written 1,1,1,1,1,1,1,1,3,2,4,4,2,4,7,7,4,2,2,7,4,4,4,1.
    const char order[] = "111111113244247742274441";
    for (size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(lines[15 + i], std::string("USEDAYLOCATION ") + order[i]) << i;
        EXPECT_EQ(lines[39 + i], std::string("NONUSEDAYLOCATION ") + order[i]) << i;
    }
    EXPECT_EQ(lines[63], "MOLECWEIGHT 100 ");
    EXPECT_EQ(lines[64], "VAPORPRESS 1 ");
    EXPECT_EQ(lines[65], "WEIGHTFRACT 0.05 ");
    EXPECT_EQ(lines[66], "HENRYSLAW 1 ");
    // 1 torr x 100 g/mole x 0.05381.
    EXPECT_EQ(lines[67], "CSAT 5.381 ");
    std::vector<std::string> central = Lines(KeywordFileText(in, 1));
    EXPECT_EQ(central[5], "MASSUSED 1500 ");
    EXPECT_EQ(central[6], "DURATIONUSE 2.5 ");
    EXPECT_EQ(central[65], "WEIGHTFRACT 0.01 ");
}

TEST(RunDriver, AdultCaseRunsBothPassesAndFillsTheResults) {
    TestFolder folder("driver_adult");
    forms::ScriptedUi ui;
    ExposureInputs in = AdultCase();
    ExposureResults results;
    ASSERT_TRUE(RunExposureModel(in, results, folder.Folder()));
    EXPECT_TRUE(ui.Boxes().empty());
    for (int i : {0, 1, 2, 3, 4, 5, 16})
        EXPECT_GT(results[i], 0) << i;
    // The peak of the high-end pass lies above the concentration averages of the central one.
    EXPECT_GT(results[5], results[3]);
    // Doses over the same exposure: LADD / ADD = years of use x 365.25 / lifetime days.
    EXPECT_NEAR(results[0] / results[2], 10 * 365.25 / (78 * 365.25), 1e-12);
    EXPECT_EQ(results[6], 78 * 365.0);
    EXPECT_EQ(results[7], 78 * 365.0);
    EXPECT_EQ(results[8], 3650.0);
    EXPECT_EQ(results[9], 3650.0);
    EXPECT_EQ(results[10], 1.0);
    EXPECT_EQ(results[11], 1.0);
    EXPECT_EQ(results[12], 80.0);
    EXPECT_EQ(results[13], 2.0);
    EXPECT_EQ(results[14], 10.0);
    EXPECT_EQ(results[15], 0.74);
    EXPECT_FALSE(folder.Read("xfer.cmi").empty());
    EXPECT_FALSE(folder.Read("xfer.trn").empty());
}

TEST(RunDriver, NonAdultNamedProductRunsOnlyTheHighEndPass) {
    TestFolder folder("driver_child");
    forms::ScriptedUi ui;
    ExposureInputs in = AdultCase();
    in.AgeGroup = 3;
    ExposureResults results;
    results[16] = 12345;
    ASSERT_TRUE(RunExposureModel(in, results, folder.Folder()));
    for (int i : {0, 1, 2, 3, 6, 7, 8, 9})
        EXPECT_EQ(results[i], -99.0) << i;
    EXPECT_GT(results[4], 0);
    EXPECT_GT(results[5], 0);
    EXPECT_EQ(results[16], 12345);  // the central pass did not run
    // The file left behind is the high-end pass.
    EXPECT_NE(folder.Read("xfer.cmi").find("MASSUSED 3000 \n"), std::string::npos);
}

TEST(RunDriver, NonAdultUserDefinedCaseRunsBothPasses) {
    TestFolder folder("driver_user");
    forms::ScriptedUi ui;
    ExposureInputs in = AdultCase();
    in.AgeGroup = 5;
    in.ScenarioName = "User Defined";
    ExposureResults results;
    ASSERT_TRUE(RunExposureModel(in, results, folder.Folder()));
    for (int i : {0, 1, 2, 3, 16})
        EXPECT_GT(results[i], 0) << i;
    EXPECT_EQ(results[6], 78 * 365.0);
}

TEST(RunDriver, FailedPassShowsItsWarningAndStoresNothing) {
    struct Case {
        const char* name;
        const char* keyword;
        double houseVolume;
        const char* message;
    };
    // Skin contact has no model: the reader refuses it. A house smaller than the room gives
    // negative air flows, which the model refuses.
    const Case cases[] = {
        {"transfer refused", "contactskin", 492, "Zonaro file did not transfer"},
        {"model input refused", "appliedsurfacepaint", 20,
         "An error has occurred in the file transfer for Zonaro\nLine 5 (AIRFLOW2 "},
    };
    TestFolder folder("driver_fail");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forms::ScriptedUi ui;
        ExposureInputs in = AdultCase();
        in.ScenarioKeyword = c.keyword;
        in.HOUSEVOL = c.houseVolume;
        ExposureResults results;
        results[0] = 7;
        results[6] = 8;
        EXPECT_FALSE(RunExposureModel(in, results, folder.Folder()));
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text.substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(ui.Boxes()[0].caption, "Warning");
        EXPECT_EQ(results[0], 7);
        EXPECT_EQ(results[6], 8);
    }
}

TEST(RunDriver, UnwritableWorkingFolderIsATransferFailure) {
    forms::ScriptedUi ui;
    ExposureResults results;
    EXPECT_FALSE(RunExposureModel(AdultCase(), results, "/nonexistent/folder/"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Zonaro file did not transfer");
}

}  // namespace
