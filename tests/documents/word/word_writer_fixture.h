// A filled chemical case, the program's Word templates and a scratch work folder for the Word
// writer tests; message boxes are recorded, never shown.
#pragma once

#include <map>
#include <string>

#include "documents/merge/report_numbers.h"
#include "documents/word_report_state.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_table.h"
#include "tests/documents/filled_case.h"
#include "tests/documents/word/word_fixture.h"

class WordWriterTest : public WordFixture {
  protected:
    WordWriterTest() : case_(scratch.Path() + "/"), form(report) {
        report.StepProgress = [this] { ++steps; };
    }

    // The native path of the part of a kind in the work folder.
    std::string PartOf(int kind, const std::string& suffix = "") const {
        return scratch.WorkFolder(ReportFileName(CurrentPmn.CaseNum, CurrentPmn.ScenNum, kind) +
                                  suffix);
    }
    // Each bookmark's text in the part as our reader finds it; missing bookmarks read "<none>".
    static void ExpectBookmarks(const std::string& path,
                                const std::map<std::string, std::string>& expected) {
        wordproc::Document document = Reread(path);
        for (const auto& [name, text] : expected)
            EXPECT_EQ(document.BookmarkText(name).value_or("<none>"), text) << name;
    }
    std::vector<std::string> ListedParts() const {
        std::vector<std::string> paths;
        for (const WpdPart& part : report.FilesList)
            paths.push_back(part.path);
        return paths;
    }

  private:
    FilledCaseScope case_;

  protected:
    WpdReportState report;
    WordReportForm form;
    int steps = 0;
};
