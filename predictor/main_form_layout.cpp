// TMainForm's layout: the release panel, the three pages of inputs, the results and buttons.
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>

#include "predictor/main_form.h"

namespace {

// A value shown, not edited: on the window's own colour, so it does not look like an input.
forms::TEdit* ReadOnlyEdit(QWidget* parent) {
    auto* edit = new forms::TEdit(parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setMaximumWidth(110);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    return edit;
}

const EditedNumber* NumberFor(const char* field) {
    for (const EditedNumber& n : EditedNumbers()) {
        if (std::string(n.field) == field)
            return &n;
    }
    return nullptr;
}

void AddReadOnlyRow(QGridLayout* grid, int row, int column, QWidget* parent, forms::TEdit*& edit,
                    const char* unit) {
    edit = ReadOnlyEdit(parent);
    grid->addWidget(edit, row, column);
    grid->addWidget(new forms::TLabel(unit, parent), row, column + 1);
}

}  // namespace

void TMainForm::AddNumberRow(QWidget* page, QGridLayout* grid, int row, const char* caption,
                             forms::TEdit*& edit, forms::TComboBox*& units, const char* field,
                             std::vector<QWidget*>* group) {
    auto* label = new forms::TLabel(caption, page);
    edit = new forms::TEdit(page);
    edit->setMaximumWidth(130);
    units = new forms::TComboBox(page);
    units->setMinimumWidth(90);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(units, row, 2);
    numbers_.push_back({edit, units, NumberFor(field), ""});
    if (group) {
        group->push_back(label);
        group->push_back(edit);
        group->push_back(units);
    }
}

QWidget* TMainForm::BuildReleasePanel() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(new forms::TLabel("Chemical ID", panel), 0, 0);
    PMNNumber = new forms::TComboBox(panel);
    PMNNumber->setEnabled(false);
    PMNNumber->setMinimumWidth(160);
    grid->addWidget(PMNNumber, 0, 1, 1, 3);
    grid->addWidget(new forms::TLabel("Stack Release", panel), 1, 0);
    AddReadOnlyRow(grid, 1, 1, panel, IncinRel, "kg/site/day");
    AddReadOnlyRow(grid, 1, 3, panel, IncinRelDPY, "days/yr");
    AddReadOnlyRow(grid, 1, 5, panel, IncinPerc, "% removal via stack release");
    grid->addWidget(new forms::TLabel("Fugitive Releases", panel), 2, 0);
    AddReadOnlyRow(grid, 2, 1, panel, FugRel, "kg/site/day");
    AddReadOnlyRow(grid, 2, 3, panel, FugRelDPY, "days/yr");
    AddReadOnlyRow(grid, 2, 5, panel, FugPerc, "% removal via fugitive");
    // Kept for the row binding, never shown.
    auto* facLabel = new forms::TLabel("Facility Name", panel);
    FacName = ReadOnlyEdit(panel);
    auto* sitesLabel = new forms::TLabel("Number of Sites", panel);
    NumSites = ReadOnlyEdit(panel);
    for (QWidget* w : std::initializer_list<QWidget*>{facLabel, FacName, sitesLabel, NumSites})
        w->hide();
    grid->setColumnStretch(7, 1);
    return panel;
}

QWidget* TMainForm::BuildFacilityPage() {
    auto* page = new QWidget();
    auto* layout = new QVBoxLayout(page);
    auto* stackFrame = new QGroupBox("Stack Parameter Data", page);
    auto* stack = new QGridLayout(stackFrame);
    AddNumberRow(stackFrame, stack, 0, "Stack Height", StkHt, StkHtUnits, "STK_HT",
                 &stackControls_);
    AddNumberRow(stackFrame, stack, 1, "Inside Stack Diameter", StkDiam, StkDiamUnits, "STK_DIAM",
                 &stackControls_);
    AddNumberRow(stackFrame, stack, 2, "Stack Gas Exit Velocity", StkExitVel, StkExitVelUnits,
                 "STK_VEL", &stackControls_);
    AddNumberRow(stackFrame, stack, 3, "Stack Gas Temperature", StkExitTemp, StkExitTempUnits,
                 "STK_TEMP", &stackControls_);
    stackControls_.push_back(stackFrame);
    layout->addWidget(stackFrame);

    auto* ambient = new QGridLayout();
    AddNumberRow(page, ambient, 0, "Ambient Temperature", AmbTemp, AmbTempUnits, "AMB_TMP",
                 nullptr);
    layout->addLayout(ambient);

    auto* fugitiveFrame = new QGroupBox("Fugitive Parameter Data", page);
    auto* fugitive = new QGridLayout(fugitiveFrame);
    AddNumberRow(fugitiveFrame, fugitive, 0, "Release Height", FugRelHt, FugRelHtUnits, "FUGRELHT",
                 &fugitiveControls_);
    AddNumberRow(fugitiveFrame, fugitive, 1, "Length of Release Opening:", FieldLen, FieldLenUnits,
                 "FIELDLEN", &fugitiveControls_);
    AddNumberRow(fugitiveFrame, fugitive, 2, "Width of Release Opening:", FieldWidth,
                 FieldWidthUnits, "FIELDWIDTH", &fugitiveControls_);
    fugitiveControls_.push_back(fugitiveFrame);
    layout->addWidget(fugitiveFrame);
    layout->addStretch(1);
    return page;
}

QWidget* TMainForm::BuildWeatherPage() {
    auto* page = new QWidget();
    auto* grid = new QGridLayout(page);
    grid->addWidget(new forms::TLabel("Surrounding Land Use", page), 0, 0);
    LandUse = new forms::TComboBox(page);
    grid->addWidget(LandUse, 0, 1);
    AddNumberRow(page, grid, 1, "Terrain Height", TerrainHt, TerrainHtUnits, "TER_HT", nullptr);
    AddNumberRow(page, grid, 2, "Distance to Residence of Interest", Distance, DistanceUnits,
                 "NEAR_RES", nullptr);
    grid->addWidget(new forms::TLabel("Meteorological Class", page), 3, 0);
    MetClass = new forms::TComboBox(page);
    grid->addWidget(MetClass, 3, 1, 1, 2);
    auto* stabilityLabel = new forms::TLabel("Stability Class", page);
    StabClass = new forms::TComboBox(page);
    grid->addWidget(stabilityLabel, 4, 0);
    grid->addWidget(StabClass, 4, 1);
    stabilityControls_ = {stabilityLabel, StabClass};
    AddNumberRow(page, grid, 5, "Wind Speed", WindSpeed, WindSpeedUnits, "WNDSPD", &windControls_);
    Downwash = new forms::TCheckBox("Model Using Downwash", page);
    grid->addWidget(Downwash, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* TMainForm::BuildDownwashPage() {
    auto* page = new QWidget();
    auto* grid = new QGridLayout(page);
    AddNumberRow(page, grid, 0, "Facility Length", FacLen, FacLenUnits, "FACLEN", nullptr);
    AddNumberRow(page, grid, 1, "Facility Width", FacWid, FacWidthUnits, "FACWD", nullptr);
    AddNumberRow(page, grid, 2, "Facility Height", FacHt, FacHtUnits, "FACHT", nullptr);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* TMainForm::BuildResultsPanel() {
    auto* panel = new QGroupBox("Results", this);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(new forms::TLabel("Stack", panel), 0, 1);
    grid->addWidget(new forms::TLabel("Fugitive", panel), 0, 2);
    grid->addWidget(new forms::TLabel("Max annual avg concentration:", panel), 1, 0);
    grid->addWidget(new forms::TLabel("Max 24 hour avg concentration:", panel), 2, 0);
    Results = ReadOnlyEdit(panel);
    ResultsAcute = ReadOnlyEdit(panel);
    ResultsFug = ReadOnlyEdit(panel);
    ResultsAcuteFug = ReadOnlyEdit(panel);
    for (forms::TEdit* e : {Results, ResultsAcute, ResultsFug, ResultsAcuteFug}) {
        e->setAlignment(Qt::AlignRight);
        e->hide();
    }
    grid->addWidget(Results, 1, 1);
    grid->addWidget(ResultsFug, 1, 2);
    grid->addWidget(ResultsAcute, 2, 1);
    grid->addWidget(ResultsAcuteFug, 2, 2);
    grid->addWidget(new forms::TLabel("mg/m3", panel), 1, 3);
    grid->addWidget(new forms::TLabel("mg/m3", panel), 2, 3);
    grid->setColumnStretch(4, 1);
    return panel;
}

void TMainForm::BuildLayout() {
    Label1 = new forms::TLabel("", this);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setWordWrap(true);
    PageControl1 = new QTabWidget(this);
    FacData = BuildFacilityPage();
    MetData = BuildWeatherPage();
    DownwashData = BuildDownwashPage();
    PageControl1->addTab(FacData, "Release Information");
    PageControl1->addTab(MetData, "Meteorological and Terrain Information");
    PageControl1->addTab(DownwashData, "Downwash Information");
    PageControl1->setTabVisible(2, false);
    Submit = new forms::TButton("Submit to PLUMO3 Model", this);
    BitBtn1 = new forms::TButton("Return", this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(BuildReleasePanel());
    layout->addWidget(PageControl1, 1);
    layout->addWidget(BuildResultsPanel());
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(Submit);
    buttons->addWidget(BitBtn1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(760, 640);

    Submit->OnClick = [this] { SubmitClick(); };
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    PMNNumber->OnChange = [this] { ChangePMN(); };
    MetClass->OnChange = [this] { ShowMetParams(); };
    Downwash->OnClick = [this] { ShowDownwash(); };
}
