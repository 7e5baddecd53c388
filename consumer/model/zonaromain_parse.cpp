// Reading the multi-zone model's input: zones, flows, patterns, sources, sinks and scalars.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "consumer/model/keyword_lines.h"
#include "consumer/model/zonaromain.h"
#include "platform/sys/files.h"

namespace consumer {
namespace {

bool CountsAsLine(std::string_view line, size_t pos) {
    return pos < line.size() && std::isalnum(static_cast<unsigned char>(line[pos]));
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

int zonaromain::Parse(const std::string& path) {
    std::optional<std::string> text = sys::ReadWholeFile(path);
    return ParseText(text ? *text : std::string());
}

int zonaromain::ParseText(const std::string& text) {
    std::vector<std::string> lines = SplitLines(text);
    size_t next = 0;
    bool ok = true;
    parseError_.clear();
    auto refuseLine = [&](size_t index) {
        const std::string& line = lines[index];
        parseError_ = "Line " + std::to_string(index + 1) + " (" + line.substr(0, 60) +
                      "): " + (refusal_.empty() ? "its values cannot be read." : refusal_);
        ok = false;
    };
    while (next < lines.size()) {
        parsingLine_ = next;
        refusal_.clear();
        if (!ParseLine(lines[next++], lines, next)) {
            refuseLine(parsingLine_);
            break;
        }
    }
    // The run's length is known once both times are read; the later of their lines is named.
    if (ok && !CheckRunSpan())
        refuseLine(timesLine_);
    SortPatterns();
    return ok ? 1 : 0;
}

bool zonaromain::Refuse(const std::string& why) {
    refusal_ = why;
    return false;
}

// The time loop makes a step of 10 seconds from the start to the end time.
bool zonaromain::CheckRunSpan() {
    if (endTime_ - startTime_ > kMaxRunDays) {
        char text[120];
        std::snprintf(text, sizeof text, "the run from start to end time lasts at most %g days.",
                      kMaxRunDays);
        return Refuse(text);
    }
    return true;
}

bool zonaromain::ParseLine(std::string_view line, const std::vector<std::string>& lines,
                           size_t& next) {
    size_t pos = SkipBlanks(line);
    if (!CountsAsLine(line, pos))
        return true;
    auto matches = [&](std::string_view keyword, ValueReader& reader) {
        if (!MatchesKeyword(line, pos, keyword))
            return false;
        reader = ValueReader(line.substr(pos + keyword.size()));
        return true;
    };
    ValueReader r{std::string_view()};
    auto scalar = [&](double& field) { return r.Number(field); };
    if (matches("ZONES", r))
        return ParseZones(r);
    if (matches("VOLUMES", r))
        return ParseNodeValues(r, false);
    if (matches("INITIALCONC", r))
        return ParseNodeValues(r, true);
    if (matches("AIRFLOW1", r))
        return ParseAirFlow(r, 1);
    if (matches("AIRFLOW2", r))
        return ParseAirFlow(r, 2);
    if (matches("AIRFLOW3", r))
        return ParseAirFlow(r, 3);
    if (matches("AIRFLOW4", r))
        return ParseAirFlow(r, 4);
    if (matches("PRIMARYACTIVITYPATTERN", r))
        return ParsePattern(r, primary_, false);
    if (matches("SECONDARYACTIVITYPATTERN", r))
        return ParsePattern(r, secondary_, false);
    if (matches("OVERRIDEACTIVITYPATTERN", r))
        return ParsePattern(r, override_, true);
    if (matches("PRIMARYDAYS", r))
        return ParsePrimaryDays(r);
    if (matches("SINK", r))
        return ParseSink(r);
    if (matches("EMISSIONRATE", r))
        return ParseEmission(r, lines, next);
    if (matches("MONTECARLO", r))
        return ParseMonteCarlo(r, lines, next);
    if (matches("ENDTIME", r)) {
        timesLine_ = parsingLine_;
        return scalar(endTime_);
    }
    if (matches("STARTTIME", r)) {
        timesLine_ = parsingLine_;
        if (!scalar(startTime_))
            return false;
        currentTime_ = startTime_;
        return true;
    }
    if (matches("REPORTINTERVAL", r))
        return scalar(reportInterval_);
    if (matches("EVENTSPERYEAR", r))
        return scalar(eventsPerYear_);
    if (matches("BODYWEIGHT", r))
        return scalar(bodyWeight_);
    if (matches("YEARSEXPOSURE", r))
        return scalar(yearsExposure_);
    if (matches("AVERAGELIFETIME", r))
        return scalar(averageLifetime_);
    if (matches("OUTPUTUNITSPPM", r)) {
        if (!scalar(outputUnits_))
            return false;
        outputPpm_ = true;
        return true;
    }
    if (matches("CSAT", r))
        return scalar(saturation_);
    return true;
}

bool zonaromain::ParseZones(ValueReader& reader) {
    int n = 0;
    if (!reader.Digits(n) || n < 1)
        return false;
    if (n > kMaxZones)
        return Refuse("the model holds at most " + std::to_string(kMaxZones) + " zones.");
    zones_ = n;
    const size_t nodes = static_cast<size_t>(n) + 1;
    volume_.assign(nodes, 0.0);
    volume_[0] = 1e60;
    conc_.assign(nodes, 0.0);
    initialConc_.assign(nodes, 0.0);
    condensed_.assign(nodes, 0.0);
    flows_.assign(static_cast<size_t>(n) * nodes, Flow{});
    for (size_t i = 0; i < flows_.size() && i < 20; ++i) {
        flows_[i].from = kFlowPairs[i][0];
        flows_[i].to = kFlowPairs[i][1];
    }
    return true;
}

bool zonaromain::ParseNodeValues(ValueReader& reader, bool initial) {
    if (!initial) {
        for (int zone = 1; zone <= zones_; ++zone) {
            if (!reader.Number(volume_[static_cast<size_t>(zone)]))
                return false;
        }
        return true;
    }
    for (int node = 0; node <= zones_ && zones_ > 0; ++node) {
        double value = 0;
        if (!reader.Number(value))
            return false;
        conc_[static_cast<size_t>(node)] = value;
        initialConc_[static_cast<size_t>(node)] = value;
    }
    return true;
}

bool zonaromain::ParseAirFlow(ValueReader& reader, int set) {
    if (zones_ < set)
        return false;
    // Set 1 holds flows 0-1, set 2 flows 2-5, set 3 flows 6-11, set 4 flows 12-19.
    const int first = (set - 1) * set;
    const int count = 2 * set;
    for (int i = first; i < first + count; ++i) {
        if (!reader.UnsignedNumber(flows_[static_cast<size_t>(i)].rate))
            return false;
    }
    return true;
}

bool zonaromain::ParsePattern(ValueReader& reader, std::vector<PatternEntry>& list, bool withEnd) {
    if (list.size() >= kMaxPatternEntries) {
        return Refuse("the model holds at most " + std::to_string(kMaxPatternEntries) +
                      " entries of an activity pattern.");
    }
    PatternEntry entry;
    if (!reader.Number(entry.start))
        return false;
    if (withEnd && !reader.Number(entry.end))
        return false;
    if (!reader.Digits(entry.zone))
        return false;
    if (!reader.Number(entry.rate))
        return false;
    list.push_back(entry);
    return true;
}

bool zonaromain::ParsePrimaryDays(ValueReader& reader) {
    if (reader.AtEnd())
        return false;
    while (!reader.AtEnd()) {
        int day = 0;
        if (!reader.Digits(day) || day < 1 || day > 7)
            return false;
        primaryDays_[static_cast<size_t>(day)] = true;
    }
    return true;
}

bool zonaromain::ParseSink(ValueReader& reader) {
    if (sinks_.size() >= kMaxSinks)
        return Refuse("the model holds at most " + std::to_string(kMaxSinks) + " sinks.");
    Sink sink;
    sink.index = static_cast<int>(sinks_.size());
    if (reader.StartsWith("FIRSTORDER")) {
        sink.kind = kFirstOrder;
        if (!reader.Digits(sink.zone) || !reader.Number(sink.first))
            return false;
    } else if (reader.StartsWith("LANGMUIR")) {
        sink.kind = kLangmuir;
        if (!reader.Digits(sink.zone) || !reader.Number(sink.first) ||
            !reader.Number(sink.second) || !reader.Number(sink.third)) {
            return false;
        }
    } else {
        return false;
    }
    sinks_.push_back(sink);
    return true;
}

bool zonaromain::ParseEmission(ValueReader& reader, const std::vector<std::string>& lines,
                               size_t& next) {
    if (sources_.size() >= kMaxSources) {
        return Refuse("the model holds at most " + std::to_string(kMaxSources) +
                      " emission sources.");
    }
    Source source;
    if (reader.StartsWith("CONSTANT")) {
        source.kind = kConstant;
    } else if (reader.StartsWith("INCREMENTAL")) {
        source.kind = kIncremental;
    } else if (reader.StartsWith("EXPONENTIAL")) {
        source.kind = kExponential;
    } else if (reader.StartsWith("DATAENTRY")) {
        source.kind = kDataEntry;
    } else {
        return false;
    }
    if (!reader.Digits(source.zone))
        return false;
    bool ok = true;
    switch (source.kind) {
        case kConstant:
            ok = reader.Number(source.start) && reader.Number(source.rate) &&
                 reader.Number(source.duration);
            source.window = source.duration;
            break;
        case kIncremental:
            ok = reader.Number(source.start) && reader.Number(source.mass) &&
                 reader.Number(source.rate) && reader.Number(source.duration);
            if (ok && !reader.AtEnd())
                ok = reader.Number(source.window);
            break;
        case kExponential:
            ok = reader.Number(source.start) && reader.Number(source.initialRate) &&
                 reader.Number(source.rate);
            if (ok && !reader.AtEnd())
                ok = reader.Number(source.window);
            break;
        default:
            while (next < lines.size() && source.table.size() < kMaxTableRows) {
                std::string_view row = lines[next];
                size_t pos = SkipBlanks(row);
                if (!CountsAsLine(row, pos)) {
                    ++next;
                    continue;
                }
                if (MatchesKeyword(row, pos, "END")) {
                    ++next;
                    break;
                }
                ++next;
                ValueReader rowReader(row.substr(pos));
                std::array<double, 2> entry{};
                if (!rowReader.Number(entry[0]) || !rowReader.UnsignedNumber(entry[1])) {
                    return false;
                }
                source.table.push_back(entry);
            }
            break;
    }
    if (!ok)
        return false;
    sources_.push_back(std::move(source));
    return true;
}

bool zonaromain::ParseMonteCarlo(ValueReader& reader, const std::vector<std::string>& lines,
                                 size_t& next) {
    long seed = 0;
    if (!reader.Digits(monteCarloCount_) || !reader.Integer(seed))
        return false;
    if (seed < 1)
        seed = std::labs(static_cast<long>(std::time(nullptr)) ^ 16);
    while (seed > 999999)
        seed /= 10;
    if (seed < 1 || seed > 999999)
        return false;
    monteCarloSeed_ = static_cast<int>(seed);
    const char* const kNames[] = {"AIRFLOWS", "EMISSIONRATES", "FIRSTORDER", "LANGMUIR1",
                                  "LANGMUIR2"};
    const char* const kDistributions[] = {"UNDEFINED", "NORMAL", "TRIANGULAR", "UNIFORM",
                                          "LOGNORMAL"};
    for (int i = 0; i < 5; ++i) {
        while (next < lines.size() && !CountsAsLine(lines[next], SkipBlanks(lines[next])))
            ++next;
        if (next >= lines.size())
            return false;
        ValueReader line(lines[next++]);
        if (!line.StartsWith(kNames[i]))
            return false;
        std::string word = line.Word();
        MonteCarloLine& entry = monteCarlo_[static_cast<size_t>(i)];
        entry = MonteCarloLine{};
        int distribution = -1;
        for (int d = 0; d < 5; ++d) {
            if (MatchesKeyword(word, 0, kDistributions[d]) &&
                word.size() == std::string_view(kDistributions[d]).size()) {
                distribution = d;
            }
        }
        if (distribution < 0)
            return false;
        entry.distribution = distribution;
        if (distribution == 0)
            continue;
        if (!line.Number(entry.first))
            return false;
        if (distribution != 4 && !line.Number(entry.second))
            return false;
    }
    return true;
}

void zonaromain::SortPatterns() {
    auto byStart = [](const PatternEntry& a, const PatternEntry& b) { return a.start < b.start; };
    std::stable_sort(primary_.begin(), primary_.end(), byStart);
    std::stable_sort(secondary_.begin(), secondary_.end(), byStart);
    std::stable_sort(override_.begin(), override_.end(), byStart);
}

}  // namespace consumer
