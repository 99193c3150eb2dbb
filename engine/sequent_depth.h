#pragma once

#include "section_model.h"

#include <optional>

// The momentum function of a discharge in a section, M(y) = Q²/(g A) + A·ȳ, least at the
// critical depth, and the sequent depths of a hydraulic jump, the two depths of equal M.
namespace vazolar::hydraulics {

double momentumFunction(const Section& section, double discharge, double depth);

// The depth on the other side of the critical depth with the same M as y, to 1e-12 of yc.
// Empty without a critical depth, at y = yc, or where the pipe would have to flow full.
std::optional<double> sequentDepth(const Section& section, double discharge, double depth);

} // namespace vazolar::hydraulics
