#include "water_profile.h"

#include "bracketed_root.h"
#include "flow_at_depth.h"
#include "flow_energy.h"
#include "sequent_depth.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vazolar {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The profile never reaches yn; within this relative distance of it the depth is yn.
constexpr double kNearestToNormal = 1e-7;
// Depths are found to this relative accuracy of yc: far below the half millimetre printed.
constexpr double kDepthTolerance = 1e-10;
// Which side of yc a profile leaves from when it starts at yc.
constexpr double kCriticalNudge = 1e-6;
constexpr double kNormalShare = 0.01; // the 1 % of the length to normal depth
constexpr int kWideningLimit = 200;

bool isPositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

std::optional<ProfileFault> faultOf(const ProfileRequest& request) {
    const ReachFlow& reach = request.reach;
    if (!isPositive(reach.discharge))
        return ProfileFault::DischargeNotPositive;
    if (!isPositive(reach.manning.roughness))
        return ProfileFault::RoughnessNotPositive;
    if (!std::isfinite(reach.manning.slopePercent))
        return ProfileFault::NotConverged;
    if (!isPositive(request.length))
        return ProfileFault::LengthNotPositive;
    if (!isPositive(request.step))
        return ProfileFault::StepNotPositive;
    if (request.step > request.length)
        return ProfileFault::StepLongerThanReach;
    if (request.length / request.step > kMostStations)
        return ProfileFault::TooManyStations;
    if (request.controlDepth && !isPositive(*request.controlDepth))
        return ProfileFault::ControlDepthNotPositive;
    if (request.controlDepth && *request.controlDepth > deepestDepth(reach.section))
        return ProfileFault::ControlAboveCrown;
    return std::nullopt;
}

// normalDepth to the last digits of the equation's own S0 = Sf, so that the quadrature's
// logarithm of |y − yn| has no stray root beside it.
double polishedNormalDepth(const ReachFlow& reach, double normal) {
    const double bedSlope = reach.manning.slopePercent / 100;
    const auto excess = [&](double depth) { return frictionSlope(reach, depth) - bedSlope; };
    const hydraulics::Bracket near{normal * (1 - 1e-7), normal * (1 + 1e-7)};
    return hydraulics::bracketedRoot(excess, near, 1e-15 * normal).value_or(normal);
}

// The curve being followed from the control: which way the depth goes, and the depth it goes to
// (yn, never reached; yc or the crown, reached at endX; or none, rising without end).
struct Curve {
    const ReachFlow* reach = nullptr;
    Direction direction = Direction::Upstream;
    bool rising = false;
    double limit = 0.0;
    std::optional<double> asymptote; // yn, when it is the limit
    ProfileEnd end = ProfileEnd::ReachEnd;

    std::optional<double> distance(double from, double to) const {
        return distanceBetweenDepths(*reach, direction, from, to, asymptote);
    }
    // The depth that stands for the limit in a bracket.
    double reachableLimit() const {
        if (!asymptote)
            return limit;
        return limit * (rising ? 1 - kNearestToNormal : 1 + kNearestToNormal);
    }
};

Direction directionOf(SlopeKind slope, double control, double critical) {
    if (control != critical)
        return control > critical ? Direction::Upstream : Direction::Downstream;
    return slope == SlopeKind::Steep ? Direction::Downstream : Direction::Upstream;
}

Curve curveFrom(const ReachFlow& reach, Direction direction, double control, double critical,
                std::optional<double> normal, SlopeKind slope) {
    Curve curve;
    curve.reach = &reach;
    curve.direction = direction;
    // From yc the profile leaves on the side of its regime: subcritical upstream.
    const double nudge = direction == Direction::Upstream ? 1 + kCriticalNudge : 1 - kCriticalNudge;
    const double probe = control == critical ? critical * nudge : control;
    curve.rising = depthSlopeAlong(reach, direction, probe) > 0.0;
    curve.limit = curve.rising ? kInfinity : 0.0;
    const auto consider = [&](double depth, ProfileEnd end, bool asymptotic) {
        const bool ahead = curve.rising ? depth > control && depth < curve.limit
                                        : depth < control && depth > curve.limit;
        if (!ahead)
            return;
        curve.limit = depth;
        curve.end = end;
        curve.asymptote = asymptotic ? std::optional<double>(depth) : std::nullopt;
    };
    if (normal && slope != SlopeKind::Critical)
        consider(*normal, ProfileEnd::ReachEnd, true);
    consider(critical, ProfileEnd::CriticalDepth, false);
    const double crown = deepestDepth(reach.section);
    consider(crown, ProfileEnd::PipeCrown, false);
    if (curve.rising && curve.limit > crown) { // rising from the crown itself
        curve.limit = crown;
        curve.end = ProfileEnd::PipeCrown;
    }
    return curve;
}

// The depth at x, from the depth at an earlier x on the same curve.
std::optional<double> depthAtDistance(const Curve& curve, double fromX, double fromDepth,
                                      double x) {
    const double wanted = x - fromX;
    if (wanted <= 0.0)
        return fromDepth;
    const auto shortfall = [&](double depth) {
        return curve.distance(fromDepth, depth).value_or(std::nan("")) - wanted;
    };
    double far = curve.reachableLimit();
    if (std::isinf(far)) {
        double span = fromDepth;
        for (int k = 0; k < kWideningLimit && shortfall(fromDepth + span) < 0.0; ++k)
            span *= 2;
        far = fromDepth + span;
    }
    if ((far - fromDepth) * (curve.rising ? 1 : -1) <= 0.0 || shortfall(far) <= 0.0)
        return far; // within kNearestToNormal of yn
    const double tolerance = kDepthTolerance * std::max(fromDepth, far);
    // Twice the change the local slope gives brackets the depth where the curve flattens out
    // (towards yn) and narrows the search to it; where it steepens, the whole span does.
    const double guess =
        fromDepth + 2 * wanted * depthSlopeAlong(*curve.reach, curve.direction, fromDepth);
    const bool guessInside = std::isfinite(guess) && (guess - fromDepth) * (far - guess) > 0.0;
    if (guessInside && shortfall(guess) > 0.0)
        far = guess;
    return hydraulics::bracketedRoot(
        shortfall, {std::min(fromDepth, far), std::max(fromDepth, far)}, tolerance);
}

} // namespace

ProfileStation profileStationAt(const ReachFlow& reach, double x, double depth) {
    const FlowGeometry geometry = flowGeometry(reach.section, depth);
    const double velocity = reach.discharge / geometry.area;
    return {x,
            depth,
            geometry.area,
            velocity,
            std::sqrt(froudeSquared(reach, depth)),
            hydraulics::specificEnergy(depth, velocity),
            frictionSlope(reach, depth)};
}

namespace {

// A control within kNearestToNormal of yn: the flow is uniform.
bool startsAtNormalDepth(const WaterProfile& profile) {
    return profile.normalDepth && std::fabs(profile.controlDepth - *profile.normalDepth) <=
                                      kNearestToNormal * *profile.normalDepth;
}

std::vector<ProfileStation> uniformStations(const ReachFlow& reach,
                                            const std::vector<double>& distances, double normal) {
    std::vector<ProfileStation> stations;
    for (const double x : distances)
        stations.push_back(profileStationAt(reach, x, normal));
    return stations;
}

std::vector<double> stationDistances(double length, double step) {
    std::vector<double> distances;
    const auto count = static_cast<long>(std::floor(length / step));
    for (long k = 0; k <= count; ++k) {
        const double x = static_cast<double>(k) * step;
        if (x < length * (1 - 1e-12))
            distances.push_back(x);
    }
    distances.push_back(length);
    return distances;
}

// The stations of the curve up to `last`, and those beyond `last` at `beyondDepth` when given
// (upstream of a jump); none beyond `last` otherwise.
std::optional<std::vector<ProfileStation>> stationsOf(const Curve& curve, double control,
                                                      const std::vector<double>& distances,
                                                      double last,
                                                      std::optional<double> beyondDepth) {
    std::vector<ProfileStation> stations;
    double fromX = 0.0;
    double fromDepth = control;
    for (const double x : distances) {
        if (x > last && !beyondDepth)
            break;
        if (x > last) {
            stations.push_back(profileStationAt(*curve.reach, x, *beyondDepth));
            continue;
        }
        const std::optional<double> depth = depthAtDistance(curve, fromX, fromDepth, x);
        if (!depth)
            return std::nullopt;
        stations.push_back(profileStationAt(*curve.reach, x, *depth));
        fromX = x;
        fromDepth = *depth;
    }
    return stations;
}

bool approachesNormal(ProfileClass curve) {
    const bool mild = curve.slope == SlopeKind::Mild &&
                      (curve.zone == ProfileZone::One || curve.zone == ProfileZone::Two);
    const bool steep = curve.slope == SlopeKind::Steep &&
                       (curve.zone == ProfileZone::Two || curve.zone == ProfileZone::Three);
    return mild || steep;
}

std::optional<double> normalLengthOf(const Curve& curve, const WaterProfile& profile) {
    if (!profile.normalDepth || !approachesNormal(profile.curve))
        return std::nullopt;
    const double normal = *profile.normalDepth;
    const double gap = profile.controlDepth - normal;
    if (std::fabs(gap) <= kNormalShare * normal)
        return std::nullopt;
    const double target = normal * (1 + (gap > 0 ? kNormalShare : -kNormalShare));
    const std::optional<double> x = curve.distance(profile.controlDepth, target);
    if (!x || *x > profile.endX)
        return std::nullopt;
    return x;
}

bool isSteepFirstZone(ProfileClass curve) {
    return curve.slope == SlopeKind::Steep && curve.zone == ProfileZone::One;
}

// The S1 curve against the jump from yn: where it stands, and the stations on either side.
bool placeJump(WaterProfile& profile, const Curve& curve, const ProfileRequest& request,
               const std::vector<double>& distances) {
    const ReachFlow& reach = request.reach;
    const double normal = *profile.normalDepth;
    const std::optional<double> sequent =
        hydraulics::sequentDepth(reach.section, reach.discharge, normal);
    // A sequent depth above a pipe's crown is beyond any control the pipe can hold.
    if (!sequent || profile.controlDepth < *sequent) {
        profile.jumpPlace = JumpPlace::DownstreamOfControl;
        profile.stations = uniformStations(reach, distances, normal);
        return true;
    }
    const std::optional<double> x = curve.distance(profile.controlDepth, *sequent);
    if (!x)
        return false;
    const bool inReach = *x <= request.length;
    profile.jumpPlace = inReach ? JumpPlace::InReach : JumpPlace::BeyondReach;
    if (inReach) {
        const double lost = hydraulics::specificEnergyAt(reach.section, normal, reach.discharge) -
                            hydraulics::specificEnergyAt(reach.section, *sequent, reach.discharge);
        profile.jump = HydraulicJump{*x, normal, *sequent, lost};
    }
    const auto stations =
        stationsOf(curve, profile.controlDepth, distances, inReach ? *x : request.length,
                   inReach ? std::optional<double>(normal) : std::nullopt);
    if (!stations)
        return false;
    profile.stations = *stations;
    return true;
}

bool followCurve(WaterProfile& profile, const Curve& curve, const ProfileRequest& request,
                 const std::vector<double>& distances) {
    profile.endX = request.length;
    if (curve.end != ProfileEnd::ReachEnd) {
        const std::optional<double> x = curve.distance(profile.controlDepth, curve.limit);
        if (!x)
            return false;
        if (*x < request.length) {
            profile.end = curve.end;
            profile.endX = *x;
        }
    }
    const auto stations = stationsOf(curve, profile.controlDepth, distances, profile.endX, {});
    if (!stations)
        return false;
    profile.stations = *stations;
    profile.normalLength = normalLengthOf(curve, profile);
    return true;
}

ProfileOutcome profileOf(const ProfileRequest& request) {
    const ReachFlow& reach = request.reach;
    const std::optional<double> critical =
        hydraulics::criticalDepth(reach.section, reach.discharge);
    if (!critical || !isPositive(*critical))
        return ProfileFault::NoCriticalDepth;
    std::optional<double> normal;
    if (reach.manning.slopePercent > 0.0) {
        normal = normalDepth(reach.section, reach.discharge, reach.manning);
        if (!normal)
            return ProfileFault::BeyondPipeCapacity;
        normal = polishedNormalDepth(reach, *normal);
    }
    WaterProfile profile;
    profile.normalDepth = normal;
    profile.criticalDepth = *critical;
    profile.controlDepth = request.controlDepth.value_or(*critical);
    const SlopeKind slope = slopeKindOf(reach.manning.slopePercent, normal, *critical);
    profile.curve = profileClassOf(slope, normal, *critical, profile.controlDepth);
    profile.direction = directionOf(slope, profile.controlDepth, *critical);
    if (profile.controlDepth < *critical)
        profile.controlSequentDepth =
            hydraulics::sequentDepth(reach.section, reach.discharge, profile.controlDepth);
    const Curve curve =
        curveFrom(reach, profile.direction, profile.controlDepth, *critical, normal, slope);
    const std::vector<double> distances = stationDistances(request.length, request.step);
    profile.endX = request.length;
    if (startsAtNormalDepth(profile)) {
        profile.stations = uniformStations(reach, distances, *normal);
        return profile;
    }
    const bool done = isSteepFirstZone(profile.curve)
                          ? placeJump(profile, curve, request, distances)
                          : followCurve(profile, curve, request, distances);
    if (!done)
        return ProfileFault::NotConverged;
    return profile;
}

} // namespace

ProfileOutcome computeWaterProfile(const ProfileRequest& request) noexcept {
    try {
        if (const std::optional<ProfileFault> fault = faultOf(request))
            return *fault;
        return profileOf(request);
    } catch (...) {
        // Only an allocation can throw on the way.
        return ProfileFault::NotConverged;
    }
}

} // namespace vazolar
