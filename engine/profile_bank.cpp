#include "profile_bank.h"

#include <algorithm>

namespace vazolar {

namespace {

// The part of the profile where the depth follows its curve, and the depths at its ends.
struct CurvePart {
    double endX = 0.0;
    double startDepth = 0.0;
    double endDepth = 0.0;
};

CurvePart curvePartOf(const WaterProfile& profile) {
    const double start = profile.stations.front().depth;
    if (profile.jump)
        return {profile.jump->x, start, profile.jump->sequentDepth};
    if (profile.end == ProfileEnd::CriticalDepth)
        return {profile.endX, start, profile.criticalDepth};
    return {profile.endX, start, profile.stations.back().depth};
}

// Where along the curve part the depth is above the bank.
std::optional<ReachStretch> curveAboveBank(const ProfileRequest& request,
                                           const WaterProfile& profile, const CurvePart& part,
                                           double bank) {
    const bool startAbove = part.startDepth > bank;
    const bool endAbove = part.endDepth > bank;
    if (startAbove && endAbove)
        return ReachStretch{0.0, part.endX};
    if (startAbove == endAbove)
        return std::nullopt;
    const std::optional<double> x = distanceBetweenDepths(request.reach, profile.direction,
                                                          part.startDepth, bank, std::nullopt);
    const double crossing = std::clamp(x.value_or(part.endX), 0.0, part.endX);
    return startAbove ? ReachStretch{0.0, crossing} : ReachStretch{crossing, part.endX};
}

} // namespace

std::optional<ReachStretch> stretchAboveBank(const ProfileRequest& request,
                                             const WaterProfile& profile, double bank) {
    if (profile.stations.empty())
        return std::nullopt;
    const CurvePart part = curvePartOf(profile);
    std::optional<ReachStretch> stretch = curveAboveBank(request, profile, part, bank);
    // Upstream of a jump the reach flows at yn, up to its end.
    const bool tailAbove = profile.jump && *profile.normalDepth > bank;
    if (!tailAbove)
        return stretch;
    return ReachStretch{stretch ? stretch->from : part.endX, request.length};
}

} // namespace vazolar
