// The main program's shared path globals.
#include "shell/globals.h"

std::string DataFolder;
std::string ProgramFolder;
std::string KivProgramPath;
std::string ChimraProgramPath;
std::string SelectedChemId;
