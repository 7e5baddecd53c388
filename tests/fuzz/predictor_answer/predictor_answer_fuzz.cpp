// Fuzz target: chimra.out as the input form reads the predictor's answer; a complete answer has
// a stability class 0 to 5 and finite concentrations, and anything else is refused.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "releases/predictor_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (std::optional<PredictorAnswer> answer = ParsePredictorAnswer(text)) {
        if (answer->StabilityClass < 0 || answer->StabilityClass > 5 ||
            !std::isfinite(answer->StackAnnual) || !std::isfinite(answer->FugitiveMax24Hour) ||
            answer->MetClass.size() > 200)
            std::abort();
    }
    return 0;
}
