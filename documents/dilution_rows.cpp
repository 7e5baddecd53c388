// The dilution row file reader: line by line, field by field.
#include "documents/dilution_rows.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "platform/sys/files.h"
#include "platform/sys/text.h"

namespace {

// A field as a number; the grid's thousands separators are dropped first.
double FieldNumber(const std::vector<std::string>& fields, size_t index) {
    if (index >= fields.size())
        return NoDilutionResult;
    std::string text;
    for (char c : fields[index]) {
        if (c != ',')
            text += c;
    }
    double value = 0.0;
    if (!sys::ParseDouble(text, value) || !std::isfinite(value))
        return NoDilutionResult;
    return value;
}

}  // namespace

DilutionRow ParseDilutionRow(std::string_view line, DilutionRowKind kind) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    DilutionRow row;
    row.coc = FieldNumber(fields, 0);
    row.percentExceeded = FieldNumber(fields, 1);
    row.daysExceeded = FieldNumber(fields, 2);
    row.releaseDays = FieldNumber(fields, 3);
    row.preTreatRelease = FieldNumber(fields, 4);
    row.wwtRemoval = FieldNumber(fields, 5);
    if (kind == DilutionRowKind::IndustryCode && fields.size() > 6)
        row.analysis = fields[6];
    return row;
}

std::vector<DilutionRow> ReadDilutionRowFile(const std::string& path, DilutionRowKind kind) {
    std::vector<DilutionRow> rows;
    std::FILE* file = sys::OpenFile(path, "rb");
    if (!file)
        return rows;
    for (std::string line; sys::ReadTextLine(file, line);)
        rows.push_back(ParseDilutionRow(line, kind));
    std::fclose(file);
    return rows;
}

DilutionRow DilutionRowAt(const std::vector<DilutionRow>& rows, int index) {
    if (index < 0 || static_cast<size_t>(index) >= rows.size())
        return DilutionRow{};
    return rows[static_cast<size_t>(index)];
}
