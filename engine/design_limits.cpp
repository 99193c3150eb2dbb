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

std::vector<LimitCheck> checkDesignLimits(const DesignLimits& limits,
                                          const hydraulics::HydraulicCheck& flow) {
    const struct {
        DesignLimit limit;
        std::optional<double> bound;
        hydraulics::Figure value;
    } candidates[] = {{DesignLimit::MaxVelocity, limits.maxVelocity, flow.velocity},
                      {DesignLimit::MinVelocity, limits.minVelocity, flow.velocity},
                      {DesignLimit::MaxFroude, limits.maxFroude, flow.froude},
                      {DesignLimit::MaxDepthRatio, limits.maxDepthRatio, flow.depthRatio}};
    std::vector<LimitCheck> checks;
    for (const auto& candidate : candidates) {
        if (candidate.bound)
            checks.push_back(checkOne(candidate.limit, *candidate.bound, candidate.value));
    }
    return checks;
}

} // namespace vazolar
