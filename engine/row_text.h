#pragma once

#include "quantities.h"
#include "shape.h"

#include <QString>

namespace vazolar {

// A row of the trial table: the shape's columns with four decimals, each after its run of
// blanks (6 on the trapezoid and the triangle, 9 on the rectangle); the circle's single row
// has its own spacing that lines it up under its heading.
QString rowText(Shape shape, const SectionQuantities& quantities);
void appendRowText(QString& out, Shape shape, const SectionQuantities& quantities);

} // namespace vazolar
