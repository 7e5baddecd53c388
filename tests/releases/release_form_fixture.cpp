// The input form on a copy of the program folder, with one chemical whose modules are chosen.
#include "tests/releases/release_form_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "releases/release_renumber.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/startup.h"

void ReleaseFormTest::SetUp() {
    ASSERT_TRUE(RunStartupWork());
    SurfaceWaterSelected = 1;
    LandfillSelected = 1;
    AmbientAirSelected = 1;
    ResetScenarioRecord();
    CurrentPmn.CaseNum = kChem;
    CurrentPmn.ScenNum = "1";
    // Surface water, landfill, dilution model and ambient air chosen.
    CurrentPmn.MODGUYS = "110000011";
    CurrentPmn.SLUDGEAB = 20;
    CurrentPmn.INCIN_HI = 90;
    CurrentPmn.INCIN_LO = 80;
    CurrentPmn.CHEMNAME = "Test chemical";
    SaveScenarioRecord();
    SaveAllExposureFactors();
    SelectedChemId = kChem;
    form = new TScrLevelForm();
    ui.ClearShown();
}

void ReleaseFormTest::TearDown() {
    delete form;
}

void ReleaseFormTest::Open() {
    form->show();
    form->FormShow();
    form->FormActivate();
}

void ReleaseFormTest::Type(forms::TEdit* edit, const std::string& text) {
    edit->setFocus();
    if (edit->OnEnter)
        edit->OnEnter();
    edit->SetText(text);
    if (edit->OnExit)
        edit->OnExit();
}

void ReleaseFormTest::Click(QWidget* widget) {
    // A check box or radio button takes the click on its box, at its left end.
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

void ReleaseFormTest::DoubleClickRow(forms::TStringGrid* grid, int row) {
    grid->window()->show();
    QApplication::processEvents();
    grid->scrollToItem(grid->item(row, 0));
    QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void ReleaseFormTest::SelectRelease(int row) {
    form->ChemList->setCurrentCell(row, 0);
}

std::vector<std::string> ReleaseFormTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const forms::ShownItem& box : ui.Boxes())
        texts.push_back(box.text);
    return texts;
}

bool ReleaseFormTest::LoadRow(const std::string& key) {
    LoadScenarioRecord(key);
    return PmnFieldAsString("PMN_ID") == key;
}

int ReleaseFormTest::ChemicalRows() const {
    return CountReleaseRows(kChem);
}

void ReleaseFormTest::EnterWaterRelease(const std::string& amount, const std::string& days,
                                        const std::string& npdes) {
    form->SurfWaterCheck->SetChecked(true);
    form->FacilityRadio->SetChecked(true);
    Type(form->FacilityRel, amount);
    Type(form->SurfDays, days);
    Type(form->NpdesGri, npdes);
    Type(form->Coc0, "5");
}

void WriteRelease(int number, const std::string& releases, double water, double days) {
    LoadScenarioRecord(ReleaseKey(kChem, number));
    CurrentPmn.RELEASES = releases;
    CurrentPmn.H2O_HI = water;
    CurrentPmn.H2ODAYLO = days;
    CurrentPmn.RELEASE = "Release " + std::to_string(number);
    if (releases[0] == 'X') {
        CurrentPmn.NPDES = "NY0020371";
        CurrentPmn.SIC_CODE = -1;
        CurrentPmn.COC0 = 5;
    }
    SaveScenarioRecord();
}
