// The lists the input dialogs offer from the model's tables.
#include "consumer/data/reference_lists.h"

#include "consumer/data/table_connection.h"
#include "consumer/model/result_format.h"

namespace consumer {
namespace {

// The number in `length` characters starting one before the point at `point`.
bool NumberAt(const std::string& line, size_t point, size_t length, double& value) {
    if (point == std::string::npos)
        return false;
    size_t start = point == 0 ? 0 : point - 1;
    value = EditNumberValue(line.substr(start, length));
    return true;
}

}  // namespace

std::vector<std::string> WeightFractionLines(const std::string& scenarioName) {
    std::vector<std::string> lines;
    TableConnection table(ModelTableFolder(), "wtfract", tables::dbi::OpenMode::ReadOnly);
    table.ScanRows([&] {
        if (table.Text(1) == scenarioName)
            lines.push_back(table.Text(2));
        return true;
    });
    return lines;
}

bool ParseWeightFractionLine(const std::string& line, double& median, double& high) {
    double first = 0;
    double last = 0;
    if (!NumberAt(line, line.find('.'), 6, first) || !NumberAt(line, line.rfind('.'), 6, last)) {
        return false;
    }
    median = first;
    high = last;
    return true;
}

std::vector<std::string> PermeabilityLines() {
    std::vector<std::string> lines;
    TableConnection table(ModelTableFolder(), "kpval", tables::dbi::OpenMode::ReadOnly);
    table.ScanRows([&] {
        lines.push_back(table.Text(1));
        return true;
    });
    return lines;
}

bool ParsePermeabilityLine(const std::string& line, double& coefficient) {
    return NumberAt(line, line.find('.'), 8, coefficient);
}

}  // namespace consumer
