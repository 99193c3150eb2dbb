#pragma once

#include "bracketed_root.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

// The exact geometry of a circle of diameter D filled to the depth y = r D. The filling is
// given by u = ln r (u < 0): both ends stay exact that way, a thin film (r → 0) and a nearly
// full pipe (1 − r = −expm1(u)). The quantities come out as logarithms so that no extreme
// diameter overflows on the way.
namespace vazolar::hydraulics {

struct CircleFilling {
    double depthRatio = 0.0;   // r = y / D
    double logArea = 0.0;      // ln A
    double logPerimeter = 0.0; // ln P, the wetted arc
    double logTopWidth = 0.0;  // ln T
};

// Below this u the film is thinner than any depth the check reports (r < e^-1400).
constexpr double kThinnestLogDepthRatio = -1400.0;

// u is clamped to [kThinnestLogDepthRatio, 0).
CircleFilling circleFilling(double diameter, double logDepthRatio);

// The depth ratio at which Manning's formula carries the most water, about 0,938: the root of
// 3θ − 5θ cos θ + 2 sin θ = 0 for the central angle θ, between π and 2π.
double largestDischargeDepthRatio();

// Roots over the filling are sought for functions of u that rise with the depth. These find a
// bracket for one by probing from a point where the function is already known to be
// non-negative (downward, doubling u until the film is thinner than any reported depth) or
// negative (upward, dividing u by 16 towards the full pipe).
template <typename Function>
std::optional<Bracket> fillingBracketBelow(const Function& f, double upper) {
    for (double lower = upper; lower > kThinnestLogDepthRatio; upper = lower) {
        lower = std::max(2 * lower, kThinnestLogDepthRatio);
        if (f(lower) < 0.0)
            return Bracket{lower, upper};
    }
    return std::nullopt;
}

template <typename Function>
std::optional<Bracket> fillingBracketAbove(const Function& f, double lower) {
    for (double upper = lower; - upper > std::numeric_limits<double>::min(); lower = upper) {
        upper = lower / 16;
        if (f(upper) >= 0.0)
            return Bracket{lower, upper};
    }
    return std::nullopt;
}

} // namespace vazolar::hydraulics
