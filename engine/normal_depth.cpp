#include "normal_depth.h"

#include "bracketed_root.h"
#include "circle_geometry.h"
#include "circle_normal_depth.h"

#include <algorithm>
#include <cmath>

namespace vazolar {

namespace {

// On u = ln y: a relative accuracy on the depth.
constexpr double kLogTolerance = 1e-10;

// Ln of the conveyance A^(5/3) / P^(2/3) rises with u = ln y at a rate between 1 and 10/3 in
// every open section: y A'/A = (b + 2 z y) / (b + z y) lies in [1, 2] and y P'/P in [0, 1).
constexpr double kLeastRate = 1.0;
constexpr double kGreatestRate = 10.0 / 3.0;
// Widens the bracket past the rounding of the logarithms.
constexpr double kBracketMargin = 1e-9;

bool isPositiveFinite(double value) {
    return std::isfinite(value) && value > 0.0;
}

double logConveyance(const FlowGeometry& geometry) {
    return (5 * std::log(geometry.area) - 2 * std::log(geometry.wettedPerimeter)) / 3;
}

// From the excess f0 at u0, the root lies between u0 − f0 / kLeastRate and
// u0 − f0 / kGreatestRate, whichever side of u0 it is.
hydraulics::Bracket openSectionBracket(double start, double excessAtStart) {
    const double margin = kBracketMargin * (1 + std::fabs(excessAtStart));
    const double far = start - excessAtStart / kLeastRate;
    const double near = start - excessAtStart / kGreatestRate;
    return {std::min(far, near) - margin, std::max(far, near) + margin};
}

std::optional<double> openSectionNormalDepth(const Section& section, double logTarget) {
    const auto excess = [&](double u) {
        return logConveyance(flowGeometry(section, std::exp(u))) - logTarget;
    };
    const double start = 0.0; // 1 m
    const double excessAtStart = excess(start);
    if (!std::isfinite(excessAtStart))
        return std::nullopt;
    const auto root =
        hydraulics::bracketedRoot(excess, openSectionBracket(start, excessAtStart), kLogTolerance);
    if (!root || !isPositiveFinite(std::exp(*root)))
        return std::nullopt;
    return std::exp(*root);
}

} // namespace

double manningDischarge(const FlowGeometry& geometry, const ManningInputs& manning) {
    return geometry.area * std::pow(geometry.hydraulicRadius, 2.0 / 3.0) *
           std::sqrt(manning.slopePercent / 100) / manning.roughness;
}

Capacity capacityAtDepth(const Section& section, double depth, const ManningInputs& manning) {
    const FlowGeometry geometry = flowGeometry(section, depth);
    const double discharge = manningDischarge(geometry, manning);
    return {discharge, discharge / geometry.area};
}

std::optional<LargestDischarge> largestDischarge(const Section& section,
                                                 const ManningInputs& manning) {
    const auto* circle = std::get_if<CircleSection>(&section);
    if (!circle)
        return std::nullopt;
    const double depth = hydraulics::largestDischargeDepthRatio() * circle->diameter;
    return LargestDischarge{depth, capacityAtDepth(section, depth, manning).discharge};
}

std::optional<double> normalDepth(const Section& section, double discharge,
                                  const ManningInputs& manning) {
    if (!isPositiveFinite(discharge) || !isPositiveFinite(manning.slopePercent) ||
        !isPositiveFinite(manning.roughness))
        return std::nullopt;
    if (const auto* circle = std::get_if<CircleSection>(&section))
        return hydraulics::circularNormalDepth(discharge, circle->diameter, manning.slopePercent,
                                               manning.roughness);
    // Manning solved for the conveyance: A^(5/3) / P^(2/3) = n Q / √(I/100).
    const double logTarget = std::log(manning.roughness) + std::log(discharge) -
                             std::log(manning.slopePercent / 100) / 2;
    return openSectionNormalDepth(section, logTarget);
}

} // namespace vazolar
