#pragma once

#include "wording/adopted_request.h"

namespace vazolar::testing {

// Names for the inputs of an adopted section, as a window would caption them.
inline FieldNamer testFieldNames(Shape shape) {
    return [shape](AdoptedField field) -> QString {
        switch (field) {
        case AdoptedField::Slope:
            return "I (%)";
        case AdoptedField::Roughness:
            return "n";
        case AdoptedField::Discharge:
            return "Q";
        case AdoptedField::Depth:
            return "y";
        case AdoptedField::Angle:
            return "ANGULO (°)";
        case AdoptedField::Dimension:
            if (const auto dimension = adoptedField(shape, AdoptedField::Dimension))
                return QString::fromUtf8(dimension->caption);
            return QString();
        case AdoptedField::Freeboard:
            return "a borda livre";
        case AdoptedField::BankHeight:
            return "a altura H";
        case AdoptedField::MaxVelocity:
            return "vmax (m/s)";
        case AdoptedField::MinVelocity:
            return "vmin (m/s)";
        case AdoptedField::MaxFroude:
            return "Fr máx";
        case AdoptedField::MaxDepthRatio:
            return "y/D máx";
        case AdoptedField::MaxShear:
            return "τ admissível (Pa)";
        case AdoptedField::ShearSafetyFactor:
            return "Fator de segurança";
        }
        return {};
    };
}

} // namespace vazolar::testing
