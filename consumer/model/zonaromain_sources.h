// Emission rates of the multi-zone model's sources at a time; included by the time loop only, so
// that the step can take them inline.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace {

// Past this exponent exp(-x) is below 2^-54 (half an ulp under 1), so 1 - exp(-x) is exactly 1
// and exp need not be called.
constexpr double kNegligibleExponent = 38.0;

inline double OneMinusExp(double x) {
    return x > kNegligibleExponent ? 1.0 : 1.0 - std::exp(-x);
}

// Where a source is in its life at time t: not started, active (emitting at its rate), or
// after (emitting what is left of its mass, or nothing).
enum class Phase { kOff, kActive, kAfter };

inline Phase PhaseOf(const zonaromain::Source& source, double t) {
    const bool started = source.start <= t;
    const bool active =
        (started && t < source.start + source.window) ||
        (source.kind == zonaromain::kIncremental && started && t < source.start + source.duration);
    if (active)
        return Phase::kActive;
    return started ? Phase::kAfter : Phase::kOff;
}

// The rate (mg/day) of a source at time t; perDay is its mass / duration.
inline double RateOf(const zonaromain::Source& source, double perDay, double t) {
    const Phase phase = PhaseOf(source, t);
    const bool active = phase == Phase::kActive;
    const bool after = phase == Phase::kAfter && source.kind != zonaromain::kConstant;
    switch (source.kind) {
        case zonaromain::kConstant:
            return active ? source.rate : 0.0;
        case zonaromain::kIncremental: {
            if (!active && !after)
                return 0.0;
            // The mass is applied evenly over the duration; each part is released first-order.
            double rate = perDay * OneMinusExp(source.rate * (t - source.start));
            if (after)
                rate -= perDay * OneMinusExp(source.rate * (t - source.start - source.duration));
            return rate;
        }
        case zonaromain::kExponential:
            return active ? source.initialRate * std::exp(-(source.rate * (t - source.start)))
                          : 0.0;
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

// E x multiplier / V of each source in the model at time t, node by node and within a node in
// file order.
inline void zonaromain::SourceTerms(double t, double* terms) const {
    for (size_t j = 0; j < sourceOrder_.size(); ++j) {
        const size_t i = sourceOrder_[j];
        const Source& source = sources_[i];
        const double v = volume_[static_cast<size_t>(source.zone)];
        terms[j] = RateOf(source, perDay_[i], t) * emissionMultiplier_ / v;
    }
}

// The rows of a block of steps, one source after the other: row 0 the terms at the block's
// start (the end row of the block before), row 2 i + 1 and 2 i + 2 those at the middle and end of
// step i; the same terms as SourceTerms gives at those times, each from its formula.
inline void zonaromain::BlockSourceTerms(const StepTimes* times, size_t steps, bool firstBlock,
                                         double* rows) const {
    const size_t count = sourceOrder_.size();
    if (firstBlock)
        SourceTerms(times[0].t, rows);
    else
        std::copy(rows + 2 * kBlockSteps * count, rows + (2 * kBlockSteps + 1) * count, rows);
    for (size_t j = 0; j < count; ++j) {
        const size_t i = sourceOrder_[j];
        const Source& source = sources_[i];
        const double v = volume_[static_cast<size_t>(source.zone)];
        const double perDay = perDay_[i];
        for (size_t step = 0; step < steps; ++step) {
            const double middle = RateOf(source, perDay, times[step].middle);
            const double end = RateOf(source, perDay, times[step].end);
            rows[(2 * step + 1) * count + j] = middle * emissionMultiplier_ / v;
            rows[(2 * step + 2) * count + j] = end * emissionMultiplier_ / v;
        }
    }
}

}  // namespace consumer
