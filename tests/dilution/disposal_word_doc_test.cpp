// The Word down-the-drain document: its template by the dilution-model choice and its bookmarks.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "dilution/disposal_report.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "tests/documents/word/word_fixture.h"

namespace {

class DisposalWordDocTest : public WordFixture {
  protected:
    void SetUp() override {
        saved_ = {ProgramFolder, DataFolder};
        ProgramFolder = OMBRIX_PROGRAM_DIR;
        DataFolder = scratch.Path() + "/";
        r_.CaseNum = "P-99-1";
        r_.ScenNum = "3";
        r_.PRODVOL = 1000000;
        r_.WWT_LOW = 90;
        r_.BW = 70;
        r_.POP_NUM = 2;
        r_.FISHCHRON = 6;
        r_.FISH = 30;
        r_.COC0 = 0.05;
        r_.DwLadd50Disp = NotApplicable;
        res_.PreTreatRelease = 9.4213e-3;
        res_.StreamConcentrations[ConcHm_50] = 0.018007;
        res_.DaysExceeded = {12.5, 0, 0};
    }
    void TearDown() override {
        ProgramFolder = saved_.first;
        DataFolder = saved_.second;
    }

    pmn_record r_;
    DisposalResults res_;
    std::pair<std::string, std::string> saved_;
};

TEST_F(DisposalWordDocTest, FilledCopyIsStoredInTheDataFolder) {
    DisposalReportOutcome outcome = WriteDisposalDoc({r_, res_, true, false});
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.path, scratch.Path() + "/P-99-13.dtd.doc");
    wordproc::Document doc = Reread(outcome.path);
    const std::map<std::string, std::string> expected = {
        {"CaseNum", "P-99-1"},     {"ScenNum", "3"},       {"ExpPop", "Child (age 6-10)"},
        {"ProdVol", "1.00E+06"},   {"RelDays", "365.00"},  {"PreTreatRel", "9.42E-03"},
        {"ConcHm_50", "1.80E-02"}, {"SdfMn_50", "134.85"}, {"Sdf30q5_10", "1.80"},
        {"DwLadd50", "N/A"},       {"FishLadd10", "NA"},   {"FishAdr10", "30.00"},
        {"Coc1", "5.00E-02"},      {"Days1", "12.50"},     {"HiLow", "Average case scenario"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(doc.BookmarkText(name).value_or("<none>"), text) << name;
    // Every value has its bookmark in the template.
    for (const auto& [name, text] : DisposalBookmarks({r_, res_, true, false}))
        EXPECT_TRUE(doc.HasBookmark(name)) << name;
    EXPECT_NE(IndependentText(outcome.path).find("Child (age 6-10)"), std::string::npos);
}

TEST_F(DisposalWordDocTest, WithoutTheDilutionModelTheShortTemplateIsUsed) {
    DisposalReportOutcome outcome = WriteDisposalDoc({r_, res_, false, true});
    ASSERT_TRUE(outcome.ok) << outcome.error;
    wordproc::Document doc = Reread(outcome.path);
    EXPECT_FALSE(doc.HasBookmark("HiLow"));
    EXPECT_FALSE(doc.HasBookmark("Days1"));
    EXPECT_EQ(doc.BookmarkText("PostTreatRel").value_or("<none>"), "0.00");
}

TEST_F(DisposalWordDocTest, MissingTemplateIsReportedAndNothingIsStored) {
    ProgramFolder = scratch.Path();
    DisposalReportOutcome outcome = WriteDisposalDoc({r_, res_, true, true});
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.find("flush.doc"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() + "/P-99-13.dtd.doc"));
}

}  // namespace
