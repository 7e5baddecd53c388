// The environmental-releases, industry-code, inhalation and landfill parts of a filled case,
// read back with wpd2text.
#include "dilution/industry_categories.h"
#include "documents/wpd_release_parts.h"
#include "writer_fixture.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

void ExpectLines(const std::string& text, std::initializer_list<std::string> lines) {
    for (const std::string& line : lines)
        EXPECT_THAT(text, HasSubstr(line));
}

}  // namespace

TEST_F(WpdWriterTest, EnvironmentalReleasesPartHoldsEveryValue) {
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    const std::string text = PartText(EnvironmentalReleasesPart);
    // The landfill total (40 kg/yr a site, 3 sites) covers the sludge too: it heads the
    // landfill lines, not the release outside sludge.
    ExpectLines(text, {"Screening-level exposure assessment\n",
                       "Case P-01-0123, release 2: Manufacture of resin\nNumber of sites: 3\n",
                       "Surface water\nRelease, all sites: 1500.00 kg/yr\nRelease per site: 1.50 "
                       "kg/site/day\nRelease days per year: 250.00\n",
                       "Landfill\nRelease, all sites: 120.00 kg/yr\nRelease per site, not in "
                       "sludge: 0.40 kg/site/day\nDays per year, not in sludge: 88.00\nSludge per "
                       "site: 0.20 kg/site/day\nDays per year, sludge: 12.00\n",
                       "Stack air\nRelease, all sites: 600.00 kg/yr\nRelease per site: 2.00 "
                       "kg/site/day\nRelease days per year: 100.00\n",
                       "Fugitive air\nRelease, all sites: 300.00 kg/yr\nRelease per site: 0.75 "
                       "kg/site/day\nRelease days per year: 190.00\n",
                       "Remarks\nBatch process, two shifts.\n", "End of report.\n"});
    // Nothing in the program sets the report marks or the release over all sites: a line for
    // them would always say "no" and 0.
    EXPECT_THAT(text, Not(HasSubstr("Stack: ")));
    EXPECT_THAT(text, Not(HasSubstr("Share of the release")));
}

TEST_F(WpdWriterTest, MediaNotAssessedReadNotApplicable) {
    SurfaceWaterSelected = 0;
    LandfillSelected = 0;
    AmbientAirSelected = 0;
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    ExpectLines(PartText(EnvironmentalReleasesPart),
                {"Surface water\nRelease, all sites: N/A kg/yr\nRelease per site: N/A "
                 "kg/site/day\nRelease days per year: N/A\n",
                 "Landfill\nRelease, all sites: N/A kg/yr\nRelease per site, not in sludge: N/A",
                 "Stack air\nRelease, all sites: N/A kg/yr\nRelease per site: N/A "
                 "kg/site/day\nRelease days per year: N/A\n",
                 "Fugitive air\nRelease, all sites: N/A kg/yr\nRelease per site: N/A "
                 "kg/site/day\nRelease days per year: N/A\n"});
}

TEST_F(WpdWriterTest, NoStackOrFugitiveReleaseMeansNoDays) {
    CurrentPmn.INCINREL = 0;
    CurrentPmn.TotFugitiveRel = 0;
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    EXPECT_EQ(CurrentPmn.INCINDAYS, 0.0);
    EXPECT_EQ(CurrentPmn.FUGDAYHI, 0.0);
    EXPECT_THAT(PartText(EnvironmentalReleasesPart),
                HasSubstr("Fugitive air\nRelease, all sites: 0.00 kg/yr\nRelease per site: 0.75 "
                          "kg/site/day\nRelease days per year: 0.00\n"));
}

TEST_F(WpdWriterTest, LongRemarksAreCutAndTheSpecialTemplateServesTheFirstRelease) {
    CurrentPmn.REMARKS = std::string(1990, 'r') + "abcdefghij";
    CurrentPmn.ScenNum = "1";
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, true));
    EXPECT_EQ(CurrentPmn.REMARKS, std::string(1990, 'r') + "abcd");
    std::string text = PartText(EnvironmentalReleasesPart);
    EXPECT_THAT(text, HasSubstr("rrrabcd\n"));
    EXPECT_THAT(text, HasSubstr("A special evaluation"));

    CurrentPmn.REMARKS = std::string(1995, 's');
    CurrentPmn.ScenNum = "3";
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, true));
    EXPECT_EQ(CurrentPmn.REMARKS.size(), 1995u);
    EXPECT_THAT(PartText(EnvironmentalReleasesPart), Not(HasSubstr("A special evaluation")));
}

TEST_F(WpdWriterTest, IndustryCodePartHoldsBothPercentileSites) {
    ASSERT_TRUE(WriteSicCodeWpd(form_));
    const std::string text = PartText(IndustryCodePart);
    ExpectLines(text,
                {"Industry category: " + IndustryCategoryDescription(5) + "\n",
                 "SIC codes: " + IndustryCategoryCodes(5) + "\n",
                 std::string("Release days per year: 250\n"), std::string("Number of sites: 4\n"),
                 std::string("at the 50th percentile site\nHarmonic mean flow: 100.00 MLD\n"
                             "Concentration at the harmonic mean flow: 1.50 ug/L\n30Q5 flow: 50.00 "
                             "MLD\nConcentration at the 30Q5 flow: 3.00 ug/L\n7Q10 flow: 25.00 "
                             "MLD\nConcentration at the 7Q10 flow: 6.00 ug/L\n1Q10 flow: 20.00 "
                             "MLD\nConcentration at the 1Q10 flow: 7.50 ug/L\n"),
                 std::string("at the 10th percentile site\nHarmonic mean flow: 10.00 MLD\n"
                             "Concentration at the harmonic mean flow: 15.00 ug/L\n30Q5 flow: 5.00 "
                             "MLD\nConcentration at the 30Q5 flow: 30.00 ug/L\n7Q10 flow: 2.50 "
                             "MLD\nConcentration at the 7Q10 flow: 60.00 ug/L\n1Q10 flow: 2.00 "
                             "MLD\nConcentration at the 1Q10 flow: 75.00 ug/L\n"),
                 std::string("Doses at the 50th percentile site\nDrinking water\nLADD: 1.50E-04 "
                             "mg/kg-day\nLADC: 0.00 mg/L\n"),
                 std::string("ADR: 2.50E-04 mg/kg-day\n"),
                 std::string("Fish ingestion\nLADD: 3.50E-04 mg/kg-day\n"),
                 std::string("Doses at the 10th percentile site\nDrinking water\nLADD: 4.50E-04 "
                             "mg/kg-day\n"),
                 std::string("ADR: 5.50E-04 mg/kg-day\n"), std::string("ADR: 6.50E-04 mg/kg-day\n"),
                 std::string("Comments\nDischarge to a small stream.\n")});
}

TEST_F(WpdWriterTest, InhalationPartHoldsReleasesDosesAndDispersionInputs) {
    ScenarioCode = 4;
    ASSERT_TRUE(WriteInhalationWpd(form_));
    ExpectLines(PartText(InhalationPart),
                {"Case P-01-0123, release 2: Manufacture of resin\n", "Dispersion model: Plumo3\n",
                 "Number of sites: 4\n",
                 "Fugitive release\nFugitive removal: 50.00 %\nRelease per site: 0.75 "
                 "kg/site/day\nRelease days per year: 180.00\nRelease after removal, all sites: "
                 "280.00 kg/yr\n",
                 "Stack release\nStack removal: 99.00 %\nRelease per site: 2.00 kg/site/day\n"
                 "Release days per year: 100.00\nRelease before removal, all sites: 600.00 kg/yr\n",
                 "Stack, annual average: 2.00 ug/m3\nStack, maximum 24-hour average: 20.00 ug/m3\n"
                 "Fugitive, annual average: 4.00 ug/m3\nFugitive, maximum 24-hour average: 40.00 "
                 "ug/m3\n",
                 "Inhalation of fugitive releases\nLADD: 1.10E-02 mg/kg-day\nLADC: 2.20E-02 "
                 "mg/m3\nADR: 3.30E-02 mg/kg-day\nADRC: 4.40E-02 mg/m3\n",
                 "Inhalation of stack releases\nLADD: 5.50E-02 mg/kg-day\nLADC: 6.60E-02 mg/m3\n"
                 "ADR: 7.70E-02 mg/kg-day\nADRC: 8.80E-02 mg/m3\n",
                 "Exposure duration for LADD and LADC: 33.00 years\nAveraging time for LADD and "
                 "LADC: 78.00 years\nBody weight: 80.00 kg\nInhalation rate: 0.83 m3/hour\n",
                 "Stack height: 12.00 m\nFugitive release height: 3.00 ft\nInside stack "
                 "diameter: 0.50 m\nWidth of the release opening: 20.00 yds\nStack gas exit "
                 "velocity: 8.00 m/sec\nLength of the release opening: 30.00 m\nStack gas "
                 "temperature: 400.00 K\nLand use: Urban\nTerrain height: 5.00 m\nDistance to "
                 "the residence: 150.00 m\nMeteorology: Stability and Wind Speed\nStability "
                 "class: D\nWind speed: 4.50 m/sec\nBuilding length: 40.00 m\nBuilding width: "
                 "25.00 m\nBuilding height: 15.00 m\n",
                 "Comments\nEnclosed process.\n"});
}

TEST_F(WpdWriterTest, InhalationPartWritesNaWhereAValueHasNoMeaning) {
    CurrentPmn.METCLASS = "Full";
    CurrentPmn.STABCLASS = 2;
    CurrentPmn.DOWNWASH = 0;
    CurrentPmn.FUGREL = 0;
    CurrentPmn.TotStackRel = 0;
    CurrentPmn.INCINREL = 0;
    ASSERT_TRUE(WriteInhalationWpd(form_));
    ExpectLines(PartText(InhalationPart),
                {"Release per site: NA kg/site/day\nRelease days per year: NA\nRelease after "
                 "removal",
                 "Release per site: NA kg/site/day\nRelease days per year: NA\nRelease before "
                 "removal, all sites: NA kg/yr\n",
                 "Meteorology: Full\nStability class: NA\nWind speed: NA m/sec\n",
                 "Building length: NA m\nBuilding width: NA m\nBuilding height: NA m\n"});
}

TEST_F(WpdWriterTest, StabilityClassOutsideTheLettersReadsNa) {
    CurrentPmn.METCLASS = "Stability Class Only";
    CurrentPmn.STABCLASS = 7;
    ASSERT_TRUE(WriteInhalationWpd(form_));
    EXPECT_THAT(
        PartText(InhalationPart),
        HasSubstr("Meteorology: Stability Class Only\nStability class: NA\nWind speed: NA"));
}

TEST_F(WpdWriterTest, LandfillPartHoldsEveryValue) {
    ASSERT_TRUE(WriteLandfillWpd(form_));
    const std::string text = PartText(LandfillPart);
    // 25 % of the 1500 kg/yr water release sorbs to sludge: 375 kg/yr.
    ExpectLines(
        text,
        {"Case P-01-0123, release 2: Manufacture of resin\n",
         "Population assessed: Adult\nNumber of sites: 3\n",
         "Release to landfill, not in sludge: 0.40 kg/site/day\nDays per year, not in "
         "sludge: 88.00\nSludge to landfill: 0.20 kg/site/day\nDays per year, "
         "sludge: 12.00\nWater release sorbed to sludge: 25.00 %\nWater release "
         "sorbed to sludge, all sites: 375.00 kg/yr\n",
         "Migration to groundwater: Moderate\n", "Drinking water treatment removal: 12.00 %\n",
         "Groundwater doses\nLADD: 1.25E-06 mg/kg-day\nLADC: 2.50E-06 mg/L\nExposure "
         "duration for LADD and LADC: 33.00 years\nAveraging time for LADD and "
         "LADC: 78.00 years\nBody weight: 80.00 kg\nDrinking water intake for LADD: "
         "2.10 L/day\n",
         "Comments\nLined landfill.\n"});
    // No exposure frequency of 1: the landfill doses take the yearly release as it is.
    EXPECT_THAT(text, Not(HasSubstr("frequency")));
}
