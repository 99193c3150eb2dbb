#pragma once

#include "section_model.h"

#include <optional>

// The specific energy of a discharge in a section, E = y + V²/2g with V = Q/A, and the two
// depths that share it on either side of the critical depth.
namespace vazolar::hydraulics {

// y + V²/2g, with g of hydraulics.h.
double specificEnergy(double depth, double velocity);

// E at depth y of Q flowing in the section; infinite at a dry bed.
double specificEnergyAt(const Section& section, double depth, double discharge);

// The alternate depth of y: the depth on the other side of the critical depth at which Q has
// the same specific energy, found to 1e-12 of `deepest`. Above yc it is sought no deeper than
// `deepest`. Empty without a critical depth or where no such depth lies up to `deepest`.
std::optional<double> alternateDepth(const Section& section, double depth, double discharge,
                                     double deepest);

} // namespace vazolar::hydraulics
