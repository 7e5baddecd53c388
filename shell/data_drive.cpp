// TDataDriveForm: moving the data folder that holds the scenario table and the reports.
#include "shell/data_drive.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "shell/startup.h"

TDataDriveForm* DataDriveForm = nullptr;

namespace {

const char* kExplanation =
    "The purpose of this screen is to change the location of data and reports generated from "
    "this program.\n\n"
    "Press \"Change Folder\" and pick a folder in the file dialog: select the file nyr01.dbf in "
    "that folder, or type that name in an empty folder. Then press \"Save Changes\".\n\n"
    "A folder without a scenario table receives a copy of the pristine table.";

std::string CanonicalFolder(const std::string& folder) {
    std::string canonical = sys::CanonicalPath(folder);
    while (canonical.size() > 1 && canonical.back() == '/')
        canonical.pop_back();
    return canonical;
}

}  // namespace

TDataDriveForm::TDataDriveForm() {
    DataDriveForm = this;
    BuildLayout();
}

TDataDriveForm::~TDataDriveForm() {
    if (DataDriveForm == this)
        DataDriveForm = nullptr;
}

void TDataDriveForm::BuildLayout() {
    SetCaption("Change the Data Drive");
    TitlePanel = new forms::TLabel("Change the Data Drive", this);
    TitlePanel->setAlignment(Qt::AlignCenter);
    QFont title = TitlePanel->font();
    title.setPointSize(title.pointSize() + 4);
    title.setBold(true);
    TitlePanel->setFont(title);
    Label1 = new forms::TLabel("Current Data Folder:", this);
    CurFolder = new forms::TEdit(this);
    CurFolder->setReadOnly(true);
    ChangeFolder = new forms::TButton("Change Folder", this);
    SaveChanges = new forms::TButton("Save changes", this);
    ExitNoSave = new forms::TButton("Exit without saving", this);
    Memo1 = new forms::TMemo(this);
    Memo1->setReadOnly(true);
    Memo1->SetText(kExplanation);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TitlePanel);
    layout->addWidget(Label1);
    layout->addWidget(CurFolder);
    layout->addWidget(Memo1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(ChangeFolder);
    buttons->addWidget(SaveChanges);
    buttons->addWidget(ExitNoSave);
    layout->addLayout(buttons);
    resize(560, 360);

    ChangeFolder->OnClick = [this] { ChangeFolderClick(); };
    SaveChanges->OnClick = [this] { SaveChangesClick(); };
    ExitNoSave->OnClick = [this] { ExitNoSaveClick(); };
}

void TDataDriveForm::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    ChangeFolder->show();
    CurFolder->SetText(DataFolder);
    activationFolder_ = DataFolder;
    newFolder_ = DataFolder;
    Label1->SetText("Current Data Folder:");
    TitlePanel->SetText("Change the Data Drive");
    SetCaption("Change the Data Drive");
}

void TDataDriveForm::FormClose() {
    sys::SetWorkingFolder(ProgramFolder);
}

std::string TDataDriveForm::ChooseFolder() {
    forms::FileDialogRequest request;
    request.title = "Select data folder by selecting a file in that folder";
    request.filter = "Scenario table (nyr01.dbf);;All files (*)";
    request.initialFolder = DataFolder;
    request.initialName = kScenarioTable;
    request.confirmOverwrite = false;  // nothing is written to the file picked
    std::optional<std::string> chosen = forms::Ui().SaveFileDialog(request);
    if (!chosen || chosen->empty())
        return activationFolder_;
    std::string::size_type slash = chosen->find_last_of("/\\");
    if (slash == std::string::npos)
        return activationFolder_;
    return sys::Trim(chosen->substr(0, slash + 1));
}

// Compared as canonical paths, so another spelling of the same folder is refused too.
bool TDataDriveForm::IsBackupFolder(const std::string& folder) const {
    return CanonicalFolder(folder) == CanonicalFolder(BackupFolderPath());
}

// Creates and removes a probe file; true when the folder takes new files.
bool TDataDriveForm::ProbeWritable(const std::string& folder) {
    std::string probe = sys::NativePath(folder + "tmpfile.tst");
    std::FILE* file = sys::OpenFile(probe, "w");
    if (!file)
        return false;
    std::fclose(file);
    sys::DeleteFile(probe);
    return true;
}

void TDataDriveForm::ChangeFolderClick() {
    newFolder_ = ChooseFolder();
    if (IsBackupFolder(newFolder_)) {
        newFolder_ = activationFolder_;
        forms::ShowMessage(
            "This directory is reserved for base data and cannot be used.\nReverting back to "
            "last directory.",
            "Note");
    }
    if (!ProbeWritable(newFolder_)) {
        newFolder_ = activationFolder_;
        forms::ShowMessage(
            "Selection of new location failed.\nSelect the \"Create New Folder\" button in order "
            "to create a new folder.",
            "Error", forms::Icon::Error);
    }
    CurFolder->SetText(newFolder_);
}

void TDataDriveForm::SaveChangesClick() {
    DataFolderChange change = CommitDataFolder(CurFolder->Text());
    if (!change.committed) {
        forms::ShowMessage(change.error, "Error", forms::Icon::Error);
        CurFolder->SetText(DataFolder);
        return;
    }
    if (!change.note.empty())
        forms::ShowMessage(change.note, "Note");
    sys::SetWorkingFolder(ProgramFolder);
    SetModalResult(forms::mrOk);
    Close();
}

void TDataDriveForm::ExitNoSaveClick() {
    DataFolder = activationFolder_;
    sys::SetWorkingFolder(ProgramFolder);
    Close();
}
