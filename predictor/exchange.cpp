// The files the predictor exchanges with its caller: data.drv, chimra.in and chimra.out.
#include "predictor/exchange.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "predictor/units.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::vector<std::string>> FileLines(const std::string& path) {
    std::optional<std::string> text = sys::ReadWholeFile(path);
    if (!text)
        return std::nullopt;
    return Lines(*text);
}

bool Concentration(const std::string& text, double& value) {
    return sys::ParseDouble(text, value) && std::isfinite(value);
}

}  // namespace

std::string ExactNumber(double value) {
    char text[64];
    std::to_chars_result r =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    return std::string(text, r.ptr);
}

std::optional<std::string> ReadDataFolder(const std::string& path) {
    std::optional<std::vector<std::string>> lines = FileLines(path);
    if (!lines || lines->empty() || (*lines)[0].empty())
        return std::nullopt;
    return (*lines)[0];
}

std::optional<ChimraRequest> ReadChimraIn(const std::string& path) {
    std::optional<std::vector<std::string>> lines = FileLines(path);
    if (!lines || lines->empty())
        return std::nullopt;
    ChimraRequest request;
    // Keys are blank-padded text in the table, so trailing blanks never belong to one.
    request.key = (*lines)[0];
    while (!request.key.empty() && (request.key.back() == ' ' || request.key.back() == '\t'))
        request.key.pop_back();
    if (lines->size() > 1 && (*lines)[1] == "dide2")
        request.caller = "dide2";
    return request;
}

std::string ChimraOutText(const ChimraAnswer& a) {
    const AirConcentrations& c = a.concentrations;
    return ExactNumber(c.stackAnnual) + "\n" + ExactNumber(c.stack24Hour) + "\n" +
           ExactNumber(c.fugitiveAnnual) + "\n" + ExactNumber(c.fugitive24Hour) + "\n" +
           (a.downwash ? "true\n" : "false\n") + a.metClass + "\n" + a.stabilityLetter + "\n";
}

ChimraAnswer StoredAnswer(const ReleaseInputs& release, const AirConcentrations& stored) {
    ChimraAnswer a;
    a.concentrations = stored;
    a.downwash = release.downwash;
    a.metClass = release.metClass.empty() ? kMetFull : release.metClass;
    a.stabilityLetter = StabilityLetter(release.stabClass);
    return a;
}

bool WriteChimraOut(const std::string& path, const std::string& text) {
    return sys::WriteWholeFile(path, text);
}

std::optional<ChimraAnswer> ParseChimraOut(const std::string& text) {
    std::vector<std::string> lines = Lines(text);
    if (lines.size() < 7)
        return std::nullopt;
    ChimraAnswer a;
    AirConcentrations& c = a.concentrations;
    if (!Concentration(lines[0], c.stackAnnual) || !Concentration(lines[1], c.stack24Hour) ||
        !Concentration(lines[2], c.fugitiveAnnual) || !Concentration(lines[3], c.fugitive24Hour))
        return std::nullopt;
    if (lines[4] != "true" && lines[4] != "false")
        return std::nullopt;
    a.downwash = lines[4] == "true";
    a.metClass = lines[5];
    const std::string letters = "ABCDEF";
    if (lines[6].size() != 1 || letters.find(lines[6][0]) == std::string::npos)
        return std::nullopt;
    a.stabilityLetter = lines[6];
    return a;
}
