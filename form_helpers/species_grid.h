// The grid of endangered species that live in the county of the facility being assessed.
#pragma once

#include "platform/forms/components.h"

// Fills a six-column grid: a header row, then the county's species in the order the county table
// keeps them. Only the header when the case does not ask about endangered species.
void FillSpeciesGrid(forms::TStringGrid& grid);
