// The treatment model's parameter file and result file.
#include "chemistry/astreat_files.h"

#include <charconv>
#include <cmath>

#include "platform/sys/text.h"

namespace {

struct SubstitutedLine {
    int line;
    double AsTreatParameterValues::*value;
};

const SubstitutedLine kSubstituted[] = {
    {32, &AsTreatParameterValues::KdPe},
    {33, &AsTreatParameterValues::KdPr},
    {34, &AsTreatParameterValues::HenryUnitless},
    {35, &AsTreatParameterValues::InfluentConc},
    {36, &AsTreatParameterValues::KdSe},
    {37, &AsTreatParameterValues::KdSr},
    {39, &AsTreatParameterValues::Mw},
    {40, &AsTreatParameterValues::Density},
    {41, &AsTreatParameterValues::DecayRate},
    {50, &AsTreatParameterValues::AnnualLoad},
};

struct Column {
    int line;   // 1-based
    int first;  // first character, 1-based
    const char* what;
};

// The lines of a text, split at line feeds; a carriage return before one is dropped.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

bool ReadColumn(const std::vector<std::string>& lines, const Column& column, double& value,
                std::string& error) {
    const std::string place = sys::Format("line %d, characters %d to %d (%s)", column.line,
                                          column.first, column.first + 7, column.what);
    if (static_cast<int>(lines.size()) < column.line) {
        error = sys::Format("it ends before line %d", column.line);
        return false;
    }
    const std::string& line = lines[column.line - 1];
    if (static_cast<int>(line.size()) < column.first + 7) {
        error = place + " is missing";
        return false;
    }
    const std::string field = line.substr(column.first - 1, 8);
    if (!sys::ParseDouble(field, value) || !std::isfinite(value)) {
        error = place + " holds no number";
        return false;
    }
    return true;
}

}  // namespace

std::string ParameterText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

// The template's first 62 lines, an empty one as one blank; nullopt and a message when the
// template is too short or a line longer than the model reads.
std::optional<std::vector<std::string>> TemplateLines(const std::vector<std::string>& templateLines,
                                                      std::string& error) {
    if (static_cast<int>(templateLines.size()) < kParameterLines) {
        error = sys::Format("The template asparms.inp has %d lines; the model needs %d.",
                            static_cast<int>(templateLines.size()), kParameterLines);
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (int n = 1; n <= kParameterLines; ++n) {
        const std::string& line = templateLines[n - 1];
        if (static_cast<int>(line.size()) > kLongestTemplateLine) {
            error = sys::Format("Line %d of the template asparms.inp is longer than %d characters.",
                                n, kLongestTemplateLine);
            return std::nullopt;
        }
        lines.push_back(line.empty() ? " " : line);
    }
    return lines;
}

}  // namespace

std::optional<std::vector<std::string>> BuildParameterLines(
    const std::vector<std::string>& templateLines, const AsTreatParameterValues& values,
    std::string& error) {
    auto lines = TemplateLines(templateLines, error);
    if (!lines)
        return std::nullopt;
    for (const SubstitutedLine& s : kSubstituted) {
        (*lines)[s.line - 1] = ParameterText(values.*s.value);
    }
    (*lines)[52 - 1] = "1";
    return lines;
}

std::optional<std::vector<std::string>> BuildLoadParameterLines(
    const std::vector<std::string>& templateLines, double annualLoad, std::string& error) {
    auto lines = TemplateLines(templateLines, error);
    if (!lines)
        return std::nullopt;
    (*lines)[50 - 1] = sys::Format("%f", annualLoad);
    (*lines)[52 - 1] = "1";
    return lines;
}

std::optional<TreatOutputValues> ReadTreatOutput(const std::string& bytes, std::string& error) {
    const std::vector<std::string> lines = SplitLines(bytes);
    TreatOutputValues v;
    if (!ReadColumn(lines, {41, 36, "flux to sludge"}, v.SludgeFlux, error) ||
        !ReadColumn(lines, {41, 47, "loss to sludge"}, v.LossToSludge, error) ||
        !ReadColumn(lines, {47, 47, "left in the effluent"}, v.EffluentShare, error)) {
        return std::nullopt;
    }
    if (v.SludgeFlux < 0) {
        error = "the flux to sludge on line 41 is negative";
        return std::nullopt;
    }
    if (v.LossToSludge < 0 || v.LossToSludge > 100 || v.EffluentShare < 0 ||
        v.EffluentShare > 100) {
        error = "a percentage on line 41 or 47 lies outside 0 to 100";
        return std::nullopt;
    }
    return v;
}
