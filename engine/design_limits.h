#pragma once

#include "hydraulics.h"

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
