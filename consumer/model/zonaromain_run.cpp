// The multi-zone model's run: results, the run's constants, and the time loop whose steps apply
// the step map.
#include <algorithm>
#include <cmath>
#include <utility>

#include "consumer/model/zonaromain.h"
#include "consumer/model/zonaromain_carried_sources.h"
#include "consumer/model/zonaromain_flow_terms.h"
#include "consumer/model/zonaromain_loop.h"

namespace consumer {

double zonaromain::LifetimeAverageDailyDose() const {
    return massInhaled_ * eventsPerYear_ / bodyWeight_ * (yearsExposure_ / averageLifetime_);
}

double zonaromain::LifetimeAverageDailyConcentration() const {
    return integratedConc_ * eventsPerYear_ * (yearsExposure_ / averageLifetime_);
}

double zonaromain::AverageDailyDose() const {
    return massInhaled_ * eventsPerYear_ / (365.25 * bodyWeight_);
}

double zonaromain::AverageDailyConcentration() const {
    return integratedConc_ * eventsPerYear_ * 0.0027378507871321013;
}

double zonaromain::EmissionRate(const Source& source, double t) const {
    return RateOf(source, source.mass / source.duration, t);
}

void zonaromain::PrepareFlowTerms() {
    const size_t nodes = conc_.size();
    termRate_.clear();
    termVolume_.clear();
    termOf_.clear();
    nodeTermEnd_.assign(nodes, 0);
    flow_terms::ForEachFlowTerm(
        static_cast<int>(nodes), flows_.size(),
        [this](size_t i) { return std::pair<int, int>(flows_[i].from, flows_[i].to); },
        [this](flow_terms::FlowTerm term, size_t i) {
            const double rate = flows_[i].rate * airFlowMultiplier_;
            // d - x is d + (-x), and (-r) C / V is -(r C / V), bit for bit: an outflow's
            // term is carried as a negative rate and added.
            termRate_.push_back(term.into ? rate : -rate);
            termVolume_.push_back(volume_[static_cast<size_t>(term.node)]);
            termOf_.push_back(term.of);
            nodeTermEnd_[static_cast<size_t>(term.node)] = termRate_.size();
        });
}

// The steps of an exponential of rate constant k, worked in extended precision.
void zonaromain::PrepareDecaySteps(double k, DecaySteps& steps) {
    const long double wideK = k;
    for (size_t i = 0; i < 2 * kBlockSteps; ++i) {
        const long double exponent = wideK * static_cast<long double>(i) * kStep / 2;
        const long double decay = std::exp(-exponent);
        steps.decayHigh[i] = static_cast<double>(decay);
        steps.decayLow[i] = static_cast<double>(decay - steps.decayHigh[i]);
    }
    steps.blockDecay = std::exp(-(wideK * kBlockSteps * kStep));
}

void zonaromain::PrepareSources() {
    const size_t nodes = conc_.size();
    perDay_.assign(sources_.size(), 0.0);
    decaySteps_.assign(sources_.size(), DecaySteps{});
    termScale_.assign(sources_.size(), 0.0);
    for (size_t i = 0; i < sources_.size(); ++i) {
        perDay_[i] = sources_[i].mass / sources_[i].duration;
        PrepareDecaySteps(sources_[i].rate, decaySteps_[i]);
        const int zone = sources_[i].zone;
        if (zone >= 0 && static_cast<size_t>(zone) < nodes)
            termScale_[i] = emissionMultiplier_ / volume_[static_cast<size_t>(zone)];
    }
    sourceOrder_.clear();
    nodeSourceEnd_.assign(nodes, 0);
    for (size_t n = 0; n < nodes; ++n) {
        for (size_t i = 0; i < sources_.size(); ++i) {
            if (sources_[i].zone == static_cast<int>(n))
                sourceOrder_.push_back(i);
        }
        nodeSourceEnd_[n] = sourceOrder_.size();
    }
    sourceTermRows_.assign((2 * kBlockSteps + 1) * sourceOrder_.size(), 0.0);
    blockTimes_.assign(kBlockSteps, StepTimes{});
    carriedTerms_.assign((2 * kBlockSteps + 1) * sourceOrder_.size(), 0.0);
    decayClocks_.assign(2 * sources_.size(), DecayClock{});
    blockNumber_ = 0;
}

void zonaromain::PrepareRun() {
    const size_t nodes = conc_.size();
    // The stage-by-stage step uses 4 x nodes of stage_ and nodes of trial_, the mapped step
    // states of each.
    stage_.assign(4 * (nodes + sinks_.size()), 0.0);
    trial_.assign(nodes + sinks_.size(), 0.0);
    loadStage_.assign(4 * sinks_.size(), 0.0);
    PrepareFlowTerms();
    PrepareSources();
    PrepareStepMaps();
    overrideEnd_ = -1e300;
    for (const PatternEntry& entry : override_)
        overrideEnd_ = std::max(overrideEnd_, entry.end);
    personList_ = nullptr;
    personIndex_ = 0;
}

// The maps of a full step and of the run's last step (shortened so that the run ends at the end
// time), made before the first step so that the loop does no more than apply them.
void zonaromain::PrepareStepMaps() {
    const double t0 = currentTime_;
    // Near the last step, from below (a run too long to count in steps never gets there).
    const double steps = std::min((endTime_ - t0) / kStep, 1e18);
    long last = std::max(0L, static_cast<long>(steps) - 2);
    StepTimes times;
    while (last > 0 && !TimesOf(last, t0, times))
        --last;
    while (TimesOf(last + 1, t0, times))
        ++last;
    TimesOf(last, t0, times);
    sourceChange_.assign(kBlockSteps * (conc_.size() + sinks_.size()), 0.0);
    WorkStepMap(kStep, fullStepMap_);
    WorkStepMap(times.h, lastStepMap_);
}

namespace {

// change[i] += a terms[2 i] + b terms[2 i + 1] + c terms[2 i + 2] for i in [from, to).
void AddSourcePart(double a, double b, double c, const double* __restrict terms, size_t from,
                   size_t to, double* __restrict change) {
    for (size_t i = from; i < to; ++i)
        change[i] += a * terms[2 * i] + b * terms[2 * i + 1] + c * terms[2 * i + 2];
}

}  // namespace

// The sources' part of the change of each step of a block, state by state, from the block's
// source terms.
template <int N>
void zonaromain::SourceChanges(const StepTimes* times, size_t steps) {
    const size_t states = N > 0 ? static_cast<size_t>(N + 1) : conc_.size() + sinks_.size();
    const size_t full = times[steps - 1].h != kStep ? steps - 1 : steps;
    std::fill(sourceChange_.begin(), sourceChange_.end(), 0.0);
    constexpr size_t kPoints = 2 * kBlockSteps + 1;
    for (size_t j = 0; j < sourceOrder_.size(); ++j) {
        const double* terms = carriedTerms_.data() + j * kPoints;
        for (size_t n = 0; n < states; ++n) {
            double* change = sourceChange_.data() + n * kBlockSteps;
            const double* column = fullStepMap_.sources.data() + 3 * states * j + n;
            AddSourcePart(column[0], column[states], column[2 * states], terms, 0, full, change);
            column = lastStepMap_.sources.data() + 3 * states * j + n;
            AddSourcePart(column[0], column[states], column[2 * states], terms, full, steps,
                          change);
        }
    }
}

// One step as its map: the change of the state from the state, plus the sources' part, added
// to it; then saturation. N > 0: N zones and no sinks, the state x held by the caller from step
// to step (and written to the concentrations for the exposure); N = 0: any model, x a work array.
template <int N>
inline void zonaromain::MapStep(const StepMap& map, size_t step, double* x) {
    constexpr size_t kLocal = N > 0 ? N + 1 : 1;
    double change[kLocal];
    const size_t nodes = N > 0 ? static_cast<size_t>(N + 1) : conc_.size();
    const size_t sinks = N > 0 ? 0 : sinks_.size();
    const size_t states = nodes + sinks;
    double* c = conc_.data();
    if constexpr (N == 0) {
        for (size_t n = 0; n < nodes; ++n)
            x[n] = c[n];
        for (size_t i = 0; i < sinks; ++i)
            x[nodes + i] = sinks_[i].loading;
    }
    const double* sourceChange = sourceChange_.data() + step;
    const double* row = map.state.data();
    for (size_t n = 0; n < states; ++n, row += states) {
        double sum = sourceChange[n * kBlockSteps];
        for (size_t m = 0; m < states; ++m)
            sum += row[m] * x[m];
        if constexpr (N > 0)
            change[n] = sum;
        else
            stage_[n] = sum;
    }
    const double* changes = N > 0 ? change : stage_.data();
    for (size_t n = 0; n < nodes; ++n) {
        double next = x[n] + changes[n];
        // Saturation seldom holds: test for it before the call.
        if (next > saturation_ || condensed_[n] > 0)
            next = Saturated(n, next);
        c[n] = next;
        if constexpr (N > 0)
            x[n] = next;
    }
    for (size_t i = 0; i < sinks; ++i) {
        if (sinks_[i].kind == kLangmuir)
            sinks_[i].loading = x[nodes + i] + changes[nodes + i];
    }
}

template <int N>
void zonaromain::MapLoop() {
    constexpr size_t kLocal = N > 0 ? N + 1 : 1;
    double local[kLocal];
    double* x = N > 0 ? local : trial_.data();
    if constexpr (N > 0) {
        for (size_t n = 0; n <= static_cast<size_t>(N); ++n)
            local[n] = conc_[n];
    }
    TimeLoop(
        [this](const StepTimes* times, size_t steps, bool firstBlock) {
            CarriedBlockTerms(times, steps, firstBlock);
            SourceChanges<N>(times, steps);
        },
        [this, x](const StepTimes& times, size_t i) {
            MapStep<N>(times.h == kStep ? fullStepMap_ : lastStepMap_, i, x);
        });
}

void zonaromain::Run() {
    RunLoop([this](auto zones) { MapLoop<decltype(zones)::value>(); });
}

}  // namespace consumer
