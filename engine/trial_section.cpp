#include "trial_section.h"

#include "adopted_request.h"

namespace vazolar {

Section trialSection(const RunInputs& run, const SectionQuantities& trial) {
    const std::optional<AdoptedDimension> dimension = adoptedDimension(run.shape);
    return makeSection(run.shape, dimension ? trial[dimension->trialQuantity] : 0.0,
                       run.constants.sideSlope);
}

} // namespace vazolar
