// The WordPerfect-format special-evaluation part: which parameters meet the exposure-based or
// persistence criteria, and by how much.
#pragma once

#include "documents/wpd_report_state.h"

// The labels of the grid's rows 1..7 (index 0 unused).
extern const char* const SpecialEvaluationLabels[8];

// Writes the part anew on every call; it is not listed, so it is not joined into the report.
// False when the template or part failed.
bool WriteSpecialEvaluationWpd(WpdReportState& form, const SpecialEvaluationGrid& specGrid);
