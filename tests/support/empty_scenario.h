// The empty scenario table of the shipped layout, for tests that start from no case at all (the
// shipped table holds the demonstration case).
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

// Copies the empty table and its memo file to <folder>/nyr01.dbf and nyr01.dbt, making the
// folder when it does not exist.
inline void CopyEmptyScenarioTable(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path source = std::filesystem::path(OMBRIX_BUILD_DIR) / "empty-scenario";
    for (const char* name : {"nyr01.dbf", "nyr01.dbt"})
        std::filesystem::copy_file(source / name, folder / name,
                                   std::filesystem::copy_options::overwrite_existing);
}

}  // namespace test_support
