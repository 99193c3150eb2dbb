#pragma once

#include "engine/shape.h"
#include "wording/shape_description.h"

#include <QTest>

Q_DECLARE_METATYPE(vazolar::Shape)

namespace vazolar::testing {

// A data column "shape" with one row per shape, named as the program names it.
inline void addShapeRows() {
    QTest::addColumn<Shape>("shape");
    for (Shape shape : kAllShapes)
        QTest::newRow(qPrintable(shapeName(shape))) << shape;
}

} // namespace vazolar::testing
