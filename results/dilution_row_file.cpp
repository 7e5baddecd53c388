// The dilution row file of the full results run.
#include "results/dilution_row_file.h"

#include "dilution/pdm_results.h"
#include "documents/merge/report_numbers.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"

const char* const SiteNoResultLine =
    "        -9.0      -9        -9   -9      -9.000         -9.0\n";
const char* const IndustryCodeNoResultLine =
    "        -9.      -9.000        -9.0   -9.000      -9.000         -9. ---  ---\n";

namespace {

constexpr int DilutionRowFileLines = 21;

long WholeNumber(double value) {
    return static_cast<long>(RoundToWhole(value));
}

std::string ResultLine(DilutionRowKind kind, int k, const std::string& analysis) {
    std::string line =
        sys::Format("%lf %ld %ld %ld %lf %lf", PdmCoc[k], WholeNumber(PdmPercentExceeded[k]),
                    WholeNumber(PdmDaysExceeded[k]), WholeNumber(PdmReleaseDays),
                    PdmPreTreatRelease, PdmWwtRemoval);
    if (kind == DilutionRowKind::IndustryCode)
        line += " " + analysis + " ---";
    return line + "\n";
}

}  // namespace

std::string DilutionRowFileText(DilutionRowKind kind, const std::array<double, 3>& cocLevels,
                                const std::string& analysis) {
    int asked = 1;
    if (cocLevels[1] > 0)
        asked = 2;
    if (cocLevels[2] > 0)
        asked = 3;
    const char* noResult =
        kind == DilutionRowKind::Site ? SiteNoResultLine : IndustryCodeNoResultLine;
    std::string text;
    for (int j = 0; j < DilutionRowFileLines; ++j) {
        const bool result = j < asked && cocLevels[static_cast<size_t>(j)] > 0;
        text += result ? ResultLine(kind, j, analysis) : noResult;
    }
    return text;
}

bool WriteDilutionRowFile(const std::string& path, const std::string& text) {
    return sys::WriteWholeFile(path, text);
}
