#include "gradually_varied_flow.h"

#include "hydraulics.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace vazolar {

namespace {

// Adaptive Simpson's rule, to a relative accuracy of kDistanceTolerance on the whole integral
// (and 1 µm at least), at most kDeepestHalving levels deep and kEvaluationLimit evaluations.
constexpr double kDistanceTolerance = 1e-9;
constexpr double kSmallestDistance = 1e-6; // m
constexpr int kDeepestHalving = 20;
constexpr long kEvaluationLimit = 4'000'000;

struct Quadrature {
    const std::function<double(double)>* integrand = nullptr;
    long evaluations = 0;
    bool failed = false;

    double at(double t) {
        ++evaluations;
        const double value = (*integrand)(t);
        if (!std::isfinite(value))
            failed = true;
        return value;
    }

    double halve(double a, double b, double fa, double fm, double fb, double whole,
                 double tolerance, int depth) {
        const double m = (a + b) / 2;
        const double lm = at((a + m) / 2);
        const double rm = at((m + b) / 2);
        const double left = (m - a) / 6 * (fa + 4 * lm + fm);
        const double right = (b - m) / 6 * (fm + 4 * rm + fb);
        const double difference = left + right - whole;
        if (failed || evaluations > kEvaluationLimit) {
            failed = true;
            return 0.0;
        }
        if (depth >= kDeepestHalving || std::fabs(difference) <= 15 * tolerance)
            return left + right + difference / 15;
        return halve(a, m, fa, lm, fm, left, tolerance / 2, depth + 1) +
               halve(m, b, fm, rm, fb, right, tolerance / 2, depth + 1);
    }
};

// Split first into a few panels so that a narrow feature is not stepped over.
constexpr int kFirstPanels = 4;

std::optional<double> integrate(const std::function<double(double)>& f, double a, double b) {
    Quadrature quadrature{&f};
    const double coarse = (b - a) / 6 * (f(a) + 4 * f((a + b) / 2) + f(b));
    const double tolerance = std::max(kDistanceTolerance * std::fabs(coarse), kSmallestDistance);
    double total = 0.0;
    const double width = (b - a) / kFirstPanels;
    for (int panel = 0; panel < kFirstPanels && !quadrature.failed; ++panel) {
        const double lower = a + panel * width;
        const double upper = panel + 1 == kFirstPanels ? b : lower + width;
        const double fa = quadrature.at(lower);
        const double fm = quadrature.at((lower + upper) / 2);
        const double fb = quadrature.at(upper);
        const double whole = (upper - lower) / 6 * (fa + 4 * fm + fb);
        total += quadrature.halve(lower, upper, fa, fm, fb, whole, tolerance / kFirstPanels, 0);
    }
    if (quadrature.failed)
        return std::nullopt;
    return total;
}

} // namespace

double frictionSlope(const ReachFlow& reach, double depth) {
    const FlowGeometry g = flowGeometry(reach.section, depth);
    const double conveyanceRoot = reach.manning.roughness * reach.discharge / g.area;
    return conveyanceRoot * conveyanceRoot / std::pow(g.hydraulicRadius, 4.0 / 3.0);
}

double froudeSquared(const ReachFlow& reach, double depth) {
    const FlowGeometry g = flowGeometry(reach.section, depth);
    return reach.discharge * reach.discharge * g.topWidth /
           (hydraulics::kGravity * g.area * g.area * g.area);
}

double depthSlope(const ReachFlow& reach, double depth) {
    const double bedSlope = reach.manning.slopePercent / 100;
    return (bedSlope - frictionSlope(reach, depth)) / (1 - froudeSquared(reach, depth));
}

double depthSlopeAlong(const ReachFlow& reach, Direction direction, double depth) {
    const double slope = depthSlope(reach, depth);
    return direction == Direction::Downstream ? slope : -slope;
}

std::optional<double> distanceBetweenDepths(const ReachFlow& reach, Direction direction,
                                            double from, double to,
                                            std::optional<double> asymptote) {
    if (from == to)
        return 0.0;
    const double sign = direction == Direction::Downstream ? 1.0 : -1.0;
    // dx/dy = 1 / (dy/dx), written so that it is 0, not NaN, at yc.
    const auto distancePerDepth = [&](double depth) {
        const double bedSlope = reach.manning.slopePercent / 100;
        return sign * (1 - froudeSquared(reach, depth)) / (bedSlope - frictionSlope(reach, depth));
    };
    if (!asymptote) {
        const std::function<double(double)> f = distancePerDepth;
        return integrate(f, from, to);
    }
    // η = yn + side·e^u: dη = side·e^u du, and the integrand tends to a constant as u → −∞.
    const double normal = *asymptote;
    const double side = from > normal ? 1.0 : -1.0;
    const std::function<double(double)> f = [&](double u) {
        const double offset = side * std::exp(u);
        return offset * distancePerDepth(normal + offset);
    };
    return integrate(f, std::log(std::fabs(from - normal)), std::log(std::fabs(to - normal)));
}

} // namespace vazolar
