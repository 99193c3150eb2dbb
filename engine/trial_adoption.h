#pragma once

#include "adopted_request.h"
#include "sizing.h"

namespace vazolar {

// The section a sized trial suggests building: the run's texts of I, n, Q and the angle, as
// typed, and the trial's dimension rounded up to the centimetre (0,7000 gives "0,70", 0,8896
// gives "0,89"); the USBR freeboard, no limits.
AdoptedRequest adoptedRequestForTrial(const SizingInput& texts, const SectionQuantities& trial);

// Metres rounded up to the next centimetre, with two decimals: "0,70", "1.234,57".
QString roundedUpToCentimetre(double metres);

} // namespace vazolar
