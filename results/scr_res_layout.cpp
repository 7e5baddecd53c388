// The pages of the results form, laid out in code.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QVBoxLayout>

#include "dilution/industry_categories.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"

namespace {

const char* const kRowNames[3] = {"Ladd", "Ladc", "Adr"};
const char* const kRowTitles[3] = {"LADDpot", "LADCpot", "ADRpot"};

forms::TLabel* BoldLabel(QWidget* parent, const std::string& text) {
    auto* label = new forms::TLabel(text, parent);
    label->setStyleSheet("font-weight: bold");
    return label;
}

QWidget* NewTab(QTabWidget* tabs, const std::string& caption) {
    auto* page = new QWidget(tabs);
    tabs->addTab(page, QString::fromStdString(caption));
    return page;
}

// A page: its title over the release list on the left and the content on the right.
QHBoxLayout* PageFrame(QWidget* page, const std::string& title) {
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(BoldLabel(page, title));
    auto* row = new QHBoxLayout();
    outer->addLayout(row, 1);
    return row;
}

}  // namespace

TScrResForm::TScrResForm() {
    ScrResForm = this;
    Inputs = InputsFromReleaseForm();
    BuildLayout();
    AddPrintButtons();
}

TScrResForm::~TScrResForm() {
    if (ScrResForm == this)
        ScrResForm = nullptr;
}

forms::TEdit* TScrResForm::Field(const std::string& name) const {
    auto found = fields_.find(name);
    return found == fields_.end() ? nullptr : found->second;
}

std::string TScrResForm::FieldText(const std::string& name) const {
    const forms::TEdit* edit = Field(name);
    return edit ? edit->Text() : "";
}

void TScrResForm::BuildLayout() {
    SetCaption("Screening Level Results");
    resize(1100, 720);
    auto* layout = new QVBoxLayout(this);
    ScrResults = new QTabWidget(this);
    layout->addWidget(ScrResults, 1);
    BuildProgressPage();
    BuildEnvReleasePage();
    BuildRiverPage();
    BuildSicPage();
    BuildLakePage();
    BuildInhalationPage();
    BuildLandfillPage();
    BuildPdmSitePage();
    BuildPdmSicPage();
    auto* bottom = new QHBoxLayout();
    bottom->addStretch(1);
    BitBtn1 = new forms::TButton("Close", this);
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    bottom->addWidget(BitBtn1);
    layout->addLayout(bottom);
    QObject::connect(ScrResults, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget* page = ScrResults->widget(index);
        if (ResultsRunBusy)
            return;
        if (page == SurfWaterResPage)
            SurfWaterResPageShow();
        else if (page == SicPage)
            SicPageShow();
        else if (page == LakesPage)
            LakesPageShow();
        else if (page == FugitivePage)
            FugitivePageShow();
        else if (page == LandfillPage)
            LandfillPageShow();
        else if (page == PdmSitePage)
            PdmSitePageEnter();
        else if (page == PdmSicPage)
            PdmSicPageEnter();
    });
}

forms::TStringGrid* TScrResForm::AddReleaseList(QWidget* page, const std::string& name,
                                                void (TScrResForm::*handler)(int, int)) {
    auto* grid = new forms::TStringGrid(page);
    grid->setObjectName(QString::fromStdString(name));
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetCells(0, 0, "Chem ID/Rel #");
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 130);
    grid->setFixedWidth(150);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->OnSelectCell = [this, handler](int col, int row) { (this->*handler)(col, row); };
    return grid;
}

QWidget* TScrResForm::AddFields(QWidget* parent,
                                const std::vector<std::pair<std::string, std::string>>& f) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const auto& [name, label] : f) {
        auto* edit = new forms::TEdit(box);
        edit->setObjectName(QString::fromStdString(name));
        edit->setReadOnly(true);
        fields_[name] = edit;
        const int row = i / 2;
        const int col = (i % 2) * 2;
        grid->addWidget(new forms::TLabel(label, box), row, col);
        grid->addWidget(edit, row, col + 1);
        ++i;
    }
    grid->setRowStretch(i / 2 + 1, 1);
    return box;
}

QWidget* TScrResForm::AddDoseTable(QWidget* parent, const std::array<std::string, 3>& results,
                                   const std::string& suffix, const std::string& intakeTitle,
                                   const std::vector<std::array<std::string, 3>>& moreResults) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    std::vector<std::array<std::string, 3>> resultColumns = {results};
    resultColumns.insert(resultColumns.end(), moreResults.begin(), moreResults.end());
    const int extra = static_cast<int>(resultColumns.size()) - 1;
    const std::vector<std::string> titles =
        extra ? std::vector<std::string>{"50%ile Res.", "10%ile Res."}
              : std::vector<std::string>{"Results"};
    for (int c = 0; c <= extra; ++c)
        grid->addWidget(BoldLabel(box, titles[static_cast<size_t>(c)]), 0, 1 + c);
    const char* const kColumns[4] = {"Ed", "At", "Bw", "Ir"};
    const std::string kTitles[4] = {"ED (yrs)", "AT (yrs)", "BW (kg)", intakeTitle};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(BoldLabel(box, kTitles[c]), 0, 2 + extra + c);
    for (int row = 0; row < 3; ++row) {
        if (results[static_cast<size_t>(row)].empty())
            continue;
        grid->addWidget(new forms::TLabel(kRowTitles[row], box), row + 1, 0);
        auto addCell = [&](const std::string& name, int col) {
            auto* edit = new forms::TEdit(box);
            edit->setObjectName(QString::fromStdString(name));
            edit->setReadOnly(true);
            fields_[name] = edit;
            grid->addWidget(edit, row + 1, col);
        };
        for (int c = 0; c <= extra; ++c)
            addCell(resultColumns[static_cast<size_t>(c)][static_cast<size_t>(row)], 1 + c);
        for (int c = 0; c < 4; ++c)
            addCell(std::string(kColumns[c]) + kRowNames[row] + suffix, 2 + extra + c);
    }
    // The acute row's duration and averaging time are fixed texts of the table.
    if (forms::TEdit* ed = Field(std::string("EdAdr") + suffix))
        ed->SetText("NA");
    if (forms::TEdit* at = Field(std::string("AtAdr") + suffix))
        at->SetText("1 day");
    grid->setRowStretch(4, 1);
    return box;
}

QHBoxLayout* TScrResForm::AddPositionRadios(QWidget* parent, forms::TRadioButton*& yes,
                                            forms::TRadioButton*& no,
                                            forms::TRadioButton*& unknown) {
    auto* position = new QHBoxLayout();
    position->addWidget(new forms::TLabel("Facility on reach:", parent));
    yes = new forms::TRadioButton("Yes", parent);
    no = new forms::TRadioButton("No", parent);
    unknown = new forms::TRadioButton("Unk.", parent);
    for (auto* radio : {yes, no, unknown}) {
        radio->setEnabled(false);
        position->addWidget(radio);
    }
    return position;
}

forms::TButton* TScrResForm::AddButton(QWidget* parent, const std::string& caption,
                                       void (TScrResForm::*handler)()) {
    auto* button = new forms::TButton(caption, parent);
    button->OnClick = [this, handler] { (this->*handler)(); };
    return button;
}

void TScrResForm::BuildProgressPage() {
    Progress = new QWidget(ScrResults);
    ScrResults->addTab(Progress, "Progress");
    auto* layout = new QVBoxLayout(Progress);
    layout->addWidget(BoldLabel(Progress, "Calculating results for every release..."));
    OmbrixProgress = new QProgressBar(Progress);
    layout->addWidget(OmbrixProgress);
    Edit1 = new forms::TEdit(Progress);
    Edit1->setReadOnly(true);
    Edit1->hide();
    FilesList = new forms::TStringGrid(Progress);
    FilesList->SetColCount(1);
    FilesList->SetRowCount(60);
    FilesList->horizontalHeader()->hide();
    FilesList->setColumnWidth(0, 600);
    layout->addWidget(FilesList, 1);
}

void TScrResForm::BuildEnvReleasePage() {
    EnvRelResPage = new QWidget(ScrResults);
    ScrResults->addTab(EnvRelResPage, "Environmental Releases");
    QHBoxLayout* row = PageFrame(EnvRelResPage, "Environmental Release Results");
    ChemListEnvRel =
        AddReleaseList(EnvRelResPage, "ChemListEnvRel", &TScrResForm::ChemListEnvRelSelectCell);
    row->addWidget(ChemListEnvRel);
    EnvRelTabs = new QTabWidget(EnvRelResPage);
    row->addWidget(EnvRelTabs, 1);
    RelValPage = NewTab(EnvRelTabs, "Release Values");
    auto* values = new QVBoxLayout(RelValPage);
    values->addWidget(AddFields(
        RelValPage, {{"IndTypeEnvRel", "Release Activity:"},
                     {"NumSitesEnvRel", "Number of Sites:"},
                     {"TotWaterRelEnvRel", "Water, total (kg/yr):"},
                     {"PerSiteWaterRelEnvRel", "Water, per site (kg/site/day):"},
                     {"DaysWaterRelEnvRel", "Water, days/yr:"},
                     {"TotLandfillRelEnvRel", "Landfill, total (kg/yr):"},
                     {"PerSiteLandfillRelEnvRel", "Landfill, per site (non-sludge/sludge):"},
                     {"DaysLandfillEnvRel", "Landfill, days/yr (non-sludge/sludge):"},
                     {"TotIncinRelEnvRel", "Stack, total (kg/yr):"},
                     {"PerSiteIncinRelEnvRel", "Stack, per site (kg/site/day):"},
                     {"DaysStackRelEnvRel", "Stack, days/yr:"},
                     {"TotFugitiveRelEnvRel", "Fugitive, total (kg/yr):"},
                     {"PerSiteFugitiveRelEnvRel", "Fugitive, per site (kg/site/day):"},
                     {"DaysFugitiveRelEnvRel", "Fugitive, days/yr:"}}));
    values->addWidget(new forms::TLabel("Remarks:", RelValPage));
    RemarksEnvRel = new forms::TMemo(RelValPage);
    RemarksEnvRel->setReadOnly(true);
    values->addWidget(RemarksEnvRel);
    SpecEvalPage = NewTab(EnvRelTabs, "Special Evaluations");
    auto* evaluation = new QVBoxLayout(SpecEvalPage);
    CritExceededLabel = new forms::TLabel("Criteria Exceeded?", SpecEvalPage);
    evaluation->addWidget(CritExceededLabel);
    SpecGrid = new forms::TStringGrid(SpecEvalPage);
    SpecGrid->SetColCount(4);
    SpecGrid->SetRowCount(7);
    SpecGrid->horizontalHeader()->hide();
    SpecGrid->verticalHeader()->hide();
    SpecGrid->setColumnWidth(0, 330);
    SpecGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    evaluation->addWidget(SpecGrid, 1);
    EnvRelHelp = AddButton(EnvRelResPage, "Help", &TScrResForm::EnvRelHelpClick);
    EnvRelResPage->layout()->addWidget(EnvRelHelp);
}

void TScrResForm::BuildRiverPage() {
    SurfWaterResPage = new QWidget(ScrResults);
    ScrResults->addTab(SurfWaterResPage, "Rivers");
    QHBoxLayout* row = PageFrame(
        SurfWaterResPage, "Site-Specific Human And Aquatic Exposures to Surface Water Releases");
    ChemListSite =
        AddReleaseList(SurfWaterResPage, "ChemListSite", &TScrResForm::ChemListSiteSelectCell);
    row->addWidget(ChemListSite);
    RiverTabs = new QTabWidget(SurfWaterResPage);
    row->addWidget(RiverTabs, 1);
    SurfWater = NewTab(RiverTabs, "General Site Information");
    auto* general = new QVBoxLayout(SurfWater);
    general->addWidget(AddFields(SurfWater, {{"FacNameSite", "Facility Name:"},
                                             {"FacLocSite", "Facility Location:"},
                                             {"NpdesSite", "NPDES:"},
                                             {"ReachNumSite", "Reach Number:"},
                                             {"ReachNameSite", "Reach Name:"},
                                             {"IndTypeSite", "Release Activity:"},
                                             {"ExpPopSite", "Exposed Population:"},
                                             {"DischargeTypeSite", "Discharge:"},
                                             {"WwtSite", "WWT Removal (%):"},
                                             {"DwtSite", "DWT Removal (%):"},
                                             {"RelDaysSite", "Release Days:"},
                                             {"PreTreatSite", "Pre-treat (kg/site/day):"},
                                             {"PostTreatSite", "Post-treat (kg/site/day):"},
                                             {"BcfSite", "BCF (L/kg):"},
                                             {"HarMeanFlowSite", "Harmonic Mean Flow (MLD):"},
                                             {"HarMeanConcSite", "Harmonic Mean Conc. (ug/L):"},
                                             {"Flow30q5Site", "30Q5 Flow (MLD):"},
                                             {"Conc30q5Site", "30Q5 Conc. (ug/L):"},
                                             {"Flow7q10Site", "7Q10 Flow (MLD):"},
                                             {"Conc7q10Site", "7Q10 Conc. (ug/L):"},
                                             {"Flow1q10Site", "1Q10 Flow (MLD):"},
                                             {"Conc1q10Site", "1Q10 Conc. (ug/L):"}}));
    general->addLayout(AddPositionRadios(SurfWater, YesSite, NoSite, UnkSite));
    RiverMemo1 = new forms::TMemo(SurfWater);
    RiverMemo1->setReadOnly(true);
    RiverMemo1->setMaximumHeight(60);
    general->addWidget(RiverMemo1);
    DrinkingWaterInfo = NewTab(RiverTabs, "Drinking Water Information");
    (new QVBoxLayout(DrinkingWaterInfo))
        ->addWidget(AddDoseTable(DrinkingWaterInfo, {"DwLaddSite", "DwLadcSite", "DwAdrSite"},
                                 "Site", "IRdw (L/day)"));
    FishIngestionInfo = NewTab(RiverTabs, "Fish Ingestion Information");
    (new QVBoxLayout(FishIngestionInfo))
        ->addWidget(AddDoseTable(FishIngestionInfo, {"FishLaddSite", "FishLadcSite", "FishAdrSite"},
                                 "FSite", "IRfish (g/day)"));
    EndangeredSpecies = NewTab(RiverTabs, "Endangered Species");
    auto* species = new QVBoxLayout(EndangeredSpecies);
    NoSpeciesLabel =
        new forms::TLabel("No Endangered Species Listed for This Site", EndangeredSpecies);
    species->addWidget(NoSpeciesLabel);
    EndSpecSite = new forms::TStringGrid(EndangeredSpecies);
    species->addWidget(EndSpecSite, 1);
    RiverHelp = AddButton(SurfWaterResPage, "Help", &TScrResForm::RiverHelpClick);
    SurfWaterResPage->layout()->addWidget(RiverHelp);
}

void TScrResForm::BuildSicPage() {
    SicPage = new QWidget(ScrResults);
    ScrResults->addTab(SicPage, "SIC Code");
    QHBoxLayout* row =
        PageFrame(SicPage, "Sic Code Based Human and Aquatic Exposures to Surface Water Releases");
    ChemListSic = AddReleaseList(SicPage, "ChemListSic", &TScrResForm::ChemListSicSelectCell);
    row->addWidget(ChemListSic);
    SicTabs = new QTabWidget(SicPage);
    row->addWidget(SicTabs, 1);
    GenSicTab = NewTab(SicTabs, "General SIC Code Information");
    auto* general = new QVBoxLayout(GenSicTab);
    general->addWidget(AddFields(GenSicTab, {{"IndTypeSic", "Release Activity:"},
                                             {"ExpPopSic", "Exposed Population:"},
                                             {"SicDescSic", "Industry Category:"},
                                             {"SicCodesSic", "SIC Codes:"},
                                             {"WwtSic", "WWT Removal (%):"},
                                             {"DwtSic", "DWT Removal (%):"},
                                             {"RelDaysSic", "Release Days:"},
                                             {"BcfSic", "BCF (L/kg):"},
                                             {"PreTreatSic", "Pre-treat (kg/site/day):"},
                                             {"PostTreatSic", "Post-treat (kg/site/day):"},
                                             {"HarMeanFlow50Sic", "Harmonic Mean Flow 50% (MLD):"},
                                             {"HarMeanConc50Sic", "Conc. (ug/L):"},
                                             {"HarMeanFlow10Sic", "Harmonic Mean Flow 10% (MLD):"},
                                             {"HarMeanConc10Sic", "Conc. (ug/L):"},
                                             {"Flow30q5_50Sic", "30Q5 Flow 50% (MLD):"},
                                             {"Conc30q5_50Sic", "Conc. (ug/L):"},
                                             {"Flow30q5_10Sic", "30Q5 Flow 10% (MLD):"},
                                             {"Conc30q5_10Sic", "Conc. (ug/L):"},
                                             {"Flow7q10_50Sic", "7Q10 Flow 50% (MLD):"},
                                             {"Conc7q10_50Sic", "Conc. (ug/L):"},
                                             {"Flow7q10_10Sic", "7Q10 Flow 10% (MLD):"},
                                             {"Conc7q10_10Sic", "Conc. (ug/L):"},
                                             {"Flow1q10_50Sic", "1Q10 Flow 50% (MLD):"},
                                             {"Conc1q10_50Sic", "Conc. (ug/L):"},
                                             {"Flow1q10_10Sic", "1Q10 Flow 10% (MLD):"},
                                             {"Conc1q10_10Sic", "Conc. (ug/L):"}}));
    SicMemo1 = new forms::TMemo(GenSicTab);
    SicMemo1->setReadOnly(true);
    SicMemo1->setMaximumHeight(60);
    general->addWidget(SicMemo1);
    DwTab = NewTab(SicTabs, "Drinking Water Information");
    (new QVBoxLayout(DwTab))
        ->addWidget(AddDoseTable(DwTab, {"DwLadd50Sic", "DwLadc50Sic", "DwAdr50Sic"}, "Sic",
                                 "IRdw (L/day)", {{"DwLadd10Sic", "DwLadc10Sic", "DwAdr10Sic"}}));
    FishTab = NewTab(SicTabs, "Fish Ingestion Information");
    (new QVBoxLayout(FishTab))
        ->addWidget(AddDoseTable(FishTab, {"FishLadd50Sic", "FishLadc50aSic", "FishAdr50Sic"},
                                 "FSic", "IRfish (g/day)",
                                 {{"FishLadd10Sic", "FishLadc10Sic", "FishAdr10Sic"}}));
    SicHelp = AddButton(SicPage, "Help", &TScrResForm::SicHelpClick);
    SicPage->layout()->addWidget(SicHelp);
}

void TScrResForm::BuildLakePage() {
    LakesPage = new QWidget(ScrResults);
    ScrResults->addTab(LakesPage, "Lakes");
    QHBoxLayout* row = PageFrame(LakesPage,
                                 "Site-Specific Human and Aquatic Exposures to Surface Water "
                                 "Releases: Lakes, Bays, Estuaries, and Oceans");
    ChemListLakes =
        AddReleaseList(LakesPage, "ChemListLakes", &TScrResForm::ChemListLakesSelectCell);
    row->addWidget(ChemListLakes);
    LakeTabs = new QTabWidget(LakesPage);
    row->addWidget(LakeTabs, 1);
    GenLakeResultsPage = NewTab(LakeTabs, "General Lake Information");
    auto* general = new QVBoxLayout(GenLakeResultsPage);
    general->addWidget(
        AddFields(GenLakeResultsPage, {{"FacNameLake", "Facility Name:"},
                                       {"FacLocLake", "Facility Location:"},
                                       {"NpdesLake", "NPDES:"},
                                       {"ReachNumLake", "Reach Number:"},
                                       {"ReachNameLake", "Reach Name:"},
                                       {"IndTypeLake", "Release Activity:"},
                                       {"ExpPopLake", "Exposed Population:"},
                                       {"DischargeTypeLake", "Discharge:"},
                                       {"WwtLake", "WWT Removal (%):"},
                                       {"RelDaysLake", "Release Days:"},
                                       {"PreTreatLake", "Pre-treat (kg/site/day):"},
                                       {"PostTreatLake", "Post-treat (kg/site/day):"},
                                       {"BcfLake", "BCF (L/kg):"}}));
    general->addLayout(AddPositionRadios(GenLakeResultsPage, YesLake, NoLake, UnkLake));
    LakeMemo1 = new forms::TMemo(GenLakeResultsPage);
    LakeMemo1->setReadOnly(true);
    LakeMemo1->setMaximumHeight(60);
    general->addWidget(LakeMemo1);
    FishLakesPage = NewTab(LakeTabs, "Fish Ingestion Information");
    (new QVBoxLayout(FishLakesPage))
        ->addWidget(AddDoseTable(FishLakesPage, {"FishLaddLake", "FishLadcLake", "FishAdrLake"},
                                 "Lake", "IRfish (g/day)"));
    LakeDilutionPage = NewTab(LakeTabs, "Dilution");
    (new QVBoxLayout(LakeDilutionPage))
        ->addWidget(AddFields(LakeDilutionPage, {{"AcuteDilFactor", "Acute Dilution Factor:"},
                                                 {"ChronicDilFactor", "Chronic Dilution Factor:"},
                                                 {"AcuteConc", "Acute Conc. (ug/L):"},
                                                 {"ChronicConc", "Chronic Conc. (ug/L):"}}));
    EndSpeciesLake = NewTab(LakeTabs, "Endangered Species");
    EndSpecLake = new forms::TStringGrid(EndSpeciesLake);
    (new QVBoxLayout(EndSpeciesLake))->addWidget(EndSpecLake);
    LakeHelp = AddButton(LakesPage, "Help", &TScrResForm::LakeHelpClick);
    LakesPage->layout()->addWidget(LakeHelp);
}

void TScrResForm::BuildInhalationPage() {
    FugitivePage = new QWidget(ScrResults);
    ScrResults->addTab(FugitivePage, "Inhalation");
    QHBoxLayout* row =
        PageFrame(FugitivePage, "Inhalation Exposure Estimates (Combined Fugitive and Stack)");
    ChemListFugitive =
        AddReleaseList(FugitivePage, "ChemListFugitive", &TScrResForm::ChemListFugitiveSelectCell);
    row->addWidget(ChemListFugitive);
    auto* right = new QVBoxLayout();
    row->addLayout(right, 1);
    right->addWidget(AddFields(FugitivePage, {{"NumSitesFug", "Number of Sites:"},
                                              {"IndTypeFug", "Release Activity:"},
                                              {"ExpPopFug", "Exposed Population:"},
                                              {"RelDaysStack", "Stack Release Days:"},
                                              {"RelDaysFug", "Fugitive Release Days:"},
                                              {"PerSiteReleaseFug", "Per Site Fugitive Release:"},
                                              {"PreTreatIncin", "Per Site Stack Release:"}}));
    auto* tabs = new QTabWidget(FugitivePage);
    right->addWidget(tabs, 1);
    auto* doses = new QTabWidget(tabs);
    tabs->addTab(doses, "Inhalation Exposure Estimates");
    QWidget* fug = NewTab(doses, "Fugitive Inhalation Exposure Estimates");
    (new QVBoxLayout(fug))
        ->addWidget(
            AddDoseTable(fug, {"ResLaddFug", "ResLadcFug", "ResAdrFug"}, "Fug", "IR (m3/hr)"));
    QWidget* stk = NewTab(doses, "Stack Inhalation Exposure Estimates");
    (new QVBoxLayout(stk))
        ->addWidget(
            AddDoseTable(stk, {"ResLaddStk", "ResLadcStk", "ResAdrStk"}, "Stk", "IR (m3/hr)"));
    QWidget* release = NewTab(tabs, "Release Information");
    (new QVBoxLayout(release))
        ->addWidget(AddFields(release, {{"PreTreatStkRel", "Stack Release (kg/site/day):"},
                                        {"PercentRemovalStk", "Stack Removal (%):"},
                                        {"PreTreatFugRel", "Fugitive Release (kg/site/day):"},
                                        {"PercentRemovalFug", "Fugitive Removal (%):"},
                                        {"StkHt", "Stack Height:"},
                                        {"StkHtUnits", ""},
                                        {"StkDiam", "Stack Diameter:"},
                                        {"StkDiamUnits", ""},
                                        {"StkExitVel", "Exit Velocity:"},
                                        {"StkExitVelUnits", ""},
                                        {"StkExitTemp", "Exit Temperature:"},
                                        {"StkExitTempUnits", ""},
                                        {"FugRelHt", "Fugitive Release Height:"},
                                        {"FugRelHtUnits", ""},
                                        {"FieldLen", "Source Length:"},
                                        {"FieldLenUnits", ""},
                                        {"FieldWidth", "Source Width:"},
                                        {"FieldWidthUnits", ""}}));
    QWidget* met = NewTab(tabs, "Meterological/Terrain and Downwash Information");
    (new QVBoxLayout(met))
        ->addWidget(AddFields(met, {{"LandUse", "Land Use:"},
                                    {"MetClass", "Met Class:"},
                                    {"TerrainHt", "Terrain Height:"},
                                    {"TerrainHtUnits", ""},
                                    {"Distance", "Distance to Nearest Residence:"},
                                    {"DistanceUnits", ""},
                                    {"StabClass", "Stability Class:"},
                                    {"WindSpeed", "Wind Speed:"},
                                    {"WindSpeedUnits", ""},
                                    {"FacLen", "Facility Length:"},
                                    {"FacLenUnits", ""},
                                    {"FacWid", "Facility Width:"},
                                    {"FacWidthUnits", ""},
                                    {"FacHt", "Facility Height:"},
                                    {"FacHtUnits", ""}}));
    QWidget* model = NewTab(tabs, "Plumo3 Model Results");
    (new QVBoxLayout(model))
        ->addWidget(
            AddFields(model, {{"ChronAirConc", "Stack Max Annual Avg Air Concentration:"},
                              {"AcuteAirConc", "Stack Max 24 hr Avg Air Concentration:"},
                              {"ChronAirConcFug", "Fugitive Max Annual Avg Air Concentration:"},
                              {"AcuteAirConcFug", "Fugitive Max 24 hr Avg Air Concentration:"}}));
    FugMemo1 = new forms::TMemo(FugitivePage);
    FugMemo1->setReadOnly(true);
    FugMemo1->setMaximumHeight(50);
    right->addWidget(FugMemo1);
    FugitiveHelp = AddButton(FugitivePage, "Help", &TScrResForm::FugitiveHelpClick);
    FugitivePage->layout()->addWidget(FugitiveHelp);
}

void TScrResForm::BuildLandfillPage() {
    LandfillPage = new QWidget(ScrResults);
    ScrResults->addTab(LandfillPage, "Landfill");
    QHBoxLayout* row = PageFrame(LandfillPage, "Exposure Estimates From Groundwater Ingestion");
    ChemListLandfill =
        AddReleaseList(LandfillPage, "ChemListLandfill", &TScrResForm::ChemListLandfillSelectCell);
    row->addWidget(ChemListLandfill);
    auto* right = new QVBoxLayout();
    row->addLayout(right, 1);
    right->addWidget(AddFields(LandfillPage, {{"NumSitesLand", "Number of Sites:"},
                                              {"IndTypeLand", "Release Activity:"},
                                              {"ExpPopLand", "Exposed Population:"},
                                              {"LandfillLand", "Non-Sludge Landfill Release:"},
                                              {"SludgeLand", "Landfilled Sludge:"},
                                              {"DaysNonSludgeLand", "Non-Sludge Days:"},
                                              {"DaysSludgeLand", "Sludge Days:"},
                                              {"AdsorpLand", "Adsorption to WWT Sludge:"},
                                              {"DwtLand", "DWT Removal (%):"},
                                              {"MigrationFactorLand", "Migration:"}}));
    right->addWidget(
        AddDoseTable(LandfillPage, {"ResLaddLand", "ResLadcLand", ""}, "Land", "IRdrink (L/day)"));
    LandfillMemo1 = new forms::TMemo(LandfillPage);
    LandfillMemo1->setReadOnly(true);
    LandfillMemo1->setMaximumHeight(60);
    right->addWidget(LandfillMemo1);
    LandfillHelp = AddButton(LandfillPage, "Help", &TScrResForm::LandfillHelpClick);
    LandfillPage->layout()->addWidget(LandfillHelp);
}
