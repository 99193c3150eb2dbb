#include "adopted_fields.h"

#include "adopted_request.h"

namespace vazolar {

namespace {

using enum AdoptedField;
using enum FieldGroup;

constexpr ShapeSet kTrapezoid = shapeBit(Shape::Trapezoidal);
constexpr ShapeSet kRectangle = shapeBit(Shape::Rectangular);
constexpr ShapeSet kCircle = shapeBit(Shape::Circular);

using R = AdoptedRequest;

constexpr AdoptedFieldSpec kFields[] = {
    {Slope, &R::slope, "i", "I (%)", Section, kEveryShape, kEveryShape},
    {Roughness, &R::roughness, "n", "n", Section, kEveryShape, kEveryShape},
    {Discharge, &R::discharge, "q", "Q (m³/s)", Section, kEveryShape, 0},
    {Depth, &R::depth, "y", "y (m)", Section, kEveryShape, 0},
    {Angle, &R::angle, "angulo", "Ângulo (°)", Section, kTrapezoid, kTrapezoid},
    {Dimension, &R::bottomWidth, "b", "b (m)", Section, kTrapezoid, kTrapezoid},
    {Dimension, &R::width, "B", "B (m)", Section, kRectangle, kRectangle},
    {Dimension, &R::diameter, "D", "D (m)", Section, kCircle, kCircle},
    {Freeboard, nullptr, "borda-livre", "Borda livre", Bank, kOpenShapes, 0},
    {BankHeight, nullptr, "altura", "Altura total H (m)", Bank, kOpenShapes, 0},
    {MaxVelocity, &R::maxVelocity, "vmax", "V máx (m/s)", Limit, kEveryShape, 0},
    {MinVelocity, &R::minVelocity, "vmin", "V mín (m/s)", Limit, kEveryShape, 0},
    {MaxFroude, &R::maxFroude, "frmax", "Fr máx", Limit, kEveryShape, 0},
    {MaxDepthRatio, &R::maxDepthRatio, "ymaxd", "y/D máx", Limit, kCircle, 0},
    {MaxShear, &R::maxShear, "tauadm", "τ admissível (Pa)", Limit, kEveryShape, 0},
    {ShearSafetyFactor, &R::shearSafetyFactor, "fs", "Fator de segurança", Limit, kEveryShape, 0},
};

} // namespace

std::span<const AdoptedFieldSpec> adoptedFields() {
    return kFields;
}

std::optional<AdoptedFieldSpec> adoptedField(Shape shape, AdoptedField id) {
    for (const AdoptedFieldSpec& field : kFields) {
        if (field.id == id && field.takenBy(shape))
            return field;
    }
    return std::nullopt;
}

bool takesField(Shape shape, AdoptedField id) {
    return adoptedField(shape, id).has_value();
}

} // namespace vazolar
