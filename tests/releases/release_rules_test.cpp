// The rules of one release over the record: units, the order of the concentrations of concern,
// the sludge release, the release marks and the checks with their messages.
#include "releases/release_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ReleaseRulesTest, UnitsConvertToKgPerSiteDay) {
    // 2.2046 lb to the kilogram, as the pages use it.
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(10, KgPerSiteDay, 250), 10);
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(22.046, LbsPerSiteDay, 250), 10);
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(2500, KgPerSiteYear, 250), 10);
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(5511.5, LbsPerSiteYear, 250),
                     5511.5 / 250 / 2.2046);
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(2500, KgPerSiteYear, 0), 2500) << "no days";
    EXPECT_DOUBLE_EQ(ConvertReleaseToKgPerSiteDay(7, -1, 250), 7) << "no unit chosen";
}

TEST(ReleaseRulesTest, ZeroConcernLevelsMoveToTheEnd) {
    struct Case {
        double in[3];
        double out[3];
    } cases[] = {{{0, 0, 5}, {5, 0, 0}}, {{0, 3, 7}, {3, 7, 0}}, {{5, 0, 7}, {5, 7, 0}},
                 {{1, 2, 3}, {1, 2, 3}}, {{0, 0, 0}, {0, 0, 0}}, {{0, 4, 0}, {4, 0, 0}}};
    for (const Case& c : cases) {
        pmn_record r;
        r.COC0 = c.in[0];
        r.COC1 = c.in[1];
        r.COC2 = c.in[2];
        CompactConcernLevels(r);
        EXPECT_EQ(r.COC0, c.out[0]);
        EXPECT_EQ(r.COC1, c.out[1]);
        EXPECT_EQ(r.COC2, c.out[2]);
    }
}

TEST(ReleaseRulesTest, SludgeReleasesArePerDay) {
    pmn_record r;
    r.H2O_HI = 10;  // kg/site/day
    r.H2ODAYHI = 250;
    r.SLUDGEAB = 20;
    r.LOSS2SLUDG = 35;
    EXPECT_DOUBLE_EQ(SludgeFromAdsorption(r), 2.0);
    EXPECT_DOUBLE_EQ(SludgeFromTreatmentLoss(r), 3.5) << "not multiplied by the days";
}

ReleaseChoices Water() {
    ReleaseChoices c;
    c.SurfaceWater = true;
    c.FacilityChosen = true;
    return c;
}

std::vector<std::string> Texts(const std::vector<ReleaseMessage>& messages) {
    std::vector<std::string> texts;
    for (const ReleaseMessage& m : messages)
        texts.push_back(m.caption + ": " + m.text);
    return texts;
}

TEST(ReleaseRulesTest, SurfaceWaterChecksAndMarks) {
    pmn_record r;
    r.RELEASES = "XXXX";
    EXPECT_EQ(Texts(CheckRelease(r, Water())),
              (std::vector<std::string>{
                  "Error: The number of days of water release must be greater than 0",
                  "Error: Releases to water must be greater than 0"}));
    EXPECT_EQ(r.RELEASES, "X000");

    ReleaseChoices neither = Water();
    neither.FacilityChosen = false;
    neither.DoPdm = true;
    r.H2O_HI = 1;
    r.H2ODAYLO = 10;
    EXPECT_EQ(
        Texts(CheckRelease(r, neither)),
        (std::vector<std::string>{"Note: You must select a facility or SIC code before continuing.",
                                  "Note: You must input a COC if you want to include a PDM run"}));
    r.COC2 = -9;  // not applicable passes the exact comparisons, but is no COC
    EXPECT_EQ(CheckRelease(r, neither).size(), 2u);
    r.COC0 = 5;
    EXPECT_TRUE(CheckRelease(r, Water()).empty());
}

TEST(ReleaseRulesTest, LandfillAndAirChecksAndMarks) {
    pmn_record r;
    ReleaseChoices c;
    c.Landfill = true;
    c.LandfillModule = false;
    EXPECT_TRUE(CheckRelease(r, c).empty()) << "landfill module not chosen";
    EXPECT_EQ(r.RELEASES, "0000");
    c.LandfillModule = true;
    EXPECT_EQ(Texts(CheckRelease(r, c)),
              (std::vector<std::string>{"Error: Landfill releases must be greater than 0"}));
    EXPECT_EQ(r.RELEASES, "0X00");
    r.SORPTION = 0.5;
    EXPECT_TRUE(CheckRelease(r, c).empty());

    ReleaseChoices air;
    air.Fugitive = true;
    air.Incineration = true;
    pmn_record a;
    EXPECT_EQ(Texts(CheckRelease(a, air)),
              (std::vector<std::string>{
                  "Error: Incineration releases must be greater than 0",
                  "Error: Fugitive releases must be greater than 0",
                  "Error: You must calculate air concentration before continuing."}));
    EXPECT_EQ(a.RELEASES, "00XX");
    a.INCINREL = 2;
    a.FUGREL = 1;
    EXPECT_EQ(Texts(CheckRelease(a, air)),
              (std::vector<std::string>{
                  "Error: The number of days of fugitive release must be greater than 0",
                  "Error: The number of days of stack release must be greater than 0",
                  "Error: You must calculate air concentration before continuing."}));
    air.StoringForStackRun = true;
    a.INCINDAYS = 100;
    a.FUGDAYLO = 100;
    EXPECT_TRUE(CheckRelease(a, air).empty()) << "the predictor run stores without results";
}

TEST(ReleaseRulesTest, SiteMustBeChosenForWater) {
    pmn_record r;
    r.SIC_CODE = -1;
    ReleaseChoices c = Water();
    SiteCheck check = CheckSiteChosen(r, c);
    ASSERT_TRUE(check.failed);
    EXPECT_EQ(check.message->text, "You need to select a facility");
    c.FacilityChosen = false;
    c.SicChosen = true;
    EXPECT_EQ(CheckSiteChosen(r, c).message->text, "You need to select a SIC code");
    c.SicChosen = false;
    check = CheckSiteChosen(r, c);
    EXPECT_TRUE(check.failed);
    EXPECT_FALSE(check.message.has_value());
    r.NPDES = "NY0020371";
    EXPECT_FALSE(CheckSiteChosen(r, Water()).failed);
    r.NPDES.clear();
    r.SIC_CODE = 25;
    EXPECT_FALSE(CheckSiteChosen(r, Water()).failed);
}

}  // namespace
