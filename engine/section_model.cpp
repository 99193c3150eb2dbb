#include "section_model.h"

#include "circle_geometry.h"
#include "shape_numbers.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace vazolar {

namespace {

FlowGeometry withRadius(double area, double wettedPerimeter, double topWidth) {
    return {area, wettedPerimeter, topWidth, area / wettedPerimeter};
}

// The rectangle (z = 0) and the triangle (b = 0) are trapezoids too: one set of formulas.
FlowGeometry trapezoidGeometry(double bottomWidth, double sideSlope, double depth) {
    const double area = (bottomWidth + sideSlope * depth) * depth;
    const double perimeter = bottomWidth + 2 * depth * std::hypot(1.0, sideSlope);
    return withRadius(area, perimeter, bottomWidth + 2 * sideSlope * depth);
}

FlowGeometry circleGeometry(double diameter, double depth) {
    if (depth >= diameter) {
        const double area = std::numbers::pi * diameter * diameter / 4;
        return withRadius(area, std::numbers::pi * diameter, 0.0);
    }
    const hydraulics::CircleFilling filling =
        hydraulics::circleFilling(diameter, std::log(depth / diameter));
    return {std::exp(filling.logArea), std::exp(filling.logPerimeter),
            std::exp(filling.logTopWidth), std::exp(filling.logArea - filling.logPerimeter)};
}

struct GeometryAt {
    double depth;
    FlowGeometry operator()(const TrapezoidSection& s) const {
        return trapezoidGeometry(s.bottomWidth, s.sideSlope, depth);
    }
    FlowGeometry operator()(const RectangleSection& s) const {
        return trapezoidGeometry(s.width, 0.0, depth);
    }
    FlowGeometry operator()(const TriangleSection& s) const {
        return trapezoidGeometry(0.0, s.sideSlope, depth);
    }
    FlowGeometry operator()(const CircleSection& s) const {
        return circleGeometry(s.diameter, depth);
    }
};

} // namespace

FlowGeometry flowGeometry(const Section& section, double depth) {
    return std::visit(GeometryAt{depth}, section);
}

double deepestDepth(const Section& section) {
    if (const auto* circle = std::get_if<CircleSection>(&section))
        return circle->diameter;
    return std::numeric_limits<double>::infinity();
}

Section makeSection(Shape shape, double dimension, double sideSlope) {
    return numbersOf(shape).section(dimension, sideSlope);
}

} // namespace vazolar
