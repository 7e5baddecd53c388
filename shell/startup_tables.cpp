// The tables and records the start-up work opens and resets, and their closing at shut-down.
#include <cstdio>

#include "platform/sys/files.h"
#include "shell/startup.h"

std::string OpenScenarioTable(const std::string& path) {
    std::FILE* file = sys::OpenFile(path, "rb");
    if (!file)
        return "The file cannot be read.";
    std::fclose(file);
    return {};
}

void OpenLookupTables() {}

void CloseStartupLookupTables() {}

void ClearRunFlags() {}

void StartTablesAndDilution() {
    OpenLookupTables();
}

void ResetCurrentCase() {}
