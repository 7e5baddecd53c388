// TScrLevelForm: the pages and components of the screening-level input form, laid out in code.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "releases/scr_level_form.h"

namespace {

forms::TEdit* NumberEdit(QWidget* parent, int width = 110) {
    auto* edit = new forms::TEdit(parent);
    edit->setMaximumWidth(width);
    return edit;
}

forms::TEdit* ReadOnlyEdit(QWidget* parent, int width = 110) {
    forms::TEdit* edit = NumberEdit(parent, width);
    edit->setReadOnly(true);
    return edit;
}

// A row of a form layout: caption, the edit and its unit.
void AddRow(QGridLayout* grid, int row, const char* caption, QWidget* edit, const char* unit) {
    grid->addWidget(new forms::TLabel(caption), row, 0);
    grid->addWidget(edit, row, 1);
    if (unit && *unit)
        grid->addWidget(new forms::TLabel(unit), row, 2);
}

forms::TStringGrid* Grid(QWidget* parent, int cols) {
    auto* grid = new forms::TStringGrid(parent);
    grid->SetColCount(cols);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(18);
    return grid;
}

}  // namespace

void TScrLevelForm::BuildLayout() {
    SetCaption("Screening Level Inputs");
    setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(this);
    ScreenPages = new QTabWidget(this);
    layout->addWidget(ScreenPages);

    GenPopSheet = BuildGenPopSheet();
    ScreenPages->addTab(GenPopSheet, "Gen Pop Info");

    ReleaseInfoPage = new QWidget();
    auto* releaseLayout = new QVBoxLayout(ReleaseInfoPage);
    ReleaseInfoPages = new QTabWidget(ReleaseInfoPage);
    releaseLayout->addWidget(ReleaseInfoPages);
    GenReleaseInfo = BuildGenReleaseInfo();
    SelectFacilityPage = BuildFacilityPage();
    SelectSicCodePage = BuildSicPage();
    ReleaseInfoPages->addTab(GenReleaseInfo, "General Release Info");
    ReleaseInfoPages->addTab(SelectFacilityPage, "Select a facility");
    ReleaseInfoPages->addTab(SelectSicCodePage, "Select an SIC Code");
    ScreenPages->addTab(ReleaseInfoPage, "Release Info Page");

    ExpFactorsPage = BuildExpFactorsPage();
    ScreenPages->addTab(ExpFactorsPage, "Exposure Factors");

    Button1 = new forms::TButton("Button1", this);
    Button1->setToolTip("brings in direct data from an outside dbf file");
    Button2 = new forms::TButton("Button2", this);
    Button3 = new forms::TButton("Button3", this);
    for (forms::TButton* tool : {Button1, Button2, Button3})
        tool->hide();
}

QWidget* TScrLevelForm::BuildGenPopSheet() {
    auto* page = new QWidget();
    auto* layout = new QVBoxLayout(page);
    auto* idRow = new QHBoxLayout();
    ChemId = new QComboBox(page);
    ChemId->hide();
    idRow->addWidget(new forms::TLabel("Chemical ID:", page));
    ChemId1 = new forms::TEdit(page);
    ChemId1->setReadOnly(true);
    idRow->addWidget(ChemId);
    idRow->addWidget(ChemId1);
    idRow->addStretch();
    layout->addLayout(idRow);

    auto* health = new QGroupBox("Health Concerns", page);
    auto* healthLayout = new QVBoxLayout(health);
    Cancer = new forms::TCheckBox("Cancer", health);
    Chronic = new forms::TCheckBox("Chronic non-cancer", health);
    Acute = new forms::TCheckBox("Acute", health);
    for (forms::TCheckBox* box : {Cancer, Chronic, Acute}) {
        box->setChecked(true);
        healthLayout->addWidget(box);
    }
    layout->addWidget(health);

    auto* population = new QGroupBox("Exposed Population", page);
    auto* popLayout = new QVBoxLayout(population);
    Adult = new forms::TRadioButton("Adult", population);
    Youth = new forms::TRadioButton("Youth(age 16-20)", population);
    YouthNew = new forms::TRadioButton("Youth(age 11-15)", population);
    Child = new forms::TRadioButton("Child (age 6-10)", population);
    Toddler = new forms::TRadioButton("Small Child (age 3-5)", population);
    Infant1_2 = new forms::TRadioButton("Infant (age 1-2)", population);
    Infant1 = new forms::TRadioButton("Infant(age < 1)", population);
    ageRadios_ = {Adult, Youth, Child, Toddler, Infant1_2, Infant1, YouthNew};
    for (forms::TRadioButton* radio : {Adult, Youth, YouthNew, Child, Toddler, Infant1_2, Infant1})
        popLayout->addWidget(radio);
    Adult->setChecked(true);
    layout->addWidget(population);

    ExposureBased = new forms::TCheckBox("Exposure based evaluation", page);
    Persistent = new forms::TCheckBox("Persistent, bioaccumulative evaluation", page);
    layout->addWidget(ExposureBased);
    layout->addWidget(Persistent);
    auto* buttons = new QHBoxLayout();
    BitBtn2 = new forms::TButton("Continue", page);
    GenPopHelp = new forms::TButton("Help", page);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(GenPopHelp);
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

QWidget* TScrLevelForm::BuildGenReleaseInfo() {
    auto* page = new QWidget();
    auto* layout = new QHBoxLayout(page);

    auto* left = new QVBoxLayout();
    ChemList = Grid(page, 1);
    ChemList->setColumnWidth(0, 160);
    ChemList->setMaximumWidth(190);
    left->addWidget(ChemList, 1);
    NextReleaseActivity = new forms::TButton("Next Release Activity", page);
    DelRelease = new forms::TButton("Delete selected run", page);
    left->addWidget(NextReleaseActivity);
    left->addWidget(DelRelease);
    BadPdms = Grid(page, 1);
    BadPdms->SetRowCount(60);
    BadPdms->hide();
    layout->addLayout(left);

    auto* right = new QVBoxLayout();
    auto* top = new QGridLayout();
    top->addWidget(new forms::TLabel("Enter Release Activity Below:", page), 0, 0);
    IndustryType = new forms::TMemo(page);
    IndustryType->setMaximumHeight(48);
    top->addWidget(IndustryType, 1, 0, 1, 3);
    top->addWidget(new forms::TLabel("# Sites", page), 2, 0);
    NumSites = new QSpinBox(page);
    NumSites->setRange(1, 100000);
    NumSites->setMaximumWidth(110);
    top->addWidget(NumSites, 2, 1);
    top->addWidget(new forms::TLabel("(# sites with identical releases)", page), 2, 2);
    SurfWaterCheck = new forms::TCheckBox("Surface water", page);
    LandfillCheck = new forms::TCheckBox("Landfill", page);
    FugitiveCheck = new forms::TCheckBox("Ambient air", page);
    IncinerationCheck = new forms::TCheckBox("Incineration", page);
    IncinerationCheck->hide();
    auto* kinds = new QHBoxLayout();
    for (forms::TCheckBox* box : {SurfWaterCheck, LandfillCheck, FugitiveCheck})
        kinds->addWidget(box);
    kinds->addStretch();
    top->addLayout(kinds, 3, 0, 1, 3);
    right->addLayout(top);

    ReleasePages = new QTabWidget(page);
    SWTab = BuildSurfaceWaterTab();
    LandfillTab = BuildLandfillTab();
    AirTab = BuildAirTab();
    ReleasePages->addTab(SWTab, "Surface Water");
    ReleasePages->addTab(LandfillTab, "Landfill");
    ReleasePages->addTab(AirTab, "Ambient Air");
    right->addWidget(ReleasePages, 100);
    // Takes the room of the release tabs while none is open, so the page keeps its shape.
    right->addStretch(1);

    right->addWidget(new forms::TLabel("Remarks:", page));
    RemarksInp = new forms::TMemo(page);
    RemarksInp->setMaximumHeight(48);
    right->addWidget(RemarksInp);
    auto* buttons = new QHBoxLayout();
    GenRelInfoContinue = new forms::TButton(
        "Release activities completed?  Continue to Exposure Factors page", page);
    BitBtn1 = new forms::TButton("Help", page);
    BitBtn3 = new forms::TButton("Calculate, save results, and display results pages", page);
    BitBtn3->hide();
    buttons->addWidget(GenRelInfoContinue);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    right->addLayout(buttons);
    layout->addLayout(right, 1);
    return page;
}

QWidget* TScrLevelForm::BuildSurfaceWaterTab() {
    auto* tab = new QWidget();
    auto* layout = new QGridLayout(tab);
    FacilityRel = NumberEdit(tab);
    SurfDays = NumberEdit(tab, 70);
    AddRow(layout, 0, "Release", FacilityRel, "kg/site/day");
    AddRow(layout, 1, "Days per year of Release:", SurfDays, "days/yr");
    NoWater = new forms::TCheckBox("No dose calculations required", tab);
    DoPdm = new forms::TCheckBox("Include PDM run", tab);
    layout->addWidget(NoWater, 2, 0, 1, 2);
    layout->addWidget(DoPdm, 3, 0, 1, 2);

    auto* choice = new QGroupBox("Choose facility or SIC code analysis:", tab);
    auto* choiceLayout = new QGridLayout(choice);
    FacilityRadio = new forms::TRadioButton("Facility", choice);
    SicRadio = new forms::TRadioButton("SIC Code", choice);
    NpdesGri = new forms::TEdit(choice);
    FacName = new forms::TEdit(choice);
    SicDescGri = new forms::TEdit(choice);
    SicDescGri->setReadOnly(true);
    choiceLayout->addWidget(FacilityRadio, 0, 0);
    choiceLayout->addWidget(new forms::TLabel("NPDES:", choice), 0, 1);
    choiceLayout->addWidget(NpdesGri, 0, 2);
    choiceLayout->addWidget(FacName, 1, 2);
    choiceLayout->addWidget(SicRadio, 2, 0);
    choiceLayout->addWidget(SicDescGri, 2, 2);
    ActInactGenRel = new forms::TLabel("", choice);
    choiceLayout->addWidget(ActInactGenRel, 3, 2);
    layout->addWidget(choice, 4, 0, 1, 4);

    PdmAnalysis = new QGroupBox("Select PDM Analysis", tab);
    auto* pdmLayout = new QVBoxLayout(PdmAnalysis);
    AvePdm = new forms::TRadioButton("Average  PDM Analysis (SIC Code)", PdmAnalysis);
    HiEndPdm = new forms::TRadioButton("High-end PDM Analysis (SIC Code)", PdmAnalysis);
    pdmLayout->addWidget(AvePdm);
    pdmLayout->addWidget(HiEndPdm);
    AvePdm->setChecked(true);
    layout->addWidget(PdmAnalysis, 5, 0, 1, 2);

    CocLabel = new forms::TLabel("Concentration(s) of Concern:", tab);
    Label24 = new forms::TLabel("(enter up to three values)", tab);
    CocUnitLabel = new forms::TLabel("ug/L", tab);
    Coc0 = NumberEdit(tab, 90);
    Coc1 = NumberEdit(tab, 90);
    Coc2 = NumberEdit(tab, 90);
    layout->addWidget(CocLabel, 6, 0);
    layout->addWidget(Label24, 7, 0);
    auto* cocs = new QHBoxLayout();
    for (forms::TEdit* edit : {Coc0, Coc1, Coc2})
        cocs->addWidget(edit);
    cocs->addWidget(CocUnitLabel);
    layout->addLayout(cocs, 6, 1, 1, 3);

    Critters =
        new forms::TCheckBox("Search for endangered species in the vicinity of this facility", tab);
    layout->addWidget(Critters, 8, 0, 1, 4);
    SwMemoButton = new forms::TButton("SW Comment", tab);
    ModifyFlows = new forms::TButton("Modify Flows", tab);
    ModifyFlows->hide();
    layout->addWidget(SwMemoButton, 9, 0);
    layout->setRowStretch(10, 1);
    layout->setColumnStretch(3, 1);
    return tab;
}

QWidget* TScrLevelForm::BuildLandfillTab() {
    auto* tab = new QWidget();
    auto* layout = new QGridLayout(tab);
    LandfillRel = NumberEdit(tab);
    NonSludgeDays = NumberEdit(tab, 70);
    SludgeRel = NumberEdit(tab);
    SludgeDays = NumberEdit(tab, 70);
    layout->addWidget(new forms::TLabel("kg/site/day", tab), 0, 1);
    layout->addWidget(new forms::TLabel("days/yr", tab), 0, 2);
    layout->addWidget(new forms::TLabel("Non-sludge:", tab), 1, 0);
    layout->addWidget(LandfillRel, 1, 1);
    layout->addWidget(NonSludgeDays, 1, 2);
    layout->addWidget(new forms::TLabel("Sludge:", tab), 2, 0);
    layout->addWidget(SludgeRel, 2, 1);
    layout->addWidget(SludgeDays, 2, 2);
    NoLand = new forms::TCheckBox("No dose calculations required", tab);
    LandfillMemoButton = new forms::TButton("Landfill Comment", tab);
    layout->addWidget(NoLand, 3, 0, 1, 3);
    layout->addWidget(LandfillMemoButton, 4, 0);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(3, 1);
    return tab;
}

QWidget* TScrLevelForm::BuildAirTab() {
    auto* tab = new QWidget();
    auto* layout = new QGridLayout(tab);
    Incinerate = NumberEdit(tab);
    IncinDays = NumberEdit(tab, 70);
    FugitiveRel = NumberEdit(tab);
    FugDays = NumberEdit(tab, 70);
    layout->addWidget(new forms::TLabel("kg/site/day", tab), 0, 1);
    layout->addWidget(new forms::TLabel("days/yr", tab), 0, 2);
    layout->addWidget(new forms::TLabel("Stack Releases:", tab), 1, 0);
    layout->addWidget(Incinerate, 1, 1);
    layout->addWidget(IncinDays, 1, 2);
    layout->addWidget(new forms::TLabel("Fugitive Releases:", tab), 2, 0);
    layout->addWidget(FugitiveRel, 2, 1);
    layout->addWidget(FugDays, 2, 2);
    StackUnits = new QComboBox(tab);
    FugitiveUnits = new QComboBox(tab);
    for (QComboBox* units : {StackUnits, FugitiveUnits}) {
        units->addItems({"kg/site/day", "lbs/site/day", "kg/site/yr", "lbs/site/yr"});
        units->hide();
    }
    CalcAirConc = new forms::TButton("Calculate Air Concentration", tab);
    layout->addWidget(CalcAirConc, 3, 0, 1, 2);

    AirConcRel = ReadOnlyEdit(tab);
    AirConcAcuteRel = ReadOnlyEdit(tab);
    AirConcRelFug = ReadOnlyEdit(tab);
    AirConcAcuteRelFug = ReadOnlyEdit(tab);
    layout->addWidget(new forms::TLabel("Stack (mg/m3)", tab), 4, 1);
    layout->addWidget(new forms::TLabel("Fugitive (mg/m3)", tab), 4, 2);
    layout->addWidget(new forms::TLabel("Max annual avg air concentration:", tab), 5, 0);
    layout->addWidget(AirConcRel, 5, 1);
    layout->addWidget(AirConcRelFug, 5, 2);
    layout->addWidget(new forms::TLabel("Max 24 hr avg air concentration:", tab), 6, 0);
    layout->addWidget(AirConcAcuteRel, 6, 1);
    layout->addWidget(AirConcAcuteRelFug, 6, 2);
    NoAir = new forms::TCheckBox("No dose calculations required", tab);
    FugCommentButton = new forms::TButton("Inhalation Comment", tab);
    layout->addWidget(NoAir, 7, 0, 1, 3);
    layout->addWidget(FugCommentButton, 8, 0);
    Downwash = new forms::TCheckBox("Downwash", tab);
    MetClass = new forms::TLabel("Full", tab);
    StabClass = new forms::TLabel("0", tab);
    for (QWidget* carrier : std::initializer_list<QWidget*>{Downwash, MetClass, StabClass})
        carrier->hide();
    layout->setRowStretch(9, 1);
    layout->setColumnStretch(3, 1);
    return tab;
}

QWidget* TScrLevelForm::BuildFacilityPage() {
    auto* page = new QWidget();
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout();
    SearchField = new QComboBox(page);
    SearchField->addItems({"NPDES", "Facility name", "SIC Code", "Reach #"});
    SearchFor = new forms::TEdit(page);
    PerformSearch = new forms::TButton("Perform search for facilities", page);
    row->addWidget(new forms::TLabel("Search by:", page));
    row->addWidget(SearchField);
    row->addWidget(new forms::TLabel("Search for:", page));
    row->addWidget(SearchFor);
    row->addWidget(PerformSearch);
    layout->addLayout(row);
    auto* area = new QHBoxLayout();
    ByState = new forms::TRadioButton("Search by state", page);
    ByRegion = new forms::TRadioButton("Search by region", page);
    AreaLabel = new forms::TLabel("Area of initial search", page);
    SearchArea = new QComboBox(page);
    ByState->setChecked(true);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ByState, ByRegion, AreaLabel, SearchArea})
        area->addWidget(widget);
    area->addStretch();
    layout->addLayout(area);
    layout->addWidget(new forms::TLabel(
        "An NPDES number has two letters for the state and seven digits. Double click a "
        "facility to choose it.",
        page));
    FacilityGrid = Grid(page, 8);
    const int widths[] = {80, 193, 208, 91, 132, 80, 80, 80};
    for (int col = 0; col < 8; ++col)
        FacilityGrid->setColumnWidth(col, widths[col]);
    FacilityGrid->hide();
    layout->addWidget(FacilityGrid, 100);
    layout->addStretch(1);
    auto* gage = new QHBoxLayout();
    Label221 = new forms::TLabel("Gaging Station", page);
    GageList = new QComboBox(page);
    BitBtn4 = new forms::TButton("Select this Gaging Station", page);
    FacilityHelp = new forms::TButton("Help", page);
    for (QWidget* widget : std::initializer_list<QWidget*>{Label221, GageList, BitBtn4})
        gage->addWidget(widget), widget->hide();
    gage->addStretch();
    gage->addWidget(FacilityHelp);
    layout->addLayout(gage);
    return page;
}

QWidget* TScrLevelForm::BuildSicPage() {
    auto* page = new QWidget();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new forms::TLabel("Double click an industry category to choose it.", page));
    SICGrid = Grid(page, 1);
    SICGrid->setColumnWidth(0, 520);
    layout->addWidget(SICGrid, 1);
    auto* buttons = new QHBoxLayout();
    SicHelp = new forms::TButton("Help", page);
    buttons->addStretch();
    buttons->addWidget(SicHelp);
    layout->addLayout(buttons);
    return page;
}

QWidget* TScrLevelForm::BuildExpFactorsPage() {
    auto* page = new QWidget();
    auto* outer = new QVBoxLayout(page);
    auto* grid = new QGridLayout();
    expGrid_ = grid;
    ChemIDExp = ReadOnlyEdit(page, 160);
    BwExp = NumberEdit(page);
    EdCExp = NumberEdit(page);
    EdNCExp = NumberEdit(page);
    AtCExp = NumberEdit(page);
    AtNCExp = NumberEdit(page);
    DwCExp = NumberEdit(page);
    DwAExp = NumberEdit(page);
    FishCExp = NumberEdit(page);
    FishAExp = NumberEdit(page);
    InhaleExp = NumberEdit(page);
    AddRow(grid, 0, "Chemical ID:", ChemIDExp, "");
    AddRow(grid, 1, "Body weight:", BwExp, "kg");
    AddRow(grid, 2, "Exposure duration (cancer):", EdCExp, "years");
    AddRow(grid, 3, "Exposure duration (non cancer):", EdNCExp, "years");
    AddRow(grid, 4, "Averaging time (cancer):", AtCExp, "years");
    AddRow(grid, 5, "Averaging time (non cancer):", AtNCExp, "years");
    AddRow(grid, 6, "Drinking water ingestion (chronic):", DwCExp, "L/day");
    AddRow(grid, 7, "Drinking water ingestion (acute):", DwAExp, "L/day");
    AddRow(grid, 8, "Fish ingestion (chronic):", FishCExp, "g/day");
    AddRow(grid, 9, "Fish ingestion (acute):", FishAExp, "g/day");
    AddRow(grid, 10, "Inhalation rate*:", InhaleExp, "m3/hr");
    grid->setColumnStretch(3, 1);
    outer->addLayout(grid);
    outer->addWidget(new forms::TLabel("*  24 hour/day exposure period is assumed", page));
    // The non-cancer duration and averaging time are kept but never shown.
    for (int row : {3, 5}) {
        for (int col = 0; col < 3; ++col) {
            if (QLayoutItem* item = grid->itemAtPosition(row, col))
                item->widget()->hide();
        }
    }
    auto* buttons = new QHBoxLayout();
    ExpFactorContinue =
        new forms::TButton("Calculate, save results, and display results pages", page);
    ExpFactorHelp = new forms::TButton("Help", page);
    buttons->addWidget(ExpFactorContinue);
    buttons->addStretch();
    buttons->addWidget(ExpFactorHelp);
    outer->addLayout(buttons);
    outer->addStretch();
    return page;
}
