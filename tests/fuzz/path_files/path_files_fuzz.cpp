// Fuzz target: the main program's path files (data.drv, kiv.drv and chimra.drv, in that order,
// separated by "|FILE|") read at start-up from a program folder of their own.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/forms/ui_service.h"
#include "scenario/globals.h"
#include "shell/startup.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static forms::ScriptedUi ui;  // notes about unusable files are recorded, not shown
    ui.ClearShown();
    ProgramFolder = fuzz::ScratchFolder();
    std::string_view rest = fuzz::AsText(data, size);
    for (const char* name : {kDataDriveFile, kKivDriveFile, kChimraDriveFile}) {
        bool more = false;
        auto [part, after] = fuzz::SplitAt(rest, "|FILE|", more);
        if (part.empty() && !more)
            fuzz::RemoveInput(name);
        else
            fuzz::WriteInput(name, part);
        rest = after;
    }
    ReadPathFiles();
    // Nothing is made from what the files hold: the folder keeps the three files alone.
    for (const auto& entry : std::filesystem::directory_iterator(fuzz::ScratchFolder())) {
        std::string name = entry.path().filename().string();
        if (name != kDataDriveFile && name != kKivDriveFile && name != kChimraDriveFile)
            std::abort();
    }
    return 0;
}
