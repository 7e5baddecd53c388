// Fuzz target: a consumer model input (.trn) as the multi-zone model reads it.
#include <cstdint>
#include <string>

#include "consumer/model/zonaromain.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    consumer::zonaromain model;
    model.ParseText(std::string(fuzz::AsText(data, size)));
    return 0;
}
