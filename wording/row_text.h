#pragma once

#include "engine/quantities.h"
#include "engine/shape.h"

#include <QString>
#include <QStringList>

#include <vector>

// The trial table as text, by the columns of the shape's description.
namespace vazolar {

// A row of the trial table: the shape's columns with four decimals, each after its run of
// blanks (6 on the trapezoid and the triangle, 9 on the rectangle); the circle's single row
// has its own spacing that lines it up under its heading.
QString rowText(Shape shape, const SectionQuantities& quantities);
void appendRowText(QString& out, Shape shape, const SectionQuantities& quantities);

// How a heading names a column: by its name in the rows ("Y") or by its quantity's symbol
// ("y"); the saved report writes the triangle's depth in lower case.
enum class HeadingNames { Column, Symbol };

// A column heading: each column's name and unit ("b(m)", "Am(m²)") after its run of blanks,
// one run per column in `blanks`.
QString columnHeading(Shape shape, const std::vector<int>& blanks,
                      HeadingNames names = HeadingNames::Column);

// The quantities of a row, each with four decimals, in column order.
QStringList columnCells(Shape shape, const SectionQuantities& quantities);

} // namespace vazolar
