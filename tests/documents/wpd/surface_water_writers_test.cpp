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
          "Harmonic mean flow: 12.30* MLD\nConcentration at the harmonic mean flow: 12.20 ug/L\n",
          "30Q5 flow: 0.00 MLD\nConcentration at the 30Q5 flow: N/A ug/L\n",
          "7Q10 flow: 4.50 MLD\nConcentration at the 7Q10 flow: 33.33 ug/L\n",
          "1Q10 flow: 3.75 MLD\nConcentration at the 1Q10 flow: 40.00 ug/L\n",
          "Drinking water\nLADD: 1.11E-03 mg/kg-day\nLADC: 2.22E-03 mg/L\nADD: 3.33E-03 "
          "mg/kg-day\nADC: 4.44E-03 mg/L\nADR: 5.55E-03 mg/kg-day\n"
          "Exposure duration for LADD and LADC: 33.00 years\n"
          "Exposure duration for ADD and ADC: 30.00 years\n"
          "Averaging time for LADD and LADC: 78.00 years\n"
          "Averaging time for ADD and ADC: 31.00 years\n"
          "Body weight: 80.00 kg\n"
          "Drinking water intake for LADD and ADD: 2.10 L/day\n"
          "Drinking water intake for ADR: 2.40 L/day\n",
          "Fish ingestion\nLADD: 6.66E-03 mg/kg-day\nLADC: 7.77E-03 mg/kg\nADD: 8.88E-03 "
          "mg/kg-day\nADC: 9.99E-03 mg/kg\nADR: 0.25 mg/kg-day\n",
          "Fish intake for LADD and ADD: 22.00 g/day\nFish intake for ADR: 142.40 g/day\n",
          "Comments\nDischarge to a small stream.\n",
          "Endangered species were not assessed for this release.\n"})
        EXPECT_THAT(text, HasSubstr(line));
    // Nothing in the program sets the scenario text or the river text: no label for them.
    EXPECT_THAT(text, Not(HasSubstr("Hi-End/Bound")));
    EXPECT_THAT(text, Not(HasSubstr("Stream flows from the reach file")));
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

TEST_F(WpdWriterTest, LakePartWritesTheCalculationsValuesAndSpeciesRows) {
    CurrentPmn.CRITTERS = true;
    ASSERT_TRUE(WriteLakeWpd(form_, Species(2)));
    std::string text = PartText(LakePart);
    const std::string blanks(10, ' ');
    // The removal, release days and release the calculation uses, not the ranges of the record.
    for (const std::string& line :
         {std::string("Receiving water: Clear Creek (reach 01020304005)"),
          std::string("Population assessed: Adult\n"),
          std::string("Wastewater treatment removal: 90.00 %\n"),
          std::string("Release days per year: 250.00\n"),
          std::string("Plant effluent flow: 3.20 MLD\n"),
          std::string("Release before treatment: 1.50 kg/site/day\n"),
          std::string("Release after treatment: 0.15 kg/site/day\n"),
          std::string("Acute dilution factor: 5.00\nAcute concentration: 30.00 ug/L\n"),
          std::string("Chronic dilution factor: 20.00\nChronic concentration: 7.50 ug/L\n"),
          std::string("LADD: 1.20E-05 mg/kg-day\nLADC: 2.30E-05 mg/kg\nADD: 3.40E-05 "
                      "mg/kg-day\nADC: 4.50E-05 mg/kg\nADR: 5.60E-05 mg/kg-day\n"),
          "Common Name  County  State  Taxonomic Group  Action  Known Occurrence?\n"
          "Species 1  Hill  ST  Fishes  Listing  True\n"
          "Species 2  Hill  ST  Fishes  Listing  True\n" +
              blanks + "\n",
          std::string("Comments\nDischarge to a small stream.\n")})
        EXPECT_THAT(text, HasSubstr(line));
    EXPECT_TRUE(sys::FileExists(PartPathOf(EndangeredSpeciesPart, "0")));
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
    EXPECT_THAT(text, HasSubstr("LADD: N/A mg/kg-day\nLADC: 2.22E-03 mg/L\n"));
    EXPECT_THAT(text, HasSubstr("ADR: N/A mg/kg-day\n"));
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
