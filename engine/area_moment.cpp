#include "area_moment.h"

#include <algorithm>
#include <cmath>

namespace vazolar {

namespace {

// A strip of width b + 2 z η at height η above the bed lies y − η below the surface:
// ∫₀^y (b + 2 z η)(y − η) dη = b y²/2 + z y³/3.
double trapezoidMoment(double bottomWidth, double sideSlope, double depth) {
    return bottomWidth * depth * depth / 2 + sideSlope * depth * depth * depth / 3;
}

// The segment of half-angle α, y = r (1 − cos α): A·ȳ = r³ (sin α − sin³α / 3 − α cos α);
// r³ 2/3 at the half pipe and π r³ = A r when full.
double circleMoment(double diameter, double depth) {
    const double radius = diameter / 2;
    const double cosine = std::clamp(1 - depth / radius, -1.0, 1.0);
    const double halfAngle = std::acos(cosine);
    const double sine = std::sin(halfAngle);
    return radius * radius * radius * (sine - sine * sine * sine / 3 - halfAngle * cosine);
}

struct MomentAt {
    double depth;
    double operator()(const TrapezoidSection& s) const {
        return trapezoidMoment(s.bottomWidth, s.sideSlope, depth);
    }
    double operator()(const RectangleSection& s) const {
        return trapezoidMoment(s.width, 0.0, depth);
    }
    double operator()(const TriangleSection& s) const {
        return trapezoidMoment(0.0, s.sideSlope, depth);
    }
    double operator()(const CircleSection& s) const { return circleMoment(s.diameter, depth); }
};

} // namespace

double firstMomentOfArea(const Section& section, double depth) {
    return std::visit(MomentAt{depth}, section);
}

} // namespace vazolar
