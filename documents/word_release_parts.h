// Word-format parts of a release: environmental releases, industry code, landfill and
// inhalation. Each writes its part into the Word work folder unless it is listed already.
#pragma once

#include "documents/word_report_state.h"

// specialEvaluationAsked: the release inputs' exposure-based or persistence check box is
// checked; the first release then takes envrelmn.doc.
void WriteEnvReleaseDoc(WordReportForm& form, bool specialEvaluationAsked);
void WriteSicCodeDoc(WordReportForm& form);
void WriteLandfillDoc(WordReportForm& form);
void WriteInhalationDoc(WordReportForm& form);
