// Reading the dilution row file ("tmpfile"): one result row of the dilution model per line,
// handed from the dilution run to the report writers of both formats.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's name; it lies in the working folder.
inline constexpr const char* DilutionRowFileName = "tmpfile";

// A row of a site run has six fields; a row of an industry-category run adds the analysis text
// ("High", "Avg", or "-..." for none) and a word that is not used.
enum class DilutionRowKind { Site, IndustryCode };

// The value of a field that holds no result or cannot be read.
constexpr double NoDilutionResult = -9.0;

struct DilutionRow {
    double coc = NoDilutionResult;              // ug/L
    double percentExceeded = NoDilutionResult;  // percent of the year
    double daysExceeded = NoDilutionResult;     // days per year
    double releaseDays = NoDilutionResult;      // days of release per year
    double preTreatRelease = NoDilutionResult;  // kg/site/day
    double wwtRemoval = NoDilutionResult;       // percent
    std::string analysis;                       // industry code only
};

// One line: fields divided by blanks, every numeric field read as a number whatever its format
// ("-9", "-9.000", "12.5", "1.2E-03", "1,234.00"); a field that is missing or is not a number reads
// as -9.
DilutionRow ParseDilutionRow(std::string_view line, DilutionRowKind kind);

// Every line of the file, in order; an empty list when the file cannot be read.
std::vector<DilutionRow> ReadDilutionRowFile(const std::string& path, DilutionRowKind kind);

// The row of a 0-based number; a row past the end of the file is a no-result row.
DilutionRow DilutionRowAt(const std::vector<DilutionRow>& rows, int index);
