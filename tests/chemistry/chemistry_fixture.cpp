// A started main program in a copy of the program folder, for the chemistry screens.
#include "tests/chemistry/chemistry_fixture.h"

#include <QStyleOptionButton>
#include <QTest>

#include "chemistry/astreat_values.h"
#include "chemistry/fate_databases.h"
#include "platform/sys/files.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"

void ResetAsTreatValues() {
    for (double* v :
         {&AsTreatLoading, &AsTreatDays, &AsTreatNumSites, &AsTreatInfluentConc, &AsTreatDecayRate,
          &AsTreatHenry, &AsTreatHenryUnitless, &AsTreatSolubility, &AsTreatVp, &AsTreatMw,
          &AsTreatDensity, &AsTreatLogKow, &AsTreatKdPe, &AsTreatKdPr, &AsTreatKdSe, &AsTreatKdSr,
          &AsTreatWwtRemoval, &AsTreatSludgeAmount}) {
        *v = 0;
    }
    AsTreatCarbonPe = AsTreatCarbonPr = AsTreatCarbonSe = AsTreatCarbonSr = 0.2;
    AsTreatRunDone = 0;
    AsTreatProgramPath.clear();
}

void ChemistryTest::SetUp() {
    intro.FormActivate();
    ASSERT_TRUE(intro.StartupDone());
    ResetAsTreatValues();
    EqcProgramPath.clear();
    Level3ProgramPath.clear();
    SurfaceWaterSelected = LandfillSelected = FlushSelected = KivSelected = EqcSelected =
        Level3Selected = AsTreatSelected = PdmSelected = AmbientAirSelected = 0;
    ui.ClearShown();
}

void ChemistryTest::TearDown() {
    ResetAsTreatValues();
}

void ChemistryTest::AddRelease(const std::string& id, const std::string& release,
                               const std::function<void(pmn_record&)>& step) {
    ResetScenarioRecord();
    CurrentPmn.CaseNum = id;
    CurrentPmn.ScenNum = release;
    if (step) {
        step(CurrentPmn);
    }
    SaveScenarioRecord();
}

pmn_record ChemistryTest::Row(const std::string& key) {
    const pmn_record kept = CurrentPmn;
    LoadScenarioRecord(key);
    pmn_record row = CurrentPmn;
    CurrentPmn = kept;
    return row;
}

std::vector<std::string> ChemistryTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const forms::ShownItem& box : ui.Boxes()) {
        texts.push_back(box.text);
    }
    return texts;
}

void ClickCheckBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}
