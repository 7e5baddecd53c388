// Opening, editing, saving and closing documents in the word processor, and its bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/wordproc/errors.h"
#include "platform/wordproc/processor.h"
#include "tests/platform/wordproc/scratch_folder.h"

namespace {

using wordproc::Document;
using wordproc::Processor;
using wordproc::WordError;

const std::string kPage =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Case {\\*\\bkmkstart CaseNum}"
    "{\\*\\bkmkend CaseNum}\\par}";

class ProcessorTest : public ::testing::Test {
  protected:
    void SetUp() override { processor.Start(); }

    std::string Page(const std::string& name, const std::string& bytes = kPage) {
        std::string path = scratch.Path(name);
        ScratchFolder::Write(path, bytes);
        return path;
    }

    ScratchFolder scratch;
    Processor processor;
};

TEST_F(ProcessorTest, StartingMakesTheWorkFolder) {
    EXPECT_TRUE(std::filesystem::is_directory(scratch.WorkFolder()));
    std::filesystem::remove_all(scratch.WorkFolder());
    processor.Start();  // connecting again makes it anew
    EXPECT_TRUE(std::filesystem::is_directory(scratch.WorkFolder()));
}

TEST_F(ProcessorTest, StartingFailsWhenTheWorkFolderCannotBeMade) {
    Processor other;
    std::filesystem::remove_all(scratch.Path("drive_c"));
    ScratchFolder::Write(scratch.Path("drive_c/Users"), "a file where a folder should be");
    EXPECT_THROW(other.Start(), WordError);
    EXPECT_FALSE(other.Running());
    EXPECT_THROW(other.Open(Page("a.doc")), WordError);
}

TEST_F(ProcessorTest, OpensByContentWhateverTheName) {
    for (const char* name : {"P1.stw", "P1.en0", "report.doc", "NOEXT"}) {
        wordproc::DocumentId id = processor.Open(Page(name));
        EXPECT_EQ(processor.ActiveDocument(), id);
        EXPECT_TRUE(processor.BookmarkExists(id, "casenum")) << name;
        processor.Close(id, true);
    }
    EXPECT_EQ(processor.OpenCount(), 0u);
}

TEST_F(ProcessorTest, ASystemPathWithOtherLetterCaseFindsTheFile) {
    Page("drive_c/Users/Public/Ombrix2014/P1.STW");
    wordproc::DocumentId id = processor.Open("C:\\users\\public\\ombrix2014\\p1.stw");
    processor.GoToBookmark("CaseNum");
    processor.SetSelectionText("P-1");
    processor.Close(id, true);
    std::string saved = ScratchFolder::Read(scratch.WorkFolder("P1.STW"));
    EXPECT_EQ(*Document::Parse(saved).BookmarkText("CaseNum"), "P-1");
    EXPECT_FALSE(std::filesystem::exists(scratch.WorkFolder("p1.stw")));
}

TEST_F(ProcessorTest, BadFilesAreClearErrorsAndOpenNothing) {
    std::filesystem::create_directories(scratch.Path("folder.doc"));
    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {scratch.Path("missing.doc"), "does not exist"},
        {"", "does not exist"},
        {scratch.Path("folder.doc"), "cannot be read"},
        {Page("text.doc", "Just words."), "not an RTF document"},
        {Page("empty.doc", ""), "not an RTF document"},
        {Page("open.doc", "{\\rtf1 {\\b x\\par}"), "never closed"},
        {Page("closed.doc", "{\\rtf1 x}\\par}"), "more after the document's end"},
    };
    for (const auto& c : cases) {
        std::string before = ScratchFolder::Read(c.path);
        try {
            processor.Open(c.path);
            ADD_FAILURE() << "opened " << c.path;
        } catch (const WordError& error) {
            std::string message = error.what();
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
            if (!c.path.empty()) {
                EXPECT_NE(message.find(c.path), std::string::npos) << message;
            }
        }
        EXPECT_EQ(ScratchFolder::Read(c.path), before);
    }
    EXPECT_EQ(processor.OpenCount(), 0u);
    EXPECT_EQ(processor.ActiveDocument(), 0);
}

TEST_F(ProcessorTest, AFileWithoutReadPermissionIsAClearError) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::string path = Page("locked.doc");
    ::chmod(path.c_str(), 0);
    EXPECT_THROW(processor.Open(path), WordError);
    EXPECT_EQ(processor.OpenCount(), 0u);
}

TEST_F(ProcessorTest, ClosingSavesOnlyWhenAskedAndChanged) {
    std::string path = Page("part.doc");
    wordproc::DocumentId id = processor.Open(path);
    processor.GoToBookmark("CaseNum");
    processor.SetSelectionText("kept out");
    processor.Close(id, false);
    EXPECT_EQ(ScratchFolder::Read(path), kPage);

    id = processor.Open(path);
    EXPECT_EQ(processor.Open(path), id);  // a second open of the same file finds it open
    EXPECT_EQ(processor.OpenCount(), 1u);
    processor.GoToBookmark("CASENUM");
    processor.SetSelectionText("P-7");
    processor.Close(id, true);
    EXPECT_EQ(*Document::Parse(ScratchFolder::Read(path)).BookmarkText("CaseNum"), "P-7");
    EXPECT_FALSE(processor.IsOpen(id));
}

TEST_F(ProcessorTest, AFailedSaveLeavesNoHalfWrittenFile) {
    std::string path = Page("part.doc");
    wordproc::DocumentId id = processor.Open(path);
    processor.GoToBookmark("CaseNum");
    processor.SetSelectionText("P-7");
    // The name now belongs to a folder with content, which a file cannot replace.
    std::filesystem::remove(path);
    ScratchFolder::Write(path + "/inside", "x");
    EXPECT_THROW(processor.Close(id, true), WordError);
    EXPECT_FALSE(processor.IsOpen(id));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"drive_c", "part.doc"}));
}

TEST_F(ProcessorTest, TheSelectionNeedsABookmarkOfTheActiveDocument) {
    EXPECT_THROW(processor.SetSelectionText("x"), WordError);
    wordproc::DocumentId id = processor.Open(Page("part.doc"));
    EXPECT_THROW(processor.GoToBookmark("Missing"), WordError);
    EXPECT_THROW(processor.SetSelectionText("x"), WordError);
    processor.GoToBookmark("CaseNum");
    processor.Close(id, false);
    EXPECT_THROW(processor.SetSelectionText("x"), WordError);  // its document is gone
}

TEST_F(ProcessorTest, QuitClosesEverythingUnsaved) {
    std::string path = Page("part.doc");
    processor.Open(path);
    processor.GoToBookmark("CaseNum");
    processor.SetSelectionText("lost");
    processor.Quit();
    EXPECT_EQ(processor.OpenCount(), 0u);
    EXPECT_EQ(ScratchFolder::Read(path), kPage);
    EXPECT_THROW(processor.Open(path), WordError);
}

}  // namespace
