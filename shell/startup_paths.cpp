// Path files of the program folder and the defaults written on a first run.
#include <cstdio>
#include <optional>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"
#include "shell/startup.h"

namespace {

// The first line of a path file; nullopt when the file cannot be opened or the line is empty.
std::optional<std::string> FirstLine(const std::string& path) {
    std::FILE* file = sys::OpenFile(path, "r");
    if (!file)
        return std::nullopt;
    std::string line;
    ReadLine(line, file);
    std::fclose(file);
    line = TrimCString(line);
    if (line.empty())
        return std::nullopt;
    return line;
}

void WritePathFile(const char* name, const std::string& value) {
    sys::WriteWholeFile(ProgramPath(name), value + "\n");
}

// A folder read from a file must end in a separator, since names are appended to it directly.
std::string AsFolder(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder;
    return folder + "/";
}

std::string DefaultDataFolder() {
    return sys::NativePath(ProgramFolder + "\\results\\");
}
std::string DefaultKivProgram() {
    return sys::NativePath(ProgramFolder + "\\kiv\\kiv32.exe");
}
std::string DefaultChimraProgram() {
    return sys::NativePath(ProgramFolder + "\\chimramn.exe");
}

}  // namespace

std::string ProgramPath(const std::string& name) {
    return sys::JoinPath(ProgramFolder, name);
}

std::string BackupFolderPath() {
    return sys::NativePath(ProgramFolder + "\\" + kBackupFolder + "\\");
}

long BackupDayNumber(const sys::FileDate& date) {
    long years = date.year - 1980;
    return (years - 1) * 365 + (date.month - 1) * 30 + date.day;
}

long TableDayNumber(const sys::FileDate& date) {
    long years = date.year - 1980;
    return years * 366 + (date.month - 1) * 31 + date.day;
}

// Each path file is read on its own: a missing data.drv leaves the data folder empty (the
// working folder), a missing kiv.drv gives the default program path, a missing chimra.drv is
// written with its default.
void ReadPathFiles() {
    DataFolder = AsFolder(FirstLine(ProgramPath(kDataDriveFile)).value_or(""));
    KivProgramPath = FirstLine(ProgramPath(kKivDriveFile)).value_or(DefaultKivProgram());
    if (auto chimra = FirstLine(ProgramPath(kChimraDriveFile))) {
        ChimraProgramPath = *chimra;
    } else {
        ChimraProgramPath = DefaultChimraProgram();
        WritePathFile(kChimraDriveFile, ChimraProgramPath);
    }
}

bool IsFirstRun() {
    return !sys::FileExists(ProgramPath(kFirstRunMarker));
}

void WriteFirstRunDefaults() {
    DataFolder = DefaultDataFolder();
    sys::MakeFolder(DataFolder);
    WritePathFile(kDataDriveFile, DataFolder);
    KivProgramPath = DefaultKivProgram();
    WritePathFile(kKivDriveFile, KivProgramPath);
    ChimraProgramPath = DefaultChimraProgram();
    WritePathFile(kChimraDriveFile, ChimraProgramPath);
}
