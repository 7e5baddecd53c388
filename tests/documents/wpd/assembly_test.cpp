// The assembly of the final report: hand-built parts joined byte for byte, the parts of a run
// read back whole, markers in the user's values, failed templates and parts, and many parts.
#include "documents/wpd_assembly.h"

#include "documents/merge/wpd_text.h"
#include "documents/wpd_release_parts.h"
#include "documents/wpd_special_evaluation.h"
#include "documents/wpd_surface_water.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "writer_fixture.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Writes a part whose body is the text, as the merge would, and lists it with its markers.
void AddPart(WpdReportState& form, const std::string& path, const std::string& head,
             const std::string& body, const std::string& tail) {
    std::string bytes = WpdFilePrefix() + head;
    WpdPart part{path, static_cast<std::int64_t>(bytes.size()), -1};
    bytes += "HOW" + body;
    part.endMarkerOffset = static_cast<std::int64_t>(bytes.size());
    bytes += "XYZ" + tail;
    ASSERT_TRUE(sys::WriteWholeFile(path, bytes));
    form.Record(part);
}

}  // namespace

TEST_F(WpdWriterTest, ThreePartsJoinByteForByte) {
    AddPart(form_, scratch_.File("p0"), "Head\n", "\nzero\n", "\nTail\n");
    AddPart(form_, scratch_.File("p1"), "not kept\n", "\none\n", "\nnot kept\n");
    AddPart(form_, scratch_.File("p2"), "", "\ntwo\n", "");
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, DataFolder + "P-01-0123.wpd");
    // blank.wpd's body is a hard return, a hard page and a hard return.
    const std::string page = "\n\x0C\n";
    EXPECT_EQ(*sys::ReadWholeFile(*name), WpdFilePrefix() + "Head\n" + "\nzero\n" + page +
                                              "\none\n" + page + "\ntwo\n" + "\nTail\n");
    EXPECT_EQ(steps_, 3);  // one per further part and one at the end
    for (const char* part : {"p0", "p1", "p2"})
        EXPECT_FALSE(sys::FileExists(scratch_.File(part))) << part;
    // The reader shows the page break as nothing: the separator reads as two empty lines.
    EXPECT_EQ(WpdToText(*name), "Head\n\nzero\n\n\n\none\n\n\n\ntwo\n\nTail\n");
}

TEST_F(WpdWriterTest, AReportOfOnePartIsThatPartWithoutItsMarkers) {
    AddPart(form_, scratch_.File("p0"), "Head\n", "\nbody\n", "\nTail\n");
    PdmPagesActive = 1;  // the dilution pages keep their parts
    std::optional<std::string> name = AssembleWpdReport(form_);
    PdmPagesActive = 0;
    ASSERT_TRUE(name);
    EXPECT_EQ(*sys::ReadWholeFile(*name), WpdFilePrefix() + "Head\n\nbody\n\nTail\n");
    EXPECT_TRUE(sys::FileExists(scratch_.File("p0")));
    EXPECT_EQ(steps_, 1);
}

TEST_F(WpdWriterTest, TheReportOfARunReadsBackWhole) {
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    ASSERT_TRUE(WriteLandfillWpd(form_));
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    std::string text = WpdToText(*name);
    size_t head = text.find("Screening-level exposure assessment\n");
    size_t releases = text.find("Environmental releases\n");
    size_t site = text.find("Surface water release to a river site\n");
    size_t landfill = text.find("Landfill release and groundwater\n");
    size_t end = text.find("End of report.\n");
    ASSERT_NE(end, std::string::npos) << text;
    EXPECT_LT(head, releases);
    EXPECT_LT(releases, site);
    EXPECT_LT(site, landfill);
    EXPECT_LT(landfill, end);
    EXPECT_EQ(end + std::string("End of report.\n").size(), text.size());
    EXPECT_THAT(text, Not(HasSubstr("HOW")));
    EXPECT_THAT(text, Not(HasSubstr("XYZ")));
    EXPECT_THAT(text, HasSubstr("Harmonic mean flow: 12.30* MLD\n"));
    EXPECT_THAT(text, HasSubstr("Migration to groundwater: Moderate\n"));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(WpdWriterTest, MarkersInTheUsersValuesDoNotCutTheReport) {
    CurrentPmn.FAC_NAME = "HOWARD HOWELL Co";
    CurrentPmn.REMARKS = "SHOW the XYZ line\nand HOW";
    SurfaceWaterComments = "XYZ HOW";
    ASSERT_TRUE(WriteEnvReleaseWpd(form_, false));
    ASSERT_TRUE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    std::string text = WpdToText(*name);
    EXPECT_THAT(text, HasSubstr("Remarks\nSHOW the XYZ line\nand HOW\n"));
    EXPECT_THAT(text, HasSubstr("Facility: HOWARD HOWELL Co, Millbrook, ST\n"));
    EXPECT_THAT(text, HasSubstr("Case P-01-0123, release 2: Manufacture of resin\n"
                                "Facility: HOWARD"));
    EXPECT_THAT(text, HasSubstr("Comments\nXYZ HOW\n"));
    EXPECT_THAT(text, HasSubstr("Endangered species were not assessed for this release.\n"));
    EXPECT_EQ(text.rfind("End of report.\n"), text.size() - 15);
}

TEST_F(WpdWriterTest, AMissingTemplateIsNamedOnceARunAndNothingIsAnnounced) {
    ProgramFolder = scratch_.Path();
    const std::string missing = "The report template " +
                                sys::NativePath(scratch_.Path() + "\\sitenoe.wpd") +
                                " could not be read, so no report part is made from it.";
    EXPECT_FALSE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    CurrentPmn.ScenNum = "3";  // the next release of the run meets the same template
    EXPECT_FALSE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    EXPECT_EQ(Errors(), std::vector<std::string>{missing});
    EXPECT_EQ(form_.FileCount(), 0);
    EXPECT_FALSE(sys::FileExists(PartPathOf(RiverSitePart)));

    EXPECT_FALSE(AssembleWpdReport(form_));
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_THAT(Errors()[1], HasSubstr("No report part was written"));
    EXPECT_FALSE(sys::FileExists(DataFolder + "P-01-0123.wpd"));

    // A new run names it again.
    form_.NewRun();
    EXPECT_FALSE(WriteRiverSiteWpd(form_, SpeciesRows{}));
    ASSERT_EQ(Errors().size(), 3u);
    EXPECT_EQ(Errors()[2], missing);
}

TEST_F(WpdWriterTest, AMissingSeparatorStopsTheAssemblyAndKeepsTheParts) {
    AddPart(form_, scratch_.File("p0"), "", "zero", "");
    AddPart(form_, scratch_.File("p1"), "", "one", "");
    ProgramFolder = scratch_.Path();
    EXPECT_FALSE(AssembleWpdReport(form_));
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_THAT(Errors()[0], HasSubstr("blank.wpd"));
    EXPECT_TRUE(sys::FileExists(scratch_.File("p0")));
    EXPECT_TRUE(sys::FileExists(scratch_.File("p1")));
}

TEST_F(WpdWriterTest, AnUnreadablePartIsNamedAndLeftOut) {
    AddPart(form_, scratch_.File("p0"), "", "zero", "");
    AddPart(form_, scratch_.File("p1"), "", "one", "");
    AddPart(form_, scratch_.File("p2"), "", "two", "");
    ASSERT_TRUE(sys::DeleteFile(scratch_.File("p1")));
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_THAT(Errors()[0], HasSubstr("p1"));
    EXPECT_EQ(*sys::ReadWholeFile(*name), WpdFilePrefix() + "zero\n\x0C\ntwo");
}

TEST_F(WpdWriterTest, ThereIsNoLimitOnTheNumberOfParts) {
    std::string expected = WpdFilePrefix() + "part 0";
    for (int i = 0; i < 75; ++i) {
        AddPart(form_, scratch_.File("p" + std::to_string(i)), "", "part " + std::to_string(i), "");
        if (i > 0)
            expected += "\n\x0C\npart " + std::to_string(i);
    }
    std::optional<std::string> name = AssembleWpdReport(form_);
    ASSERT_TRUE(name);
    EXPECT_EQ(*sys::ReadWholeFile(*name), expected);
    EXPECT_EQ(steps_, 75);
}

TEST_F(WpdWriterTest, SpecialEvaluationShowsExceedancesOfRowsThatMeetACriterion) {
    SpecialEvaluationGrid grid;
    grid.expBased[1] = "Yes";
    grid.exceedance[1] = 0.0125;
    grid.exceedance[2] = 3.0;  // neither criterion: a blank
    grid.persistent[7] = "Yes";
    grid.exceedance[7] = 2.5;
    ASSERT_TRUE(WriteSpecialEvaluationWpd(form_, grid));
    std::string text = PartText(SpecialEvaluationPart);
    EXPECT_THAT(text, HasSubstr("Parameter; Exp Based; Persistent; Exceedance value\n"
                                "Drinking (Surface) Water Dose (mg/kg/day); Yes; ; 1.25E-02\n"
                                "Fish Ingestion Dose (mg/kg/day); ; ;  \n"));
    EXPECT_THAT(text, HasSubstr("Consumer Exposure Dose?; ; Yes; 2.50\n"));
    EXPECT_EQ(form_.FileCount(), 0);  // never joined into the report
    grid.exceedance[7] = 4.0;
    ASSERT_TRUE(WriteSpecialEvaluationWpd(form_, grid));
    EXPECT_THAT(PartText(SpecialEvaluationPart), HasSubstr("Consumer Exposure Dose?; ; Yes; 4.00"));
}
