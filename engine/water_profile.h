#pragma once

#include "gradually_varied_flow.h"
#include "profile_class.h"

#include <optional>
#include <variant>
#include <vector>

// The water-surface profile of one prismatic reach from its control depth: the class of the
// curve, the depths at the stations, where the profile ends, how far the normal depth is, and
// the hydraulic jump of a steep reach.
namespace vazolar {

struct ProfileRequest {
    ReachFlow reach;
    std::optional<double> controlDepth; // y0 (m); empty: the critical depth at the control
    double length = 0.0;                // L (m)
    double step = 0.0;                  // Δx (m)
};

struct ProfileStation {
    double x = 0.0;              // from the control, in the direction of computation (m)
    double depth = 0.0;          // y (m)
    double area = 0.0;           // A (m²)
    double velocity = 0.0;       // V (m/s)
    double froude = 0.0;         // Fr
    double specificEnergy = 0.0; // E (m)
    double frictionSlope = 0.0;  // Sf (m/m)
};

// Where the profile stops: at the reach's end, where the depth reaches yc (the equation no longer
// holds), or at the crown of a pipe (the flow would be under pressure).
enum class ProfileEnd { ReachEnd, CriticalDepth, PipeCrown };

// The jump of a steep reach under a subcritical control (S1): in the reach; beyond its far end,
// the S1 curve filling the reach; or downstream of the control, the control's depth being below
// the sequent depth of yn, the whole reach flowing at yn.
enum class JumpPlace { NoJump, InReach, BeyondReach, DownstreamOfControl };

struct HydraulicJump {
    double x = 0.0;             // m from the control
    double upstreamDepth = 0.0; // y1 = yn (m)
    double sequentDepth = 0.0;  // y2 (m)
    double energyLost = 0.0;    // E1 − E2 (m)
};

struct WaterProfile {
    ProfileClass curve;
    Direction direction = Direction::Upstream;
    std::optional<double> normalDepth; // none on horizontal and adverse slopes
    double criticalDepth = 0.0;
    double controlDepth = 0.0;
    std::vector<ProfileStation> stations; // x = 0, Δx, 2Δx, …, and L, up to endX
    ProfileEnd end = ProfileEnd::ReachEnd;
    double endX = 0.0;
    // Where the depth comes within 1 % of yn (M1, M2, S2, S3, y0 more than 1 % away), when that
    // lies in the reach.
    std::optional<double> normalLength;
    JumpPlace jumpPlace = JumpPlace::NoJump;
    std::optional<HydraulicJump> jump;         // when jumpPlace is InReach
    std::optional<double> controlSequentDepth; // of y0, when y0 is supercritical
};

enum class ProfileFault {
    DischargeNotPositive,
    RoughnessNotPositive,
    LengthNotPositive,
    StepNotPositive,
    StepLongerThanReach,
    TooManyStations,
    ControlDepthNotPositive,
    ControlAboveCrown,
    BeyondPipeCapacity,
    NoCriticalDepth,
    NotConverged,
};

// At most this many stations: L / Δx beyond it is refused.
constexpr double kMostStations = 1e6;

using ProfileOutcome = std::variant<WaterProfile, ProfileFault>;

// Never throws.
ProfileOutcome computeWaterProfile(const ProfileRequest& request) noexcept;

// The flow of the reach at depth y, x from the control: a station, or a special point.
ProfileStation profileStationAt(const ReachFlow& reach, double x, double depth);

} // namespace vazolar
