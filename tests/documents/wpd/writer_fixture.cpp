// The WordPerfect-format writer tests' fixture.
#include "writer_fixture.h"

void WpdWriterTest::SetUp() {
    case_.emplace(scratch_.Path() + "/");
    PdmPagesActive = 0;
    GageFlowsFound = 0;
    form_.StepProgress = [this] { ++steps_; };
}

void WpdWriterTest::TearDown() {
    case_.reset();
}

std::string WpdWriterTest::PartPathOf(int kind, const std::string& suffix) const {
    return DataFolder + ReportFileName(CurrentPmn.CaseNum, CurrentPmn.ScenNum, kind) + suffix;
}

std::string WpdWriterTest::PartText(int kind, const std::string& suffix) const {
    return WpdToText(PartPathOf(kind, suffix));
}

std::vector<std::string> WpdWriterTest::Errors() const {
    std::vector<std::string> texts;
    for (const forms::ShownItem& box : ui_.Boxes())
        texts.push_back(box.text);
    return texts;
}
