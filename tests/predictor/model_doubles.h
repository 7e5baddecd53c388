// Test doubles of the dispersion model, written as plumo3/plumos.bat, and the stand-in model
// itself copied from the program folder.
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/sys/files.h"

// Answers with 1000 times the deck's emission line in ug/m3, that is the emission in mg/m3, so
// each result shows which deck it came from.
inline const char* const kEchoModel =
    "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
    "q=$(sed -n 3p ../plumo3.dat)\n"
    "c=$(awk -v q=\"$q\" 'BEGIN { printf \"%.6e\", q * 1000 }')\n"
    "printf ' TEST MODEL\\n  DIST  CONC\\n ------ ------\\n   100.0  %s  D\\n' \"$c\" > "
    "plumo.out\n";

// Starts a child of its own, writes a listing and never finishes.
// The child is started first, without a subshell, so even a loaded machine records it in time.
inline const char* const kSlowModel =
    "#!/bin/sh\nsleep 30 &\necho $! > \"${0%/*}/child.pid\"\n"
    "printf -- '-----\\n 100.0 1.0\\n' > \"${0%/*}/plumo.out\"\nwait\n";

// Finishes without writing anything.
inline const char* const kSilentModel = "#!/bin/sh\nexit 0\n";

// Copies the stand-in model and its plumos.bat into folder/plumo3; false when it cannot.
inline bool InstallStandInModel(const std::string& folder) {
    sys::MakeFolder(folder + "/plumo3");
    for (const char* name : {"plumo3", "plumos.bat"}) {
        if (!sys::CopyBytes(std::string(OMBRIX_PROGRAM_DIR) + "/plumo3/" + name,
                            folder + "/plumo3/" + name))
            return false;
    }
    return ::chmod((folder + "/plumo3/plumo3").c_str(), 0755) == 0;
}
