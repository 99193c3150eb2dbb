#include "quantities.h"

namespace vazolar {

namespace {

struct QuantityEntry {
    double SectionQuantities::*member;
    const char* symbol;
    const char* meaning;
    const char* unit;
};

// In the order of Quantity.
constexpr QuantityEntry kQuantities[] = {
    {&SectionQuantities::bottomWidth, "b", "largura do fundo", "m"},
    {&SectionQuantities::topWidth, "B", "largura na superfície", "m"},
    {&SectionQuantities::depth, "y", "profundidade", "m"},
    {&SectionQuantities::diameter, "D", "diâmetro", "m"},
    {&SectionQuantities::area, "Am", "área molhada", "m²"},
    {&SectionQuantities::wettedPerimeter, "Pm", "perímetro molhado", "m"},
    {&SectionQuantities::hydraulicRadius, "RH", "raio hidráulico", "m"},
    {&SectionQuantities::discharge, "Q", "vazão", "m³/s"},
    {&SectionQuantities::velocity, "V", "velocidade média", "m/s"},
};

const QuantityEntry& entryOf(Quantity quantity) {
    return kQuantities[static_cast<int>(quantity)];
}

} // namespace

double SectionQuantities::operator[](Quantity quantity) const {
    return this->*entryOf(quantity).member;
}

QString symbolOf(Quantity quantity) {
    return QString::fromLatin1(entryOf(quantity).symbol);
}

QString meaningOf(Quantity quantity) {
    return QString::fromUtf8(entryOf(quantity).meaning);
}

QString unitOf(Quantity quantity) {
    return QString::fromUtf8(entryOf(quantity).unit);
}

} // namespace vazolar
