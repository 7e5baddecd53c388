// The older down-the-drain run: days a concentration of concern is exceeded, read from the
// binary tables of all treatment works instead of running the dilution model.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Site-days of the two tables that stand for the whole year: the high-end table counts the
// tenth of the 8,873 works with the most days (887), the average table all of them.
inline constexpr double HighEndTableYear = 887;
inline constexpr double AverageTableYear = 8873;

// The values of a binary table: little-endian single-precision numbers, PdmTableRows of them;
// nothing when the bytes have another length or hold a value that is not a finite number.
std::optional<std::vector<float>> ParsePdmDatTable(std::string_view bytes);
std::optional<std::vector<float>> ReadPdmDatTable(const std::string& path);

// The 0-based row of the ascending axis equal to x within 1e-9, or else the last row below x;
// -1 when x lies below the first row, -2 above the last.
int SearchPdmConcTable(const std::vector<float>& axis, double x);

// Days per year the level coc (ug/L) is exceeded at a post-treatment release (g/person/day):
// the table's value at coc / release, interpolated log-linearly between rows with values above
// 0 (linearly otherwise), scaled so that the table's whole year is 365 days. A level below the
// table takes its first row, above it 0 days. Nothing for a release or level not above 0.
std::optional<double> DisposalTableDays(const std::vector<float>& axis,
                                        const std::vector<float>& days, double coc, double release,
                                        bool highEnd);

// The hand-over of one concentration of concern from the table lookup to the results: a one-line
// text file in the working folder, rewritten for every level.
inline constexpr const char* FlushFileName = "flush.inp";

struct FlushResults {
    double days = 0;     // days per year the level is exceeded
    double percent = 0;  // percent of the year
};

// Writes "%f %f\n" of the days and the percent of the year they make, in single precision. An
// older file goes first, so that a file that cannot be written is never read back in its place.
bool WriteFlushResults(const std::string& path, double days);

// The pair of the text: up to three pairs "%f %f" are read and the last one read counts;
// nothing when the text holds no pair of finite numbers.
std::optional<FlushResults> ParseFlushResults(std::string_view text);

enum class FlushReadState { Read, Missing, Unreadable };
struct FlushRead {
    FlushReadState state = FlushReadState::Missing;
    FlushResults results;
};
FlushRead ReadFlushResults(const std::string& path);
