// Program paths of the two outside multimedia fate models, whose chemical databases the
// properties screen fills; empty unless set (then the databases are sought in the working folder).
#pragma once

#include <string>

extern std::string EqcProgramPath;
extern std::string Level3ProgramPath;

// The folder of a program path: everything up to and including its last backslash, or "" when
// it holds none.
std::string ProgramPathFolder(const std::string& programPath);
