#pragma once

#include <optional>

// The class of a gradually varied flow profile: the kind of bed slope and the zone of the depth
// between the normal and the critical depth.
namespace vazolar {

// Mild (yn > yc), steep (yn < yc), critical (yn = yc), horizontal (I = 0), adverse (I < 0).
enum class SlopeKind { Mild, Steep, Critical, Horizontal, Adverse };

// 1 above both yn and yc, 2 between them, 3 below both; horizontal and adverse slopes have no
// yn, and so zones 2 (above yc) and 3 (below) only.
enum class ProfileZone { One = 1, Two = 2, Three = 3 };

struct ProfileClass {
    SlopeKind slope = SlopeKind::Mild;
    ProfileZone zone = ProfileZone::One;
    friend bool operator==(const ProfileClass&, const ProfileClass&) = default;
};

// yn and yc agreeing to this relative difference make a critical slope.
constexpr double kCriticalSlopeTolerance = 1e-6;

// The slope's kind from I (%) and, for I > 0, yn.
SlopeKind slopeKindOf(double slopePercent, std::optional<double> normal, double critical);

// The class of a profile through depth y; a depth at yc is in zone 2 (the profile leaves it
// towards yn), or on a critical slope in zone 1.
ProfileClass profileClassOf(SlopeKind slope, std::optional<double> normal, double critical,
                            double depth);

} // namespace vazolar
