// A scratch program folder and program state for the consumer model's window tests.
#include "tests/consumer/pages/kiv_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>

#include "consumer/data/defaults.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/output/display_texts.h"
#include "consumer/pages/intro_page.h"
#include "consumer/pages/kiv_state.h"

namespace consumer_test {

using namespace consumer;
namespace fs = std::filesystem;

KivFolder::KivFolder() : root_("kivpages") {
    fs::create_directories(Kiv() + "dbfiles");
    fs::create_directories(Data());
    for (const auto& entry :
         fs::directory_iterator(std::string(OMBRIX_PROGRAM_DIR) + "/kiv/dbfiles"))
        fs::copy_file(entry.path(), Kiv() + "dbfiles/" + entry.path().filename().string());
    for (const char* name : {"kiv.wpd", "kiv_ino.wpd", "kiv_dro.wpd"})
        fs::copy_file(std::string(OMBRIX_PROGRAM_DIR) + "/kiv/" + name, Kiv() + name);
    Write("data.drv", Data() + "\n");
    ResetProgramState();
    WorkingFolder = Kiv();
}

KivFolder::~KivFolder() {
    ResetProgramState();
}

bool KivFolder::Exists(const std::string& relative) const {
    return fs::exists(Root() + relative);
}

void ResetProgramState() {
    *CaseInputs = ExposureInputs();
    *CaseResults = ExposureResults();
    *CaseChemical = ChemicalInfo();
    ResetCaseIdentity(*CaseInputs);
    ResetExposureInputs(*CaseInputs, *CaseResults);
    RunMode = kRunStandAlone;
    WorkingFolder.clear();
    CaseDataFolder.clear();
    InputErrorFlag = false;
    ScenarioChosen = 0;
    PreviousScenarioName.clear();
    PreviousAgeGroup = 0;
    ResetWindowState();
    consumer::Display = DisplayTexts();
}

void MakeProductCase(ExposureInputs& in, const ProductChoice& product) {
    ResetCaseIdentity(in);
    ResetExposureInputs(in, *CaseResults);
    in.IdNumber = "P-01-0001";
    in.ProductName = "Wall paint";
    in.ChemicalName = "Test solvent";
    in.AgeGroup = product.ageGroup;
    in.MOLECWEIGHT = 100;
    in.VAPORPRESS = 1;
    in.WeightFractionMedian = 0.01;
    in.WeightFraction90 = 0.03;
    in.ScenarioName = product.name;
    in.ScenarioNumber = product.number;
    in.ScenarioKeyword = product.keyword;
    in.ScenarioClass = product.scenarioClass;
    in.DoseType = product.doseType;
    LoadProductDefaults(in);
    LoadExposureFactors(in);
    LoadHouseVolume(in);
    if (in.DoseType == "Absorbed") {
        in.PermeabilityCoefficient = 0.0123;
        in.KowValue = 0;
        // What the absorbed-dose page asks for where the product has no default.
        auto fill = [](double& field, double value) {
            if (!(field > 0))
                field = value;
        };
        fill(in.DermalEventDuration, 0.25);
        fill(in.Dilution, 0.05);
        fill(in.FormulationDensity, 1.02);
    }
    ScenarioChosen = 1;
}

void MakeLatexPaintCase(ExposureInputs& in) {
    MakeProductCase(in, {"Latex Paint", 2, "appliedsurfacepaint", 2});
}

void RunProductCase(KIVFrame& frame, const KivFolder& folder, forms::ScriptedUi& ui,
                    const ProductChoice& product) {
    MakeProductCase(*CaseInputs, product);
    PageCode = '0';
    frame.show();
    Settle();
    auto* intro = dynamic_cast<TInputIntro*>(frame.Client()->OpenPage());
    ASSERT_NE(intro, nullptr);
    intro->Identification()->SetText("P-01-0001");
    intro->Product()->SetText("Wall paint");
    intro->CommentsEdit()->SetText("Read back.");
    ui.AnswerNextDialog(folder.Root() + "cases");
    frame.Command(34)->trigger();
    Settle();
}

void Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isEnabled());
    // Radio buttons and check boxes take a click only on their mark and caption.
    if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
}

}  // namespace consumer_test
