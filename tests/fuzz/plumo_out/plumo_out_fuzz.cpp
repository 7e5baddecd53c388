// Fuzz target: the dispersion model's listing plumo.out as the predictor reads it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "predictor/model_output.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string listing(reinterpret_cast<const char*>(data), size);
    std::string why;
    std::optional<ModelOutput> out = ParseModelOutput(listing, &why);
    // A reading is a finite concentration of zero or more, else there is a reason.
    if (out && (!std::isfinite(out->concentration) || out->concentration < 0))
        std::abort();
    if (!out && why.empty())
        std::abort();
    return 0;
}
