#pragma once

#include "hydraulics.h"
#include "section_model.h"

#include <optional>
#include <vector>

// Limits the engineer sets on the flow of an adopted section. None is set unless given, and
// an unset limit is not checked.
namespace vazolar {

struct DesignLimits {
    std::optional<double> maxVelocity{};   // vmax (m/s)
    std::optional<double> minVelocity{};   // vmin (m/s)
    std::optional<double> maxFroude{};     // frmax
    std::optional<double> maxDepthRatio{}; // ymaxd, y/D on the circle
};

enum class DesignLimit { MaxVelocity, MinVelocity, MaxFroude, MaxDepthRatio };

constexpr DesignLimit kDesignLimits[] = {DesignLimit::MaxVelocity, DesignLimit::MinVelocity,
                                         DesignLimit::MaxFroude, DesignLimit::MaxDepthRatio};

// ymaxd is the circle's alone.
bool limitApplies(DesignLimit limit, const Section& section);

// Whether the flow must stay at or below the limit (all but vmin) or at or above it.
bool isUpperLimit(DesignLimit limit);

struct LimitCheck {
    DesignLimit limit = DesignLimit::MaxVelocity;
    double bound = 0.0;       // the limit as set
    hydraulics::Figure value; // what the flow has; a missing value does not pass
    bool passes = false;
};

// One check per limit set, in the order of DesignLimit.
std::vector<LimitCheck> checkDesignLimits(const DesignLimits& limits,
                                          const hydraulics::HydraulicCheck& flow);

} // namespace vazolar
