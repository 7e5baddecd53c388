// The Word-format part writers: each fills its template's bookmarks from the chemical case.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "dilution/industry_categories.h"
#include "documents/word_assembly.h"
#include "documents/word_release_parts.h"
#include "documents/word_surface_water.h"
#include "platform/sys/paths.h"
#include "tests/documents/word/word_writer_fixture.h"

namespace {

using Bookmarks = std::map<std::string, std::string>;

// Species rows: titles, then n species named "Species k" in column 0 and "k/c" elsewhere.
SpeciesRows Species(int n) {
    SpeciesRows rows(1);
    rows[0] = {"Common Name", "County", "State", "Taxonomic Group", "Action", "Known Occurrence?"};
    for (int k = 1; k <= n; ++k) {
        std::array<std::string, 6> row;
        row[0] = "Species " + std::to_string(k);
        for (int c = 1; c < 6; ++c)
            row[static_cast<size_t>(c)] = std::to_string(k) + "/" + std::to_string(c);
        rows.push_back(row);
    }
    return rows;
}

TEST_F(WordWriterTest, RiverSiteFillsEveryBookmarkFromTheCase) {
    WriteRiverSiteDoc(form, Species(0));
    const std::string part = PartOf(RiverSitePart);
    // Values worked by hand from the case: PostTreat 0.15 kg/site/day, so the stream
    // concentration is 150 / flow ug/L; a flow of 0 has none.
    ExpectBookmarks(part, {{"CaseNum", "P-01-0123"},
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
                           {"Population", "Adult"},
                           // The removal, days and release the calculation uses.
                           {"WWT", "90.00"},
                           {"RelDays", "250.00"},
                           {"PreTreatRel", "1.50"},
                           {"PostTreatRel", "0.15"},
                           {"Dwt", "12.00"},
                           {"BCF", "35.50"},
                           {"HarMeanFlow", "12.30*"},
                           {"Flow30q5", "0.00"},
                           {"Flow7q10", "4.50"},
                           {"Flow1Q10", "3.75"},
                           {"HarMeanConc", "12.20"},
                           {"Conc30q5", "N/A"},
                           {"Conc7q10", "33.33"},
                           {"Conc1q10", "40.00"},
                           {"DwLadd", "1.11E-03"},
                           {"DwAdr", "5.55E-03"},
                           {"FishAdc", "9.99E-03"},
                           {"FishAdr", "0.25"},
                           {"Comments", "Discharge to a small stream."}});
    EXPECT_EQ(CurrentPmn.ScenarioTypeText, "Hi-End/Bound");
    EXPECT_EQ(ListedParts(),
              std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.stw"});
    EXPECT_TRUE(ui.Boxes().empty());

    // An independent reader sees the same values in the document's text.
    const std::string text = IndependentText(part);
    for (const char* shown : {"Receiving stream: Clear Creek (reach 01020304005)", "Harmonic mean",
                              "12.30*", "12.20", "Discharge to a small stream."})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
}

TEST_F(WordWriterTest, FacilityNotMatchedToTheReachShowsUnknown) {
    CurrentPmn.HIT = '?';
    CurrentPmn.DTYPE = 'I';
    WriteRiverSiteDoc(form, Species(0));
    ExpectBookmarks(PartOf(RiverSitePart), {{"FacOnReach", "Unk"}, {"DischargeType", "Indirect"}});
}

TEST_F(WordWriterTest, SpeciesAssessedWithNoneListedAddsTheSentenceAndNoPage) {
    CurrentPmn.CRITTERS = true;
    WriteRiverSiteDoc(form, Species(0));
    ExpectBookmarks(PartOf(RiverSitePart),
                    {{"Comments",
                      "Discharge to a small stream.  There are no endangered species "
                      "associated with this site."}});
    EXPECT_EQ(report.FileCount(), 1);
    EXPECT_FALSE(sys::FileExists(PartOf(EndangeredSpeciesPart, "0")));
}

TEST_F(WordWriterTest, TwentyFourSpeciesMakeTwoPagesTheSecondWithOneRow) {
    CurrentPmn.CRITTERS = true;
    WriteLakeDoc(form, Species(24));
    EXPECT_EQ(ListedParts(),
              (std::vector<std::string>{"c:\\Users\\Public\\Ombrix2014\\P-01-01232.lkw",
                                        "c:\\Users\\Public\\Ombrix2014\\P-01-01232.en0",
                                        "c:\\Users\\Public\\Ombrix2014\\P-01-01232.en1"}));
    ExpectBookmarks(PartOf(EndangeredSpeciesPart, "0"), {{"CaseNum", "P-01-0123"},
                                                         {"End04", "Species 1"},
                                                         {"End54", "1/5"},
                                                         {"End026", "Species 23"},
                                                         {"End326", "23/3"}});
    ExpectBookmarks(PartOf(EndangeredSpeciesPart, "1"),
                    {{"End04", "Species 24"}, {"End14", "24/1"}, {"End05", ""}, {"End526", ""}});
    // The lake keeps its comments when species are listed.
    ExpectBookmarks(PartOf(LakePart), {{"Comments", "Discharge to a small stream."}});
}

TEST_F(WordWriterTest, LakeFillsItsBookmarks) {
    WriteLakeDoc(form, Species(0));
    ExpectBookmarks(PartOf(LakePart), {{"RelDesc", "Manufacture of resin"},
                                       {"Population", "Adult"},
                                       {"WWT", "90.00"},
                                       {"RelDays", "250.00"},
                                       {"PreTreatRel", "1.50"},
                                       {"EffFlow", "3.20"},
                                       {"AcuteDil", "5.00"},
                                       {"AcuteConc", "30.00"},
                                       {"ChronicDilution", "20.00"},
                                       {"ChronicConc", "7.50"},
                                       {"Ladd", "1.20E-05"},
                                       {"Adr", "5.60E-05"},
                                       {"EdLadd", "33.00"},
                                       {"AtLadd", "78.00"},
                                       {"BwLadd", "80.00"},
                                       {"IrLadd", "22.00"},
                                       {"IrAdr", "142.40"}});
    // The lake leaves the scenario type as it is.
    EXPECT_EQ(CurrentPmn.ScenarioTypeText, "High end/bounding");
}

TEST_F(WordWriterTest, IndustryCodeFillsFlowsConcentrationsAndDoses) {
    WriteSicCodeDoc(form);
    ExpectBookmarks(PartOf(IndustryCodePart), {{"SicDesc", IndustryCategoryDescription(5)},
                                               {"SicCodes", IndustryCategoryCodes(5)},
                                               {"ExpPop", "Adult"},
                                               {"WWT", "90.00"},
                                               {"NumSites", "4"},
                                               {"RelDays", "250"},
                                               {"PreTreatRel", "1.50"},
                                               {"HarMnFl50", "100.00"},
                                               {"HarConc50", "1.50"},
                                               {"Cnc7q10_50", "6.00"},
                                               {"Fl1q10_10", "2.00"},
                                               {"Cnc1q10_10", "75.00"},
                                               {"DwLADD50", "1.50E-04"},
                                               {"DwADR10", "5.50E-04"},
                                               {"FiADR10", "6.50E-04"},
                                               {"FiLADC50", "0.00"},
                                               {"Comments", "Discharge to a small stream."}});
}

TEST_F(WordWriterTest, EnvironmentalReleasesMarkMediaNotAssessed) {
    AmbientAirSelected = 0;
    WriteEnvReleaseDoc(form, false);
    ExpectBookmarks(PartOf(EnvironmentalReleasesPart),
                    {{"AssessFlg", ""},
                     {"NumSites", "3"},
                     {"TotRelWater", "1500.00"},
                     {"TotRelLandfill", "120.00"},
                     {"RelDaysWater", "250.00"},
                     {"PerSiteWater", "1.50"},
                     {"TotRelStack", "N/A"},
                     {"RelDaysStack", "N/A"},
                     {"PerSiteStack", "N/A"},
                     {"TotRelFug", "N/A"},
                     {"RelDaysFugitive", "N/A"},
                     {"PerSiteFugitive", "N/A"},
                     {"Sludge", "0.20"},
                     {"EnvRemark", "Batch process, two shifts."}});
}

TEST_F(WordWriterTest, NoStackReleaseGivesNoStackDaysAndNaInTheInhalationPart) {
    CurrentPmn.INCINREL = 0;
    WriteEnvReleaseDoc(form, false);
    WriteInhalationDoc(form);
    ExpectBookmarks(PartOf(EnvironmentalReleasesPart), {{"RelDaysStack", "0.00"}});
    ExpectBookmarks(PartOf(InhalationPart), {{"PerSiteStack", "NA"}});
}

TEST_F(WordWriterTest, SpecialEvaluationTemplateOnlyForTheFirstRelease) {
    struct Case {
        const char* scenNum;
        bool asked;
        bool special;
    };
    for (const Case& c : {Case{"1", true, true}, Case{"1", false, false}, Case{"2", true, false},
                          Case{"2", false, false}}) {
        FillCase(CurrentPmn);
        report.FilesList.clear();
        CurrentPmn.ScenNum = c.scenNum;
        WriteEnvReleaseDoc(form, c.asked);
        const std::string text = Reread(PartOf(EnvironmentalReleasesPart)).PlainText();
        EXPECT_EQ(text.find("A special evaluation") != std::string::npos, c.special)
            << c.scenNum << " " << c.asked;
    }
}

TEST_F(WordWriterTest, LongRemarksAreCutInTheRecord) {
    CurrentPmn.REMARKS = std::string(1996, 'r');
    WriteEnvReleaseDoc(form, false);
    EXPECT_EQ(CurrentPmn.REMARKS.size(), 1994u);
    ExpectBookmarks(PartOf(EnvironmentalReleasesPart), {{"EnvRemark", std::string(1994, 'r')}});
}

TEST_F(WordWriterTest, LandfillFillsItsBookmarks) {
    WriteLandfillDoc(form);
    ExpectBookmarks(PartOf(LandfillPart), {{"RelDesc", ""},
                                           {"NumSites", "3"},
                                           {"LandfillRel", "0.40"},
                                           {"SlDays", "12.00"},
                                           {"LfRelDays", "88.00"},
                                           {"Migration", "Moderate"},
                                           {"Ladd", "1.25E-06"},
                                           {"Ladc", "2.50E-06"},
                                           {"BwLadd", "80.00"},
                                           {"IrLadd", "2.10"},
                                           {"DWT", "12.00"},
                                           {"Adsorption", "25.00"},
                                           {"Comments", "Lined landfill."}});
}

TEST_F(WordWriterTest, InhalationFillsDispersionInputsAndConcentrations) {
    WriteInhalationDoc(form);
    ExpectBookmarks(PartOf(InhalationPart),
                    {{"PerSiteFug", "0.75"},     {"DaysFugRel", "180.00"},
                     {"TotFugRel", "280.00"},    {"PerSiteStack", "2.00"},
                     {"DaysStackRel", "100.00"}, {"TotStackRel", "600.00"},
                     {"RemoveFug", "50.00"},     {"RemoveStack", "99.00"},
                     {"InhLadd", "0.83"},        {"StackHt", "12.00"},
                     {"ReleaseHtUnits", "ft"},   {"RelWidthUnits", "yds"},
                     {"StabClass", "D"},         {"WindSpeed", "4.50"},
                     {"FacHeight", "15.00"},     {"MaxAnn", "2.00"},
                     {"Max24", "20.00"},         {"MaxAnnFug", "4.00"},
                     {"Max24Fug", "40.00"},      {"Comments", "Enclosed process."}});
}

TEST_F(WordWriterTest, FullMeteorologyAndNoDownwashShowNa) {
    CurrentPmn.METCLASS = "Full";
    CurrentPmn.DOWNWASH = 0;
    CurrentPmn.FUGREL = 0;
    WriteInhalationDoc(form);
    ExpectBookmarks(PartOf(InhalationPart), {{"StabClass", "NA"},
                                             {"WindSpeed", "NA"},
                                             {"FacLen", "NA"},
                                             {"FacLenUnits", "m"},
                                             {"PerSiteFug", "NA"},
                                             {"DaysFugRel", "NA"}});
}

TEST_F(WordWriterTest, ABookmarkSetTwiceHoldsTheLastTextAndAnUnknownOneIsSkipped) {
    const std::string part = WordPartPath("twice.lnw");
    EXPECT_TRUE(WriteWordPart(form, {"landfill.doc", part}, [] {
        return BookmarkValues{{"Migration", "a much longer first text"},
                              {"NoSuchBookmark", "lost"},
                              {"Migration", "Low"},
                              {"CaseNum", "P-01-0123"}};
    }));
    ExpectBookmarks(scratch.WorkFolder("twice.lnw"),
                    {{"Migration", "Low"}, {"CaseNum", "P-01-0123"}});
    EXPECT_EQ(IndependentText(scratch.WorkFolder("twice.lnw")).find("first text"),
              std::string::npos);
}

TEST_F(WordWriterTest, AListedPartIsNotWrittenAgain) {
    WriteLandfillDoc(form);
    CurrentPmn.LANDREL = 7;
    CurrentPmn.ScenarioTypeText = "High end/bounding";
    WriteLandfillDoc(form);
    EXPECT_EQ(report.FileCount(), 1);
    ExpectBookmarks(PartOf(LandfillPart), {{"LandfillRel", "0.40"}});
    EXPECT_EQ(CurrentPmn.ScenarioTypeText, "High end/bounding");
}

TEST_F(WordWriterTest, AMissingTemplateIsToldOnceARunAndTheOtherPartsAreStillWritten) {
    ProgramFolder = scratch.Path("empty");
    const std::string missing = "The report template " +
                                sys::NativePath(scratch.Path("empty") + "/landfill.doc") +
                                " could not be read, so no report part is made from it.";
    WriteLandfillDoc(form);
    CurrentPmn.ScenNum = "3";  // the next release meets the same template
    WriteLandfillDoc(form);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, missing);
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    // Nothing is listed that the assembly would meet as an empty part.
    EXPECT_EQ(report.FileCount(), 0);
    EXPECT_FALSE(sys::FileExists(PartOf(LandfillPart)));
    ProgramFolder = OMBRIX_PROGRAM_DIR;
    WriteInhalationDoc(form);
    ExpectBookmarks(PartOf(InhalationPart), {{"CaseNum", "P-01-0123"}});
    // The next run tells it again.
    report.NewRun();
    ProgramFolder = scratch.Path("empty");
    WriteLandfillDoc(form);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[1].text, missing);
}

TEST_F(WordWriterTest, AWordProcessorErrorNamesThePartAndGivesUpTheReport) {
    WriteEnvReleaseDoc(form, false);
    const std::string part = WordPartPath("blocked.lnw");
    // The save goes through a file beside the part; a folder of that name makes it fail.
    const std::string blocker = sys::NativePath(part) + ".part" + std::to_string(::getpid());
    EXPECT_FALSE(WriteWordPart(form, {"landfill.doc", part}, [&] {
        std::filesystem::create_directory(blocker);
        return BookmarkValues{{"CaseNum", "P-01-0123"}};
    }));
    std::filesystem::remove(blocker);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The report part " + sys::NativePath(part) +
                                      " could not be written (The document " +
                                      sys::NativePath(part) +
                                      " cannot be saved.), so no final report is stored for "
                                      "this run.");
    // The failed part is neither listed nor left in the work folder; the parts written before
    // it stay for the run to deal with as with any report that was not stored.
    EXPECT_EQ(ListedParts(),
              std::vector<std::string>{WordPartPath(ReportFileName(EnvironmentalReleasesPart))});
    EXPECT_FALSE(sys::FileExists(sys::NativePath(part)));
    EXPECT_TRUE(sys::FileExists(PartOf(EnvironmentalReleasesPart)));
    // No later part is written, and no report is assembled without the failed one.
    WriteInhalationDoc(form);
    EXPECT_FALSE(sys::FileExists(PartOf(InhalationPart)));
    EXPECT_EQ(AssembleWordReport(form), std::nullopt);
    EXPECT_EQ(ui.Boxes().size(), 1u);
}

TEST_F(WordWriterTest, AnEarlierFileOfThePartsNameIsNotFilledWhenTheTemplateIsMissing) {
    ScratchFolder::Write(PartOf(LandfillPart),
                         ScratchFolder::Read(std::string(OMBRIX_PROGRAM_DIR) + "/landfill.doc"));
    ProgramFolder = scratch.Path("empty");
    WriteLandfillDoc(form);
    EXPECT_FALSE(sys::FileExists(PartOf(LandfillPart)));
}

TEST_F(WordWriterTest, EveryTemplateHoldsTheBookmarksItsWriterSets) {
    CurrentPmn.CRITTERS = true;
    WriteEnvReleaseDoc(form, false);
    WriteRiverSiteDoc(form, Species(1));
    WriteLakeDoc(form, Species(0));
    WriteSicCodeDoc(form);
    WriteLandfillDoc(form);
    WriteInhalationDoc(form);
    CurrentPmn.ScenNum = "1";
    WriteEnvReleaseDoc(form, true);
    // A bookmark left empty in a filled part would show a value that was never set.
    for (const WpdPart& part : report.FilesList) {
        wordproc::Document document = Reread(sys::NativePath(part.path));
        EXPECT_FALSE(document.Bookmarks().empty()) << part.path;
        for (const wordproc::Bookmark& bookmark : document.Bookmarks()) {
            const bool mayBeEmpty = bookmark.name == "AssessFlg" || bookmark.name == "RelDesc" ||
                                    bookmark.name.rfind("End", 0) == 0;
            if (!mayBeEmpty) {
                EXPECT_NE(document.BookmarkText(bookmark.name), "")
                    << part.path << " " << bookmark.name;
            }
        }
    }
}

}  // namespace

namespace {

// Every bookmark a writer sets, by template: a name the template lacks would leave its value out
// of the report without a word. The exposure factors a writer sets twice under two names (for
// LADD and LADC, or LADD and ADR) are shown once, under the first name.
TEST(WordTemplateTest, EveryTemplateHasEveryBookmarkItsWriterSets) {
    const std::string head = "CaseNum ScenNum ";
    const std::string facility =
        "FacilityName FacilityLocation RecWater Reach FacOnReach DischargeType NPDES ";
    const std::string envrel =
        head +
        "AssessFlg NumSites RelActivity TotRelWater TotRelLandfill TotRelStack RelDaysStack "
        "TotRelFug RelDaysWater NonSludge SludgeDay RelDaysFugitive PerSiteWater "
        "PerSiteLandfill Sludge PerSiteStack PerSiteFugitive EnvRemark";
    std::string species = "CaseNum";
    for (int r = 4; r <= 26; ++r) {
        for (int c = 0; c <= 5; ++c)
            species += " End" + std::to_string(c) + std::to_string(r);
    }
    const std::map<std::string, std::string> templates = {
        {"envrel.doc", envrel},
        {"envrelmn.doc", envrel},
        {"site.doc",
         head + "RelActivity " + facility +
             "DataSource Population WWT RelDays PreTreatRel PostTreatRel Dwt BCF HarMeanFlow "
             "Flow30q5 Flow7q10 Flow1Q10 HarMeanConc Conc30q5 Conc7q10 Conc1q10 DwLadd DwLadc "
             "DwAdd DwAdc DwAdr FishLadd FishLadc FishAdd FishAdc FishAdr Comments"},
        {"lakes.doc", head + "RelDesc " + facility +
                          "Population WWT RelDays EffFlow PreTreatRel PostTreatRel BCF AcuteDil "
                          "AcuteConc ChronicDilution ChronicConc Ladd Ladc Adr EdLadd AtLadd "
                          "BwLadd IrLadd IrAdr Comments"},
        {"sic-code.doc",
         head + "RelActivity SicDesc SicCodes ExpPop WWT Dwt NumSites RelDays PreTreatRel "
                "PostTreatRel BCF HarMnFl50 Fl30q5_50 Fl7q10_50 Fl1q10_50 HarConc50 Cnc30q5_50 "
                "Cnc7q10_50 Cnc1q10_50 HarMnFl10 Fl30q5_10 Fl7q10_10 Fl1q10_10 HarConc10 "
                "Cnc30q5_10 Cnc7q10_10 Cnc1q10_10 DwLADD50 DwLADC50 DwADR50 FiLADD50 FiLADC50 "
                "FiADR50 DwLADD10 DwLADC10 DwADR10 FiLADD10 FiLADC10 FiADR10 Comments"},
        {"landfill.doc", head + "RelActivity RelDesc ExpPop NumSites LandfillRel SlDays "
                                "SludgeRel LfRelDays Migration Ladd Ladc EdLadd AtLadd BwLadd "
                                "IrLadd DWT Comments Adsorption"},
        {"fugitive.doc",
         head + "RelActivity RelDesc ExpPop NumSites PerSiteFug DaysFugRel LADDStack LADCStack "
                "ADRStack ADRCStack TotFugRel LADDFug LADCFug ADRFug ADRCFug EdLadd AtLadd "
                "BwLadd InhLadd RemoveFug RemoveStack PerSiteStack "
                "DaysStackRel Comments TotStackRel StackHt StackHtUnits ReleaseHt ReleaseHtUnits "
                "InStkDia StkDiaUnits RelLength RelLengthUnits GasVelocity GasVelUnits RelWidth "
                "RelWidthUnits GasTemp GasTmpUnits LandUse TerrainHt TerrainHtUnits Distance "
                "DistanceUnits MetClass StabClass WindSpeed WindSpeedUnits FacLen FacWidth "
                "FacHeight FacLenUnits FacWidthUnits FacHeightUnits MaxAnn Max24 MaxAnnFug "
                "Max24Fug"},
        {"endanger.doc", species},
    };
    for (const auto& [name, bookmarks] : templates) {
        const wordproc::Document document = wordproc::Document::Parse(
            ScratchFolder::Read(std::string(OMBRIX_PROGRAM_DIR) + "/" + name));
        std::istringstream names(bookmarks);
        std::string bookmark;
        size_t count = 0;
        while (names >> bookmark) {
            ++count;
            EXPECT_TRUE(document.HasBookmark(bookmark)) << name << " lacks " << bookmark;
        }
        EXPECT_EQ(document.Bookmarks().size(), count) << name << " holds a bookmark no writer sets";
    }
}

}  // namespace
