#pragma once

#include "adopted_fields.h"
#include "adopted_verification.h"
#include "engine/adopted_section.h"
#include "engine/outcome.h"
#include "engine/shape.h"

#include <QString>

#include <functional>

namespace vazolar {

// The freeboard as typed: its rule, and the rule's number as a text in the form's notation:
// F in metres (Height), the percentage of the depth (DepthShare, "20" for 20 %), the bank
// height H in metres (BankHeight); none for the US Bureau of Reclamation's rule.
struct FreeboardText {
    FreeboardRule rule = FreeboardRule::Usbr;
    QString value{};
};

// An adopted section as typed: every number is a text in the form's notation (decimal comma).
// Texts a shape does not read are ignored.
struct AdoptedRequest {
    Shape shape = Shape::Trapezoidal;
    QString slope{};             // I (%)
    QString roughness{};         // n
    QString discharge{};         // Q; or else
    QString depth{};             // y, to find what the section carries there
    QString angle{};             // trapezoid: side angle (°), z = tan
    QString bottomWidth{};       // trapezoid: b
    QString width{};             // rectangle: B
    QString diameter{};          // circle: D
    FreeboardText freeboard{};   // open shapes
    QString maxVelocity{};       // vmax (m/s)
    QString minVelocity{};       // vmin (m/s)
    QString maxFroude{};         // frmax
    QString maxDepthRatio{};     // ymaxd, circle only
    QString maxShear{};          // τadm (Pa)
    QString shearSafetyFactor{}; // SF on τmáx; 1 when empty
};

// How the messages name a field, the same way in every message of one place: by its option on
// the command line ("--q"), by its caption in a window ("Q (m³/s)").
using FieldNamer = std::function<QString(AdoptedField)>;

// Whether the slope must be positive, as uniform flow needs, or may be zero or negative, as a
// water-surface profile on a horizontal or adverse bed allows.
enum class SlopeRule { Positive, AnySign };

// The numbers of the request, read in the order above; the first text that cannot be used
// gives the message, naming its field.
Outcome<AdoptedInputs> convertAdoptedRequest(const AdoptedRequest& request, const FieldNamer& names,
                                             SlopeRule slopeRule = SlopeRule::Positive);

// Converts and verifies.
Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedRequest& request, const FieldNamer& names);

} // namespace vazolar
