// The main program's start-up work, run once at the first activation of the introductory screen.
#include "shell/startup.h"

#include <memory>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"
#include "shell/data_drive.h"

namespace {

std::string MissingTableMessage(const std::string& table) {
    return "The path for your data files is not functioning.\nPlease check your disk drive and "
           "see if the directory exists:" +
           table;
}

std::string UnopenedTableMessage(const std::string& table, const std::string& error) {
    return "The scenario table " + table + " could not be opened:\n" + error +
           "\nPress OK to choose another data folder or Cancel to end the program.";
}

void ShowDataDriveForm() {
    std::unique_ptr<TDataDriveForm> own;
    TDataDriveForm* form = DataDriveForm;
    if (!form) {
        own = std::make_unique<TDataDriveForm>();
        form = own.get();
    }
    form->DriveMode = "DATA";
    form->ShowModal();
}

}  // namespace

// A missing table is restored from orig\ without a question; a table that is there but does
// not open is never overwritten: the user picks another folder or ends the program.
bool EnsureScenarioTable(bool* folderChosen) {
    if (folderChosen != nullptr)
        *folderChosen = false;
    for (;;) {
        std::string table = sys::NativePath(DataPath(kScenarioTable));
        if (!sys::FileExists(table))
            CopyScenarioTable(BackupFolderPath(), DataFolder);
        std::string message;
        if (sys::FileExists(table)) {
            std::string error = OpenScenarioTable(table);
            if (error.empty())
                return true;
            message = UnopenedTableMessage(table, error);
        } else {
            message = MissingTableMessage(table);
        }
        int answer =
            forms::Ui().MessageBox(message, "Error", forms::Buttons::OkCancel, forms::Icon::Error);
        if (answer != forms::mrOk)
            return false;
        ShowDataDriveForm();
        if (folderChosen != nullptr)
            *folderChosen = true;
    }
}

bool RunStartupWork() {
    ClearRunFlags();
    ProgramFolder = sys::WorkingFolder();
    if (!ClaimProgramFolder()) {
        forms::Ui().MessageBox("Another copy of the program is using this folder (" +
                                   sys::NativePath(ProgramFolder) + ").\nThis copy will end.",
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
        return false;
    }
    ReadPathFiles();
    if (IsFirstRun())
        WriteFirstRunDefaults();
    RemoveLeftoverCopies();
    if (!StartTablesAndDilution())
        return false;
    if (BackupRefreshDue())
        RefreshBackup();
    CompleteHalfRestoredTable();
    bool folderChosen = false;
    if (!EnsureScenarioTable(&folderChosen))
        return false;
    // A folder chosen on the data-folder form was noted there already.
    std::string note = folderChosen ? "" : CasesCannotBeSavedNote();
    if (!note.empty())
        forms::ShowMessage(note, "Note");
    ResetCurrentCase();
    return true;
}
