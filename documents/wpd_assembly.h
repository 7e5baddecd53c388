// Joining the WordPerfect-format parts of a run into one report per chemical case.
#pragma once

#include <optional>
#include <string>

#include "documents/wpd_report_state.h"

// The final report DataFolder + CaseNum + ".wpd": the first listed part, with the body of every
// further part, each after the body of blank.wpd, inserted at its end marker; the start and end
// markers are left out. Parts are cut at the marker places the merge recorded. The progress
// steps once per inserted part and once at the end. Unless the stand-alone dilution pages are in
// use, the joined parts are deleted once the report is stored. Returns the report's name, or
// nothing when no report could be stored (the user was told which file failed; the parts are
// kept). A further part that cannot be read is named to the user and left out.
std::optional<std::string> AssembleWpdReport(WpdReportState& form);
// The same joined into the report of the given name instead.
std::optional<std::string> AssembleWpdReport(WpdReportState& form, const std::string& finalName);

// The bytes strictly between a body's start and end markers at the given offsets; nothing when
// the offsets do not hold the markers.
std::optional<std::string> PartBody(const std::string& bytes, std::int64_t startMarkerOffset,
                                    std::int64_t endMarkerOffset);
