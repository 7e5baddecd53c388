// Fuzz target: the treatment stand-in's parameter file asparms.db, read, computed and reported.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "outside/treat/model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    std::string error;
    const auto parameters = treat::ReadParameters(lines, error);
    if (!parameters) {
        return 0;
    }
    const treat::Fate fate = treat::Compute(*parameters);
    const double total = fate.Effluent() + fate.Sludge() + fate.Biodegraded + fate.Volatilised;
    if (!std::isfinite(total) || std::fabs(total - 100.0) > 1e-6) {
        std::abort();  // the routes always account for the whole influent
    }
    treat::Report(*parameters, fate, error);
    return 0;
}
