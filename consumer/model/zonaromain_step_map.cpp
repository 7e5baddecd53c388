// One classical Runge-Kutta step of the multi-zone model's equations as the linear map it
// amounts to, worked out once per run in extended precision.
#include <cstddef>
#include <vector>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace {

using Wide = long double;

// The model's derivative as matrices: dC/dt = a C + b L + s and dL/dt = g C + d L, with C the
// nodes' concentrations, L the sinks' loadings and s the source terms (E / V) of the nodes.
struct LinearParts {
    size_t nodes = 0;
    size_t sinks = 0;
    std::vector<Wide> a;  // nodes x nodes
    std::vector<Wide> b;  // nodes x sinks
    std::vector<Wide> g;  // sinks x nodes
    std::vector<Wide> d;  // sinks (diagonal)
};

// The change over one step of length h from concentrations c and loadings l, with source terms
// s0 at the step's start, sm at its middle and se at its end: k1 at the start, k2 and k3 at the
// middle, k4 at the end, C changing by h/6 (k1 + 2 k2 + 2 k3 + k4); the loadings change by the
// same weights from stage derivatives that take the loadings of the step's start.
class StageStep {
  public:
    explicit StageStep(const LinearParts& parts)
        : p_(parts), y_(parts.nodes), k_(4 * parts.nodes), dl_(4 * parts.sinks) {}

    void Change(Wide h, const Wide* c, const Wide* l, const Wide* s0, const Wide* sm,
                const Wide* se, Wide* dc, Wide* dl) {
        const size_t nodes = p_.nodes;
        Wide* k1 = k_.data();
        Wide* k2 = k1 + nodes;
        Wide* k3 = k2 + nodes;
        Wide* k4 = k3 + nodes;
        Stage(c, l, s0, k1, 0);
        Trial(c, h / 2, k1);
        Stage(y_.data(), l, sm, k2, 1);
        Trial(c, h / 2, k2);
        Stage(y_.data(), l, sm, k3, 2);
        Trial(c, h, k3);
        Stage(y_.data(), l, se, k4, 3);
        for (size_t n = 0; n < nodes; ++n)
            dc[n] = h / 6 * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]);
        const size_t sinks = p_.sinks;
        for (size_t i = 0; i < sinks; ++i) {
            dl[i] =
                h / 6 * (dl_[i] + 2 * dl_[sinks + i] + 2 * dl_[2 * sinks + i] + dl_[3 * sinks + i]);
        }
    }

  private:
    void Trial(const Wide* c, Wide factor, const Wide* k) {
        for (size_t n = 0; n < p_.nodes; ++n)
            y_[n] = c[n] + factor * k[n];
    }

    void Stage(const Wide* y, const Wide* l, const Wide* s, Wide* k, size_t stage) {
        const size_t nodes = p_.nodes;
        const size_t sinks = p_.sinks;
        for (size_t n = 0; n < nodes; ++n) {
            Wide sum = s[n];
            for (size_t m = 0; m < nodes; ++m)
                sum += p_.a[n * nodes + m] * y[m];
            for (size_t i = 0; i < sinks; ++i)
                sum += p_.b[n * sinks + i] * l[i];
            k[n] = sum;
        }
        for (size_t i = 0; i < sinks; ++i) {
            Wide sum = p_.d[i] * l[i];
            for (size_t m = 0; m < nodes; ++m)
                sum += p_.g[i * nodes + m] * y[m];
            dl_[stage * sinks + i] = sum;
        }
    }

    const LinearParts& p_;
    std::vector<Wide> y_;
    std::vector<Wide> k_;
    std::vector<Wide> dl_;
};

}  // namespace

void zonaromain::WorkStepMap(double h, StepMap& map) const {
    LinearParts parts;
    const size_t nodes = conc_.size();
    const size_t sinks = sinks_.size();
    parts.nodes = nodes;
    parts.sinks = sinks;
    parts.a.assign(nodes * nodes, 0);
    parts.b.assign(nodes * sinks, 0);
    parts.g.assign(sinks * nodes, 0);
    parts.d.assign(sinks, 0);
    for (const Flow& flow : flows_) {
        const Wide rate = Wide(flow.rate) * airFlowMultiplier_;
        const size_t from = static_cast<size_t>(flow.from);
        const size_t to = static_cast<size_t>(flow.to);
        parts.a[to * nodes + from] += rate / volume_[to];
        parts.a[from * nodes + from] -= rate / volume_[from];
    }
    for (size_t i = 0; i < sinks; ++i) {
        const Sink& sink = sinks_[i];
        if (sink.zone < 0 || static_cast<size_t>(sink.zone) >= nodes)
            continue;
        const size_t n = static_cast<size_t>(sink.zone);
        const Wide v = volume_[n];
        if (sink.kind == kFirstOrder) {
            parts.a[n * nodes + n] -= Wide(sink.first) * firstOrderMultiplier_ / v;
        } else {
            const Wide ka = Wide(sink.first) * adsorptionMultiplier_ * sink.third;
            const Wide kd = Wide(sink.second) * desorptionMultiplier_ * sink.third;
            parts.a[n * nodes + n] -= ka / v;
            parts.b[n * sinks + i] += kd / v;
            // Only the Langmuir sinks' loadings move.
            parts.g[i * nodes + n] = ka;
            parts.d[i] = -kd;
        }
    }

    // Each column of the map is the change from one unit of its state or source term.
    const size_t states = nodes + sinks;
    std::vector<Wide> unit(states + nodes, 0);
    std::vector<Wide> none(nodes, 0);
    std::vector<Wide> change(states, 0);
    StageStep step(parts);
    const Wide wideH = h;
    map.state.assign(states * states, 0.0);
    for (size_t m = 0; m < states; ++m) {
        unit[m] = 1;
        step.Change(wideH, unit.data(), unit.data() + nodes, none.data(), none.data(), none.data(),
                    change.data(), change.data() + nodes);
        unit[m] = 0;
        for (size_t n = 0; n < states; ++n)
            map.state[n * states + m] = static_cast<double>(change[n]);
    }
    map.sources.assign(3 * states * sourceOrder_.size(), 0.0);
    const std::vector<Wide> zeroState(states, 0);
    for (size_t j = 0; j < sourceOrder_.size(); ++j) {
        const size_t zone = static_cast<size_t>(sources_[sourceOrder_[j]].zone);
        for (size_t at = 0; at < 3; ++at) {
            std::vector<Wide> s0(nodes, 0), sm(nodes, 0), se(nodes, 0);
            (at == 0 ? s0 : at == 1 ? sm : se)[zone] = 1;
            step.Change(wideH, zeroState.data(), zeroState.data() + nodes, s0.data(), sm.data(),
                        se.data(), change.data(), change.data() + nodes);
            double* column = map.sources.data() + (3 * j + at) * states;
            for (size_t n = 0; n < states; ++n)
                column[n] = static_cast<double>(change[n]);
        }
    }
}

}  // namespace consumer
