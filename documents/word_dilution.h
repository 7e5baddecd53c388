// Word-format parts of the dilution model: days a concentration of concern is exceeded at a
// facility site (pdmste<rows>.doc, part kind 8) and for an industry category (pdmsic<rows>.doc,
// kind 9), with one table row per row of the dilution row file.
#pragma once

#include <string>

#include "documents/dilution_rows.h"
#include "documents/word_report_state.h"

// The most result rows a dilution template's table holds (pdmste1.doc .. pdmste20.doc, the
// same for pdmsic). The site document never shows more than 20 rows, and a page's save hands at
// most 20 industry-category results to the row file while the page's grid has room for them.
inline constexpr int LargestDilutionTable = 20;

// The template's row count for a result row count: a count below 1 (a page saved before any
// result) takes the one-row table, which shows the row file's first, no-result row; a count
// above the largest table takes the largest, and the rows past it are left out.
int DilutionTableRows(int count);

// The bookmarks of table row n (from 1) for a row of the file: "COC"n, "Percent"n, "NumDays"n,
// "RelDays"n, "Load"n, "WWT"n, and for an industry-category row "Anal"n.
BookmarkValues FillPdmResultTableDoc(const DilutionRow& row, int n, DilutionRowKind kind);

// Each writes its part into the Word work folder unless it is listed already, from the rows of
// the dilution row file in the working folder. In a full run (PdmPagesActive clear) the row
// count is first set from the concentrations of concern. True when the part was written; a
// part that could not be (row file or template missing, document not opened) is not listed and
// leaves no file, and the user is told why.
bool WritePdmSiteDoc(WordReportForm& form);
// sicDescPdmSic: the category text of the dilution industry-code page, shown when the record's
// category has no name.
bool WritePdmSicDoc(WordReportForm& form, const std::string& sicDescPdmSic);

// The same through Word components that are not the results run's own.
bool WritePdmSiteDoc(const WordPartTarget& target);
bool WritePdmSicDoc(const WordPartTarget& target, const std::string& sicDescPdmSic);
