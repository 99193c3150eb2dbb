#include "design_limits.h"

namespace vazolar {

namespace {

LimitCheck checkOne(DesignLimit limit, double bound, hydraulics::Figure value, double factor) {
    bool passes = false;
    if (value) {
        const double held = *value * factor;
        passes = isUpperLimit(limit) ? held <= bound : held >= bound;
    }
    return {limit, bound, value, passes, factor};
}

} // namespace

bool limitApplies(DesignLimit limit, const Section& section) {
    return limit != DesignLimit::MaxDepthRatio || std::holds_alternative<CircleSection>(section);
}

bool isUpperLimit(DesignLimit limit) {
    return limit != DesignLimit::MinVelocity;
}

hydraulics::Figure limitedValue(DesignLimit limit, const LimitedFlow& flow) {
    switch (limit) {
    case DesignLimit::MaxVelocity:
    case DesignLimit::MinVelocity:
        return flow.flow.velocity;
    case DesignLimit::MaxFroude:
        return flow.flow.froude;
    case DesignLimit::MaxShear:
        return flow.greatestBedShear;
    case DesignLimit::MaxDepthRatio:
        break;
    }
    return flow.flow.depthRatio;
}

double limitFactor(DesignLimit limit, const DesignLimits& limits) {
    return limit == DesignLimit::MaxShear ? limits.shearSafetyFactor : 1.0;
}

std::vector<LimitCheck> checkDesignLimits(const DesignLimits& limits, const LimitedFlow& flow) {
    const std::pair<DesignLimit, std::optional<double>> bounds[] = {
        {DesignLimit::MaxVelocity, limits.maxVelocity},
        {DesignLimit::MinVelocity, limits.minVelocity},
        {DesignLimit::MaxFroude, limits.maxFroude},
        {DesignLimit::MaxDepthRatio, limits.maxDepthRatio},
        {DesignLimit::MaxShear, limits.maxShear}};
    std::vector<LimitCheck> checks;
    for (const auto& [limit, bound] : bounds) {
        if (bound)
            checks.push_back(
                checkOne(limit, *bound, limitedValue(limit, flow), limitFactor(limit, limits)));
    }
    return checks;
}

} // namespace vazolar
