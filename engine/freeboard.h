#pragma once

#include "section_model.h"

// The freeboard F above the water and the bank it sets, on the open shapes.
namespace vazolar {

enum class FreeboardRule {
    Height,     // F in metres, as given
    DepthShare, // F as a share of the depth
    Usbr,       // F = √(C y), US Bureau of Reclamation
    BankHeight, // the bank height H is given: F = H − y
};

struct Freeboard {
    FreeboardRule rule = FreeboardRule::Usbr;
    double value = 0.0; // Height: F (m); DepthShare: the share (0,2 for 20%); BankHeight: H (m)
};

// C of F = √(C y), F and y in metres: 0,46 up to 0,57 m³/s, 0,76 from 85 m³/s, linear in
// log10 Q between. Chow (Open-Channel Hydraulics, 1959) gives C from 1,5 to 2,5 in feet for
// 20 to 3000 ft³/s; the interpolation between is ours.
double usbrCoefficient(double discharge);

// F for the flow at depth y carrying Q; negative when a given bank is below the water.
double freeboardHeight(const Freeboard& freeboard, double depth, double discharge);

// The section up to the bank: what is excavated and lined per metre of channel.
struct BankLevel {
    double freeboard = 0.0;  // F (m)
    double bankHeight = 0.0; // H = y + F (m)
    double topWidth = 0.0;   // TH (m)
    double area = 0.0;       // AH (m²/m)
    double perimeter = 0.0;  // PH, lined (m/m)
};

BankLevel bankLevel(const Section& section, double freeboard, double depth);

} // namespace vazolar
