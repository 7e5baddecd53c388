// WordPerfect-format parts of the dilution model: days a concentration of concern is exceeded
// at a site and for an industry category, with one table row per row of the dilution row file.
#pragma once

#include <vector>

#include "documents/dilution_row_texts.h"
#include "documents/wpd_report_state.h"

// Each writes its part even when it is listed already (and lists it when not), from the rows
// of the dilution row file in the working folder. The template has as many table rows as the
// page's row count (pdmste1.wpd ... pdmste7.wpd, as many as a dilution page's result grid
// holds). False when a template or part failed.
bool WritePdmSiteWpd(WpdReportState& form);
// sicDescPdmSic: the category text of the dilution industry-code page, used when the record's
// category has no name.
bool WritePdmSicWpd(WpdReportState& form, const std::string& sicDescPdmSic);

// The same from rows already read.
bool WritePdmSiteWpd(WpdReportState& form, const std::vector<DilutionRow>& rows);
bool WritePdmSicWpd(WpdReportState& form, const std::string& sicDescPdmSic,
                    const std::vector<DilutionRow>& rows);
