#include "trial_section.h"

#include "shape_numbers.h"

namespace vazolar {

Section trialSection(const RunInputs& run, const SectionQuantities& trial) {
    const std::optional<Quantity> dimension = numbersOf(run.shape).dimension;
    return makeSection(run.shape, dimension ? trial[*dimension] : 0.0, run.constants.sideSlope);
}

} // namespace vazolar
