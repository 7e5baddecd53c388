// TIntro: the introductory screen, the main form and the hub of the main program.
#include "shell/intro.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "chemistry/astreat_values.h"
#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"
#include "scenario/case_choices.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "shell/about.h"
#include "shell/data_drive.h"
#include "shell/scr_main.h"
#include "shell/startup.h"

TIntro* Intro = nullptr;

void ShowNotAvailable(const std::string& screen) {
    forms::ShowMessage(screen + " is not available in this version.", "Note");
}

TIntro::TIntro() {
    Intro = this;
    BuildLayout();
    BuildMenu();
}

TIntro::~TIntro() {
    if (Intro == this)
        Intro = nullptr;
}

void TIntro::BuildLayout() {
    SetCaption("Ombrix (2014) Introductory Screen");
    setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(this);

    auto* product = new forms::TLabel("Ombrix (2014)", this);
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 12);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    auto* version = new forms::TLabel("Version 2014", this);
    version->setAlignment(Qt::AlignCenter);
    auto* date = new forms::TLabel("May, 2014", this);
    date->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(date);

    CasSelect = new forms::TButton(
        "Select a Chemical ID and modify its physical-chemical and fate properties before "
        "continuing to any module",
        this);
    layout->addWidget(CasSelect);

    Panel152 = new TClickPanel(this);
    Panel152->setToolTip("Continue to the Screening Level Page");
    SmokeStack = new TImage("pictures/smokestack.jpg", Panel152);
    Panel152->layout()->addWidget(SmokeStack);
    Memo7 = Panel152->AddLabel("Models for Screening-Level Exposure Estimates");
    layout->addWidget(Panel152, 1);

    auto* buttons = new QHBoxLayout();
    BitBtn4 = new forms::TButton("Help", this);
    AboutButton = new forms::TButton("About", this);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addWidget(AboutButton);
    layout->addLayout(buttons);

    CasSelect->OnClick = [this] { CasSelectClick(); };
    Panel152->OnClick = [this] { SmokeStackClick(); };
    SmokeStack->OnClick = [this] { SmokeStackClick(); };
    BitBtn4->OnClick = [this] { BitBtn4Click(); };
    AboutButton->OnClick = [this] { AboutButtonClick(); };
}

void TIntro::BuildMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->addAction("Change Data Drive", [this] { ChangeDataDrive1Click(); });
    QMenu* help = MainMenu1->addMenu("Help");
    help->addAction("Topics", [this] { Topics1Click(); });
    help->addAction("About", [this] { AboutButtonClick(); });
    MainMenu1->addAction("Quit", [this] { Quit1Click(); });
    layout()->setMenuBar(MainMenu1);
}

void TIntro::FormShow() {
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TIntro::FormActivate() {
    if (started_)
        return;
    started_ = true;
    if (!RunStartupWork()) {
        startupAbandoned_ = true;
        Close();
        return;
    }
    startupDone_ = true;
}

void TIntro::FormClose() {
    CloseStartupLookupTables();
}

void TIntro::CasSelectClick() {
    // The properties screen starts from a valid facility in DirectRec and ReachRec.
    LoadFacility("NY0020371", "NPDES");
    AsTreatRunFresh = 0;
    AsTreatRunDone = 0;
    // A new visit of the properties screen starts the treatment model's influent afresh.
    AsTreatInfluentConc = 0;
    TPchemFate screen;
    screen.ShowModal();
}

void TIntro::SmokeStackClick() {
    if (CurrentPmn.CaseNum.empty()) {
        forms::ShowMessage(
            "You must select a Chemical ID first.\nPress 'OK' to select a Chemical ID.", "Note");
        CasSelectClick();
        return;
    }
    if (ScrMain)
        ScrMain->ShowModal();
}

void TIntro::AboutButtonClick() {
    TAbout1Box box;
    box.ShowModal();
}

void TIntro::ChangeDataDrive1Click() {
    if (!DataDriveForm)
        return;
    DataDriveForm->DriveMode = "DATA";
    DataDriveForm->ShowModal();
}

void TIntro::BitBtn4Click() {
    forms::Ui().ShowHelp("Introduction");
}

void TIntro::Topics1Click() {
    forms::Ui().ShowHelp("Contents");
}

void TIntro::Quit1Click() {
    Close();
}

void TIntro::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    forms::Form::keyPressEvent(event);
}
