// The sources' terms of the multi-zone model's mapped steps: through a block of steps over which a
// source keeps its phase, its exponentials are carried from one time to the next rather than
// worked from their formula at every time. Included by the mapped time loop only.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "consumer/model/zonaromain.h"
#include "consumer/model/zonaromain_sources.h"

namespace consumer {
namespace {

// A number as a double and the part of it below that double's last place.
struct SplitNumber {
    double high = 0;
    double low = 0;
};

inline SplitNumber Split(long double x) {
    const double high = static_cast<double>(x);
    return {high, static_cast<double>(x - high)};
}

// exp(-x) at the first time of a block, in extended precision: from the formula's exponent x
// when the clock did not run through the block before, else carried on from that block by the
// factor exp(-k kBlockSteps h).
inline SplitNumber ClockAt(zonaromain::DecayClock& clock, long block, double x,
                           const zonaromain::DecaySteps& steps) {
    if (clock.block + 1 == block)
        clock.decay *= steps.blockDecay;
    else if (clock.block != block)
        clock.decay = std::exp(-static_cast<long double>(x));
    clock.block = block;
    return Split(clock.decay);
}

// exp(-k (t - t0)) at the i-th time after the first of a block: the clock's value times the
// power of exp(-k h/2) for the time's place, both with their parts below the last place, so
// that the product carries no bias from either's rounding, only the last rounding of its own.
inline double DecayLater(SplitNumber first, const zonaromain::DecaySteps& steps, size_t i) {
    const double product = first.high * steps.decayHigh[i];
    return product + (first.high * steps.decayLow[i] + first.low * steps.decayHigh[i]);
}

// The share of a part released by the i-th time: 1 - exp(-x), exactly 1 once x is past
// kNegligibleExponent.
template <bool kDone>
inline double Released(SplitNumber first, const zonaromain::DecaySteps& steps, size_t i) {
    if constexpr (kDone)
        return 1.0;
    else
        return 1.0 - DecayLater(first, steps, i);
}

// The rates of an incremental source through a block: the mass applied so far released by
// each time, less (after the duration) the share still to come of the part applied at its end.
// One loop per case, so that the loops carry no tests.
template <bool kEarlyDone, bool kLateCounts, bool kLateDone>
void IncrementalTerms(double perDay, double scale, SplitNumber early, SplitNumber late,
                      const zonaromain::DecaySteps& steps, size_t count, double* __restrict terms) {
    for (size_t i = 0; i < count; ++i) {
        double rate = perDay * Released<kEarlyDone>(early, steps, i);
        if constexpr (kLateCounts)
            rate -= perDay * Released<kLateDone>(late, steps, i);
        terms[i] = rate * scale;
    }
}

constexpr double kSmallShare = 1e-5;

// What carries a source's exponentials through a block.
struct SourceClocks {
    const zonaromain::DecaySteps& steps;
    zonaromain::DecayClock* clocks;  // from the source's start, from the end of its duration
    long block;
};

// The terms (rate x scale) of a source at the times of a block's full steps (their middles and
// ends, count times half a step apart from first to last), when the source keeps one phase over
// them and each of its exponentials stays on one side of kNegligibleExponent. False, with
// nothing written, when the source changes over the times.
inline bool EvenTerms(const zonaromain::Source& source, double perDay, double scale,
                      const SourceClocks& carry, double first, double last, size_t count,
                      double* terms) {
    if (source.kind == zonaromain::kDataEntry)
        return false;  // a table, not a formula
    const Phase phase = PhaseOf(source, first);
    if (PhaseOf(source, last) != phase)
        return false;
    const double k = source.rate;
    const bool exponential = source.kind == zonaromain::kExponential && phase == Phase::kActive;
    const bool incremental = source.kind == zonaromain::kIncremental && phase != Phase::kOff;
    if (source.kind == zonaromain::kConstant || (!exponential && !incremental)) {
        const double rate =
            source.kind == zonaromain::kConstant && phase == Phase::kActive ? source.rate : 0.0;
        std::fill(terms, terms + count, rate * scale);
        return true;
    }
    const zonaromain::DecaySteps& steps = carry.steps;
    const double start = source.start;
    // Shortly after an exponential starts, 1 - exp(-x) is small and its relative value turns on
    // the last bit of exp(-x): there the formula gives the rates.
    const double fresh = static_cast<double>(zonaromain::kBlockSteps) * zonaromain::kStep;
    if (first - start < fresh)
        return false;
    if (exponential) {
        const SplitNumber e0 = ClockAt(carry.clocks[0], carry.block, k * (first - start), steps);
        for (size_t i = 0; i < count; ++i)
            terms[i] = source.initialRate * DecayLater(e0, steps, i) * scale;
        return true;
    }
    const double duration = source.duration;
    const double early = k * (first - start);
    const double late = k * (first - start - duration);
    const bool earlyDone = early > kNegligibleExponent;
    const bool lateDone = late > kNegligibleExponent;
    if (earlyDone != (k * (last - start) > kNegligibleExponent) ||
        lateDone != (k * (last - start - duration) > kNegligibleExponent)) {
        return false;
    }
    const bool lateCounts = phase == Phase::kAfter;
    if (lateCounts && first - start - duration < fresh)
        return false;
    // A share 1 - exp(-x) below kSmallShare, or a rate that is the difference of two shares
    // whose exponents differ by less (k x duration), moves by more than 1e-11 of itself with the
    // last bit of exp(-x): there the formula gives the rates, as the reference works them.
    if ((!earlyDone && early < kSmallShare) || (lateCounts && k * duration < kSmallShare))
        return false;
    const SplitNumber e0 =
        earlyDone ? SplitNumber{} : ClockAt(carry.clocks[0], carry.block, early, steps);
    const SplitNumber l0 = lateCounts && !lateDone
                               ? ClockAt(carry.clocks[1], carry.block, late, steps)
                               : SplitNumber{};
    using Fill = void (*)(double, double, SplitNumber, SplitNumber, const zonaromain::DecaySteps&,
                          size_t, double*);
    static constexpr Fill kFills[2][2][2] = {
        {{IncrementalTerms<false, false, false>, IncrementalTerms<false, false, true>},
         {IncrementalTerms<false, true, false>, IncrementalTerms<false, true, true>}},
        {{IncrementalTerms<true, false, false>, IncrementalTerms<true, false, true>},
         {IncrementalTerms<true, true, false>, IncrementalTerms<true, true, true>}}};
    kFills[earlyDone][lateCounts][lateDone](perDay, scale, e0, l0, steps, count, terms);
    return true;
}

}  // namespace

// The terms (E x multiplier / V) of each source in sourceOrder_ through a block of steps, the
// source's 2 kBlockSteps + 1 after each other: the block's start (the end of the block before),
// then the middle and end of each step. The full steps' exponentials are carried; where the
// source changes within the block, and for a last, shortened step, the rates come from their
// formula.
inline void zonaromain::CarriedBlockTerms(const StepTimes* times, size_t steps, bool firstBlock) {
    const size_t count = sourceOrder_.size();
    const size_t full = times[steps - 1].h != kStep ? steps - 1 : steps;
    constexpr size_t kPoints = 2 * kBlockSteps + 1;
    for (size_t j = 0; j < count; ++j) {
        const size_t i = sourceOrder_[j];
        const Source& source = sources_[i];
        const double scale = termScale_[i];
        const double perDay = perDay_[i];
        double* terms = carriedTerms_.data() + j * kPoints;
        terms[0] = firstBlock ? RateOf(source, perDay, times[0].t) * scale : terms[kPoints - 1];
        const SourceClocks carry{decaySteps_[i], decayClocks_.data() + 2 * i, blockNumber_};
        const bool carried = full > 0 && EvenTerms(source, perDay, scale, carry, times[0].middle,
                                                   times[full - 1].end, 2 * full, terms + 1);
        for (size_t step = carried ? full : 0; step < steps; ++step) {
            terms[2 * step + 1] = RateOf(source, perDay, times[step].middle) * scale;
            terms[2 * step + 2] = RateOf(source, perDay, times[step].end) * scale;
        }
    }
    ++blockNumber_;
}

}  // namespace consumer
