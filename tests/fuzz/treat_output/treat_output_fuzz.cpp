// Fuzz target: the treatment model's result file treat.out as the main program reads it back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chemistry/astreat_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto values = ReadTreatOutput(bytes, error);
    if (values) {
        // What the reader accepts is always a usable result.
        if (!std::isfinite(values->SludgeFlux) || values->SludgeFlux < 0 ||
            !(values->LossToSludge >= 0 && values->LossToSludge <= 100) ||
            !(values->EffluentShare >= 0 && values->EffluentShare <= 100)) {
            std::abort();
        }
    } else if (error.empty()) {
        std::abort();  // a refusal always says why
    }
    return 0;
}
