#pragma once

#include "hydraulics.h"
#include "normal_depth.h"
#include "section_model.h"

#include <optional>

// How a discharge flows in a section at a given depth: the figures of the hydraulic check,
// read from the section model. The depth is the normal depth of the discharge, or any depth
// the caller is looking at.
namespace vazolar::hydraulics {

// Q² T = g A³ in the section; empty as the functions of critical_depth.h leave it.
std::optional<double> criticalDepth(const Section& section, double discharge);

// Every figure of HydraulicCheck for Q flowing at depth y, with I (%) and n; depthRatio on the
// circle only. Never throws; a figure that cannot be had stays empty.
HydraulicCheck flowAtDepth(const Section& section, double depth, double discharge,
                           const ManningInputs& manning) noexcept;

// The same with the geometry at that depth given: a sized trial's own row.
HydraulicCheck flowWithGeometry(const Section& section, double depth, const FlowGeometry& geometry,
                                double discharge, const ManningInputs& manning) noexcept;

// The design shear on the bed at the deepest point, γ y I / 100 in Pa (FHWA HEC-15: τd = γ d S0).
Figure greatestBedShear(double depth, double slopePercent);

} // namespace vazolar::hydraulics
