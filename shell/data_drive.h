// TDataDriveForm: moving the data folder that holds the scenario table and the reports.
#pragma once

#include <string>

#include "platform/forms/components.h"
#include "platform/forms/form.h"

// Outcome of moving the data folder to a new folder.
struct DataFolderChange {
    bool committed = false;
    std::string error;  // why nothing was changed; empty when committed
    std::string note;   // what was done besides, for the user (an old table kept aside)
};

// Moves the data folder to `folder` (ending with a separator): an outdated scenario table there
// is kept under a backup name, a missing one is copied from orig\, the table is opened, and only
// then DataFolder and data.drv change. On any failure everything is as before.
DataFolderChange CommitDataFolder(const std::string& folder);

// The name the files of an outdated scenario table are kept under ("nyr01_old", then
// "nyr01_old2", ...): the first base name whose .dbf is not taken in the folder.
std::string OldTableBaseName(const std::string& folder);

class TDataDriveForm : public forms::Form {
    Q_OBJECT
  public:
    TDataDriveForm();
    ~TDataDriveForm() override;

    // Set by every caller before showing; "DATA" is the data-folder mode.
    std::string DriveMode;

    forms::TLabel* TitlePanel;
    forms::TLabel* Label1;
    forms::TEdit* CurFolder;
    forms::TButton* ChangeFolder;
    forms::TButton* SaveChanges;
    forms::TButton* ExitNoSave;
    forms::TMemo* Memo1;

    void FormShow() override { activated_ = false; }
    // Once per showing: returning from a dialog does not reset the folder chosen.
    void FormActivate() override;
    void FormClose() override;
    void ChangeFolderClick();
    void SaveChangesClick();
    void ExitNoSaveClick();

    const std::string& FolderAtActivation() const { return activationFolder_; }

  private:
    void BuildLayout();
    // The folder chosen in the dialog, or the folder at activation when it was cancelled.
    std::string ChooseFolder();
    bool IsBackupFolder(const std::string& folder) const;
    static bool ProbeWritable(const std::string& folder);

    bool activated_ = false;
    std::string activationFolder_;
    std::string newFolder_;
};

// The start-up instance.
extern TDataDriveForm* DataDriveForm;
