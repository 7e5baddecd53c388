// The down-the-drain report document in both formats, and the printed results page.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dilution/disposal_calc.h"

class TDisposalForm;

// What the document shows: the record after the run, the run's results and the form's choices.
struct DisposalReport {
    const pmn_record& record;
    const DisposalResults& results;
    bool pdmRun;   // "Run PDM (SIC Code Analysis)" chosen
    bool highEnd;  // "High-end scenario" checked
};

struct DisposalReportOutcome {
    bool ok = false;
    std::string path;   // the document written (native path)
    std::string error;  // the message for the user when not ok
};

// The value of placeholder n (1..82) of the WordPerfect-format document; nothing for any other.
std::optional<std::string> DisposalPlaceholder(const DisposalReport& report, int n);

// Merges "flush.wpd" (dilution run chosen) or "flshnpdm.wpd" of the working folder into
// DataFolder + <id><release>.dtd.wpd. The document is written whole or not at all.
DisposalReportOutcome SaveDisposalReport(const DisposalReport& report);

// The Word twin from "flush.doc" or "flshnpdm.doc", filled through its bookmarks and stored as
// DataFolder + <id><release>.dtd.doc.
DisposalReportOutcome WriteDisposalDoc(const DisposalReport& report);

// The bookmark values of the Word document, by bookmark name.
std::vector<std::pair<std::string, std::string>> DisposalBookmarks(const DisposalReport& report);
