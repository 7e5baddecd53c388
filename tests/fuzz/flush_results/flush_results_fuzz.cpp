// Fuzz target: the older down-the-drain run's hand-over file from outside bytes. A text that
// parses gives a pair of finite numbers.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dilution/disposal_older_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<FlushResults> pair = ParseFlushResults(text);
    if (pair && (!std::isfinite(pair->days) || !std::isfinite(pair->percent)))
        std::abort();
    return 0;
}
