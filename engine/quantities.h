#pragma once

// The quantities of one trial, or of the circle, by name. A shape's table shows some of them in
// its own column order (see shape_description.h); the rest stay 0.
namespace vazolar {

// In the order the batch summary lists them.
enum class Quantity {
    BottomWidth,     // b
    TopWidth,        // B
    Depth,           // y
    Diameter,        // D
    Area,            // Am
    WettedPerimeter, // Pm
    HydraulicRadius, // RH
    Discharge,       // Q
    Velocity,        // V
};

constexpr Quantity kAllQuantities[] = {
    Quantity::BottomWidth,     Quantity::TopWidth,  Quantity::Depth,
    Quantity::Diameter,        Quantity::Area,      Quantity::WettedPerimeter,
    Quantity::HydraulicRadius, Quantity::Discharge, Quantity::Velocity};

struct SectionQuantities {
    double bottomWidth = 0.0;     // b (m)
    double topWidth = 0.0;        // B (m)
    double depth = 0.0;           // y (m)
    double diameter = 0.0;        // D (m)
    double area = 0.0;            // Am (m²)
    double wettedPerimeter = 0.0; // Pm (m)
    double hydraulicRadius = 0.0; // RH (m)
    double discharge = 0.0;       // Q (m³/s)
    double velocity = 0.0;        // V (m/s)

    double operator[](Quantity quantity) const;
};

} // namespace vazolar
