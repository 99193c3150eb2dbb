#include "sequent_depth.h"

#include "area_moment.h"
#include "bracketed_root.h"
#include "flow_at_depth.h"
#include "hydraulics.h"

#include <cmath>

namespace vazolar::hydraulics {

namespace {

// Doublings of the distance from yc before the far bracket end is given up: far more than any
// section needs (M grows at least as y² above yc).
constexpr int kBracketDoublings = 200;
constexpr double kRelativeTolerance = 1e-12;

// Above yc: the first of yc + yc·2^k (capped at the pipe's crown) where M exceeds the target.
std::optional<Bracket> bracketAbove(const auto& excess, double critical, double deepest) {
    double span = critical;
    for (int k = 0; k < kBracketDoublings; ++k, span *= 2) {
        const double upper = std::min(critical + span, deepest);
        if (excess(upper) >= 0.0)
            return Bracket{critical, upper};
        if (upper == deepest)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

double momentumFunction(const Section& section, double discharge, double depth) {
    const double area = flowGeometry(section, depth).area;
    return discharge * discharge / (kGravity * area) + firstMomentOfArea(section, depth);
}

std::optional<double> sequentDepth(const Section& section, double discharge, double depth) {
    const std::optional<double> critical = criticalDepth(section, discharge);
    if (!critical || !(depth > 0.0) || depth == *critical)
        return std::nullopt;
    const double target = momentumFunction(section, discharge, depth);
    const auto excess = [&](double level) {
        return momentumFunction(section, discharge, level) - target;
    };
    const double tolerance = kRelativeTolerance * *critical;
    if (depth > *critical) {
        // Below yc, M grows without bound towards the bed.
        return bracketedRoot(excess, Bracket{*critical * 1e-6, *critical}, tolerance);
    }
    const std::optional<Bracket> bracket = bracketAbove(excess, *critical, deepestDepth(section));
    if (!bracket)
        return std::nullopt;
    return bracketedRoot(excess, *bracket, tolerance);
}

} // namespace vazolar::hydraulics
