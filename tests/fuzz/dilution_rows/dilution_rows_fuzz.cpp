// Fuzz target: the dilution row file from outside bytes, as both row kinds. Every line gives
// one row and every numeric field is a finite number (-9 where there is none).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "documents/dilution_rows.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

void CheckRow(const DilutionRow& row) {
    for (double value : {row.coc, row.percentExceeded, row.daysExceeded, row.releaseDays,
                         row.preTreatRelease, row.wwtRemoval}) {
        if (!std::isfinite(value))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string path = fuzz::WriteInput("tmpfile", text);
    for (DilutionRowKind kind : {DilutionRowKind::Site, DilutionRowKind::IndustryCode}) {
        for (const DilutionRow& row : ReadDilutionRowFile(path, kind))
            CheckRow(row);
        CheckRow(ParseDilutionRow(text, kind));
    }
    return 0;
}
