// Reading the model's listing: sample listings and the ways a listing can be unusable.
#include "predictor/model_output.h"

#include <gtest/gtest.h>

namespace {

TEST(PredictorModelOutput, ConcentrationAfterTheFirstLineOfDashes) {
    struct Case {
        const char* listing;
        double mgPerM3;
    };
    const Case cases[] = {
        // 12.34 ug/m3 = 0.01234 mg/m3
        {"HEADER\n  DIST CONC\n ------ -----\n   100.   12.34  D  1.0\n", 0.01234},
        {"x\r\n-----\r\n 100.0     .5 \r\n", 0.0005},
        {"-----\n    1000.0   6.21421E+01    D  5.0\n-----\n 5. 99\n", 0.0621421},
        {"-----\n100.\t\t3e-2 more\n", 3e-5},
        {"-----\n   100.0  0.00000E+00\n", 0},
    };
    for (const Case& c : cases) {
        std::optional<ModelOutput> out = ParseModelOutput(c.listing);
        ASSERT_TRUE(out) << c.listing;
        EXPECT_DOUBLE_EQ(out->concentration, c.mgPerM3) << c.listing;
    }
    EXPECT_EQ(ParseModelOutput("-----\n   100.   12.34  D\n")->resultLine, "   100.   12.34  D");
}

TEST(PredictorModelOutput, UnusableListingsAreRefusedWithAReason) {
    const char* listings[] = {
        "",
        "no dashes here\n 100. 12\n",
        "-----\n",              // nothing after the dashes
        "-----\n 100 12.34\n",  // the distance has no decimal point
        "-----\n 100.\n",       // nothing after the distance
        "-----\n 100. abc\n",   // not a number
        "-----\n 100. 12.3.4\n",
        "-----\n 100. -5.0\n",  // a negative concentration
        "-----\n 100. nan\n",
        "-----\n 100. inf\n",
    };
    for (const char* listing : listings) {
        std::string why;
        EXPECT_FALSE(ParseModelOutput(listing, &why)) << listing;
        EXPECT_FALSE(why.empty());
    }
}

TEST(PredictorModelOutput, TheModelsComplaintIsItsErrorLines) {
    EXPECT_EQ(ModelComplaint(" PLUMO3\r\n  Error in input: line 4: bad height \r\n more\n"
                             " *** ERROR: NO RESULT ***\n"),
              "Error in input: line 4: bad height\n*** ERROR: NO RESULT ***");
    EXPECT_EQ(ModelComplaint("-----\n 100. 12.34\n"), "");
}

}  // namespace
