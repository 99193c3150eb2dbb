#include "flow_at_depth.h"

#include "critical_depth.h"
#include "flow_energy.h"

#include <cmath>

namespace vazolar::hydraulics {

namespace {

Figure positive(double value) {
    if (std::isfinite(value) && value > 0.0)
        return value;
    return std::nullopt;
}

Figure nonNegative(double value) {
    if (std::isfinite(value) && value >= 0.0)
        return value;
    return std::nullopt;
}

std::optional<Regime> regimeOf(Figure froude) {
    if (!froude)
        return std::nullopt;
    if (*froude < 1.0)
        return Regime::Subcritical;
    if (*froude > 1.0)
        return Regime::Supercritical;
    return Regime::Critical;
}

struct CriticalDepthOf {
    double discharge;
    std::optional<double> operator()(const TrapezoidSection& s) const {
        return trapezoidalCriticalDepth(discharge, s.bottomWidth, s.sideSlope);
    }
    std::optional<double> operator()(const RectangleSection& s) const {
        return rectangularCriticalDepth(discharge, s.width);
    }
    std::optional<double> operator()(const TriangleSection& s) const {
        return triangularCriticalDepth(discharge, s.sideSlope);
    }
    std::optional<double> operator()(const CircleSection& s) const {
        return circularCriticalDepth(discharge, s.diameter);
    }
};

void fillGeometry(HydraulicCheck& check, const FlowGeometry& geometry, double depth) {
    check.depth = positive(depth);
    check.area = positive(geometry.area);
    check.wettedPerimeter = positive(geometry.wettedPerimeter);
    check.topWidth = positive(geometry.topWidth);
    check.hydraulicRadius = positive(geometry.hydraulicRadius);
    if (check.area && check.topWidth)
        check.hydraulicDepth = positive(*check.area / *check.topWidth);
}

void fillMotion(HydraulicCheck& check, double discharge, double slopePercent) {
    if (check.area)
        check.velocity = nonNegative(discharge / *check.area);
    if (check.velocity && check.hydraulicDepth)
        check.froude = nonNegative(*check.velocity / std::sqrt(kGravity * *check.hydraulicDepth));
    check.regime = regimeOf(check.froude);
    if (check.depth && check.velocity)
        check.specificEnergy = positive(specificEnergy(*check.depth, *check.velocity));
    if (check.hydraulicRadius && std::isfinite(slopePercent) && slopePercent >= 0.0)
        check.bedShear = nonNegative(kWaterWeight * *check.hydraulicRadius * slopePercent / 100);
}

// Ic = 100 (n Q / (Ac Rc^(2/3)))², through logarithms so that no factor overflows alone.
Figure criticalSlope(double discharge, double roughness, const FlowGeometry& critical) {
    if (!positive(roughness) || !positive(critical.area) || !positive(critical.hydraulicRadius))
        return std::nullopt;
    const double logRoot = std::log(roughness) + std::log(discharge) - std::log(critical.area) -
                           2 * std::log(critical.hydraulicRadius) / 3;
    return positive(std::exp(std::log(100.0) + 2 * logRoot));
}

void fillCritical(HydraulicCheck& check, const Section& section, double discharge,
                  double roughness) {
    const std::optional<double> depth = criticalDepth(section, discharge);
    if (!depth)
        return;
    const FlowGeometry critical = flowGeometry(section, *depth);
    if (!positive(critical.area))
        return;
    check.criticalDepth = depth;
    check.criticalVelocity = positive(discharge / critical.area);
    check.criticalSlope = criticalSlope(discharge, roughness, critical);
}

} // namespace

std::optional<double> criticalDepth(const Section& section, double discharge) {
    return std::visit(CriticalDepthOf{discharge}, section);
}

HydraulicCheck flowAtDepth(const Section& section, double depth, double discharge,
                           const ManningInputs& manning) noexcept {
    const FlowGeometry geometry = positive(depth) ? flowGeometry(section, depth) : FlowGeometry{};
    return flowWithGeometry(section, depth, geometry, discharge, manning);
}

HydraulicCheck flowWithGeometry(const Section& section, double depth, const FlowGeometry& geometry,
                                double discharge, const ManningInputs& manning) noexcept {
    HydraulicCheck check;
    if (positive(depth)) {
        fillGeometry(check, geometry, depth);
        fillMotion(check, discharge, manning.slopePercent);
    }
    if (const auto* circle = std::get_if<CircleSection>(&section))
        check.depthRatio = positive(depth / circle->diameter);
    fillCritical(check, section, discharge, manning.roughness);
    return check;
}

Figure greatestBedShear(double depth, double slopePercent) {
    return nonNegative(kWaterWeight * depth * slopePercent / 100);
}

} // namespace vazolar::hydraulics
