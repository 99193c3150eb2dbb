#pragma once

#include "normal_depth.h"
#include "section_model.h"

#include <optional>

// Gradually varied flow in a prismatic reach: dy/ds = (S0 − Sf) / (1 − Fr²), s downstream,
// S0 = I / 100, Sf from Manning's formula at the local depth, Fr² = Q² T / (g A³), energy
// coefficient 1. The reach is prismatic, so dy/ds depends on y alone, and the distance between
// two depths of one profile is the integral of ds/dy = (1 − Fr²) / (S0 − Sf) between them:
// the exact solution, to the accuracy of the quadrature.
namespace vazolar {

struct ReachFlow {
    Section section;
    double discharge = 0.0; // Q (m³/s)
    ManningInputs manning;  // I (%) may be zero or negative here
};

// Which way along the reach the profile is computed from its control.
enum class Direction { Upstream, Downstream };

double frictionSlope(const ReachFlow& reach, double depth);
double froudeSquared(const ReachFlow& reach, double depth);

// dy/ds, s downstream.
double depthSlope(const ReachFlow& reach, double depth);

// dy/dx, x growing from the control in the direction of computation.
double depthSlopeAlong(const ReachFlow& reach, Direction direction, double depth);

// The distance x ≥ 0 in the direction of computation from depth `from` to depth `to` on one
// profile: no yn nor yc may lie strictly between them. `asymptote` is the normal depth when
// `to` approaches it (the distance grows as the logarithm of |to − yn| there), which the
// quadrature then takes on ln |η − yn|. Empty when the quadrature does not converge.
std::optional<double> distanceBetweenDepths(const ReachFlow& reach, Direction direction,
                                            double from, double to,
                                            std::optional<double> asymptote);

} // namespace vazolar
