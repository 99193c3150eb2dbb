#pragma once

#include "design_limits.h"
#include "freeboard.h"
#include "hydraulics.h"
#include "normal_depth.h"
#include "section_model.h"

#include <optional>
#include <variant>
#include <vector>

// How a discharge flows in the section the engineer adopts (a rounded width, a commercial
// pipe), or what that section carries at a given depth.
namespace vazolar {

struct AdoptedInputs {
    Section section;
    ManningInputs manning;
    // Exactly one of the two: the discharge to find the normal depth of, or the depth to find
    // the capacity at.
    std::optional<double> designDischarge;
    std::optional<double> givenDepth;
    Freeboard freeboard; // open shapes only
    DesignLimits limits;
};

// A pipe flows partly full: how full, and how much room is left above the water.
struct PipeFilling {
    double depthRatio = 0.0; // y / D
    double freeHeight = 0.0; // D − y (m)
};

struct AdoptedResult {
    AdoptedInputs inputs;
    double discharge = 0.0; // the design discharge, or the capacity at the given depth
    double depth = 0.0;     // the normal depth, or the given depth
    hydraulics::HydraulicCheck flow;
    hydraulics::Figure greatestBedShear; // τmáx (Pa)
    std::optional<BankLevel> bank;       // open shapes
    std::optional<PipeFilling> pipe;     // circle
    std::vector<LimitCheck> checks;
};

// Why a section cannot be verified.
struct DepthAboveCrown {
    double depth = 0.0;
    double diameter = 0.0;
};
struct PipeTooSmall { // the design discharge is above the pipe's largest
    double diameter = 0.0;
    double designDischarge = 0.0;
    double largestDischarge = 0.0;
    double largestDepthRatio = 0.0; // y / D where the pipe carries its largest discharge
};
struct NoNormalDepth {};
struct BankBelowWater { // a bank height given below the normal depth
    double bankHeight = 0.0;
    double depth = 0.0;
};
struct ResultTooLarge {}; // a figure of the result is not finite
using AdoptedFault =
    std::variant<DepthAboveCrown, PipeTooSmall, NoNormalDepth, BankBelowWater, ResultTooLarge>;

// The result, or why there is none: the section cannot carry the discharge (a pipe above its
// largest discharge), a given depth is above the crown, a given bank is below the water, or a
// figure is too large to compute.
std::variant<AdoptedResult, AdoptedFault> computeAdoptedSection(const AdoptedInputs& inputs);

} // namespace vazolar
