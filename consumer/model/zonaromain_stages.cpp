// The multi-zone model's steps evaluated stage by stage, every Runge-Kutta stage exactly as the
// model's formulas are written: the reference the tests hold the program's stepping against.
#include <array>
#include <cstddef>
#include <utility>

#include "consumer/model/zonaromain.h"
#include "consumer/model/zonaromain_flow_terms.h"
#include "consumer/model/zonaromain_loop.h"

namespace consumer {

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
        static constexpr flow_terms::FixedFlowTerms<N> kLayout;
        constexpr size_t count = flow_terms::FixedFlowTerms<N>::kCount;
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

template <int N>
void zonaromain::StageLoop() {
    const size_t count = sourceOrder_.size();
    double* rows = sourceTermRows_.data();
    TimeLoop([this, rows](const StepTimes* times, size_t steps,
                          bool firstBlock) { BlockSourceTerms(times, steps, firstBlock, rows); },
             [this, rows, count](const StepTimes& times, size_t i) {
                 const double* start = rows + 2 * i * count;
                 Step<N>(times, start, start + count, start + 2 * count);
             });
}

void zonaromain::RunStageByStage() {
    RunLoop([this](auto zones) { StageLoop<decltype(zones)::value>(); });
}

}  // namespace consumer
