#include "freeboard.h"

#include <algorithm>
#include <cmath>

namespace vazolar {

namespace {

constexpr double kSmallDischarge = 0.57; // m³/s, 20 ft³/s
constexpr double kLargeDischarge = 85.0; // m³/s, 3000 ft³/s
constexpr double kSmallCoefficient = 0.46;
constexpr double kLargeCoefficient = 0.76;

} // namespace

double usbrCoefficient(double discharge) {
    const double position = (std::log10(discharge) - std::log10(kSmallDischarge)) /
                            (std::log10(kLargeDischarge) - std::log10(kSmallDischarge));
    const double share = std::clamp(position, 0.0, 1.0);
    return kSmallCoefficient + share * (kLargeCoefficient - kSmallCoefficient);
}

double freeboardHeight(const Freeboard& freeboard, double depth, double discharge) {
    switch (freeboard.rule) {
    case FreeboardRule::Height:
        return freeboard.value;
    case FreeboardRule::DepthShare:
        return freeboard.value * depth;
    case FreeboardRule::Usbr:
        return std::sqrt(usbrCoefficient(discharge) * depth);
    case FreeboardRule::BankHeight:
        return freeboard.value - depth;
    }
    return 0.0;
}

BankLevel bankLevel(const Section& section, double freeboard, double depth) {
    const double bank = depth + freeboard;
    const FlowGeometry atBank = flowGeometry(section, bank);
    return {freeboard, bank, atBank.topWidth, atBank.area, atBank.wettedPerimeter};
}

} // namespace vazolar
