// The multi-zone model's time loop: fourth-order Runge-Kutta steps, saturation and exposure.
#include <cmath>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace {

// Past this exponent exp(-x) is below half an ulp of 1, so 1 - exp(-x) is exactly 1.
constexpr double kNegligibleExponent = 38.0;

double OneMinusExp(double x) {
    return x > kNegligibleExponent ? 1.0 : 1.0 - std::exp(-x);
}

}  // namespace

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
    const bool started = source.start <= t;
    const bool active =
        (started && t < source.start + source.window) ||
        (source.kind == kIncremental && started && t < source.start + source.duration);
    const bool after = !active && started && source.kind != kConstant;
    switch (source.kind) {
        case kConstant:
            return active ? source.rate : 0.0;
        case kIncremental: {
            if (!active && !after)
                return 0.0;
            const double perDay = source.mass / source.duration;
            double rate = perDay * OneMinusExp(source.rate * (t - source.start));
            if (after) {
                rate -= perDay * OneMinusExp(source.rate * (t - source.start - source.duration));
            }
            return rate;
        }
        case kExponential:
            return active ? source.initialRate * std::exp(-(source.rate * (t - source.start)))
                          : 0.0;
        case kDataEntry: {
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

void zonaromain::PrepareRun() {
    const size_t nodes = conc_.size();
    stage_.assign(4 * nodes, 0.0);
    trial_.assign(nodes, 0.0);
    loadStage_.assign(4 * sinks_.size(), 0.0);
    sourceRates_.assign(sources_.size(), 0.0);
    sourceRatesValid_ = false;
    overrideEnd_ = -1e300;
    for (const PatternEntry& entry : override_)
        overrideEnd_ = std::max(overrideEnd_, entry.end);
}

void zonaromain::EmissionRates(double t) {
    // The stages of a step share times; rates depend on time only.
    if (sourceRatesValid_ && t == sourceRatesTime_)
        return;
    for (size_t i = 0; i < sources_.size(); ++i)
        sourceRates_[i] = EmissionRate(sources_[i], t);
    sourceRatesTime_ = t;
    sourceRatesValid_ = true;
}

void zonaromain::Derivatives(double t, const double* conc, double* dconc, double* dload) {
    EmissionRates(t);
    const int nodes = zones_ + 1;
    for (int n = 0; n < nodes; ++n) {
        const double v = volume_[static_cast<size_t>(n)];
        double d = 0.0;
        for (const Flow& flow : flows_) {
            const double rate = flow.rate * airFlowMultiplier_;
            if (flow.to == n)
                d += rate * conc[flow.from] / v;
            if (flow.from == n)
                d -= rate * conc[n] / v;
        }
        for (size_t i = 0; i < sources_.size(); ++i) {
            if (sources_[i].zone == n)
                d += sourceRates_[i] * emissionMultiplier_ / v;
        }
        for (size_t i = 0; i < sinks_.size(); ++i) {
            const Sink& sink = sinks_[i];
            if (sink.zone != n)
                continue;
            if (sink.kind == kFirstOrder) {
                d -= sink.first * firstOrderMultiplier_ * conc[n] / v;
            } else {
                const double ka = sink.first * adsorptionMultiplier_;
                const double kd = sink.second * desorptionMultiplier_;
                d += -ka * sink.third * conc[n] / v + kd * sink.third * sink.loading / v;
                dload[i] = ka * sink.third * conc[n] - kd * sink.third * sink.loading;
            }
        }
        dconc[n] = d;
    }
}

void zonaromain::Step(double t, double h) {
    const size_t nodes = conc_.size();
    const size_t sinks = sinks_.size();
    double* k[4];
    double* l[4];
    for (size_t s = 0; s < 4; ++s) {
        k[s] = stage_.data() + s * nodes;
        l[s] = loadStage_.data() + s * sinks;
    }
    const double* c = conc_.data();
    double* trial = trial_.data();
    Derivatives(t, c, k[0], l[0]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h / 2 * k[0][n];
    Derivatives(t + h / 2, trial, k[1], l[1]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h / 2 * k[1][n];
    Derivatives(t + h / 2, trial, k[2], l[2]);
    for (size_t n = 0; n < nodes; ++n)
        trial[n] = c[n] + h * k[2][n];
    Derivatives(t + h, trial, k[3], l[3]);
    for (size_t n = 0; n < nodes; ++n) {
        conc_[n] = c[n] + h / 6 * (k[0][n] + 2 * k[1][n] + 2 * k[2][n] + k[3][n]);
    }
    for (size_t i = 0; i < sinks; ++i) {
        if (sinks_[i].kind != kLangmuir)
            continue;
        sinks_[i].loading += h / 6 * (l[0][i] + 2 * l[1][i] + 2 * l[2][i] + l[3][i]);
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
    const PatternEntry* found = nullptr;
    for (const PatternEntry& entry : list) {
        if (entry.start > timeOfDay)
            break;
        found = &entry;
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

void zonaromain::Run() {
    if (!(currentTime_ < endTime_) || zones_ < 1)
        return;
    PrepareRun();
    const double t0 = currentTime_;
    for (long step = 0;; ++step) {
        const double t = t0 + static_cast<double>(step) * kStep;
        if (!(t < endTime_))
            break;
        const double h = t + kStep > endTime_ ? endTime_ - t : kStep;
        Step(t, h);
        Saturate();
        Expose(t, h, step);
    }
    currentTime_ = endTime_;
}

}  // namespace consumer
