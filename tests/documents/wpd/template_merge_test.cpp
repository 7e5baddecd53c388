// The byte-wise merge against hand-worked byte sequences, and the merge of files.
#include "documents/merge/template_merge.h"

#include <map>

#include <gtest/gtest.h>

#include "documents/merge/wpd_text.h"
#include "platform/sys/files.h"
#include "wpd_read.h"

namespace {

// Values by placeholder number; a number not in the map is left as it stands.
PlaceholderValues ValuesOf(std::map<int, std::string> values) {
    return [values](int n) -> std::optional<std::string> {
        auto found = values.find(n);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    };
}

std::string Merged(const std::string& bytes, int maxCode, std::map<int, std::string> values) {
    return MergeTemplate(bytes, maxCode, ValuesOf(std::move(values))).bytes;
}

}  // namespace

TEST(TemplateMerge, HandWorkedSequences) {
    struct Case {
        const char* name;
        std::string templateBytes;
        int maxCode;
        std::map<int, std::string> values;
        std::string expected;
    };
    const Case cases[] = {
        {"two codes", "HOW AAA BBB", 2, {{1, "x"}, {2, "yz"}}, "HOW x yz"},
        {"code before the start marker untouched", "AAA HOW AAA", 1, {{1, "v"}}, "AAA HOW v"},
        {"code twice: only the last replaced", "HOW AAA AAA.", 1, {{1, "v"}}, "HOW AAA v."},
        {"AAAA holds code 1 twice", "HOWAAAA", 1, {{1, "v"}}, "HOWAv"},
        {"overlapping codes: the first replaced swallows the second",
         "HOW aAAA",
         183,
         {{1, "one"}, {183, "big"}},
         "HOW bigA"},
        {"code at the very end", "HOW xAAA", 1, {{1, "end"}}, "HOW xend"},
        {"empty value removes the code", "HOW [AAA]", 1, {{1, ""}}, "HOW []"},
        {"code above N copied", "HOW AAA BBB", 1, {{1, "a"}, {2, "b"}}, "HOW a BBB"},
        {"code the writer leaves stays", "HOW AAA BBB", 2, {{2, "b"}}, "HOW AAA b"},
        {"a later start marker moves it",
         "HOW AAA HOW BBB",
         2,
         {{1, "a"}, {2, "b"}},
         "HOW a HOW b"},
        {"no start marker: nothing replaced", "AAA BBB", 2, {{1, "a"}}, "AAA BBB"},
        {"the end marker is kept whole", "HOW XYZZZ", 26, {{26, "v"}}, "HOW XYZZZ"},
        {"a code over the end marker's first letter is not filled",
         "HOW XXXYZ",
         24,
         {{24, "v"}},
         "HOW XXXYZ"},
        {"a code over a later start marker is not filled",
         "HOW HHHOW AAA",
         8,
         {{1, "a"}, {8, "v"}},
         "HOW HHHOW a"},
        {"multi-byte value of many lines", "HOW AAA!", 1, {{1, "l1\nl2"}}, "HOW l1\nl2!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Merged(c.templateBytes, c.maxCode, c.values), c.expected) << c.name;
}

TEST(TemplateMerge, ScanRecordsLastPlacesAfterTheStartMarker) {
    TemplateScan scan = ScanTemplate("AAA HOW AAA BBB AAA XYZ CCC", 3);
    EXPECT_EQ(scan.startMarkerPos, 5);
    EXPECT_EQ(scan.endMarkerPos, 21);
    EXPECT_EQ(scan.markerPos[1], 17);
    EXPECT_EQ(scan.markerPos[2], 13);
    EXPECT_EQ(scan.markerPos[3], 25);
    EXPECT_EQ(scan.markerPos[0], 0);
}

TEST(TemplateMerge, MarkerOffsetsArePlacesInThePartNotInValues) {
    // A value holding both markers: the recorded offsets still name the template's markers.
    MergedPart part = MergeTemplate("pre HOW AAA XYZ post", 1, ValuesOf({{1, "a HOW b XYZ c"}}));
    EXPECT_EQ(part.bytes, "pre HOW a HOW b XYZ c XYZ post");
    EXPECT_EQ(part.startMarkerOffset, 4);
    EXPECT_EQ(part.endMarkerOffset, 22);
}

TEST(TemplateMerge, TheEndMarkerUnderACodeIsWhereTheAssemblyFindsIt) {
    MergedPart part = MergeTemplate("HOW AAA XXXYZ", 24, ValuesOf({{1, "a"}, {24, "v"}}));
    EXPECT_EQ(part.bytes, "HOW a XXXYZ");
    EXPECT_EQ(part.endMarkerOffset, 8);
}

TEST(TemplateMerge, ValuesAreWrittenAsBodyText) {
    std::string merged = Merged("HOW AAA", 1, {{1, "caf\xC3\xA9\r\nx"}});
    EXPECT_EQ(merged, std::string("HOW caf\xC0\x29\x01\xC0\nx"));
}

TEST(TemplateMerge, FileMergeWritesThePartAndReadsBack) {
    ScratchFolder folder("merge_file");
    std::string templatePath = folder.File("t.wpd");
    ASSERT_TRUE(
        sys::WriteWholeFile(templatePath, WpdFilePrefix() + "Title\nHOW\nName: AAA\nXYZ\nTail\n"));
    std::string partPath = folder.File("p.wpd");
    PartFileResult result =
        MergeTemplateFile(templatePath, partPath, 1, ValuesOf({{1, "R\xC3\xA9sum\xC3\xA9"}}));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.startMarkerOffset, 22);
    EXPECT_EQ(WpdToText(partPath), "Title\nHOW\nName: R\xC3\xA9sum\xC3\xA9\nXYZ\nTail\n");
}

TEST(TemplateMerge, FailuresNameTheFileAndWriteNoPart) {
    ScratchFolder folder("merge_fail");
    std::string partPath = folder.File("p.wpd");
    PartFileResult missing = MergeTemplateFile(folder.File("none.wpd"), partPath, 1, ValuesOf({}));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("none.wpd"), std::string::npos) << missing.error;
    EXPECT_FALSE(sys::FileExists(partPath));

    std::string noMarker = folder.File("nomarker.wpd");
    ASSERT_TRUE(sys::WriteWholeFile(noMarker, WpdFilePrefix() + "AAA\n"));
    PartFileResult unmarked = MergeTemplateFile(noMarker, partPath, 1, ValuesOf({{1, "x"}}));
    EXPECT_FALSE(unmarked.ok);
    EXPECT_NE(unmarked.error.find("start marker"), std::string::npos) << unmarked.error;
    EXPECT_FALSE(sys::FileExists(partPath));

    // A part without an end marker could not be joined into a report: refused when written.
    for (const char* body : {"HOW AAA\n", "XYZ HOW AAA\n"}) {
        std::string noEnd = folder.File("noend.wpd");
        ASSERT_TRUE(sys::WriteWholeFile(noEnd, WpdFilePrefix() + body));
        PartFileResult unended = MergeTemplateFile(noEnd, partPath, 1, ValuesOf({{1, "x"}}));
        EXPECT_FALSE(unended.ok) << body;
        EXPECT_NE(unended.error.find("The report template " + noEnd + " has no end marker"),
                  std::string::npos)
            << unended.error;
        EXPECT_FALSE(sys::FileExists(partPath));
    }

    std::string good = folder.File("good.wpd");
    ASSERT_TRUE(sys::WriteWholeFile(good, WpdFilePrefix() + "HOW AAA XYZ\n"));
    PartFileResult unwritable =
        MergeTemplateFile(good, folder.File("no/such/folder/p.wpd"), 1, ValuesOf({}));
    EXPECT_FALSE(unwritable.ok);
    EXPECT_NE(unwritable.error.find("could not be written"), std::string::npos);
}
