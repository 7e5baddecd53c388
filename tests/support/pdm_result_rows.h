// A result row of a dilution page's grid as the page's submit shows it, for the tests of the
// pages' saves and of the documents made from them.
#pragma once

#include <string>

#include "platform/forms/components.h"
#include "scenario/number_text.h"

inline void FillPdmResultRow(forms::TStringGrid* grid, int row, double coc, double percent,
                             double days, const std::string& analysis = "") {
    grid->SetCells(0, row, FormatFixed2Width10(coc));
    grid->SetCells(1, row, FormatFixed0Width10(percent));
    grid->SetCells(2, row, FormatFixed0Width10(days));
    grid->SetCells(3, row, FormatFixed0Width6(250));
    grid->SetCells(4, row, FormatFixed2Width10(2.5));
    grid->SetCells(5, row, FormatFixed2Width6(90));
    if (!analysis.empty())
        grid->SetCells(6, row, analysis);
}
