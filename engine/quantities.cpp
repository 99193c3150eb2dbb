#include "quantities.h"

namespace vazolar {

namespace {

// In the order of Quantity.
constexpr double SectionQuantities::*kMembers[] = {
    &SectionQuantities::bottomWidth,
    &SectionQuantities::topWidth,
    &SectionQuantities::depth,
    &SectionQuantities::diameter,
    &SectionQuantities::area,
    &SectionQuantities::wettedPerimeter,
    &SectionQuantities::hydraulicRadius,
    &SectionQuantities::discharge,
    &SectionQuantities::velocity,
};

} // namespace

double SectionQuantities::operator[](Quantity quantity) const {
    return this->*kMembers[static_cast<int>(quantity)];
}

} // namespace vazolar
