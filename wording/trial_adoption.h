#pragma once

#include "adopted_request.h"
#include "engine/sizing.h"
#include "trial_rows.h"

namespace vazolar {

// How the trial's dimension is written: as an engineer builds it, or to every digit it was
// sized to. Built, a width is rounded up to the centimetre (0,7000 gives "0,70"), and a
// diameter is the next concrete pipe's (0,8896 gives DN 900, "0,90"), or rounded up to the
// centimetre above the largest pipe.
enum class DimensionText { AsBuilt, AsSized };

// The section a sized trial suggests building: the run's texts of I, n, Q and the angle, as
// typed, and the trial's dimension; the USBR freeboard, no limits.
AdoptedRequest adoptedRequestForTrial(const SizingInput& texts, const SectionQuantities& trial,
                                      DimensionText dimension = DimensionText::AsBuilt);

// Metres rounded up to the next centimetre, with two decimals: "0,70", "1.234,57".
QString roundedUpToCentimetre(double metres);

// The diameter of the smallest concrete pipe not below the metres ("0,90" for 0,8896), or
// the metres rounded up to the centimetre above the largest pipe.
QString builtDiameterText(double metres);

} // namespace vazolar
