// Turning the system's paths (backslashes, drive letters, any letter case) into native ones.
#pragma once

#include <string>

namespace sys {

// The folder that holds the programs and their data. Taken from OMBRIX_PROGRAM_DIR when set,
// else the folder of the running executable; tests and tools may set it.
std::string ProgramRoot();
void SetProgramRoot(const std::string& folder);

// The folder a drive letter maps to: "c" maps to OMBRIX_DRIVE_C when set, else drive_c/ in the
// program folder; any other letter to drive_<letter>/ in the program folder.
std::string DriveFolder(char letter);

// A system path to a native one: "\" becomes "/", a leading "x:" becomes the drive's folder, and
// where the exact name does not exist each component is matched without regard to case. A name
// that matches nothing is kept as given, so new files are created under the name asked for.
// A trailing separator is kept.
std::string NativePath(const std::string& path);

// Joins a folder and a name with exactly one "/" between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// The last component of a path (after the last "/" or "\").
std::string FileNamePart(const std::string& path);
// Everything before the last component, without the separator ("" when there is none).
std::string FolderPart(const std::string& path);

}  // namespace sys
