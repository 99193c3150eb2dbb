#pragma once

#include "increment.h"
#include "sections.h"
#include "shape.h"
#include "sizing_error.h"

#include <functional>
#include <optional>

namespace vazolar {

// The numbers a sizing works with, converted from the field texts.
struct RunInputs {
    Shape shape = Shape::Trapezoidal;
    TrialConstants constants; // I (%), n and, on the trapezoid, the side slope z
    double designDischarge = 0.0;
    double start = 0.0;     // trial shapes: the first value of the trial variable
    double increment = 0.0; // trial shapes: the step added after each trial
};

struct SizingOutcome {
    // The last row's quantities; none when the run stopped before the first trial (a
    // negative design discharge).
    std::optional<SectionQuantities> last;
    int rowCount = 0;
};

// Receives each trial's quantities the moment they are computed, before the next trial.
using TrialSink = std::function<void(const SectionQuantities& quantities)>;

// A trial shape may not go past this many trials.
constexpr int kTrialLimit = 32767;

// Sizes the section. Trial shapes start the trial variable at the start value and step it
// until the first trial whose discharge is strictly greater than the design discharge; the
// circle yields its one row. Throws SizingError; rows handed out before the fault stay with
// the caller.
SizingOutcome runSizing(const RunInputs& inputs, const TrialSink& onTrial);

// One trial of the run at the given value of its trial variable, by the same arithmetic as
// the run and so to the same numbers; on the circle, its one section (the value is not used).
// Throws SizingError where the run would.
SectionQuantities trialQuantities(const RunInputs& inputs, double trialValue);

} // namespace vazolar
