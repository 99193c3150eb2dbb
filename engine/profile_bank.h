#pragma once

#include "water_profile.h"

#include <optional>

// Where the water of a profile stands above the bank of an open channel.
namespace vazolar {

// A stretch of the reach, x from the control (m).
struct ReachStretch {
    double from = 0.0;
    double to = 0.0;
};

// Where the depth is above `bank` (m above the bed), the walls taken as going on above it; none
// where the water stays below. The depth varies monotonically along the curve from the control,
// and stands at yn beyond a jump, so the stretch is one piece.
std::optional<ReachStretch> stretchAboveBank(const ProfileRequest& request,
                                             const WaterProfile& profile, double bank);

} // namespace vazolar
