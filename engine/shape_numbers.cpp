#include "shape_numbers.h"

#include <QtGlobal>

namespace vazolar {

namespace {

Section trapezoid(double bottomWidth, double sideSlope) {
    return TrapezoidSection{bottomWidth, sideSlope};
}

Section rectangle(double width, double) {
    return RectangleSection{width};
}

Section triangle(double, double) {
    return TriangleSection{};
}

Section circle(double diameter, double) {
    return CircleSection{diameter};
}

constexpr ShapeNumbers kShapes[] = {
    {Shape::Trapezoidal, trapezoidalTrial, Quantity::BottomWidth, trapezoid},
    {Shape::Rectangular, rectangularTrial, Quantity::TopWidth, rectangle},
    {Shape::Triangular, triangularTrial, std::nullopt, triangle},
    {Shape::Circular, nullptr, Quantity::Diameter, circle},
};

} // namespace

const ShapeNumbers& numbersOf(Shape shape) {
    const ShapeNumbers& numbers = kShapes[static_cast<int>(shape)];
    Q_ASSERT(numbers.shape == shape);
    return numbers;
}

} // namespace vazolar
