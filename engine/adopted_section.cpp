#include "adopted_section.h"

#include "circle_geometry.h"
#include "flow_at_depth.h"

#include <cmath>

namespace vazolar {

namespace {

// The flow the result describes: the design discharge at its normal depth, or the capacity at
// the given depth.
struct WorkingFlow {
    double depth = 0.0;
    double discharge = 0.0;
};

std::variant<WorkingFlow, AdoptedFault> workingFlow(const AdoptedInputs& in) {
    if (in.givenDepth) {
        const double depth = *in.givenDepth;
        if (depth > deepestDepth(in.section))
            return DepthAboveCrown{depth, deepestDepth(in.section)};
        return WorkingFlow{depth, capacityAtDepth(in.section, depth, in.manning).discharge};
    }
    const double discharge = in.designDischarge.value_or(0.0);
    if (const auto depth = normalDepth(in.section, discharge, in.manning))
        return WorkingFlow{*depth, discharge};
    const auto largest = largestDischarge(in.section, in.manning);
    if (largest && discharge > largest->discharge)
        return PipeTooSmall{deepestDepth(in.section), discharge, largest->discharge,
                            hydraulics::largestDischargeDepthRatio()};
    return NoNormalDepth{};
}

std::variant<BankLevel, AdoptedFault> bankOf(const AdoptedInputs& in, double depth,
                                             double discharge) {
    const double freeboard = freeboardHeight(in.freeboard, depth, discharge);
    if (freeboard < 0.0)
        return BankBelowWater{in.freeboard.value, depth};
    return bankLevel(in.section, freeboard, depth);
}

bool isFinite(double value) {
    return std::isfinite(value);
}

// Every figure the result shows is a number: the flow's own, the section's at that depth (a
// figure left undefined there is one the section cannot have, such as an area too large to
// hold), and the bank's; the pipe's filling follows from a finite depth and D.
bool holdsOnlyFinite(const AdoptedResult& r) {
    const bool flow = isFinite(r.discharge) && isFinite(r.depth) && r.flow.area && r.flow.velocity;
    const bool bank = !r.bank || (isFinite(r.bank->freeboard) && isFinite(r.bank->bankHeight) &&
                                  isFinite(r.bank->topWidth) && isFinite(r.bank->area) &&
                                  isFinite(r.bank->perimeter));
    const bool shear = !r.greatestBedShear || isFinite(*r.greatestBedShear);
    return flow && bank && shear;
}

} // namespace

std::variant<AdoptedResult, AdoptedFault> computeAdoptedSection(const AdoptedInputs& inputs) {
    const auto working = workingFlow(inputs);
    if (const auto* fault = std::get_if<AdoptedFault>(&working))
        return *fault;
    AdoptedResult result;
    result.inputs = inputs;
    result.depth = std::get<WorkingFlow>(working).depth;
    result.discharge = std::get<WorkingFlow>(working).discharge;
    result.flow =
        hydraulics::flowAtDepth(inputs.section, result.depth, result.discharge, inputs.manning);
    result.greatestBedShear =
        hydraulics::greatestBedShear(result.depth, inputs.manning.slopePercent);
    if (const auto* circle = std::get_if<CircleSection>(&inputs.section)) {
        result.pipe = PipeFilling{result.depth / circle->diameter, circle->diameter - result.depth};
    } else {
        const auto bank = bankOf(inputs, result.depth, result.discharge);
        if (const auto* fault = std::get_if<AdoptedFault>(&bank))
            return *fault;
        result.bank = std::get<BankLevel>(bank);
    }
    if (!holdsOnlyFinite(result))
        return ResultTooLarge{};
    result.checks = checkDesignLimits(inputs.limits, {result.flow, result.greatestBedShear});
    return result;
}

} // namespace vazolar
