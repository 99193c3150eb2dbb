#include "sizing.h"

#include "checked_math.h"
#include "shape_numbers.h"

namespace vazolar {

namespace {

SizingOutcome runTrials(const RunInputs& inputs, const TrialSink& onTrial) {
    const TrialStep step = numbersOf(inputs.shape).trialStep;
    std::optional<SectionQuantities> last;
    double trialValue = inputs.start;
    double discharge = 0.0;
    int counter = 0;
    while (!(discharge > inputs.designDischarge)) {
        last = step(inputs.constants, trialValue);
        onTrial(*last);
        // A running sum, one addition per trial, as by hand.
        trialValue = checked::add(trialValue, inputs.increment);
        if (counter == kTrialLimit)
            throw SizingError(Fault::TrialLimit);
        ++counter;
        discharge = last->discharge;
    }
    return {last, counter};
}

SizingOutcome sizeCircle(const RunInputs& inputs, const TrialSink& onTrial) {
    const SectionQuantities circle = circularSection(
        inputs.constants.slopePercent, inputs.constants.roughness, inputs.designDischarge);
    onTrial(circle);
    return {circle, 1};
}

} // namespace

SizingOutcome runSizing(const RunInputs& inputs, const TrialSink& onTrial) {
    if (isTrialShape(inputs.shape))
        return runTrials(inputs, onTrial);
    return sizeCircle(inputs, onTrial);
}

SectionQuantities trialQuantities(const RunInputs& inputs, double trialValue) {
    if (!isTrialShape(inputs.shape))
        return circularSection(inputs.constants.slopePercent, inputs.constants.roughness,
                               inputs.designDischarge);
    return numbersOf(inputs.shape).trialStep(inputs.constants, trialValue);
}

} // namespace vazolar
