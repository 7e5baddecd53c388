// The developer table tools: foundation heights and coordinates read from their descriptions,
// and the three tools run on copies of the shipped developer tables.
#include "releases/developer_tools.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/sys/files.h"
#include "scenario/table_set.h"
#include "tests/releases/release_form_fixture.h"

namespace {

TEST(DeveloperToolsTest, FoundationHeights) {
    struct Case {
        const char* text;
        double feet, inches;
    } cases[] = {
        {"SLAB", 0, 0},   {"3 FT 6 IN", 3, 6}, {"36", 0, 36},
        {"24", 24, 0},    {"PIER", 4, 0},      {"block 2 feet", 2, 0},
        {"TWO FT", 2, 0}, {"6 INCHES", 0, 6},  {"2..5 FT", 2.5, 0},
        {"", -1, 0},      {"unknown", -1, 0},
    };
    for (const Case& c : cases) {
        FoundationHeight h = ParseFoundationHeight(c.text);
        EXPECT_DOUBLE_EQ(h.feet, c.feet) << c.text;
        EXPECT_DOUBLE_EQ(h.inches, c.inches) << c.text;
    }
    EXPECT_DOUBLE_EQ(ParseFoundationHeight("3 FT 6 IN").HeightFeet(), 3.5);
    EXPECT_DOUBLE_EQ(ParseFoundationHeight("36").HeightFeet(), 3.0);
    EXPECT_FALSE(ParseFoundationHeight("").HasHeight());
}

TEST(DeveloperToolsTest, Coordinates) {
    std::string sec = ".", min = ".";
    EXPECT_NEAR(ReadCoordinate("91 10 30 W", true, sec, min), 91 + 10 / 60.0 + 30 / 3600.0, 1e-12);
    EXPECT_EQ(sec, "Y");
    EXPECT_EQ(min, "Y");
    EXPECT_DOUBLE_EQ(ReadCoordinate("30.2550", false, sec, min), 30.255);
    EXPECT_EQ(ReadCoordinate("N/A", false, sec, min), -1);
    EXPECT_EQ(ReadCoordinate("NONE", true, sec, min), -1);
    EXPECT_NEAR(PackedDegrees(30.2715), 30 + 27 / 60.0 + 15 / 3600.0, 1e-12);
    EXPECT_EQ(PackedDegrees(30.0), 30.0);
    EXPECT_EQ(PackedDegrees(30.75), 30.75) << "75 minutes: not packed";
}

TEST(DeveloperToolsTest, PositionsSwappedMeasuredAndRepacked) {
    CheckedPosition p = CheckPosition("30.2555", "91.175", 91.175, 30.2555);
    EXPECT_EQ(p.switchFlag, "X") << "latitude and longitude were given the wrong way round";
    EXPECT_DOUBLE_EQ(p.latitude, 30.2555);
    EXPECT_DOUBLE_EQ(p.longitude, 91.175);
    EXPECT_NEAR(p.distance, 0, 1e-9);

    // Packed degrees, minutes and seconds read as decimal degrees are 2 miles or more off.
    CheckedPosition packed = CheckPosition("91.1030", "30.1520", 91.175, 30.25556);
    EXPECT_EQ(packed.distFlag, "Y");
    EXPECT_NEAR(packed.longitude, 91.175, 1e-9);
    EXPECT_LT(packed.distance, 2.0);

    CheckedPosition none = CheckPosition("", "UNDETERMINED", 91, 30);
    EXPECT_EQ(none.latFlag, "Y");
    EXPECT_EQ(none.longFlag, "Y");
    EXPECT_EQ(none.distance, 0);
    EXPECT_EQ(CheckPosition("91.0", "30.0", -1, -1).distance, -1) << "no reference position";
}

class DeveloperTablesTest : public ReleaseFormTest {
  protected:
    void CopyShipped(const std::string& name) {
        ASSERT_TRUE(sys::CopyBytes(std::string(OMBRIX_PROGRAM_DIR) + "/" + name, program / name));
    }
};

TEST_F(DeveloperTablesTest, HiddenButtonsRunTheToolsOnTheWorkingFolder) {
    for (const char* name : {"sicvals.dbf", "GEORECS.dbf", "GPS.dbf"})
        CopyShipped(name);
    EXPECT_FALSE(forms::Visible(form->Button1));
    EXPECT_FALSE(forms::Visible(form->Button2));
    EXPECT_FALSE(forms::Visible(form->Button3));
    form->Button2Click();
    form->Button3Click();
    tables::Table georecs;
    georecs.Open(program / "GEORECS.dbf");
    georecs.First();
    EXPECT_EQ(georecs.AsString("CLAIMNUM"), "DEMO-000101");
    EXPECT_EQ(georecs.AsFloat("Z_HT"), 0);  // SLAB
    EXPECT_NEAR(georecs.AsFloat("LONGITUDE"), 91.175, 1e-6);
    EXPECT_NEAR(georecs.AsFloat("LATITUDE"), 30 + 15 / 60.0 + 20 / 3600.0, 1e-6);
    EXPECT_LT(georecs.AsFloat("DISTANCE"), 0.1);
    georecs.Next();
    EXPECT_DOUBLE_EQ(georecs.AsFloat("Z_HT"), 3.5);  // 3 FT 6 IN
    georecs.Next();
    EXPECT_DOUBLE_EQ(georecs.AsFloat("Z_IN"), 36);
    EXPECT_DOUBLE_EQ(georecs.AsFloat("Z_HT"), 3);

    form->Button1Click();
    tables::Table sic;
    sic.Open(program / "kiv/dbfiles/sic.dbf");
    MoveToRow(sic, 2);
    // The second pair of "sicvals" rows is category 2's: N1 is the 7Q10 flow.
    EXPECT_DOUBLE_EQ(sic.AsFloat("LOW_50"), 5.5100);
    EXPECT_DOUBLE_EQ(sic.AsFloat("LOW_10"), 2.5364);
    EXPECT_DOUBLE_EQ(sic.AsFloat("HMF_50"), 33.8635);
    EXPECT_EQ(sic.AsString("SIC"), "Laundries, Dry Cleaners and Car Washes");
}

}  // namespace
