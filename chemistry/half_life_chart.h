// THalfLifeForm: the chart of biodegradation screening outcomes with half-lives and decay rates,
// from which a double click copies a half-life into the properties screen.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/forms/components.h"
#include "platform/forms/form.h"

// The 6 x 4 cells (row 0 the header) of the chart for a medium: 1 air, 2 water, 3 soil,
// 4 sediment, 5 fish; nullopt for any other number.
using HalfLifeCells = std::array<std::array<std::string, 4>, 6>;
std::optional<HalfLifeCells> HalfLifeChartCells(int target);
// The medium's name in the heading ("Air", "Water", ...), empty for another number.
std::string HalfLifeMedium(int target);
// The biodegradation grid of the treatment-model dialog: the chart for air.
HalfLifeCells TreatmentHalfLifeCells();

// A grid of the chart: 4 columns, 5 choosable rows under a header, whole rows chosen, fixed
// pitch so the leading blanks align the numbers, the first row chosen.
forms::TStringGrid* MakeHalfLifeGrid(QWidget* parent);
// Writes the header and the five rows into the grid, and makes each column wide enough for its
// texts and at least as wide as given.
using HalfLifeColumnWidths = std::array<int, 4>;
void FillHalfLifeGrid(forms::TStringGrid& grid, const HalfLifeCells& cells,
                      const HalfLifeColumnWidths& least = {});

class THalfLifeForm : public forms::Form {
    Q_OBJECT
  public:
    THalfLifeForm();
    ~THalfLifeForm() override;

    forms::TLabel* Label12;
    forms::TStringGrid* HalfLifeGrid;
    forms::TLabel* Label1;
    forms::TLabel* Label2;  // the three notes, never shown
    forms::TLabel* Label3;
    forms::TLabel* Label4;

    // Set up once per visit: a window restored or activated again keeps what was entered.
    void FormClose() override { activated_ = false; }
    void FormActivate() override;
    void HalfLifeGridDblClick();

  private:
    bool activated_ = false;
};

extern THalfLifeForm* HalfLifeForm;
// The one chart of the run, made on first use and kept until the application ends.
THalfLifeForm& TheHalfLifeForm();
