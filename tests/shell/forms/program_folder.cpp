// A temporary program folder holding a copy of the built program folder's tables.
#include "tests/shell/forms/program_folder.h"

#include <sys/time.h>
#include <utime.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "shell/scr_main.h"
#include "shell/startup.h"
#include "tests/support/empty_scenario.h"

namespace fs = std::filesystem;

namespace {

const char* kTableFolders[] = {"duriviz", "rscan", "pdm", "endanger", "kiv", "help"};
const char* kTableFiles[] = {"nyr01.dbf", "nyr01.dbt", "nyr01.mdx"};

}  // namespace

ProgramFolderCopy::ProgramFolderCopy(bool tables, Scenario scenario)
    : previousWorkingFolder_(sys::WorkingFolder()) {
    std::string pattern = (fs::temp_directory_path() / "ombrix-shell-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    if (tables) {
        fs::path source(OMBRIX_PROGRAM_DIR);
        for (const char* folder : kTableFolders) {
            if (fs::exists(source / folder)) {
                fs::copy(source / folder, fs::path(path_) / folder,
                         fs::copy_options::recursive | fs::copy_options::copy_symlinks);
            }
        }
        for (const char* file : kTableFiles) {
            if (fs::exists(source / file))
                fs::copy_file(source / file, fs::path(path_) / file);
        }
        if (scenario == Scenario::Empty)
            test_support::CopyEmptyScenarioTable(path_);
    }
    sys::WriteWholeFile(ProgramFile(), "program");
    SetFileDate(ProgramFile(), 2014, 5, 1);
    SetRunningProgramFile(ProgramFile());
    sys::SetProgramRoot(path_);
    sys::SetWorkingFolder(path_);
    ResetShellState();
}

void ProgramFolderCopy::InstallTreatModel() const {
    const std::filesystem::path shipped =
        std::filesystem::path(OMBRIX_PROGRAM_DIR) / "drive_c" / "astreat";
    const std::filesystem::path folder = TreatModelFolder();
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(shipped / "asparms.inp", folder / "asparms.inp",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::create_symlink(shipped / "treat", folder / "treat");
}

ProgramFolderCopy::~ProgramFolderCopy() {
    ResetShellState();
    sys::SetWorkingFolder(previousWorkingFolder_);
    sys::SetProgramRoot("");
    SetRunningProgramFile("");
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void SetFileDate(const std::string& path, int year, int month, int day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    std::time_t when = std::mktime(&local);
    struct utimbuf times {
        when, when
    };
    ::utime(sys::NativePath(path).c_str(), &times);
}

std::string FileText(const std::string& path) {
    return sys::ReadWholeFile(path).value_or("<missing>");
}

void ResetShellState() {
    CloseLookupTables();
    Tables().PmnTable.Close();
    DataFolder.clear();
    ProgramFolder.clear();
    KivProgramPath.clear();
    ChimraProgramPath.clear();
    SelectedChemId.clear();
    WordCheckResult = 0;
    SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0;
    FlushSelected = KivSelected = 0;
    CurrentPmn = pmn_record();
    HealthFlags = "111";
}
