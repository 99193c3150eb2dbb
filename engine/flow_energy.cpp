#include "flow_energy.h"

#include "bracketed_root.h"
#include "flow_at_depth.h"
#include "hydraulics.h"

namespace vazolar::hydraulics {

double specificEnergy(double depth, double velocity) {
    return depth + velocity * velocity / (2 * kGravity);
}

double specificEnergyAt(const Section& section, double depth, double discharge) {
    return specificEnergy(depth, discharge / flowGeometry(section, depth).area);
}

std::optional<double> alternateDepth(const Section& section, double depth, double discharge,
                                     double deepest) {
    const std::optional<double> critical = criticalDepth(section, discharge);
    if (!critical)
        return std::nullopt;
    const double target = specificEnergyAt(section, depth, discharge);
    const auto excess = [&](double level) {
        return specificEnergyAt(section, level, discharge) - target;
    };
    // Below yc the energy grows without bound towards the bed: the search starts a millionth
    // of yc above it.
    const Bracket bracket =
        depth > *critical ? Bracket{*critical * 1e-6, *critical} : Bracket{*critical, deepest};
    return bracketedRoot(excess, bracket, 1e-12 * deepest);
}

} // namespace vazolar::hydraulics
