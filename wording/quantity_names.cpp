#include "quantity_names.h"

namespace vazolar {

namespace {

struct QuantityName {
    const char* symbol;
    const char* meaning;
    const char* unit;
};

// In the order of Quantity.
constexpr QuantityName kNames[] = {
    {"b", "largura do fundo", "m"},   {"B", "largura na superfície", "m"},
    {"y", "profundidade", "m"},       {"D", "diâmetro", "m"},
    {"Am", "área molhada", "m²"},     {"Pm", "perímetro molhado", "m"},
    {"RH", "raio hidráulico", "m"},   {"Q", "vazão", "m³/s"},
    {"V", "velocidade média", "m/s"},
};

const QuantityName& nameOf(Quantity quantity) {
    return kNames[static_cast<int>(quantity)];
}

} // namespace

QString symbolOf(Quantity quantity) {
    return QString::fromLatin1(nameOf(quantity).symbol);
}

QString meaningOf(Quantity quantity) {
    return QString::fromUtf8(nameOf(quantity).meaning);
}

QString unitOf(Quantity quantity) {
    return QString::fromUtf8(nameOf(quantity).unit);
}

} // namespace vazolar
