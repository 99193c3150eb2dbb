#pragma once

#include "trial_rows.h"
#include "adopted_request.h"
#include "engine/sizing.h"

namespace vazolar {

// How the trial's dimension is written: rounded up to the centimetre, as an engineer builds it
// (0,7000 gives "0,70", 0,8896 gives "0,89"), or to every digit it was sized to.
enum class DimensionText { UpToCentimetre, AsSized };

// The section a sized trial suggests building: the run's texts of I, n, Q and the angle, as
// typed, and the trial's dimension; the USBR freeboard, no limits.
AdoptedRequest adoptedRequestForTrial(const SizingInput& texts, const SectionQuantities& trial,
                                      DimensionText dimension = DimensionText::UpToCentimetre);

// Metres rounded up to the next centimetre, with two decimals: "0,70", "1.234,57".
QString roundedUpToCentimetre(double metres);

} // namespace vazolar
