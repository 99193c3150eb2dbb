#pragma once

#include "engine/sections.h"
#include "wording/profile_request.h"

#include <QtGlobal>

// The reaches of the worked trapezoid (b 0,70 m, sides at 30°, n 0,015, Q 0,5 m³/s) whose
// profiles the tests draw and print.
namespace vazolar::testing {

struct ReachProfile {
    ProfileInputs inputs;
    WaterProfile profile;
};

// At slope I (%), from the control depth y0 (none: yc), over L by Δx.
inline ReachProfile trapezoidReach(double slopePercent, std::optional<double> control,
                                   double length, double step,
                                   std::optional<double> bank = std::nullopt) {
    const Section section = TrapezoidSection{0.70, sideSlopeFromAngle(30.0)};
    const ProfileInputs inputs{
        Shape::Trapezoidal, {{section, 0.5, {slopePercent, 0.015}}, control, length, step}, bank};
    const ProfileOutcome outcome = computeWaterProfile(inputs.request);
    if (!std::holds_alternative<WaterProfile>(outcome))
        qFatal("no profile of the trapezoid at I %g %%", slopePercent);
    return {inputs, std::get<WaterProfile>(outcome)};
}

// M1 computed upstream from y0 1,00 m at I 0,1 %, L 2000 m by 200, the bank at 1,0441 m.
inline ReachProfile mildBackwater() {
    return trapezoidReach(0.1, 1.00, 2000, 200, 1.0441);
}

// S1 computed upstream from y0 0,60 m at I 2 %, L 100 m by 5, its jump at x ≈ 4,90 m.
inline ReachProfile steepJump() {
    return trapezoidReach(2.0, 0.60, 100, 5);
}

// S2 computed downstream from a critical control at I 2 %, L 50 m by 5.
inline ReachProfile steepDrawdown() {
    return trapezoidReach(2.0, std::nullopt, 50, 5);
}

} // namespace vazolar::testing
