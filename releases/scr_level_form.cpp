// TScrLevelForm: construction, the wiring of its handlers, and the small shared helpers.
#include "releases/scr_level_form.h"

#include <QEvent>

#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "scenario/exposure_factors.h"
#include "scenario/scenario_record.h"

TScrLevelForm* ScrLevelForm = nullptr;

int ReleaseRowCount = 0;
int CurrentReleaseRow = 1;
unsigned char ReleaseListFilling = 0;
unsigned char SkipReleaseStore = 0;
int FactorPageLocked = 1;
unsigned char SkipFactorCollectOnExit = 0;
std::string SicDescription;

namespace {

// Runs an action when a widget takes the focus (the grid has no enter event of its own).
class FocusWatcher : public QObject {
  public:
    FocusWatcher(QObject* parent, forms::Action action) : QObject(parent), action_(action) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && action_)
            action_();
        return QObject::eventFilter(watched, event);
    }

  private:
    forms::Action action_;
};

}  // namespace

bool IsReleaseExcludedFromPdm(const std::string& releaseKey) {
    return ScrLevelForm && ScrLevelForm->PdmExclusions.count(releaseKey) > 0;
}

std::vector<std::string> ListedReleaseKeys() {
    std::vector<std::string> keys;
    if (!ScrLevelForm)
        return keys;
    for (int row = 1; row < ScrLevelForm->ChemList->RowCount(); ++row) {
        std::string key = ScrLevelForm->ChemList->Cells(0, row);
        if (!key.empty())
            keys.push_back(key);
    }
    return keys;
}

TScrLevelForm::TScrLevelForm() {
    ScrLevelForm = this;
    BuildLayout();
    ConnectReleaseEdits();
    ConnectHandlers();
    UpdateExposureFactorPage = [this] { UpdateAgeGroupControls(); };
}

TScrLevelForm::~TScrLevelForm() {
    // The children outlive this part of the form: focus leaving an edit while they are taken
    // down must not reach its handlers.
    for (forms::TEdit* edit : findChildren<forms::TEdit*>()) {
        edit->OnEnter = nullptr;
        edit->OnExit = nullptr;
        edit->OnChange = nullptr;
    }
    ChemList->removeEventFilter(focusWatcher_);
    if (ScrLevelForm == this) {
        ScrLevelForm = nullptr;
        UpdateExposureFactorPage = nullptr;
    }
}

void TScrLevelForm::ConnectReleaseEdits() {
    for (forms::TEdit* edit :
         {FacilityRel, LandfillRel, SludgeRel, Incinerate,      FugitiveRel,
          Coc0,        Coc1,        Coc2,      AirConcAcuteRel, AirConcAcuteRelFug,
          BwExp,       EdCExp,      EdNCExp,   AtCExp,          AtNCExp,
          DwCExp,      DwAExp,      FishCExp,  FishAExp,        InhaleExp}) {
        edit->OnChange = [this, edit] { ReleaseEditChanged(*edit); };
        edit->OnEnter = [edit] { SelectAllOnEnter(*edit); };
    }
    for (forms::TEdit* edit : {SurfDays, FugDays, IncinDays, SludgeDays, NonSludgeDays}) {
        edit->OnChange = [this, edit] { DaysEditChanged(*edit); };
        edit->OnEnter = [edit] { SelectAllOnEnter(*edit); };
    }
    FacilityRel->OnExit = [this] { FacilityRelExit(); };
    SurfDays->OnExit = [this] { SurfDaysExit(); };
    FugDays->OnExit = [this] { FugDaysExit(); };
    LandfillRel->OnExit = [this] { LandfillRelExit(); };
    SludgeRel->OnExit = [this] { SludgeRelExit(); };
    Incinerate->OnExit = [this] { IncinerateExit(); };
    FugitiveRel->OnExit = [this] { FugitiveRelExit(); };
    IncinDays->OnExit = [this] { IncinDaysExit(); };
    SludgeDays->OnExit = [this] { SludgeDaysExit(); };
    NonSludgeDays->OnExit = [this] { NonSludgeDaysExit(); };
    for (forms::TEdit* acute : {AirConcAcuteRel, AirConcAcuteRelFug}) {
        acute->OnEnter = [this] { AirConcAcuteRelEnter(); };
        acute->OnExit = [this] { AirConcAcuteRelExit(); };
    }
    Coc0->OnExit = [this] { CocExit(*Coc0, CurrentPmn.COC0, "Concentration of concern 1"); };
    Coc1->OnExit = [this] { CocExit(*Coc1, CurrentPmn.COC1, "Concentration of concern 2"); };
    Coc2->OnExit = [this] { CocExit(*Coc2, CurrentPmn.COC2, "Concentration of concern 3"); };
    NpdesGri->OnExit = [this] { NpdesGriExit(); };
    ConnectFactorEdits();
}

void TScrLevelForm::ConnectHandlers() {
    BitBtn2->OnClick = [this] { BitBtn2Click(); };
    GenPopHelp->OnClick = [this] { GenPopHelpClick(); };
    BitBtn1->OnClick = [this] { ReleaseInfoHelpClick(); };
    ExpFactorHelp->OnClick = [this] { ExpFactorHelpClick(); };
    FacilityHelp->OnClick = [this] { FacilityHelpClick(); };
    SicHelp->OnClick = [this] { SicHelpClick(); };
    connect(ChemId, &QComboBox::currentIndexChanged, this, [this] { ChemIdChange(); });
    for (int popNum = 0; popNum < int(ageRadios_.size()); ++popNum)
        AgeRadio(popNum)->OnClick = [this, popNum] { AgeGroupClick(popNum); };
    SurfWaterCheck->OnClick = [this] { SurfWaterCheckClick(); };
    LandfillCheck->OnClick = [this] { LandfillCheckClick(); };
    FugitiveCheck->OnClick = [this] { FugitiveCheckClick(); };
    FacilityRadio->OnClick = [this] { FacilityRadioClick(); };
    SicRadio->OnClick = [this] { SicRadioClick(); };
    ChemList->OnSelectCell = [this](int col, int row) { ChemListSelectCell(col, row); };
    focusWatcher_ = new FocusWatcher(this, [this] { ChemListEnter(); });
    ChemList->installEventFilter(focusWatcher_);
    NextReleaseActivity->OnClick = [this] { NextReleaseActivityClick(); };
    DelRelease->OnClick = [this] { DelReleaseClick(); };
    GenRelInfoContinue->OnClick = [this] { GenRelInfoContinueClick(); };
    DoPdm->OnClick = [this] { DoPdmClick(); };
    AvePdm->OnClick = [this] { PdmAnalysisClick(0); };
    HiEndPdm->OnClick = [this] { PdmAnalysisClick(1); };
    SwMemoButton->OnClick = [this] { SwMemoButtonClick(); };
    ModifyFlows->OnClick = [this] { ModifyFlowsClick(); };
    LandfillMemoButton->OnClick = [this] { LandfillMemoButtonClick(); };
    FugCommentButton->OnClick = [this] { FugCommentButtonClick(); };
    connect(NumSites, &QSpinBox::valueChanged, this, [this] { NumSitesChange(); });
    connect(SearchField, &QComboBox::currentIndexChanged, this, [this] { SearchFieldChange(); });
    ByState->OnClick = [this] { ByStateClick(); };
    ByRegion->OnClick = [this] { ByStateClick(); };
    PerformSearch->OnClick = [this] { PerformSearchClick(); };
    connect(FacilityGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { FacilityGridDblClick(); });
    connect(SICGrid, &QTableWidget::cellDoubleClicked, this, [this] { SICGridDblClick(); });
    connect(GageList, &QComboBox::activated, this, [this] { GageListChange(); });
    BitBtn4->OnClick = [this] { BitBtn4Click(); };
    connect(ScreenPages, &QTabWidget::currentChanged, this, [this, previous = -1](int now) mutable {
        if (previous == ScreenPages->indexOf(ExpFactorsPage))
            ExpFactorsPageExit();
        previous = now;
        if (now == ScreenPages->indexOf(ExpFactorsPage))
            ExpFactorsPageShow();
    });
    ExpFactorContinue->OnClick = [this] { ExpFactorContinueClick(); };
    BitBtn3->OnClick = [this] { BitBtn3Click(); };
    CalcAirConc->OnClick = [this] { CalcAirConcClick(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
}

forms::TRadioButton* TScrLevelForm::AgeRadio(int popNum) const {
    if (popNum < 0 || popNum >= int(ageRadios_.size()))
        return nullptr;
    return ageRadios_[size_t(popNum)];
}

std::string TScrLevelForm::ChemIdText() const {
    return ChemId->currentText().toStdString();
}

int TScrLevelForm::CheckedPopNum() const {
    // Tested in the order of the page; only one is ever checked.
    int popNum = 0;
    for (int group : {0, 1, 6, 2, 3, 4, 5}) {
        if (AgeRadio(group)->Checked())
            popNum = group;
    }
    return popNum;
}

std::string TScrLevelForm::HealthFlagsFromBoxes() const {
    std::string flags = "111";
    if (!Cancer->Checked())
        flags[0] = '0';
    if (!Chronic->Checked())
        flags[1] = '0';
    if (!Acute->Checked())
        flags[2] = '0';
    return flags;
}

std::string TScrLevelForm::SpecialEvaluationText() const {
    std::string text = "00";
    if (ExposureBased->Checked())
        text[0] = '1';
    if (Persistent->Checked())
        text[1] = '1';
    return text;
}

void TScrLevelForm::ShowTab(QTabWidget* tabs, QWidget* page, bool shown) {
    tabs->setTabVisible(tabs->indexOf(page), shown);
}

bool TScrLevelForm::TabShown(const QTabWidget* tabs, QWidget* page) {
    return tabs->isTabVisible(tabs->indexOf(page));
}
