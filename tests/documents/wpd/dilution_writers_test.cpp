// The dilution row file reader, round trips with the row formats the dilution run and the
// dilution pages write, and the dilution site and industry-code parts.
#include "documents/dilution_rows.h"
#include "documents/wpd_dilution.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "writer_fixture.h"

using ::testing::HasSubstr;

namespace {

// The rows as the full run writes them, then no-result rows up to row 21.
std::string FullRunSiteFile(const std::vector<DilutionRow>& rows) {
    std::string text;
    for (const DilutionRow& r : rows)
        text +=
            sys::Format("%lf %ld %ld %ld %lf %lf\n", r.coc, long(r.percentExceeded),
                        long(r.daysExceeded), long(r.releaseDays), r.preTreatRelease, r.wwtRemoval);
    for (size_t i = rows.size(); i < 21; ++i)
        text += "        -9.0      -9        -9   -9      -9.000         -9.0\n";
    return text;
}

std::string FullRunSicFile(const std::vector<DilutionRow>& rows) {
    std::string text;
    for (const DilutionRow& r : rows)
        text += sys::Format("%lf %ld %ld %ld %lf %lf %s %s\n", r.coc, long(r.percentExceeded),
                            long(r.daysExceeded), long(r.releaseDays), r.preTreatRelease,
                            r.wwtRemoval, r.analysis.c_str(), "---");
    for (size_t i = rows.size(); i < 21; ++i)
        text += "        -9.      -9.000        -9.0   -9.000      -9.000         -9. ---  ---\n";
    return text;
}

void ExpectNoResult(const DilutionRow& row, const std::string& line) {
    for (double value : {row.coc, row.percentExceeded, row.daysExceeded, row.releaseDays,
                         row.preTreatRelease, row.wwtRemoval})
        EXPECT_EQ(value, -9.0) << line;
}

void ExpectSameRow(const DilutionRow& a, const DilutionRow& b) {
    EXPECT_EQ(a.coc, b.coc);
    EXPECT_EQ(a.percentExceeded, b.percentExceeded);
    EXPECT_EQ(a.daysExceeded, b.daysExceeded);
    EXPECT_EQ(a.releaseDays, b.releaseDays);
    EXPECT_EQ(a.preTreatRelease, b.preTreatRelease);
    EXPECT_EQ(a.wwtRemoval, b.wwtRemoval);
    EXPECT_EQ(a.analysis, b.analysis);
}

}  // namespace

TEST(DilutionRows, EveryNoResultRowReadsMinusNineInEveryField) {
    for (const std::string line :
         {"        -9.      -9.000        -9.0   -9.000      -9.000         -9.",
          "        -9.      -9.000        -9.0   -9.000      -9.000         -9.  ---  ---",
          "        -9.0      -9        -9   -9      -9.000         -9.0",
          "        -9.      -9.000        -9.0   -9.000      -9.000         -9. ---  ---"}) {
        ExpectNoResult(ParseDilutionRow(line, DilutionRowKind::Site), line);
        DilutionRow sic = ParseDilutionRow(line, DilutionRowKind::IndustryCode);
        ExpectNoResult(sic, line);
    }
}

TEST(DilutionRows, FieldsReadAsNumbersWhateverTheirFormat) {
    // A grid row as the save command copies it: fixed and exponent texts, thousands grouped.
    DilutionRow row = ParseDilutionRow("1.23E-03 12.50 45.6 1,250 2.000 85.00 High ---\r",
                                       DilutionRowKind::IndustryCode);
    EXPECT_EQ(row.coc, 1.23e-3);
    EXPECT_EQ(row.percentExceeded, 12.5);
    EXPECT_EQ(row.daysExceeded, 45.6);
    EXPECT_EQ(row.releaseDays, 1250.0);
    EXPECT_EQ(row.preTreatRelease, 2.0);
    EXPECT_EQ(row.wwtRemoval, 85.0);
    EXPECT_EQ(row.analysis, "High");
    // A field that is not a number, or missing, reads -9; the others keep their places.
    DilutionRow broken = ParseDilutionRow("10 N/A 30 nan", DilutionRowKind::Site);
    EXPECT_EQ(broken.coc, 10.0);
    EXPECT_EQ(broken.percentExceeded, -9.0);
    EXPECT_EQ(broken.daysExceeded, 30.0);
    EXPECT_EQ(broken.releaseDays, -9.0);
    EXPECT_EQ(broken.preTreatRelease, -9.0);
    EXPECT_EQ(broken.analysis, "");
}

TEST(DilutionRows, FilesOfTheFullRunRoundTrip) {
    ScratchFolder folder("dilution_rows");
    std::vector<DilutionRow> site = {{10.0, 5, 18, 250, 1.5, 90.0, ""},
                                     {100.0, 1, 3, 250, 1.5, 90.0, ""}};
    ASSERT_TRUE(sys::WriteWholeFile(folder.File("site"), FullRunSiteFile(site)));
    std::vector<DilutionRow> read = ReadDilutionRowFile(folder.File("site"), DilutionRowKind::Site);
    ASSERT_EQ(read.size(), 21u);
    ExpectSameRow(read[0], site[0]);
    ExpectSameRow(read[1], site[1]);
    for (size_t i = 2; i < read.size(); ++i)
        ExpectNoResult(read[i], "row " + std::to_string(i));

    std::vector<DilutionRow> sic = {{0.5, 40, 146, 300, 0.25, 75.0, "High"}};
    ASSERT_TRUE(sys::WriteWholeFile(folder.File("sic"), FullRunSicFile(sic)));
    read = ReadDilutionRowFile(folder.File("sic"), DilutionRowKind::IndustryCode);
    ASSERT_EQ(read.size(), 21u);
    ExpectSameRow(read[0], sic[0]);
    EXPECT_EQ(read[1].analysis, "---");

    EXPECT_TRUE(ReadDilutionRowFile(folder.File("none"), DilutionRowKind::Site).empty());
    ExpectNoResult(DilutionRowAt(read, 40), "past the end");
}

TEST_F(WpdWriterTest, DilutionSitePartTakesItsRowsFromTheRowFile) {
    sys::WorkingFolderGuard back(sys::WorkingFolder());
    ASSERT_TRUE(sys::SetWorkingFolder(scratch_.Path()));
    ASSERT_TRUE(sys::WriteWholeFile(
        DilutionRowFileName,
        FullRunSiteFile({{10.0, 5, 18, 250, 1.5, 90.0, ""}, {100.0, 1, 3, 250, 1.25, 90.0, ""}})));
    PdmSiteMeanFlow = 55.5;
    PdmSiteLowFlow = 4.25;
    DirectRec.PLANTFLOW = 2.5;
    ASSERT_TRUE(WritePdmSiteWpd(form_));
    EXPECT_EQ(PdmSiteResultRows, 2);  // COC0 and COC1 above 0
    std::string text = PartText(DilutionSitePart);
    for (const char* line :
         {"Facility: Riverside Plant, Millbrook, ST\n",
          "Gaging station: N/A\nPeriod of record: N/A\nDaily flows observed: N/A\nStations on "
          "the reach: N/A\n",
          "Stream flow, 50 %ile: 55.50 MLD\nStream flow, 10 %ile: 4.25 MLD\n",
          "Plant effluent flow: 2.50 MLD\n",
          "10.00; 5; 18; 250; 1.50; 90.00\n100.00; 1; 3; 250; 1.25; 90.00\n\n"})
        EXPECT_THAT(text, HasSubstr(line));
    EXPECT_EQ(PdmPreTreatRelease, 1.25);  // the last row taken
    // Written again even though listed.
    CurrentPmn.FAC_NAME = "Second";
    ASSERT_TRUE(WritePdmSiteWpd(form_));
    EXPECT_THAT(PartText(DilutionSitePart), HasSubstr("Facility: Second,"));
    EXPECT_EQ(form_.FileCount(), 1);
}

TEST_F(WpdWriterTest, DilutionSitePartShowsTheGageAndNoResultRows) {
    GageFlowsFound = 1;
    ActFlowRec.STA_ID = "01234567";
    ActFlowRec.FIRSTDAY = "1980-10-01";
    ActFlowRec.LASTDAY = "1999-09-30";
    ActFlowRec.NUMFLWVALS = 100;
    CurrentPmn.NUM_GAGES = 0;
    CurrentPmn.COC1 = 0;
    CurrentPmn.COC2 = 5;  // the third COC alone: three rows
    ASSERT_TRUE(WritePdmSiteWpd(form_, {{10.0, 5, 18, 250, 1.5, 90.0, ""}}));
    std::string text = PartText(DilutionSitePart);
    EXPECT_THAT(text, HasSubstr("Gaging station: 01234567\nPeriod of record: 1980-10-01 - "
                                "1999-09-30\nDaily flows observed: 100.00\nStations on the reach: "
                                "0\n"));
    EXPECT_THAT(text, HasSubstr("Stream flow, MEAN: 0.00 MLD\nStream flow, 7q10: 0.00 MLD\n"));
    EXPECT_THAT(text, HasSubstr("10.00; 5; 18; 250; 1.50; 90.00\nN/A; N/A; N/A; N/A; N/A; N/A\n"
                                "N/A; N/A; N/A; N/A; N/A; N/A\n\n"));
}

TEST_F(WpdWriterTest, DilutionIndustryCodePartShowsTheAnalysis) {
    CurrentPmn.SIC_CODE = 0;  // no category name: the page's text
    std::vector<DilutionRow> rows = {
        ParseDilutionRow("12.50 3 11 250 2.000 85.00 High ---", DilutionRowKind::IndustryCode),
        ParseDilutionRow("        -9.      -9.000        -9.0   -9.000      -9.000         -9.  "
                         "---  ---",
                         DilutionRowKind::IndustryCode)};
    ASSERT_TRUE(WritePdmSicWpd(form_, "Laundries", rows));
    EXPECT_EQ(PdmSicResultRows, 2);
    std::string text = PartText(DilutionIndustryCodePart);
    EXPECT_THAT(text, HasSubstr("Industry category: Laundries\n"));
    EXPECT_THAT(text, HasSubstr("12.50; 3; 11; 250; 2.00; 85.00; High\n"
                                "N/A; N/A; N/A; N/A; N/A; N/A;    \n"));
}

TEST_F(WpdWriterTest, DilutionPagesKeepTheirRowCount) {
    PdmPagesActive = 1;
    PdmSiteResultRows = 1;
    ASSERT_TRUE(WritePdmSiteWpd(form_, {}));
    EXPECT_EQ(PdmSiteResultRows, 1);
    PdmSiteResultRows = PdmResultGridRows + 1;  // more rows than a page's grid holds
    EXPECT_FALSE(WritePdmSiteWpd(form_, {}));
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_THAT(Errors()[0], HasSubstr("pdmste8.wpd"));
    PdmPagesActive = 0;
}
