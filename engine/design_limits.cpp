#include "design_limits.h"

namespace vazolar {

namespace {

LimitCheck checkOne(DesignLimit limit, double bound, hydraulics::Figure value) {
    bool passes = false;
    if (value)
        passes = isUpperLimit(limit) ? *value <= bound : *value >= bound;
    return {limit, bound, value, passes};
}

} // namespace

bool limitApplies(DesignLimit limit, const Section& section) {
    return limit != DesignLimit::MaxDepthRatio || std::holds_alternative<CircleSection>(section);
}

bool isUpperLimit(DesignLimit limit) {
    return limit != DesignLimit::MinVelocity;
}

hydraulics::Figure limitedValue(DesignLimit limit, const hydraulics::HydraulicCheck& flow) {
    switch (limit) {
    case DesignLimit::MaxVelocity:
    case DesignLimit::MinVelocity:
        return flow.velocity;
    case DesignLimit::MaxFroude:
        return flow.froude;
    case DesignLimit::MaxDepthRatio:
        break;
    }
    return flow.depthRatio;
}

std::vector<LimitCheck> checkDesignLimits(const DesignLimits& limits,
                                          const hydraulics::HydraulicCheck& flow) {
    const std::pair<DesignLimit, std::optional<double>> bounds[] = {
        {DesignLimit::MaxVelocity, limits.maxVelocity},
        {DesignLimit::MinVelocity, limits.minVelocity},
        {DesignLimit::MaxFroude, limits.maxFroude},
        {DesignLimit::MaxDepthRatio, limits.maxDepthRatio}};
    std::vector<LimitCheck> checks;
    for (const auto& [limit, bound] : bounds) {
        if (bound)
            checks.push_back(checkOne(limit, *bound, limitedValue(limit, flow)));
    }
    return checks;
}

} // namespace vazolar
