// The grid of endangered species listed for the facility's county.
#pragma once

#include "platform/forms/components.h"

// Fills a six-column grid with the species listed for DirectRec's county when CurrentPmn.CRITTERS
// is set: a header row, then a row for each species in county-table order.
void FillSpeciesGrid(forms::TStringGrid& grid);
