// Fuzz target: the main program's path files (data.drv, kiv.drv and chimra.drv, in that order,
// separated by "|FILE|") read at start-up from a program folder of their own.
#include <cstdint>
#include <string>

#include "scenario/globals.h"
#include "shell/startup.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
    return 0;
}
