#include "hydraulics.h"

#include "flow_at_depth.h"
#include "normal_depth.h"
#include "trial_section.h"

namespace vazolar::hydraulics {

// The open shapes flow at the row's own depth, with the row's own area, perimeter, width and
// radius. On the circle the row's 0,746 D² and 0,286 D stand for no single depth, so the flow
// is read at the exact normal depth of a circle of the row's D.
HydraulicCheck checkTrial(const RunInputs& run, const SectionQuantities& trial) noexcept {
    const Section section = trialSection(run, trial);
    const ManningInputs manning{run.constants.slopePercent, run.constants.roughness};
    if (!isTrialShape(run.shape))
        return flowAtDepth(section, normalDepth(section, trial.discharge, manning).value_or(0.0),
                           trial.discharge, manning);
    const FlowGeometry row{trial.area, trial.wettedPerimeter, trial.topWidth,
                           trial.hydraulicRadius};
    return flowWithGeometry(section, trial.depth, row, trial.discharge, manning);
}

} // namespace vazolar::hydraulics
