// The multi-zone model's time loop: fourth-order Runge-Kutta steps, saturation and exposure.
#include <algorithm>
#include <cmath>
#include <utility>

#include "consumer/model/zonaromain.h"
#include "consumer/model/zonaromain_sources.h"

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

namespace {

// A term of the flows' share of a node's derivative: + rate C(from) / V for a flow into the
// node, - rate C(node) / V for a flow out of it.
struct FlowTerm {
    int node = 0;
    int of = 0;  // the node whose concentration the term takes
    bool into = false;
};

// The terms node by node, and within a node in flow order; each flow gives two.
template <class Pairs>
constexpr void ForEachFlowTerm(int nodes, size_t flowCount, Pairs pair, auto&& take) {
    for (int n = 0; n < nodes; ++n) {
        for (size_t i = 0; i < flowCount; ++i) {
            const auto [from, to] = pair(i);
            if (to == n)
                take(FlowTerm{n, from, true}, i);
            if (from == n)
                take(FlowTerm{n, n, false}, i);
        }
    }
}

// The terms for N zones, whose flows are the first N (N + 1) pairs of the fixed table.
template <int N>
struct FixedFlowTerms {
    static constexpr size_t kCount = 2 * N * (N + 1);
    std::array<FlowTerm, kCount> terms{};
    std::array<size_t, N + 1> nodeEnd{};
    constexpr FixedFlowTerms() {
        size_t j = 0;
        ForEachFlowTerm(
            N + 1, N * (N + 1),
            [](size_t i) {
                return std::pair<int, int>(zonaromain::kFlowPairs[i][0],
                                           zonaromain::kFlowPairs[i][1]);
            },
            [&](FlowTerm term, size_t) {
                terms[j++] = term;
                nodeEnd[static_cast<size_t>(term.node)] = j;
            });
    }
};

}  // namespace

void zonaromain::PrepareFlowTerms() {
    const size_t nodes = conc_.size();
    termRate_.clear();
    termVolume_.clear();
    termOf_.clear();
    nodeTermEnd_.assign(nodes, 0);
    ForEachFlowTerm(
        static_cast<int>(nodes), flows_.size(),
        [this](size_t i) { return std::pair<int, int>(flows_[i].from, flows_[i].to); },
        [this](FlowTerm term, size_t i) {
            const double rate = flows_[i].rate * airFlowMultiplier_;
            // d - x is d + (-x), and (-r) C / V is -(r C / V), bit for bit: an outflow's
            // term is carried as a negative rate and added.
            termRate_.push_back(term.into ? rate : -rate);
            termVolume_.push_back(volume_[static_cast<size_t>(term.node)]);
            termOf_.push_back(term.of);
            nodeTermEnd_[static_cast<size_t>(term.node)] = termRate_.size();
        });
}

void zonaromain::PrepareSources() {
    const size_t nodes = conc_.size();
    perDay_.assign(sources_.size(), 0.0);
    for (size_t i = 0; i < sources_.size(); ++i)
        perDay_[i] = sources_[i].mass / sources_[i].duration;
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
}

void zonaromain::PrepareRun() {
    const size_t nodes = conc_.size();
    stage_.assign(4 * nodes, 0.0);
    trial_.assign(nodes, 0.0);
    loadStage_.assign(4 * sinks_.size(), 0.0);
    PrepareFlowTerms();
    PrepareSources();
    overrideEnd_ = -1e300;
    for (const PatternEntry& entry : override_)
        overrideEnd_ = std::max(overrideEnd_, entry.end);
    personList_ = nullptr;
    personIndex_ = 0;
}

// Per node: the flows in flow order, then the sources (E / V), then the sinks. N > 0: N zones
// and no sinks, so that the terms' nodes are constants and the loops unroll; N = 0: any model.
template <int N>
inline void zonaromain::Derivatives(const double* sourceTerms, const double* c, double* d,
                                    double* dload) {
    const double* rate = termRate_.data();
    const double* volume = termVolume_.data();
    const size_t* sourceEnd = nodeSourceEnd_.data();
    size_t k = 0;
    if constexpr (N > 0) {
        static constexpr FixedFlowTerms<N> kLayout;
        constexpr size_t count = FixedFlowTerms<N>::kCount;
        double share[count];
        for (size_t j = 0; j < count; ++j)
            share[j] = rate[j] * c[kLayout.terms[j].of] / volume[j];
        size_t j = 0;
        for (size_t n = 0; n <= static_cast<size_t>(N); ++n) {
            double sum = 0.0;
            for (; j < kLayout.nodeEnd[n]; ++j)
                sum += share[j];
            for (; k < sourceEnd[n]; ++k)
                sum += sourceTerms[k];
            d[n] = sum;
        }
        return;
    }
    const int* of = termOf_.data();
    size_t j = 0;
    for (size_t n = 0; n < nodeTermEnd_.size(); ++n) {
        double sum = 0.0;
        for (; j < nodeTermEnd_[n]; ++j)
            sum += rate[j] * c[of[j]] / volume[j];
        for (; k < sourceEnd[n]; ++k)
            sum += sourceTerms[k];
        d[n] = sum;
    }
    const int nodes = zones_ + 1;
    for (size_t i = 0; i < sinks_.size(); ++i) {
        const Sink& sink = sinks_[i];
        const int n = sink.zone;
        if (n < 0 || n >= nodes)
            continue;
        const double v = volume_[static_cast<size_t>(n)];
        if (sink.kind == kFirstOrder) {
            d[n] -= sink.first * firstOrderMultiplier_ * c[n] / v;
        } else {
            const double ka = sink.first * adsorptionMultiplier_;
            const double kd = sink.second * desorptionMultiplier_;
            d[n] += -ka * sink.third * c[n] / v + kd * sink.third * sink.loading / v;
            dload[i] = ka * sink.third * c[n] - kd * sink.third * sink.loading;
        }
    }
}

// One classical fourth-order Runge-Kutta step: k1 at t, k2 and k3 at t + h/2, k4 at the step's
// end; sink loadings advance by the same weights from stage derivatives taken with the
// loadings of the step's start. Then saturation.
template <int N>
inline void zonaromain::Step(const StepTimes& times, const double* atStart, const double* atMiddle,
                             const double* atEnd) {
    constexpr size_t kLocal = N > 0 ? 5 * (N + 1) : 1;
    double local[kLocal];
    const size_t nodes = N > 0 ? static_cast<size_t>(N + 1) : conc_.size();
    double* k1 = N > 0 ? local : stage_.data();
    double* k2 = k1 + nodes;
    double* k3 = k2 + nodes;
    double* k4 = k3 + nodes;
    double* y = N > 0 ? k4 + nodes : trial_.data();
    const size_t sinks = sinks_.size();
    double* l1 = loadStage_.data();
    double* l2 = l1 + sinks;
    double* l3 = l2 + sinks;
    double* l4 = l3 + sinks;
    const double h = times.h;
    const double half = h / 2;
    const double sixth = h / 6;

    double* c = conc_.data();
    Derivatives<N>(atStart, c, k1, l1);
    for (size_t n = 0; n < nodes; ++n)
        y[n] = c[n] + half * k1[n];
    Derivatives<N>(atMiddle, y, k2, l2);
    for (size_t n = 0; n < nodes; ++n)
        y[n] = c[n] + half * k2[n];
    Derivatives<N>(atMiddle, y, k3, l3);
    for (size_t n = 0; n < nodes; ++n)
        y[n] = c[n] + h * k3[n];
    Derivatives<N>(atEnd, y, k4, l4);
    for (size_t n = 0; n < nodes; ++n)
        c[n] = c[n] + sixth * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]);
    for (size_t i = 0; i < sinks; ++i) {
        if (sinks_[i].kind != kLangmuir)
            continue;
        sinks_[i].loading += sixth * (l1[i] + 2 * l2[i] + 2 * l3[i] + l4[i]);
    }
    Saturate();
}

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
// time alone; they are worked out a block of steps ahead, so that the steps run without calls.
// The end of one step is the start of the next (the same time), and row 0 of a block the end
// row of the one before.
template <int N>
void zonaromain::TimeLoop() {
    const double t0 = currentTime_;
    const size_t count = sourceOrder_.size();
    double* rows = sourceTermRows_.data();
    StepTimes* times = blockTimes_.data();
    for (long first = 0;; first += static_cast<long>(kBlockSteps)) {
        size_t steps = 0;
        while (steps < kBlockSteps && TimesOf(first + static_cast<long>(steps), t0, times[steps])) {
            ++steps;
        }
        if (steps == 0)
            return;
        if (first == 0) {
            SourceTerms(times[0].t, rows);
        } else {
            std::copy(rows + 2 * kBlockSteps * count, rows + (2 * kBlockSteps + 1) * count, rows);
        }
        BlockSourceTerms(times, steps, rows);
        for (size_t i = 0; i < steps; ++i) {
            const double* start = rows + 2 * i * count;
            Step<N>(times[i], start, start + count, start + 2 * count);
            Expose(times[i].t, times[i].h, first + static_cast<long>(i));
        }
        if (steps < kBlockSteps)
            return;
    }
}

void zonaromain::Run() {
    if (!(currentTime_ < endTime_) || zones_ < 1)
        return;
    PrepareRun();
    // Models without sinks of the zone counts this program writes get a loop with the node
    // count fixed.
    switch (sinks_.empty() ? zones_ : 0) {
        case 1:
            TimeLoop<1>();
            break;
        case 2:
            TimeLoop<2>();
            break;
        case 3:
            TimeLoop<3>();
            break;
        case 4:
            TimeLoop<4>();
            break;
        default:
            TimeLoop<0>();
            break;
    }
    currentTime_ = endTime_;
}

}  // namespace consumer
