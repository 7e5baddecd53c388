// Runs the independent reference script and returns its output lines.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

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
