// The flows' terms of the multi-zone model's derivative, node by node: for the general model
// from its flow list, and for a fixed zone count at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "consumer/model/zonaromain.h"

namespace consumer {
namespace flow_terms {

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

}  // namespace flow_terms
}  // namespace consumer
