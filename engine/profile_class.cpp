#include "profile_class.h"

#include <algorithm>
#include <cmath>

namespace vazolar {

SlopeKind slopeKindOf(double slopePercent, std::optional<double> normal, double critical) {
    if (slopePercent < 0.0)
        return SlopeKind::Adverse;
    if (slopePercent == 0.0 || !normal)
        return SlopeKind::Horizontal;
    if (std::fabs(*normal - critical) <= kCriticalSlopeTolerance * critical)
        return SlopeKind::Critical;
    return *normal > critical ? SlopeKind::Mild : SlopeKind::Steep;
}

ProfileClass profileClassOf(SlopeKind slope, std::optional<double> normal, double critical,
                            double depth) {
    if (slope == SlopeKind::Horizontal || slope == SlopeKind::Adverse || !normal)
        return {slope, depth >= critical ? ProfileZone::Two : ProfileZone::Three};
    if (slope == SlopeKind::Critical)
        return {slope, depth >= critical ? ProfileZone::One : ProfileZone::Three};
    const double lower = std::min(*normal, critical);
    const double upper = std::max(*normal, critical);
    if (depth > upper)
        return {slope, ProfileZone::One};
    if (depth < lower)
        return {slope, ProfileZone::Three};
    return {slope, ProfileZone::Two};
}

} // namespace vazolar
