#pragma once

#include "increment.h"
#include "sections.h"
#include "shape.h"
#include "sizing_error.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

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

// The numbers a sizing works with, converted from the field texts.
struct RunInputs {
    Shape shape = Shape::Trapezoidal;
    TrialConstants constants; // I (%), n and, on the trapezoid, the side slope z
    double designDischarge = 0.0;
    double start = 0.0;     // trial shapes: the first value of the trial variable
    double increment = 0.0; // trial shapes: the step added after each trial
};

// Converts the fields in the form's reading order (slope, n, discharge, start value), then
// takes the increment and, on the trapezoid, the side slope from the angle. Throws
// SizingError naming the first field that is not a number.
RunInputs convertInputs(const SizingInput& input);

struct SizingOutcome {
    // The last row's quantities; none when the run stopped before the first trial (a
    // negative design discharge).
    std::optional<SectionQuantities> last;
    int rowCount = 0;
};

// Receives each row the moment it is built, with the exact quantities it was formatted from,
// before the next trial is computed.
using RowSink = std::function<void(const QString& row, const SectionQuantities& quantities)>;

// A trial shape may not go past this many trials.
constexpr int kTrialLimit = 32767;

// Sizes the section. Trial shapes start the trial variable at the start value and step it
// until the first trial whose discharge is strictly greater than the design discharge; the
// circle yields its one row. Throws SizingError; rows handed out before the fault stay with
// the caller.
SizingOutcome runSizing(const RunInputs& inputs, const RowSink& onRow);
SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow);

// One trial of the run at the given value of its trial variable, by the same arithmetic as
// the run and so to the same numbers; on the circle, its one section (the value is not used).
// Throws SizingError where the run would.
SectionQuantities trialQuantities(const RunInputs& inputs, double trialValue);

} // namespace vazolar
