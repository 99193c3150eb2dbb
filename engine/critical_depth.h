#pragma once

#include <optional>

// The critical depth yc of a discharge Q in a section: the depth at which Q² T = g A³, where
// the Froude number is 1 and the specific energy is least. Empty when Q or a dimension is not
// a positive finite number, or when no depth a double can hold satisfies the condition.
namespace vazolar::hydraulics {

// yc = (q² / g)^(1/3), q = Q / B.
std::optional<double> rectangularCriticalDepth(double discharge, double width);

// A symmetric triangle of side slope z (horizontal per vertical): yc = (2 Q² / (g z²))^(1/5).
std::optional<double> triangularCriticalDepth(double discharge, double sideSlope);

// Bottom width b and side slope z; no closed form, solved on a bracket that provably holds it.
std::optional<double> trapezoidalCriticalDepth(double discharge, double bottomWidth,
                                               double sideSlope);

// A circle of diameter D; A³/T grows without bound towards the crown, so every positive
// discharge has one.
std::optional<double> circularCriticalDepth(double discharge, double diameter);

} // namespace vazolar::hydraulics
