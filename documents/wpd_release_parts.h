// WordPerfect-format parts of a release: environmental releases, industry code, inhalation and
// landfill. Each writes its part unless it is listed already; false when a template or part
// failed (the user was told).
#pragma once

#include "documents/report_values.h"
#include "documents/wpd_report_state.h"

// specialEvaluationAsked: the release inputs' exposure-based or persistence check box is
// checked; the first release then takes envrelmn.wpd.
bool WriteEnvReleaseWpd(WpdReportState& form, bool specialEvaluationAsked);
bool WriteSicCodeWpd(WpdReportState& form);
bool WriteLandfillWpd(WpdReportState& form);
bool WriteInhalationWpd(WpdReportState& form);
