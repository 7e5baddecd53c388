// Fuzz target: the consumer model's answer file (nyrout.txt) as the main program reads it.
#include <cstdint>
#include <string>

#include "shell/consumer_exchange.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    ParseNyrOutput(std::string(fuzz::AsText(data, size)), error);
    return 0;
}
