// Reading a table schema: one field a line, "NAME TYPE WIDTH DECIMALS".
#pragma once

#include <string>
#include <vector>

#include "platform/tables/format.h"

namespace dbfmake {

// Lines starting with '#' and blank lines are skipped; DECIMALS may be left out (0). Names are
// taken in upper case. Throws std::runtime_error naming the line and the cause.
std::vector<tables::FieldDef> ParseSchema(const std::string& text);

}  // namespace dbfmake
