// The main program's shared path globals.
#include "scenario/globals.h"

std::string DataFolder;
std::string ProgramFolder;
std::string KivProgramPath;
std::string ChimraProgramPath;
std::string SelectedChemId;
