// Reading the binary tables of the older down-the-drain run and looking a level up in them.
#include "dilution/disposal_older_run.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "dilution/pdm_older_path.h"
#include "platform/sys/files.h"

std::optional<std::vector<float>> ParsePdmDatTable(std::string_view bytes) {
    if (bytes.size() != static_cast<size_t>(PdmTableRows) * 4)
        return std::nullopt;
    std::vector<float> values;
    values.reserve(PdmTableRows);
    for (size_t i = 0; i < bytes.size(); i += 4) {
        std::uint32_t bits = 0;
        for (size_t b = 0; b < 4; ++b)
            bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + b])) << (8 * b);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            return std::nullopt;
        values.push_back(value);
    }
    return values;
}

std::optional<std::vector<float>> ReadPdmDatTable(const std::string& path) {
    std::optional<std::string> bytes = sys::ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return ParsePdmDatTable(*bytes);
}

int SearchPdmConcTable(const std::vector<float>& axis, double x) {
    if (axis.empty() || x < axis.front())
        return -1;
    if (x > axis.back())
        return -2;
    int lo = 0;
    int hi = static_cast<int>(axis.size()) - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const double value = axis[static_cast<size_t>(mid)];
        if (std::fabs(value - x) < 1e-9)
            return mid;
        if (value < x)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return hi;
}

std::optional<double> DisposalTableDays(const std::vector<float>& axis,
                                        const std::vector<float>& days, double coc, double release,
                                        bool highEnd) {
    if (!(release > 0) || !(coc > 0) || axis.empty() || days.size() != axis.size())
        return std::nullopt;
    const double x = coc / release;
    const int k = SearchPdmConcTable(axis, x);
    double value = 0;
    if (k == -1) {
        value = days.front();
    } else if (k >= 0) {
        const size_t i = static_cast<size_t>(k);
        const double c1 = axis[i];
        const double d1 = days[i];
        if (std::fabs(c1 - x) < 1e-9 || i + 1 >= axis.size() || !(axis[i + 1] > c1)) {
            value = d1;
        } else {
            const double c2 = axis[i + 1];
            const double d2 = days[i + 1];
            if (d1 > 0 && d2 > 0) {
                const double slope = std::log(d2 / d1) / (c2 - c1);
                value = std::exp(slope * x + (std::log(d2) - slope * c2));
            } else {
                value = d1 + (d2 - d1) * (x - c1) / (c2 - c1);
            }
        }
    }
    return value * 365 / (highEnd ? HighEndTableYear : AverageTableYear);
}

bool WriteFlushResults(const std::string& path, double days) {
    const float dayValue = static_cast<float>(days);
    const float percent = dayValue / 365.0f * 100.0f;
    if (!sys::DeleteFile(path))
        return false;
    std::FILE* file = sys::OpenFile(path, "wt");
    if (!file)
        return false;
    const bool written = std::fprintf(file, "%f %f\n", static_cast<double>(dayValue),
                                      static_cast<double>(percent)) > 0;
    return std::fclose(file) == 0 && written;
}

std::optional<FlushResults> ParseFlushResults(std::string_view text) {
    const std::string copy(text.substr(0, text.find('\0')));
    const char* at = copy.c_str();
    std::optional<FlushResults> last;
    for (int pair = 0; pair < 3; ++pair) {
        float days = 0;
        float percent = 0;
        int used = 0;
        if (std::sscanf(at, "%f %f%n", &days, &percent, &used) != 2)
            break;
        if (!std::isfinite(days) || !std::isfinite(percent))
            return std::nullopt;
        last = FlushResults{days, percent};
        at += used;
    }
    return last;
}

FlushRead ReadFlushResults(const std::string& path) {
    FlushRead read;
    if (!sys::FileExists(path))
        return read;
    read.state = FlushReadState::Unreadable;
    const std::optional<std::string> text = sys::ReadWholeFile(path);
    if (!text)
        return read;
    if (const std::optional<FlushResults> results = ParseFlushResults(*text)) {
        read.state = FlushReadState::Read;
        read.results = *results;
    }
    return read;
}
