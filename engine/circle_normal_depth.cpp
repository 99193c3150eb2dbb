#include "circle_normal_depth.h"

#include "bracketed_root.h"
#include "circle_geometry.h"

#include <cmath>

namespace vazolar::hydraulics {

namespace {

constexpr double kLogTolerance = 1e-13; // on u = ln(y/D): relative on the depth

bool isPositiveFinite(double value) {
    return std::isfinite(value) && value > 0.0;
}

} // namespace

std::optional<double> circularNormalDepth(double discharge, double diameter, double slopePercent,
                                          double roughness) {
    if (!isPositiveFinite(discharge) || !isPositiveFinite(diameter) ||
        !isPositiveFinite(slopePercent) || !isPositiveFinite(roughness))
        return std::nullopt;
    // Manning: n Q / √(I/100) = A^(5/3) / P^(2/3); compared as logarithms.
    const double logConveyance =
        std::log(roughness) + std::log(discharge) - std::log(slopePercent / 100) / 2;
    const auto excess = [&](double u) {
        const CircleFilling filling = circleFilling(diameter, u);
        return (5 * filling.logArea - 2 * filling.logPerimeter) / 3 - logConveyance;
    };
    const double largest = std::log(largestDischargeDepthRatio());
    if (!(excess(largest) >= 0.0))
        return std::nullopt;
    const auto bracket = fillingBracketBelow(excess, largest);
    if (!bracket)
        return std::nullopt;
    const auto root = bracketedRoot(excess, *bracket, kLogTolerance);
    if (!root)
        return std::nullopt;
    const double depth = diameter * std::exp(*root);
    if (!isPositiveFinite(depth))
        return std::nullopt;
    return depth;
}

} // namespace vazolar::hydraulics
