// A temporary program folder holding a copy of the built program folder's tables, used as the
// working folder of one test; file dates can be set to chosen days.
#pragma once

#include <string>

class ProgramFolderCopy {
  public:
    // The scenario table the copy starts with: empty, or the shipped one with its
    // demonstration case.
    enum class Scenario { Empty, Shipped };
    // With tables = false only an empty folder is made.
    explicit ProgramFolderCopy(bool tables = true, Scenario scenario = Scenario::Empty);
    ~ProgramFolderCopy();
    ProgramFolderCopy(const ProgramFolderCopy&) = delete;
    ProgramFolderCopy& operator=(const ProgramFolderCopy&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // The stand-in for the running program file, dated 1 May 2014.
    std::string ProgramFile() const { return path_ + "/ombrix2014"; }
    // The treatment model's folder, drive_c/astreat/ of this copy.
    std::string TreatModelFolder() const { return path_ + "/drive_c/astreat"; }
    // Puts the shipped treatment-model template and the stand-in model into that folder.
    void InstallTreatModel() const;

  private:
    std::string path_;
    std::string previousWorkingFolder_;
};

// Sets a file's modification date to noon of the given local day.
void SetFileDate(const std::string& path, int year, int month, int day);

// The text of a file, or "<missing>".
std::string FileText(const std::string& path);

// Resets the shell's globals and closes the tables, as a fresh start of the program finds them.
void ResetShellState();
