// The transfer-file reader: keyword lines into fields, fields into the solver's model input.
#include "consumer/model/comtransfer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>

#include "consumer/model/keyword_lines.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace consumer {
namespace {

const char* const kScenarioNames[] = {"appliedsurfacecleaner", "appliedsurfacepaint",
                                      "sprayedsurface", "addedwater", "placedenvironment"};

const char* const kKeywords[] = {"SCENARIO",
                                 "YEARSOFUSE",
                                 "YEARSLIFETIME",
                                 "BODYWEIGHT",
                                 "EVENTSPERYEAR",
                                 "MASSUSED",
                                 "CSAT",
                                 "DURATIONUSE",
                                 "AIREXRATE",
                                 "INHALRATEDURINGUSE",
                                 "INHALRATEAFTERUSE",
                                 "ZONE1VOL",
                                 "HOUSEVOL",
                                 "FRACTAEROSOL",
                                 "ROOMOFUSE",
                                 "USEDAYLOCATION",
                                 "NONUSEDAYLOCATION",
                                 "STARTTIME",
                                 "MOLECWEIGHT",
                                 "VAPORPRESS",
                                 "WEIGHTFRACT",
                                 "HENRYSLAW"};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Line(const std::string& text) {
    return text + "\n";
}

}  // namespace

std::string comtransfer::TransferPath(const std::string& cmiPath) {
    size_t nameStart = cmiPath.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = cmiPath.rfind('.');
    std::string stem =
        dot == std::string::npos || dot < nameStart ? cmiPath : cmiPath.substr(0, dot);
    return stem + ".trn";
}

std::optional<std::string> comtransfer::Read(const std::string& cmiPath, int& resultCode) {
    resultCode = 0;
    File cmi(sys::OpenFile(cmiPath, "r"));
    if (!cmi)
        return std::nullopt;
    std::string trnPath = TransferPath(cmiPath);
    File trn(sys::OpenFile(trnPath, "w"));
    if (!trn)
        return std::nullopt;
    std::string line;
    while (ReadKeywordLine(cmi.get(), line)) {
        if (!ParseLine(line))
            return std::nullopt;
    }
    std::string text = ModelInputText();
    if (std::fwrite(text.data(), 1, text.size(), trn.get()) != text.size())
        return std::nullopt;
    if (std::fclose(trn.release()) != 0)
        return std::nullopt;
    resultCode = 1;
    return trnPath;
}

bool comtransfer::ParseLine(std::string_view line) {
    size_t pos = SkipBlanks(line);
    if (pos >= line.size() || !std::isalpha(static_cast<unsigned char>(line[pos])))
        return true;
    for (const char* keyword : kKeywords) {
        std::string_view word(keyword);
        if (MatchesKeyword(line, pos, word)) {
            if (!ParseKeyword(word, line.substr(pos + word.size())))
                return false;
        }
    }
    return true;
}

bool comtransfer::ParseKeyword(std::string_view keyword, std::string_view values) {
    ValueReader reader(values);
    if (keyword == "SCENARIO") {
        for (int i = 0; i < 5; ++i) {
            if (reader.StartsWith(kScenarioNames[i])) {
                scenario_ = i + 1;
                return true;
            }
        }
        return false;
    }
    if (keyword == "ROOMOFUSE")
        return reader.Digits(roomOfUse_);
    if (keyword == "USEDAYLOCATION" || keyword == "NONUSEDAYLOCATION") {
        bool useDay = keyword == "USEDAYLOCATION";
        int& count = useDay ? useDayCount_ : afterUseDayCount_;
        auto& locations = useDay ? useDayLocations_ : afterUseDayLocations_;
        if (count >= 24)
            return false;
        if (!reader.Digits(locations[static_cast<size_t>(count)]))
            return false;
        ++count;
        return true;
    }
    struct NumberField {
        const char* keyword;
        double* field;
    };
    const NumberField numbers[] = {
        {"YEARSOFUSE", &yearsOfUse_},
        {"YEARSLIFETIME", &lifetime_},
        {"BODYWEIGHT", &bodyWeight_},
        {"EVENTSPERYEAR", &eventsPerYear_},
        {"MASSUSED", &massUsed_},
        {"CSAT", &saturation_},
        {"DURATIONUSE", &durationOfUse_},
        {"AIREXRATE", &airExchangeRate_},
        {"INHALRATEDURINGUSE", &inhalationDuringUse_},
        {"INHALRATEAFTERUSE", &inhalationAfterUse_},
        {"ZONE1VOL", &zone1Volume_},
        {"HOUSEVOL", &houseVolume_},
        {"FRACTAEROSOL", &aerosolFraction_},
        {"STARTTIME", &startTime_},
        {"MOLECWEIGHT", &molecularWeight_},
        {"VAPORPRESS", &vaporPressure_},
        {"WEIGHTFRACT", &weightFraction_},
        {"HENRYSLAW", &henrysLaw_},
    };
    for (const NumberField& number : numbers) {
        if (keyword != number.keyword)
            continue;
        double value = 0;
        if (!reader.UnsignedNumber(value))
            return false;
        if (keyword == "WEIGHTFRACT" && value > 1.0)
            return false;
        *number.field = value;
        return true;
    }
    return true;
}

int comtransfer::ZoneOf(int location) const {
    if (location > 6)
        return 0;
    if (location == roomOfUse_)
        return 1;
    if (roomOfUse_ == 6 || location == 6)
        return 0;
    return 2;
}

std::string comtransfer::ModelInputText() const {
    // Model units: mg, mg/m3, days, m3/day.
    const double saturationMg = saturation_ * 1000;
    const double a = airExchangeRate_;
    const double v1 = zone1Volume_;
    const double vh = houseVolume_;
    const double a1 = v1 * a * 24;
    const double a2 = (vh - v1) * a * 24;
    const double q = (roomOfUse_ == 1 || roomOfUse_ == 3) ? (0.31 * a + 0.078) * vh * 24
                                                          : (0.39 * a + 0.046) * vh * 24;
    const double t0 = startTime_ / 24;
    std::string out;
    out += Line("ZONES 2");
    out += Line("VOLUMES " + G6(v1) + " " + G6(vh - v1));
    out += Line("INITIALCONC 0 0 0");
    out += Line("AIRFLOW1 " + G6(a1) + " " + G6(a1));
    out += Line("AIRFLOW2 " + G6(a2) + " " + G6(a2) + " " + G6(q) + " " + G6(q));
    AppendPatterns(out);
    out += Line("SECONDARYACTIVITYPATTERN 0 0 0");
    out += Line("PRIMARYDAYS 1 2 3 4 5 6 7");
    AppendEmissions(out);
    out += Line("CSAT " + G6(saturationMg) + "        ; mg/m3");
    out += Line("STARTTIME " + G6(t0) + "        ; days");
    out += Line("ENDTIME " + G6(t0 + 60) + "        ; days");
    out += Line("EVENTSPERYEAR " + G6(eventsPerYear_) + "        ; 1/yr");
    out += Line("BODYWEIGHT " + G6(bodyWeight_) + "        ; kg");
    out += Line("YEARSEXPOSURE " + G6(yearsOfUse_) + "        ; yrs");
    out += Line("AVERAGELIFETIME " + G6(lifetime_ * 365.25) + "        ; days");
    out += Line("");
    return out;
}

void comtransfer::AppendPatterns(std::string& out) const {
    for (int i = 0; i < 24; ++i) {
        int location = useDayLocations_[static_cast<size_t>(i)];
        int zone = ZoneOf(location);
        double rate = inhalationAfterUse_;
        if (location <= 6 && location == roomOfUse_ && startTime_ <= i &&
            i < startTime_ + durationOfUse_) {
            rate = inhalationDuringUse_;
        }
        out += Line("OVERRIDEACTIVITYPATTERN " + G6(i / 24.0) + " " + G6((i + 1) / 24.0) + " " +
                    std::to_string(zone) + " " + G6(rate * 24));
    }
    for (int i = 0; i < 24; ++i) {
        int zone = ZoneOf(afterUseDayLocations_[static_cast<size_t>(i)]);
        out += Line("PRIMARYACTIVITYPATTERN " + G6(i / 24.0) + " " + std::to_string(zone) + " " +
                    G6(inhalationAfterUse_ * 24));
    }
}

void comtransfer::AppendEmissions(std::string& out) const {
    const double m = massUsed_ * 1000 * weightFraction_;
    const double t0 = startTime_ / 24;
    const double d = durationOfUse_ / 24;
    const double t90 = 145 / std::pow(molecularWeight_ * vaporPressure_, 0.9546);
    const double k = std::log(10.0) / t90;
    const std::string start = "EMISSIONRATE ";
    switch (scenario_) {
        case 1:
            out += Line(start + "INCREMENTAL 1 " + G6(t0) + " " + G6(m) + " " + G6(k * 24) + " " +
                        G6(d));
            break;
        case 2: {
            const double mp = 0.25 * m;
            out += Line(start + "INCREMENTAL 1 " + G6(t0) + " " + G6(0.1 * mp) + " " +
                        G6(233.25 * vaporPressure_ / 24) + " " + G6(d));
            out += Line(start + "INCREMENTAL 1 " + G6(t0) + " " + G6(0.9 * mp) + " " +
                        G6(5.84e-05 * molecularWeight_ / 24) + " " + G6(d));
            break;
        }
        case 3:
            out += Line(start + "CONSTANT 1 " + G6(t0) + " " + G6(m * aerosolFraction_ / d) + " " +
                        G6(d));
            out += Line(start + "INCREMENTAL 1 " + G6(t0) + " " + G6(m * (1 - aerosolFraction_)) +
                        " " + G6(k * 24) + " " + G6(d));
            break;
        case 4:
        case 5: {
            const double td = t90 / 24;
            out +=
                Line(start + "CONSTANT 1 " + G6(t0) + " " + G6(m / td) + " " + G6(std::min(d, td)));
            break;
        }
        default:
            // No scenario: the keyword stands alone and the next line's text follows it.
            out += start;
            break;
    }
}

}  // namespace consumer
