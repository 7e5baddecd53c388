// The report parts of a results run in the chosen format: WordPerfect-format writers of the
// documents subsystem, or the Word-format writers once they are installed.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "scenario/case_choices.h"

class TScrResForm;

enum class ReportPart {
    EnvRelease,
    SicCode,
    PdmSic,
    Lake,
    RiverSite,
    PdmSite,
    Landfill,
    Inhalation
};

// The Word-format writers, the Word assembly and the finishing of the Word report (the macro
// "ridbar" run on it and the document saved). The Word subsystem installs them; while one is
// missing its step writes nothing and the run says so once.
struct WordReportWriters {
    std::function<void(TScrResForm&, ReportPart)> WritePart;
    std::function<std::optional<std::string>(TScrResForm&)> Assemble;
    std::function<bool(TScrResForm&)> FinishDocument;
    // The save commands of the stand-alone dilution pages: the page's part written by the
    // dilution document form (one instance for the program's life, PdmSite or PdmSic), and the
    // finishing of the saved document, which gives the path the finished report is stored under.
    std::function<bool(TScrResForm&, ReportPart)> WritePdmPageDoc;
    std::function<std::string(TScrResForm&)> SavePdmDocument;
};
WordReportWriters& WordWriters();

// Writes the part of the current release in the chosen format; false when it failed.
bool WriteReportPart(TScrResForm& form, ReportPart part);
// The special-evaluation part (WordPerfect format in both report formats).
bool WriteSpecialEvaluationPart(TScrResForm& form);
// Joins the parts into the final report; its name, or nothing when none was stored.
std::optional<std::string> AssembleReport(TScrResForm& form);
