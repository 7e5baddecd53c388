// What the dilution parts of both report formats make of the dilution row file's rows: the row
// count that names the template, the analysis label's text, and the run values a row hands on.
#pragma once

#include <string>

#include "documents/dilution_rows.h"

// Outside the stand-alone dilution pages, the number (1 to 3) of the last concentration of
// concern above 0; the count passed in when none is.
int DilutionRowsForCocs(int count);

// The analysis label as a table shows it: one that begins with '-' (no analysis) reads as three
// blanks, any other as it stands.
std::string AnalysisLabelText(const std::string& label);

// Cell 0..6 of a result row as both report formats show it: COC, percent of the year exceeded,
// days exceeded, release days, release before treatment, treatment removal, analysis label.
std::string DilutionCellText(const DilutionRow& row, int cell);
constexpr int DilutionCells = 7;

// The names of the site part's two stream flows: "50 %ile" and "10 %ile" when the reach has
// gaging stations, else "MEAN" and "7q10".
std::string MiddleFlowName(int gages);
std::string LowFlowName(int gages);

// A row taken into a table hands its release days, release and removal to the dilution run's
// shared values (PdmReleaseDays, PdmPreTreatRelease, PdmWwtRemoval).
void TakeDilutionRunValues(const DilutionRow& row);

// The template of a dilution part: stem, row count, extension ("pdmste3.wpd", "pdmsic1.doc").
std::string DilutionTemplateName(const std::string& stem, int rowCount,
                                 const std::string& extension);
