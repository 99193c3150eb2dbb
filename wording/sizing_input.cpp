#include "sizing_input.h"

#include "number_text.h"
#include "shape_description.h"

namespace vazolar {

namespace {

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

} // namespace vazolar
