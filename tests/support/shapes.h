#pragma once

#include "engine/shape.h"

#include <QTest>

Q_DECLARE_METATYPE(vazolar::Shape)

namespace vazolar::testing {

constexpr Shape kAllShapes[] = {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular,
                                Shape::Circular};

inline const char* shapeName(Shape shape) {
    static const char* names[] = {"trapezoidal", "rectangular", "triangular", "circular"};
    return names[static_cast<int>(shape)];
}

// A data column "shape" with one row per shape.
inline void addShapeRows() {
    QTest::addColumn<Shape>("shape");
    for (Shape shape : kAllShapes)
        QTest::newRow(shapeName(shape)) << shape;
}

} // namespace vazolar::testing
