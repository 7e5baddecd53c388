// The Word-format dilution parts: their tables from the dilution row file, the row count that
// names the template, the dilution pages' document form and the finishing of a saved document.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "documents/word_dilution.h"
#include "platform/sys/paths.h"
#include "results/mk_pdm_doc.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "shell/scr_main.h"
#include "tests/documents/word/word_writer_fixture.h"

namespace {

// Row lines as the full run writes them: the site layout, and the industry-category layout with
// its analysis label and an unused word.
constexpr const char* kSiteNoResult =
    "        -9.0      -9        -9   -9      -9.000         -9.0";
constexpr const char* kSicNoResult =
    "        -9.      -9.000        -9.0   -9.000      -9.000         -9. ---  ---";

class WordDilutionTest : public WordWriterTest {
  protected:
    WordDilutionTest() {
        PdmPagesActive = 0;
        PdmSiteResultRows = PdmSicResultRows = 1;
        GageFlowsFound = 1;
        ActFlowRec = actflow_record{};
        ActFlowRec.STA_ID = "01234500";
        ActFlowRec.FIRSTDAY = "01/01/1950";
        ActFlowRec.LASTDAY = "12/31/1999";
        ActFlowRec.NUMFLWVALS = 18262;
        PdmSiteMeanFlow = 123.456;
        PdmSiteLowFlow = 0.05;
        DirectRec.PLANTFLOW = 3.2;
        SicCodeList = "2821, 2822";
    }
    ~WordDilutionTest() override {
        PdmPagesActive = 0;
        PdmSiteResultRows = PdmSicResultRows = 1;
        GageFlowsFound = 0;
        SicCodeList.clear();
    }

    // The row file of the working folder: the lines given, then no-result lines up to 21.
    void RowFile(std::vector<std::string> lines, const char* noResult) {
        std::string text;
        for (size_t i = 0; i < 21; ++i)
            text += (i < lines.size() ? lines[i] : std::string(noResult)) + "\n";
        ScratchFolder::Write(scratch.Path(DilutionRowFileName), text);
    }
    std::string SitePart() const { return PartOf(DilutionSitePart); }
    std::string SicPart() const { return PartOf(DilutionIndustryCodePart); }
    // How many table rows the written part holds.
    static int TableRows(const std::string& path) {
        const wordproc::Document document = Reread(path);
        int rows = 0;
        while (document.HasBookmark("COC" + std::to_string(rows + 1)))
            ++rows;
        return rows;
    }
};

TEST_F(WordDilutionTest, SitePartFillsEveryBookmarkFromTheCaseAndTheRows) {
    CurrentPmn.COC0 = 10, CurrentPmn.COC1 = 0, CurrentPmn.COC2 = 50;
    RowFile({"10.000000 12 44 250 1.500000 85.000000", kSiteNoResult,
             "50.000000 3 8 250 1.500000 90.000000"},
            kSiteNoResult);
    ASSERT_TRUE(WritePdmSiteDoc(form));

    // The last concentration of concern above 0 is the third: three rows, pdmste3.doc.
    EXPECT_EQ(PdmSiteResultRows, 3);
    EXPECT_EQ(TableRows(SitePart()), 3);
    // 18262 flow values and a low flow of 0.05 are outside 0.1 .. 10000: exponent form.
    // WWT1 holds row 1's removal (85), set after the facility's (90).
    ExpectBookmarks(SitePart(), {{"CaseNum", "P-01-0123"},
                                 {"ScenNum", "2"},
                                 {"RelActivity", "Manufacture of resin"},
                                 {"FacilityName", "Riverside Plant"},
                                 {"FacilityLocation", "Millbrook, ST"},
                                 {"RecWater", "Clear Creek"},
                                 {"Reach", "01020304005"},
                                 {"FacOnReach", "Yes"},
                                 {"DischargeType", "Direct"},
                                 {"NPDES", "ST0012345"},
                                 {"DataSource", "DurIviz"},
                                 {"StationID", "01234500"},
                                 {"Period", "01/01/1950 - 12/31/1999"},
                                 {"NumObs", "1.83E+04"},
                                 {"NumStations", "2"},
                                 {"Middy", "50 %ile"},
                                 {"Lowy", "10 %ile"},
                                 {"FiftyFlow", "123.46"},
                                 {"TenFlow", "5.00E-02"},
                                 {"EffFlow", "3.20"},
                                 {"COC1", "10.00"},
                                 {"Percent1", "12"},
                                 {"NumDays1", "44"},
                                 {"RelDays1", "250"},
                                 {"Load1", "1.50"},
                                 {"WWT1", "85.00"},
                                 {"COC2", "N/A"},
                                 {"Percent2", "N/A"},
                                 {"NumDays2", "N/A"},
                                 {"RelDays2", "N/A"},
                                 {"Load2", "N/A"},
                                 {"WWT2", "N/A"},
                                 {"COC3", "50.00"},
                                 {"Percent3", "3"},
                                 {"NumDays3", "8"},
                                 {"WWT3", "90.00"}});
    EXPECT_EQ(ListedParts(),
              std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.psw"});
    // The table's last row hands its values to the dilution run.
    EXPECT_EQ(PdmReleaseDays, 250.0);
    EXPECT_EQ(PdmPreTreatRelease, 1.5);
    EXPECT_EQ(PdmWwtRemoval, 90.0);
    EXPECT_TRUE(ui.Boxes().empty());
    // The site part leaves no document open in the word processor.
    EXPECT_EQ(wordproc::Processor::Shared().OpenCount(), 0u);

    const std::string text = IndependentText(SitePart());
    for (const char* shown : {"Riverside Plant", "01234500", "1.83E+04", "123.46", "50.00"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
}

TEST_F(WordDilutionTest, SiteWithoutGagingStationShowsNaAndMeanAndLowFlowLabels) {
    GageFlowsFound = 0;
    CurrentPmn.NUM_GAGES = 0;
    RowFile({"10.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    ASSERT_TRUE(WritePdmSiteDoc(form));
    ExpectBookmarks(SitePart(), {{"StationID", "N/A"},
                                 {"Period", "N/A"},
                                 {"NumObs", "N/A"},
                                 {"NumStations", "N/A"},
                                 {"Middy", "MEAN"},
                                 {"Lowy", "7q10"}});
}

TEST_F(WordDilutionTest, IndustryCategoryPartShowsTheAnalysisAndBlanksForNone) {
    // COC0 and COC1 above 0: two rows, pdmsic2.doc.
    RowFile({"10.000000 12 44 250 1.500000 90.000000 High ---", kSicNoResult}, kSicNoResult);
    ASSERT_TRUE(WritePdmSicDoc(form, "Page category"));
    EXPECT_EQ(PdmSicResultRows, 2);
    EXPECT_EQ(TableRows(SicPart()), 2);
    ExpectBookmarks(SicPart(), {{"CaseNum", "P-01-0123"},
                                {"ScenNum", "2"},
                                {"RelActivity", "Manufacture of resin"},
                                {"SicDesc", IndustryCategoryDescription(5)},
                                {"SicCodes", "2821, 2822"},
                                {"COC1", "10.00"},
                                {"Percent1", "12"},
                                {"NumDays1", "44"},
                                {"RelDays1", "250"},
                                {"Load1", "1.50"},
                                {"WWT1", "90.00"},
                                {"Anal1", "High"},
                                {"COC2", "N/A"},
                                {"Percent2", "N/A"},
                                {"NumDays2", "N/A"},
                                {"RelDays2", "N/A"},
                                {"Load2", "N/A"},
                                {"WWT2", "N/A"},
                                {"Anal2", "   "}});
    EXPECT_EQ(ListedParts(),
              std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.piw"});
}

TEST_F(WordDilutionTest, CategoryWithoutANameShowsThePagesText) {
    CurrentPmn.SIC_CODE = 0;
    RowFile({}, kSicNoResult);
    ASSERT_TRUE(WritePdmSicDoc(form, "Page category"));
    ExpectBookmarks(SicPart(), {{"SicDesc", "Page category"}});
}

// The full run's row count by the concentrations of concern; none above 0 keeps the count.
TEST_F(WordDilutionTest, FullRunCountsTheLastConcentrationOfConcernAboveZero) {
    struct Case {
        double coc0, coc1, coc2;
        int before, expected;
    };
    for (const Case c : {Case{10, 0, 50, 1, 3}, Case{0, 0, 50, 1, 3}, Case{10, 100, 0, 3, 2},
                         Case{10, 0, 0, 2, 1}, Case{0, 0, 0, 2, 2}, Case{-9, 0, 0, 3, 3}}) {
        SCOPED_TRACE(testing::Message() << c.coc0 << " " << c.coc1 << " " << c.coc2);
        report.FilesList.clear();
        CurrentPmn.COC0 = c.coc0, CurrentPmn.COC1 = c.coc1, CurrentPmn.COC2 = c.coc2;
        PdmSiteResultRows = PdmSicResultRows = c.before;
        RowFile({}, kSiteNoResult);
        ASSERT_TRUE(WritePdmSiteDoc(form));
        EXPECT_EQ(PdmSiteResultRows, c.expected);
        EXPECT_EQ(TableRows(SitePart()), c.expected);
        RowFile({}, kSicNoResult);
        ASSERT_TRUE(WritePdmSicDoc(form, ""));
        EXPECT_EQ(PdmSicResultRows, c.expected);
        EXPECT_EQ(TableRows(SicPart()), c.expected);
    }
}

// On the stand-alone pages the page's count names the table; a count the templates do not have
// takes the nearest table, and rows left out are told.
TEST_F(WordDilutionTest, PageCountsOutsideTheTemplatesTakeTheNearestTable) {
    PdmPagesActive = 1;
    CurrentPmn.COC2 = 50;  // would give 3 in a full run
    struct Case {
        int count, tableRows;
        const char* note;
    };
    for (const Case c : {Case{0, 1, ""}, Case{2, 2, ""}, Case{7, 7, ""}, Case{20, 20, ""},
                         Case{25, 20, "The document shows the first 20 of the 25 result rows."}}) {
        SCOPED_TRACE(c.count);
        report.FilesList.clear();
        ui.ClearShown();
        PdmSicResultRows = c.count;
        RowFile({"10.000000 12 44 250 1.500000 90.000000 High ---"}, kSicNoResult);
        ASSERT_TRUE(WritePdmSicDoc(form, ""));
        EXPECT_EQ(PdmSicResultRows, c.count);
        EXPECT_EQ(TableRows(SicPart()), c.tableRows);
        ExpectBookmarks(SicPart(), {{"COC1", "10.00"}});
        if (*c.note) {
            ASSERT_EQ(ui.Boxes().size(), 1u);
            EXPECT_EQ(ui.Boxes()[0].text, c.note);
            EXPECT_EQ(ui.Boxes()[0].caption, "Note");
        } else {
            EXPECT_TRUE(ui.Boxes().empty());
        }
    }
}

// Rows past the end of the file show no result and leave the dilution run's values as the last
// row of the file set them.
TEST_F(WordDilutionTest, ARowFileShorterThanTheTableShowsNoResultRows) {
    PdmPagesActive = 1;
    PdmSiteResultRows = 3;
    ScratchFolder::Write(scratch.Path(DilutionRowFileName),
                         "10.000000 12 44 250 1.500000 90.000000\n");
    ASSERT_TRUE(WritePdmSiteDoc(form));
    ExpectBookmarks(SitePart(), {{"COC1", "10.00"}, {"COC3", "N/A"}, {"WWT3", "N/A"}});
    EXPECT_EQ(PdmReleaseDays, 250.0);
    EXPECT_EQ(PdmPreTreatRelease, 1.5);
    EXPECT_EQ(PdmWwtRemoval, 90.0);
}

TEST_F(WordDilutionTest, AMissingTemplateListsNothingAndLeavesNoFile) {
    ProgramFolder = scratch.Path("empty");
    RowFile({}, kSiteNoResult);
    EXPECT_FALSE(WritePdmSiteDoc(form));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The report template " +
                                      sys::NativePath(scratch.Path("empty") + "/pdmste2.doc") +
                                      " could not be read, so no report part is made from it.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_TRUE(report.FilesList.empty());
    EXPECT_FALSE(sys::FileExists(SitePart()));
    // Once the template is there the part is written.
    ProgramFolder = OMBRIX_PROGRAM_DIR;
    EXPECT_TRUE(WritePdmSiteDoc(form));
    EXPECT_EQ(report.FileCount(), 1);
}

TEST_F(WordDilutionTest, AMissingRowFileIsToldAndNothingIsWritten) {
    EXPECT_FALSE(WritePdmSiteDoc(form));
    EXPECT_FALSE(WritePdmSicDoc(form, ""));
    const auto boxes = ui.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "The dilution results file " +
                                 sys::NativePath(scratch.Path(DilutionRowFileName)) +
                                 " is missing, so the dilution part of the report is not written.");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_TRUE(report.FilesList.empty());
    EXPECT_FALSE(sys::FileExists(SitePart()));
    EXPECT_FALSE(sys::FileExists(SicPart()));
}

TEST_F(WordDilutionTest, TheFullRunDoesNotWriteAListedPartAgain) {
    RowFile({"10.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    ASSERT_TRUE(WritePdmSiteDoc(form));
    RowFile({"77.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    EXPECT_FALSE(WritePdmSiteDoc(form));
    EXPECT_EQ(report.FileCount(), 1);
    ExpectBookmarks(SitePart(), {{"COC1", "10.00"}});
    EXPECT_TRUE(ui.Boxes().empty());
}

// Every dilution template has the bookmarks its writer sets and no other: the heading's, then
// one set per table row.
TEST(WordDilutionTemplateTest, EveryTableSizeHasItsRowsBookmarks) {
    const std::string site =
        "CaseNum ScenNum RelActivity FacilityName FacilityLocation RecWater Reach FacOnReach "
        "DischargeType NPDES DataSource StationID Period NumObs NumStations Middy Lowy FiftyFlow "
        "TenFlow EffFlow";
    const std::string sic = "CaseNum ScenNum RelActivity SicDesc SicCodes";
    for (int rows = 1; rows <= LargestDilutionTable + 1; ++rows) {
        for (const bool industry : {false, true}) {
            const std::string name =
                (industry ? "pdmsic" : "pdmste") + std::to_string(rows) + ".doc";
            const std::string bytes =
                ScratchFolder::Read(std::string(OMBRIX_PROGRAM_DIR) + "/" + name);
            if (rows > LargestDilutionTable) {
                EXPECT_TRUE(bytes.empty()) << name << " is made but never used";
                continue;
            }
            const wordproc::Document document = wordproc::Document::Parse(bytes);
            std::string expected = industry ? sic : site;
            for (int n = 1; n <= rows; ++n) {
                const std::string k = std::to_string(n);
                expected += " COC" + k + " Percent" + k + " NumDays" + k + " RelDays" + k +
                            " Load" + k + " WWT" + k + (industry ? " Anal" + k : "");
            }
            std::istringstream names(expected);
            size_t count = 0;
            for (std::string bookmark; names >> bookmark; ++count)
                EXPECT_TRUE(document.HasBookmark(bookmark)) << name << " lacks " << bookmark;
            EXPECT_EQ(document.Bookmarks().size(), count) << name;
        }
    }
}

// The dilution pages save through the one document form of the program, on a results form.
class DilutionPageSaveTest : public WordDilutionTest {
  protected:
    DilutionPageSaveTest() {
        mainPage = std::make_unique<TScrMain>();
        mainPage->NoWord->setVisible(false);  // Word is the report format
        InstallWordReportWriters();
        results = std::make_unique<TScrResForm>();
        PdmPagesActive = 1;
        PdmSiteResultRows = PdmSicResultRows = 1;
    }
    ~DilutionPageSaveTest() override {
        results.reset();
        WordWriters() = WordReportWriters{};
        mainPage.reset();
    }
    std::vector<std::string> ResultsParts() const {
        std::vector<std::string> paths;
        for (const WpdPart& part : results->Report.FilesList)
            paths.push_back(part.path);
        return paths;
    }

    std::unique_ptr<TScrMain> mainPage;
    std::unique_ptr<TScrResForm> results;
};

TEST_F(DilutionPageSaveTest, BothPagesOfAReleaseGiveASiteAndACategoryPart) {
    TMkPdmDoc* before = &MkPdmDocForm();
    RowFile({"10.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    ASSERT_TRUE(WordWriters().WritePdmPageDoc(*results, ReportPart::PdmSite));
    EXPECT_EQ(MkPdmDoc->OpenFileName, results->in_file_name);
    EXPECT_EQ(MkPdmDoc->OpenFileName, "c:\\Users\\Public\\Ombrix2014\\P-01-01232.psw");
    RowFile({"20.000000 5 18 250 1.500000 90.000000 Avg ---"}, kSicNoResult);
    ASSERT_TRUE(WordWriters().WritePdmPageDoc(*results, ReportPart::PdmSic));
    // The page just saved lists its part first: that is the document the save hands on.
    EXPECT_EQ(ResultsParts(),
              (std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.piw",
                                        "c:\\Users\\Public\\Ombrix2014\\P-01-01232.psw"}));
    ExpectBookmarks(SitePart(), {{"COC1", "10.00"}});
    ExpectBookmarks(SicPart(), {{"COC1", "20.00"}, {"Anal1", "Avg"}});
    // The same form wrote both, and the writers installed again keep it.
    EXPECT_EQ(MkPdmDoc, before);
    EXPECT_EQ(MkPdmDoc->OpenFileName, "c:\\Users\\Public\\Ombrix2014\\P-01-01232.piw");
    InstallWordReportWriters();
    EXPECT_EQ(&MkPdmDocForm(), before);
    EXPECT_EQ(MkPdmDocForm().Caption(), "MkPdmDoc");
}

TEST_F(DilutionPageSaveTest, ASecondSaveOfAPageWritesItsNewRowsAndListsThemFirst) {
    RowFile({"10.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    ASSERT_TRUE(WordWriters().WritePdmPageDoc(*results, ReportPart::PdmSite));
    results->Report.Record({"c:\\Users\\Public\\Ombrix2014\\P-01-01232.erw", -1, -1});
    std::rotate(results->Report.FilesList.begin(), results->Report.FilesList.begin() + 1,
                results->Report.FilesList.end());
    PdmSiteResultRows = 2;
    RowFile({"10.000000 12 44 250 1.500000 90.000000", "30.000000 4 9 250 1.500000 90.000000"},
            kSiteNoResult);
    ASSERT_TRUE(WordWriters().WritePdmPageDoc(*results, ReportPart::PdmSite));
    EXPECT_EQ(ResultsParts(),
              (std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.psw",
                                        "c:\\Users\\Public\\Ombrix2014\\P-01-01232.erw"}));
    EXPECT_EQ(TableRows(SitePart()), 2);
    ExpectBookmarks(SitePart(), {{"COC2", "30.00"}});
}

TEST_F(DilutionPageSaveTest, SavingFinishesTheFirstPartAndNamesTheReport) {
    RowFile({"10.000000 12 44 250 1.500000 90.000000 High ---"}, kSicNoResult);
    ASSERT_TRUE(WordWriters().WritePdmPageDoc(*results, ReportPart::PdmSic));
    EXPECT_EQ(WordWriters().SavePdmDocument(*results), DataFolder + "P-01-0123.doc");
    // "x_xyz" took the bookmarks out and left their texts.
    const wordproc::Document finished = Reread(SicPart());
    EXPECT_TRUE(finished.Bookmarks().empty());
    EXPECT_NE(finished.PlainText().find("10.00"), std::string::npos);
    EXPECT_NE(finished.PlainText().find("High"), std::string::npos);
    EXPECT_EQ(MkPdmDoc->OpenFileName, "c:\\Users\\Public\\Ombrix2014\\P-01-01232.piw");
    EXPECT_EQ(wordproc::Processor::Shared().OpenCount(), 0u);
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(DilutionPageSaveTest, AChemicalIdWithAPathInItNamesAReportInTheDataFolder) {
    CurrentPmn.CaseNum = "../x";
    EXPECT_EQ(WordWriters().SavePdmDocument(*results), DataFolder + ".._x.doc");
}

TEST_F(DilutionPageSaveTest, SavingWithNoPartOrAnUnreadablePartStillNamesTheReport) {
    EXPECT_EQ(WordWriters().SavePdmDocument(*results), DataFolder + "P-01-0123.doc");
    EXPECT_TRUE(ui.Boxes().empty());
    results->Report.Record({"c:\\Users\\Public\\Ombrix2014\\gone.psw", -1, -1});
    EXPECT_EQ(WordWriters().SavePdmDocument(*results), DataFolder + "P-01-0123.doc");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Unable to access Word file.");
}

// The results run in Word format writes the dilution parts through the installed writers.
TEST_F(DilutionPageSaveTest, TheResultsRunWritesBothDilutionParts) {
    PdmPagesActive = 0;
    RowFile({"10.000000 12 44 250 1.500000 90.000000"}, kSiteNoResult);
    EXPECT_TRUE(WriteReportPart(*results, ReportPart::PdmSite));
    RowFile({"10.000000 12 44 250 1.500000 90.000000 High ---"}, kSicNoResult);
    EXPECT_TRUE(WriteReportPart(*results, ReportPart::PdmSic));
    EXPECT_EQ(ResultsParts(),
              (std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.psw",
                                        "c:\\Users\\Public\\Ombrix2014\\P-01-01232.piw"}));
    // COC0 and COC1 of the case are above 0: two rows each.
    EXPECT_EQ(TableRows(SitePart()), 2);
    EXPECT_EQ(TableRows(SicPart()), 2);
    ExpectBookmarks(SicPart(), {{"SicDesc", IndustryCategoryDescription(5)}, {"Anal1", "High"}});
}

}  // namespace
