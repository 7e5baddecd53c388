// The river-site, lake and endangered-species parts of a filled case, read back with wpd2text.
#include "documents/wpd_surface_water.h"

#include <limits>

#include "documents/wpd_assembly.h"
#include "platform/forms/components.h"
#include "platform/sys/files.h"
#include "writer_fixture.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

SpeciesRows Species(int count) {
    SpeciesRows rows(
        1, {"Common Name", "County", "State", "Taxonomic Group", "Action", "Known Occurrence?"});
    for (int i = 1; i <= count; ++i)
        rows.push_back({"Species " + std::to_string(i), "Hill", "ST", "Fishes", "Listing", "True"});
    return rows;
}

}  // namespace

TEST_F(WpdWriterTest, RiverSitePartHoldsEveryValue) {
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    std::string text = PartText(RiverSitePart);
    for (const char* line :
         {"Case P-01-0123, release 2: Manufacture of resin\n",
          "Facility: Riverside Plant, Millbrook, ST\n",
          "Receiving stream: Clear Creek (reach 01020304005); facility discharges to this "
          "reach: Yes\n",
          "Discharge: Direct; permit number ST0012345; facility source: DurIviz\n",
          "Population assessed: Adult\n",
          "Wastewater treatment removal: 90.00 %\n",
          "Release days per year: 250.00\n",
          "Release before treatment: 1.50 kg/site/day\n",
          "Release after treatment: 0.15 kg/site/day\n",
          "Drinking water treatment removal: 12.00 %\n",
          "Bioconcentration factor: 35.50 L/kg\n",
          "Harmonic mean flow 12.30*; concentration 12.20\n",
          "30Q5 flow 0.00; concentration N/A\n",
          "7Q10 flow 4.50; concentration 33.33\n",
          "1Q10 flow 3.75; concentration 40.00\n",
          "Stream flows from the reach file\n",
          "Low flows reported: 30Q5          7Q10          1Q10         \n",
          "LADD 1.11E-03   LADC 2.22E-03   ADD 3.33E-03   ADC 4.44E-03   ADR 5.55E-03\n",
          "LADD: scenario Hi-End/Bound; exposure duration 33.00 years; exposure frequency 1.00; "
          "averaging time 78.00 years; body weight 80.00 kg; intake rate 2.10.\n",
          "LADC: scenario Hi-End/Bound; exposure duration 33.00 years; exposure frequency 1.00; "
          "averaging time 78.00 years; body weight 80.00 kg; intake rate          NA.\n",
          "ADD: scenario Hi-End/Bound; exposure duration 30.00 years; exposure frequency 1.00; "
          "averaging time 31.00 years; body weight 80.00 kg; intake rate 2.10.\n",
          "ADR: scenario Hi-End/Bound; exposure duration          NA; exposure frequency"
          "          NA; body weight 80.00 kg; intake rate 2.40.\n",
          "Exposure duration: cancer 33.00 years, non-cancer 30.00 years. Averaging time: "
          "cancer 78.00 years, non-cancer 31.00 years.\n",
          "Body weight 80.00 kg. Intake rate: lifetime and chronic 2.10, acute 2.40.\n",
          "LADD 6.66E-03   LADC 7.77E-03   ADD 8.88E-03   ADC 9.99E-03   ADR 0.25\n",
          "LADD: scenario Hi-End/Bound; exposure duration 33.00 years; exposure frequency 1.00; "
          "averaging time 78.00 years; body weight 80.00 kg; fish intake 22.00 g/day.\n",
          "ADR: scenario Hi-End/Bound; body weight 80.00 kg; fish intake 142.40 g/day.\n",
          "Comments\nDischarge to a small stream.\n",
          "Endangered species were not assessed for this release.\n"})
        EXPECT_THAT(text, HasSubstr(line));
    EXPECT_EQ(CurrentPmn.ScenarioTypeText, "Hi-End/Bound");
    ASSERT_EQ(form_.FileCount(), 1);
    EXPECT_EQ(form_.FilesList[0].path, PartPathOf(RiverSitePart));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(WpdWriterTest, SpeciesAssessedWithoutSpeciesAddsTheSentenceAndNoSpeciesPart) {
    CurrentPmn.CRITTERS = true;
    ASSERT_TRUE(WriteRiverSiteWpd(form_, Species(0)));
    EXPECT_THAT(PartText(RiverSitePart),
                HasSubstr("Discharge to a small stream.  There are no endangered species "
                          "associated with this site.\n"));
    EXPECT_EQ(form_.FileCount(), 1);
    EXPECT_FALSE(sys::FileExists(PartPathOf(EndangeredSpeciesPart, "0")));
}

TEST_F(WpdWriterTest, TwentyFourSpeciesFillTwoSpeciesParts) {
    CurrentPmn.CRITTERS = true;
    ASSERT_TRUE(WriteRiverSiteWpd(form_, Species(24)));
    ASSERT_EQ(form_.FileCount(), 3);
    std::string first = PartText(EndangeredSpeciesPart, "0");
    EXPECT_THAT(first, HasSubstr("Endangered species of the facility's county, case P-01-0123"));
    EXPECT_THAT(first, HasSubstr("Species 1  Hill  ST  Fishes  Listing  True\n"));
    EXPECT_THAT(first, HasSubstr("Species 23  Hill  ST  Fishes  Listing  True\n"));
    EXPECT_THAT(first, Not(HasSubstr("Species 24")));
    std::string second = PartText(EndangeredSpeciesPart, "1");
    EXPECT_THAT(second, HasSubstr("Species 24  Hill  ST  Fishes  Listing  True\n" +
                                  std::string(10, ' ') + "\n"));
    EXPECT_FALSE(sys::FileExists(PartPathOf(EndangeredSpeciesPart, "2")));
    EXPECT_THAT(PartText(RiverSitePart), Not(HasSubstr("There are no endangered species")));
}

TEST_F(WpdWriterTest, APartAlreadyListedIsNotWrittenAgain) {
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    CurrentPmn.FAC_NAME = "Changed";
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    EXPECT_THAT(PartText(RiverSitePart), HasSubstr("Facility: Riverside Plant,"));
    EXPECT_EQ(form_.FileCount(), 1);
}

TEST_F(WpdWriterTest, LakePartWritesRangesAndSpeciesRows) {
    CurrentPmn.CRITTERS = true;
    ASSERT_TRUE(WriteLakeWpd(form_, Species(2)));
    std::string text = PartText(LakePart);
    const std::string blanks(10, ' ');
    for (const std::string& line :
         {std::string("Receiving water: Clear Creek (reach 01020304005)"),
          std::string("Population assessed: Adult\n"),
          "Wastewater treatment removal: 90.-95." + std::string(6, ' ') + "%\n",
          "Release days per year: 200.-250." + std::string(3, ' ') + "\n",
          std::string("Plant effluent flow: 3.20 MLD\n"),
          "Release before treatment: 1.-1.5" + std::string(7, ' ') + "kg/site/day\n",
          std::string("Release after treatment: 0.15 kg/site/day\n"),
          std::string("Acute dilution factor 5.00; acute concentration 30.00 ug/L\n"),
          std::string("Chronic dilution factor 20.00; chronic concentration 7.50 ug/L\n"),
          std::string("LADD 1.20E-05   LADC 2.30E-05   ADD 3.40E-05   ADC 4.50E-05   ADR "
                      "5.60E-05\n"),
          "Common Name  County  State  Taxonomic Group  Action  Known Occurrence?\n"
          "Species 1  Hill  ST  Fishes  Listing  True\n"
          "Species 2  Hill  ST  Fishes  Listing  True\n" +
              blanks + "\n",
          std::string("Comments\nDischarge to a small stream.\n")})
        EXPECT_THAT(text, HasSubstr(line));
    EXPECT_TRUE(sys::FileExists(PartPathOf(EndangeredSpeciesPart, "0")));
}

TEST_F(WpdWriterTest, LakeRangesCollapseToOneValue) {
    CurrentPmn.WWT_HI = 90;   // equal: one value
    CurrentPmn.H2ODAYLO = 0;  // mode 2 with low 0: the high value
    CurrentPmn.H2O_LO = 1.5;
    ASSERT_TRUE(WriteLakeWpd(form_, SpeciesRows{}));
    std::string text = PartText(LakePart);
    EXPECT_THAT(text, HasSubstr("Wastewater treatment removal: 90." + std::string(10, ' ') + "%"));
    EXPECT_THAT(text, HasSubstr("Release days per year: 250." + std::string(8, ' ') + "\n"));
    EXPECT_THAT(text, HasSubstr("Release before treatment: 1.5" + std::string(10, ' ') + "kg"));
}

TEST_F(WpdWriterTest, ValuesWithoutANumberAndForeignLettersReadBack) {
    CurrentPmn.DwLaddSite = std::numeric_limits<double>::quiet_NaN();
    CurrentPmn.DwAdrSite = std::numeric_limits<double>::infinity();
    CurrentPmn.FAC_NAME =
        "Usine Br\xC3\xBBl\xC3\xA9"
        "e";
    SurfaceWaterComments = "First line\r\nsecond line";
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    std::string text = PartText(RiverSitePart);
    EXPECT_THAT(text, HasSubstr("LADD N/A   LADC 2.22E-03"));
    EXPECT_THAT(text, HasSubstr("ADR N/A\n"));
    EXPECT_THAT(text, HasSubstr("Facility: Usine Br\xC3\xBBl\xC3\xA9"
                                "e, Millbrook"));
    EXPECT_THAT(text, HasSubstr("Comments\nFirst line\nsecond line\n"));
}

TEST_F(WpdWriterTest, PartsFollowADataFolderGivenWithBackslashes) {
    DataFolder = scratch_.Path() + "\\sub\\";
    ASSERT_TRUE(sys::MakeFolder(scratch_.File("sub")));
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    std::string native = scratch_.File("sub") + "/" + ReportFileName("P-01-0123", "2", 1);
    EXPECT_TRUE(sys::FileExists(native));
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    EXPECT_TRUE(sys::FileExists(scratch_.File("sub") + "/P-01-0123.wpd"));
    EXPECT_FALSE(sys::FileExists(native));
}

TEST_F(WpdWriterTest, SpeciesRowsComeFromTheResultsGrid) {
    forms::TStringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(2);
    grid.SetCells(0, 0, "Common Name");
    grid.SetCells(0, 1, "Dwarf wedgemussel");
    grid.SetCells(5, 1, "True");
    SpeciesRows rows = SpeciesRowsOf(grid);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(SpeciesCell(rows, 1, 0), "Dwarf wedgemussel");
    EXPECT_EQ(SpeciesCell(rows, 1, 5), "True");
    EXPECT_EQ(SpeciesCell(rows, 2, 0), "");
    EXPECT_EQ(SpeciesCell(rows, 1, 6), "");
}
