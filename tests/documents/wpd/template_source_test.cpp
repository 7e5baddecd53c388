// The template tool's source language, and the templates it made for the program folder.
#include "tools/wpdtemplate/template_source.h"

#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "documents/merge/marker_codes.h"
#include "documents/merge/template_merge.h"
#include "documents/merge/wpd_text.h"
#include "platform/sys/files.h"
#include "wpd_read.h"

namespace {

void WriteSource(const ScratchFolder& folder, const std::string& name, const std::string& text) {
    std::ofstream(folder.File(name)) << text;
}

std::string ErrorOf(const std::string& path) {
    try {
        CompileTemplateBody(path);
    } catch (const TemplateSourceError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(TemplateSource, PlaceholdersIncludesAndRepeats) {
    ScratchFolder folder("template_source");
    WriteSource(folder, "piece.wpt", "# a piece\n{+0}|{+2}\n");
    WriteSource(
        folder, "main.wpt",
        "Head\nHOW <b>{1}</b>\n@include piece.wpt base=27\n"
        "@for base=53 step=26 count=2\n{+0}\n@include piece.wpt base=+1\n@end\n@page\nXYZ\n");
    std::string body = CompileTemplateBody(folder.File("main.wpt"));
    EXPECT_EQ(body, std::string("Head\nHOW \xC3\x0C\xC3"
                                "AAA\xC4\x0C\xC4\n"
                                "aaa|ccc\n"
                                "Aaa\nBbb|Ddd\n"
                                "AAa\nBBb|DDd\n"
                                "\x0CXYZ\n"));
    EXPECT_EQ(CompileTemplate(folder.File("main.wpt")), WpdFilePrefix() + body);
}

TEST(TemplateSource, MalformedSourcesNameFileAndLine) {
    ScratchFolder folder("template_errors");
    struct Case {
        const char* source;
        const char* message;
    };
    const Case cases[] = {
        {"ok\n{209}\n", "main.wpt:2: placeholder 209 is outside 1..208"},
        {"{1\n", "main.wpt:1: unclosed or empty placeholder"},
        {"{x}\n", "main.wpt:1: \"x\" is not a whole number"},
        {"@frobnicate\n", "main.wpt:1: unknown directive @frobnicate"},
        {"@for base=1 step=1 count=2\n{+0}\n", "@for without @end"},
        {"@end\n", "main.wpt:1: @end without @for"},
        {"@include missing.wpt base=1\n", "missing.wpt: cannot be read"},
        {"@include main.wpt base=1\n", "includes nested too deeply"},
        {"@for base=1 count=2\n@end\n", "main.wpt:1: missing step="},
    };
    for (const Case& c : cases) {
        WriteSource(folder, "main.wpt", c.source);
        EXPECT_NE(ErrorOf(folder.File("main.wpt")).find(c.message), std::string::npos)
            << c.source << " gave " << ErrorOf(folder.File("main.wpt"));
    }
}

// Every template of the program folder is a document the independent reader opens, with one
// start marker, an end marker after it, and each code after the start marker only once.
TEST(TemplateSource, ProgramTemplatesAreSoundDocuments) {
    const char* names[] = {"blank",    "endanger", "envrel",  "envrelmn", "fugitive", "lakes",
                           "lakesnoe", "landfill", "pdmsic1", "pdmsic2",  "pdmsic3",  "pdmsic4",
                           "pdmsic5",  "pdmsic6",  "pdmsic7", "pdmste1",  "pdmste2",  "pdmste3",
                           "pdmste4",  "pdmste5",  "pdmste6", "pdmste7",  "sic-code", "site",
                           "sitenoe",  "specev"};
    for (const char* name : names) {
        std::string path = std::string(OMBRIX_PROGRAM_DIR) + "/" + name + ".wpd";
        std::optional<std::string> bytes = sys::ReadWholeFile(path);
        ASSERT_TRUE(bytes) << path;
        EXPECT_EQ(bytes->substr(0, WpdPrefixLength), WpdFilePrefix()) << name;
        size_t start = bytes->find(StartMarker);
        ASSERT_NE(start, std::string::npos) << name;
        EXPECT_EQ(bytes->find(StartMarker, start + 1), std::string::npos) << name;
        EXPECT_NE(bytes->find(EndMarker, start), std::string::npos) << name;
        std::multiset<int> codes;
        for (size_t i = start + 3; i + 2 < bytes->size(); ++i) {
            int n = MarkerNumberOf((*bytes)[i], (*bytes)[i + 1], (*bytes)[i + 2]);
            if (n != 0)
                codes.insert(n);
        }
        for (int n : codes)
            EXPECT_EQ(codes.count(n), 1u) << name << " holds " << MarkerCode(n) << " twice";
        EXPECT_EQ(WpdToText(path).rfind("<error>", 0), std::string::npos) << name;
    }
}
