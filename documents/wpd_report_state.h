// What the WordPerfect-format part writers share with the results run: the parts written so far
// with the places of their markers, the part being written, the progress step, and the grids
// they read, as plain values.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "documents/merge/report_numbers.h"
#include "documents/merge/template_merge.h"

namespace forms {
class TStringGrid;
}

// One part written in this run and where the merge put its start and end markers (byte offsets
// in the file; -1 when it has none). The assembly cuts the part at these places, never by
// searching text that holds the user's values.
struct WpdPart {
    std::string path;
    std::int64_t startMarkerOffset = -1;
    std::int64_t endMarkerOffset = -1;
};

// The results form's members the writers use, and what went wrong in the run so far.
struct WpdReportState {
    std::vector<WpdPart> FilesList;      // in the order written; no limit on their number
    std::string PartFileName;            // the part being written
    std::function<void()> StepProgress;  // the run's progress bar; may be empty
    // Templates whose fault the user was told of in this run: every release would meet it again.
    std::set<std::string> ToldTemplates;
    // A part could not be written and the user was told: the run's report would lack it, so no
    // further part is written and no report is assembled.
    bool ReportFailed = false;

    int FileCount() const { return static_cast<int>(FilesList.size()); }
    bool IsListed(const std::string& path) const;
    // Adds the part, or updates its markers when it is listed already.
    void Record(const WpdPart& part);
    // Takes a part out of the list.
    void Unlist(const std::string& path);
    void Step() const;
    // A new run: no part listed, no problem told.
    void NewRun();
    void ForgetProblems();
    // Shows the message of a template's fault, unless one was shown for it in this run.
    void TellTemplateFault(const std::string& templatePath, const std::string& text);
};

// A species grid as rows of six cells; row 0 holds the titles, species follow from row 1.
using SpeciesRows = std::vector<std::array<std::string, 6>>;
// The cell of a row and column; empty beyond the grid.
std::string SpeciesCell(const SpeciesRows& rows, int row, int col);
// The cells of a six-column grid of the results form.
SpeciesRows SpeciesRowsOf(const forms::TStringGrid& grid);

// The special-evaluation grid: rows 1..7 (index 0 unused), column 1 "Exp Based" and column 2
// "Persistent" ("Yes" where the criterion is met), and each row's exceedance value.
struct SpecialEvaluationGrid {
    std::array<std::string, 8> expBased;
    std::array<std::string, 8> persistent;
    std::array<double, 8> exceedance{};
};

// The part file name of a kind for the current release (CurrentPmn's CaseNum and ScenNum).
std::string ReportFileName(int kind);

// ProgramFolder + "\" + the template's file name.
std::string TemplatePath(const std::string& templateName);
// DataFolder + the part's file name.
std::string PartPath(const std::string& fileName);

// Shows a failed template or part to the user in an error box.
void ShowReportError(const std::string& text);

// The frame every part writer runs: unless rewriting is asked, a part already listed is left as
// it is (true); otherwise the template is merged into the part, which is listed when listPart is
// set. A template or part that fails is named to the user, nothing is listed, and the result is
// false.
struct PartRequest {
    std::string templateName;
    int maxCode = 0;
    std::string partPath;
    bool listPart = true;
    bool rewriteListed = false;
};
bool WriteWpdPart(WpdReportState& form, const PartRequest& request,
                  const PlaceholderValues& values);
