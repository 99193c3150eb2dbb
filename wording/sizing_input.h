#pragma once

#include "engine/increment.h"
#include "engine/shape.h"
#include "engine/sizing.h"
#include "engine/sizing_error.h"

#include <QString>

// A form's data fields as typed, read into the numbers of a sizing run.
namespace vazolar {

// The texts of a form's data fields, as typed, and the increment scroll bar's value.
// Fields a shape does not have are ignored (the angle off the trapezoid, the start value and
// the scroll bar on the circle).
struct SizingInput {
    Shape shape = Shape::Trapezoidal;
    QString slope{};
    QString angle{};
    QString roughness{};
    QString discharge{};
    QString start{};
    int scrollValue = kScrollDefault;
};

// The text of one field of the input.
QString& fieldText(SizingInput& input, Field field);
const QString& fieldText(const SizingInput& input, Field field);

// Converts the fields in the form's reading order (slope, n, discharge, start value), then
// takes the increment and, on the trapezoid, the side slope from the angle. Throws
// SizingError naming the first field that is not a number.
RunInputs convertInputs(const SizingInput& input);

} // namespace vazolar
