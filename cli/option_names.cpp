#include "option_names.h"

namespace vazolar::cli {

namespace {

const char* optionName(Shape shape, AdoptedField field) {
    switch (field) {
    case AdoptedField::Slope:
        return "i";
    case AdoptedField::Roughness:
        return "n";
    case AdoptedField::Discharge:
        return "q";
    case AdoptedField::Depth:
        return "y";
    case AdoptedField::Angle:
        return "angulo";
    case AdoptedField::Dimension:
        return adoptedDimension(shape) ? adoptedDimension(shape)->name : "";
    case AdoptedField::Freeboard:
        return "borda-livre";
    case AdoptedField::BankHeight:
        return "altura";
    case AdoptedField::MaxVelocity:
        return "vmax";
    case AdoptedField::MinVelocity:
        return "vmin";
    case AdoptedField::MaxFroude:
        return "frmax";
    case AdoptedField::MaxDepthRatio:
        return "ymaxd";
    }
    return "";
}

} // namespace

FieldNamer verifyOptionNames(Shape shape) {
    return [shape](AdoptedField field) {
        return QStringLiteral("--") + QString::fromLatin1(optionName(shape, field));
    };
}

} // namespace vazolar::cli
