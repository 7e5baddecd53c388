// The multi-zone model's time loop: fourth-order Runge-Kutta steps, saturation and exposure.
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "consumer/model/zonaromain.h"

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

void zonaromain::PrepareRun() {
    const size_t nodes = conc_.size();
    stage_.assign(4 * nodes, 0.0);
    trial_.assign(nodes, 0.0);
    loadStage_.assign(4 * sinks_.size(), 0.0);
    sourceTerms_.assign(3 * nodes, 0.0);
    earlyClocks_.assign(sources_.size(), DecayClock{});
    lateClocks_.assign(sources_.size(), DecayClock{});
    for (size_t i = 0; i < sources_.size(); ++i) {
        const double k = sources_[i].rate;
        earlyClocks_[i].half = lateClocks_[i].half = std::exp(-(k * (kStep / 2)));
        earlyClocks_[i].full = lateClocks_[i].full = std::exp(-(k * kStep));
    }
    // The derivative multiplies by 1/V: a division per term would dominate the run's time.
    inverseVolume_.resize(nodes);
    for (size_t n = 0; n < nodes; ++n)
        inverseVolume_[n] = 1.0 / volume_[n];
    flowRates_.resize(flows_.size());
    for (size_t i = 0; i < flows_.size(); ++i)
        flowRates_[i] = flows_[i].rate * airFlowMultiplier_;
    overrideEnd_ = -1e300;
    for (const PatternEntry& entry : override_)
        overrideEnd_ = std::max(overrideEnd_, entry.end);
    personList_ = nullptr;
}

// Flows in flow index order (so each node gets its terms in that order), then the sources,
// then the sinks.
void zonaromain::Derivatives(const double* sourceTerms, const double* conc, double* dconc,
                             double* dload) {
    const int nodes = zones_ + 1;
    const double* inv = inverseVolume_.data();
    for (int n = 0; n < nodes; ++n)
        dconc[n] = 0.0;
    for (size_t i = 0; i < flows_.size(); ++i) {
        const int from = flows_[i].from;
        const int to = flows_[i].to;
        const double moved = flowRates_[i] * conc[from];
        dconc[to] += moved * inv[to];
        dconc[from] -= moved * inv[from];
    }
    for (int n = 0; n < nodes; ++n)
        dconc[n] += sourceTerms[n];
    for (size_t i = 0; i < sinks_.size(); ++i) {
        const Sink& sink = sinks_[i];
        const int n = sink.zone;
        if (n < 0 || n >= nodes)
            continue;
        if (sink.kind == kFirstOrder) {
            dconc[n] -= sink.first * firstOrderMultiplier_ * conc[n] * inv[n];
        } else {
            const double ka = sink.first * adsorptionMultiplier_;
            const double kd = sink.second * desorptionMultiplier_;
            dconc[n] +=
                -ka * sink.third * conc[n] * inv[n] + kd * sink.third * sink.loading * inv[n];
            dload[i] = ka * sink.third * conc[n] - kd * sink.third * sink.loading;
        }
    }
}

void zonaromain::Step(double t, double tEnd, double h, long step) {
    const size_t nodes = conc_.size();
    const size_t sinks = sinks_.size();
    double* k[4];
    double* l[4];
    for (size_t s = 0; s < 4; ++s) {
        k[s] = stage_.data() + s * nodes;
        l[s] = loadStage_.data() + s * sinks;
    }
    const double times[3] = {t, t + h / 2, tEnd};
    StepSourceTerms(times, h != kStep, step);
    const double* startTerms = sourceTerms_.data();
    const double* midTerms = startTerms + nodes;
    const double* endTerms = midTerms + nodes;

    const double* c = conc_.data();
    double* trial = trial_.data();
    Derivatives(startTerms, c, k[0], l[0]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h / 2 * k[0][n];
    Derivatives(midTerms, trial, k[1], l[1]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h / 2 * k[1][n];
    Derivatives(midTerms, trial, k[2], l[2]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h * k[2][n];
    Derivatives(endTerms, trial, k[3], l[3]);
    for (size_t n = 0; n < nodes; ++n) {
        conc_[n] = c[n] + h / 6 * (k[0][n] + 2 * k[1][n] + 2 * k[2][n] + k[3][n]);
    }
    for (size_t i = 0; i < sinks; ++i) {
        if (sinks_[i].kind != kLangmuir)
            continue;
        sinks_[i].loading += h / 6 * (l[0][i] + 2 * l[1][i] + 2 * l[2][i] + l[3][i]);
    }
}

// The same step for N zones without sinks, with the node count known to the compiler: the
// same arithmetic in the same order, held in registers.
template <int N>
void zonaromain::StepFixed(double t, double tEnd, double h, long step) {
    constexpr int M = N + 1;
    constexpr int F = N * M;
    const double times[3] = {t, t + h / 2, tEnd};
    StepSourceTerms(times, h != kStep, step);
    const double* terms = sourceTerms_.data();
    const double* rate = flowRates_.data();
    double inv[M];
    double c[M];
    for (int n = 0; n < M; ++n) {
        inv[n] = inverseVolume_[static_cast<size_t>(n)];
        c[n] = conc_[static_cast<size_t>(n)];
    }
    auto derivative = [&](const double* x, const double* source, double* d) {
        double acc[M] = {};
        for (int i = 0; i < F; ++i) {
            const int from = kFlowPairs[i][0];
            const int to = kFlowPairs[i][1];
            const double moved = rate[i] * x[from];
            acc[to] += moved * inv[to];
            acc[from] -= moved * inv[from];
        }
        for (int n = 0; n < M; ++n)
            d[n] = acc[n] + source[n];
    };
    double k1[M], k2[M], k3[M], k4[M], y[M];
    derivative(c, terms, k1);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h / 2 * k1[n];
    derivative(y, terms + M, k2);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h / 2 * k2[n];
    derivative(y, terms + M, k3);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h * k3[n];
    derivative(y, terms + 2 * M, k4);
    for (int n = 0; n < M; ++n) {
        conc_[static_cast<size_t>(n)] = c[n] + h / 6 * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]);
    }
}

void zonaromain::Saturate() {
    for (size_t n = 0; n < conc_.size(); ++n) {
        const double v = volume_[n];
        if (conc_[n] > saturation_) {
            condensed_[n] += (conc_[n] - saturation_) * v;
            conc_[n] = saturation_;
        } else if (condensed_[n] > 0) {
            const double room = (saturation_ - conc_[n]) * v;
            if (room < condensed_[n]) {
                condensed_[n] -= room;
                conc_[n] = saturation_;
            } else {
                conc_[n] += condensed_[n] / v;
                condensed_[n] = 0;
            }
        }
    }
}

const zonaromain::PatternEntry* zonaromain::PersonAt(double t) const {
    if (t <= overrideEnd_) {
        for (const PatternEntry& entry : override_) {
            if (entry.start > t)
                break;
            if (t <= entry.end)
                return &entry;
        }
    }
    const double week = std::floor(t / 7);
    const double timeInWeek = t - 7 * week;
    const double day = std::floor(timeInWeek);
    const double timeOfDay = timeInWeek - day;
    const int dayNumber = static_cast<int>(day) + 1;
    const bool primaryDay = dayNumber >= 1 && dayNumber <= 7 && primaryDays_[dayNumber];
    const std::vector<PatternEntry>& list = primaryDay ? primary_ : secondary_;
    // The entry of the last step usually still holds.
    if (personList_ == &list && personIndex_ < list.size() &&
        list[personIndex_].start <= timeOfDay &&
        (personIndex_ + 1 == list.size() || list[personIndex_ + 1].start > timeOfDay)) {
        return &list[personIndex_];
    }
    const PatternEntry* found = nullptr;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].start > timeOfDay)
            break;
        found = &list[i];
        personList_ = &list;
        personIndex_ = i;
    }
    return found;
}

void zonaromain::Expose(double t, double h, long step) {
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

// The time loop: step, hold saturation, follow the person. Time is the start plus a whole
// number of steps; a step ends where the next starts, the last one at the end time.
template <class StepFunction>
void zonaromain::TimeLoop(StepFunction stepOnce) {
    const double t0 = currentTime_;
    for (long step = 0;; ++step) {
        const double t = t0 + static_cast<double>(step) * kStep;
        if (!(t < endTime_))
            break;
        const double next = t0 + static_cast<double>(step + 1) * kStep;
        const bool last = !(next < endTime_);
        const double h = last ? endTime_ - t : kStep;
        stepOnce(t, last ? endTime_ : next, h, step);
        Saturate();
        Expose(t, h, step);
    }
}

void zonaromain::Run() {
    if (!(currentTime_ < endTime_) || zones_ < 1)
        return;
    PrepareRun();
    const bool simple = sinks_.empty();
    auto fixed = [this](auto zones) {
        TimeLoop([this](double t, double tEnd, double h, long step) {
            StepFixed<decltype(zones)::value>(t, tEnd, h, step);
        });
    };
    if (simple && zones_ == 1) {
        fixed(std::integral_constant<int, 1>());
    } else if (simple && zones_ == 2) {
        fixed(std::integral_constant<int, 2>());
    } else if (simple && zones_ == 3) {
        fixed(std::integral_constant<int, 3>());
    } else if (simple && zones_ == 4) {
        fixed(std::integral_constant<int, 4>());
    } else {
        TimeLoop([this](double t, double tEnd, double h, long step) { Step(t, tEnd, h, step); });
    }
    currentTime_ = endTime_;
}

}  // namespace consumer
