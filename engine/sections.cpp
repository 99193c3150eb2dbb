#include "sections.h"

#include "checked_math.h"

namespace vazolar {

namespace {

using namespace checked;

// The value of pi the hand calculations use; deliberately not the full double.
constexpr double kPi = 3.14159265358979;

// Manning's formula: Q = ((I/100)^0.5 × (RH^(2/3) × Am)) / n, in this order.
double manningDischarge(const TrialConstants& c, double area, double hydraulicRadius) {
    const double exponent = 2.0 / 3.0;
    const double slopeRoot = power(div(c.slopePercent, 100.0), 0.5);
    return div(mul(slopeRoot, mul(power(hydraulicRadius, exponent), area)), c.roughness);
}

} // namespace

double sideSlopeFromAngle(double degrees) {
    return tangent(div(mul(degrees, kPi), 180.0));
}

SectionQuantities trapezoidalTrial(const TrialConstants& c, double b) {
    const double z = c.sideSlope;
    const double k = add(mul(z, z), 1.0);
    const double y = div(b, mul(sub(power(k, 0.5), z), 2.0));
    const double area = mul(add(mul(y, z), b), y);
    const double perimeter = add(mul(power(k, 0.5), add(y, y)), b);
    const double radius = div(area, perimeter);
    const double top = add(mul(add(y, y), z), b);
    const double q = manningDischarge(c, area, radius);
    const double v = div(q, area);
    return {.bottomWidth = b,
            .topWidth = top,
            .depth = y,
            .area = area,
            .wettedPerimeter = perimeter,
            .hydraulicRadius = radius,
            .discharge = q,
            .velocity = v};
}

SectionQuantities rectangularTrial(const TrialConstants& c, double width) {
    const double y = div(width, 2.0);
    const double area = mul(y, width);
    const double perimeter = add(add(y, y), width);
    const double radius = div(area, perimeter);
    const double q = manningDischarge(c, area, radius);
    const double v = div(q, area);
    return {.bottomWidth = width,
            .topWidth = width,
            .depth = y,
            .area = area,
            .wettedPerimeter = perimeter,
            .hydraulicRadius = radius,
            .discharge = q,
            .velocity = v};
}

SectionQuantities triangularTrial(const TrialConstants& c, double depth) {
    const double area = power(depth, 2.0);
    const double perimeter = mul(power(2.0, 0.5), add(depth, depth));
    const double top = add(depth, depth);
    const double radius = div(area, perimeter);
    const double q = manningDischarge(c, area, radius);
    const double v = div(q, area);
    return {.topWidth = top,
            .depth = depth,
            .area = area,
            .wettedPerimeter = perimeter,
            .hydraulicRadius = radius,
            .discharge = q,
            .velocity = v};
}

SectionQuantities circularSection(double slopePercent, double roughness, double discharge) {
    // Am = 0.746 D² and RH = 0.286 D give Am × RH^(2/3) ≈ 0.324 D^(8/3); Manning's formula
    // solved for D gives D = (n Q / (0.324 √(I/100)))^(3/8).
    const double p = mul(roughness, discharge);
    const double s = mul(power(div(slopePercent, 100.0), 0.5), 0.324);
    const double d = power(div(p, s), 0.375);
    const double area = mul(mul(d, 0.746), d);
    const double radius = mul(d, 0.286);
    const double v = div(discharge, area);
    return {.diameter = d,
            .area = area,
            .hydraulicRadius = radius,
            .discharge = discharge,
            .velocity = v};
}

} // namespace vazolar
