// Reading a table schema: one field a line, "NAME TYPE WIDTH DECIMALS".
#include "tools/dbfmake/schema_file.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

#include "platform/sys/text.h"

namespace dbfmake {
namespace {

int ParseCount(const std::string& text, int line, const char* what) {
    long value = 0;
    if (!sys::ParseLong(text, value) || value < 0 || value > 65535)
        throw std::runtime_error("line " + std::to_string(line) + ": the " + what + " '" + text +
                                 "' is not a whole number");
    return static_cast<int>(value);
}

tables::FieldDef ParseField(const std::string& content, int line) {
    std::istringstream words(content);
    std::vector<std::string> parts;
    for (std::string word; words >> word;)
        parts.push_back(word);
    if (parts.size() < 3 || parts.size() > 4)
        throw std::runtime_error("line " + std::to_string(line) +
                                 ": expected NAME TYPE WIDTH DECIMALS");
    tables::FieldDef field;
    field.name = sys::UpperCase(parts[0]);
    std::string type = parts[1];
    if (type.size() != 1 ||
        std::string("CNFLDM").find(char(std::toupper(type[0]))) == std::string::npos)
        throw std::runtime_error("line " + std::to_string(line) + ": the type '" + type +
                                 "' is not one of C N F L D M");
    field.type = static_cast<tables::FieldType>(std::toupper(type[0]));
    field.width = ParseCount(parts[2], line, "width");
    field.decimals = parts.size() == 4 ? ParseCount(parts[3], line, "decimals") : 0;
    std::string problem = tables::FieldDefProblem(field);
    if (!problem.empty())
        throw std::runtime_error("line " + std::to_string(line) + ", field " + field.name + ": " +
                                 problem);
    return field;
}

}  // namespace

std::vector<tables::FieldDef> ParseSchema(const std::string& text) {
    std::vector<tables::FieldDef> fields;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        std::string content = sys::Trim(line);
        if (content.empty() || content[0] == '#')
            continue;
        fields.push_back(ParseField(content, number));
    }
    if (fields.empty())
        throw std::runtime_error("the schema defines no fields");
    return fields;
}

}  // namespace dbfmake
