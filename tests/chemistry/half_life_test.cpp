// The half-life chart: its cells by medium, and a double click copying a half-life into the
// properties screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>

#include "chemistry/astreat_inputs.h"
#include "chemistry/half_life_chart.h"
#include "chemistry/pchem_fate.h"
#include "tests/chemistry/chemistry_fixture.h"

namespace {

TEST(HalfLifeCells, MediaShareTheirRowsAndSedimentHasItsOwnHalfLives) {
    const auto air = HalfLifeChartCells(1);
    const auto water = HalfLifeChartCells(2);
    const auto sediment = HalfLifeChartCells(4);
    ASSERT_TRUE(air && water && sediment);
    EXPECT_EQ(*air, *HalfLifeChartCells(5));
    EXPECT_EQ(*water, *HalfLifeChartCells(3));
    EXPECT_EQ(*air, TreatmentHalfLifeCells());
    EXPECT_EQ((*air)[1][3], "16.632");
    EXPECT_EQ((*water)[2][0], "No pass, but >= 40%");
    EXPECT_EQ((*water)[4][2], "       100");
    EXPECT_EQ((*sediment)[5][2], "     40000");
    EXPECT_EQ((*sediment)[5][3], "0.0");
    EXPECT_EQ((*sediment)[0][2], "Half Life (hrs)");
    EXPECT_FALSE(HalfLifeChartCells(0));
    EXPECT_FALSE(HalfLifeChartCells(6));
}

class HalfLifeChartTest : public ChemistryTest {};

TEST_F(HalfLifeChartTest, DoubleClickCopiesTheRowsHalfLifeIntoTheChosenField) {
    AddRelease("abc", "1", [](pmn_record& r) { r.MODGUYS = "000011000"; });
    TPchemFate screen;
    screen.FormActivate();
    ASSERT_TRUE(forms::Visible(screen.SedimentHalfButton));
    EXPECT_FALSE(forms::Visible(screen.AirHalfButton));

    ui.OnNextModal([](forms::Form& form) {
        auto& chart = dynamic_cast<THalfLifeForm&>(form);
        EXPECT_EQ(chart.Label12->Text(), "Select from this list for biodegradability of Sediment");
        EXPECT_EQ(chart.HalfLifeGrid->RowCount(), 5) << "the header row is not a choice";
        chart.show();  // laid out, so that the press lands on the row
        QApplication::processEvents();
        const QRect cell = chart.HalfLifeGrid->visualRect(chart.HalfLifeGrid->model()->index(4, 0));
        // An item view takes a double click as such after a press on the same row.
        QTest::mouseClick(chart.HalfLifeGrid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(chart.HalfLifeGrid->viewport(), Qt::LeftButton, {}, cell.center());
        return chart.ModalResult();
    });
    QTest::mouseClick(screen.SedimentHalfButton, Qt::LeftButton);
    EXPECT_EQ(screen.HalfLifeTarget, 4);
    // The copied "     40000" passes the field's own filter.
    EXPECT_EQ(screen.SedimentHalfLife->Text(), "40000");

    ui.OnNextModal([](forms::Form& form) {
        auto& chart = dynamic_cast<THalfLifeForm&>(form);
        EXPECT_EQ(chart.Label12->Text(), "Select from this list for biodegradability of Water");
        EXPECT_EQ(chart.HalfLifeGrid->Cells(2, 4), "     10000");
        EXPECT_EQ(chart.HalfLifeGrid->Cells(3, 0), "0.14 d-l");
        chart.HalfLifeGrid->setCurrentCell(1, 0);
        chart.HalfLifeGridDblClick();
        return chart.ModalResult();
    });
    screen.WaterHalfButton->Click();
    EXPECT_EQ(screen.WaterHalfLife->Text(), "10");
    EXPECT_EQ(screen.SedimentHalfLife->Text(), "40000");
}

}  // namespace

namespace {

// Every text of the biodegradation grids, the headings included, fits its column, and the grid
// is wide enough to show every column.
// The widths are compared with those the view itself finds for the texts.
void ExpectEveryTextShown(forms::TStringGrid& grid, const std::string& which) {
    grid.window()->show();
    QApplication::processEvents();
    grid.horizontalHeader()->setStretchLastSection(false);
    std::vector<int> widths;
    int total = 0;
    for (int col = 0; col < grid.ColCount(); ++col) {
        widths.push_back(grid.columnWidth(col));
        total += widths.back();
    }
    EXPECT_LE(total, grid.viewport()->width()) << which << ": every column in view";
    for (int col = 0; col < grid.ColCount(); ++col) {
        grid.resizeColumnToContents(col);
        EXPECT_GE(widths[size_t(col)], grid.columnWidth(col)) << which << " " << col;
        grid.setColumnWidth(col, widths[size_t(col)]);
    }
    grid.horizontalHeader()->setStretchLastSection(true);
    grid.window()->hide();
}

TEST_F(HalfLifeChartTest, EveryTextFitsItsColumn) {
    TAsTreatInputs dialog;
    dialog.FormActivate();
    dialog.AsTreatPages->setCurrentWidget(dialog.Biodeg);
    ExpectEveryTextShown(*dialog.HalfLifeGrid, "treatment model");

    TPchemFate screen;
    THalfLifeForm& chart = TheHalfLifeForm();
    for (int target = 1; target <= 5; ++target) {
        screen.HalfLifeTarget = target;
        chart.FormClose();
        chart.FormActivate();
        ExpectEveryTextShown(*chart.HalfLifeGrid, HalfLifeMedium(target));
    }
}

}  // namespace
