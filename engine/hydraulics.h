#pragma once

#include "quantities.h"
#include "sizing.h"

#include <optional>

// The hydraulic check of one trial: how the flow of the sized section behaves (regime,
// distance from critical flow, energy, bed shear). It starts from the trial's exact
// quantities and the run's inputs, never from the rounded row text.
namespace vazolar::hydraulics {

constexpr double kGravity = 9.81;       // g, m/s²
constexpr double kWaterWeight = 9810.0; // γ of water, N/m³

enum class Regime { Subcritical, Critical, Supercritical };

// A figure of the check; empty where it is undefined for the trial (shown as "—").
using Figure = std::optional<double>;

struct HydraulicCheck {
    // The section at the depth the check looks at: the row's own on the trapezoid, the
    // rectangle and the triangle; on the circle, the exact circle of the row's D at its
    // normal depth yn.
    Figure depth;           // y, or yn on the circle (m)
    Figure depthRatio;      // yn / D, circle only
    Figure area;            // m²
    Figure wettedPerimeter; // m
    Figure topWidth;        // T (m)
    Figure hydraulicRadius; // m
    Figure velocity;        // m/s
    Figure hydraulicDepth;  // Dh = A / T (m)
    Figure froude;          // Fr = V / √(g Dh)
    std::optional<Regime> regime;
    Figure specificEnergy; // E = y + V² / 2g (m)
    Figure bedShear;       // τ0 = γ RH I / 100 (Pa)
    // Critical flow of the trial's own discharge in the same section.
    Figure criticalDepth;    // yc (m)
    Figure criticalVelocity; // Vc = Q / Ac (m/s)
    Figure criticalSlope;    // Ic (%)
};

// Never throws; a figure that cannot be had stays empty.
HydraulicCheck checkTrial(const RunInputs& run, const SectionQuantities& trial) noexcept;

} // namespace vazolar::hydraulics
