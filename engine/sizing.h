#pragma once

#include "shape.h"
#include "sizing_error.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vazolar {

// The texts of a form's data fields, as typed, and the increment scroll bar's value.
// Fields a shape does not have are ignored (the angle off the trapezoid, the start value and
// the scroll bar on the circle).
struct SizingInput {
    Shape shape = Shape::Trapezoidal;
    QString slope;
    QString angle;
    QString roughness;
    QString discharge;
    QString start;
    int scrollValue = 10;
};

// The text of one field of the input.
QString& fieldText(SizingInput& input, Field field);

struct SizingOutcome {
    // The last row's quantities, formatted, in column order; empty when the run stopped
    // before the first trial (a negative design discharge).
    QStringList lastQuantities;
    int rowCount = 0;
};

// Receives each row the moment it is built, before the next trial is computed.
using RowSink = std::function<void(const QString& row)>;

// A trial shape may not go past this many trials.
constexpr int kTrialLimit = 32767;

// Sizes the section. Trial shapes start the trial variable at the start value and step it
// until the first trial whose discharge is strictly greater than the design discharge; the
// circle yields its one row. Throws SizingError; rows handed out before the fault stay with
// the caller.
SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow);

} // namespace vazolar
