// THalfLifeForm: the chart of biodegradation screening outcomes.
#include "chemistry/half_life_chart.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"

THalfLifeForm* HalfLifeForm = nullptr;

namespace {

// The chart's columns are at least as wide as the chart was drawn.
const HalfLifeColumnWidths kChartColumnWidths = {199, 166, 114, 64};

const std::array<std::string, 4> kHeader = {"Ready Test Result", "Inherent Test Result",
                                            "Half Life (hrs)", "1st Order Decay Rate"};

HalfLifeCells AirAndFishCells() {
    return {{kHeader,
             {"Pass Test", "", "         1", "16.632"},
             {"No pass >=40%", "", "         3", "5.544"},
             {"No pass >=20% and <40%", "      >=70%", "        10", "1.663"},
             {"", "   >=20% and <70%", "        30", "0.554"},
             {"No pass or <20%", "       <20%", "     10000", "0.0017"}}};
}

HalfLifeCells WaterAndSoilCells() {
    return {{kHeader,
             {"Pass Test", "--", "         5", "0.14 d-l"},
             {"No pass, but >= 40%", "--", "        10", "0.069 d-l"},
             {"No pass >=20% but <40%", "      >=70%", "        30", "0.023 d-l"},
             {"--", "   >=20% and <70%", "       100", "0.0069"},
             {"No pass or <20%", "       <20%", "     10000", "0.0"}}};
}

HalfLifeCells SedimentCells() {
    HalfLifeCells cells = WaterAndSoilCells();
    const char* halfLives[] = {"        20", "        40", "       120", "       400",
                               "     40000"};
    for (int row = 1; row <= 5; ++row) {
        cells[row][2] = halfLives[row - 1];
    }
    return cells;
}

}  // namespace

HalfLifeCells TreatmentHalfLifeCells() {
    return AirAndFishCells();
}

std::optional<HalfLifeCells> HalfLifeChartCells(int target) {
    switch (target) {
        case 1:
        case 5:
            return AirAndFishCells();
        case 2:
        case 3:
            return WaterAndSoilCells();
        case 4:
            return SedimentCells();
        default:
            return std::nullopt;
    }
}

std::string HalfLifeMedium(int target) {
    const char* media[] = {"Air", "Water", "Soil", "Sediment", "Fish"};
    return target >= 1 && target <= 5 ? media[target - 1] : "";
}

forms::TStringGrid* MakeHalfLifeGrid(QWidget* parent) {
    auto* grid = new forms::TStringGrid(parent);
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setCurrentCell(0, 0);
    return grid;
}

namespace {

// Makes every column as wide as its widest text, header included, as the view measures them, and
// at least its given width; the grid stays wide enough to show all columns, so no text is cut.
void FitColumnsToTexts(forms::TStringGrid& grid, const HalfLifeColumnWidths& least) {
    QHeaderView& header = *grid.horizontalHeader();
    const bool stretch = header.stretchLastSection();
    header.setStretchLastSection(false);
    int total = 0;
    for (int col = 0; col < grid.columnCount(); ++col) {
        grid.resizeColumnToContents(col);
        const int width = std::max(least[size_t(col)], grid.columnWidth(col));
        grid.setColumnWidth(col, width);
        total += width;
    }
    header.setStretchLastSection(stretch);
    const int scrollBar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    grid.setMinimumWidth(total + 2 * grid.frameWidth() + scrollBar);
}

}  // namespace

// The header row is the grid's column header, so it cannot be chosen; grid row r is chart row
// r + 1.
void FillHalfLifeGrid(forms::TStringGrid& grid, const HalfLifeCells& cells,
                      const HalfLifeColumnWidths& least) {
    QStringList header;
    for (const std::string& text : cells[0]) {
        header << QString::fromStdString(text);
    }
    grid.setHorizontalHeaderLabels(header);
    for (int row = 1; row <= 5; ++row) {
        for (int col = 0; col < 4; ++col) {
            grid.SetCells(col, row - 1, cells[row][col]);
        }
    }
    if (grid.currentRow() < 0) {
        grid.setCurrentCell(0, 0);
    }
    FitColumnsToTexts(grid, least);
}

THalfLifeForm::THalfLifeForm() {
    HalfLifeForm = this;
    SetCaption("Half Life Conversion Chart");
    auto* layout = new QVBoxLayout(this);
    Label12 = new forms::TLabel("", this);
    HalfLifeGrid = MakeHalfLifeGrid(this);
    Label1 = new forms::TLabel("Double click the desired half life", this);
    Label2 = new forms::TLabel("In cases of apparent conflict in test results: ", this);
    Label3 = new forms::TLabel(
        "1. If ready test result is >= 40%, ignore inherent test result and assign half life of "
        "either 1 or 3  hrs as appropriate based on the ready test result.",
        this);
    Label4 = new forms::TLabel(
        "2.  If ready test result is < 40%, ignore it and assign half life of either 10, 30 or "
        "10,000 hours as appropriate based on the inherent test result.",
        this);
    for (forms::TLabel* note : {Label2, Label3, Label4}) {
        note->hide();
    }
    layout->addWidget(Label12);
    layout->addWidget(HalfLifeGrid);
    layout->addWidget(Label1);
    resize(640, 280);
    connect(HalfLifeGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { HalfLifeGridDblClick(); });
}

THalfLifeForm::~THalfLifeForm() {
    if (HalfLifeForm == this) {
        HalfLifeForm = nullptr;
    }
}

void THalfLifeForm::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    const int target = PchemFate ? PchemFate->HalfLifeTarget : 0;
    const auto cells = HalfLifeChartCells(target);
    if (!cells) {
        return;
    }
    Label12->SetText("Select from this list for biodegradability of " + HalfLifeMedium(target));
    FillHalfLifeGrid(*HalfLifeGrid, *cells, kChartColumnWidths);
}

void THalfLifeForm::HalfLifeGridDblClick() {
    const int target = PchemFate ? PchemFate->HalfLifeTarget : 0;
    if (PchemFate && target >= 1 && target <= 5 && HalfLifeGrid->currentRow() >= 0) {
        forms::TEdit* fields[] = {PchemFate->AirHalfLife, PchemFate->WaterHalfLife,
                                  PchemFate->SoilHalfLife, PchemFate->SedimentHalfLife,
                                  PchemFate->FishHalfLife};
        fields[target - 1]->SetText(HalfLifeGrid->Cells(2, HalfLifeGrid->currentRow()));
    }
    SetModalResult(forms::mrOk);
    Close();
}

THalfLifeForm& TheHalfLifeForm() {
    if (!HalfLifeForm) {
        auto* form = new THalfLifeForm();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, [form] { delete form; });
        return *form;
    }
    return *HalfLifeForm;
}
