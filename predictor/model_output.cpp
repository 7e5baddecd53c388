// Reading the dispersion model's listing plumo.out.
#include "predictor/model_output.h"

#include <cmath>
#include <sstream>

#include "platform/sys/text.h"

namespace {

std::optional<ModelOutput> Refuse(std::string* why, const char* reason) {
    if (why)
        *why = reason;
    return std::nullopt;
}

// The line after the first line holding "-----"; false when there is none.
bool FindResultLine(const std::string& listing, std::string& line) {
    std::istringstream in(listing);
    std::string current;
    while (std::getline(in, current)) {
        if (current.find("-----") == std::string::npos)
            continue;
        if (!std::getline(in, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
    return false;
}

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<ModelOutput> ParseModelOutput(const std::string& listing, std::string* why) {
    ModelOutput out;
    if (!FindResultLine(listing, out.resultLine))
        return Refuse(why, "the listing has no result line after a line of dashes");
    const std::string& line = out.resultLine;
    size_t point = line.find('.');
    if (point == std::string::npos)
        return Refuse(why, "the result line has no distance with a decimal point");
    size_t pos = point;
    while (pos < line.size() && !Blank(line[pos]))
        ++pos;
    while (pos < line.size() && Blank(line[pos]))
        ++pos;
    size_t end = pos;
    while (end < line.size() && !Blank(line[end]))
        ++end;
    std::string number = line.substr(pos, end - pos);
    if (!number.empty() && number[0] == '.')
        number = "0" + number;
    double micrograms = 0;
    if (number.empty() || !sys::ParseDouble(number, micrograms) || !std::isfinite(micrograms) ||
        micrograms < 0)
        return Refuse(why, "the result line has no concentration after the distance");
    out.concentration = micrograms * 0.001;
    return out;
}

std::string ModelComplaint(const std::string& listing) {
    std::istringstream in(listing);
    std::string line;
    std::string complaint;
    while (std::getline(in, line)) {
        if (sys::UpperCase(line).find("ERROR") == std::string::npos)
            continue;
        if (!complaint.empty())
            complaint += "\n";
        complaint += sys::Trim(line);
    }
    return complaint;
}
