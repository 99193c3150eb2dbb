#include "critical_depth.h"

#include "bracketed_root.h"
#include "circle_geometry.h"
#include "hydraulics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vazolar::hydraulics {

namespace {

// The depths are solved as u = ln y (or ln y/D), so this is a relative tolerance on the depth.
constexpr double kLogTolerance = 1e-13;

bool isPositiveFinite(double value) {
    return std::isfinite(value) && value > 0.0;
}

std::optional<double> positiveDepth(double depth) {
    if (isPositiveFinite(depth))
        return depth;
    return std::nullopt;
}

// ln(e^a + e^b), exact when either term is −∞.
double logSum(double a, double b) {
    const double high = std::max(a, b);
    if (high == -std::numeric_limits<double>::infinity())
        return high;
    return high + std::log1p(std::exp(std::min(a, b) - high));
}

// ln(Q² / g): the section factor A³/T has to reach it.
double logCriticalFactor(double discharge) {
    return 2 * std::log(discharge) - std::log(kGravity);
}

// Bounds of ln yc in a trapezoid, with ln b, ln z and ln(Q²/g). The hydraulic depth A/T lies
// between y/2 and y, A ≥ b y and A ≥ z y²; so A³/T ≥ b² y³ / 2 and ≥ z² y⁵ / 2, which bounds
// yc from above by U, and below U it is at most y³ (b + z U)², which bounds yc from below.
// Each end is widened by 1e-6 so rounding cannot put the root outside.
Bracket trapezoidCriticalBracket(double logWidth, double logSlope, double logFactor) {
    const double logTwo = std::numbers::ln2;
    const double upper =
        std::min((logTwo + logFactor - 2 * logWidth) / 3, (logTwo + logFactor - 2 * logSlope) / 5);
    const double lower = (logFactor - 2 * logSum(logWidth, logSlope + upper)) / 3;
    return {lower - 1e-6, upper + 1e-6};
}

} // namespace

std::optional<double> rectangularCriticalDepth(double discharge, double width) {
    if (!isPositiveFinite(discharge) || !isPositiveFinite(width))
        return std::nullopt;
    const double unitRoot = std::cbrt(discharge / width); // q^(1/3), q² never formed
    return positiveDepth(unitRoot * unitRoot / std::cbrt(kGravity));
}

std::optional<double> triangularCriticalDepth(double discharge, double sideSlope) {
    if (!isPositiveFinite(discharge) || !isPositiveFinite(sideSlope))
        return std::nullopt;
    return positiveDepth(std::pow(discharge / sideSlope, 0.4) * std::pow(2 / kGravity, 0.2));
}

std::optional<double> trapezoidalCriticalDepth(double discharge, double bottomWidth,
                                               double sideSlope) {
    const bool dimensionsValid = std::isfinite(bottomWidth) && bottomWidth >= 0.0 &&
                                 std::isfinite(sideSlope) && sideSlope >= 0.0;
    if (!isPositiveFinite(discharge) || !dimensionsValid)
        return std::nullopt;
    if (sideSlope == 0.0)
        return rectangularCriticalDepth(discharge, bottomWidth);
    if (bottomWidth == 0.0)
        return triangularCriticalDepth(discharge, sideSlope);
    const double logWidth = std::log(bottomWidth);
    const double logSlope = std::log(sideSlope);
    const double logFactor = logCriticalFactor(discharge);
    // ln(A³/T) − ln(Q²/g) at y = e^u, with A = y (b + z y) and T = b + 2 z y.
    const auto excess = [&](double u) {
        const double logArea = u + logSum(logWidth, logSlope + u);
        const double logTop = logSum(logWidth, std::numbers::ln2 + logSlope + u);
        return 3 * logArea - logTop - logFactor;
    };
    const auto root = bracketedRoot(excess, trapezoidCriticalBracket(logWidth, logSlope, logFactor),
                                    kLogTolerance);
    if (!root)
        return std::nullopt;
    return positiveDepth(std::exp(*root));
}

std::optional<double> circularCriticalDepth(double discharge, double diameter) {
    if (!isPositiveFinite(discharge) || !isPositiveFinite(diameter))
        return std::nullopt;
    const double logFactor = logCriticalFactor(discharge);
    const auto excess = [&](double u) {
        const CircleFilling filling = circleFilling(diameter, u);
        return 3 * filling.logArea - filling.logTopWidth - logFactor;
    };
    // Start from the half-full pipe and probe towards the side where the root lies.
    const double halfFull = -std::numbers::ln2;
    const auto bracket = excess(halfFull) >= 0.0 ? fillingBracketBelow(excess, halfFull)
                                                 : fillingBracketAbove(excess, halfFull);
    if (!bracket)
        return std::nullopt;
    const auto root = bracketedRoot(excess, *bracket, kLogTolerance);
    if (!root)
        return std::nullopt;
    return positiveDepth(diameter * std::exp(*root));
}

} // namespace vazolar::hydraulics
