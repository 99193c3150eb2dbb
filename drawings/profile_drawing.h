#pragma once

#include "wording/profile_request.h"

#include <QPolygonF>

#include <optional>

// The longitudinal profile of a reach as lines in metres, for its painter: x from the control
// along the reach, as the station table counts it, and z up from the bed at the control.
namespace vazolar::drawings {

// What stands above the bed along the whole reach: an open channel's bank, a pipe's crown.
enum class ProfileTop { None, Bank, Crown };

struct ProfileDrawing {
    double length = 0.0;   // L: the bed runs from x = 0 to x = L
    double bedSlope = 0.0; // dz/dx: I/100 where x grows upstream, −I/100 where downstream
    // The control downstream, x growing upstream: x = 0 is at the right, where the water leaves.
    bool xGrowsLeftward = false;
    // bed + y through the rows from the control; at the jump a vertical step from y2 to yn.
    QPolygonF surface;
    std::optional<double> normalDepth;
    double criticalDepth = 0.0;
    ProfileTop top = ProfileTop::None;
    double topHeight = 0.0; // H or D above the bed
    std::optional<double> jumpX;

    double bedAt(double x) const { return bedSlope * x; }
    // The line `depth` above the bed from one end of the reach to the other.
    QPolygonF levelLine(double depth) const;
    // The lowest and highest z of every line drawn.
    double lowest() const;
    double highest() const;
};

ProfileDrawing profileDrawing(const ProfileInputs& inputs, const WaterProfile& profile);

} // namespace vazolar::drawings
