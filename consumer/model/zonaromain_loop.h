// The parts of the multi-zone model's time loop that every way of stepping shares: the steps'
// times and source terms, saturation and the person's exposure; included by the time loops only,
// so that they are taken inline.
#pragma once

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "consumer/model/zonaromain.h"
#include "consumer/model/zonaromain_sources.h"

namespace consumer {

// Holds a node at saturation: the excess condenses, and condensed mass returns as the air
// falls below saturation.
inline double zonaromain::Saturated(size_t n, double c) {
    const double v = volume_[n];
    if (c > saturation_) {
        condensed_[n] += (c - saturation_) * v;
        return saturation_;
    }
    if (condensed_[n] > 0) {
        const double room = (saturation_ - c) * v;
        if (room < condensed_[n]) {
            condensed_[n] -= room;
            return saturation_;
        }
        c += condensed_[n] / v;
        condensed_[n] = 0;
    }
    return c;
}

inline void zonaromain::Saturate() {
    for (size_t n = 0; n < conc_.size(); ++n)
        conc_[n] = Saturated(n, conc_[n]);
}

inline const zonaromain::PatternEntry* zonaromain::PersonAt(double t) const {
    if (t <= overrideEnd_) {
        for (const PatternEntry& entry : override_) {
            if (entry.start > t)
                break;
            if (t <= entry.end)
                return &entry;
        }
    }
    double timeOfDay = 0;
    const std::vector<PatternEntry>* list = nullptr;
    // Inside the day of the last step (away from its end) the day's list holds and the time
    // of day is t - dayStart, the same number the full computation below gives.
    const double sinceDayStart = t - dayStart_;
    if (personList_ && sinceDayStart >= 0 && sinceDayStart < 1 - 1e-9) {
        timeOfDay = sinceDayStart;
        list = personList_;
    } else {
        const double week = std::floor(t / 7);
        const double timeInWeek = t - 7 * week;
        const double day = std::floor(timeInWeek);
        timeOfDay = timeInWeek - day;
        const int dayNumber = static_cast<int>(day) + 1;
        const bool primaryDay = dayNumber >= 1 && dayNumber <= 7 && primaryDays_[dayNumber];
        list = primaryDay ? &primary_ : &secondary_;
        dayStart_ = 7 * week + day;
        personList_ = list;
        personIndex_ = 0;
    }
    // The entry of the last step usually still holds.
    const size_t count = list->size();
    if (personIndex_ < count && (*list)[personIndex_].start <= timeOfDay &&
        (personIndex_ + 1 == count || (*list)[personIndex_ + 1].start > timeOfDay)) {
        return &(*list)[personIndex_];
    }
    const PatternEntry* found = nullptr;
    for (size_t i = 0; i < count; ++i) {
        if ((*list)[i].start > timeOfDay)
            break;
        found = &(*list)[i];
        personIndex_ = i;
    }
    return found;
}

inline void zonaromain::Expose(double t, double h, long step) {
    const PatternEntry* entry = PersonAt(t);
    if (entry && entry->zone >= 0 && entry->zone <= zones_) {
        const double c = conc_[static_cast<size_t>(entry->zone)];
        exposureConc_ = c;
        integratedConc_ += h * c;
        massInhaled_ += entry->rate * h * c;
        volumeInhaled_ += entry->rate * h;
        hourDose_ += entry->rate * h * c / bodyWeight_;
        if (c > peak_)
            peak_ = c;
    }
    if (step == 0)
        hourMarkStep_ = 0;
    // Counting steps keeps the hour marks exactly 360 steps apart.
    if (step - hourMarkStep_ >= kStepsPerHour) {
        for (double& sum : rollingSums_)
            sum += hourDose_;
        hourMarkStep_ = step;
        double& sum = rollingSums_[static_cast<size_t>(rollingIndex_)];
        if (sum > highest24HourDose_) {
            highest24HourDose_ = sum;
            highestTime_ = t;
        }
        sum = 0;
        rollingIndex_ = (rollingIndex_ + 1) % 24;
        hourDose_ = 0;
    }
}

// The times of a step: the start plus a whole number of steps; a step ends where the next
// starts, the last one (shortened) at the end time. False when the step is past the end.
inline bool zonaromain::TimesOf(long step, double t0, StepTimes& times) const {
    const double t = t0 + static_cast<double>(step) * kStep;
    if (!(t < endTime_))
        return false;
    const double next = t0 + static_cast<double>(step + 1) * kStep;
    const bool last = !(next < endTime_);
    times.t = t;
    times.h = last ? endTime_ - t : kStep;
    times.middle = t + times.h / 2;
    times.end = last ? endTime_ : next;
    return true;
}

// The time loop: step (saturation included), follow the person. The source terms depend on
// time alone; blockTerms(times, steps, firstBlock) works them out a block of steps ahead, so
// that the steps run without calls; stepOnce(times, i) then advances the state by step i of the
// block.
template <class BlockTerms, class StepOnce>
inline void zonaromain::TimeLoop(BlockTerms&& blockTerms, StepOnce&& stepOnce) {
    const double t0 = currentTime_;
    StepTimes* times = blockTimes_.data();
    for (long first = 0;; first += static_cast<long>(kBlockSteps)) {
        size_t steps = 0;
        while (steps < kBlockSteps && TimesOf(first + static_cast<long>(steps), t0, times[steps])) {
            ++steps;
        }
        if (steps == 0)
            return;
        blockTerms(times, steps, first == 0);
        for (size_t i = 0; i < steps; ++i) {
            stepOnce(times[i], i);
            Expose(times[i].t, times[i].h, first + static_cast<long>(i));
        }
        if (steps < kBlockSteps)
            return;
    }
}

// Prepares the run and runs loop(zones) from the current time to the end time. Models without
// sinks of the zone counts this program writes get a loop with the node count fixed (0: any).
template <class Loop>
inline void zonaromain::RunLoop(Loop&& loop) {
    if (!(currentTime_ < endTime_) || zones_ < 1)
        return;
    PrepareRun();
    switch (sinks_.empty() ? zones_ : 0) {
        case 1:
            loop(std::integral_constant<int, 1>{});
            break;
        case 2:
            loop(std::integral_constant<int, 2>{});
            break;
        case 3:
            loop(std::integral_constant<int, 3>{});
            break;
        case 4:
            loop(std::integral_constant<int, 4>{});
            break;
        default:
            loop(std::integral_constant<int, 0>{});
            break;
    }
    currentTime_ = endTime_;
}

}  // namespace consumer
