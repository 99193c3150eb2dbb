#include "circle_geometry.h"

#include "bracketed_root.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vazolar::hydraulics {

namespace {

// ln(θ − sin θ). Below θ = 0,5 the difference cancels, so it comes from its series:
// θ − sin θ = θ³/6 (1 − θ²/20 + θ⁴/840 − …); ten terms leave no error a double can hold.
double logThetaMinusSine(double theta) {
    if (theta >= 0.5)
        return std::log(theta - std::sin(theta));
    const double square = theta * theta;
    double term = 1.0;
    double sum = 0.0;
    for (int k = 1; k <= 10; ++k) {
        term *= -square / ((2 * k + 2) * (2 * k + 3));
        sum += term;
    }
    return 3 * std::log(theta) - std::log(6.0) + std::log1p(sum);
}

double largestDischargeAngle() {
    const auto slopeOfConveyance = [](double theta) {
        return 3 * theta - 5 * theta * std::cos(theta) + 2 * std::sin(theta);
    };
    // The slope is 8π at θ = π and −4π at θ = 2π, so the bracket always holds the root.
    const double pi = std::numbers::pi;
    return bracketedRoot(slopeOfConveyance, {pi, 2 * pi}, 1e-15).value_or(pi);
}

} // namespace

CircleFilling circleFilling(double diameter, double logDepthRatio) {
    const double u = std::clamp(logDepthRatio, kThinnestLogDepthRatio,
                                -std::numeric_limits<double>::denorm_min());
    const double emptyPart = -std::expm1(u); // 1 − r
    // The central angle of the wetted arc: 1 − cos(θ/2) = 2r, so tan(θ/4) = √(r / (1 − r)).
    const double theta = 4 * std::atan2(std::exp(u / 2), std::sqrt(emptyPart));
    const double logDiameter = std::log(diameter);
    CircleFilling filling;
    filling.depthRatio = std::exp(u);
    filling.logArea = 2 * logDiameter - std::log(8.0) + logThetaMinusSine(theta);
    filling.logPerimeter = logDiameter - std::log(2.0) + std::log(theta);
    // T = 2 √(y (D − y)) = 2 D √(r (1 − r)).
    filling.logTopWidth = logDiameter + std::log(2.0) + (u + std::log(emptyPart)) / 2;
    return filling;
}

double largestDischargeDepthRatio() {
    static const double ratio = std::pow(std::sin(largestDischargeAngle() / 4), 2);
    return ratio;
}

} // namespace vazolar::hydraulics
