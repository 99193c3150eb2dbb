#pragma once

#include "sections.h"
#include "shape.h"

#include <QString>
#include <QStringList>

namespace vazolar {

// A row of the trial table: the quantities with four decimals joined by a fixed run of
// blanks (6 on the trapezoid and the triangle, 9 on the rectangle); the circle's single row
// has its own spacing that lines it up under its heading.
QString rowText(Shape shape, const SectionQuantities& quantities);
void appendRowText(QString& out, Shape shape, const SectionQuantities& quantities);

// The quantities of a row, each formatted on its own, for the result labels.
QStringList formattedQuantities(const SectionQuantities& quantities);

} // namespace vazolar
