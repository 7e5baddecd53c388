// Path files of the program folder and the defaults written on a first run.
#include <cstdio>
#include <optional>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/text_helpers.h"
#include "shell/startup.h"

namespace {

// A path another program or a damaged disk can leave: control bytes (a NUL among them) or
// bytes that are no text. Such a line names no folder and no program.
bool UsablePath(const std::string& line) {
    for (unsigned char c : line) {
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return false;
    }
    return sys::IsUtf8(line);
}

// The first line of a path file. `value` is empty when the file cannot be read, its line is
// empty, or the line is no usable path; then `unusable` tells the last case apart.
struct PathLine {
    std::optional<std::string> value;
    bool unusable = false;
};

PathLine ReadPathLine(const char* name) {
    std::optional<std::string> bytes = sys::ReadWholeFile(ProgramPath(name));
    if (!bytes)
        return {};
    std::string line = bytes->substr(0, bytes->find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (!UsablePath(line))  // before trimming, which would take NULs for blanks
        return {std::nullopt, true};
    line = TrimCString(line);
    if (line.empty())
        return {};
    return {line, false};
}

// The path a file holds, or `fallback`. A file that holds no usable path counts as no file
// (nothing is made from it), and the person is told which file it was and what is used instead.
std::string PathFrom(const char* name, const std::string& fallback, const std::string& instead) {
    PathLine line = ReadPathLine(name);
    if (line.value)
        return *line.value;
    if (!line.unusable)
        return fallback;
    forms::ShowMessage("The file " + ProgramPath(name) +
                           " does not hold a usable path.\nThe program uses " + instead +
                           " instead.",
                       "Note");
    return instead;
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
// written with its default. A data.drv that holds no usable path gives the default data folder
// rather than the working folder: that is the program folder, whose pristine scenario table must
// never be taken for the person's cases.
void ReadPathFiles() {
    DataFolder = AsFolder(PathFrom(kDataDriveFile, "", DefaultDataFolder()));
    KivProgramPath = PathFrom(kKivDriveFile, DefaultKivProgram(), DefaultKivProgram());
    bool chimraUsable = ReadPathLine(kChimraDriveFile).value.has_value();
    ChimraProgramPath = PathFrom(kChimraDriveFile, DefaultChimraProgram(), DefaultChimraProgram());
    if (!chimraUsable)
        WritePathFile(kChimraDriveFile, ChimraProgramPath);
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
