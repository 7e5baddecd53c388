// The result documents: the case and its results merged into a WordPerfect-format template
// (kiv.wpd all results, kiv_ino.wpd inhalation, kiv_dro.wpd dermal) from the working folder.
#pragma once

#include <map>
#include <string>

#include "consumer/model/case_records.h"
#include "consumer/output/display_texts.h"

namespace consumer {

// The value of each placeholder code of a template; codes not listed keep their letters.
using DocumentValues = std::map<int, std::string>;
DocumentValues AllResultsValues(const ExposureInputs& inputs, const DisplayTexts& texts);
DocumentValues InhalationValues(const ExposureInputs& inputs, const DisplayTexts& texts);
DocumentValues DermalValues(const ExposureInputs& inputs, const DisplayTexts& texts);

// The document's bytes: the template merged (its start marker left out) and, when there are
// comments, a page break, "Comments:", a return and the comments at the end.
std::string MergeResultDocument(const std::string& templateBytes, int maxCode,
                                const DocumentValues& values, const std::string& comments);

// Each refreshes the display texts, writes the document to the path and reports to the user:
// "<path> has been saved", or why nothing was written (a template that cannot be read, a
// document that cannot be created). True when the document was written.
bool WriteAllResultsDocument(const std::string& fileName);
bool WriteInhalationDocument(const std::string& fileName);
bool WriteDermalDocument(const std::string& fileName);

}  // namespace consumer
