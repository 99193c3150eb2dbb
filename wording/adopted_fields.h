#pragma once

#include "engine/shape.h"

#include <QString>

#include <optional>
#include <span>

// The inputs of an adopted section, as data: the request's text each one fills, its option on
// the command line (also its column in a CSV), its caption in the adopted-section window, and
// the shapes that take it and require it. The command line, the window, the CSV and the
// messages that name a field all read them here.
namespace vazolar {

struct AdoptedRequest;

// The inputs of an adopted section, as its messages name them.
enum class AdoptedField {
    Slope,
    Roughness,
    Discharge,
    Depth,
    Angle,
    Dimension, // b, B or D: the one dimension of the shape's section
    Freeboard,
    BankHeight,
    MaxVelocity,
    MinVelocity,
    MaxFroude,
    MaxDepthRatio,
    MaxShear,          // τadm, the lining's permissible shear
    ShearSafetyFactor, // SF on τmáx, read only with τadm
};

// What a field is about: the section and its flow, the bank above the water, or a limit the
// result is checked against.
enum class FieldGroup { Section, Bank, Limit };

// A set of shapes, one bit each.
using ShapeSet = unsigned;
constexpr ShapeSet shapeBit(Shape shape) {
    return 1u << static_cast<unsigned>(shape);
}
constexpr ShapeSet kEveryShape = shapeBit(Shape::Trapezoidal) | shapeBit(Shape::Rectangular) |
                                 shapeBit(Shape::Triangular) | shapeBit(Shape::Circular);
constexpr ShapeSet kOpenShapes = kEveryShape & ~shapeBit(Shape::Circular);

struct AdoptedFieldSpec {
    AdoptedField id;
    QString AdoptedRequest::*text; // none for the bank's two, which make one FreeboardText
    const char* option;            // without its "--": "i", "b", "borda-livre"
    const char* caption;           // "I (%)", "b (m)"
    FieldGroup group;
    ShapeSet shapes;   // the shapes that take it
    ShapeSet required; // the shapes on which a verification cannot go without it

    bool takenBy(Shape shape) const { return (shapes & shapeBit(shape)) != 0; }
    bool requiredBy(Shape shape) const { return (required & shapeBit(shape)) != 0; }
};

// Every field, in the order the request's texts are read: the flow and the angle, the shape's
// dimension, the bank and the limits. The dimension has a row for each shape that has one.
std::span<const AdoptedFieldSpec> adoptedFields();

// The field as the shape takes it; none where the shape does not (the triangle's dimension,
// the circle's angle or bank).
std::optional<AdoptedFieldSpec> adoptedField(Shape shape, AdoptedField id);

// Whether the shape takes the field.
bool takesField(Shape shape, AdoptedField id);

} // namespace vazolar
