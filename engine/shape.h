#pragma once

namespace vazolar {

// The four cross-sections the program sizes. The first three are sized by trials,
// the circle directly.
enum class Shape { Trapezoidal, Rectangular, Triangular, Circular };

constexpr Shape kAllShapes[] = {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular,
                                Shape::Circular};

inline bool isTrialShape(Shape shape) {
    return shape != Shape::Circular;
}

} // namespace vazolar
