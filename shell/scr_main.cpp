// TScrMain: the screening-level main page with its modules, age groups and report format.
#include "shell/scr_main.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dilution/pdm_results.h"
#include "disposal/disposal_form.h"
#include "platform/forms/ui_service.h"
#include "releases/scr_level_form.h"
#include "results/scr_res_pdm_solo.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"
#include "shell/consumer_exchange.h"
#include "shell/intro.h"

TScrMain* ScrMain = nullptr;

const std::array<AgeGroup, 7> kAgeGroups = {{
    {"Adult", "Adult", 0, 33.0},
    {"Youth", "Youth (age 16-20)", 1, 5.0},
    {"Child", "Child (age 6-10)", 2, 5.0},
    {"Toddler", "Small Child (age 3-5)", 3, 3.0},
    {"Infant1_2", "Infant (age 1-2)", 4, 2.0},
    {"Infant1", "Infant(age < 1)", 5, 1.0},
    {"YouthNew", "Youth (age 11-15)", 6, 5.0},
}};

namespace {

// The adult's cancer exposure duration and consumer exposure duration differ.
constexpr double kAdultConsumerYears = 57.0;

}  // namespace

int ChemicalPosition(const std::vector<std::string>& keys, const std::string& chemicalId) {
    int position = -1;
    bool met = false;
    std::string previous;
    bool first = true;
    for (const std::string& key : keys) {
        std::string id = ChemicalIdOf(key);
        if ((first || id != previous) && !met)
            ++position;
        if (id == chemicalId)
            met = true;
        previous = id;
        first = false;
    }
    return position;
}

TScrMain::TScrMain() {
    ScrMain = this;
    BuildLayout();
    PublishChoices();
    PublishChoicesOnChange();
}

TScrMain::~TScrMain() {
    if (ScrMain == this) {
        ScrMain = nullptr;
        MainChoices = MainPageChoices{};
    }
}

void TScrMain::PublishChoices() {
    if (ScrMain != this)
        return;
    MainChoices.fromMainPage = true;
    MainChoices.cancer = Cancer->Checked();
    MainChoices.chronic = Chronic->Checked();
    MainChoices.acute = Acute->Checked();
    MainChoices.noAdd = NoAdd->Checked();
    MainChoices.exposedPopNum = -1;
    for (const AgeGroup& group : kAgeGroups) {
        if (forms::TRadioButton* radio = AgeRadio(group.popNum); radio && radio->Checked())
            MainChoices.exposedPopNum = group.popNum;
    }
    MainChoices.reportFormat = WordPerfectFormat() ? ReportFormat::WordPerfect : ReportFormat::Word;
}

// Connected before the pages' own actions, so an action that a change runs reads the new choices.
void TScrMain::PublishChoicesOnChange() {
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{Cancer, Chronic, Acute, YesAdd, NoAdd}) {
        connect(button, &QAbstractButton::toggled, this, [this] { PublishChoices(); });
    }
    NoWord->installEventFilter(this);
}

bool TScrMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == NoWord &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        PublishChoices();
    return forms::Form::eventFilter(watched, event);
}

void TScrMain::BuildLayout() {
    SetCaption("Screening Level Main Page");
    setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(this);
    BuildModules(layout);
    auto* settings = new QHBoxLayout();
    layout->addLayout(settings);
    BuildAgeGroups(settings);
    BuildHealthPanel(settings);
    BuildIndividualModelsPanel(settings);
    BuildReportFormat(settings);

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(new forms::TLabel("Chemical ID:", this));
    ChemId1 = new forms::TEdit(this);
    ChemId1->setReadOnly(true);
    bottom->addWidget(ChemId1);
    bottom->addStretch();
    BitBtn1 = new forms::TButton("&Return to Ombrix(2014) Main Page", this);
    FateHelp = new forms::TButton("Help", this);
    bottom->addWidget(BitBtn1);
    bottom->addWidget(FateHelp);
    layout->addLayout(bottom);

    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    FateHelp->OnClick = [this] { FateHelpClick(); };
}

void TScrMain::BuildModules(QLayout* layout) {
    auto* modules = new QHBoxLayout();
    auto module = [&](TClickPanel*& panel, TImage*& image, forms::TLabel*& memo,
                      const char* picture, const char* caption, forms::Action click) {
        panel = new TClickPanel(this);
        image = new TImage(picture, panel);
        panel->layout()->addWidget(image);
        memo = panel->AddLabel(caption);
        memo->setWordWrap(true);
        panel->OnClick = click;
        image->OnClick = click;
        modules->addWidget(panel);
    };
    module(Panel2, SeasImage, Memo6, "pictures/seas.jpg",
           "General Population and Ecological Exposure From Industrial Releases",
           [this] { SeasImageClick(); });
    module(Panel135, FlushImage, Memo3, "pictures/flush.bmp", "Down The Drain",
           [this] { FlushImageClick(); });
    module(Panel136, RunKiv, Memo2, "pictures/kiv.jpg", "Consumer Exposure Pathway",
           [this] { RunKivClick(); });
    static_cast<QBoxLayout*>(layout)->addLayout(modules, 1);
}

void TScrMain::BuildAgeGroups(QLayout* layout) {
    auto* box = new QGroupBox("Exposed Population", this);
    auto* column = new QVBoxLayout(box);
    forms::TRadioButton** radios[] = {&Adult,     &Youth,   &Child,   &Toddler,
                                      &Infant1_2, &Infant1, &YouthNew};
    for (size_t i = 0; i < kAgeGroups.size(); ++i) {
        const AgeGroup& group = kAgeGroups[i];
        auto* radio = new forms::TRadioButton(group.caption, box);
        radio->setObjectName(group.name);
        *radios[i] = radio;
        ageRadios_.push_back(radio);
    }
    // The page lists the groups from the oldest down.
    for (forms::TRadioButton* radio :
         {Adult, Youth, YouthNew, Child, Toddler, Infant1_2, Infant1}) {
        column->addWidget(radio);
    }
    Adult->setChecked(true);
    // The action runs when a radio becomes checked, by a click or from code; a click on the
    // radio already checked changes nothing, so it must not reload the exposure factors.
    for (size_t i = 0; i < kAgeGroups.size(); ++i) {
        connect(ageRadios_[i], &QRadioButton::toggled, this,
                [this, popNum = kAgeGroups[i].popNum](bool checked) {
                    PublishChoices();
                    if (checked)
                        AgeGroupClick(popNum);
                });
    }
    layout->addWidget(box);
}

// The dose kinds and the ADD/ADC choice sit on a panel that is never shown; other pages read
// their states.
void TScrMain::BuildHealthPanel(QLayout* layout) {
    HealthPanel = new QGroupBox("Calculate ADD/ADC Values?", this);
    auto* column = new QVBoxLayout(HealthPanel);
    Cancer = new forms::TCheckBox("Cancer", HealthPanel);
    Chronic = new forms::TCheckBox("Chronic non-cancer", HealthPanel);
    Acute = new forms::TCheckBox("Acute", HealthPanel);
    YesAdd = new forms::TRadioButton("Yes", HealthPanel);
    NoAdd = new forms::TRadioButton("No", HealthPanel);
    for (QWidget* widget : std::initializer_list<QWidget*>{Cancer, Chronic, Acute, YesAdd, NoAdd}) {
        column->addWidget(widget);
    }
    Cancer->setChecked(true);
    Chronic->setChecked(true);
    Acute->setChecked(true);
    NoAdd->setChecked(true);
    layout->addWidget(HealthPanel);
    HealthPanel->hide();
}

void TScrMain::BuildIndividualModelsPanel(QLayout* layout) {
    IndividualModelsPanel = new QGroupBox(this);
    auto* column = new QVBoxLayout(IndividualModelsPanel);
    IndividualModels = new forms::TButton("Individual Models", IndividualModelsPanel);
    column->addWidget(IndividualModels);
    IndividualModels->OnClick = [this] { IndividualModelsClick(); };
    layout->addWidget(IndividualModelsPanel);
    IndividualModelsPanel->hide();
}

void TScrMain::BuildReportFormat(QLayout* layout) {
    auto* column = new QVBoxLayout();
    Label3 = new TClickLabel("Select Document Report Format ", this);
    column->addWidget(Label3);
    NoWp = new TClickPanel(this);
    for (const char* text : {"Click here to select", "WordPerfect", "V. 5.1 and up."}) {
        NoWp->AddLabel(text);
    }
    NoWord = new TClickPanel(this);
    for (const char* text : {"Click here to select", "Microsoft Word", "V. '97 and up."}) {
        NoWord->AddLabel(text);
    }
    column->addWidget(NoWp);
    column->addWidget(NoWord);
    column->addStretch();
    NoWord->hide();
    static_cast<QBoxLayout*>(layout)->addLayout(column);

    Label3->OnClick = [this] { Label3Click(); };
    NoWp->OnClick = [this] { NoWpClick(); };
    NoWord->OnClick = [this] { NoWordClick(); };
}

forms::TRadioButton* TScrMain::AgeRadio(int popNum) const {
    for (size_t i = 0; i < kAgeGroups.size(); ++i) {
        if (kAgeGroups[i].popNum == popNum)
            return ageRadios_[i];
    }
    return nullptr;
}

void TScrMain::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    if (!shownOnce_) {
        shownOnce_ = true;
        CheckWordAvailable();
        ShowWordFormat(WordStatus == 1);
    }
    std::string remembered = CurrentPmn.CaseNum;
    ChemId1->SetText("");
    SaveExposureFactors();
    SaveAllExposureFactors();
    CountChemicalPosition(remembered);
    LoadScenarioRecord(SelectedChemId + ",1");
    ChemId1->SetText(SelectedChemId);
    Cancer->SetChecked(HealthFlags.size() > 0 && HealthFlags[0] == '1');
    Chronic->SetChecked(HealthFlags.size() > 1 && HealthFlags[1] == '1');
    Acute->SetChecked(HealthFlags.size() > 2 && HealthFlags[2] == '1');
    CheckStoredAgeGroup();
}

void TScrMain::CountChemicalPosition(const std::string& chemicalId) {
    ChemIdIndex = ChemicalPosition(AllReleaseKeys(), chemicalId);
    LastChemIdIndex = ChemIdIndex;
}

// Checking the stored group's radio runs its action (only when it was not checked) with the
// factor load held back, so the factors stored in the row stay.
void TScrMain::CheckStoredAgeGroup() {
    SuppressFactorLoad = 1;
    if (CurrentPmn.POP_NUM == -1) {
        SuppressFactorLoad = 0;
        CurrentPmn.POP_NUM = 0;
        Adult->SetChecked(true);
    } else if (forms::TRadioButton* radio = AgeRadio(CurrentPmn.POP_NUM)) {
        radio->SetChecked(true);
    }
    SuppressFactorLoad = 0;
}

void TScrMain::AgeGroupClick(int popNum) {
    const AgeGroup* group = nullptr;
    for (const AgeGroup& candidate : kAgeGroups) {
        if (candidate.popNum == popNum)
            group = &candidate;
    }
    if (!group)
        return;
    if (CurrentPmn.ScenNum != "1")
        LoadScenarioRecord(CurrentPmn.CaseNum + ",1");
    bool adult = popNum == 0;
    Chronic->setVisible(adult);
    Cancer->setVisible(adult);
    Chronic->SetChecked(adult);
    Cancer->SetChecked(adult);
    CurrentPmn.POP_NUM = popNum;
    CurrentPmn.PopulationLabel = group->caption;
    LoadScreeningExposureFactors();
    CurrentPmn.EXPDURCAN = group->exposureYears;
    CurrentPmn.ED_KIV = adult ? kAdultConsumerYears : group->exposureYears;
    SaveScenarioRecord();
}

void TScrMain::SeasImageClick() {
    if (!SurfaceWaterSelected && !LandfillSelected && !AmbientAirSelected) {
        forms::ShowMessage(
            "You did not select Surface water, landfill or ambient air in the Pchem/Fate page.",
            "Note");
        return;
    }
    PdmOnlyRun = 0;
    if (ScrLevelForm)
        ScrLevelForm->ShowModal();
}

void TScrMain::IndividualModelsClick() {
    PdmOnlyRun = 1;
    IndividualModelsEntered = 1;
    const FlagClearedOnExit onlyRunDone(PdmOnlyRun);
    OpenDilutionPagesAlone();
}

void TScrMain::FlushImageClick() {
    if (FlushSelected != 1) {
        forms::ShowMessage("Down the Drain was not selected in the Pchem/Fate Page.", "Note");
        return;
    }
    OpenDisposalForm();
}

void TScrMain::RunKivClick() {
    if (KivSelected != 1) {
        forms::ShowMessage("You did not select KIV in the Pchem/Fate page.", "Note");
        return;
    }
    if (std::optional<std::string> program = LocateConsumerModel())
        RunConsumerModel(*program);
}

void TScrMain::BitBtn1Click() {
    Close();
}

void TScrMain::FateHelpClick() {
    forms::Ui().ShowHelp("Screening_Level_Main_Page");
}
