// Rewriting the use-day location pattern after the high-end duration of use changed.
#include "consumer/model/use_day_pattern.h"

#include <algorithm>
#include <cmath>

namespace consumer {

int UseHoursOf(double duration) {
    if (!(duration > 0))
        return 0;
    if (duration >= 25)
        return 25;
    return static_cast<int>(std::ceil(duration));
}

void AdjustUseDayPattern(ExposureInputs& in, double previousHighEnd) {
    if (in.ScenarioKeyword == "placedenvironment")
        return;
    std::string& pattern = in.ActivityPattern;
    if (pattern.size() < 25)
        pattern += std::string(kDefaultUseDayDigits).substr(pattern.size());
    const int newHours = UseHoursOf(in.DurationHighEnd);
    const int oldHours = UseHoursOf(previousHighEnd);
    const int start = in.STARTTIME;
    if (start < 0 || start > 24)
        return;
    const char room = static_cast<char>('0' + in.ROOMOFUSE);
    if (newHours >= oldHours && in.AgeGroup != 1)
        return;
    int slot = start;
    const int useEnd = std::min(25, start + newHours);
    do {
        pattern[static_cast<size_t>(slot)] = room;
        ++slot;
    } while (slot < useEnd);
    if (newHours >= oldHours)
        return;
    for (; slot < std::min(25, start + oldHours); ++slot) {
        pattern[static_cast<size_t>(slot)] = kDefaultUseDayDigits[slot];
    }
}

}  // namespace consumer
