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
    ExpectLines(PartText(EnvironmentalReleasesPart),
                {"Screening-level exposure assessment\n",
                 "Case P-01-0123, release 2: Manufacture of resin\nNumber of sites: 3\n",
                 "Surface water: 1500.00 kg/yr; 1.50 kg/site/day on 250.00 days per year\n",
                 "Landfill: 120.00 kg/yr; 0.40 kg/site/day not in sludge on 88.00 days, 0.20 "
                 "kg/site/day sorbed to sludge on 12.00 days per year\n",
                 "Stack air: 600.00 kg/yr; 2.00 kg/site/day on 100.00 days per year\n",
                 "Fugitive air: 300.00 kg/yr; 0.75 kg/site/day on 190.00 days per year\n",
                 "Share of the release per site: 120.00 kg/yr\n",
                 "Stack: yes; fugitive: no; landfill: yes; incineration: no\n",
                 "Remarks\nBatch process, two shifts.\n", "End of report.\n"});
}

TEST_F(WpdWriterTest, MediaNotAssessedReadNotApplicable) {
    SurfaceWaterSelected = 0;
    LandfillSelected = 0;
    AmbientAirSelected = 0;
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    ExpectLines(PartText(EnvironmentalReleasesPart),
                {"Surface water: N/A kg/yr; N/A kg/site/day on N/A days per year\n",
                 "Landfill: N/A kg/yr; N/A kg/site/day not in sludge",
                 "Stack air: N/A kg/yr; N/A kg/site/day on N/A days per year\n",
                 "Fugitive air: N/A kg/yr; N/A kg/site/day on N/A days per year\n"});
}

TEST_F(WpdWriterTest, NoStackOrFugitiveReleaseMeansNoDays) {
    CurrentPmn.INCINREL = 0;
    CurrentPmn.TotFugitiveRel = 0;
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    EXPECT_EQ(CurrentPmn.INCINDAYS, 0.0);
    EXPECT_EQ(CurrentPmn.FUGDAYHI, 0.0);
    EXPECT_THAT(PartText(EnvironmentalReleasesPart),
                HasSubstr("Fugitive air: 0.00 kg/yr; 0.75 kg/site/day on 0.00 days per year\n"));
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
    ExpectLines(PartText(IndustryCodePart),
                {"Industry category: " + IndustryCategoryDescription(5) + "\n",
                 "SIC codes: " + IndustryCategoryCodes(5) + "\n",
                 std::string("Release days per year: 250\n"), std::string("Number of sites: 4\n"),
                 std::string("50th percentile site: harmonic mean flow 100.00, concentration "
                             "1.50; 30Q5 flow 50.00, concentration 3.00; 7Q10 flow 25.00, "
                             "concentration 6.00; 1Q10 flow 20.00, concentration 7.50\n"),
                 std::string("10th percentile site: harmonic mean flow 10.00, concentration "
                             "15.00; 30Q5 flow 5.00, concentration 30.00; 7Q10 flow 2.50, "
                             "concentration 60.00; 1Q10 flow 2.00, concentration 75.00\n"),
                 std::string("LADD 1.50E-04   LADC 0.00   ADD 0.00   ADC 0.00   ADR 2.50E-04\n"),
                 std::string("Doses at the 10th percentile site, case P-01-0123\n"),
                 std::string("LADD 4.50E-04   LADC 0.00   ADD 0.00   ADC 0.00   ADR 5.50E-04\n"),
                 std::string("LADD 3.50E-04   LADC 0.00"), std::string("ADC 0.00   ADR 6.50E-04\n"),
                 std::string("Comments\nDischarge to a small stream.\n")});
}

TEST_F(WpdWriterTest, InhalationPartHoldsReleasesDosesAndDispersionInputs) {
    ScenarioCode = 4;
    ASSERT_TRUE(WriteInhalationWpd(form_));
    ExpectLines(PartText(InhalationPart),
                {"Case P-01-0123, release 2: Manufacture of resin\n", "Dispersion model: Plumo3\n",
                 "Number of sites: 4\n",
                 "Fugitive removal: 50.00 %\nRelease: 0.75 kg/site/day on 180.00 days per year\n"
                 "Total fugitive release: 280.00 kg/yr\n",
                 "Stack removal: 99.00 %; stack removal used in the concentrations: 99.00 %\n"
                 "Release: 2.00 kg/site/day on 100.00 days per year\n"
                 "Total stack release: 600.00 kg/yr\n",
                 "Fugitive: LADD 1.10E-02, LADC 2.20E-02, ADR 3.30E-02, ADRC 4.40E-02\n",
                 "Stack: LADD 5.50E-02, LADC 6.60E-02, ADR 7.70E-02, ADRC 8.80E-02\n",
                 "body weight 80.00 kg; intake rate 0.83.\n",
                 "Stack height 12.00 m; fugitive release height 3.00 ft\n",
                 "Stack diameter 0.50 m; area width 20.00 yds\n",
                 "Stack exit velocity 8.00 m/sec; area length 30.00 m\n",
                 "Stack gas temperature 400.00 K\n",
                 "Land use: Urban; terrain height 5.00 m; nearest residence 150.00 m\n",
                 "Meteorology: Stability and Wind Speed; stability class D; wind speed 4.50 "
                 "m/sec\n",
                 "Building downwash: length 40.00 m, width 25.00 m, height 15.00 m\n",
                 "Stack: annual average 2.00, maximum 24-hour 20.00\n",
                 "Fugitive: annual average 4.00, maximum 24-hour 40.00\n",
                 "Fugitive doses: LADD 1.10E-02, LADC 2.20E-02, ADR 3.30E-02, ADRC 4.40E-02\n",
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
                {"Release: NA kg/site/day on NA days per year\nTotal fugitive release",
                 "Release: NA kg/site/day on NA days per year\nTotal stack release: NA kg/yr\n",
                 "Meteorology: Full; stability class NA; wind speed NA m/sec\n",
                 "Building downwash: length NA m, width NA m, height NA m\n"});
}

TEST_F(WpdWriterTest, StabilityClassOutsideTheLettersReadsNa) {
    CurrentPmn.METCLASS = "Stability Class Only";
    CurrentPmn.STABCLASS = 7;
    ASSERT_TRUE(WriteInhalationWpd(form_));
    EXPECT_THAT(PartText(InhalationPart),
                HasSubstr("Meteorology: Stability Class Only; stability class NA; wind speed NA"));
}

TEST_F(WpdWriterTest, LandfillPartHoldsEveryValue) {
    ASSERT_TRUE(WriteLandfillWpd(form_));
    ExpectLines(
        PartText(LandfillPart),
        {"Case P-01-0123, release 2: Manufacture of resin\n",
         "Population assessed: Adult\nNumber of sites: 3\n",
         "Release to landfill: 0.40 kg/site/day; sorbed to sludge: 0.20 kg/site/day\n",
         "Migration to groundwater: Moderate\n", "Drinking water treatment removal: 12.00 %\n",
         "Sludge: 25.00 % of the water release sorbs to sludge, 375.00 kg/yr; days with "
         "sludge 12.00, without sludge 88.00\n",
         "LADD 1.25E-06   LADC 2.50E-06   ADD 3.75E-06   ADC 5.00E-06   (exposure frequency 1.00; "
         "no "
         "acute dose is assessed for groundwater)\n",
         "ADD: scenario Hi-End/Bound; exposure duration 30.00 years; exposure frequency "
         "1.00; averaging time 31.00 years; body weight 80.00 kg; intake rate 2.10.\n",
         "Comments\nLined landfill.\n"});
}
