// Fuzz target: a binary dilution table of the older down-the-drain run from outside bytes.
// A table that parses has its full row count of finite values, and looking a level up in it
// (as axis and as days) gives a finite number of days.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dilution/disposal_older_run.h"
#include "dilution/pdm_older_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::optional<std::vector<float>> table = ParsePdmDatTable(bytes);
    if (!table)
        return 0;
    if (table->size() != static_cast<size_t>(PdmTableRows))
        std::abort();
    for (double coc : {1e-6, 0.5, 3.0, 1e12}) {
        std::optional<double> days = DisposalTableDays(*table, *table, coc, 1e-3, true);
        if (days && std::isnan(*days))
            std::abort();
    }
    return 0;
}
