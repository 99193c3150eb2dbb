#pragma once

#include "quantities.h"

namespace vazolar {

// What stays fixed during a trial run.
struct TrialConstants {
    double slopePercent = 0.0;
    double roughness = 0.0;
    double sideSlope = 0.0; // trapezoid only
};

// The trapezoid's side slope z (horizontal per vertical) from its side angle in degrees.
double sideSlopeFromAngle(double degrees);

// One trial of each trial shape for the current value of its trial variable.
SectionQuantities trapezoidalTrial(const TrialConstants& constants, double bottomWidth);
SectionQuantities rectangularTrial(const TrialConstants& constants, double width);
SectionQuantities triangularTrial(const TrialConstants& constants, double depth);

// The circle carrying the design discharge, sized directly.
SectionQuantities circularSection(double slopePercent, double roughness, double discharge);

} // namespace vazolar
