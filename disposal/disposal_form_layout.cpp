// The layout of the down-the-drain form: the inputs page and the results page with its tabs.
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "disposal/disposal_form.h"
#include "platform/print/print_frame.h"

namespace {

forms::TLabel* NewLabel(QWidget* parent, const std::string& text) {
    return new forms::TLabel(text, parent);
}

// Radios that are one choice: exactly one of them is checked, whatever their parents.
void OneChoice(QWidget* owner, std::initializer_list<QAbstractButton*> radios) {
    auto* group = new QButtonGroup(owner);
    for (QAbstractButton* radio : radios)
        group->addButton(radio);
}

forms::TEdit* InputEdit(QWidget* parent, const char* name) {
    auto* edit = new forms::TEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(160);
    return edit;
}

}  // namespace

TDisposalForm::TDisposalForm() {
    setObjectName("DisposalForm");
    SetCaption("Disposal Model");
    BuildLayout();
    resize(900, 640);
}

forms::TEdit* TDisposalForm::AddField(QWidget* parent, const std::string& name) {
    auto* edit = new forms::TEdit(parent);
    edit->setObjectName(QString::fromStdString(name));
    edit->setReadOnly(true);
    edit->setMinimumWidth(90);
    fields_[name] = edit;
    return edit;
}

void TDisposalForm::BuildLayout() {
    auto* outer = new QVBoxLayout(this);
    DispPages = new QTabWidget(this);
    outer->addWidget(DispPages);
    DispInputsPage = BuildInputsPage();
    DispPages->addTab(DispInputsPage, "Disposal Inputs");
    DisposalResPage = BuildResultsPage();
    DispPages->addTab(DisposalResPage, "Disposal Results");
    DispPages->setTabVisible(1, false);
    QObject::connect(DispPages, &QTabWidget::currentChanged, this, [this](int index) {
        if (DispPages->widget(index) == DispInputsPage)
            DispInputsPageShow();
    });
}

QWidget* TDisposalForm::BuildInputsPage() {
    auto* page = new QWidget(DispPages);
    auto* grid = new QGridLayout(page);
    ChemIdDispInp = new forms::TComboBox(page);
    ChemIdDispInp->setObjectName("ChemIdDispInp");
    ChemIdDispInp->hide();
    ChemIdDispInp1 = InputEdit(page, "ChemIdDispInp1");
    ChemIdDispInp1->OnExit = [this] { ChemIdDispInpExit(); };
    grid->addWidget(NewLabel(page, "Chemical ID:"), 0, 0);
    grid->addWidget(ChemIdDispInp1, 0, 1);
    ProdVolDispInp = InputEdit(page, "ProdVolDispInp");
    grid->addWidget(NewLabel(page, "Production Volume:"), 1, 0);
    grid->addWidget(ProdVolDispInp, 1, 1);
    grid->addWidget(NewLabel(page, "kg/year"), 1, 2);
    YrsUseDispInp = InputEdit(page, "YrsUseDispInp");
    Label162 = NewLabel(page, "Exposure Duration:");
    Label163 = NewLabel(page, "years");
    grid->addWidget(Label162, 2, 0);
    grid->addWidget(YrsUseDispInp, 2, 1);
    grid->addWidget(Label163, 2, 2);

    PdmSelection = new QGroupBox("PDM Option", page);
    PdmSelection->setObjectName("PdmSelection");
    auto* options = new QVBoxLayout(PdmSelection);
    PdmRunItem = new forms::TRadioButton("Run PDM (SIC Code Analysis)", PdmSelection);
    PdmNoRunItem = new forms::TRadioButton("Do NOT run PDM (SIC Code Analysis)", PdmSelection);
    PdmRunItem->setObjectName("PdmRunItem");
    PdmNoRunItem->setObjectName("PdmNoRunItem");
    options->addWidget(PdmRunItem);
    options->addWidget(PdmNoRunItem);
    OneChoice(this, {PdmRunItem, PdmNoRunItem});
    PdmNoRunItem->SetChecked(true);
    PdmRunItem->OnClick = [this] { PdmSelectionClick(); };
    PdmNoRunItem->OnClick = [this] { PdmSelectionClick(); };
    grid->addWidget(PdmSelection, 3, 0, 1, 3);

    CocLabel = NewLabel(page, "Concentration of Concern:");
    Label2 = NewLabel(page, "Run #1");
    Label3 = NewLabel(page, "Run #2");
    Label4 = NewLabel(page, "Run #3");
    Label5 = NewLabel(page, "");
    Label6 = NewLabel(page, "");
    CocUnitLabel = NewLabel(page, "ug/L");
    Coc0DispInp = InputEdit(page, "Coc0DispInp");
    Coc1DispInp = InputEdit(page, "Coc1DispInp");
    Coc2DispInp = InputEdit(page, "Coc2DispInp");
    grid->addWidget(CocLabel, 4, 0);
    grid->addWidget(Label2, 5, 0);
    grid->addWidget(Coc0DispInp, 5, 1);
    grid->addWidget(Label3, 6, 0);
    grid->addWidget(Coc1DispInp, 6, 1);
    grid->addWidget(Label4, 7, 0);
    grid->addWidget(Coc2DispInp, 7, 1);
    grid->addWidget(CocUnitLabel, 5, 2);
    grid->addWidget(Label5, 6, 2);
    grid->addWidget(Label6, 7, 2);
    HighEnd = new forms::TRadioButton("High-end scenario", page);
    AveEnd = new forms::TRadioButton("Average case scenario", page);
    HighEnd->setObjectName("HighEnd");
    AveEnd->setObjectName("AveEnd");
    OneChoice(this, {HighEnd, AveEnd});
    HighEnd->SetChecked(true);
    HighEnd->OnClick = [this] { HideResultsTab(); };
    AveEnd->OnClick = [this] { HideResultsTab(); };
    grid->addWidget(HighEnd, 8, 0);
    grid->addWidget(AveEnd, 8, 1);

    // RunDisp lies exactly over BitBtn1, which only the keyboard reaches.
    BitBtn1 = new forms::TButton("Run the Disposal Model", page);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->OnClick = [this] { BitBtn2Click(); };
    RunDisp = new forms::TButton("Run the Disposal Model", page);
    RunDisp->setObjectName("RunDisp");
    RunDisp->OnClick = [this] { RunDispClick(); };
    grid->addWidget(BitBtn1, 9, 0, 1, 2);
    grid->addWidget(RunDisp, 9, 0, 1, 2);
    RunDisp->raise();
    DispContinue = new forms::TButton("Run the Disposal Model (old pdm)", page);
    DispContinue->setObjectName("DispContinue");
    DispContinue->OnClick = [this] { DispContinueClick(); };
    DispContinue->hide();
    grid->addWidget(DispContinue, 10, 0, 1, 2);
    DispHelp = new forms::TButton("Help", page);
    DispHelp->setObjectName("DispHelp");
    DispHelp->OnClick = [this] { DispHelpClick(); };
    grid->addWidget(DispHelp, 9, 2);
    grid->setRowStretch(11, 1);
    grid->setColumnStretch(3, 1);

    for (forms::TEdit* edit :
         {ProdVolDispInp, YrsUseDispInp, Coc0DispInp, Coc1DispInp, Coc2DispInp}) {
        edit->OnEnter = [this, edit] {
            HideResultsTab();
            edit->SelectAllText();
        };
    }
    return page;
}

QWidget* TDisposalForm::BuildResultsPage() {
    auto* page = new QWidget(DispPages);
    auto* outer = new QVBoxLayout(page);
    auto* top = new QGridLayout();
    outer->addLayout(top);
    const std::vector<std::array<const char*, 3>> rows = {
        {"Production Volume:", "ProdVolDisp", "kg/year"},
        {"WWT Removal:", "WwtDisp", "%"},
        {"Release days:", "RelDaysDisp", "days"},
        {"Bioconcentration Factor:", "BcfDisp", "L/kg"},
        {"Exposed Population:", "ExpPopDisp", ""},
        {"Pretreatment release:", "PreTreatDisp", "g/person/day"},
        {"Post-treatment release:", "PostTreatDisp", "g/person/day"},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i % 4);
        const int c = static_cast<int>(i / 4) * 3;
        top->addWidget(NewLabel(page, rows[i][0]), r, c);
        top->addWidget(AddField(page, rows[i][1]), r, c + 1);
        top->addWidget(NewLabel(page, rows[i][2]), r, c + 2);
    }
    AddField(page, "IndTypeDisp")->hide();
    AddField(page, "DwtDisp")->hide();
    Shape1 = new forms::TLabel("\u25CF", page);
    Shape1->setObjectName("Shape1");
    Shape1->hide();
    top->addWidget(Shape1, 3, 3);

    ResultTabs = new QTabWidget(page);
    outer->addWidget(ResultTabs, 1);
    PdmDispPage = BuildPdmTab();
    ResultTabs->addTab(PdmDispPage, "PDM Information");
    DwDispPage = BuildDoseTab("Dw", "", "IR (L/day)", "LADCpot (mg/L)");
    ResultTabs->addTab(DwDispPage, "Drinking Water Information");
    FishDispPage = BuildDoseTab("Fish", "F", "IR (g/day)", "LADCpot (mg/kg)");
    ResultTabs->addTab(FishDispPage, "Fish Ingestion Information");
    TabSheet1 = BuildConcentrationTab();
    ResultTabs->addTab(TabSheet1, "Concentrations");

    auto* buttons = new QHBoxLayout();
    outer->addLayout(buttons);
    Button2 = new forms::TButton("Print Page", page);
    Button2->setObjectName("Button2");
    Button2->OnClick = [this] { Button2Click(); };
    DispResHelp = new forms::TButton("Help", page);
    DispResHelp->setObjectName("DispResHelp");
    DispResHelp->OnClick = [this] { DispResHelpClick(); };
    buttons->addWidget(Button2);
    buttons->addWidget(DispResHelp);
    buttons->addStretch(1);
    Label1 = NewLabel(page, "Label1");
    Label1->setObjectName("Label1");
    Label1->setFont(ReportFont(true));
    Label1->hide();
    return page;
}

QWidget* TDisposalForm::BuildPdmTab() {
    auto* tab = new QGroupBox("PDM Disposal Exposure Estimates");
    auto* grid = new QGridLayout(tab);
    HiEnd = new forms::TRadioButton("High-end scenario", tab);
    AveCase = new forms::TRadioButton("Average case scenario", tab);
    HiEnd->setObjectName("HiEnd");
    AveCase->setObjectName("AveCase");
    OneChoice(this, {HiEnd, AveCase});
    HiEnd->setEnabled(false);
    AveCase->setEnabled(false);
    grid->addWidget(HiEnd, 0, 0);
    grid->addWidget(AveCase, 0, 1);
    const char* labels[3] = {"Concentration of concern (ug/L):",
                             "Number of days concentration of concern exceeded (days):",
                             "% of year concentration of concern exceeded (%):"};
    const char* prefixes[3] = {"Coc", "CocDays", "CocPer"};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(NewLabel(tab, labels[r]), r + 1, 0);
        for (int i = 0; i < 3; ++i)
            grid->addWidget(AddField(tab, prefixes[r] + std::to_string(i) + "Disp"), r + 1, i + 1);
    }
    // The average-daily-dose rows that no user sees.
    for (const char* name : {"DwAdd50Disp", "DwAdd10Disp", "DwAdc50Disp", "DwAdc10Disp",
                             "FishAdd50Disp", "FishAdd10Disp", "FishAdc50Disp", "FishAdc10Disp"})
        AddField(tab, name)->hide();
    grid->setRowStretch(4, 1);
    return tab;
}

QWidget* TDisposalForm::BuildConcentrationTab() {
    auto* tab = new QGroupBox("Aquatic Exposure Estimates - Surface Water");
    auto* grid = new QGridLayout(tab);
    const char* columns[4] = {"Harmonic Mean", "30q5", "7q10", "1q10"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(NewLabel(tab, columns[c]), 0, c + 2);
    const std::array<std::array<const char*, 4>, 4> names = {{
        {"Memo10", "Memo9", "Memo8", "Memo7"},
        {"HarMeanConc50Disp", "Conc30q5_50disp", "Conc7q10_50Disp", "Conc1q10_50Disp"},
        {"Memo15", "Memo18", "Memo19", "Memo22"},
        {"HarMeanConc10Disp", "Conc30q5_10Disp", "Conc7q10_10Disp", "Conc1q10_10Disp"},
    }};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(NewLabel(tab, r < 2 ? "50 Percentile" : "10 Percentile"), r + 1, 0);
        grid->addWidget(
            NewLabel(tab, r % 2 == 0 ? "Stream Dilution Factor" : "Concentration (ug/L)"), r + 1,
            1);
        for (int c = 0; c < 4; ++c)
            grid->addWidget(AddField(tab, names[size_t(r)][size_t(c)]), r + 1, c + 2);
    }
    grid->setRowStretch(5, 1);
    return tab;
}

QWidget* TDisposalForm::BuildDoseTab(const std::string& medium, const std::string& f,
                                     const std::string& intakeTitle, const std::string& ladc) {
    auto* tab =
        new QGroupBox(QString::fromStdString(medium == "Dw" ? "Drinking Water Exposure Estimates"
                                                            : "Fish Ingestion Exposure Estimates"));
    auto* grid = new QGridLayout(tab);
    const std::vector<std::string> columns = {"50%ile Res.", "10%ile Res.", "ED (yrs)",
                                              "AT (yrs)",    "BW (kg)",     intakeTitle};
    for (size_t c = 0; c < columns.size(); ++c)
        grid->addWidget(NewLabel(tab, columns[c]), 0, int(c) + 1);
    const std::array<std::string, 3> kinds = {"Ladd", "Ladc", "Adr"};
    const std::array<std::string, 3> titles = {"LADDpot (mg/kg/day)", ladc, "ADRpot (mg/kg/day)"};
    int row = 1;
    for (size_t k = 0; k < 3; ++k) {
        if (k == 0 || k == 2)
            grid->addWidget(NewLabel(tab, k == 0 ? "Cancer" : "Acute"), row++, 0);
        grid->addWidget(NewLabel(tab, titles[k]), row, 0);
        grid->addWidget(AddField(tab, medium + kinds[k] + "50Disp"), row, 1);
        grid->addWidget(AddField(tab, medium + kinds[k] + "10Disp"), row, 2);
        int c = 3;
        for (const char* column : {"Ed", "At", "Bw", "Ir"})
            grid->addWidget(AddField(tab, column + kinds[k] + f + "Disp"), row, c++);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return tab;
}
