#pragma once

#include "section_model.h"

#include <optional>

// Uniform flow in an adopted section by Manning's formula, Q = (1/n) A R^(2/3) √(I/100): the
// discharge a depth carries, and the normal depth at which a discharge flows.
namespace vazolar {

struct ManningInputs {
    double slopePercent = 0.0; // I (%)
    double roughness = 0.0;    // n
};

double manningDischarge(const FlowGeometry& geometry, const ManningInputs& manning);

struct Capacity {
    double discharge = 0.0; // Q (m³/s)
    double velocity = 0.0;  // V = Q / A (m/s)
};

// What the section carries at depth y (0 < y; y ≤ D on the circle).
Capacity capacityAtDepth(const Section& section, double depth, const ManningInputs& manning);

// The largest discharge a circle carries, at about 0,938 D (largestDischargeDepthRatio());
// the open shapes carry more the deeper they flow, and have none.
struct LargestDischarge {
    double depth = 0.0;
    double discharge = 0.0;
};
std::optional<LargestDischarge> largestDischarge(const Section& section,
                                                 const ManningInputs& manning);

// The depth at which the section carries Q, to a relative accuracy of 1e-10; on the circle
// the lower of the two, below the depth of largest discharge. Empty when Q, I or n is not a
// positive finite number, or Q is above the circle's largest discharge.
std::optional<double> normalDepth(const Section& section, double discharge,
                                  const ManningInputs& manning);

} // namespace vazolar
