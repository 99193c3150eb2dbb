#include "sizing.h"

#include "checked_math.h"
#include "increment.h"
#include "number_text.h"
#include "row_text.h"
#include "sections.h"
#include "shape_description.h"

namespace vazolar {

namespace {

using TrialStep = SectionQuantities (*)(const TrialConstants&, double);

TrialStep trialStepOf(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return trapezoidalTrial;
    case Shape::Rectangular:
        return rectangularTrial;
    case Shape::Triangular:
        return triangularTrial;
    case Shape::Circular: // sized directly, without trials
        break;
    }
    Q_UNREACHABLE();
    return nullptr;
}

SizingOutcome runTrials(const RunInputs& inputs, const RowSink& onRow) {
    const TrialStep step = trialStepOf(inputs.shape);
    std::optional<SectionQuantities> last;
    double trialValue = inputs.start;
    double discharge = 0.0;
    int counter = 0;
    QString row;
    row.reserve(128);
    while (!(discharge > inputs.designDischarge)) {
        last = step(inputs.constants, trialValue);
        row.resize(0);
        appendRowText(row, inputs.shape, *last);
        onRow(row, *last);
        // A running sum, one addition per trial, as by hand.
        trialValue = checked::add(trialValue, inputs.increment);
        if (counter == kTrialLimit)
            throw SizingError(Fault::TrialLimit);
        ++counter;
        discharge = last->discharge;
    }
    return {last, counter};
}

SizingOutcome sizeCircle(const RunInputs& inputs, const RowSink& onRow) {
    const SectionQuantities circle = circularSection(
        inputs.constants.slopePercent, inputs.constants.roughness, inputs.designDischarge);
    onRow(rowText(Shape::Circular, circle), circle);
    return {circle, 1};
}

// The field's text in a modifiable or a read-only input alike.
template <typename Input> auto& textOf(Input& input, Field field) {
    switch (field) {
    case Field::Slope:
        return input.slope;
    case Field::Angle:
        return input.angle;
    case Field::Roughness:
        return input.roughness;
    case Field::Discharge:
        return input.discharge;
    case Field::Start:
        return input.start;
    case Field::None:
        break;
    }
    // The sizing reads no text for Field::None.
    Q_UNREACHABLE();
    return input.start;
}

} // namespace

QString& fieldText(SizingInput& input, Field field) {
    return textOf(input, field);
}

const QString& fieldText(const SizingInput& input, Field field) {
    return textOf(input, field);
}

RunInputs convertInputs(const SizingInput& input) {
    RunInputs inputs;
    inputs.shape = input.shape;
    inputs.constants.slopePercent = parseFieldNumber(input.slope, Field::Slope);
    inputs.constants.roughness = parseFieldNumber(input.roughness, Field::Roughness);
    inputs.designDischarge = parseFieldNumber(input.discharge, Field::Discharge);
    if (!isTrialShape(input.shape))
        return inputs;
    inputs.start = parseFieldNumber(input.start, Field::Start);
    inputs.increment = incrementForScroll(input.scrollValue);
    if (hasField(input.shape, Field::Angle))
        inputs.constants.sideSlope =
            sideSlopeFromAngle(parseFieldNumber(input.angle, Field::Angle));
    return inputs;
}

SizingOutcome runSizing(const RunInputs& inputs, const RowSink& onRow) {
    if (isTrialShape(inputs.shape))
        return runTrials(inputs, onRow);
    return sizeCircle(inputs, onRow);
}

SectionQuantities trialQuantities(const RunInputs& inputs, double trialValue) {
    if (!isTrialShape(inputs.shape))
        return circularSection(inputs.constants.slopePercent, inputs.constants.roughness,
                               inputs.designDischarge);
    return trialStepOf(inputs.shape)(inputs.constants, trialValue);
}

SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow) {
    return runSizing(convertInputs(input), onRow);
}

} // namespace vazolar
