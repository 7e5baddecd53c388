// The multi-zone model's time loop: fourth-order Runge-Kutta steps, saturation and exposure.
#include <algorithm>
#include <cmath>
#include <type_traits>

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
    const double k = source.rate;
    const double early = std::exp(-(k * (t - source.start)));
    const double late = std::exp(-(k * (t - source.start - source.duration)));
    return RateOf(source, source.mass / source.duration, t, early, late);
}

void zonaromain::PrepareRun() {
    const size_t nodes = conc_.size();
    stage_.assign(4 * nodes, 0.0);
    trial_.assign(nodes, 0.0);
    loadStage_.assign(4 * sinks_.size(), 0.0);
    sourceTerms_.assign(3 * nodes, 0.0);
    PrepareSources();
    // The derivative multiplies by 1/V: a division per term would dominate the run's time.
    inverseVolume_.resize(nodes);
    for (size_t n = 0; n < nodes; ++n)
        inverseVolume_[n] = 1.0 / volume_[n];
    // The flows as a matrix: dC(n)/dt gets coefficient(n, m) x C(m) from them, with
    // coefficient(to, from) = rate / V(to) for a flow into a node and -rate / V(from) on the
    // diagonal for a flow out of it.
    flowCoefficients_.assign(nodes * nodes, 0.0);
    for (const Flow& flow : flows_) {
        const double rate = flow.rate * airFlowMultiplier_;
        const size_t from = static_cast<size_t>(flow.from);
        const size_t to = static_cast<size_t>(flow.to);
        flowCoefficients_[to * nodes + from] += rate * inverseVolume_[to];
        flowCoefficients_[from * nodes + from] -= rate * inverseVolume_[from];
    }
    PreparePropagator();
    overrideEnd_ = -1e300;
    for (const PatternEntry& entry : override_)
        overrideEnd_ = std::max(overrideEnd_, entry.end);
    personList_ = nullptr;
    personIndex_ = 0;
}

// The sources' share first, then the flows node by node, then the sinks.
void zonaromain::Derivatives(const double* sourceTerms, const double* conc, double* dconc,
                             double* dload) {
    const int nodes = zones_ + 1;
    const double* inv = inverseVolume_.data();
    const double* coefficients = flowCoefficients_.data();
    for (int n = 0; n < nodes; ++n) {
        double d = sourceTerms[n];
        const double* row = coefficients + static_cast<size_t>(n) * static_cast<size_t>(nodes);
        for (int m = 0; m < nodes; ++m)
            d += row[m] * conc[m];
        dconc[n] = d;
    }
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
    Saturate();
}

// The same step for N zones without sinks, with the node count known to the compiler: the
// same arithmetic in the same order, held in registers.
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

template <int N>
void zonaromain::StepFixed(double t, double tEnd, double h, long step) {
    constexpr int M = N + 1;
    const double times[3] = {t, t + h / 2, tEnd};
    StepSourceTerms(times, h != kStep, step);
    const double* s0 = sourceTerms_.data();
    const double* s1 = s0 + M;
    const double* s2 = s1 + M;
    double c[M];
    for (int n = 0; n < M; ++n)
        c[n] = conc_[static_cast<size_t>(n)];
    if (h != kStep) {
        RungeKuttaStep<M>(c, s0, h);
        return;
    }
    // With flows only, the step is linear: C' = P C + Q0 s0 + Q1 s1 + (h/6) s2.
    const double* p = stepPropagator_.data();
    const double* q0 = startSourceWeights_.data();
    const double* q1 = middleSourceWeights_.data();
    // Nodes without sources add nothing to the source part.
    const int* sourceNodes = sourceNodes_.data();
    const size_t sourceNodeCount = sourceNodes_.size();
    for (int n = 0; n < M; ++n) {
        double fromSources = h / 6 * s2[n];
        for (size_t j = 0; j < sourceNodeCount; ++j) {
            const int m = sourceNodes[j];
            fromSources += q0[n * M + m] * s0[m] + q1[n * M + m] * s1[m];
        }
        double fromAir = 0.0;
        for (int m = 0; m < M; ++m)
            fromAir += p[n * M + m] * c[m];
        conc_[static_cast<size_t>(n)] = Saturated(static_cast<size_t>(n), fromAir + fromSources);
    }
}

// One classical fourth-order Runge-Kutta step of the flows and sources, stage by stage.
template <int M>
void zonaromain::RungeKuttaStep(const double* c, const double* s0, double h) {
    const double* a = flowCoefficients_.data();
    auto derivative = [&](const double* x, const double* source, double* d) {
        for (int n = 0; n < M; ++n) {
            double sum = source[n];
            for (int m = 0; m < M; ++m)
                sum += a[n * M + m] * x[m];
            d[n] = sum;
        }
    };
    double k1[M], k2[M], k3[M], k4[M], y[M];
    derivative(c, s0, k1);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h / 2 * k1[n];
    derivative(y, s0 + M, k2);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h / 2 * k2[n];
    derivative(y, s0 + M, k3);
    for (int n = 0; n < M; ++n)
        y[n] = c[n] + h * k3[n];
    derivative(y, s0 + 2 * M, k4);
    for (int n = 0; n < M; ++n) {
        conc_[static_cast<size_t>(n)] = c[n] + h / 6 * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]);
    }
    Saturate();
}

// For a full step h of the linear flow system with B = h A (A the flow matrix), the four
// Runge-Kutta stages combine to C' = P C + Q0 s0 + Q1 s1 + (h/6) s2 with
// P = I + B + B^2/2 + B^3/6 + B^4/24, Q0 = h/6 (I + B + B^2/2 + B^3/4) and
// Q1 = h/6 (4 I + 2 B + B^2/2), s0, s1, s2 the sources' terms at the start, middle and end.
void zonaromain::PreparePropagator() {
    const size_t m = conc_.size();
    auto multiply = [m](const std::vector<double>& x, const std::vector<double>& y) {
        std::vector<double> z(m * m, 0.0);
        for (size_t i = 0; i < m; ++i) {
            for (size_t j = 0; j < m; ++j) {
                for (size_t k = 0; k < m; ++k)
                    z[i * m + j] += x[i * m + k] * y[k * m + j];
            }
        }
        return z;
    };
    std::vector<double> b(m * m);
    for (size_t i = 0; i < m * m; ++i)
        b[i] = kStep * flowCoefficients_[i];
    const std::vector<double> b2 = multiply(b, b);
    const std::vector<double> b3 = multiply(b2, b);
    const std::vector<double> b4 = multiply(b3, b);
    stepPropagator_.assign(m * m, 0.0);
    startSourceWeights_.assign(m * m, 0.0);
    middleSourceWeights_.assign(m * m, 0.0);
    for (size_t i = 0; i < m * m; ++i) {
        const double identity = i % (m + 1) == 0 ? 1.0 : 0.0;
        stepPropagator_[i] = identity + b[i] + b2[i] / 2 + b3[i] / 6 + b4[i] / 24;
        startSourceWeights_[i] = kStep / 6 * (identity + b[i] + b2[i] / 2 + b3[i] / 4);
        middleSourceWeights_[i] = kStep / 6 * (4 * identity + 2 * b[i] + b2[i] / 2);
    }
}

void zonaromain::Saturate() {
    for (size_t n = 0; n < conc_.size(); ++n)
        conc_[n] = Saturated(n, conc_[n]);
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

// The time loop: step (saturation included), follow the person. Time is the start plus a whole
// number of steps; a step ends where the next starts, the last one at the end time.
template <class StepFunction>
[[gnu::flatten]] void zonaromain::TimeLoop(StepFunction stepOnce) {
    const double t0 = currentTime_;
    for (long step = 0;; ++step) {
        const double t = t0 + static_cast<double>(step) * kStep;
        if (!(t < endTime_))
            break;
        const double next = t0 + static_cast<double>(step + 1) * kStep;
        const bool last = !(next < endTime_);
        const double h = last ? endTime_ - t : kStep;
        stepOnce(t, last ? endTime_ : next, h, step);
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
