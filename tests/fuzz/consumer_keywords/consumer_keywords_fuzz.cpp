// Fuzz target: a consumer model keyword file (.cmi) read into the model input (.trn), which is
// then read back as the model reads it.
#include <cstdint>
#include <string>

#include "consumer/model/comtransfer.h"
#include "consumer/model/zonaromain.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string path = fuzz::WriteInput("case.cmi", fuzz::AsText(data, size));
    consumer::comtransfer transfer;
    int result = 0;
    std::optional<std::string> trn = transfer.Read(path, result);
    if (trn) {
        consumer::zonaromain model;
        model.Parse(*trn);
    }
    return 0;
}
