#pragma once

#include "adopted_fields.h"
#include "adopted_verification.h"
#include "engine/adopted_section.h"
#include "engine/outcome.h"
#include "engine/shape.h"

#include <QString>

#include <functional>

namespace vazolar {

// An adopted section as typed: every number is a text in the form's notation (decimal comma).
// Texts a shape does not read are ignored.
struct AdoptedRequest {
    Shape shape = Shape::Trapezoidal;
    QString slope{};       // I (%)
    QString roughness{};   // n
    QString discharge{};   // Q; or else
    QString depth{};       // y, to find what the section carries there
    QString angle{};       // trapezoid: side angle (°), z = tan
    QString bottomWidth{}; // trapezoid: b
    QString width{};       // rectangle: B
    QString diameter{};    // circle: D
    // Open shapes: "0,30" (metres), "20%" (of the depth), "usbr" or empty (the US Bureau of
    // Reclamation's rule); or the bank height H, with the rule left empty.
    QString freeboard{};
    QString bankHeight{};
    QString maxVelocity{};   // vmax (m/s)
    QString minVelocity{};   // vmin (m/s)
    QString maxFroude{};     // frmax
    QString maxDepthRatio{}; // ymaxd, circle only
};

// How the messages name a field, the same way in every message of one place: by its option on
// the command line ("--q"), by its caption in a window ("Q (m³/s)").
using FieldNamer = std::function<QString(AdoptedField)>;

// The numbers of the request, read in the order above; the first text that cannot be used
// gives the message, naming its field.
Outcome<AdoptedInputs> convertAdoptedRequest(const AdoptedRequest& request,
                                             const FieldNamer& names);

// Converts and verifies.
Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedRequest& request, const FieldNamer& names);

} // namespace vazolar
