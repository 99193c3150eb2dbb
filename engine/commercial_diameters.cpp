#include "commercial_diameters.h"

#include <cmath>

namespace vazolar {

namespace {

// Concrete pipes for storm water and sanitary sewers: ABNT NBR 8890:2007, Tabela A.1, the
// nominal diameters of the storm-water pipes (mm).
constexpr int kConcretePipeDiameters[] = {200,  300,  400,  500,  600,  700,  800, 900,
                                          1000, 1100, 1200, 1300, 1500, 1750, 2000};

// A diameter typed or computed as a DN's metres, however its binary form falls (0,7 is
// 0,69999999999999996).
constexpr double kSameDiameter = 1e-9; // m

} // namespace

std::span<const int> concretePipeDiameters() {
    return kConcretePipeDiameters;
}

double nominalMetres(int diameter) {
    return diameter / 1000.0;
}

std::optional<int> smallestPipeNotBelow(double metres) {
    for (const int diameter : kConcretePipeDiameters) {
        if (nominalMetres(diameter) >= metres - kSameDiameter)
            return diameter;
    }
    return std::nullopt;
}

std::optional<int> pipeOfDiameter(double metres) {
    for (const int diameter : kConcretePipeDiameters) {
        if (std::abs(nominalMetres(diameter) - metres) <= kSameDiameter)
            return diameter;
    }
    return std::nullopt;
}

} // namespace vazolar
