// The two dilution-model pages of the results form, laid out in code.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "results/scr_res_form.h"

namespace {

forms::TStringGrid* ResultsGrid(QWidget* parent, int columns) {
    auto* grid = new forms::TStringGrid(parent);
    grid->SetColCount(columns);
    grid->SetRowCount(PdmResultGridRows + 1);  // the units row, then the results
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return grid;
}

void SetTitles(forms::TStringGrid* grid, const std::vector<const char*>& titles) {
    QStringList labels;
    for (const char* title : titles)
        labels << title;
    grid->setHorizontalHeaderLabels(labels);
}

}  // namespace

void TScrResForm::BuildPdmSitePage() {
    PdmSitePage = new QWidget(ScrResults);
    ScrResults->addTab(PdmSitePage, "PDM Site");
    auto* outer = new QVBoxLayout(PdmSitePage);
    auto* title = new forms::TLabel("PDM Site-Specific Page", PdmSitePage);
    title->setStyleSheet("font-weight: bold");
    outer->addWidget(title);
    auto* row = new QHBoxLayout();
    outer->addLayout(row, 1);
    ChemListPdmSite =
        AddReleaseList(PdmSitePage, "ChemListPdmSite", &TScrResForm::ChemListPdmSiteSelectCell);
    row->addWidget(ChemListPdmSite);
    auto* right = new QVBoxLayout();
    row->addLayout(right, 1);
    auto* choose = new QHBoxLayout();
    ChemListSoloPdmSite = new QComboBox(PdmSitePage);
    RelNumPDMSite = new QComboBox(PdmSitePage);
    NpdesListPdmSite = new QComboBox(PdmSitePage);
    GagePdmSite = new QComboBox(PdmSitePage);
    GageLabel = new forms::TLabel("Gaging Station:", PdmSitePage);
    choose->addWidget(ChemListSoloPdmSite);
    choose->addWidget(RelNumPDMSite);
    choose->addWidget(NpdesListPdmSite);
    choose->addWidget(GageLabel);
    choose->addWidget(GagePdmSite);
    right->addLayout(choose);
    right->addWidget(AddFields(PdmSitePage, {{"FacNamePdmSite", "Facility Name:"},
                                             {"FacLocPdmSite", "Facility Location:"},
                                             {"NpdesPdmSite", "NPDES:"},
                                             {"ReachNumPdmSite", "Reach Number:"},
                                             {"ReachNamePdmSite", "Reach Name:"},
                                             {"IndTypePdmSite", "Release Activity:"},
                                             {"ActiveNotePdm", ""},
                                             {"DischargeTypePdmSite", "Discharge:"},
                                             {"PeriodPdmSite", "Period of Record:"},
                                             {"NumObsPdmSite", "Observations:"},
                                             {"EffFlowPdmSite", "Effluent Flow (MLD):"},
                                             {"HarMeanFlowPdmSite", "Mean Stream Flow:"},
                                             {"Flow7q10PdmSite", "Low Stream Flow:"},
                                             {"WwtPdmSite", "WWT Removal (%):"},
                                             {"RelDaysPdmSite", "Release Days:"},
                                             {"PreTreatPdmSite", "Pre-treat (kg/site/day):"},
                                             {"PostTreatPdmSite", "Post-treat (kg/site/day):"},
                                             {"CocPdmSite", "COC (ug/L):"},
                                             {"CasNumPdmSite", "Chemical ID:"}}));
    right->addLayout(AddPositionRadios(PdmSitePage, YesPdmSite, NoPdmSite, UnkPdmSite));
    PeriodLabel = new forms::TLabel("Period of Record", PdmSitePage);
    ObsLabel = new forms::TLabel("Observations", PdmSitePage);
    EffLabel = new forms::TLabel("Effluent Flow:", PdmSitePage);
    EffUnitLabel = new forms::TLabel("MLD", PdmSitePage);
    for (auto* label : {PeriodLabel, ObsLabel, EffLabel, EffUnitLabel})
        label->hide();  // the fields carry their own labels in this layout
    auto* runs = new QGridLayout();
    for (int k = 0; k < 3; ++k) {
        PdmSiteRunLabels[static_cast<size_t>(k)] =
            new forms::TLabel("Run #" + std::to_string(k + 1), PdmSitePage);
        runs->addWidget(PdmSiteRunLabels[static_cast<size_t>(k)], k, 0);
        const std::string n = std::to_string(k);
        QWidget* fields = AddFields(PdmSitePage, {{"Coc" + n + "PdmSite", "COC (ug/L):"},
                                                  {"Percent" + n + "Exceeded", "% of Year:"},
                                                  {"Days" + n + "Exceeded", "Days/Year:"}});
        runs->addWidget(fields, k, 1);
    }
    right->addLayout(runs);
    PdmSiteResultsList = ResultsGrid(PdmSitePage, 6);
    SetTitles(PdmSiteResultsList,
              {"COC", "Percent of Year COC Exceeded", "Number of Days COC Exceeded", "Release Days",
               "Pretreat Load", "WWT"});
    right->addWidget(PdmSiteResultsList, 1);
    auto* buttons = new QHBoxLayout();
    SubmitPdmSite = new forms::TButton("Submit old", PdmSitePage);
    SubmitNewSite = new forms::TButton("Submit", PdmSitePage);
    SubmitReallyNewSite = new forms::TButton("Submit.", PdmSitePage);
    SavePdmSite = new forms::TButton("Save", PdmSitePage);
    SubmitAndSaveSite = new forms::TButton("Save.", PdmSitePage);
    ClearPdmSiteResults = new forms::TButton("Clear Results", PdmSitePage);
    FindNpdesPdmSite = new forms::TButton("<--Find Entered NPDES", PdmSitePage);
    ClearPdmSiteScreen = new forms::TButton("Clear Screen", PdmSitePage);
    CalcAsTreatPdmSite = new forms::TButton("Calc", PdmSitePage);
    CalcAsTreatPdmSite->setToolTip("Calculate wastewater treatment using the AsTreat Model");
    CalcAsTreatPdmSite->hide();
    PdmSiteHelp = AddButton(PdmSitePage, "Help", &TScrResForm::PdmSiteHelpClick);
    for (auto* button :
         {SubmitPdmSite, SubmitNewSite, SubmitReallyNewSite, SavePdmSite, SubmitAndSaveSite,
          ClearPdmSiteResults, FindNpdesPdmSite, ClearPdmSiteScreen, PdmSiteHelp})
        buttons->addWidget(button);
    right->addLayout(buttons);
    for (QWidget* w :
         {static_cast<QWidget*>(ChemListSoloPdmSite), static_cast<QWidget*>(RelNumPDMSite),
          static_cast<QWidget*>(NpdesListPdmSite), static_cast<QWidget*>(Field("CasNumPdmSite"))})
        PdmHiddenByRun.push_back(w);
    ConnectPdmSitePage();
}

void TScrResForm::BuildPdmSicPage() {
    PdmSicPage = new QWidget(ScrResults);
    ScrResults->addTab(PdmSicPage, "PDM SIC Code");
    auto* outer = new QVBoxLayout(PdmSicPage);
    auto* title = new forms::TLabel("PDM SIC Code Results", PdmSicPage);
    title->setStyleSheet("font-weight: bold");
    outer->addWidget(title);
    auto* row = new QHBoxLayout();
    outer->addLayout(row, 1);
    ChemListPdmSic =
        AddReleaseList(PdmSicPage, "ChemListPdmSic", &TScrResForm::ChemListPdmSicSelectCell);
    row->addWidget(ChemListPdmSic);
    auto* right = new QVBoxLayout();
    row->addLayout(right, 1);
    auto* choose = new QHBoxLayout();
    ChemListSoloPdmSic = new QComboBox(PdmSicPage);
    RelNumPDMSic = new QComboBox(PdmSicPage);
    RelNumPDMSic->setEditable(true);
    SicDescPdmSic = new QComboBox(PdmSicPage);
    choose->addWidget(ChemListSoloPdmSic);
    choose->addWidget(RelNumPDMSic);
    choose->addWidget(SicDescPdmSic, 1);
    right->addLayout(choose);
    QObject::connect(SicDescPdmSic, &QComboBox::activated, this,
                     [this](int) { SicDescPdmSicChange(); });
    QObject::connect(RelNumPDMSic, &QComboBox::activated, this,
                     [this](int) { RelNumPDMSicChange(); });
    right->addWidget(AddFields(PdmSicPage, {{"IndTypePdmSic", "Release Activity:"},
                                            {"SicCodesPdmSic", "SIC Codes:"},
                                            {"WwtPdmSic", "WWT Removal (%):"},
                                            {"RelDaysPdmSic", "Release Days:"},
                                            {"PreTreatPdmSic", "Pre-treat (kg/site/day):"},
                                            {"PostTreatPdmSic", "Post-treat (kg/site/day):"},
                                            {"CocPdmSic", "COC (ug/L):"},
                                            {"CasNumPdmSic", "Chemical ID:"}}));
    Field("PreTreatPdmSic")->OnExit = [this] { PreTreatPdmSicExit(); };
    auto* scenario = new QHBoxLayout();
    HiEndPdmSic = new forms::TRadioButton("High-end scenario", PdmSicPage);
    AvePdmSic = new forms::TRadioButton("Average case scenario", PdmSicPage);
    scenario->addWidget(HiEndPdmSic);
    scenario->addWidget(AvePdmSic);
    right->addLayout(scenario);
    auto* runs = new QGridLayout();
    for (int k = 0; k < 3; ++k) {
        PdmSicRunLabels[static_cast<size_t>(k)] =
            new forms::TLabel("Run #" + std::to_string(k + 1), PdmSicPage);
        runs->addWidget(PdmSicRunLabels[static_cast<size_t>(k)], k, 0);
        const std::string n = std::to_string(k);
        runs->addWidget(AddFields(PdmSicPage, {{"Coc" + n + "PdmSic", "COC (ug/L):"},
                                               {"Percent" + n + "ExceededPdmSic", "% of Year:"},
                                               {"Days" + n + "ExceededPdmSic", "Days/Year:"}}),
                        k, 1);
        Coc[static_cast<size_t>(k)] = new QComboBox(PdmSicPage);
        Days[static_cast<size_t>(k)] = new QComboBox(PdmSicPage);
        Percent[static_cast<size_t>(k)] = new QComboBox(PdmSicPage);
        for (QComboBox* list : {Coc[static_cast<size_t>(k)], Days[static_cast<size_t>(k)],
                                Percent[static_cast<size_t>(k)]})
            list->hide();
    }
    right->addLayout(runs);
    PdmSicResultsList = ResultsGrid(PdmSicPage, 7);
    SetTitles(PdmSicResultsList,
              {"COC", "Percent of Year COC Exceeded", "Number of Days COC Exceeded", "Release Days",
               "Pretreat Load", "WWT", ""});
    right->addWidget(PdmSicResultsList, 1);
    auto* buttons = new QHBoxLayout();
    SubmitPdmSic = new forms::TButton("Submit", PdmSicPage);
    CalcWwtPdmSic = new forms::TButton("Calc", PdmSicPage);
    CalcWwtPdmSic->setToolTip("Calculate wastewater treatment using the AsTreat Model");
    CalcWwtPdmSic->hide();
    SubmitNewSic = new forms::TButton("Submit.", PdmSicPage);
    SubmitReallyNewSic = new forms::TButton("Submit New", PdmSicPage);
    SavePdmSic = AddButton(PdmSicPage, "Save", &TScrResForm::SavePdmSicClick);
    SubmitAndSaveSic = new forms::TButton("Submit and Save", PdmSicPage);
    ClearPdmSicResults = new forms::TButton("Clear Results", PdmSicPage);
    ClearPdmSicScreen = AddButton(PdmSicPage, "Clear Screen", &TScrResForm::ClearPdmSicScreenClick);
    NextReleaseActivity = new forms::TButton("Next Release Activity", PdmSicPage);
    NextReleaseActivityPdmSic = AddButton(PdmSicPage, "Next Release Activity",
                                          &TScrResForm::NextReleaseActivityPdmSicClick);
    PdmSicHelp = AddButton(PdmSicPage, "Help", &TScrResForm::PdmSicHelpClick);
    for (auto* button : {SubmitPdmSic, SubmitNewSic, SubmitReallyNewSic, SavePdmSic,
                         SubmitAndSaveSic, ClearPdmSicResults, ClearPdmSicScreen,
                         NextReleaseActivity, NextReleaseActivityPdmSic, PdmSicHelp})
        buttons->addWidget(button);
    right->addLayout(buttons);
    for (QWidget* w :
         {static_cast<QWidget*>(ChemListSoloPdmSic), static_cast<QWidget*>(RelNumPDMSic),
          static_cast<QWidget*>(Field("CasNumPdmSic"))})
        PdmHiddenByRun.push_back(w);
    ConnectPdmSicPage();
}
