// Reading a CSV file (RFC 4180: quoted cells may hold commas, quotes and line breaks).
#pragma once

#include <string>
#include <vector>

namespace dbfmake {

struct CsvRow {
    int line = 0;  // line of the file on which the row starts, from 1
    std::vector<std::string> cells;
};

// Splits CSV text into rows. A UTF-8 byte order mark is skipped, "\r\n" and "\n" both end a
// row, and blank lines are skipped. Throws std::runtime_error (with the line) on a quote that
// is never closed or text after a closing quote.
std::vector<CsvRow> ParseCsv(const std::string& text);

}  // namespace dbfmake
