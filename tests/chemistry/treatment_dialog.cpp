// The treatment-model dialog filled as a person would.
#include "tests/chemistry/treatment_dialog.h"

#include <QTest>

#include "chemistry/astreat_inputs.h"

void FillTreatmentDialog(TAsTreatInputs& dialog) {
    dialog.FormActivate();
    dialog.Loading->SetText("2");
    dialog.NumDays->SetText("250");
    dialog.NumSites->SetText("3");
    QTest::mouseClick(dialog.CalculateLoad, Qt::LeftButton);
    dialog.HalfLifeGrid->setCurrentCell(3, 0);
    dialog.HenryUnitless->SetText("0.05");
    dialog.Mw->SetText("78.11");
    dialog.Density->SetText("0.88");
    dialog.Kow->SetText("3.7");
    QTest::mouseClick(dialog.CalculateKd, Qt::LeftButton);
}
