// Fuzz target: the predictor's exchange files from outside bytes: chimra.out as its reader
// takes it (a reading written again reads the same), and the same bytes as chimra.in and
// data.drv.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "predictor/exchange.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (std::optional<ChimraAnswer> answer = ParseChimraOut(text)) {
        std::optional<ChimraAnswer> again = ParseChimraOut(ChimraOutText(*answer));
        if (!again || again->downwash != answer->downwash ||
            again->stabilityLetter != answer->stabilityLetter)
            std::abort();
    }
    std::string path = fuzz::WriteInput("exchange.txt", text);
    std::optional<ChimraRequest> request = ReadChimraIn(path);
    if (request && request->caller != "dide2" && request->caller != "Ombrix 2014")
        std::abort();
    ReadDataFolder(path);
    return 0;
}
