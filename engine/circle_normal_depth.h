#pragma once

#include <optional>

namespace vazolar::hydraulics {

// The normal depth yn of a circle of diameter D: the depth at which Manning's formula with the
// slope I (%) and the roughness n carries the discharge Q. Manning's discharge rises with the
// depth up to about 0,938 D and falls from there to the full pipe; this is the root on the
// rising branch. Empty when Q is above the largest discharge or an input is not a positive
// finite number.
std::optional<double> circularNormalDepth(double discharge, double diameter, double slopePercent,
                                          double roughness);

} // namespace vazolar::hydraulics
