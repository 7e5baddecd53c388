// The main window's commands: new case, open, run, results, output, save, exit, help, about.
#include <QVBoxLayout>

#include "consumer/data/case_table.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/model/doses.h"
#include "consumer/model/file_test.h"
#include "consumer/model/input_checks.h"
#include "consumer/model/run_driver.h"
#include "consumer/output/display_texts.h"
#include "consumer/output/result_documents.h"
#include "consumer/output/result_print.h"
#include "consumer/pages/case_list_dialog.h"
#include "consumer/pages/help_files.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/main_window.h"
#include "platform/forms/form.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"

namespace consumer {
namespace {

const char* const kNotRun = "You must first run the calculations before\n you can view the results";

std::string LowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The extension of a file name, lower-cased; empty when the name has no point.
std::string ExtensionOf(const std::string& path) {
    std::string name = sys::FileNamePart(path);
    size_t point = name.rfind('.');
    return point == std::string::npos ? "" : LowerCase(name.substr(point + 1));
}

// The table name and folder of a case table path.
std::string TableNameOf(const std::string& path) {
    std::string name = sys::FileNamePart(path);
    size_t point = name.rfind('.');
    return point == std::string::npos ? name : name.substr(0, point);
}

// The memo file beside a table: the same name with the last letter changed to "t".
std::string MemoPathOf(const std::string& tablePath) {
    std::string memo = tablePath;
    if (!memo.empty())
        memo.back() = memo.back() == 'F' ? 'T' : 't';
    return memo;
}

// A new case table is a copy of the empty template (table, memo file and, when present, index).
void CreateFromTemplate(const std::string& tablePath) {
    std::string folder = sys::NativePath(WorkingFolder + "dbfiles\\");
    CopyCompressedFile(folder + "com.dbf", tablePath);
    CopyCompressedFile(folder + "com.dbt", MemoPathOf(tablePath));
}

void CopyResultEchoes(const ExposureInputs& in, ExposureResults& er) {
    er[12] = in.BODYWEIGHT;
    er[13] = in.EVENTSPERYEAR;
    er[14] = in.YEARSOFUSE;
    er[15] = in.INHALRATEDURINGUSE;
    er[23] = in.YEARSOFUSE;
    er[24] = in.SurfaceAreaBody;
    er[25] = UsesHands(in) ? in.SurfaceAreaHands : 0.0;
    er[26] = in.FrequencyBody;
    er[27] = UsesHands(in) ? in.FrequencyHands : 0.0;
}

class TAboutKiv : public forms::Form {
  public:
    TAboutKiv() {
        SetCaption("About KIV");
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new forms::TLabel("Consumer Exposure Module (KIV)\nVersion 2014", this));
        auto* ok = new forms::TButton("OK", this);
        ok->OnClick = [this] { SetModalResult(forms::mrOk); };
        layout->addWidget(ok);
    }
};

}  // namespace

void KIVWindow::CmNewCase() {
    ResetCaseIdentity(*CaseInputs);
    ResetExposureInputs(*CaseInputs, *CaseResults);
    // A new case has no scenario until the user chooses one: the Scenario page shows none chosen,
    // as the pages that ask for a scenario first say.
    CaseInputs->ScenarioName.clear();
    CaseInputs->ScenarioKeyword.clear();
    PageCode = '0';
    CaseSaved = false;
    ResultsReady = false;
    NavigationPending = "0";
    OpenPageFor('0');
}

KIVWindow::OpenResult KIVWindow::LoadChosenCase(const std::string& path) {
    std::string extension = ExtensionOf(path);
    ExposureInputs& in = *CaseInputs;
    if (extension != "cmi" && extension != "dbf") {
        forms::ShowMessage("This is not a KIV file!", "Error", forms::Icon::Error);
        return OpenResult::NotACase;
    }
    // A table may hold several cases: the user picks one before the current case is given up.
    int record = 1;
    if (extension == "dbf") {
        std::optional<int> picked =
            PickStoredCase(ListCases(TableNameOf(path), sys::FolderPart(path)), this);
        if (!picked)
            return OpenResult::Cancelled;
        record = *picked;
    }
    ResetCaseIdentity(in);
    ResetExposureInputs(in, *CaseResults);
    ScenarioChosen = 1;
    if (extension == "cmi") {
        OpenCaseFile(path, in, *CaseResults);
    } else {
        LoadCase(TableNameOf(path), sys::FolderPart(path), record, "", in, *CaseResults);
    }
    // The stored case's age group is the case's own; without it the case would run as an adult.
    if (in.StoredAgeGroup >= 1 && in.StoredAgeGroup <= 7)
        in.AgeGroup = in.StoredAgeGroup;
    return OpenResult::Loaded;
}

void KIVWindow::CmFileOpen() {
    CaseSaved = true;
    forms::FileDialogRequest request;
    request.title = "Open File";
    request.filter = "KIV Database (*.dbf);;Consumer files (*.cmi)";
    request.initialFolder = WorkingFolder;
    std::optional<std::string> chosen = forms::Ui().OpenFileDialog(request);
    OpenResult result = OpenResult::Cancelled;
    if (chosen && !chosen->empty())
        result = LoadChosenCase(*chosen);
    if (result == OpenResult::Cancelled) {
        PageCode = 'a';
        NavigationPending = "0";
        ShowStartScreen();
        return;
    }
    if (result == OpenResult::NotACase) {
        // The command is still asked for: the open dialog comes back.
        ScheduleNavigation();
        return;
    }
    ExposureInputs& in = *CaseInputs;
    ExposureResults& er = *CaseResults;
    CopyResultEchoes(in, er);
    PreviousScenarioName = in.ScenarioName;
    PreviousAgeGroup = in.AgeGroup;
    ResultsReady = er[13] != 0.0 || er[26] != 0.0;
    in.PermeabilitySource = in.DoseType == "Absorbed" && in.KowValue > 0.0 ? 3 : 2;
    in.ScenarioApplyCount = 2;
    NavigationPending = "0";
    PageCode = '0';
    DispatchPageCode();
}

void KIVWindow::CmRunModel() {
    StoreOpenPage(34);
    if (forms::Visible(inputs_)) {
        forms::ShowMessage("Model results are currently being displayed.", "Error",
                           forms::Icon::Error);
        return;
    }
    ExposureInputs& in = *CaseInputs;
    PageCode = 'g';
    InputErrorFlag = false;
    if (!ScenarioChosen) {
        forms::ShowMessage("You must select a scenario!", "Error", forms::Icon::Error);
        InputErrorFlag = true;
        PageCode = '1';
    }
    struct Check {
        bool applies;
        void (*check)(const ExposureInputs&, bool&);
        char page;
    };
    const Check checks[] = {
        {in.ScenarioClass != 0, CheckInhalationInputs, '2'},
        {in.ScenarioClass != 0, CheckZoneVolumes, '4'},
        {in.ScenarioClass != 1 && in.DoseType == "Potential", CheckPotentialDermalInputs, '3'},
        {in.ScenarioClass != 1 && in.DoseType == "Absorbed", CheckAbsorbedDermalInputs, '3'},
        {true, CheckChemicalInputs, '6'}};
    for (const Check& check : checks) {
        if (InputErrorFlag || !check.applies)
            continue;
        check.check(in, InputErrorFlag);
        if (InputErrorFlag)
            PageCode = check.page;
    }
    CloseOpenPage();
    if (!InputErrorFlag) {
        bool ran = true;
        {
            forms::Hourglass wait;
            if (in.ScenarioClass != 0)
                ran = RunExposureModel(in, *CaseResults, WorkingFolder);
            else
                MarkInhalationNotAssessed(*CaseResults);
            if (ran && in.ScenarioClass != 1)
                ComputeDoses(in, *CaseResults);
            else if (ran)
                MarkDermalNotAssessed(*CaseResults);
        }
        if (ran) {
            ResultsReady = true;
            CmFileSave();
        } else {
            // A failed model pass has shown its warning; its results are not shown or saved.
            PageCode = '2';
        }
    }
    NavigationPending = "0";
    DispatchPageCode();
}

void KIVWindow::CmShowResults() {
    if (!ResultsReady) {
        forms::ShowMessage(kNotRun, "Error", forms::Icon::Error);
        return;
    }
    NavigationPending = "1";
    inputs_->show();
    return_->show();
    inhalation_->setVisible(CaseInputs->ScenarioClass != 0);
    dermal_->setVisible(CaseInputs->ScenarioClass != 1);
    RefreshDisplayTexts();
    OutputMode = 1;
    ShowResultPage(0);
}

void KIVWindow::CmReturnToInputs() {
    PageCode = '0';
    NavigationPending = "0";
    PreviousScenarioName = CaseInputs->ScenarioName;
    HideResultButtons();
    DispatchPageCode();
}

bool KIVWindow::RefuseWithoutResults() {
    if (ResultsReady)
        return false;
    forms::ShowMessage(kNotRun, "Error", forms::Icon::Error);
    return true;
}

void KIVWindow::CmOutputScreen() {
    StoreOpenPage(22);
    if (RefuseWithoutResults())
        return;
    CloseOpenPage();
    NavigationPending = "0";
    PageCode = 'g';
    DispatchPageCode();
}

void KIVWindow::CmOutputPrinter() {
    StoreOpenPage(23);
    if (RefuseWithoutResults())
        return;
    RefreshDisplayTexts();
    OutputMode = 2;
    if (forms::Ui().PrintDialog()) {
        std::unique_ptr<print::PrintJob> job = print::PrintJob::ToChosenOutput("Results");
        if (!job) {
            // Without a printer the printout goes to a PDF file the user names.
            forms::FileDialogRequest request;
            request.title = "Print to File";
            request.filter = "PDF files (*.pdf)";
            request.initialFolder = WorkingFolder;
            request.initialName = "Results.pdf";
            if (std::optional<std::string> path = forms::Ui().SaveFileDialog(request))
                job = print::PrintJob::ToPdf(*path, "Results");
        }
        ResultPageSource source{*CaseInputs, *CaseResults, Display, RunMode, OutputMode};
        if (job && !PrintResultPages(*job, source, CaseInputs->Comments)) {
            forms::ShowMessage("The results could not be printed.", "Error", forms::Icon::Error);
        }
    }
    results_->update();
}

std::string KIVWindow::CaseTablePath() {
    if (RunMode >= kRunChemicalId)
        return sys::NativePath(WorkingFolder + "..\\kiv.dbf");
    forms::FileDialogRequest request;
    request.title = "Save File";
    request.filter = "KIV files (*.dbf)";
    request.initialFolder = WorkingFolder;
    // An existing table is updated, not replaced: choosing one needs no overwrite question.
    request.confirmOverwrite = false;
    std::optional<std::string> chosen = forms::Ui().SaveFileDialog(request);
    if (!chosen || chosen->empty())
        return "";
    std::string path = *chosen;
    std::string name = sys::FileNamePart(path);
    size_t point = name.rfind('.');
    if (point == std::string::npos)
        path += ".dbf";
    else if (LowerCase(name.substr(point + 1)) != "dbf")
        path = path.substr(0, path.size() - (name.size() - point - 1)) + "dbf";
    return path;
}

// In linked and chemical-id starts ..\kiv.dbf holds the one case saved last (the data folder's
// table collects them all); a table the user names keeps its other cases, and a new one starts
// from the empty template.
void KIVWindow::CmFileSave() {
    std::string path = CaseTablePath();
    if (path.empty())
        return;
    const ExposureInputs& in = *CaseInputs;
    if (RunMode >= kRunChemicalId || !sys::FileExists(path))
        CreateFromTemplate(path);
    SaveCase(TableNameOf(path), sys::FolderPart(path), 1, in.IdNumber, in, *CaseResults);
    if (!CaseDataFolder.empty()) {
        std::string collecting = CaseDataFolder + "kiv.dbf";
        if (!sys::FileExists(collecting)) {
            CreateFromTemplate(collecting);
            std::string index = sys::NativePath(WorkingFolder + "dbfiles\\pmn.ndx");
            if (sys::FileExists(index))
                CopyCompressedFile(index, CaseDataFolder + "pmn.ndx");
        }
        SaveCase("kiv", CaseDataFolder, 1, in.IdNumber, in, *CaseResults);
    }
    CaseSaved = true;
}

void KIVWindow::FinishWork() {
    if (exited_)
        return;
    StoreOpenPage(20);
    if (!CaseSaved)
        CmFileSave();
    exited_ = true;
}

void KIVWindow::CmExit() {
    FinishWork();
    if (OnExit)
        OnExit();
}

void KIVWindow::CmHelp() {
    OpenHelpTopic(0);
}

void KIVWindow::CmAbout() {
    TAboutKiv about;
    about.ShowModal();
}

// The name proposed in linked and chemical-id starts: the data folder, the chemical's id cut at
// its last comma, the case id and ".kiv" with the document's extension.
std::string ProposedDocumentName(const std::string& extension) {
    if (RunMode < kRunChemicalId)
        return "";
    std::string chemicalId = CaseChemical->IdNumber;
    size_t last = chemicalId.rfind(',');
    std::string prefix = last == std::string::npos ? "" : chemicalId.substr(0, last);
    size_t first = prefix.find(',');
    if (first != std::string::npos) {
        for (size_t i = first + 1; i < prefix.size(); ++i)
            prefix[i] = ' ';
    }
    return CaseDataFolder + prefix + CaseInputs->IdNumber + ".kiv." + extension;
}

// The document is written only after a model run; the save dialog takes a new name as well as
// an existing file.
void KIVWindow::CmOutputDocument() {
    StoreOpenPage(24);
    if (RefuseWithoutResults())
        return;
    bool word = CaseInputs->DocumentFormat == "word";
    forms::FileDialogRequest request;
    request.title = "Save File";
    request.filter = word ? "KIV Word Files (*.doc)" : "KIV WP Files (*.wpd)";
    request.defaultExtension = word ? "doc" : "wpd";
    std::string proposed = ProposedDocumentName(word ? "doc" : "wpd");
    request.initialFolder = proposed.empty() ? WorkingFolder : sys::FolderPart(proposed);
    request.initialName = sys::FileNamePart(proposed);
    std::optional<std::string> chosen = forms::Ui().SaveFileDialog(request);
    if (chosen && !chosen->empty()) {
        forms::Hourglass wait;
        switch (CaseInputs->ScenarioClass) {
            case 0:
                WriteDermalDocument(*chosen);
                break;
            case 1:
                WriteInhalationDocument(*chosen);
                break;
            default:
                WriteAllResultsDocument(*chosen);
                break;
        }
    }
    results_->update();
}

}  // namespace consumer
