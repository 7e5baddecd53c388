// Emission rates of the multi-zone model's sources at a time, exactly and along the time steps.
#include <algorithm>
#include <cmath>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace {

// Decayed factors this small are kept as 0 (1 - e is then exactly 1 anyway).
constexpr double kTiny = 1e-300;

// The rate of a source at time t, given early = exp(-k (t - start)) and
// late = exp(-k (t - start - duration)).
inline double RateOf(const zonaromain::Source& source, double t, double early, double late) {
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
            const double perDay = source.mass / source.duration;
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

double zonaromain::EmissionRate(const Source& source, double t) const {
    const double k = source.rate;
    const double early = std::exp(-(k * (t - source.start)));
    const double late = std::exp(-(k * (t - source.start - source.duration)));
    return RateOf(source, t, early, late);
}

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

void zonaromain::StepSourceTerms(const double (&times)[3], bool exact, long step) {
    const size_t nodes = conc_.size();
    double* terms = sourceTerms_.data();
    for (size_t j = 0; j < 3 * nodes; ++j)
        terms[j] = 0.0;
    for (size_t i = 0; i < sources_.size(); ++i) {
        const Source& source = sources_[i];
        const int n = source.zone;
        if (n < 0 || n > zones_)
            continue;
        double early[3] = {0, 0, 0};
        double late[3] = {0, 0, 0};
        double rates[3];
        if (source.kind == kIncremental) {
            earlyClocks_[i].Stages(source.rate, source.start, times, exact, step, early);
            lateClocks_[i].Stages(source.rate, source.start + source.duration, times, exact, step,
                                  late);
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, times[s], early[s], late[s]);
        } else if (source.kind == kExponential) {
            earlyClocks_[i].Stages(source.rate, source.start, times, exact, step, early);
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, times[s], early[s], 0.0);
        } else {
            for (int s = 0; s < 3; ++s)
                rates[s] = RateOf(source, times[s], 0.0, 0.0);
        }
        // The sum over a node's sources of E / V, per stage time.
        const double scale = emissionMultiplier_;
        const double inverse = inverseVolume_[static_cast<size_t>(n)];
        for (size_t s = 0; s < 3; ++s)
            terms[s * nodes + static_cast<size_t>(n)] += rates[s] * scale * inverse;
    }
}

}  // namespace consumer
