// The keyword file (xfer.cmi) that hands one model pass of a case to the transfer-file reader.
#include "consumer/model/keyword_file.h"

#include <cstdio>

#include "consumer/model/keyword_lines.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"

namespace consumer {
namespace {

std::string Entry(const char* keyword, const std::string& value) {
    return std::string(keyword) + " " + value + " \n";
}

std::string Entry(const char* keyword, double value) {
    return Entry(keyword, G6(value));
}

std::string Entry(const char* keyword, int value) {
    return Entry(keyword, std::to_string(value));
}

// The 24 hours of a pattern: the hour ending 24 first, then the hours ending 1 to 23.
std::string Locations(const char* keyword, const std::string& pattern) {
    std::string out;
    auto hour = [&](size_t index) {
        out += keyword;
        out += ' ';
        if (index < pattern.size())
            out += pattern[index];
        out += '\n';
    };
    hour(24);
    for (size_t i = 1; i <= 23; ++i)
        hour(i);
    return out;
}

}  // namespace

double SaturationConcentration(const ExposureInputs& inputs) {
    return inputs.VAPORPRESS * inputs.MOLECWEIGHT * 0.05381;
}

std::string KeywordFileText(const ExposureInputs& in, int pass) {
    const bool central = pass == 1;
    std::string out;
    out += Entry("SCENARIO", in.ScenarioKeyword);
    out += Entry("YEARSOFUSE", in.YEARSOFUSE);
    out += Entry("YEARSLIFETIME", in.YEARSLIFETIME);
    out += Entry("BODYWEIGHT", in.BODYWEIGHT);
    out += Entry("EVENTSPERYEAR", in.EVENTSPERYEAR);
    out += Entry("MASSUSED", central ? in.MassUsedCentral : in.MassUsedHighEnd);
    out += Entry("DURATIONUSE", central ? in.DurationCentral : in.DurationHighEnd);
    out += Entry("AIREXRATE", in.AIREXRATE);
    out += Entry("INHALRATEDURINGUSE", in.INHALRATEDURINGUSE);
    out += Entry("INHALRATEAFTERUSE", in.INHALRATEAFTERUSE);
    out += Entry("ZONE1VOL", in.ZONE1VOL);
    out += Entry("HOUSEVOL", in.HOUSEVOL);
    out += Entry("FRACTAEROSOL", in.FRACTAEROSOL);
    out += Entry("ROOMOFUSE", static_cast<int>(in.ROOMOFUSE));
    out += Entry("STARTTIME", static_cast<int>(in.STARTTIME));
    out += Locations("USEDAYLOCATION", in.ActivityPattern);
    out += Locations("NONUSEDAYLOCATION", in.NonUseDayPattern);
    out += Entry("MOLECWEIGHT", in.MOLECWEIGHT);
    out += Entry("VAPORPRESS", in.VAPORPRESS);
    out += Entry("WEIGHTFRACT", central ? in.WeightFractionMedian : in.WeightFraction90);
    out += Entry("HENRYSLAW", in.HENRYSLAW);
    out += Entry("CSAT", SaturationConcentration(in));
    return out;
}

bool WriteKeywordFile(const std::string& path, const ExposureInputs& inputs, int pass) {
    std::string text = KeywordFileText(inputs, pass);
    std::FILE* file = sys::OpenFile(path, "w");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace consumer
