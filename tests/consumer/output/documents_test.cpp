// The result documents: merged from the shipped templates and read back with wpd2text.
#include <gtest/gtest.h>

#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/output/result_documents.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/wpd_text.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;
using consumer_test::TestFolder;
using consumer_test::Wpd2Text;

class ResultDocuments : public ::testing::Test {
  protected:
    void SetUp() override {
        WorkingFolder = std::string(OMBRIX_PROGRAM_DIR) + "/kiv/";
        ExposureInputs& in = *CaseInputs;
        ResetCaseIdentity(in);
        ResetExposureInputs(in, *CaseResults);
        in.IdNumber = "P-01-0001";
        in.ProductName = "Wall paint";
        in.ChemicalName = "Test solvent";
        in.ScenarioName = "Bar Soap";
        in.ScenarioKeyword = "contactskin";
        in.ScenarioClass = 0;
        in.AgeGroup = 1;
        in.MOLECWEIGHT = 100;
        in.Comments = "Washed twice a day.";
        for (int i = 0; i < kResultCount; ++i)
            (*CaseResults)[i] = 0.001 * (i + 1);
        (*CaseResults)[17] = 1.5e-3;
    }
    void TearDown() override {
        WorkingFolder.clear();
        *CaseInputs = ExposureInputs();
        *CaseResults = ExposureResults();
    }
    TestFolder folder_{"kivdocs"};
};

TEST_F(ResultDocuments, TheThreeDocumentsReadBack) {
    forms::ScriptedUi ui;
    std::string dermal = folder_.File("dermal.wpd");
    ASSERT_TRUE(WriteDermalDocument(dermal));
    std::string text = Wpd2Text(dermal);
    EXPECT_NE(text.find("KIV Dermal Exposure Estimates"), std::string::npos) << text;
    EXPECT_NE(text.find("ID Num: P-01-0001"), std::string::npos);
    EXPECT_NE(text.find("1.50e-03"), std::string::npos);
    EXPECT_NE(text.find("SA/BW Hands (cm2/kg): "), std::string::npos);
    EXPECT_NE(text.find("Washed twice a day."), std::string::npos);
    EXPECT_EQ(text.find("HOW"), std::string::npos);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, dermal + " has been saved");
    EXPECT_EQ(ui.Boxes()[0].caption, "Complete");

    CaseInputs->ScenarioName = "Fabric Protector";
    CaseInputs->ScenarioKeyword = "sprayedsurface";
    CaseInputs->ScenarioClass = 1;
    CaseInputs->FRACTAEROSOL = 0.01;
    std::string inhalation = folder_.File("inhalation.wpd");
    ASSERT_TRUE(WriteInhalationDocument(inhalation));
    text = Wpd2Text(inhalation);
    EXPECT_NE(text.find("KIV Inhalation Exposure Estimates"), std::string::npos) << text;
    EXPECT_NE(text.find("Portion of Aerosol in Air (unitless): 0.01"), std::string::npos);
    EXPECT_NE(text.find("Scenario: Fabric Protector"), std::string::npos);

    CaseInputs->ScenarioName = "Laundry Detergent";
    CaseInputs->ScenarioKeyword = "addedwater";
    CaseInputs->ScenarioClass = 2;
    CaseInputs->DoseType = "Potential";
    std::string all = folder_.File("all.doc");
    ASSERT_TRUE(WriteAllResultsDocument(all));
    text = Wpd2Text(all);
    EXPECT_NE(text.find("Laundry Detergent (Machine Washing)"), std::string::npos) << text;
    EXPECT_NE(text.find("Laundry Detergent (Hand Washing)"), std::string::npos);
    EXPECT_NE(text.find("KIV Inputs"), std::string::npos);
}

TEST_F(ResultDocuments, CodeValuesByScenarioAndDoseType) {
    DisplayTexts texts;
    CaseInputs->DoseType = "Absorbed";
    CaseInputs->KowValue = 0;
    RefreshDisplayTexts(*CaseInputs, *CaseResults, texts);
    DocumentValues all = AllResultsValues(*CaseInputs, texts);
    EXPECT_EQ(all[37], "NA");
    EXPECT_EQ(all[33], " ");
    EXPECT_EQ(all[29], "Frequency of Use - Hands (chronic) (events/yr):");
    EXPECT_EQ(all[77], "SA/BW Hands (cm2/kg): " + texts.SaBwHands);
    EXPECT_EQ(all.count(48), 0u);
    DocumentValues dermal = DermalValues(*CaseInputs, texts);
    EXPECT_EQ(dermal[17], "0");
    EXPECT_EQ(dermal[37], "abs");
    CaseInputs->ScenarioName = "Latex Paint";
    all = AllResultsValues(*CaseInputs, texts);
    EXPECT_EQ(all[29], " ");
    EXPECT_EQ(all[77], " ");
}

TEST_F(ResultDocuments, MergeLeavesTheMarkerOutAndAddsComments) {
    std::string body = "before @@A HOW AAA BBB ZZZ";
    std::string merged =
        MergeResultDocument(WpdFilePrefix() + body, 100, {{1, "ID"}, {2, "Product"}}, "");
    EXPECT_EQ(merged.substr(WpdPrefixLength), "before @@A  ID Product ZZZ");
    merged = MergeResultDocument(WpdFilePrefix() + body, 100, {}, "Note");
    EXPECT_EQ(merged.substr(merged.size() - 15), std::string("\x0C") + "Comments:\x0D" + "Note");
}

TEST_F(ResultDocuments, AMissingTemplateOrDocumentIsReportedAndNothingSaid) {
    forms::ScriptedUi ui;
    WorkingFolder = folder_.Folder();
    std::string path = folder_.File("out.wpd");
    EXPECT_FALSE(WriteAllResultsDocument(path));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find("could not be read"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    WorkingFolder = std::string(OMBRIX_PROGRAM_DIR) + "/kiv/";
    ui.ClearShown();
    EXPECT_FALSE(WriteDermalDocument(folder_.File("no/such/folder/out.wpd")));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Unable to create results document!\nThe document was possibly opened during the "
              "attempt to rewrite it.");
}

// A code that stands twice in a template is filled at its last place only, and the first
// shows its letters: each template holds each code it uses once, after its start marker.
TEST(ResultDocumentTemplates, HoldEachCodeOnceAfterTheStartMarker) {
    const std::pair<const char*, int> templates[] = {
        {"kiv.wpd", 105}, {"kiv_ino.wpd", 100}, {"kiv_dro.wpd", 100}};
    for (const auto& [name, maxCode] : templates) {
        std::optional<std::string> bytes =
            sys::ReadWholeFile(std::string(OMBRIX_PROGRAM_DIR) + "/kiv/" + name);
        ASSERT_TRUE(bytes) << name;
        size_t start = bytes->find(StartMarker);
        ASSERT_NE(start, std::string::npos) << name;
        std::map<int, int> uses;
        for (size_t i = start + 3; i + 2 < bytes->size(); ++i) {
            int n = MarkerNumberOf((*bytes)[i], (*bytes)[i + 1], (*bytes)[i + 2]);
            if (n != 0 && n <= maxCode)
                ++uses[n];
        }
        EXPECT_GT(uses.size(), 40u) << name;
        for (const auto& [n, count] : uses)
            EXPECT_EQ(count, 1) << name << " holds code " << n << " (" << MarkerCode(n) << ") "
                                << count << " times";
    }
}

}  // namespace
