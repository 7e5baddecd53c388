// Fuzz target: the treatment model's files as the main program reads them: its result file
// treat.out, and the same bytes taken as the template asparms.inp that the parameter file is
// built from.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "chemistry/astreat_files.h"

namespace {

// The parameter file is always whole (62 lines) or refused with a reason.
void CheckBuilt(const std::optional<std::vector<std::string>>& lines, const std::string& error) {
    if (lines ? lines->size() != static_cast<std::size_t>(kParameterLines) : error.empty()) {
        std::abort();
    }
}

void BuildFromTemplate(const std::string& bytes) {
    std::vector<std::string> templateLines(1);
    for (const char c : bytes) {
        if (c == '\n') {
            templateLines.emplace_back();
        } else {
            templateLines.back() += c;
        }
    }
    std::string error;
    CheckBuilt(BuildParameterLines(templateLines, AsTreatParameterValues{}, error), error);
    error.clear();
    CheckBuilt(BuildLoadParameterLines(templateLines, 625, error), error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    BuildFromTemplate(bytes);
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
