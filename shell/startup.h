// The main program's start-up work: path files, first run, the backup of the scenario table,
// the data folder check, and the shut-down.
#pragma once

#include <string>

#include "platform/sys/files.h"

// Path, marker and table names in the program folder (the marker names keep their dot).
inline constexpr const char* kDataDriveFile = "data.drv";
inline constexpr const char* kKivDriveFile = "kiv.drv";
inline constexpr const char* kChimraDriveFile = "chimra.drv";
inline constexpr const char* kFirstRunMarker = "ftime.";
inline constexpr const char* kMasterMarker = "master.";
inline constexpr const char* kBackupFolder = "orig";
inline constexpr const char* kScenarioTable = "nyr01.dbf";

// ProgramFolder followed by a name, as a native path.
std::string ProgramPath(const std::string& name);
// The pristine backup folder, ProgramFolder + "\orig\", native, with its trailing separator.
std::string BackupFolderPath();

// Day number of a file date for the backup refresh: (Y - 1) x 365 + (M - 1) x 30 + D, with Y the
// year counted from 1980.
long BackupDayNumber(const sys::FileDate& date);
// Day number of a scenario table's date for the data-folder form: Y x 366 + (M - 1) x 31 + D.
long TableDayNumber(const sys::FileDate& date);
// Tables dated below this day number are older than the table layout the program needs.
inline constexpr long kOldestCurrentTableDay = 8069;

// Reads data.drv, kiv.drv and chimra.drv of the program folder, each on its own with its default;
// a missing chimra.drv is written with its default.
void ReadPathFiles();
// Writes the first-run defaults into the path files and creates the results folder.
void WriteFirstRunDefaults();
bool IsFirstRun();

// The program file whose date decides the backup refresh: the running executable, unless a test
// named another.
std::string RunningProgramFile();
void SetRunningProgramFile(const std::string& path);

bool BackupRefreshDue();
// Creates orig\, copies the pristine scenario table into orig\ and, once it is there, writes
// ftime.
void RefreshBackup();

// Copies nyr01.dbf and its memo file (and its index file when the source has one) from one
// folder to another as a set: all are copied under temporary names, then renamed into place.
// When any copy fails, the files of the target folder are as they were and the result is false.
bool CopyScenarioTable(const std::string& fromFolder, const std::string& toFolder);
// A restore stopped between the table and its memo file (by an older version of this program)
// left the pristine table without its memo file: the memo file is copied from orig\. True when
// it did so.
bool CompleteHalfRestoredTable();

// The program folder belongs to one running copy of the program: true when this copy holds it
// (or already did), false when another copy does.
bool ClaimProgramFolder();
// Removes the temporary files (name.part<process id>) that copies stopped half-way left in the
// program folder, orig\ and the data folder; those of a program still running stay.
void RemoveLeftoverCopies();
// The note that cases cannot be saved in the data folder (the folder or its scenario table is
// read-only); empty when they can.
std::string CasesCannotBeSavedNote();

// Opens the scenario table at a path as PmnTable with index PMN_ID; the error text, or empty
// when it opened.
std::string OpenScenarioTable(const std::string& path);
// Opens, and closes, the ten lookup tables in their fixed order. Throws when one cannot be
// opened.
void OpenLookupTables();
void CloseStartupLookupTables();

// Makes sure the data folder holds a scenario table that opens: restores it from orig\, else
// offers the data-folder form or the end of the program. False when the user chose to end.
// *folderChosen tells whether the data-folder form was shown on the way.
bool EnsureScenarioTable(bool* folderChosen = nullptr);

// Clears the run flags of every subsystem to their start values.
void ClearRunFlags();
// Opens the lookup tables and sets up the dilution model's tables and the shared flags. False,
// after a message naming the table, when one cannot be opened: the program cannot work then.
bool StartTablesAndDilution();
// Resets the current scenario record: no chemical is chosen yet.
void ResetCurrentCase();

// The whole start-up work, in order. False when the user chose to end the program.
bool RunStartupWork();
