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
const char* const SitePageNoResultLine =
    "        -9.      -9.000        -9.0   -9.000      -9.000         -9.\n";
const char* const IndustryCodePageNoResultLine =
    "        -9.      -9.000        -9.0   -9.000      -9.000         -9.  ---  ---\n";

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

int CellCount(DilutionRowKind kind) {
    return kind == DilutionRowKind::Site ? 6 : 7;
}

bool IsFilled(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
        if (cell.find_first_not_of(' ') != std::string::npos)
            return true;
    }
    return false;
}

std::string GridLine(DilutionRowKind kind, const std::vector<std::string>& cells) {
    std::string line;
    for (int col = 0; col < CellCount(kind); ++col) {
        if (col > 0)
            line += ' ';
        // A blank cell would shift the fields after it; it holds no result.
        const std::string cell =
            static_cast<size_t>(col) < cells.size() ? cells[static_cast<size_t>(col)] : "";
        line += cell.find_first_not_of(' ') == std::string::npos ? "N/A" : cell;
    }
    if (kind == DilutionRowKind::IndustryCode)
        line += " ---";
    return line + "\n";
}

}  // namespace

int FilledDilutionRows(const std::vector<std::vector<std::string>>& rows) {
    int last = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (IsFilled(rows[i]))
            last = static_cast<int>(i) + 1;
    }
    return last;
}

std::string PageDilutionRowText(DilutionRowKind kind,
                                const std::vector<std::vector<std::string>>& rows) {
    const int filled = FilledDilutionRows(rows);
    std::string text;
    for (int i = 0; i < filled; ++i)
        text += GridLine(kind, rows[static_cast<size_t>(i)]);
    const char* noResult =
        kind == DilutionRowKind::Site ? SitePageNoResultLine : IndustryCodePageNoResultLine;
    for (int i = filled; i < DilutionRowFileLines; ++i)
        text += noResult;
    return text;
}

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
    // Read back by the next report part and rewritten for every release.
    return sys::WriteScratchFile(path, text);
}
