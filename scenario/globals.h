// The main program's shared path globals.
#pragma once

#include <string>

// Folders end in a backslash, as the system builds its paths ("...\\results\\").
extern std::string DataFolder;
extern std::string ProgramFolder;
extern std::string KivProgramPath;
extern std::string ChimraProgramPath;
extern std::string SelectedChemId;
