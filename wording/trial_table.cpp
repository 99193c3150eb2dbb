#include "trial_table.h"

#include "trial_rows.h"
#include "shape_description.h"

namespace vazolar {

void TrialTable::start(const RunInputs& inputs) {
    inputs_ = inputs;
    trialValues_.clear();
    // Room for the longest run from the start (256 KB): the table never moves while a run
    // grows it.
    if (isTrialShape(inputs.shape))
        trialValues_.reserve(std::size_t(kTrialLimit) + 1);
}

void TrialTable::clear() {
    inputs_ = RunInputs{};
    trialValues_ = {};
}

// The circle has no trial variable: its one row is worked out from the inputs alone.
void TrialTable::append(const SectionQuantities& quantities) {
    const std::optional<Quantity> variable = describe(inputs_.shape).trialVariable;
    trialValues_.push_back(variable ? quantities[*variable] : 0.0);
}

SectionQuantities TrialTable::at(int row) const {
    return trialQuantities(inputs_, trialValues_.at(std::size_t(row)));
}

TrialTable sizedTrials(const SizingInput& texts) {
    TrialTable trials;
    trials.start(convertInputs(texts));
    runSizing(trials.inputs(), [&](const SectionQuantities& quantities) {
        trials.append(quantities);
    });
    return trials;
}

} // namespace vazolar
