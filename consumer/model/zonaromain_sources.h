// Emission rates of the multi-zone model's sources at a time, exactly and along the time steps;
// included by the time loop only, so that the step can take them inline.
#pragma once

#include <algorithm>
#include <cmath>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace {

// Decayed factors this small are kept as 0 (1 - e is then exactly 1 anyway).
constexpr double kTiny = 1e-300;

// The rate of a source at time t, given early = exp(-k (t - start)) and
// late = exp(-k (t - start - duration)).
inline double RateOf(const zonaromain::Source& source, double perDay, double t, double early,
                     double late) {
    const bool started = source.start <= t;
    const bool active =
        (started && t < source.start + source.window) ||
        (source.kind == zonaromain::kIncremental && started && t < source.start + source.duration);
    const bool after = !active && started && source.kind != zonaromain::kConstant;
    switch (source.kind) {
        case zonaromain::kConstant:
            return active ? source.rate : 0.0;
        case zonaromain::kIncremental: {
            if (!active && !after)
                return 0.0;
            // The mass is applied evenly over the duration; each part is released first-order.
            double rate = perDay * (1 - early);
            if (after)
                rate -= perDay * (1 - late);
            return rate;
        }
        case zonaromain::kExponential:
            return active ? source.initialRate * early : 0.0;
        case zonaromain::kDataEntry: {
            double rate = 0.0;
            for (const auto& row : source.table) {
                if (row[0] > t)
                    break;
                rate = row[1];
            }
            return rate;
        }
        default:
            return 0.0;
    }
}

}  // namespace

inline void zonaromain::DecayClock::Stages(double k, double origin, const double (&times)[3],
                                           bool exact, long step, double (&out)[3]) {
    if (exact || times[0] < origin) {
        for (int i = 0; i < 3; ++i)
            out[i] = std::exp(-(k * (times[i] - origin)));
        valid = false;
        return;
    }
    if (!valid || step % kStepsPerHour == 0) {
        atStart = std::exp(-(k * (times[0] - origin)));
        valid = true;
    }
    out[0] = atStart;
    out[1] = atStart * half;
    out[2] = atStart * full;
    atStart = out[2] < kTiny ? 0.0 : out[2];
}

inline void zonaromain::PrepareSources() {
    const size_t count = sources_.size();
    earlyClocks_.assign(count, DecayClock{});
    lateClocks_.assign(count, DecayClock{});
    perDay_.assign(count, 0.0);
    activeEnd_.assign(count, 0.0);
    sourceNodes_.clear();
    for (const Source& source : sources_) {
        const bool inModel = source.zone >= 0 && source.zone <= zones_;
        if (inModel && std::find(sourceNodes_.begin(), sourceNodes_.end(), source.zone) ==
                           sourceNodes_.end()) {
            sourceNodes_.push_back(source.zone);
        }
    }
    std::sort(sourceNodes_.begin(), sourceNodes_.end());
    for (size_t i = 0; i < count; ++i) {
        const Source& source = sources_[i];
        const double k = source.rate;
        earlyClocks_[i].half = lateClocks_[i].half = std::exp(-(k * (kStep / 2)));
        earlyClocks_[i].full = lateClocks_[i].full = std::exp(-(k * kStep));
        if (source.kind == kIncremental)
            perDay_[i] = source.mass / source.duration;
        // Active before the later of the window's end and (incremental) the duration's.
        activeEnd_[i] = std::max(source.start + source.window, source.start + source.duration);
    }
}

// An incremental source whose application is over at all three stage times, between the
// hourly fresh starts of its clocks: the rate is perDay (1 - early) - perDay (1 - late), both
// factors carried on by constant factors. False when this step needs the general path.
inline bool zonaromain::DecayingRates(size_t i, const double (&times)[3], bool exact, long step,
                                      double (&rates)[3]) {
    DecayClock& early = earlyClocks_[i];
    DecayClock& late = lateClocks_[i];
    if (exact || !early.valid || !late.valid || step % kStepsPerHour == 0 ||
        !(times[0] >= activeEnd_[i])) {
        return false;
    }
    const double perDay = perDay_[i];
    const double e[3] = {early.atStart, early.atStart * early.half, early.atStart * early.full};
    const double l[3] = {late.atStart, late.atStart * late.half, late.atStart * late.full};
    for (int s = 0; s < 3; ++s)
        rates[s] = perDay * (1 - e[s]) - perDay * (1 - l[s]);
    early.atStart = e[2] < kTiny ? 0.0 : e[2];
    late.atStart = l[2] < kTiny ? 0.0 : l[2];
    return true;
}

inline void zonaromain::StepSourceTerms(const double (&times)[3], bool exact, long step) {
    const size_t nodes = conc_.size();
    double* terms = sourceTerms_.data();
    std::fill(terms, terms + 3 * nodes, 0.0);
    for (size_t i = 0; i < sources_.size(); ++i) {
        const Source& source = sources_[i];
        const int n = source.zone;
        if (n < 0 || n > zones_)
            continue;
        double early[3] = {0, 0, 0};
        double late[3] = {0, 0, 0};
        double rates[3];
        if (source.kind == kIncremental && DecayingRates(i, times, exact, step, rates)) {
            // all three stage times after the application: both parts decaying
        } else if (source.kind == kIncremental) {
            earlyClocks_[i].Stages(source.rate, source.start, times, exact, step, early);
            lateClocks_[i].Stages(source.rate, source.start + source.duration, times, exact, step,
                                  late);
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, perDay_[i], times[s], early[s], late[s]);
        } else if (source.kind == kExponential) {
            earlyClocks_[i].Stages(source.rate, source.start, times, exact, step, early);
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, 0.0, times[s], early[s], 0.0);
        } else {
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, 0.0, times[s], 0.0, 0.0);
        }
        // The sum over a node's sources of E / V, per stage time.
        const double scale = emissionMultiplier_;
        const double inverse = inverseVolume_[static_cast<size_t>(n)];
        for (size_t s = 0; s < 3; ++s)
            terms[s * nodes + static_cast<size_t>(n)] += rates[s] * scale * inverse;
    }
}

}  // namespace consumer
