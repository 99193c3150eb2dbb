#pragma once

#include "shape.h"

#include <variant>

// The sections an engineer adopts, by their dimensions, and their flow area, wetted perimeter,
// top width and hydraulic radius at any depth. Side slopes z are horizontal per vertical; the
// trapezoid's comes from its side angle by sideSlopeFromAngle (sections.h).
namespace vazolar {

struct TrapezoidSection {
    double bottomWidth = 0.0; // b (m)
    double sideSlope = 0.0;   // z
};

struct RectangleSection {
    double width = 0.0; // B (m)
};

// The form's triangle has 1:1 sides, so its top width is twice its depth.
struct TriangleSection {
    double sideSlope = 1.0; // z
};

struct CircleSection {
    double diameter = 0.0; // D (m)
};

using Section = std::variant<TrapezoidSection, RectangleSection, TriangleSection, CircleSection>;

struct FlowGeometry {
    double area = 0.0;            // A (m²)
    double wettedPerimeter = 0.0; // P (m)
    double topWidth = 0.0;        // T (m); 0 in a full pipe
    double hydraulicRadius = 0.0; // R = A / P (m)
};

// The section of a shape by its one dimension (b, B or D; the 1:1 triangle has none) and, on
// the trapezoid, its side slope z.
Section makeSection(Shape shape, double dimension, double sideSlope);

// The geometry at depth y > 0. A circle is filled to at most its diameter: a greater depth is
// read as the full pipe.
FlowGeometry flowGeometry(const Section& section, double depth);

// The greatest depth the section can hold: D on the circle; infinite on the open shapes.
double deepestDepth(const Section& section);

} // namespace vazolar
