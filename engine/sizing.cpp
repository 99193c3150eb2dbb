#include "sizing.h"

#include "checked_math.h"
#include "increment.h"
#include "number_text.h"
#include "row_text.h"
#include "sections.h"

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
    case Shape::Circular:
        break;
    }
    return triangularTrial;
}

SizingOutcome runTrials(const SizingInput& input, const RowSink& onRow) {
    TrialConstants constants;
    constants.slopePercent = parseFieldNumber(input.slope, Field::Slope);
    constants.roughness = parseFieldNumber(input.roughness, Field::Roughness);
    const double designDischarge = parseFieldNumber(input.discharge, Field::Discharge);
    double trialValue = parseFieldNumber(input.start, Field::Start);
    const double increment = incrementForScroll(input.scrollValue);
    if (input.shape == Shape::Trapezoidal)
        constants.sideSlope = sideSlopeFromAngle(parseFieldNumber(input.angle, Field::Angle));

    const TrialStep step = trialStepOf(input.shape);
    SectionQuantities last;
    double discharge = 0.0;
    int counter = 0;
    QString row;
    row.reserve(128);
    while (!(discharge > designDischarge)) {
        last = step(constants, trialValue);
        row.resize(0);
        appendRowText(row, input.shape, last);
        onRow(row);
        // A running sum, one addition per trial, as by hand.
        trialValue = checked::add(trialValue, increment);
        if (counter == kTrialLimit)
            throw SizingError(Fault::TrialLimit);
        ++counter;
        discharge = last.discharge;
    }
    return {formattedQuantities(last), counter};
}

SizingOutcome sizeCircle(const SizingInput& input, const RowSink& onRow) {
    const double slope = parseFieldNumber(input.slope, Field::Slope);
    const double roughness = parseFieldNumber(input.roughness, Field::Roughness);
    const double discharge = parseFieldNumber(input.discharge, Field::Discharge);
    const SectionQuantities circle = circularSection(slope, roughness, discharge);
    onRow(rowText(Shape::Circular, circle));
    return {formattedQuantities(circle), 1};
}

} // namespace

QString& fieldText(SizingInput& input, Field field) {
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
    case Field::None:
        break;
    }
    return input.start;
}

SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow) {
    if (isTrialShape(input.shape))
        return runTrials(input, onRow);
    return sizeCircle(input, onRow);
}

} // namespace vazolar
