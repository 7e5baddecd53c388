// The Word report assembly of a run: the parts joined in the order listed with the closing
// document, the final report finished, and the failures that stop it.
#include <gtest/gtest.h>

#include <filesystem>

#include "documents/word_assembly.h"
#include "documents/word_release_parts.h"
#include "platform/sys/paths.h"
#include "tests/documents/word/word_writer_fixture.h"

namespace {

class WordReportAssemblyTest : public WordWriterTest {
  protected:
    // Environmental releases, landfill and inhalation parts of the case, in that order.
    void WriteThreeParts() {
        WriteEnvReleaseDoc(form, false);
        WriteLandfillDoc(form);
        WriteInhalationDoc(form);
        ASSERT_EQ(report.FileCount(), 3);
    }
    // The closing copy and the finishing macro, as the results run does them.
    std::string Finish(const std::string& name) {
        EXPECT_TRUE(sys::CopyBytes(report.FilesList.front().path, name));
        WordFileCarrier carrier;
        carrier.in_file_name = name;
        EXPECT_TRUE(FinishWordReport(carrier));
        return sys::NativePath(name);
    }
    static size_t Find(const std::string& text, const std::string& what) {
        size_t at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what << " in\n" << text;
        return at;
    }
};

TEST_F(WordReportAssemblyTest, ThreePartsAreJoinedInOrderWithTheClosingDocument) {
    WriteThreeParts();
    const std::string finalReport = scratch.Path("P-01-0123.doc");
    ScratchFolder::Write(finalReport, "an older report of the same name");

    std::optional<std::string> name = AssembleWordReport(form);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, DataFolder + "P-01-0123.doc");
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(ui.Boxes().empty());
    // The assembly document holds what was appended last: the closing document.
    EXPECT_EQ(ScratchFolder::Read(scratch.WorkFolder("zodirezoz.doc")),
              ScratchFolder::Read(std::string(OMBRIX_PROGRAM_DIR) + "/blank.doc"));

    const std::string path = Finish(*name);
    wordproc::Document joined = Reread(path);
    EXPECT_TRUE(joined.Bookmarks().empty());
    const std::string text = joined.PlainText();
    size_t releases = Find(text, "Environmental releases\nCase P-01-0123, release 2:");
    size_t landfill = Find(text, "Landfill release and groundwater");
    size_t air = Find(text, "Air releases: fugitive and stack inhalation");
    EXPECT_LT(releases, landfill);
    EXPECT_LT(landfill, air);
    EXPECT_NE(text.find("Lined landfill."), std::string::npos);
    EXPECT_NE(text.find("Enclosed process."), std::string::npos);

    const std::string independent = IndependentText(path);
    size_t a = Find(independent, "Environmental releases");
    size_t b = Find(independent, "Landfill release and groundwater");
    size_t c = Find(independent, "Air releases: fugitive and stack inhalation");
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST_F(WordReportAssemblyTest, OnePartIsClosedWithTheClosingDocumentOnly) {
    WriteLandfillDoc(form);
    std::optional<std::string> name = AssembleWordReport(form);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(steps, 1);
    const std::string text = Reread(Finish(*name)).PlainText();
    Find(text, "Landfill release and groundwater");
    EXPECT_EQ(text.find("Environmental releases"), std::string::npos);
}

TEST_F(WordReportAssemblyTest, NoPartGivesNoReportAndNoMessage) {
    EXPECT_FALSE(AssembleWordReport(form).has_value());
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(steps, 0);
}

TEST_F(WordReportAssemblyTest, AFirstPartThatCannotBeOpenedIsToldOnceAndStopsTheAssembly) {
    WriteThreeParts();
    ScratchFolder::Write(PartOf(EnvironmentalReleasesPart), "not a document");
    EXPECT_FALSE(AssembleWordReport(form).has_value());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Unable to access Word file.");
    EXPECT_EQ(ui.Boxes()[0].caption, "Error");
    EXPECT_EQ(steps, 0);
}

TEST_F(WordReportAssemblyTest, AMissingPartStopsTheAssemblyWithoutAppendingAnOlderDocument) {
    WriteThreeParts();
    const std::string first = ScratchFolder::Read(PartOf(EnvironmentalReleasesPart));
    // An assembly document of an earlier run must not be appended in the missing part's place.
    ScratchFolder::Write(scratch.WorkFolder("zodirezoz.doc"),
                         ScratchFolder::Read(PartOf(InhalationPart)));
    std::filesystem::remove(PartOf(LandfillPart));
    EXPECT_FALSE(AssembleWordReport(form).has_value());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].text.find(PartOf(LandfillPart)), std::string::npos)
        << ui.Boxes()[0].text;
    EXPECT_EQ(ScratchFolder::Read(PartOf(EnvironmentalReleasesPart)), first);
}

TEST_F(WordReportAssemblyTest, AFinalReportThatCannotBeOpenedIsLeftSilently) {
    WordFileCarrier carrier;
    carrier.in_file_name = DataFolder + "missing.doc";
    EXPECT_FALSE(FinishWordReport(carrier));
    EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
