// The lists the input dialogs offer from the model's tables.
#include "consumer/data/reference_lists.h"

#include <cmath>
#include <sstream>

#include "consumer/data/table_connection.h"
#include "platform/sys/text.h"

namespace consumer {
namespace {

// The blank-separated words of a line that are whole numbers (a leading "<" of a bound is
// dropped), in line order.
std::vector<double> NumberFields(const std::string& line) {
    std::vector<double> numbers;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        if (word.front() == '<')
            word.erase(0, 1);
        double value = 0;
        if (!word.empty() && sys::ParseDouble(word, value) && std::isfinite(value))
            numbers.push_back(value);
    }
    return numbers;
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

// The last two numbers of the line are the median and the 90th percentile; the words before
// them name the component.
bool ParseWeightFractionLine(const std::string& line, double& median, double& high) {
    std::vector<double> numbers = NumberFields(line);
    if (numbers.size() < 2)
        return false;
    median = numbers[numbers.size() - 2];
    high = numbers.back();
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

// The coefficient is the first number of the line; the words after it are marks and names.
bool ParsePermeabilityLine(const std::string& line, double& coefficient) {
    std::vector<double> numbers = NumberFields(line);
    if (numbers.empty())
        return false;
    coefficient = numbers.front();
    return true;
}

}  // namespace consumer
