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
    std::optional<double> maxShear{};      // τadm (Pa), the permissible shear of the lining
    double shearSafetyFactor = 1.0;        // SF: τmáx · SF is held to τadm
};

enum class DesignLimit { MaxVelocity, MinVelocity, MaxFroude, MaxDepthRatio, MaxShear };

constexpr DesignLimit kDesignLimits[] = {DesignLimit::MaxVelocity, DesignLimit::MinVelocity,
                                         DesignLimit::MaxFroude, DesignLimit::MaxDepthRatio,
                                         DesignLimit::MaxShear};

// ymaxd is the circle's alone.
bool limitApplies(DesignLimit limit, const Section& section);

// Whether the flow must stay at or below the limit (all but vmin) or at or above it.
bool isUpperLimit(DesignLimit limit);

// The quantities the limits bound: the flow's, and the greatest shear on the bed, τmáx (Pa).
struct LimitedFlow {
    const hydraulics::HydraulicCheck& flow;
    hydraulics::Figure greatestBedShear;
};

struct LimitCheck {
    DesignLimit limit = DesignLimit::MaxVelocity;
    double bound = 0.0;       // the limit as set
    hydraulics::Figure value; // what the flow has; a missing value does not pass
    bool passes = false;
    double factor = 1.0; // the value times the factor is held to the bound: SF on τmáx
};

// What the flow has of the quantity a limit bounds: V, Fr, y/D or τmáx.
hydraulics::Figure limitedValue(DesignLimit limit, const LimitedFlow& flow);

// The factor the limit's value is multiplied by before the comparison: the safety factor on
// τmáx (FHWA HEC-15: τp ≥ SF · τd), 1 for the others.
double limitFactor(DesignLimit limit, const DesignLimits& limits);

// One check per limit set, in the order of DesignLimit.
std::vector<LimitCheck> checkDesignLimits(const DesignLimits& limits, const LimitedFlow& flow);

} // namespace vazolar
