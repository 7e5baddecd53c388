// Runs the independent reference script and returns its output lines.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/sys/text.h"

inline std::vector<std::string> RunReferenceScript(const std::string& arguments) {
    const std::string command = std::string("/usr/bin/python3 ") + OMBRIX_SOURCE_DIR +
                                "/tests/dilution/pdm_reference.py " + arguments;
    std::vector<std::string> lines;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return lines;
    }
    std::string line;
    int c;
    while ((c = std::fgetc(pipe)) != EOF) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    pclose(pipe);
    return lines;
}

// The script's words for one discharge with regional coefficients a and b and the usual
// coefficients of variation 0.24 and 0.85, each after a blank.
template <typename Case>
std::string ReferenceCaseWords(const Case& c) {
    return sys::Format(" %.17g %.17g %.17g %.17g %.17g 0.24 0.85 %.17g %.17g", c.a, c.b, c.mean,
                       c.low, c.plant, c.load, c.coc);
}

// The fraction of time above coc by the independent model, for a discharge with regional
// coefficients a and b and the usual coefficients of variation 0.24 and 0.85.
struct ReferenceCase {
    double a, b, mean, low, plant, load, coc;
};

inline std::vector<double> ReferenceFractions(const std::vector<ReferenceCase>& cases) {
    std::string arguments = "exceedance";
    for (const ReferenceCase& c : cases) {
        arguments += ReferenceCaseWords(c);
    }
    std::vector<double> fractions;
    for (const std::string& line : RunReferenceScript(arguments)) {
        fractions.push_back(std::stod(line));
    }
    return fractions;
}
