#pragma once

#include "wording/profile_request.h"

class QPainter;
class QRectF;

// The longitudinal profile of a reach, painted in vectors onto any QPaintDevice: the window,
// the memo's page and a saved image are the same drawing.
namespace vazolar::drawings {

// The bed, the water surface, the normal- and critical-depth lines, the bank, the control and
// the jump, against x in metres with "montante" and "jusante" at the ends, the vertical scale
// exaggerated as stated on the picture.
void paintProfilePicture(QPainter& painter, const QRectF& bounds, const ProfileInputs& inputs,
                         const WaterProfile& profile);

} // namespace vazolar::drawings
